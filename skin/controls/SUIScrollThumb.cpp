#include "skin/controls/SUIScrollThumb.h"

#include "framework/BitmapOps.h"

#include <QPainter>

QImage BuildScrollThumb(
    const QImage& start, const QImage& middle, const QImage& end, const QSize& size, bool vertical)
{
    if (size.isEmpty())
        return {};
    // Laid out in logical pixels, at the pieces' own scale.
    QImage thumb
        = BitmapOps::deviceBuffer(size, BitmapOps::pictureScale(start), QImage::Format_RGB32);
    thumb.fill(Qt::black);
    QPainter painter(&thumb);
    painter.drawImage(QPoint(0, 0), start);
    const QSize first = BitmapOps::logicalSize(start);
    const QSize last = BitmapOps::logicalSize(end);
    QRect between;
    if (vertical) {
        between = QRect(
            QPoint(0, first.height()), QPoint(size.width() - 1, size.height() - last.height() - 1));
        painter.drawImage(QPoint(0, between.bottom() + 1), end);
    } else {
        between = QRect(
            QPoint(first.width(), 0), QPoint(size.width() - last.width() - 1, size.height() - 1));
        painter.drawImage(QPoint(between.right() + 1, 0), end);
    }
    if (!middle.isNull())
        BitmapOps::drawStretched(painter, between, middle, middle.rect());
    return thumb;
}
