#include "skin/controls/SUIScrollThumb.h"

#include "framework/BitmapOps.h"

#include <QPainter>

QImage BuildScrollThumb(
    const QImage& start, const QImage& middle, const QImage& end, const QSize& size, bool vertical)
{
    if (size.isEmpty())
        return {};
    QImage thumb(size, QImage::Format_RGB32);
    thumb.fill(Qt::black);
    QPainter painter(&thumb);
    painter.drawImage(QPoint(0, 0), start);
    QRect between;
    if (vertical) {
        between = QRect(
            QPoint(0, start.height()), QPoint(size.width() - 1, size.height() - end.height() - 1));
        painter.drawImage(QPoint(0, between.bottom() + 1), end);
    } else {
        between = QRect(
            QPoint(start.width(), 0), QPoint(size.width() - end.width() - 1, size.height() - 1));
        painter.drawImage(QPoint(between.right() + 1, 0), end);
    }
    if (!middle.isNull())
        BitmapOps::drawStretched(painter, between, middle, middle.rect());
    return thumb;
}
