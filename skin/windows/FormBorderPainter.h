// The skinned form's 3-pixel border band and top band, painted from plain values so that the
// look can be drawn into any painter (the form, a test image, the gallery).
#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

class QPainter;

struct FormBorderLook {
    QSize size; // the window's outer size
    // The band's width on the left, right and bottom; the top band is always 3 rows (an MDI
    // parent keeps 4 at its sides and bottom, where its title bar's pictures begin).
    int sideBand = 3;
    int borderWidth = 1;
    QColor borderColor = Qt::black;
    QColor color; // the frame's client colour
    bool titleBarVisible = true;
    int titleBarHeight = 0; // regardless of visibility
    // The title bar's three section pictures, used when it has exactly three with a picture each.
    bool titleBarCanPaint = false;
    QImage leftImage, rightImage, centerImage;
    bool menuBarVisible = false;
    int menuBarHeight = 0;
    QColor menuBarColor;
    int roundCorner = 0;
    // Also fill everything inside the band with the client colour (one fill for the whole
    // window, for a frame whose client is that plain colour); the band's pixels are the same.
    bool fillInterior = false;
};

// Paints the band in window coordinates: border lines left, right and bottom; the 3-pixel sides
// and bottom in the client colour (beside the menu bar in its colour); the top band continuing the
// title bar's pictures column for column, with the two corner arcs when the border is 1 pixel and
// the corners 11; or, without a title bar, one border line above two lines of client colour.
void PaintFormBorder(QPainter& painter, const FormBorderLook& look);
