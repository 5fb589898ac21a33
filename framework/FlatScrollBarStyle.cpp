#include "framework/FlatScrollBarStyle.h"

#include "framework/PainterStateGuard.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QPolygon>
#include <QScrollBar>
#include <QStyleOptionSlider>

namespace {

const QColor kTrack(0xf0, 0xf0, 0xf0);
const QColor kThumb(0xc4, 0xc4, 0xc4);
const QColor kThumbHot(0xa8, 0xa8, 0xa8);
const QColor kThumbPressed(0x90, 0x90, 0x90);
const QColor kArrow(0x70, 0x70, 0x70);
const QColor kArrowDisabled(0xc0, 0xc0, 0xc0);

// A small solid triangle in the middle of an arrow button, pointing along the bar's direction.
void drawArrow(QPainter& painter, const QRect& button, Qt::Orientation orientation, bool forward,
    const QColor& colour)
{
    if (button.isEmpty())
        return;
    const QPoint c = button.center();
    const int h = qMax(2, qMin(button.width(), button.height()) / 4);
    QPolygon triangle;
    if (orientation == Qt::Vertical) {
        const int tip = forward ? c.y() + h / 2 + 1 : c.y() - h / 2;
        const int base = forward ? tip - h : tip + h;
        triangle << QPoint(c.x(), tip) << QPoint(c.x() - h, base) << QPoint(c.x() + h, base);
    } else {
        const int tip = forward ? c.x() + h / 2 + 1 : c.x() - h / 2;
        const int base = forward ? tip - h : tip + h;
        triangle << QPoint(tip, c.y()) << QPoint(base, c.y() - h) << QPoint(base, c.y() + h);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(triangle);
}

} // namespace

FlatScrollBarStyle* FlatScrollBarStyle::shared()
{
    static QPointer<FlatScrollBarStyle> style;
    if (!style) {
        style = new FlatScrollBarStyle;
        style->setParent(QCoreApplication::instance());
    }
    return style;
}

void FlatScrollBarStyle::applyTo(QAbstractScrollArea* view)
{
    view->verticalScrollBar()->setStyle(shared());
    view->horizontalScrollBar()->setStyle(shared());
}

void FlatScrollBarStyle::drawComplexControl(ComplexControl control,
    const QStyleOptionComplex* option, QPainter* painter, const QWidget* widget) const
{
    const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option);
    if (control != CC_ScrollBar || !bar || !painter) {
        QProxyStyle::drawComplexControl(control, option, painter, widget);
        return;
    }
    PainterStateGuard guard(*painter);
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->fillRect(bar->rect, kTrack);

    const bool enabled = bar->state & State_Enabled;
    const QRect thumb = subControlRect(CC_ScrollBar, bar, SC_ScrollBarSlider, widget);
    if (enabled && !thumb.isEmpty() && bar->maximum > bar->minimum) {
        // The thumb stands three pixels clear of the bar's long edges.
        const QRect inner = bar->orientation == Qt::Vertical ? thumb.adjusted(3, 0, -3, 0)
                                                             : thumb.adjusted(0, 3, 0, -3);
        const bool onThumb = bar->activeSubControls & SC_ScrollBarSlider;
        const QColor colour = onThumb && (bar->state & State_Sunken) ? kThumbPressed
            : onThumb && (bar->state & State_MouseOver)              ? kThumbHot
                                                                     : kThumb;
        painter->fillRect(inner, colour);
    }

    const QColor arrow = enabled ? kArrow : kArrowDisabled;
    drawArrow(*painter, subControlRect(CC_ScrollBar, bar, SC_ScrollBarSubLine, widget),
        bar->orientation, false, arrow);
    drawArrow(*painter, subControlRect(CC_ScrollBar, bar, SC_ScrollBarAddLine, widget),
        bar->orientation, true, arrow);
}
