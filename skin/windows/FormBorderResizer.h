// Resizing a frameless skinned window by its 3-pixel border band: which edges a point grabs, the
// cursor shown there, and the geometry when the window follows the mouse itself.
#pragma once

#include <QCursor>
#include <QPoint>
#include <QPointer>
#include <QRect>

class QMouseEvent;
class QWidget;

namespace FormBorderResizer {

// The band is 3 pixels wide; near a corner the neighbouring edge joins in along 8 pixels, so the
// diagonal grips are not a single pixel.
inline constexpr int kBand = 3;
inline constexpr int kCornerReach = 8;

Qt::Edges edgesAt(const QSize& size, const QPoint& point);
Qt::CursorShape cursorFor(Qt::Edges edges);
// The window rectangle after the grabbed edges moved by `delta`, within min and max size; the
// edges not grabbed stay where they are.
QRect resized(const QRect& start, Qt::Edges edges, const QPoint& delta, const QSize& minimum,
    const QSize& maximum);

} // namespace FormBorderResizer

// The mouse handling of one window's border band (the frame forwards the window's mouse events).
class FormBorderDrag {
public:
    // Each returns true when it used the event.
    bool press(QWidget* window, QMouseEvent* event);
    bool move(QWidget* window, QMouseEvent* event);
    bool release(QWidget* window, QMouseEvent* event);
    bool dragging() const { return m_edges != Qt::Edges(); }

private:
    Qt::Edges m_edges;
    QPoint m_startGlobal;
    QRect m_startGeometry;
    bool m_cursorSet = false;
};
