#include "skin/windows/SuiMenuDropDown.h"

#include "framework/PainterStateGuard.h"
#include "framework/TMenuItem.h"
#include "skin/windows/SuiMenuDrawing.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

const SuiMenuDropDown* dropDownOf(const QWidget* widget)
{
    return qobject_cast<const SuiMenuDropDown*>(widget);
}

// Crisp filled triangles, one pixel row or column at a time, so no anti-aliasing softens them.
void drawArrowRight(QPainter& painter, const QRect& item, const QColor& color)
{
    const int x = item.x() + item.width() - 12;
    const int cy = item.y() + item.height() / 2;
    for (int i = 0; i < 4; ++i)
        painter.fillRect(QRect(x + i, cy - 3 + i, 1, 7 - 2 * i), color);
}

void drawArrowVertical(QPainter& painter, const QRect& r, bool down, const QColor& color)
{
    const int cx = r.x() + r.width() / 2;
    const int y = r.y() + (r.height() - 4) / 2;
    for (int i = 0; i < 4; ++i) {
        const int half = down ? 3 - i : i;
        painter.fillRect(QRect(cx - half, y + i, 2 * half + 1, 1), color);
    }
}

} // namespace

SuiMenuDropDown::SuiMenuDropDown(const SuiMenuDrawing* look, QObject* source, QWidget* parent)
    : QMenu(parent)
    , m_look(look)
    , m_source(source)
{
    setStyle(SuiMenuStyle::instance());
    // Every separator an item list holds is shown, as the items say.
    setSeparatorsCollapsible(false);
    connect(this, &QMenu::aboutToShow, this, &SuiMenuDropDown::rebuild);
}

TMenuItem* SuiMenuDropDown::itemOf(const QAction* action) const
{
    return m_items.value(action).data();
}

void SuiMenuDropDown::rebuild()
{
    // Submenus are children of this drop-down; they are built again when they open, so a deep
    // tree costs only the levels the user visits.
    for (QAction* action : actions())
        delete action->menu();
    clear();
    m_items.clear();
    if (!m_source)
        return;
    const QList<TMenuItem*> items
        = m_source->findChildren<TMenuItem*>(QString(), Qt::FindDirectChildrenOnly);
    for (TMenuItem* item : items) {
        QAction* action = nullptr;
        if (item->IsSeparator()) {
            action = addSeparator();
        } else if (!item->Items().isEmpty()) {
            auto* sub = new SuiMenuDropDown(m_look, item, this);
            sub->setTitle(item->Caption());
            action = addMenu(sub);
        } else {
            action = addAction(item->Caption());
            QPointer<TMenuItem> guarded(item);
            connect(action, &QAction::triggered, item, [guarded] {
                if (guarded)
                    guarded->Click();
            });
        }
        action->setEnabled(item->Enabled());
        action->setVisible(item->Visible());
        m_items.insert(action, item);
    }
}

void SuiMenuDropDown::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const
{
    QMenu::initStyleOption(option, action);
    option->styleObject = const_cast<QAction*>(action);
}

void RepaintOpenDropDowns(SuiMenuDropDown* dropDown)
{
    if (!dropDown)
        return;
    if (dropDown->isVisible())
        dropDown->update();
    for (SuiMenuDropDown* sub : dropDown->findChildren<SuiMenuDropDown*>())
        if (sub->isVisible())
            sub->update();
}

SuiMenuStyle::SuiMenuStyle()
    : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion")))
{
}

SuiMenuStyle* SuiMenuStyle::instance()
{
    static QPointer<SuiMenuStyle> style;
    if (!style) {
        style = new SuiMenuStyle;
        // Lives as long as the application, so no drop-down outlives its style.
        style->setParent(qApp);
    }
    return style;
}

void SuiMenuStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    const SuiMenuDropDown* menu = dropDownOf(widget);
    if (menu && menu->look()) {
        if (element == PE_PanelMenu) {
            menu->look()->DrawDropDownPanel(*painter, option->rect, SuiMenuDropDown::FrameWidth);
            return;
        }
        if (element == PE_FrameMenu) {
            menu->look()->DrawDropDownFrame(*painter, option->rect);
            return;
        }
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

void SuiMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
    QPainter* painter, const QWidget* widget) const
{
    const SuiMenuDropDown* menu = dropDownOf(widget);
    if (!menu || !menu->look()) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const SuiMenuDrawing* look = menu->look();
    switch (element) {
    case CE_MenuItem: {
        const auto* action = qobject_cast<const QAction*>(option->styleObject);
        TMenuItem* item = menu->itemOf(action);
        if (!item) {
            look->DrawDropDownPanel(*painter, option->rect, 0);
            return;
        }
        const bool selected = option->state & State_Selected;
        if (item->OnDrawItem)
            item->OnDrawItem(item, *painter, option->rect, selected);
        else
            look->DrawItem(item, *painter, option->rect, selected);
        // The submenu arrow belongs to the menu window, not to the item's drawing.
        if (action && action->menu() && !item->IsSeparator()) {
            const bool enabled = item->Enabled();
            drawArrowRight(
                *painter, option->rect, look->TextColor(selected && enabled, enabled).toQColor());
        }
        return;
    }
    case CE_MenuEmptyArea:
        look->DrawDropDownPanel(*painter, option->rect, SuiMenuDropDown::FrameWidth);
        return;
    case CE_MenuScroller:
        look->DrawDropDownPanel(*painter, option->rect, 0);
        drawArrowVertical(*painter, option->rect, option->state & State_DownArrow,
            look->TextColor(false, true).toQColor());
        return;
    case CE_MenuTearoff:
        look->DrawDropDownPanel(*painter, option->rect, 0);
        return;
    default:
        QProxyStyle::drawControl(element, option, painter, widget);
    }
}

QSize SuiMenuStyle::sizeFromContents(
    ContentsType type, const QStyleOption* option, const QSize& size, const QWidget* widget) const
{
    const SuiMenuDropDown* menu = dropDownOf(widget);
    if (menu && menu->look()) {
        if (type == CT_Menu)
            return size;
        if (type == CT_MenuItem) {
            TMenuItem* item = menu->itemOf(qobject_cast<const QAction*>(option->styleObject));
            if (!item)
                return QSize(0, 0);
            // The canvas a measuring handler gets: a scratch image with the screen's resolution.
            QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
            QPainter canvas(&scratch);
            canvas.setFont(widget->font());
            int width = 0;
            int height = 0;
            if (item->OnMeasureItem)
                item->OnMeasureItem(item, canvas, width, height);
            else
                menu->look()->MeasureItem(item, canvas, width, height);
            return QSize(std::max(0, width), std::max(0, height));
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int SuiMenuStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
        return SuiMenuDropDown::FrameWidth;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuDesktopFrameWidth:
    case PM_MenuTearoffHeight:
        return 0;
    case PM_MenuScrollerHeight:
        return 12;
    case PM_SubMenuOverlap:
        // A submenu's border lies over its parent's, as native menus do.
        return -SuiMenuDropDown::FrameWidth;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

int SuiMenuStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
    QStyleHintReturn* returnData) const
{
    switch (hint) {
    case SH_Menu_Scrollable:
    case SH_Menu_AllowActiveAndDisabled:
    case SH_Menu_SpaceActivatesItem:
    case SH_Menu_MouseTracking:
    case SH_Menu_SelectionWrap:
        return 1;
    case SH_Menu_Mask:
    case SH_Menu_FlashTriggeredItem:
    case SH_Menu_FadeOutOnHide:
    case SH_Menu_SupportsSections:
    case SH_Menu_FillScreenWithScroll:
    case SH_Menu_KeyboardSearch:
        return 0;
    default:
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
}
