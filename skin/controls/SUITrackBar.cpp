#include "skin/controls/SUITrackBar.h"

#include "framework/BitmapOps.h"
#include "framework/PainterStateGuard.h"
#include "framework/TextDraw.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <limits>

using namespace SuiThemes;

namespace {
constexpr int RepeatInterval = 100; // ms between paging steps while the button is held

int saturated(int64_t value)
{
    return int(std::clamp<int64_t>(
        value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
} // namespace

TsuiTrackBar::TsuiTrackBar(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    setClicksOnMouse(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setTabStop(true);
    m_slider = new TsuiImagePanel(this);
    // Presses on the thumb reach the track bar, which tells them from presses on the bar: the
    // same routing as a thumb that hands its mouse-down to the bar and the bar capturing the mouse.
    m_slider->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
    placeSlider(true);
}

TsuiTrackBar::~TsuiTrackBar() = default;

void TsuiTrackBar::styleReloaded()
{
    if (m_theme.uiStyle() == TsuiUIStyle::MacOS)
        m_transparent = true;
    UpdateControl();
}

void TsuiTrackBar::UpdatePicture()
{
    if (!CustomPicture()) {
        m_theme.bitmap(SuiItem::TrackBarBarImage, m_barImage);
        QImage slider;
        m_theme.bitmap(m_orientation == suiHorizontal ? SuiItem::TrackBarSliderImage
                                                      : SuiItem::TrackBarSliderVImage,
            slider);
        m_slider->SetPicture(slider);
    }
    prepareBarBitmap();
    m_slider->SetTransparent(SliderTransparent());
    m_slider->SetAutoSize(true);
}

void TsuiTrackBar::prepareBarBitmap()
{
    const int length = m_orientation == suiHorizontal ? width() : height();
    if (m_barImage.isNull() || length <= 0) {
        m_barBitmap = QImage();
        return;
    }
    // At the bar picture's scale; the layout is in logical pixels.
    const int thickness = BitmapOps::logicalSize(m_barImage).height();
    m_barBitmap = BitmapOps::deviceBuffer(
        QSize(length, thickness), BitmapOps::pictureScale(m_barImage), QImage::Format_RGB32);
    m_barBitmap.fill(Color());
    {
        QPainter canvas(&m_barBitmap);
        SpitDrawHorizontal(m_barImage, canvas, QRect(0, 0, length, thickness), false);
    }
    if (m_orientation == suiVertical)
        RoundPicture(m_barBitmap);
}

void TsuiTrackBar::UpdateControl()
{
    // Sizing below resizes the control, whose resize comes back here; once is enough.
    if (m_updating)
        return;
    m_updating = true;
    UpdatePicture();
    const int bar = m_barImage.isNull() ? 0 : BitmapOps::logicalSize(m_barImage).height();
    if (m_orientation == suiHorizontal)
        setBounds(QRect(x(), y(), width(), std::max(bar, m_slider->height())));
    else
        setBounds(QRect(x(), y(), std::max(bar, m_slider->width()), height()));
    prepareBarBitmap();
    m_updating = false;
    placeSlider(true);
}

void TsuiTrackBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    UpdateControl();
}

void TsuiTrackBar::SetBarImage(const QImage& image)
{
    m_barImage = image;
    UpdateControl();
}

QImage TsuiTrackBar::SliderImage() const
{
    return m_slider->Picture();
}

void TsuiTrackBar::SetSliderImage(const QImage& image)
{
    m_slider->SetPicture(image);
    placeSlider(true);
}

void TsuiTrackBar::SetMax(int value)
{
    if (value == m_max)
        return;
    m_max = std::max(value, m_min);
    m_position = std::min(m_position, m_max);
    placeSlider(true);
}

void TsuiTrackBar::SetMin(int value)
{
    if (value == m_min)
        return;
    m_min = std::min(value, m_max);
    m_position = std::max(m_position, m_min);
    placeSlider(true);
}

void TsuiTrackBar::SetPosition(int value)
{
    m_position = std::clamp(value, m_min, m_max);
    placeSlider(true);
}

void TsuiTrackBar::setClamped(int64_t value)
{
    SetPosition(int(std::clamp<int64_t>(value, m_min, m_max)));
}

void TsuiTrackBar::SetPageSize(int value)
{
    if (value >= 0 && value <= m_max)
        m_pageSize = value;
}

void TsuiTrackBar::SetLineSize(int value)
{
    if (value >= 0 && value <= m_max)
        m_lineSize = value;
}

void TsuiTrackBar::SetShowTick(bool show)
{
    m_showTick = show;
    update();
}

void TsuiTrackBar::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TsuiTrackBar::SetFrequency(int frequency)
{
    m_frequency = frequency;
    update();
}

QPoint TsuiTrackBar::SliderPlace() const
{
    // 64-bit: the span of a range near the 32-bit limits and its product with a length overflow
    // 32 bits; the quotient always fits, as it lies between 0 and the free length.
    const int64_t span = int64_t(m_max) - m_min;
    const int64_t offset = int64_t(m_position) - m_min;
    const auto along = [&](int free) { return span == 0 ? 0 : int(free * offset / span); };
    if (m_orientation == suiHorizontal)
        return { along(width() - m_slider->width()),
            std::max(0, height() - m_slider->height()) / 2 };
    return { std::max(0, width() - m_slider->width()) / 2, along(height() - m_slider->height()) };
}

int64_t TsuiTrackBar::PointToPosition(const QPoint& point) const
{
    const bool horizontal = m_orientation == suiHorizontal;
    const int length = horizontal ? width() : height();
    const int thumb = horizontal ? m_slider->width() : m_slider->height();
    const int at = horizontal ? point.x() : point.y();
    // A thumb as long as the bar (or longer) leaves no room to move: everything is the start.
    if (length <= thumb)
        return m_min;
    const double ratio
        = double(int64_t(at - thumb / 2) * (int64_t(m_max) - m_min)) / double(length - thumb);
    // nearbyint rounds exact halves to the even neighbour under the default rounding mode.
    return int64_t(std::nearbyint(ratio)) + m_min;
}

void TsuiTrackBar::placeSlider(bool repaint)
{
    if (!m_updating)
        PlaceControl(m_slider, SliderPlace());
    if (repaint)
        update();
    announce();
}

bool TsuiTrackBar::loading() const
{
    // A track inside a scroll bar is not read itself; its scroll bar (or the form) is.
    for (const QObject* o = this; o; o = o->parent())
        if (const Component* component = Component::of(o); component && component->IsLoading())
            return true;
    return false;
}

void TsuiTrackBar::announce()
{
    if (m_position == m_lastReported)
        return;
    // Settings being read are the starting state, not a change the form hears about.
    if (loading()) {
        m_lastReported = m_position;
        return;
    }
    // The new value counts as reported before the handler runs, so a handler that writes
    // Position again is announced once more, with its own difference, and never loops here.
    m_lastChange = saturated(int64_t(m_position) - m_lastReported);
    m_lastReported = m_position;
    OnChange(this);
}

void TsuiTrackBar::pageToward(const QPoint& point, int64_t step)
{
    const QPoint place = SliderPlace();
    const int s = m_orientation == suiHorizontal ? place.x() : place.y();
    const int at = m_orientation == suiHorizontal ? point.x() : point.y();
    const int64_t target = PointToPosition(point);
    if (s < at)
        setClamped(std::min(int64_t(m_position) + step, target));
    else if (s > at)
        setClamped(std::max(int64_t(m_position) - step, target));
}

void TsuiTrackBar::repeatTick()
{
    const int64_t step = m_orientation == suiHorizontal ? 3 * int64_t(m_pageSize) : m_pageSize;
    pageToward(m_lastMouse, step);
}

void TsuiTrackBar::stopRepeat()
{
    delete m_timer;
    m_timer = nullptr;
}

void TsuiTrackBar::mousePressEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    m_lastMouse = point;
    const bool canFocus = focusPolicy() != Qt::NoFocus && isEnabled();
    if (!m_slider->isHidden() && m_slider->geometry().contains(point)) {
        m_dragging = true;
        if (canFocus)
            setFocus(Qt::MouseFocusReason);
        return;
    }
    pageToward(point, m_pageSize);
    if (!m_timer) {
        m_timer = new QTimer(this);
        m_timer->setInterval(RepeatInterval);
        connect(m_timer, &QTimer::timeout, this, &TsuiTrackBar::repeatTick);
        m_timer->start();
    }
    if (canFocus)
        setFocus(Qt::MouseFocusReason);
}

void TsuiTrackBar::mouseMoveEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseMoveEvent(event);
    const QPoint point = event->position().toPoint();
    m_lastMouse = point;
    if (m_dragging) {
        m_position = int(std::clamp<int64_t>(PointToPosition(point), m_min, m_max));
        PlaceControl(m_slider, SliderPlace());
        announce();
        return;
    }
    if (m_timer && (point.x() < 0 || point.x() > width() || point.y() < 0 || point.y() > height()))
        stopRepeat();
}

void TsuiTrackBar::mouseReleaseEvent(QMouseEvent* event)
{
    TControlBase<QWidget>::mouseReleaseEvent(event);
    stopRepeat();
    m_dragging = false;
}

void TsuiTrackBar::keyPressEvent(QKeyEvent* event)
{
    const int64_t position = m_position;
    switch (event->key()) {
    case Qt::Key_PageUp:
        setClamped(position - m_pageSize);
        break;
    case Qt::Key_PageDown:
        setClamped(position + m_pageSize);
        break;
    case Qt::Key_End:
        SetPosition(m_max);
        break;
    case Qt::Key_Home:
        SetPosition(m_min);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        setClamped(position - m_lineSize);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        setClamped(position + m_lineSize);
        break;
    default:
        TControlBase<QWidget>::keyPressEvent(event);
    }
}

void TsuiTrackBar::focusInEvent(QFocusEvent* event)
{
    TControlBase<QWidget>::focusInEvent(event);
    update();
}

void TsuiTrackBar::focusOutEvent(QFocusEvent* event)
{
    TControlBase<QWidget>::focusOutEvent(event);
    update();
}

void TsuiTrackBar::resized()
{
    TControlBase<QWidget>::resized();
    UpdateControl();
}

void TsuiTrackBar::paintTicks(QPainter& canvas, const QSize& size) const
{
    if (m_max == m_min)
        return;
    const bool horizontal = m_orientation == suiHorizontal;
    const int free
        = horizontal ? size.width() - m_slider->width() : size.height() - m_slider->height();
    const int half = horizontal ? m_slider->width() / 2 : m_slider->height() / 2;
    const int64_t span = int64_t(m_max) - m_min;
    const auto tickAt = [&](int at) {
        if (horizontal)
            canvas.fillRect(QRect(at, size.height() - 3, 1, 3), Qt::black);
        else {
            canvas.fillRect(QRect(0, at, 3, 1), Qt::black);
            canvas.fillRect(QRect(size.width() - 3, at, 3, 1), Qt::black);
        }
    };
    const auto tick = [&](int64_t offset) { tickAt(int(offset * free / span) + half); };
    // Ticks at Min, every Frequency-th value after it, and Max. Walking a huge range value by
    // value would hang; once ticks are denser than pixels, every pixel of the free length has one.
    const int64_t every = m_frequency > 0 ? m_frequency : span;
    if (free <= 0) {
        tickAt(half);
        tickAt(free + half);
        return;
    }
    if (span / every > int64_t(free)) {
        for (int i = 0; i <= free; ++i)
            tickAt(i + half);
        return;
    }
    for (int64_t offset = 0; offset < span; offset += every)
        tick(offset);
    tick(span);
}

void TsuiTrackBar::PaintTrack(QPainter& painter, const QRect& rect) const
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    PainterStateGuard guard(painter);
    painter.translate(rect.topLeft());
    painter.setClipRect(QRect(QPoint(0, 0), rect.size()));
    paintLook(painter, rect.size());
}

void TsuiTrackBar::paintLook(QPainter& painter, const QSize& size) const
{
    // Every pixel of the rectangle is covered before anything else is drawn.
    painter.fillRect(QRect(QPoint(0, 0), size), Color());
    if (m_transparent)
        DoTrans(painter, const_cast<TsuiTrackBar*>(this));
    if (!m_barBitmap.isNull()) {
        const int bar = BitmapOps::logicalSize(m_barImage).height();
        const QPoint at = m_orientation == suiHorizontal ? QPoint(0, (size.height() - bar) / 2)
                                                         : QPoint((size.width() - bar) / 2, 0);
        painter.drawImage(at, m_barBitmap);
    }
    if (hasFocus() && TabStop())
        DrawFocusRect(painter, QRect(QPoint(0, 0), size));
    if (m_showTick)
        paintTicks(painter, size);
}

void TsuiTrackBar::paintEvent(QPaintEvent*)
{
    m_offscreen.paint(this, [this](QPainter& canvas) { paintLook(canvas, size()); });
}
