#include "framework/ImageList.h"

#include "framework/BitmapOps.h"

#include <QPainter>
#include <algorithm>

ImageList::ImageList(int width, int height)
    : m_size(std::max(0, width), std::max(0, height))
{
}

int ImageList::add(const QImage& strip)
{
    return append(strip, false, 0);
}

int ImageList::addMasked(const QImage& strip, QRgb key)
{
    return append(strip, true, key);
}

int ImageList::append(const QImage& strip, bool masked, QRgb key)
{
    if (strip.isNull() || m_size.isEmpty())
        return -1;
    const QList<QImage> frames = BitmapOps::stripFrames(BitmapOps::readable(strip), m_size);
    if (frames.isEmpty())
        return -1;
    const int first = count();
    for (const QImage& frame : frames) {
        Entry entry;
        entry.plain = frame;
        entry.masked = masked;
        entry.key = key;
        entry.drawn = masked ? BitmapOps::keyedOut(entry.plain, key)
                             : entry.plain.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        m_images.push_back(std::move(entry));
    }
    return first;
}

QImage ImageList::image(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return m_images[size_t(index)].plain;
}

bool ImageList::isMasked(int index) const
{
    return index >= 0 && index < count() && m_images[size_t(index)].masked;
}

void ImageList::draw(QPainter& painter, const QPoint& at, int index, bool enabled) const
{
    if (index < 0 || index >= count())
        return;
    const Entry& entry = m_images[size_t(index)];
    if (enabled) {
        painter.drawImage(at, entry.drawn);
        return;
    }
    // The shape of a disabled image is what a monochrome copy keeps: every drawn pixel that is
    // not white.
    // In the image's own pixels, so a picture drawn for a high-density screen keeps its detail.
    const QSize pixels = entry.plain.size();
    QImage highlight(pixels, QImage::Format_ARGB32_Premultiplied);
    highlight.fill(Qt::transparent);
    highlight.setDevicePixelRatio(entry.plain.devicePixelRatio());
    QImage shadow = highlight;
    const QRgb light = clBtnHighlight.toRgb();
    const QRgb dark = clBtnShadow.toRgb();
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb* from = reinterpret_cast<const QRgb*>(entry.plain.constScanLine(y));
        QRgb* lightLine = reinterpret_cast<QRgb*>(highlight.scanLine(y));
        QRgb* darkLine = reinterpret_cast<QRgb*>(shadow.scanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb p = from[x];
            if (entry.masked && BitmapOps::isKey(p, entry.key))
                continue;
            if ((p & 0x00FFFFFFu) == 0x00FFFFFFu || qAlpha(p) == 0)
                continue;
            lightLine[x] = light;
            darkLine[x] = dark;
        }
    }
    painter.drawImage(at + QPoint(1, 1), highlight);
    painter.drawImage(at, shadow);
}
