// Skinned scroll bars for the standard scroll areas (the tree, the HTML view, any QScrollArea):
// the area keeps its own QScrollBar, so scrolling, wheel and keys stay the toolkit's; only the
// drawing and the arrow lengths come from the skin's scroll bar pictures.
#pragma once

#include "skin/styles/SUIThemes.h"

#include <QImage>
#include <QProxyStyle>

class QAbstractScrollArea;

class SuiScrollBarStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit SuiScrollBarStyle(TsuiUIStyle style);

    // One instance per built-in style for the whole program, owned by the application object.
    static SuiScrollBarStyle* shared(TsuiUIStyle style);
    // Gives both scroll bars of the area the skinned look of `style`.
    static void applyTo(QAbstractScrollArea* area, TsuiUIStyle style);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl sub,
        const QWidget* widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
        QPainter* painter, const QWidget* widget = nullptr) const override;

private:
    struct Pictures {
        QImage buttons[6]; // up/left normal, hot, pressed; down/right normal, hot, pressed
        QImage thumb[3]; // start, middle, end
    };
    const Pictures& pictures(Qt::Orientation orientation) const
    {
        return orientation == Qt::Vertical ? m_vertical : m_horizontal;
    }

    Pictures m_vertical;
    Pictures m_horizontal;
    QColor m_background;
    int m_thickness = 16; // across the bar: the arrow pictures' width when upright
    int m_buttonLength = 16; // along the bar
};
