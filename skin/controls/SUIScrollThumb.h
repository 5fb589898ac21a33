// The thumb picture of a scroll bar at a given size, from the three pieces of ScrollBarSliderImage.
#pragma once

#include <QImage>
#include <QSize>

// `start`, `middle` and `end` run along the thumb (already turned for a vertical one). The ends
// keep their pixels; the middle is stretched over what lies between them.
QImage BuildScrollThumb(
    const QImage& start, const QImage& middle, const QImage& end, const QSize& size, bool vertical);
