#include "skin/controls/SUIToolBarSpeedButton.h"

#include "framework/BitmapOps.h"
#include "framework/FrameRect.h"
#include "framework/PainterStateGuard.h"

#include <QPainter>

TsuiToolBarSpeedButton::TsuiToolBarSpeedButton(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setColor(palette().color(QPalette::Button));
    setAutoFillBackground(false);
    setBounds(QRect(x(), y(), 18, 18));
}

void TsuiToolBarSpeedButton::PaintButton(QPainter& painter, const QRect& rect) const
{
    PainterStateGuard guard(painter);
    painter.translate(rect.topLeft());
    const QRect client(QPoint(0, 0), rect.size());
    painter.fillRect(client, Color());
    if (m_glyph.isNull())
        return;
    if (m_hover)
        FrameRect(painter, client, Qt::black);
    // The glyph's key colour is its bottom-left pixel, as for any automatically transparent bitmap.
    BitmapOps::drawKeyed(painter, QPoint(1, 1), m_glyph, m_glyph.pixel(0, m_glyph.height() - 1));
}

void TsuiToolBarSpeedButton::paintEvent(QPaintEvent*)
{
    QImage buffer
        = BitmapOps::deviceBuffer(size(), devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
    {
        QPainter canvas(&buffer);
        PaintButton(canvas, rect());
    }
    QPainter screen(this);
    screen.drawImage(0, 0, buffer);
}

void TsuiToolBarSpeedButton::enterEvent(QEnterEvent* event)
{
    TControlBase<QWidget>::enterEvent(event);
    m_hover = true;
    update();
}

void TsuiToolBarSpeedButton::leaveEvent(QEvent* event)
{
    TControlBase<QWidget>::leaveEvent(event);
    m_hover = false;
    update();
}
