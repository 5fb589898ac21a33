// The small flat glyph button of the MDI form's menu bar: a frame under the mouse, nothing else.
#pragma once

#include "framework/TControl.h"

#include <QImage>

class TsuiToolBarSpeedButton : public TControlBase<QWidget> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
public:
    explicit TsuiToolBarSpeedButton(QWidget* parent = nullptr);

    QImage Glyph() const { return m_glyph; }
    // Takes effect at the next paint.
    void SetGlyph(const QImage& glyph) { m_glyph = glyph; }
    bool isHovered() const { return m_hover; }

    void PaintButton(QPainter& painter, const QRect& rect) const;
    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QImage m_glyph;
    bool m_hover = false;
};
