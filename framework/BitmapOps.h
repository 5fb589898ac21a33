// Bitmap operations of the drawing layer: pixel access, the one nearest-neighbour stretch rule,
// and drawing with a key colour masked out.
#pragma once

#include "framework/TColor.h"

#include <QImage>
#include <QList>
#include <QRect>
#include <QtGui/qrgb.h>
#include <cstdint>
#include <optional>

class QPainter;

namespace BitmapOps {

// Magenta, the key colour of skin bitmaps.
inline constexpr QRgb MagentaKey = 0xFFFF00FFu;

// The stretch rule used by every scaled copy in the program, the truncating nearest-neighbour rule
// of a colour-on-colour StretchBlt: destination offset d (0 <= d < dstLength) shows source offset
//     s = d * srcLength / dstLength        (integer division, rounding down)
// from the source rectangle's start. Growing repeats source pixels, shrinking drops the last ones
// of each run; a 1:1 copy maps every pixel onto itself.
constexpr int stretchSource(int d, int srcLength, int dstLength)
{
    return int(int64_t(d) * srcLength / dstLength);
}

// The pixel as a stored colour (alpha dropped); black outside the image.
TColor pixel(const QImage& image, int x, int y);
// Sets an opaque pixel; ignored outside the image.
void setPixel(QImage& image, int x, int y, TColor color);

// True when the pixel's RGB equals the key's (alpha ignored, as the key colour is a plain colour).
constexpr bool isKey(QRgb pixel, QRgb key)
{
    return ((pixel ^ key) & 0x00FFFFFFu) == 0;
}

// The image in a format the pixel loops read directly (RGB32, or ARGB32 when it has alpha). A
// shallow copy when it already is one, so skin bitmaps kept in RGB32 never get converted per call.
QImage readable(const QImage& image);

// Pictures for high-density screens carry a device pixel ratio (2 for the @2x skin pictures):
// their layout (frame sizes, positions, target rectangles) is in logical pixels, as at 1x, while
// a source rectangle names the picture's own pixels, as QPainter::drawImage takes it.
//
// The picture's device pixel ratio as a whole scale (1 for an ordinary picture, 2 for @2x).
int pictureScale(const QImage& image);
// The picture's size in logical pixels: its pixel size divided by its scale.
QSize logicalSize(const QImage& image);
// An off-screen buffer of `size` logical pixels for a device of `ratio`, the ratio set on it.
QImage deviceBuffer(const QSize& size, qreal ratio, QImage::Format format);
// True when `buffer` is not a buffer of `size` logical pixels at `ratio`.
bool bufferOutdated(const QImage& buffer, const QSize& size, qreal ratio);

// The one cutter of picture strips (image lists, skin frame strips): frame `index` (0-based) of a
// strip of `frameSize` (logical) frames side by side, the leftmost first. Pixels are copied as
// they are and the frame keeps the strip's scale; what lies outside the strip is zero (black, or
// transparent in a strip with alpha), so a bad index gives a black frame.
QImage stripFrame(const QImage& strip, const QSize& frameSize, int index);
// Every whole frame of the strip: logical strip width div frame width of them. Columns left over
// on the right belong to no frame, so a strip narrower than one frame gives none.
QList<QImage> stripFrames(const QImage& strip, const QSize& frameSize);

// Copies the source rectangle onto the target rectangle of `destination` by the stretch rule,
// clipped to the destination. Samples of `key` (when given) and samples that fall outside the
// source image are skipped and leave the destination pixel as it was; translucent source pixels
// are blended over it. An empty or inverted rectangle copies nothing. `destination` keeps its
// format.
void stretchBlt(QImage& destination, const QRect& target, const QImage& source,
    const QRect& sourceRect, std::optional<QRgb> key = std::nullopt);

// The source rectangle stretched to `size` (logical) as a new ARGB32_Premultiplied image at the
// source's scale, transparent where a sample was skipped.
QImage stretched(const QImage& source, const QRect& sourceRect, const QSize& size,
    std::optional<QRgb> key = std::nullopt);

// A copy of the image with the key colour made fully transparent (ARGB32_Premultiplied).
QImage keyedOut(const QImage& image, QRgb key);

// Draws the image at `at` with its key-colour pixels left out (a masked draw).
void drawKeyed(QPainter& painter, const QPoint& at, const QImage& image, QRgb key);

// Draws the source rectangle stretched onto `target` (logical) by the stretch rule, at the
// source's scale; with `transparent` given, pixels of that colour are left out.
void drawStretched(QPainter& painter, const QRect& target, const QImage& source,
    const QRect& sourceRect, std::optional<QRgb> transparent = std::nullopt);

} // namespace BitmapOps
