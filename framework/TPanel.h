// A container with a caption and up to two bevels; the bevels narrow its client rectangle.
#pragma once

#include "framework/TControl.h"

class TPanel : public TControlBase<QWidget> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(ControlTypes::TAlignment Alignment READ Alignment WRITE setAlignment)
    Q_PROPERTY(ControlTypes::TBevelCut BevelInner READ BevelInner WRITE setBevelInner)
    Q_PROPERTY(ControlTypes::TBevelCut BevelOuter READ BevelOuter WRITE setBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth)
public:
    explicit TPanel(QWidget* parent = nullptr);

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    ControlTypes::TAlignment Alignment() const { return m_alignment; }
    void setAlignment(ControlTypes::TAlignment alignment);
    ControlTypes::TBevelCut BevelInner() const { return m_bevelInner; }
    void setBevelInner(ControlTypes::TBevelCut cut);
    ControlTypes::TBevelCut BevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(ControlTypes::TBevelCut cut);
    int BevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int BorderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

    // Outer bevel, border, inner bevel: what the panel keeps for itself on each side.
    int frameWidth() const;
    // The panel's look, painted into any painter (the widget paints it on itself).
    void paintPanel(QPainter& painter, const QRect& rect) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void updateFrame();

    QString m_caption;
    ControlTypes::TAlignment m_alignment = ControlTypes::TAlignment::taCenter;
    ControlTypes::TBevelCut m_bevelInner = ControlTypes::TBevelCut::bvNone;
    ControlTypes::TBevelCut m_bevelOuter = ControlTypes::TBevelCut::bvRaised;
    int m_bevelWidth = 1;
    int m_borderWidth = 0;
};
