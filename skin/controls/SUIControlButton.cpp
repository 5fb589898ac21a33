#include "skin/controls/SUIControlButton.h"

#include "framework/BitmapOps.h"

#include <QMetaObject>
#include <QPainter>

TsuiControlButton::TsuiControlButton(QWidget* parent)
    : TsuiCustomButton(parent)
{
    setTabStop(false);
    SetFileTheme(nullptr);
    SetUIStyle(TsuiUIStyle::DeepBlue);
}

void TsuiControlButton::SetThemeID(int id)
{
    m_themeId = id;
    fitNow();
    update();
}

void TsuiControlButton::SetPicIndex(int index)
{
    m_picIndex = index;
    fitNow();
    update();
}

void TsuiControlButton::SetPicCount(int count)
{
    m_picCount = count;
    fitNow();
    update();
}

void TsuiControlButton::fetch(QImage& frame, int number) const
{
    frame = QImage();
    // A count below 1 takes the whole item, from a theme file as from a built-in style.
    if (m_picCount < 1)
        theme().bitmap(m_themeId, frame);
    else
        theme().bitmap(m_themeId, frame, m_picCount, number);
}

void TsuiControlButton::fitTo(const QImage& frame) const
{
    if (frame.isNull() || BitmapOps::logicalSize(frame) == size())
        return;
    // The look is drawn from a const path; the size follows once this paint is done.
    auto* self = const_cast<TsuiControlButton*>(this);
    const QRect bounds(QPoint(x(), y()), BitmapOps::logicalSize(frame));
    QMetaObject::invokeMethod(
        self, [self, bounds] { self->setBounds(bounds); }, Qt::QueuedConnection);
}

void TsuiControlButton::fitNow()
{
    QImage frame;
    fetch(frame, m_picIndex);
    if (!frame.isNull())
        setBounds(QRect(QPoint(x(), y()), BitmapOps::logicalSize(frame)));
}

void TsuiControlButton::UIStyleChanged()
{
    fitNow();
}

void TsuiControlButton::PaintButtonNormal(QImage& frame) const
{
    fetch(frame, m_picIndex);
    fitTo(frame);
}

void TsuiControlButton::PaintPic(QPainter& canvas, const QImage& frame, PaintState&) const
{
    if (frame.isNull())
        return;
    std::optional<QRgb> key;
    if (PicTransparent())
        key = frame.pixel(0, 0);
    BitmapOps::drawStretched(
        canvas, QRect(QPoint(0, 0), BitmapOps::logicalSize(frame)), frame, frame.rect(), key);
    fitTo(frame);
}
