#include "skin/windows/FormRegion.h"

#include <algorithm>

namespace {

// How many pixels of row y are cut at each end of the top corners (0 below the corner square).
int cornerCut(int y, int r)
{
    if (y >= r)
        return 0;
    const int d = r - 1;
    // Only the upper half of the corner circle cuts; below its centre the window is whole.
    if (2 * y >= d)
        return 0;
    const int dy = 2 * y - d;
    for (int x = 0; x < r; ++x) {
        const int dx = 2 * x - d;
        if (dx * dx + dy * dy <= d * d)
            return x;
    }
    return r;
}

} // namespace

QRegion FormWindowRegion(QSize size, int roundCorner)
{
    const int w = size.width();
    const int h = size.height();
    if (w <= 0 || h <= 0)
        return QRegion();
    const int r = std::min({ roundCorner, w, h });
    if (r < 2)
        return QRegion(0, 0, w, h);
    // The bottom squares reach up to H - 2R; rows above them keep only the round rectangle.
    const int squareTop = std::max(0, h - 2 * r);
    const int squareWidth = std::min(2 * r, w);
    QRegion region;
    for (int y = 0; y < std::min((r + 1) / 2, h); ++y) {
        const int cut = cornerCut(y, r);
        region += QRect(cut, y, w - 2 * cut, 1);
        if (y >= squareTop) {
            region += QRect(0, y, squareWidth, 1);
            region += QRect(w - squareWidth, y, squareWidth, 1);
        }
    }
    const int whole = std::min((r + 1) / 2, h);
    if (whole < h)
        region += QRect(0, whole, w, h - whole);
    return region;
}

QList<QPoint> FormCornerArcPixels(int width, int roundCorner)
{
    QList<QPoint> points;
    const int r = roundCorner;
    if (r < 2 || width <= 0)
        return points;
    // In doubled coordinates: centre 2R - 3 (box -1 .. 2R - 2), radius 2R - 1, half-pixel band.
    const long long c = 2LL * r - 3;
    const long long rad = 2LL * r - 1;
    const long long inner = (rad - 1) * (rad - 1);
    const long long outer = (rad + 1) * (rad + 1);
    for (int y = 0; 2LL * y <= c; ++y) {
        for (int x = 0; 2LL * x <= c; ++x) {
            const long long dx = 2LL * x - c;
            const long long dy = 2LL * y - c;
            const long long d = dx * dx + dy * dy;
            if (d < inner || d >= outer)
                continue;
            points.append(QPoint(x, y));
            const int mirrored = width - 1 - x;
            if (mirrored != x && mirrored >= 0)
                points.append(QPoint(mirrored, y));
        }
    }
    return points;
}
