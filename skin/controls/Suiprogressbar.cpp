#include "skin/controls/Suiprogressbar.h"

#include "framework/BitmapOps.h"
#include "framework/FrameRect.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <limits>

using namespace SuiThemes;

TsuiProgressBar::TsuiProgressBar(QWidget* parent)
    : TControlBase<QWidget>(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAutoFillBackground(false);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    resize(150, 12);
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
    updateCaption();
}

void TsuiProgressBar::reloadSkin()
{
    QImage picture;
    m_theme.bitmap(SuiItem::ProgressBarImage, picture);
    m_picture = picture;
    m_color = TColor(m_theme.color(SuiItem::ControlBackgroundColor));
    m_borderColor = TColor(m_theme.color(SuiItem::ControlBorderColor));
    if (m_orientation == suiVertical && !m_picture.isNull())
        RoundPicture(m_picture);
    update();
}

void TsuiProgressBar::updateCaption()
{
    // 64-bit: a span or an offset near the 32-bit limits must not wrap the percentage.
    const int64_t span = int64_t(m_max) - m_min;
    const int64_t percent = span == 0 ? 0 : (int64_t(m_position) - m_min) * 100 / span;
    m_caption = QString::number(percent) + QLatin1Char('%');
    update();
}

void TsuiProgressBar::SetMax(int value)
{
    m_max = value;
    updateCaption();
}

void TsuiProgressBar::SetMin(int value)
{
    m_min = value;
    updateCaption();
}

void TsuiProgressBar::SetPosition(int value)
{
    m_position = value;
    updateCaption();
}

void TsuiProgressBar::StepBy(int delta)
{
    const int64_t next = int64_t(m_position) + delta;
    SetPosition(int(std::clamp<int64_t>(
        next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

void TsuiProgressBar::SetOrientation(TsuiProgressBarOrientation orientation)
{
    m_orientation = orientation;
    // A vertical bar has no room for the caption; it stays off when the bar turns back.
    if (orientation == suiVertical)
        m_showCaption = false;
    reloadSkin();
    updateBar(std::max(height(), width()));
}

void TsuiProgressBar::updateBar(int length)
{
    if (m_orientation == suiVertical)
        setBounds(QRect(x(), y(), 12, length));
    else
        setBounds(QRect(x(), y(), length, 12));
}

void TsuiProgressBar::SetBorderColor(TColor color)
{
    m_borderColor = color;
    update();
}

void TsuiProgressBar::SetColor(TColor color)
{
    m_color = color;
    update();
}

void TsuiProgressBar::SetCaptionColor(TColor color)
{
    m_captionColor = color;
    update();
}

void TsuiProgressBar::SetShowCaption(bool show)
{
    m_showCaption = show;
    update();
}

void TsuiProgressBar::SetSmartShowCaption(bool smart)
{
    m_smartShowCaption = smart;
    update();
}

void TsuiProgressBar::SetPicture(const QImage& picture)
{
    m_picture = picture;
    update();
}

int TsuiProgressBar::FilledLength(int available) const
{
    if (m_max <= m_min || m_position <= m_min)
        return 0;
    if (m_position > m_max)
        return available;
    return int((int64_t(m_position) - m_min) * available / (int64_t(m_max) - m_min));
}

void TsuiProgressBar::PaintBar(QPainter& painter, const QRect& rect) const
{
    const int w = rect.width();
    const int h = rect.height();
    if (w <= 0 || h <= 0)
        return;
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    QImage buffer = BitmapOps::deviceBuffer(QSize(w, h), ratio, QImage::Format_RGB32);
    buffer.fill(m_color.toQColor());
    {
        QPainter canvas(&buffer);
        const QColor empty = m_color.toQColor();
        if (m_orientation == suiHorizontal) {
            const int f = std::max(1, FilledLength(w - 1));
            if (!m_picture.isNull())
                BitmapOps::drawStretched(
                    canvas, QRect(1, 1, f - 1, h - 2), m_picture, m_picture.rect());
            canvas.fillRect(QRect(f, 1, w - 1 - f, h - 2), empty);
        } else {
            // Filling runs bottom to top; the picture lands mirrored top to bottom in its band.
            const int v = std::max(1, (h - 1) - FilledLength(h - 1));
            const QRect band(1, v, w - 2, h - 1 - v);
            if (!m_picture.isNull() && band.isValid()) {
                const QImage fill
                    = BitmapOps::stretched(m_picture, m_picture.rect(), band.size()).mirrored();
                canvas.drawImage(band.topLeft(), fill);
            }
            canvas.fillRect(QRect(1, 1, w - 2, v - 1), empty);
        }
        if (m_orientation == suiHorizontal && m_showCaption
            && (!m_smartShowCaption || m_position != m_min)) {
            canvas.setFont(QFont());
            const QFontMetrics metrics(canvas.font());
            const int tw = metrics.horizontalAdvance(m_caption);
            const int th = metrics.height();
            canvas.setPen(m_captionColor.toQColor());
            canvas.drawText(QPoint((w - tw) / 2, (h - th) / 2 + metrics.ascent()), m_caption);
        }
        FrameRect(canvas, QRect(0, 0, w, h), m_borderColor.toQColor());
    }
    painter.drawImage(rect.topLeft(), buffer);
}

void TsuiProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    PaintBar(painter, rect());
}
