#include "skin/windows/FormMenuBar.h"

#include "framework/BitmapOps.h"
#include "framework/FrameRect.h"
#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"
#include "framework/TextDraw.h"
#include "skin/styles/SUIThemes.h"

#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>

namespace {

constexpr unsigned kCaptionFlags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
// Room left and right of a caption inside its auto-sized button.
constexpr int kCaptionPadding = 7;
const QColor kDisabledCaption(0x80, 0x80, 0x80);

QMenu* defaultPopup(TMenuItem* item, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    TMainMenu::populate(menu, item);
    return menu;
}

} // namespace

FormMenuBar::FormMenuBar(QWidget* parent)
    : TControlBase<QWidget>(parent)
    , m_popupFactory(defaultPopup)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setHeight(m_buttonHeight);
    setAlign(ControlTypes::TAlign::alTop);
}

FormMenuBar::~FormMenuBar()
{
    if (m_openMenu && m_openMenu->parent() != this)
        m_openMenu->hide();
}

void FormMenuBar::setMenu(TMainMenu* menu)
{
    m_menu = menu;
    UpdateMenu();
}

void FormMenuBar::UpdateMenu()
{
    closeMenu();
    m_buttons.clear();
    m_hotIndex = -1;
    if (m_menu) {
        for (TMenuItem* item : m_menu->Items()) {
            if (!item->Visible())
                continue;
            m_buttons.append(Button { item, item->Caption(), item->Enabled(), QRect() });
        }
    }
    layoutButtons();
}

void FormMenuBar::UpdateTopMenu()
{
    for (Button& button : m_buttons) {
        if (!button.item)
            continue;
        button.caption = button.item->Caption();
        button.enabled = button.item->Enabled();
    }
    layoutButtons();
}

void FormMenuBar::setLook(const MenuBarLook& look)
{
    m_look = look;
    layoutButtons();
}

void FormMenuBar::setButtonHeight(int height)
{
    if (m_buttonHeight == height)
        return;
    m_buttonHeight = std::max(0, height);
    layoutButtons();
}

void FormMenuBar::layoutButtons()
{
    const QFontMetrics metrics(m_look.font);
    int x = 0;
    int y = 0;
    for (Button& button : m_buttons) {
        const int w
            = metrics.horizontalAdvance(StripAccelerators(button.caption)) + 2 * kCaptionPadding;
        // Wrapping: a button that does not fit starts the next row, unless it is first in its row.
        if (x > 0 && x + w > width()) {
            x = 0;
            y += m_buttonHeight;
        }
        button.rect = QRect(x, y, w, m_buttonHeight);
        x += w;
    }
    const int rows = m_buttons.isEmpty() ? 1 : y / std::max(1, m_buttonHeight) + 1;
    const int wanted = rows * m_buttonHeight;
    if (height() != wanted)
        setHeight(wanted);
    repaintBar();
}

int FormMenuBar::buttonAt(const QPoint& point) const
{
    for (int i = 0; i < m_buttons.size(); ++i) {
        if (m_buttons[i].rect.contains(point))
            return i;
    }
    return -1;
}

FormMenuBar::ButtonState FormMenuBar::stateOf(int index) const
{
    if (index == m_openIndex)
        return ButtonState::Pressed;
    if (index == m_hotIndex && m_buttons[index].enabled)
        return ButtonState::Hot;
    return ButtonState::Normal;
}

void FormMenuBar::setHot(int index)
{
    if (m_hotIndex == index)
        return;
    m_hotIndex = index;
    repaintBar();
}

void FormMenuBar::paintBar(QPainter& painter, const QRect& rect) const
{
    painter.fillRect(rect, m_look.barColor);
    if (m_look.macOS) {
        const QImage picture
            = GetSkinResource(QStringLiteral("MACOS_MENU_BAR"), SkinPictureScale(this));
        if (!picture.isNull())
            BitmapOps::drawStretched(painter, rect, picture, picture.rect());
    }
    for (int i = 0; i < m_buttons.size(); ++i)
        paintButton(painter, m_look, m_buttons[i], stateOf(i));
}

void FormMenuBar::paintButton(
    QPainter& painter, const MenuBarLook& look, const Button& button, ButtonState state)
{
    painter.save();
    painter.setFont(look.font);
    painter.setBrush(Qt::NoBrush);
    QRect r = button.rect;
    if (state != ButtonState::Normal && look.macOS) {
        // Composed off-screen at the button's size, as one picture.
        const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
        QImage buffer = BitmapOps::deviceBuffer(r.size(), ratio, QImage::Format_RGB32);
        buffer.fill(look.barColor);
        {
            QPainter p(&buffer);
            const QImage picture
                = GetSkinResource(QStringLiteral("MACOS_MENU_SELECT"), SkinPictureScale(ratio));
            if (!picture.isNull())
                BitmapOps::drawStretched(p, QRect(QPoint(0, 0), r.size()), picture, picture.rect());
            p.setFont(look.font);
            p.setPen(look.selectedFontColor);
            QRect text(0, 0, r.width(), r.height() + 2);
            DrawText(p, button.caption, text, kCaptionFlags);
        }
        painter.drawImage(r.topLeft(), buffer);
    } else if (state != ButtonState::Normal) {
        const bool pressed = state == ButtonState::Pressed;
        if (pressed)
            r.setRight(r.right() - 2);
        painter.fillRect(r, look.selectedBackgroundColor);
        FrameRect(painter, r, look.selectedBorderColor);
        if (pressed)
            r.setLeft(r.left() + 2);
        r.setTop(r.top() + 2);
        painter.setPen(look.selectedFontColor);
        DrawText(painter, button.caption, r, kCaptionFlags);
    } else {
        r.setTop(r.top() + 2);
        painter.setPen(button.enabled || !look.greyDisabled ? look.fontColor : kDisabledCaption);
        DrawText(painter, button.caption, r, kCaptionFlags);
    }
    painter.restore();
}

void FormMenuBar::paintEvent(QPaintEvent*)
{
    // The bar changes only with its buttons, their states and its look: between those changes a
    // repaint is one copy of the picture kept from the last one.
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || m_picture.size() != size() * ratio) {
        m_picture = QImage(size() * ratio, QImage::Format_RGB32);
        m_picture.setDevicePixelRatio(ratio);
        m_pictureDirty = true;
    }
    // The kept buffer is drawn over again, not allocated again, when only its content changed.
    if (m_pictureDirty) {
        m_pictureDirty = false;
        QPainter picture(&m_picture);
        paintBar(picture, rect());
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_picture);
}

void FormMenuBar::repaintBar()
{
    m_pictureDirty = true;
    update();
}

void FormMenuBar::resized()
{
    TControlBase<QWidget>::resized();
    layoutButtons();
}

void FormMenuBar::openButton(int index)
{
    closeMenu();
    if (index < 0 || index >= m_buttons.size() || !m_buttons[index].enabled)
        return;
    TMenuItem* item = m_buttons[index].item;
    if (!item)
        return;
    if (item->Items().isEmpty()) {
        item->Click();
        return;
    }
    QMenu* menu = m_popupFactory(item, this);
    if (!menu)
        return;
    m_openMenu = menu;
    m_openIndex = index;
    m_hotIndex = -1;
    menu->installEventFilter(this);
    connect(menu, &QMenu::aboutToHide, this, [this, menu] {
        if (m_openMenu != menu)
            return;
        // A press on the same button closes the drop-down; that press must not reopen it.
        const QPoint at = mapFromGlobal(QCursor::pos());
        m_closedByPressOn = (QApplication::mouseButtons() & Qt::LeftButton)
                && m_buttons.value(m_openIndex).rect.contains(at)
            ? m_openIndex
            : -1;
        m_openIndex = -1;
        m_openMenu = nullptr;
        menu->removeEventFilter(this);
        if (menu->parent() == this)
            menu->deleteLater();
        repaintBar();
    });
    repaintBar();
    menu->popup(mapToGlobal(m_buttons[index].rect.bottomLeft() + QPoint(0, 1)));
}

void FormMenuBar::closeMenu()
{
    if (QMenu* menu = m_openMenu) {
        m_openMenu = nullptr;
        m_openIndex = -1;
        menu->hide();
        menu->removeEventFilter(this);
        if (menu->parent() == this)
            menu->deleteLater();
        repaintBar();
    }
}

void FormMenuBar::mousePressEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const int index = buttonAt(event->position().toPoint());
    const int closedOn = std::exchange(m_closedByPressOn, -1);
    if (index < 0 || index == closedOn)
        return;
    openButton(index);
}

void FormMenuBar::mouseMoveEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseMoveEvent(event);
    setHot(buttonAt(event->position().toPoint()));
}

void FormMenuBar::leaveEvent(QEvent* event)
{
    TControlBase<QWidget>::leaveEvent(event);
    setHot(-1);
}

bool FormMenuBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_openMenu)
        return TControlBase<QWidget>::eventFilter(watched, event);
    if (event->type() == QEvent::MouseMove) {
        // The open drop-down has the mouse; over a neighbour's button the neighbour opens.
        const auto* move = static_cast<QMouseEvent*>(event);
        const int index = buttonAt(mapFromGlobal(move->globalPosition().toPoint()));
        if (index >= 0 && index != m_openIndex && m_buttons[index].enabled
            && !m_buttons[index].item.isNull() && !m_buttons[index].item->Items().isEmpty()) {
            openButton(index);
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Left || key == Qt::Key_Right) && !m_buttons.isEmpty()) {
            const int step = key == Qt::Key_Left ? -1 : 1;
            const int count = int(m_buttons.size());
            int index = m_openIndex;
            for (int tries = 0; tries < count; ++tries) {
                index = (index + step + count) % count;
                if (m_buttons[index].enabled)
                    break;
            }
            if (index != m_openIndex) {
                openButton(index);
                return true;
            }
        }
    }
    return TControlBase<QWidget>::eventFilter(watched, event);
}
