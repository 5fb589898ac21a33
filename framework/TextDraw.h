// Text drawing with the drawing layer's DrawText flags and "&" accelerators, and the dotted
// focus rectangle.
#pragma once

#include <QChar>
#include <QRect>
#include <QString>

class QPainter;

// Flag values as the drawing layer numbers them, so stored values keep their meaning.
enum DrawTextFlag : unsigned {
    DT_TOP = 0x0,
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_VCENTER = 0x4,
    DT_BOTTOM = 0x8,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
    DT_END_ELLIPSIS = 0x8000,
};

// Draws `text` in `rect` with the painter's font and pen. "&&" shows one "&" and "&x" underlines
// x unless DT_NOPREFIX is given. DT_VCENTER and DT_BOTTOM act on single-line text only; text is
// clipped to the rectangle unless DT_NOCLIP. With DT_CALCRECT nothing is drawn and `rect` gets
// the width and height the text needs (its top-left unchanged). Returns the text height.
int DrawText(QPainter& painter, const QString& text, QRect& rect, unsigned flags);

// The text as shown: "&&" becomes "&", a single "&" disappears.
QString StripAccelerators(const QString& text);
// The character after the first single "&", or a null QChar.
QChar AcceleratorChar(const QString& text);

// The focus rectangle: every other pixel of the rectangle's 1-pixel outline is inverted (XOR), in
// a checkerboard fixed to the device, so drawing it twice restores what was there. On devices
// without raster operations a dotted outline in the pen colour is drawn instead.
void DrawFocusRect(QPainter& painter, const QRect& rect);
