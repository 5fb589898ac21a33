// A control's look built off screen and copied to it in one draw: no state change flickers, and
// pixel-wise work (an inverted focus outline) runs on memory instead of through the paint engine.
#pragma once

#include "framework/BitmapOps.h"

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <optional>

class OffscreenPaint {
public:
    // Paints `look(QPainter&)` into the buffer, then the buffer onto `widget`. The buffer follows
    // the widget's size and pixel ratio; a new one starts as `background` when given.
    template <typename Look>
    void paint(QWidget* widget, Look&& look, std::optional<QColor> background = std::nullopt)
    {
        const QSize size = widget->size();
        if (size.isEmpty())
            return;
        const qreal ratio = widget->devicePixelRatioF();
        if (BitmapOps::bufferOutdated(m_buffer, size, ratio)) {
            m_buffer = BitmapOps::deviceBuffer(size, ratio, QImage::Format_ARGB32_Premultiplied);
            if (background)
                m_buffer.fill(*background);
        }
        {
            QPainter canvas(&m_buffer);
            look(canvas);
        }
        QPainter screen(widget);
        screen.setCompositionMode(QPainter::CompositionMode_Source);
        screen.drawImage(0, 0, m_buffer);
    }

private:
    QImage m_buffer;
};
