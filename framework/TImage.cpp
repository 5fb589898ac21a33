#include "framework/TImage.h"

#include <QPainter>

TImage::TImage(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    resize(105, 105);
}

void TImage::setAutoSize(bool autoSize)
{
    if (m_autoSize == autoSize)
        return;
    m_autoSize = autoSize;
    fitToPicture();
}

void TImage::setCenter(bool center)
{
    if (m_center == center)
        return;
    m_center = center;
    update();
}

void TImage::setPicture(const QImage& picture)
{
    m_picture = picture;
    fitToPicture();
    update();
}

void TImage::setStretch(bool stretch)
{
    if (m_stretch == stretch)
        return;
    m_stretch = stretch;
    update();
}

void TImage::setTransparent(bool transparent)
{
    if (m_transparent == transparent)
        return;
    m_transparent = transparent;
    update();
}

void TImage::fitToPicture()
{
    if (m_autoSize && !m_picture.isNull())
        setBounds(QRect(x(), y(), m_picture.width(), m_picture.height()));
}

QRect TImage::pictureRect(const QRect& rect) const
{
    if (m_picture.isNull())
        return {};
    if (m_stretch)
        return rect;
    QRect r(rect.topLeft(), m_picture.size());
    if (m_center)
        r.moveCenter(rect.center());
    return r;
}

void TImage::paintImage(QPainter& painter, const QRect& rect) const
{
    if (m_picture.isNull())
        return;
    // Stretching repeats or drops whole pixels, as the framework's stretch does.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(pictureRect(rect), m_picture);
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintImage(painter, rect());
}
