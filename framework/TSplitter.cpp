#include "framework/TSplitter.h"

#include <QPainter>

using namespace ControlTypes;

TSplitter::TSplitter(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    setClicksOnMouse(false);
    resize(3, 100);
    setCursorKind(TCursor::crHSplit);
    setAlign(TAlign::alLeft);
}

bool TSplitter::horizontal() const
{
    return Align() == TAlign::alLeft || Align() == TAlign::alRight;
}

QWidget* TSplitter::resizedControl() const
{
    QWidget* container = parentWidget();
    if (!container)
        return nullptr;
    const TAlign side = Align();
    const QRect me = geometry();
    for (QObject* child : container->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (!w || w == this || w->isWindow() || w->isHidden() || AlignLayout::alignOf(w) != side)
            continue;
        const QRect g = w->geometry();
        bool touches = false;
        switch (side) {
        case TAlign::alLeft:
            touches = g.x() + g.width() == me.x();
            break;
        case TAlign::alRight:
            touches = g.x() == me.x() + me.width();
            break;
        case TAlign::alTop:
            touches = g.y() + g.height() == me.y();
            break;
        case TAlign::alBottom:
            touches = g.y() == me.y() + me.height();
            break;
        default:
            break;
        }
        if (touches)
            return w;
    }
    return nullptr;
}

void TSplitter::moveBy(int delta)
{
    QWidget* control = resizedControl();
    if (!control || delta == 0)
        return;
    const TAlign side = Align();
    // Growing towards the splitter's far side for left/top, the other way for right/bottom.
    const int grow = (side == TAlign::alLeft || side == TAlign::alTop) ? delta : -delta;
    const int current = horizontal() ? control->width() : control->height();
    // What the container can still give: the space of a control filling the rest, if any.
    int spare = 0;
    bool hasClient = false;
    for (QObject* child : parentWidget()->children()) {
        auto* w = qobject_cast<QWidget*>(child);
        if (w && !w->isWindow() && !w->isHidden() && AlignLayout::alignOf(w) == TAlign::alClient) {
            spare = horizontal() ? w->width() : w->height();
            hasClient = true;
            break;
        }
    }
    int wanted = current + grow;
    if (hasClient)
        wanted = qMin(wanted, current + spare - m_minSize);
    wanted = qMax(wanted, m_minSize);
    if (wanted == current)
        return;
    QRect g = control->geometry();
    if (horizontal())
        g.setWidth(wanted);
    else
        g.setHeight(wanted);
    if (side == TAlign::alRight)
        g.moveLeft(control->x() + control->width() - wanted);
    if (side == TAlign::alBottom)
        g.moveTop(control->y() + control->height() - wanted);
    if (AlignLayout* layout = AlignLayout::of(parentWidget())) {
        layout->place(control, g);
        layout->dock();
    }
    OnMoved(this);
}

void TSplitter::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_dragging = true;
    m_pressPos = event->position().toPoint();
}

void TSplitter::mouseMoveEvent(QMouseEvent* event)
{
    if (!m_dragging)
        return;
    const QPoint p = event->position().toPoint();
    // The splitter moves with the boundary, so the offset from the press point is the step.
    moveBy(horizontal() ? p.x() - m_pressPos.x() : p.y() - m_pressPos.y());
}

void TSplitter::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_dragging = false;
}

void TSplitter::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Color());
}
