#include "skin/controls/SUICustomButton.h"

#include "framework/BitmapOps.h"
#include "framework/ImageList.h"
#include "framework/PainterStateGuard.h"
#include "framework/TForm.h"
#include "framework/TextDraw.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

using namespace SuiThemes;

namespace {

bool isEnterKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

Qt::KeyboardModifiers shiftState(Qt::KeyboardModifiers modifiers)
{
    // The keypad is where Enter sits, not a shift key.
    return modifiers & ~Qt::KeypadModifier;
}

// Controls under which a transparent button shows its grandparent: they draw nothing of their own
// that a button should repeat.
bool showsGrandparent(const QWidget* parent)
{
    return parent
        && (parent->inherits("TTabSheet") || parent->inherits("TsuiToolBar")
            || parent->inherits("TsuiDBNavigator"));
}

} // namespace

TsuiCustomButton::TsuiCustomButton(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    setClicksOnMouse(false);
    setTabStop(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(fontObject(), &TFont::changed, this, [this] { FontChanged(); });
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
    WatchDialogKeys(this);
}

TsuiCustomButton::~TsuiCustomButton() = default;

void TsuiCustomButton::setTabStop(bool stop)
{
    TControlBase<QWidget>::setTabStop(stop);
    // The press takes the focus itself, and only for a tab stop; the toolkit's click focus would
    // also focus buttons that are no tab stop.
    setFocusPolicy(stop ? Qt::TabFocus : Qt::NoFocus);
}

void TsuiCustomButton::SetUIStyle(TsuiUIStyle style)
{
    m_theme.setUIStyle(style);
}

void TsuiCustomButton::SetFileTheme(TsuiFileTheme* theme)
{
    m_theme.setFileTheme(theme);
}

void TsuiCustomButton::styleReloaded()
{
    ReloadTheme();
    UIStyleChanged();
    update();
}

void TsuiCustomButton::ReloadTheme()
{
    for (int i = 0; i < 3; ++i) {
        m_frames[i] = QImage();
        m_theme.bitmap(SuiItem::ButtonImage, m_frames[i], 3, i + 1);
    }
}

void TsuiCustomButton::SetAction(QAction* action)
{
    if (m_action == action)
        return;
    if (m_action)
        disconnect(m_action, nullptr, this, nullptr);
    m_action = action;
    if (action) {
        connect(action, &QAction::changed, this, [this] { ActionChange(); });
        ActionChange();
    }
}

void TsuiCustomButton::ActionChange()
{
    if (!m_action)
        return;
    setEnabled(m_action->isEnabled());
    setHint(m_action->toolTip());
    SetCaption(m_action->text());
}

void TsuiCustomButton::SetCaption(const QString& caption)
{
    m_caption = caption;
    m_acceleratorId = GrabAccelerator(this, m_acceleratorId, caption);
    setAccessibleName(StripAccelerators(caption));
    CaptionChanged();
    update();
}

void TsuiCustomButton::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    TransparentChanged();
    update();
}

void TsuiCustomButton::SetPicTransparent(bool transparent)
{
    m_picTransparent = transparent;
    update();
}

void TsuiCustomButton::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    AutoSizeChanged();
    update();
}

void TsuiCustomButton::AutoSizeChanged()
{
    if (!m_autoSize)
        return;
    // The style's own strip even under a file theme: a themed button keeps the built-in size.
    QImage strip;
    GetInsideThemeBitmap(UIStyle(), SuiItem::ButtonImage, &strip);
    const QSize whole = strip.isNull() ? QSize(74, 21) : BitmapOps::logicalSize(strip);
    setBounds(QRect(x(), y(), whole.width() / 3, whole.height()));
}

void TsuiCustomButton::SetFocusedRectMargin(int margin)
{
    m_focusedRectMargin = margin;
    update();
}

bool TsuiCustomButton::isActiveDefault() const
{
    const QWidget* form = window();
    if (auto* focused = qobject_cast<const TsuiCustomButton*>(form ? form->focusWidget() : nullptr);
        focused && focused->IsDialogButton())
        return focused == this;
    return m_default;
}

void TsuiCustomButton::Click()
{
    if (m_pressed) {
        stopRepeat();
        m_pressed = false;
        update();
    }
    if (parentWidget()) {
        if (auto* form = qobject_cast<TForm*>(ControlSupport::parentForm(this)))
            form->setModalResult(m_modalResult);
    }
    // Nothing of the button is touched after this: a handler may delete it.
    if (OnClick || !m_action)
        OnClick(this);
    else
        m_action->trigger();
}

bool TsuiCustomButton::DialogKey(int key, Qt::KeyboardModifiers modifiers)
{
    const bool wanted
        = (isEnterKey(key) && isActiveDefault()) || (key == Qt::Key_Escape && m_cancel);
    if (!wanted || shiftState(modifiers) != Qt::NoModifier || !isEnabled() || !isVisible())
        return false;
    Click();
    return true;
}

bool TsuiCustomButton::DialogChar(QChar character)
{
    const QChar accelerator = AcceleratorChar(m_caption);
    if (accelerator.isNull() || accelerator.toUpper() != character.toUpper() || !isEnabled())
        return false;
    Click();
    return true;
}

void TsuiCustomButton::stopRepeat()
{
    if (!m_repeatTimer)
        return;
    m_repeatTimer->stop();
    // Later, because a tick handler may be what ends the press.
    m_repeatTimer->deleteLater();
    m_repeatTimer = nullptr;
}

void TsuiCustomButton::repeatTick()
{
    OnMouseContinuouslyDown(this);
}

void TsuiCustomButton::FrameForState(QImage& frame) const
{
    if (!isEnabled())
        PaintButtonDisabled(frame);
    else if (m_pressed)
        PaintButtonMouseDown(frame);
    else if (m_hover)
        PaintButtonMouseOn(frame);
    else
        PaintButtonNormal(frame);
}

void TsuiCustomButton::PaintButtonNormal(QImage& frame) const
{
    frame = m_frames[0];
}

void TsuiCustomButton::PaintButtonMouseOn(QImage& frame) const
{
    frame = m_frames[1];
}

void TsuiCustomButton::PaintButtonMouseDown(QImage& frame) const
{
    frame = m_frames[2];
}

void TsuiCustomButton::PaintButtonDisabled(QImage& frame) const
{
    // The disabled look is the engraved caption; the frame stays the normal one.
    frame = m_frames[0];
}

void TsuiCustomButton::PaintPic(QPainter& canvas, const QImage& frame, PaintState&) const
{
    if (frame.isNull())
        return;
    const QSize size = BitmapOps::logicalSize(frame);
    ImageList list(size.width(), size.height());
    if (m_picTransparent)
        list.addMasked(frame, frame.pixel(0, 0));
    else
        list.add(frame);
    list.draw(canvas, QPoint(0, 0), 0, isEnabled());
}

void TsuiCustomButton::DrawSkinFrame(QPainter& canvas, const QImage& frame, const QSize& size) const
{
    if (frame.isNull() || size.isEmpty())
        return;
    // One slot per frame of the strip; the key tells a reloaded or replaced frame apart.
    ScaledFrame* slot = &m_scaled[0];
    for (ScaledFrame& s : m_scaled) {
        if (s.key == frame.cacheKey()) {
            slot = &s;
            break;
        }
        if (s.key == 0 || s.image.isNull())
            slot = &s;
    }
    if (slot->key != frame.cacheKey() || slot->size != size || slot->transparent != m_picTransparent
        || slot->image.isNull()) {
        // At the frame's own scale: a high-density frame keeps its pixels.
        slot->image = BitmapOps::deviceBuffer(
            size, BitmapOps::pictureScale(frame), QImage::Format_ARGB32_Premultiplied);
        slot->image.fill(Qt::transparent);
        QPainter scaled(&slot->image);
        SpitDraw(frame, scaled, QRect(QPoint(0, 0), size), m_picTransparent);
        slot->key = frame.cacheKey();
        slot->size = size;
        slot->transparent = m_picTransparent;
    }
    canvas.drawImage(0, 0, slot->image);
}

void TsuiCustomButton::PaintCenteredCaption(
    QPainter& canvas, const QString& text, const PaintState& state) const
{
    QFont font = this->font();
    if (state.boldCaption)
        font.setBold(true);
    canvas.setFont(font);
    constexpr unsigned flags = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    QRect r(QPoint(0, 0), state.size);
    QColor color = palette().color(QPalette::Active, foregroundRole());
    if (!isEnabled()) {
        QRect engraved = r.translated(1, 1);
        canvas.setPen(QColor(255, 255, 255));
        DrawText(canvas, text, engraved, flags);
        color = QColor(128, 128, 128);
    } else if (m_pressed) {
        r.translate(1, 1);
    }
    canvas.setPen(color);
    DrawText(canvas, text, r, flags);
}

void TsuiCustomButton::PaintText(QPainter& canvas, const QString& text, PaintState& state) const
{
    PaintCenteredCaption(canvas, text, state);
    state.boldCaption = false;
}

void TsuiCustomButton::PaintFocus(QPainter& canvas, PaintState& state) const
{
    const int m = m_focusedRectMargin;
    DrawFocusRect(canvas, QRect(m, m, state.size.width() - 2 * m, state.size.height() - 2 * m));
}

void TsuiCustomButton::PaintButton(QPainter& painter, const QRect& rect) const
{
    PainterStateGuard guard(painter);
    painter.translate(rect.topLeft());
    PaintState state;
    state.size = rect.size();
    const QRect client(QPoint(0, 0), rect.size());

    QImage frame;
    FrameForState(frame);

    if (!m_transparent) {
        painter.fillRect(client, palette().color(QPalette::Active, backgroundRole()));
    } else {
        QWidget* parent = parentWidget();
        DoTrans(painter, showsGrandparent(parent) ? parent : const_cast<TsuiCustomButton*>(this));
    }
    PaintPic(painter, frame, state);
    if (hasFocus() && TabStop())
        PaintFocus(painter, state);
    painter.setFont(font());
    if (!m_caption.trimmed().isEmpty())
        PaintText(painter, m_caption, state);
}

void TsuiCustomButton::paintEvent(QPaintEvent*)
{
    m_offscreen.paint(
        this, [this](QPainter& canvas) { PaintButton(canvas, rect()); },
        palette().color(QPalette::Active, backgroundRole()));
}

void TsuiCustomButton::changeEvent(QEvent* event)
{
    TControlBase<QWidget>::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        EnableChanged();
        update();
    } else if (event->type() == QEvent::FontChange) {
        FontChanged();
    }
}

bool TsuiCustomButton::event(QEvent* event)
{
    return DialogClientEvent(this, event, m_caption) || TControlBase<QWidget>::event(event);
}

void TsuiCustomButton::enterEvent(QEnterEvent* event)
{
    TControlBase<QWidget>::enterEvent(event);
    m_hover = true;
    update();
    OnMouseEnter(this);
}

void TsuiCustomButton::leaveEvent(QEvent* event)
{
    TControlBase<QWidget>::leaveEvent(event);
    m_hover = false;
    m_pressed = false;
    stopRepeat();
    update();
    OnMouseExit(this);
}

void TsuiCustomButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_leftDown = true;
        if (!m_repeatTimer) {
            m_repeatTimer = new QTimer(this);
            // Precise, so a tick never comes before a whole period has passed.
            m_repeatTimer->setTimerType(Qt::PreciseTimer);
            connect(m_repeatTimer, &QTimer::timeout, this, &TsuiCustomButton::repeatTick);
            // A period of 0 or less never ticks.
            if (m_repeatInterval > 0)
                m_repeatTimer->start(m_repeatInterval);
        }
        if (TabStop() && isEnabled() && isVisible())
            setFocus(Qt::MouseFocusReason);
        update();
    }
    TControlBase<QWidget>::mousePressEvent(event);
}

void TsuiCustomButton::mouseMoveEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseMoveEvent(event);
    const QPoint p = event->position().toPoint();
    // The far edges themselves still count as inside.
    if (p.x() < 0 || p.y() < 0 || p.x() > width() || p.y() > height()) {
        m_hover = false;
        m_pressed = false;
        update();
    }
}

void TsuiCustomButton::mouseReleaseEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_leftDown)
        return;
    m_leftDown = false;
    // Letting go ends the repeat wherever the cursor is; only a release inside clicks.
    stopRepeat();
    // Accepted before the click: the toolkit looks no further at a button whose handler deleted it.
    event->accept();
    if (rect().contains(event->position().toPoint()))
        Click();
}

void TsuiCustomButton::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((isEnterKey(key) && shiftState(event->modifiers()) == Qt::NoModifier)
        || key == Qt::Key_Escape) {
        // Enter and Esc are the form's first: the default or cancel button (which may be this
        // one) takes them on the press.
        if (BroadcastDialogKey(window(), key, event->modifiers())) {
            event->accept();
            return;
        }
        if (key == Qt::Key_Escape) {
            event->ignore();
            return;
        }
    }
    if ((key == Qt::Key_Space || isEnterKey(key)) && !event->isAutoRepeat()) {
        if (hasFocus() && isEnabled()) {
            m_pressed = true;
            update();
        }
        event->accept();
        return;
    }
    TControlBase<QWidget>::keyPressEvent(event);
}

void TsuiCustomButton::keyReleaseEvent(QKeyEvent* event)
{
    const int key = event->key();
    if ((key == Qt::Key_Space || isEnterKey(key)) && !event->isAutoRepeat()) {
        event->accept();
        if (hasFocus() && m_pressed && isEnabled()) {
            m_pressed = false;
            update();
            Click();
        }
        return;
    }
    TControlBase<QWidget>::keyReleaseEvent(event);
}

void TsuiCustomButton::focusInEvent(QFocusEvent* event)
{
    TControlBase<QWidget>::focusInEvent(event);
    update();
}

void TsuiCustomButton::focusOutEvent(QFocusEvent* event)
{
    TControlBase<QWidget>::focusOutEvent(event);
    update();
}
