// Scoped save/restore of a painter's state, so no early return can leak a pen, clip or origin.
#pragma once

#include <QPainter>

class PainterStateGuard {
public:
    explicit PainterStateGuard(QPainter& painter)
        : m_painter(painter)
    {
        m_painter.save();
    }
    ~PainterStateGuard() { m_painter.restore(); }
    PainterStateGuard(const PainterStateGuard&) = delete;
    PainterStateGuard& operator=(const PainterStateGuard&) = delete;

private:
    QPainter& m_painter;
};
