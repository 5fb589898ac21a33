#include "skin/controls/SUITrackBarSlider.h"

#include "framework/BitmapOps.h"

#include <QPainter>

TsuiTrackBarSlider::TsuiTrackBarSlider(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAutoFillBackground(false);
}

void TsuiTrackBarSlider::SetPicture(const QImage& picture)
{
    m_picture = picture;
    fitPicture();
    update();
}

void TsuiTrackBarSlider::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void TsuiTrackBarSlider::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitPicture();
}

void TsuiTrackBarSlider::fitPicture()
{
    if (m_autoSize && !m_picture.isNull())
        resize(m_picture.size());
}

void TsuiTrackBarSlider::paintEvent(QPaintEvent*)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    if (m_transparent)
        BitmapOps::drawKeyed(painter, QPoint(0, 0), m_picture, BitmapOps::MagentaKey);
    else
        painter.drawImage(QPoint(0, 0), m_picture);
}
