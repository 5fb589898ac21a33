// A 1-pixel frame just inside a rectangle, drawn as solid strips so no pen geometry or
// anti-aliasing can move it by a pixel.
#pragma once

#include <QColor>
#include <QRect>

class QPainter;

void FrameRect(QPainter& painter, const QRect& rect, const QColor& color);
