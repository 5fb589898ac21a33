#include "framework/TImageList.h"

#include "framework/BitmapOps.h"

#include <QPixmap>

TImageList::TImageList(QObject* owner)
    : QObject(owner)
    , Component(this)
{
}

void TImageList::setWidth(int width)
{
    width = qMax(1, width);
    if (m_width == width)
        return;
    m_width = width;
    rebuild();
}

void TImageList::setHeight(int height)
{
    height = qMax(1, height);
    if (m_height == height)
        return;
    m_height = height;
    rebuild();
}

void TImageList::setMasked(bool masked)
{
    if (m_masked == masked)
        return;
    m_masked = masked;
    rebuild();
}

void TImageList::setBitmap(const QImage& strip)
{
    m_strip = strip;
    rebuild();
}

QIcon TImageList::icon(int index) const
{
    if (index < 0 || index >= m_images.size())
        return {};
    if (m_icons.size() != m_images.size())
        m_icons.resize(m_images.size());
    QIcon& icon = m_icons[index];
    if (icon.isNull())
        icon = QIcon(QPixmap::fromImage(m_images[index]));
    return icon;
}

void TImageList::Add(const QImage& strip)
{
    if (strip.isNull())
        return;
    QImage source = strip.convertToFormat(QImage::Format_ARGB32);
    if (m_masked && !strip.hasAlphaChannel()) {
        // The framework's masked lists key out the colour of the strip's bottom-left pixel.
        const QRgb key = source.pixel(0, source.height() - 1);
        for (int y = 0; y < source.height(); ++y) {
            auto* line = reinterpret_cast<QRgb*>(source.scanLine(y));
            for (int x = 0; x < source.width(); ++x) {
                if (line[x] == key)
                    line[x] = qRgba(0, 0, 0, 0);
            }
        }
    }
    m_images.append(BitmapOps::stripFrames(source, QSize(m_width, m_height)));
    m_icons.clear();
    Q_EMIT changed();
}

void TImageList::Clear()
{
    if (m_images.isEmpty())
        return;
    m_images.clear();
    m_icons.clear();
    Q_EMIT changed();
}

void TImageList::rebuild()
{
    m_images.clear();
    m_icons.clear();
    if (m_strip.isNull()) {
        Q_EMIT changed();
        return;
    }
    Add(m_strip);
}
