#include "skin/windows/FormBorderResizer.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace FormBorderResizer {

Qt::Edges edgesAt(const QSize& size, const QPoint& p)
{
    const int w = size.width();
    const int h = size.height();
    if (p.x() < 0 || p.y() < 0 || p.x() >= w || p.y() >= h)
        return {};
    const bool left = p.x() < kBand;
    const bool right = p.x() >= w - kBand;
    const bool top = p.y() < kBand;
    const bool bottom = p.y() >= h - kBand;
    if (!left && !right && !top && !bottom)
        return {};
    Qt::Edges edges;
    if (left || ((top || bottom) && p.x() < kCornerReach))
        edges |= Qt::LeftEdge;
    else if (right || ((top || bottom) && p.x() >= w - kCornerReach))
        edges |= Qt::RightEdge;
    if (top || ((left || right) && p.y() < kCornerReach))
        edges |= Qt::TopEdge;
    else if (bottom || ((left || right) && p.y() >= h - kCornerReach))
        edges |= Qt::BottomEdge;
    return edges;
}

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        // Top-left and bottom-right lie on the falling diagonal, the other two on the rising one.
        const bool backslash = bool(edges & Qt::LeftEdge) == bool(edges & Qt::TopEdge);
        return backslash ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    if (horizontal)
        return Qt::SizeHorCursor;
    if (vertical)
        return Qt::SizeVerCursor;
    return Qt::ArrowCursor;
}

QRect resized(const QRect& start, Qt::Edges edges, const QPoint& delta, const QSize& minimum,
    const QSize& maximum)
{
    int left = start.left();
    int top = start.top();
    int right = start.left() + start.width(); // exclusive edges
    int bottom = start.top() + start.height();
    const int minW = std::max(1, minimum.width());
    const int minH = std::max(1, minimum.height());
    const int maxW = std::max(minW, maximum.width());
    const int maxH = std::max(minH, maximum.height());
    if (edges & Qt::LeftEdge)
        left = std::clamp(left + delta.x(), right - maxW, right - minW);
    if (edges & Qt::RightEdge)
        right = std::clamp(right + delta.x(), left + minW, left + maxW);
    if (edges & Qt::TopEdge)
        top = std::clamp(top + delta.y(), bottom - maxH, bottom - minH);
    if (edges & Qt::BottomEdge)
        bottom = std::clamp(bottom + delta.y(), top + minH, top + maxH);
    return QRect(left, top, right - left, bottom - top);
}

} // namespace FormBorderResizer

bool FormBorderDrag::press(QWidget* window, QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton || window->isMaximized())
        return false;
    const Qt::Edges edges = FormBorderResizer::edgesAt(window->size(), event->position().toPoint());
    if (!edges)
        return false;
    QWindow* handle = window->windowHandle();
    if (handle && handle->startSystemResize(edges))
        return true;
    // No resize protocol (a bare X server): the window follows the mouse until release.
    m_edges = edges;
    m_startGlobal = event->globalPosition().toPoint();
    m_startGeometry = window->geometry();
    return true;
}

bool FormBorderDrag::move(QWidget* window, QMouseEvent* event)
{
    if (dragging()) {
        const QPoint delta = event->globalPosition().toPoint() - m_startGlobal;
        const QRect target = FormBorderResizer::resized(
            m_startGeometry, m_edges, delta, window->minimumSize(), window->maximumSize());
        if (target != window->geometry())
            window->setGeometry(target);
        return true;
    }
    const Qt::Edges edges = window->isMaximized()
        ? Qt::Edges()
        : FormBorderResizer::edgesAt(window->size(), event->position().toPoint());
    if (edges) {
        window->setCursor(FormBorderResizer::cursorFor(edges));
        m_cursorSet = true;
    } else if (m_cursorSet) {
        window->unsetCursor();
        m_cursorSet = false;
    }
    return false;
}

bool FormBorderDrag::release(QWidget* window, QMouseEvent* event)
{
    if (!dragging() || event->button() != Qt::LeftButton)
        return false;
    m_edges = {};
    return true;
}
