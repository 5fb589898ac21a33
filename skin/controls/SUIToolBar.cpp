#include "skin/controls/SUIToolBar.h"

#include "framework/FrameRect.h"
#include "framework/PainterStateGuard.h"
#include "framework/TColor.h"
#include "framework/TextDraw.h"
#include "skin/styles/Suiresdef.h"

#include <QActionEvent>
#include <QPainter>
#include <QToolButton>

TsuiToolBar::TsuiToolBar(QWidget* parent)
    : TControlBase<QToolBar>(parent)
    , m_theme(this, [this] { reloadTheme(); })
{
    setMovable(false);
    setFloatable(false);
    applyButtonStyle();
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
}

void TsuiToolBar::reloadTheme()
{
    using namespace SuiThemes;
    m_buttonBorderColor = TColor(m_theme.color(SuiItem::ToolBarButtonBorderColor)).toQColor();
    m_buttonColor = TColor(m_theme.color(SuiItem::ToolBarButtonBackgroundColor)).toQColor();
    m_buttonDownColor = TColor(m_theme.color(SuiItem::ToolBarButtonDownBackgroundColor)).toQColor();
    const TsuiUIStyle style = m_theme.uiStyle();
    SetTransparent(style == TsuiUIStyle::MacOS || style == TsuiUIStyle::Protein);
    update();
    for (QToolButton* button : findChildren<QToolButton*>())
        button->update();
}

void TsuiToolBar::SetButtonColor(const QColor& color)
{
    m_buttonColor = color;
    update();
}

void TsuiToolBar::SetButtonBorderColor(const QColor& color)
{
    m_buttonBorderColor = color;
    update();
}

void TsuiToolBar::SetButtonDownColor(const QColor& color)
{
    m_buttonDownColor = color;
    update();
}

void TsuiToolBar::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    setAttribute(Qt::WA_NoSystemBackground, transparent);
    setAutoFillBackground(!transparent);
    update();
}

void TsuiToolBar::SetList(bool list)
{
    m_list = list;
    applyButtonStyle();
}

void TsuiToolBar::SetShowCaptions(bool show)
{
    m_showCaptions = show;
    applyButtonStyle();
}

void TsuiToolBar::applyButtonStyle()
{
    if (!m_showCaptions)
        setToolButtonStyle(Qt::ToolButtonIconOnly);
    else
        setToolButtonStyle(m_list ? Qt::ToolButtonTextBesideIcon : Qt::ToolButtonTextUnderIcon);
}

QToolButton* TsuiToolBar::AddButton(QAction* action, QMenu* menu)
{
    addAction(action);
    auto* button = qobject_cast<QToolButton*>(widgetForAction(action));
    if (button && menu) {
        button->setMenu(menu);
        button->setPopupMode(QToolButton::MenuButtonPopup);
    }
    return button;
}

void TsuiToolBar::actionEvent(QActionEvent* event)
{
    TControlBase<QToolBar>::actionEvent(event);
    if (event->type() != QEvent::ActionAdded)
        return;
    if (auto* button = qobject_cast<QToolButton*>(widgetForAction(event->action()))) {
        button->installEventFilter(this);
    }
}

bool TsuiToolBar::eventFilter(QObject* watched, QEvent* event)
{
    auto* button = qobject_cast<QToolButton*>(watched);
    if (button && event->type() == QEvent::Paint) {
        QPainter painter(button);
        // The bar's drawing replaces the button's own only in the states it covers.
        return PaintButton(painter, button);
    }
    // The hot button is the one the mouse entered last and has not left.
    if (button && event->type() == QEvent::Enter) {
        m_hotButton = button;
        button->update();
    } else if (button && event->type() == QEvent::Leave && m_hotButton == button) {
        m_hotButton = nullptr;
        button->update();
    }
    return TControlBase<QToolBar>::eventFilter(watched, event);
}

bool TsuiToolBar::PaintButton(QPainter& painter, const QToolButton* button) const
{
    const bool hot = m_hotButton == button && button->isEnabled();
    const bool pressed = button->isDown();
    const bool checked = button->isChecked();
    const bool dropDown = button->popupMode() == QToolButton::MenuButtonPopup;
    if (hot) {
        paintFace(painter, button, pressed);
        if (dropDown) {
            const QRect r = button->rect();
            const int right = r.x() + r.width();
            const int bottom = r.y() + r.height();
            const int m = r.top() + r.height() / 2;
            PainterStateGuard guard(painter);
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(Qt::black);
            painter.setBrush(Qt::black);
            painter.drawPolygon(
                QPolygon({ QPoint(right - 9, m), QPoint(right - 5, m), QPoint(right - 7, m + 2) }));
            painter.drawPolygon(
                QPolygon({ QPoint(right - 8, m), QPoint(right - 6, m), QPoint(right - 7, m + 1) }));
            painter.drawLine(right - 14, r.top(), right - 14, bottom);
        }
        return true;
    }
    if (pressed || checked) {
        paintFace(painter, button, false);
        return true;
    }
    return false;
}

void TsuiToolBar::paintFace(QPainter& painter, const QToolButton* button, bool down) const
{
    PainterStateGuard guard(painter);
    const QRect r = button->rect();
    painter.fillRect(r, down ? m_buttonDownColor : m_buttonColor);
    FrameRect(painter, r, m_buttonBorderColor);

    const int left = r.left();
    const int top = r.top();
    const int right = r.x() + r.width();
    const int innerRight
        = button->popupMode() == QToolButton::MenuButtonPopup ? right - DropDownWidth : right;
    const QString caption = button->text();
    QString bare = caption;
    bare.remove(u'&');
    painter.setFont(button->font());
    painter.setPen(button->palette().color(QPalette::ButtonText));
    const int textWidth = painter.fontMetrics().horizontalAdvance(bare);
    const QIcon icon = button->icon();
    const QSize imageSize = button->iconSize();
    auto drawCaption = [&](int x, int y) {
        QRect box(x, y, right - x, r.y() + r.height() - y);
        DrawText(painter, caption, box, DT_LEFT | DT_TOP | DT_SINGLELINE);
    };
    if (!icon.isNull()) {
        const QPixmap image
            = icon.pixmap(imageSize, button->isEnabled() ? QIcon::Normal : QIcon::Disabled);
        if (m_list) {
            painter.drawPixmap(left + 5, top + 3, image);
            if (m_showCaptions)
                drawCaption(left + imageSize.width() + 7, top + 4);
        } else {
            painter.drawPixmap(left + (innerRight - left - imageSize.width()) / 2, top + 3, image);
            if (m_showCaptions)
                drawCaption(
                    left + (innerRight - left - textWidth) / 2, top + imageSize.height() + 4);
        }
    } else if (m_showCaptions) {
        if (m_list)
            drawCaption(left + 8, top + 3);
        else
            drawCaption(left + (innerRight - left - textWidth) / 2, top + (down ? 5 : 4));
    }
}

void TsuiToolBar::paintEvent(QPaintEvent*)
{
    // A transparent bar shows its parent behind it; an opaque one its own colour, no edges.
    if (m_transparent)
        return;
    QPainter painter(this);
    painter.fillRect(rect(), Color());
}
