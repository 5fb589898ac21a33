// Shared drawing and window helpers of the skin library.
#pragma once

#include "framework/TColor.h"
#include "skin/styles/SUIThemes.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QtGui/qrgb.h>

class QPainter;
class QObject;
class QWidget;
class TsuiFileTheme;

// Rectangles follow QRect; where these helpers speak of a rectangle's right or bottom edge they
// mean the exclusive one, x() + width() and y() + height().

// Destination := frame `index` (1-based) of a strip of `count` equal frames side by side.
// The frame width is the strip width div count; columns left over on the right belong to no frame.
// A count below 1 gives a null destination; an index outside 1..count a black frame.
void SpitBitmap(const QImage& source, QImage& destination, int count, int index);

// Nine-slice drawing over `r`: the corners keep their pixel size, the edges stretch along one
// axis, the centre in both. The left and top pieces sit at x = 0 and y = 0 and the right and
// bottom pieces against r's right and bottom edges, so r is expected to start at the painter's
// origin. Corners are drawn opaque unless `transparent`; edges and centre always leave out magenta.
void SpitDraw(const QImage& bitmap, QPainter& canvas, const QRect& r, bool transparent);

// Three-slice drawing of a strip of three frames (left end, middle, right end): both ends keep
// their size and leave out the key colour (pixel (0, 0) when `keyFromCorner`, else magenta), the
// middle frame is stretched over the rest of `r` without a key.
void SpitDrawHorizontal(const QImage& bitmap, QPainter& canvas, const QRect& r, bool keyFromCorner);

// Tiles the picture from the painter's origin, one column and one row beyond r's size.
void TileDraw(QPainter& canvas, const QImage& picture, const QRect& r);

// Quarter turn counter-clockwise, in place.
void RoundPicture(QImage& bitmap);
// Mirrors a square bitmap top to bottom, in place. A bitmap that is not square turns into one
// of swapped size whose pixels without a source pixel are black.
void RoundPicture2(QImage& bitmap);
// Quarter turn clockwise, in place.
void RoundPicture3(QImage& bitmap);

// Paints what the control's parent shows beneath the control (its background and its own
// painting, not its children) into `canvas`, whose origin is taken as the control's top-left.
// Nothing happens for a control without a parent.
void DoTrans(QPainter& canvas, QWidget* control);

// A control that its children show through (a track bar under its slider) can paint its own look
// straight into a child's canvas; DoTrans then calls this instead of rendering the control
// through Qt, which costs several times the paint itself. The canvas's origin is the control's.
class SuiBackdrop {
public:
    virtual ~SuiBackdrop() = default;
    virtual void PaintBackdrop(QPainter& canvas) const = 0;
};

// Lets the control's parent show through wherever the control paints nothing.
void SetWinControlTransparent(QWidget* control);

// Frames the control's whole rectangle (a painter open on the control) with a 1-pixel border
// colour and, when `drawInner`, a second 1-pixel frame inside it in the inner colour.
void DrawControlBorder(QPainter& canvas, const QWidget* control, TColor borderColor,
    TColor innerColor, bool drawInner);

// The window shape of a bitmap: per row, each run of pixels not of the transparent colour. The
// last column of every row never belongs to it.
QRegion BitmapWindowRegion(const QImage& bitmap, QRgb transparent);
// Shapes the window by BitmapWindowRegion; a bitmap without any shown pixel hides every pixel.
void SetBitmapWindow(QWidget* window, const QImage& bitmap, TColor transparent);

// Inside test with all four edges included: left <= x <= right edge, top <= y <= bottom edge.
bool InRect(const QPoint& point, const QRect& r);
bool InRect(int x, int y, const QRect& r);

// Moves the control: first its left, then its top.
void PlaceControl(QWidget* control, const QPoint& point);
// Sets left, top, width and height, in this order.
void PlaceControl(QWidget* control, const QRect& r);

// The available area of the primary screen (the desktop minus panels and task bars).
QRect GetWorkAreaRect();

// The application's main form, which FormHasFocus measures forms against; none by default.
void SetMainForm(QWidget* form);
QWidget* MainForm();
// Whether the form counts as focused for drawing its frame.
bool FormHasFocus(QWidget* form);

// Whether the object's class publishes a property of that name (dynamic properties do not count).
bool IsHasProperty(const QObject* component, const char* name);

// Gives every direct child of the container that publishes both "FileTheme" and "UIStyle" the file
// theme and then the style, in child order. Grandchildren are left alone.
void ContainerApplyUIStyle(QWidget* container, TsuiUIStyle style, TsuiFileTheme* fileTheme);

// The NUL-terminated text (system code page) as a string; empty for a null pointer.
QString PCharToStr(const char* text);

// Start-up flags about the operating system; both false on every system this program targets.
bool IsWin95();
bool IsWinXP();
