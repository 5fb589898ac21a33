#include "framework/TPanel.h"

#include <QPainter>

using namespace ControlTypes;

namespace {

// One bevel ring of `width` pixels: top and left in one colour, bottom and right in the other.
void drawBevel(QPainter& painter, QRect& rect, TBevelCut cut, int width, const QPalette& palette)
{
    if (cut == TBevelCut::bvNone)
        return;
    QColor topLeft = palette.color(QPalette::Light);
    QColor bottomRight = palette.color(QPalette::Dark);
    if (cut == TBevelCut::bvLowered)
        std::swap(topLeft, bottomRight);
    for (int i = 0; i < width && rect.width() > 0 && rect.height() > 0; ++i) {
        if (cut != TBevelCut::bvSpace) {
            const int l = rect.x(), t = rect.y();
            const int r = rect.x() + rect.width() - 1, b = rect.y() + rect.height() - 1;
            painter.fillRect(QRect(l, t, rect.width(), 1), topLeft);
            painter.fillRect(QRect(l, t, 1, rect.height()), topLeft);
            painter.fillRect(QRect(l, b, rect.width(), 1), bottomRight);
            painter.fillRect(QRect(r, t, 1, rect.height()), bottomRight);
        }
        rect.adjust(1, 1, -1, -1);
    }
}

} // namespace

TPanel::TPanel(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    resize(185, 41);
    setAutoFillBackground(true);
    new AlignLayout(this);
    updateFrame();
}

void TPanel::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    update();
}

void TPanel::setAlignment(TAlignment alignment)
{
    if (m_alignment == alignment)
        return;
    m_alignment = alignment;
    update();
}

void TPanel::setBevelInner(TBevelCut cut)
{
    if (m_bevelInner == cut)
        return;
    m_bevelInner = cut;
    updateFrame();
}

void TPanel::setBevelOuter(TBevelCut cut)
{
    if (m_bevelOuter == cut)
        return;
    m_bevelOuter = cut;
    updateFrame();
}

void TPanel::setBevelWidth(int width)
{
    width = qMax(1, width);
    if (m_bevelWidth == width)
        return;
    m_bevelWidth = width;
    updateFrame();
}

void TPanel::setBorderWidth(int width)
{
    width = qMax(0, width);
    if (m_borderWidth == width)
        return;
    m_borderWidth = width;
    updateFrame();
}

int TPanel::frameWidth() const
{
    return (m_bevelOuter != TBevelCut::bvNone ? m_bevelWidth : 0) + m_borderWidth
        + (m_bevelInner != TBevelCut::bvNone ? m_bevelWidth : 0);
}

void TPanel::updateFrame()
{
    const int w = frameWidth();
    // Docked children fill the contents rectangle, so the bevels stay visible around them.
    setContentsMargins(w, w, w, w);
    update();
}

void TPanel::paintPanel(QPainter& painter, const QRect& rect) const
{
    painter.fillRect(rect, Color());
    QRect r = rect;
    drawBevel(painter, r, m_bevelOuter, m_bevelWidth, palette());
    r.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    drawBevel(painter, r, m_bevelInner, m_bevelWidth, palette());
    if (m_caption.isEmpty())
        return;
    int flags = Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
    switch (m_alignment) {
    case TAlignment::taLeftJustify:
        flags |= Qt::AlignLeft;
        break;
    case TAlignment::taRightJustify:
        flags |= Qt::AlignRight;
        break;
    case TAlignment::taCenter:
        flags |= Qt::AlignHCenter;
        break;
    }
    painter.setPen(palette().color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(r, flags, m_caption);
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    paintPanel(painter, rect());
}
