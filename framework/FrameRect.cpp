#include "framework/FrameRect.h"

#include <QPainter>

void FrameRect(QPainter& painter, const QRect& rect, const QColor& color)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), color);
    if (rect.height() > 1)
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), color);
    if (rect.height() > 2) {
        painter.fillRect(QRect(rect.left(), rect.top() + 1, 1, rect.height() - 2), color);
        if (rect.width() > 1)
            painter.fillRect(QRect(rect.right(), rect.top() + 1, 1, rect.height() - 2), color);
    }
}
