#include "skin/controls/SUIScrollBarStyle.h"

#include "framework/BitmapOps.h"
#include "framework/PainterStateGuard.h"
#include "framework/TColor.h"
#include "skin/controls/SUIScrollThumb.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <algorithm>

using namespace SuiThemes;

namespace {
constexpr int ShortestThumb = 18; // as the skinned scroll bar's fixed thumb: small enough to hit
} // namespace

SuiScrollBarStyle::SuiScrollBarStyle(TsuiUIStyle style)
{
    m_background = TColor(GetInsideThemeColor(style, SuiItem::ScrollBarBackgroundColor)).toQColor();
    // One style serves every scroll area of the program: its pictures follow the application's
    // highest device pixel ratio.
    const int scale = SkinPictureScale(nullptr);
    for (int i = 0; i < 6; ++i) {
        GetInsideThemeBitmap(
            style, SuiItem::ScrollBarButtonImage, &m_vertical.buttons[i], 6, i + 1, scale);
        m_horizontal.buttons[i] = m_vertical.buttons[i];
        if (!m_horizontal.buttons[i].isNull())
            RoundPicture(m_horizontal.buttons[i]);
    }
    for (int i = 0; i < 3; ++i) {
        GetInsideThemeBitmap(
            style, SuiItem::ScrollBarSliderImage, &m_horizontal.thumb[i], 3, i + 1, scale);
        m_vertical.thumb[i] = m_horizontal.thumb[i];
        if (!m_vertical.thumb[i].isNull())
            RoundPicture3(m_vertical.thumb[i]);
    }
    if (!m_vertical.buttons[0].isNull()) {
        m_thickness = BitmapOps::logicalSize(m_vertical.buttons[0]).width();
        m_buttonLength = BitmapOps::logicalSize(m_vertical.buttons[0]).height();
    }
}

SuiScrollBarStyle* SuiScrollBarStyle::shared(TsuiUIStyle style)
{
    static QHash<int, QPointer<SuiScrollBarStyle>> styles;
    QPointer<SuiScrollBarStyle>& s = styles[int(style)];
    if (!s) {
        s = new SuiScrollBarStyle(style);
        s->setParent(QCoreApplication::instance());
    }
    return s;
}

void SuiScrollBarStyle::applyTo(QAbstractScrollArea* area, TsuiUIStyle style)
{
    SuiScrollBarStyle* skin = shared(style);
    area->verticalScrollBar()->setStyle(skin);
    area->horizontalScrollBar()->setStyle(skin);
}

int SuiScrollBarStyle::pixelMetric(
    PixelMetric metric, const QStyleOption* option, const QWidget* widget) const
{
    switch (metric) {
    case PM_ScrollBarExtent:
        return m_thickness;
    case PM_ScrollBarSliderMin:
        return ShortestThumb;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QRect SuiScrollBarStyle::subControlRect(ComplexControl control, const QStyleOptionComplex* option,
    SubControl sub, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar)
        return QProxyStyle::subControlRect(control, option, sub, widget);
    const bool vertical = bar->orientation == Qt::Vertical;
    const QRect r = bar->rect;
    const int length = vertical ? r.height() : r.width();
    const int thickness = vertical ? r.width() : r.height();
    // Arrows share a bar too short for both.
    const int button = std::min(m_buttonLength, length / 2);
    const int groove = std::max(0, length - 2 * button);
    int thumb = groove;
    if (bar->maximum > bar->minimum) {
        const int64_t range = int64_t(bar->maximum) - bar->minimum;
        thumb = int(int64_t(groove) * bar->pageStep / (range + bar->pageStep));
        thumb = std::min(groove, std::max(thumb, ShortestThumb));
    }
    const int thumbAt = button
        + sliderPositionFromValue(
            bar->minimum, bar->maximum, bar->sliderPosition, groove - thumb, bar->upsideDown);
    const auto span = [&](int from, int along) {
        const QRect local
            = vertical ? QRect(0, from, thickness, along) : QRect(from, 0, along, thickness);
        return visualRect(bar->direction, r, local.translated(r.topLeft()));
    };
    switch (sub) {
    case SC_ScrollBarSubLine:
        return span(0, button);
    case SC_ScrollBarAddLine:
        return span(length - button, button);
    case SC_ScrollBarGroove:
        return span(button, groove);
    case SC_ScrollBarSlider:
        return span(thumbAt, thumb);
    case SC_ScrollBarSubPage:
        return span(button, thumbAt - button);
    case SC_ScrollBarAddPage:
        return span(thumbAt + thumb, length - button - thumbAt - thumb);
    default:
        return QProxyStyle::subControlRect(control, option, sub, widget);
    }
}

void SuiScrollBarStyle::drawComplexControl(ComplexControl control,
    const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || !painter) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    PainterStateGuard guard(*painter);
    painter->fillRect(bar->rect, m_background);
    const Pictures& pics = pictures(bar->orientation);
    const bool enabled = bar->state & State_Enabled;
    // Frame 0 normal, 1 hot, 2 pressed, as the arrow buttons of the skinned scroll bar show them.
    const auto frameFor = [&](SubControl sub) {
        if (!enabled || !(bar->activeSubControls & sub))
            return 0;
        if (bar->state & State_Sunken)
            return 2;
        return bar->state & State_MouseOver ? 1 : 0;
    };
    const auto drawButton = [&](SubControl sub, int first) {
        const QImage& picture = pics.buttons[first + frameFor(sub)];
        const QRect place = subControlRect(CC_ScrollBar, bar, sub, widget);
        if (!picture.isNull() && !place.isEmpty())
            painter->drawImage(place, picture);
    };
    drawButton(SC_ScrollBarSubLine, 0);
    drawButton(SC_ScrollBarAddLine, 3);

    if (!enabled || bar->maximum <= bar->minimum)
        return;
    const QRect slider = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
    const bool vertical = bar->orientation == Qt::Vertical;
    const QImage& start = pics.thumb[0];
    const int across
        = vertical ? BitmapOps::logicalSize(start).width() : BitmapOps::logicalSize(start).height();
    const QSize size = vertical ? QSize(across, slider.height()) : QSize(slider.width(), across);
    const QImage thumb = BuildScrollThumb(start, pics.thumb[1], pics.thumb[2], size, vertical);
    if (thumb.isNull())
        return;
    // Centred across the bar when the thumb pieces are thinner than the arrows.
    const QPoint at = vertical ? QPoint(slider.x() + (slider.width() - across) / 2, slider.y())
                               : QPoint(slider.x(), slider.y() + (slider.height() - across) / 2);
    painter->drawImage(at, thumb);
}
