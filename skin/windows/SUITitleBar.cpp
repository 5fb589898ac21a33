#include "skin/windows/SUITitleBar.h"

#include "framework/BitmapOps.h"
#include "framework/ComponentRegistry.h"
#include "framework/TColor.h"
#include "framework/TForm.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"
#include "skin/windows/SUITitleBarPopupMenu.h"

#include <QApplication>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>
#include <string_view>

using namespace SuiThemes::SuiItem;

ORLENDA_REGISTER_COMPONENT(TsuiTitleBar);

namespace {

// The frames are recognised by class name, so the bar does not depend on them (the namespace a
// class sits in is ignored, as GetSUIFormStyle does).
bool isClass(const QObject* object, std::string_view wanted)
{
    for (const QMetaObject* meta = object ? object->metaObject() : nullptr; meta;
         meta = meta->superClass()) {
        const std::string_view name(meta->className());
        const size_t colon = name.rfind(':');
        if (name.substr(colon == std::string_view::npos ? 0 : colon + 1) == wanted)
            return true;
    }
    return false;
}

// Picture rows and columns a frame covers itself: its 3-pixel band (4 on an MDI frame).
constexpr int kFrameBand = 3;
constexpr int kMDIFrameBand = 4;
// Room the control box leaves before the caption, and the application icon's cell.
constexpr int kControlBoxGap = 5;
constexpr int kAppIconSize = 16;
constexpr int kAppIconIndent = 3;
constexpr int kAppIconCell = 21;
// Where the caption starts when nothing stands at the left.
constexpr int kBareCaptionX = 6;

// File themes mark a dark caption through their control font colour.
bool isDarkCaptionMarker(uint32_t color)
{
    return color == 0x010000 || color == 0x030000 || color == 0x040000 || color == 0x050000;
}

} // namespace

TsuiTitleBar::TsuiTitleBar(QWidget* parent)
    : TControlBase<QWidget>(parent)
    , m_theme(this, [this] { applyStyle(); })
    , m_sections(new TsuiTitleBarSections(this))
    , m_buttons(new TsuiTitleBarButtons(this))
    , m_popupMenu(new TsuiTitleBarPopupMenu(this))
{
    setMouseTracking(true);
    // Every pixel comes from the off-screen image; nothing is erased first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_sections, &TCollection::changed, this, [this] { update(); });
    connect(m_buttons, &TCollection::changed, this, [this] { update(); });
    for (TsuiTitleBarBtnType type :
        { TsuiTitleBarBtnType::suiControlBox, TsuiTitleBarBtnType::suiClose,
            TsuiTitleBarBtnType::suiMax, TsuiTitleBarBtnType::suiMin })
        m_buttons->AddButton()->SetButtonType(type);
    setAlign(ControlTypes::TAlign::alTop);
    Font()->setColor(Qt::white);
    Font()->setName(QStringLiteral("Tahoma"));
    Font()->setStyle(ControlTypes::fsBold);
    watchForm();
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
}

TsuiTitleBar::~TsuiTitleBar()
{
    if (m_watchedForm)
        m_watchedForm->removeEventFilter(this);
}

void TsuiTitleBar::SetUIStyle(TsuiUIStyle style)
{
    m_theme.setUIStyle(style);
}

void TsuiTitleBar::SetFileTheme(TsuiFileTheme* theme)
{
    m_applyingFileTheme = true;
    m_theme.setFileTheme(theme);
    m_applyingFileTheme = false;
}

void TsuiTitleBar::applyStyle()
{
    if (m_custom)
        return;
    m_sections->Clear();
    const auto addSection = [this](int item, bool autoSize, TsuiTitleBarAlign align) {
        QImage picture;
        m_theme.bitmap(item, picture);
        TsuiTitleBarSection* section = m_sections->AddSection();
        section->SetPicture(picture);
        if (autoSize)
            section->SetAutoSize(true);
        if (align != TsuiTitleBarAlign::suiLeft)
            section->SetAlign(align);
    };
    addSection(TitleBarLeftImage, true, TsuiTitleBarAlign::suiLeft);
    addSection(TitleBarRightImage, true, TsuiTitleBarAlign::suiRight);
    addSection(TitleBarClientImage, false, TsuiTitleBarAlign::suiClient);

    m_leftBtnXOffset = m_theme.integer(TitleBarButtonLeftOffsetInt);
    m_rightBtnXOffset = m_theme.integer(TitleBarButtonRightOffsetInt);
    QImage strip;
    m_theme.bitmap(TitleBarButtonImage, strip);
    m_buttonStripHeight = strip.height();
    m_buttonTop = m_theme.integer(TitleBarButtonTopInt) - (InForm() ? kFrameBand : 0);
    if (QWidget* form = Form()) {
        // A theme without the item gives -1: no constraint then.
        const int minWidth = std::max(0, int(m_theme.integer(FormMinWidthInt)));
        if (auto* tform = qobject_cast<TForm*>(form))
            tform->Constraints()->setMinWidth(minWidth);
        else
            form->setMinimumWidth(minWidth);
    }
    m_roundCorner = m_theme.integer(FormRoundCornerInt);

    const TsuiUIStyle buttonStyle
        = m_theme.usesFileTheme() ? TsuiUIStyle::FromThemeFile : m_theme.effectiveStyle();
    for (int i = 0; i < m_buttons->Count(); ++i)
        m_buttons->Button(i)->SetUIStyle(buttonStyle);
    m_popupMenu->SetUIStyle(buttonStyle);
    m_popupMenu->SetFileTheme(FileTheme());

    if (!m_applyingFileTheme) {
        const bool dark = UIStyle() == TsuiUIStyle::MacOS
            || (m_theme.usesFileTheme() && isDarkCaptionMarker(m_theme.color(ControlFontColor)));
        Font()->setColor(dark ? QColor(Qt::black) : QColor(Qt::white));
    }
    SetAutoSize(true);
    update();
}

void TsuiTitleBar::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_sections->Count() == 0) {
        m_autoSize = false;
        return;
    }
    setHeight(PreferredHeight());
}

int TsuiTitleBar::PreferredHeight() const
{
    if (m_sections->Count() == 0)
        return 0;
    const int height = m_sections->Section(0)->Picture().height() - (InForm() ? kFrameBand : 0);
    return std::max(0, height);
}

void TsuiTitleBar::SetButtonInterval(int interval)
{
    if (m_buttonInterval == interval)
        return;
    m_buttonInterval = interval;
    update();
}

void TsuiTitleBar::SetCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
}

void TsuiTitleBar::SetActive(bool active)
{
    if (m_formActive == active)
        return;
    m_formActive = active;
    update();
}

void TsuiTitleBar::SetLeftBtnXOffset(int offset)
{
    if (m_leftBtnXOffset == offset)
        return;
    m_leftBtnXOffset = offset;
    update();
}

void TsuiTitleBar::SetRightBtnXOffset(int offset)
{
    if (m_rightBtnXOffset == offset)
        return;
    m_rightBtnXOffset = offset;
    update();
}

void TsuiTitleBar::SetDrawAppIcon(bool draw)
{
    if (m_drawAppIcon == draw)
        return;
    m_drawAppIcon = draw;
    update();
}

QWidget* TsuiTitleBar::Form() const
{
    for (QWidget* up = parentWidget(); up; up = up->parentWidget())
        if (IsSUIForm(up))
            return up;
    return nullptr;
}

bool TsuiTitleBar::InForm() const
{
    return isClass(parentWidget(), "TsuiForm") || isClass(parent(), "TsuiMDIForm")
        || isClass(Owner(), "TsuiMDIForm");
}

bool TsuiTitleBar::InMDIForm() const
{
    return parentWidget() && (isClass(parent(), "TsuiMDIForm") || isClass(Owner(), "TsuiMDIForm"));
}

void TsuiTitleBar::FormStateChanged()
{
    if (const QWidget* form = Form())
        SetActive(form->isActiveWindow());
    ProcessMaxBtn();
}

void TsuiTitleBar::ProcessMaxBtn()
{
    for (int i = 0; i < m_buttons->Count(); ++i)
        m_buttons->Button(i)->ProcessMaxBtn();
}

void TsuiTitleBar::MinimizeForm()
{
    // The program's main form and any other form minimize alike here: the window system
    // minimizes the one window.
    if (QWidget* form = Form())
        form->setWindowState(form->windowState() | Qt::WindowMinimized);
}

void TsuiTitleBar::PopupControlBoxMenu()
{
    const QPoint at = mapToGlobal(QPoint(0, height()));
    m_popupMenu->Popup(at.x(), at.y());
}

QImage TsuiTitleBar::GetLeftImage() const
{
    return m_sections->Count() > 0 ? m_sections->Section(0)->Picture() : QImage();
}

QImage TsuiTitleBar::GetRightImage() const
{
    return m_sections->Count() > 1 ? m_sections->Section(1)->Picture() : QImage();
}

QImage TsuiTitleBar::GetCenterImage() const
{
    return m_sections->Count() > 2 ? m_sections->Section(2)->Picture() : QImage();
}

bool TsuiTitleBar::CanPaint() const
{
    if (m_sections->Count() != 3)
        return false;
    for (int i = 0; i < 3; ++i)
        if (m_sections->Section(i)->Picture().isNull())
            return false;
    return true;
}

TsuiTitleBar::ButtonLayout TsuiTitleBar::LayoutButtons() const
{
    ButtonLayout layout;
    int x = width() + m_rightBtnXOffset + 1;
    for (int i = 0; i < m_buttons->Count(); ++i) {
        const TsuiTitleBarButton* button = m_buttons->Button(i);
        if (!button->Visible())
            continue;
        if (button->ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
            layout.controlBox.index = i; // the last visible one counts
            continue;
        }
        const QSize size = button->PicNormal().size();
        x -= size.width() + m_buttonInterval + 1;
        layout.right.append({ i, QRect(QPoint(x, m_buttonTop), size) });
    }
    int left = m_leftBtnXOffset;
    if (layout.controlBox.index >= 0) {
        const QSize size = m_buttons->Button(layout.controlBox.index)->PicNormal().size();
        layout.controlBox.rect = QRect(QPoint(left, m_buttonTop), size);
        left += m_drawAppIcon ? kAppIconCell : size.width() + kControlBoxGap;
    }
    if (left == 0)
        left = kBareCaptionX;
    layout.captionX = left;
    layout.captionRoom = x - left;
    return layout;
}

int TsuiTitleBar::ButtonAt(const QPoint& point) const
{
    const ButtonLayout layout = LayoutButtons();
    // Where pictures overlap, the one visited last wins, as it is drawn last.
    int hot = -1;
    for (const ButtonPlace& place : layout.right)
        if (place.rect.contains(point))
            hot = place.index;
    if (layout.controlBox.index >= 0 && layout.controlBox.rect.contains(point))
        hot = layout.controlBox.index;
    return hot;
}

QRect TsuiTitleBar::ButtonRect(int index) const
{
    const ButtonLayout layout = LayoutButtons();
    if (layout.controlBox.index == index && index >= 0)
        return m_drawAppIcon ? layout.controlBox.rect.united(
                   QRect(layout.controlBox.rect.topLeft() + QPoint(kAppIconIndent, 0),
                       QSize(kAppIconSize, kAppIconSize)))
                             : layout.controlBox.rect;
    for (const ButtonPlace& place : layout.right)
        if (place.index == index)
            return place.rect;
    return {};
}

QString TsuiTitleBar::ShortenedCaption(
    const QString& caption, const QFontMetrics& metrics, int room)
{
    if (metrics.horizontalAdvance(caption) <= room)
        return caption;
    const QString ellipsis = QStringLiteral("...");
    const auto fits = [&](qsizetype length) {
        return metrics.horizontalAdvance(caption.left(length) + ellipsis) <= room;
    };
    // The longest prefix that fits with "..." appended; a binary search keeps a caption of
    // thousands of characters cheap, the linear step after it settles uneven advances.
    qsizetype low = 0;
    qsizetype high = caption.size() - 1;
    if (!fits(low))
        return QString();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (fits(mid))
            low = mid;
        else
            high = mid - 1;
    }
    while (low + 1 < caption.size() && fits(low + 1))
        ++low;
    // Never end on half a surrogate pair.
    if (low > 0 && caption.at(low - 1).isHighSurrogate())
        --low;
    return caption.left(low) + ellipsis;
}

QImage TsuiTitleBar::Render()
{
    if (width() <= 0 || height() <= 0)
        return QImage();
    QImage bitmap(size(), QImage::Format_RGB32);
    // Rows and columns no picture covers show the window colour rather than stale memory.
    bitmap.fill(palette().color(QPalette::Window));
    DrawSectionsTo(bitmap);
    DrawButtons(bitmap);
    return bitmap;
}

void TsuiTitleBar::DrawSectionsTo(QImage& bitmap) const
{
    if (bitmap.isNull())
        return;
    int dx = 0;
    int dy = 0;
    if (InForm()) {
        dx = InMDIForm() ? -kMDIFrameBand : -kFrameBand;
        dy = -kFrameBand;
    }
    QPainter painter(&bitmap);
    // Sections are used by position: left, right, centre.
    const int count = m_sections->Count();
    int x1 = 0;
    int x2 = 0;
    if (count >= 1) {
        const QImage& left = m_sections->Section(0)->Picture();
        painter.drawImage(dx, dy, left);
        x1 = left.width() + dx;
    }
    if (count >= 2) {
        const QImage& right = m_sections->Section(1)->Picture();
        x2 = bitmap.width() - right.width() - dx;
        painter.drawImage(x2, dy, right);
    }
    if (count >= 3) {
        const QImage& centre = m_sections->Section(2)->Picture();
        // A bar narrower than its end pictures leaves no room: nothing is stretched (a negative
        // width would mirror the picture).
        if (!centre.isNull() && x2 > x1)
            BitmapOps::drawStretched(
                painter, QRect(x1, dy, x2 - x1, centre.height()), centre, centre.rect());
    }
}

const QImage& TsuiTitleBar::statePicture(const TsuiTitleBarButton* button, bool hot) const
{
    if (!hot)
        return button->PicNormal();
    const int index = int(m_buttons->items().indexOf(button));
    return m_mousePressed && index == m_pressedButton ? button->PicMouseDown()
                                                      : button->PicMouseOn();
}

void TsuiTitleBar::drawButtonPicture(
    QImage& bitmap, const TsuiTitleBarButton* button, const QImage& state, const QPoint& at) const
{
    const QImage& normal = button->PicNormal();
    if (normal.isNull())
        return;
    // The state picture is cut to the normal picture's size; what it does not cover is black.
    QImage cell(normal.size(), QImage::Format_RGB32);
    cell.fill(Qt::black);
    {
        QPainter cellPainter(&cell);
        cellPainter.drawImage(0, 0, state);
    }
    QPainter painter(&bitmap);
    if (button->Transparent())
        BitmapOps::drawKeyed(painter, at, cell, cell.pixel(0, cell.height() - 1));
    else
        painter.drawImage(at, cell);
}

void TsuiTitleBar::DrawButtons(QImage& bitmap)
{
    if (bitmap.isNull())
        return;
    const ButtonLayout layout = LayoutButtons();
    m_hotButton = m_cursor ? ButtonAt(*m_cursor) : -1;

    for (const ButtonPlace& place : layout.right) {
        const TsuiTitleBarButton* button = m_buttons->Button(place.index);
        drawButtonPicture(
            bitmap, button, statePicture(button, place.index == m_hotButton), place.rect.topLeft());
    }
    if (layout.controlBox.index >= 0) {
        const TsuiTitleBarButton* box = m_buttons->Button(layout.controlBox.index);
        const QPoint at = layout.controlBox.rect.topLeft();
        if (m_drawAppIcon) {
            const QWidget* form = Form();
            const QIcon icon = form ? form->windowIcon() : QApplication::windowIcon();
            if (!icon.isNull()) {
                QPainter painter(&bitmap);
                icon.paint(&painter,
                    QRect(at + QPoint(kAppIconIndent, 0), QSize(kAppIconSize, kAppIconSize)));
            }
        } else {
            drawButtonPicture(
                bitmap, box, statePicture(box, layout.controlBox.index == m_hotButton), at);
        }
    }

    const QFontMetrics metrics(font());
    const QString text = ShortenedCaption(m_caption, metrics, layout.captionRoom);
    if (text.isEmpty())
        return;
    QPainter painter(&bitmap);
    painter.setFont(font());
    painter.setPen(m_formActive ? Font()->Color() : TColor(clInactiveCaption).toQColor());
    // Integer division truncating towards zero, as a strip lower than the text gives.
    const int top = m_buttonTop + (m_buttonStripHeight - metrics.height()) / 2;
    painter.drawText(QPoint(layout.captionX, top + metrics.ascent()), text);
}

void TsuiTitleBar::paintEvent(QPaintEvent* event)
{
    const QImage bitmap = Render();
    if (bitmap.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(event->rect(), bitmap, event->rect());
}

void TsuiTitleBar::setHot(int hot)
{
    if (hot == m_hotButton)
        return;
    if (m_hotButton >= 0)
        update(ButtonRect(m_hotButton));
    m_hotButton = hot;
    if (hot >= 0)
        update(ButtonRect(hot));
}

void TsuiTitleBar::mousePressEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint at = event->position().toPoint();
    m_cursor = at;
    m_mousePressed = true;
    const int hot = ButtonAt(at);
    m_pressedButton = hot;
    setHot(hot);
    if (hot >= 0)
        update(ButtonRect(hot));
    const QWidget* form = Form();
    if (form && hot < 0 && !form->isMaximized())
        startMove(event->globalPosition());
}

void TsuiTitleBar::startMove(const QPointF& globalPosition)
{
    m_mousePressed = false;
    m_pressedButton = -1;
    QWidget* form = Form();
    QWindow* window = form->isWindow() ? form->windowHandle() : nullptr;
    if (window && window->startSystemMove())
        return;
    // No move protocol (a bare X server, a window manager without it, an MDI child): follow the
    // mouse until the button comes up.
    m_moving = true;
    m_moveStartGlobal = globalPosition.toPoint();
    m_moveStartPos = form->pos();
}

void TsuiTitleBar::mouseMoveEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseMoveEvent(event);
    if (m_moving) {
        if (QWidget* form = Form())
            form->move(m_moveStartPos + event->globalPosition().toPoint() - m_moveStartGlobal);
        return;
    }
    m_cursor = event->position().toPoint();
    setHot(ButtonAt(*m_cursor));
}

void TsuiTitleBar::mouseReleaseEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    if (m_moving) {
        m_moving = false;
        return;
    }
    if (!m_mousePressed)
        return;
    const QPoint at = event->position().toPoint();
    m_cursor = at;
    const int hot = ButtonAt(at);
    const int pressed = std::exchange(m_pressedButton, -1);
    m_mousePressed = false;
    setHot(hot);
    if (hot >= 0)
        update(ButtonRect(hot));
    if (pressed >= 0 && pressed != hot)
        update(ButtonRect(pressed));
    // A button acts when the mouse comes up on the one it went down on.
    if (hot < 0 || hot != pressed)
        return;
    TsuiTitleBarButton* button = m_buttons->Button(hot);
    if (button->ButtonType() == TsuiTitleBarBtnType::suiControlBox && !button->ControlBoxMenu()) {
        PopupControlBoxMenu();
        return;
    }
    const TsuiTitleBarBtnType type = button->ButtonType();
    const QPointer<TsuiTitleBar> alive(this);
    button->DoClick();
    if (!alive)
        return;
    if (type == TsuiTitleBarBtnType::suiCustom && OnCustomBtnsClick)
        OnCustomBtnsClick(this, hot);
    else if (type == TsuiTitleBarBtnType::suiHelp && OnHelpBtnClick)
        OnHelpBtnClick(this, hot);
}

void TsuiTitleBar::mouseDoubleClickEvent(QMouseEvent* event)
{
    // Not the inherited handling: a widget's default turns a double click into another press.
    if (event->button() != Qt::LeftButton)
        return;
    m_moving = false;
    m_mousePressed = false;
    m_pressedButton = -1;
    const int hot = ButtonAt(event->position().toPoint());
    if (hot < 0) {
        for (int i = 0; i < m_buttons->Count(); ++i) {
            TsuiTitleBarButton* button = m_buttons->Button(i);
            if (button->Visible() && button->ButtonType() == TsuiTitleBarBtnType::suiMax) {
                button->DoClick();
                return;
            }
        }
        return;
    }
    if (m_buttons->Button(hot)->ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
        if (QWidget* form = Form())
            form->close();
    }
}

void TsuiTitleBar::leaveEvent(QEvent* event)
{
    TControlBase<QWidget>::leaveEvent(event);
    m_cursor.reset();
    setHot(-1);
}

void TsuiTitleBar::resizeEvent(QResizeEvent* event)
{
    TControlBase<QWidget>::resizeEvent(event);
    update();
}

bool TsuiTitleBar::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ParentChange:
        watchForm();
        break;
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    return TControlBase<QWidget>::event(event);
}

void TsuiTitleBar::watchForm()
{
    QWidget* form = Form();
    if (form == m_watchedForm)
        return;
    if (m_watchedForm)
        m_watchedForm->removeEventFilter(this);
    m_watchedForm = form;
    if (form)
        form->installEventFilter(this);
}

bool TsuiTitleBar::eventFilter(QObject* watched, QEvent* event)
{
    // The maximize button follows the form however it was maximized or restored.
    if (watched == m_watchedForm && event->type() == QEvent::WindowStateChange)
        ProcessMaxBtn();
    return TControlBase<QWidget>::eventFilter(watched, event);
}
