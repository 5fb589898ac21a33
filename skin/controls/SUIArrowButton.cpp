#include "skin/controls/SUIArrowButton.h"

#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QPainter>

TsuiArrowButton::TsuiArrowButton(QWidget* parent)
    : TsuiCustomButton(parent)
{
    UIStyleChanged();
}

void TsuiArrowButton::SetArrow(TsuiArrowButtonType arrow)
{
    m_arrow = arrow;
    update();
}

void TsuiArrowButton::UIStyleChanged()
{
    SetTransparent(theme().flag(SuiThemes::SuiItem::ButtonTransparentBool));
}

void TsuiArrowButton::PaintPic(QPainter& canvas, const QImage& frame, PaintState& state) const
{
    DrawSkinFrame(canvas, frame, state.size);
    // A filled 7 x 4 triangle, row by row, so its pixels do not depend on polygon rasterising.
    const int x0 = (state.size.width() - 6) / 2;
    const int y0 = (state.size.height() - 3) / 2;
    for (int row = 0; row <= 3; ++row) {
        const int inset = m_arrow == suiUp ? 3 - row : row;
        canvas.fillRect(QRect(x0 + inset, y0 + row, 7 - 2 * inset, 1), Qt::black);
    }
}
