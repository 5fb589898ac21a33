#include "framework/BitmapOps.h"

#include <algorithm>
#include <cstring>

#include <QPainter>
#include <vector>

namespace BitmapOps {

namespace {

// Source pixel s (non-premultiplied ARGB) over destination pixel d, both premultiplied out.
inline QRgb blendOverPremultiplied(QRgb s, QRgb d)
{
    const QRgb ps = qPremultiply(s);
    const uint inverse = 255 - qAlpha(s);
    auto channel = [&](int shift) {
        const uint sc = (ps >> shift) & 0xFF;
        const uint dc = (d >> shift) & 0xFF;
        return (sc + (dc * inverse + 127) / 255) << shift;
    };
    return channel(24) | channel(16) | channel(8) | channel(0);
}

inline void storePixel(QRgb* line, int x, QRgb s, QImage::Format format)
{
    const int alpha = qAlpha(s);
    if (alpha == 255) {
        line[x] = s;
        return;
    }
    if (alpha == 0)
        return;
    switch (format) {
    case QImage::Format_RGB32:
        line[x] = blendOverPremultiplied(s, line[x]) | 0xFF000000u;
        break;
    case QImage::Format_ARGB32:
        line[x] = qUnpremultiply(blendOverPremultiplied(s, qPremultiply(line[x])));
        break;
    default:
        line[x] = blendOverPremultiplied(s, line[x]);
        break;
    }
}

bool isDirectDestination(QImage::Format format)
{
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32
        || format == QImage::Format_ARGB32_Premultiplied;
}

// The loop behind every stretch: destination must be RGB32, ARGB32 or ARGB32_Premultiplied and
// the source RGB32 or ARGB32.
void stretchInto(QImage& destination, const QRect& target, const QImage& source,
    const QRect& sourceRect, std::optional<QRgb> key)
{
    const int dstW = target.width();
    const int dstH = target.height();
    const int srcW = sourceRect.width();
    const int srcH = sourceRect.height();
    if (dstW <= 0 || dstH <= 0 || srcW <= 0 || srcH <= 0)
        return;
    const QRect visible = target & destination.rect();
    if (visible.isEmpty())
        return;

    // Column map computed once per call; -1 marks a sample outside the source image.
    thread_local std::vector<int> columns;
    columns.resize(size_t(visible.width()));
    for (int x = visible.left(); x <= visible.right(); ++x) {
        const int sx = sourceRect.left() + stretchSource(x - target.left(), srcW, dstW);
        columns[size_t(x - visible.left())] = (sx >= 0 && sx < source.width()) ? sx : -1;
    }

    const QImage::Format format = destination.format();
    const bool opaqueSource = source.format() == QImage::Format_RGB32;
    const bool premultipliedOut = format == QImage::Format_ARGB32_Premultiplied;
    const QRgb keyRgb = key.value_or(0) & 0x00FFFFFFu;
    const bool keyed = key.has_value();
    const int left = visible.left();
    const int count = visible.width();
    // Opaque, unkeyed and inside the source everywhere: a row is a plain gather, and a row that
    // shows the same source row as the one above is a copy of it.
    const bool plain = opaqueSource && !keyed
        && std::all_of(columns.begin(), columns.end(), [](int sx) { return sx >= 0; });
    int previousSy = -1;
    const QRgb* previousRow = nullptr;

    for (int y = visible.top(); y <= visible.bottom(); ++y) {
        const int sy = sourceRect.top() + stretchSource(y - target.top(), srcH, dstH);
        if (sy < 0 || sy >= source.height())
            continue;
        const QRgb* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy));
        QRgb* to = reinterpret_cast<QRgb*>(destination.scanLine(y)) + left;
        if (plain) {
            if (sy == previousSy && previousRow) {
                std::memcpy(to, previousRow, size_t(count) * sizeof(QRgb));
            } else {
                const int* map = columns.data();
                for (int i = 0; i < count; ++i)
                    to[i] = from[map[i]] | 0xFF000000u;
            }
            previousSy = sy;
            previousRow = to;
            continue;
        }
        if (opaqueSource) {
            // The common case for skin bitmaps: every sample is opaque, only the key can skip.
            for (int i = 0; i < count; ++i) {
                const int sx = columns[size_t(i)];
                if (sx < 0)
                    continue;
                const QRgb s = from[sx];
                if (keyed && (s & 0x00FFFFFFu) == keyRgb)
                    continue;
                // RGB32 ignores the top byte, and not every producer sets it.
                to[i] = s | 0xFF000000u;
            }
            continue;
        }
        for (int i = 0; i < count; ++i) {
            const int sx = columns[size_t(i)];
            if (sx < 0)
                continue;
            const QRgb s = from[sx];
            if (keyed && (s & 0x00FFFFFFu) == keyRgb)
                continue;
            if (premultipliedOut && qAlpha(s) == 255) {
                to[i] = s;
                continue;
            }
            storePixel(to, i, s, format);
        }
    }
}

} // namespace

TColor pixel(const QImage& image, int x, int y)
{
    if (!image.valid(x, y))
        return clBlack;
    return TColor::fromQRgb(image.pixel(x, y));
}

void setPixel(QImage& image, int x, int y, TColor color)
{
    if (!image.valid(x, y))
        return;
    image.setPixel(x, y, color.toRgb());
}

QImage readable(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
        return image;
    default:
        return image.convertToFormat(
            image.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    }
}

int pictureScale(const QImage& image)
{
    return std::max(1, qRound(image.devicePixelRatio()));
}

QSize logicalSize(const QImage& image)
{
    const int scale = pictureScale(image);
    return QSize(image.width() / scale, image.height() / scale);
}

QImage deviceBuffer(const QSize& size, qreal ratio, QImage::Format format)
{
    QImage buffer(size * ratio, format);
    buffer.setDevicePixelRatio(ratio);
    return buffer;
}

bool bufferOutdated(const QImage& buffer, const QSize& size, qreal ratio)
{
    return buffer.isNull() || buffer.devicePixelRatio() != ratio || buffer.size() != size * ratio;
}

QImage stripFrame(const QImage& strip, const QSize& frameSize, int index)
{
    if (strip.isNull() || frameSize.isEmpty())
        return {};
    const int s = pictureScale(strip);
    return strip.copy(
        index * frameSize.width() * s, 0, frameSize.width() * s, frameSize.height() * s);
}

QList<QImage> stripFrames(const QImage& strip, const QSize& frameSize)
{
    QList<QImage> frames;
    if (strip.isNull() || frameSize.isEmpty())
        return frames;
    const int count = logicalSize(strip).width() / frameSize.width();
    frames.reserve(count);
    for (int i = 0; i < count; ++i)
        frames.append(stripFrame(strip, frameSize, i));
    return frames;
}

void stretchBlt(QImage& destination, const QRect& target, const QImage& source,
    const QRect& sourceRect, std::optional<QRgb> key)
{
    if (destination.isNull() || source.isNull())
        return;
    const QImage from = readable(source);
    if (isDirectDestination(destination.format())) {
        stretchInto(destination, target, from, sourceRect, key);
        return;
    }
    const QImage::Format original = destination.format();
    QImage work = destination.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    stretchInto(work, target, from, sourceRect, key);
    destination = work.convertToFormat(original);
}

QImage stretched(
    const QImage& source, const QRect& sourceRect, const QSize& size, std::optional<QRgb> key)
{
    if (size.isEmpty())
        return {};
    const int s = pictureScale(source);
    QImage result(size * s, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    stretchBlt(result, result.rect(), source, sourceRect, key);
    result.setDevicePixelRatio(s);
    return result;
}

QImage keyedOut(const QImage& image, QRgb key)
{
    return stretched(image, image.rect(), logicalSize(image), key);
}

void drawKeyed(QPainter& painter, const QPoint& at, const QImage& image, QRgb key)
{
    if (image.isNull())
        return;
    painter.drawImage(at, keyedOut(image, key));
}

void drawStretched(QPainter& painter, const QRect& target, const QImage& source,
    const QRect& sourceRect, std::optional<QRgb> transparent)
{
    if (target.width() <= 0 || target.height() <= 0 || source.isNull())
        return;
    const QImage from = readable(source);
    if (!transparent && from.format() == QImage::Format_RGB32 && from.rect().contains(sourceRect)) {
        // Every sample opaque and present: an opaque picture is a plain copy, not a blend.
        const int s = pictureScale(from);
        QImage opaque(target.size() * s, QImage::Format_RGB32);
        stretchBlt(opaque, opaque.rect(), from, sourceRect);
        opaque.setDevicePixelRatio(s);
        painter.drawImage(target.topLeft(), opaque);
        return;
    }
    painter.drawImage(target.topLeft(), stretched(from, sourceRect, target.size(), transparent));
}

} // namespace BitmapOps
