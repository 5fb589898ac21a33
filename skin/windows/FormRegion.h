// The window shape of a skinned form: two rounded top corners and their outline, as pure functions
// of the size, so the exact pixels are known without a window server.
#pragma once

#include <QList>
#include <QPoint>
#include <QRegion>
#include <QSize>

// The region of a form of `size` whose top corners are rounded with a corner ellipse `roundCorner`
// pixels wide and high: a pixel (x, y) of the top-left R x R square stays when
// (2x - (R - 1))^2 + (2y - (R - 1))^2 <= (R - 1)^2, i.e. its centre lies on or inside the circle
// through the centres of the square's edge pixels; the top-right corner is its mirror. The two
// squares 2R x 2R at the bottom corners are always kept whole, so the bottom corners are square
// (on a form less than 2R high this squares the top corners as well). R below 2 gives the plain
// rectangle; an R larger than the form is cut down to the form's smaller side.
QRegion FormWindowRegion(QSize size, int roundCorner);

// The pixels of the two quarter arcs that outline the rounded top corners of a form `width` wide:
// circles through the pixel centres of the boxes (-1, -1, 2R - 1, 2R - 1) and
// (W - 2R + 1, -1, W + 1, 2R - 1) (right and bottom edges excluded), the quarter from the top to
// the outer side. A pixel belongs when its centre lies less than half a pixel from the circle.
// Points outside the form (negative coordinates) are left out. Empty for R below 2.
QList<QPoint> FormCornerArcPixels(int width, int roundCorner);
