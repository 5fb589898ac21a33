// Shared drawing and window helpers of the skin library.
#pragma once

#include <QImage>

// Destination := frame `index` (1-based) of a strip of `count` equal frames side by side.
// The frame width is the strip width div count; columns left over on the right belong to no frame.
void SpitBitmap(const QImage& source, QImage& destination, int count, int index);
