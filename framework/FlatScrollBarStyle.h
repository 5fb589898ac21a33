// Scroll bars drawn with plain fills: a light track, a grey thumb and small arrow marks, each
// in one pass of the raster engine. The default style's gradients and outlines are drawn line
// by line and shared out to worker threads, so repainting a tall bar after every change of a
// view's content cost more than the content itself. Everything else comes from the base style.
#pragma once

#include <QProxyStyle>

class QAbstractScrollArea;

class FlatScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    using QProxyStyle::QProxyStyle;

    // One instance for the whole program, owned by the application object.
    static FlatScrollBarStyle* shared();
    // Gives both scroll bars of a view the shared flat style.
    static void applyTo(QAbstractScrollArea* view);

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
        QPainter* painter, const QWidget* widget = nullptr) const override;
};
