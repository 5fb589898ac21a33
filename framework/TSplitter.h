// A drag bar that moves the boundary of the control docked just before it.
#pragma once

#include "framework/TControl.h"

class TSplitter : public TControlBase<QWidget> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(int MinSize READ MinSize WRITE setMinSize)
    Q_PROPERTY(FormMethod OnMoved READ onMovedHandler WRITE setOnMovedHandler)
public:
    explicit TSplitter(QWidget* parent = nullptr);

    Event<> OnMoved;

    int MinSize() const { return m_minSize; }
    void setMinSize(int size) { m_minSize = qMax(1, size); }

    // The sibling whose size the splitter changes: docked on the same side, touching it.
    QWidget* resizedControl() const;
    // Moves the boundary by `delta` pixels (towards the right or the bottom when positive), keeping
    // the resized control and the space left over at least MinSize.
    void moveBy(int delta);

    FormMethod onMovedHandler() const { return OnMoved.method(); }
    void setOnMovedHandler(const FormMethod& m) { OnMoved.bind(m); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool horizontal() const; // docked left or right: moves horizontally
    int m_minSize = 30;
    QPoint m_pressPos;
    bool m_dragging = false;
};
