#include "skin/controls/SUIImageButton.h"

#include "framework/BitmapOps.h"

#include <QPainter>

TsuiImageButton::TsuiImageButton(QWidget* parent)
    : TsuiCustomButton(parent)
{
}

void TsuiImageButton::SetDrawFocused(bool value)
{
    m_drawFocused = value;
    update();
}

void TsuiImageButton::SetStretch(bool stretch)
{
    m_stretch = stretch;
    update();
}

void TsuiImageButton::setPicture(int which, const QImage& picture)
{
    m_pics[which] = picture;
    AutoSizeChanged();
    update();
}

void TsuiImageButton::AutoSizeChanged()
{
    if (parentWidget() && AutoSize() && !m_pics[0].isNull())
        setBounds(QRect(QPoint(x(), y()), BitmapOps::logicalSize(m_pics[0])));
}

void TsuiImageButton::PaintPic(QPainter& canvas, const QImage& frame, PaintState& state) const
{
    if (frame.isNull())
        return;
    std::optional<QRgb> key;
    if (PicTransparent())
        key = frame.pixel(0, 0);
    const QRect target
        = QRect(QPoint(0, 0), m_stretch ? state.size : BitmapOps::logicalSize(frame));
    BitmapOps::drawStretched(canvas, target, frame, frame.rect(), key);
}

void TsuiImageButton::PaintFocus(QPainter& canvas, PaintState& state) const
{
    if (m_drawFocused)
        TsuiCustomButton::PaintFocus(canvas, state);
}
