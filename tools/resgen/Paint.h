// Drawing helpers and the five looks shared by the picture families.
#pragma once

#include "skin/styles/Suiresdef.h"

#include <QColor>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <initializer_list>
#include <utility>
#include <vector>

namespace resgen {

namespace SuiItem = SuiThemes::SuiItem;

// Where a skin picture draws with a key, this exact colour is the transparent one.
inline const QColor kKey(255, 0, 255);

enum class Style { MacOS, WinXP, DeepBlue, Protein, BlueGlass };
inline constexpr Style kStyles[]
    = { Style::MacOS, Style::WinXP, Style::DeepBlue, Style::Protein, Style::BlueGlass };

// Built-in theme item values of a style (items by SuiThemes::SuiItem), from the skin's one
// item table, so a picture agrees with the colours and offsets the controls draw with.
QColor itemColor(Style style, int item);
int itemInt(Style style, int item);
bool itemFlag(Style style, int item);
// The resource name an image item of `style` is drawn under ("DEEPBLUE_TITLE_LEFT").
QString itemImage(Style style, int item);

// The colours one style is drawn from; each style keeps one palette so its pictures agree.
struct Look {
    QString family; // contact sheet heading, "MacOS"
    QColor formBg; // FormBackgroundColor of the item table
    QColor border; // outer lines of controls
    QColor faceTop, faceBottom; // control faces
    QColor accent, accentLight, accentDark;
    QColor track; // grooves and empty wells
    QColor glyph; // arrows, ticks
};
const Look& look(Style style);

// Pictures are drawn at a scale: 1 for the skin's own pixel rules, 2 for the @2x twins that
// high-density screens show. Every size and coordinate the helpers take is logical (1x) and
// blank() gives an image whose device pixel ratio is the scale, so QPainter drawing needs no
// change; code that touches pixels itself goes through the logical helpers below.
int drawScale();
// Sets the scale for its lifetime; nests.
class ScaleScope {
public:
    explicit ScaleScope(int scale);
    ~ScaleScope();
    ScaleScope(const ScaleScope&) = delete;
    ScaleScope& operator=(const ScaleScope&) = delete;

private:
    int m_previous;
};

// width x height logical pixels at the current scale, filled.
QImage blank(int width, int height, const QColor& fill);
// The size in logical pixels (the picture's 1x size).
QSize logicalSize(const QImage& image);
// One logical pixel: a scale x scale block of device pixels.
void setLogicalPixel(QImage& image, int x, int y, const QColor& color);
// The logical rectangle's device pixels as an image of the same scale.
QImage copyLogical(const QImage& image, const QRect& rect);
// Frames of one height, side by side, left to right.
QImage hstrip(const std::vector<QImage>& frames);
// Every pixel of `rect` whose centre lies outside `inside` becomes the key colour (device
// pixels, so a curve keys out as finely as the scale allows). Shapes are
// drawn anti-aliased over a background that suits them first, so no pink fringe remains.
void keyOutside(QImage& image, const QPainterPath& inside, const QRect& rect);
void keyOutside(QImage& image, const QPainterPath& inside);

QColor mix(const QColor& a, const QColor& b, qreal t);
QLinearGradient vertical(const QRectF& r, std::initializer_list<std::pair<qreal, QColor>> stops);
QLinearGradient horizontal(const QRectF& r, std::initializer_list<std::pair<qreal, QColor>> stops);
QPainterPath roundedRect(const QRectF& r, qreal radius);

enum class Arrow { Up, Down, Left, Right };
// A solid triangle centred in `r`, `size` pixels from base to tip.
void drawArrow(QPainter& p, const QRectF& r, Arrow direction, qreal size, const QColor& color);
// A pixel-exact triangle, `base` pixels across (odd) and (base + 1) / 2 deep, centred in
// `cell` (rounded up and left): crisp at 1x where an anti-aliased one of that size blurs.
void drawPixelArrow(QPainter& p, const QRect& cell, Arrow direction, int base, const QColor& color);
// A tick mark filling roughly `r`.
void drawTick(QPainter& p, const QRectF& r, const QColor& color, qreal width);
void drawCross(QPainter& p, const QRectF& r, const QColor& color, qreal width);

// While it lives, strokes of an aliased pen cover the pixels they cover at scale 1. An aliased
// line on integer x covers pixel x at 1x, but at a higher scale Qt centres the wider stroke on
// the line, half a logical pixel up and left of where it belongs.
class AlignedStrokes {
public:
    explicit AlignedStrokes(QPainter& painter)
        : m_painter(painter)
    {
        m_painter.save();
        if (drawScale() > 1)
            m_painter.translate(0.5, 0.5);
    }
    ~AlignedStrokes() { m_painter.restore(); }
    AlignedStrokes(const AlignedStrokes&) = delete;
    AlignedStrokes& operator=(const AlignedStrokes&) = delete;

private:
    QPainter& m_painter;
};

// A painter with anti-aliasing on, the usual start of every drawing.
struct Canvas : QPainter {
    explicit Canvas(QImage* image)
        : QPainter(image)
    {
        setRenderHint(QPainter::Antialiasing);
        setRenderHint(QPainter::TextAntialiasing);
    }
};

} // namespace resgen

namespace resgen {
// Pixels of `rect` whose centre lies outside `inside` take exactly `color` (opaque corners).
void fillOutside(QImage& image, const QPainterPath& inside, const QRect& rect, const QColor& color);
// A skin bitmap of group "skin" filed under its style's heading.
struct Picture;
Picture skinPicture(const QString& name, const QString& family, QImage (*draw)());
// The picture of an image item of `style`, named as the item table names it.
Picture itemPicture(Style style, int item, QImage (*draw)());
} // namespace resgen
