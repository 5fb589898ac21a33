#include "skin/controls/SUIScrollBar.h"

#include "framework/BitmapOps.h"
#include "skin/controls/SUIImageButton.h"
#include "skin/controls/SUIScrollThumb.h"
#include "skin/controls/SUIScrollTrackBar.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QPainter>
#include <algorithm>
#include <limits>

using namespace SuiThemes;

namespace {
constexpr int ArrowRepeatInterval = 100; // ms between arrow steps while an arrow is held
constexpr int ShortestThumb = 18; // a fixed thumb shorter than this is too small to grab
} // namespace

TsuiScrollBar::TsuiScrollBar(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    setClicksOnMouse(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_placing = true; // nothing to lay out before the children exist
    m_track = new TsuiScrollTrackBar(this);
    m_track->SetShowTick(false);
    m_track->setTabStop(false);
    m_track->SetTransparent(false);
    m_track->SetMax(100);
    m_increment = new TsuiImageButton(this);
    m_decrement = new TsuiImageButton(this);
    for (TsuiImageButton* button : { m_increment, m_decrement }) {
        button->SetMouseContinuouslyDownInterval(ArrowRepeatInterval);
        button->setTabStop(false);
    }
    m_increment->OnMouseContinuouslyDown = [this](QObject*) { step(m_smallChange); };
    m_decrement->OnMouseContinuouslyDown = [this](QObject*) { step(-m_smallChange); };
    resize(185, 185);
    m_placing = false;
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
}

TsuiScrollBar::~TsuiScrollBar() = default;

void TsuiScrollBar::styleReloaded()
{
    m_track->setColor(Color());
    UpdatePictures();
    PlaceTrackBarAndButton();
}

void TsuiScrollBar::UpdatePictures()
{
    m_track->SetBarImage(QImage());
    const QColor background = TColor(m_theme.color(SuiItem::ScrollBarBackgroundColor)).toQColor();
    setColor(background);
    m_track->setColor(background);

    m_theme.bitmap(SuiItem::ScrollBarSliderImage, m_thumbStart, 3, 1);
    m_theme.bitmap(SuiItem::ScrollBarSliderImage, m_thumbMiddle, 3, 2);
    m_theme.bitmap(SuiItem::ScrollBarSliderImage, m_thumbEnd, 3, 3);

    QImage frames[6];
    for (int i = 0; i < 6; ++i) {
        m_theme.bitmap(SuiItem::ScrollBarButtonImage, frames[i], 6, i + 1);
        if (m_orientation == suiHorizontal && !frames[i].isNull())
            RoundPicture(frames[i]);
    }
    m_decrement->SetPicNormal(frames[0]);
    m_decrement->SetPicMouseOn(frames[1]);
    m_decrement->SetPicMouseDown(frames[2]);
    m_increment->SetPicNormal(frames[3]);
    m_increment->SetPicMouseOn(frames[4]);
    m_increment->SetPicMouseDown(frames[5]);

    // The built-in pieces are drawn for a horizontal thumb.
    if (m_orientation == suiVertical) {
        for (QImage* piece : { &m_thumbStart, &m_thumbMiddle, &m_thumbEnd })
            if (!piece->isNull())
                RoundPicture3(*piece);
    }
    m_decrement->SetAutoSize(true);
    m_increment->SetAutoSize(true);
    update();
}

void TsuiScrollBar::UpdateSliderPic()
{
    if (m_thumbStart.isNull() || m_thumbEnd.isNull())
        return;
    const bool vertical = m_orientation == suiVertical;
    int length = 0;
    if (m_lineButton > 0) {
        m_lineButton = std::max(m_lineButton, ShortestThumb);
        length = m_lineButton;
    } else {
        // PageSize reads as a percentage of the track here, not as a share of the range.
        int percent = m_track->PageSize();
        if (percent < 10 || percent > 100)
            percent = 10;
        length = (vertical ? m_track->height() : m_track->width()) * percent / 100;
        if (length <= 0)
            return;
    }
    const QSize size = vertical ? QSize(BitmapOps::logicalSize(m_thumbStart).width(), length)
                                : QSize(length, BitmapOps::logicalSize(m_thumbStart).height());
    const QImage thumb = BuildScrollThumb(m_thumbStart, m_thumbMiddle, m_thumbEnd, size, vertical);
    m_track->SetSliderImage(thumb);
    m_track->UpdateSliderSize();
}

void TsuiScrollBar::PlaceTrackBarAndButton()
{
    if (m_placing)
        return;
    m_track->SetOrientation(m_orientation);
    if (height() == 0 || width() == 0) {
        setVisible(false);
        return;
    }
    // Setting our own thickness below resizes us, which comes back here; once is enough.
    m_placing = true;
    const QSize dec = m_decrement->size();
    const QSize inc = m_increment->size();
    PlaceControl(m_decrement, QPoint(0, 0));
    if (m_orientation == suiVertical) {
        m_track->setBounds(QRect(0, dec.height(), m_track->width(),
            std::max(0, height() - inc.height() - dec.height() - 1)));
        PlaceControl(m_increment, QPoint(0, height() - inc.height()));
        setWidth(dec.width());
    } else {
        m_track->setBounds(QRect(
            dec.width(), 0, std::max(0, width() - inc.width() - dec.width()), m_track->height()));
        PlaceControl(m_increment, QPoint(width() - inc.width(), 0));
        setHeight(dec.height());
    }
    m_placing = false;
    UpdateSliderPic();
}

void TsuiScrollBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    if (orientation == m_orientation)
        return;
    m_orientation = orientation;
    UpdatePictures();
    PlaceTrackBarAndButton();
}

void TsuiScrollBar::SetLineButton(int value)
{
    if (value == m_lineButton)
        return;
    const int available = m_orientation == suiHorizontal
        ? width() - m_increment->width() - m_decrement->width()
        : height() - m_increment->height() - m_decrement->height();
    if (value > available)
        return;
    m_lineButton = value;
    UpdateSliderPic();
}

void TsuiScrollBar::SetSmallChange(int value)
{
    m_smallChange = std::clamp(value, 1, 32767);
}

int TsuiScrollBar::Max() const
{
    return m_track->Max();
}
void TsuiScrollBar::SetMax(int value)
{
    m_track->SetMax(value);
}
int TsuiScrollBar::Min() const
{
    return m_track->Min();
}
void TsuiScrollBar::SetMin(int value)
{
    m_track->SetMin(value);
}
int TsuiScrollBar::Position() const
{
    return m_track->Position();
}

void TsuiScrollBar::SetPosition(int value)
{
    if (value != m_track->Position())
        m_track->SetPosition(value);
}

int TsuiScrollBar::PageSize() const
{
    return m_track->PageSize();
}

void TsuiScrollBar::SetPageSize(int value)
{
    m_track->SetPageSize(value);
    UpdateSliderPic();
}

int TsuiScrollBar::LargeChange() const
{
    return std::clamp(m_track->PageSize(), 0, 32767);
}
void TsuiScrollBar::SetLargeChange(int value)
{
    m_track->SetPageSize(value);
}

FormMethod TsuiScrollBar::onChangeHandler() const
{
    return m_track->onChangeHandler();
}
void TsuiScrollBar::setOnChangeHandler(const FormMethod& m)
{
    m_track->setOnChangeHandler(m);
}
int TsuiScrollBar::GetLastChange() const
{
    return m_track->LastChange();
}
bool TsuiScrollBar::GetSliderVisible() const
{
    return m_track->SliderVisible();
}
void TsuiScrollBar::SetSliderVisible(bool visible)
{
    m_track->SetSliderVisible(visible);
}

void TsuiScrollBar::step(int delta)
{
    // 64-bit, so a step from near the 32-bit limits clamps instead of wrapping.
    const int64_t next = int64_t(m_track->Position()) + delta;
    m_track->SetPosition(int(std::clamp<int64_t>(next, m_track->Min(), m_track->Max())));
}

void TsuiScrollBar::resized()
{
    TControlBase<QWidget>::resized();
    PlaceTrackBarAndButton();
}

void TsuiScrollBar::changeEvent(QEvent* event)
{
    TControlBase<QWidget>::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_track)
        m_track->setColor(Color());
}

void TsuiScrollBar::paintEvent(QPaintEvent*)
{
    // Only the row under a vertical track (and any leftover) shows; the children cover the rest.
    QPainter painter(this);
    painter.fillRect(rect(), Color());
}
