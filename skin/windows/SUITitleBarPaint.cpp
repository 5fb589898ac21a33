// The title bar's layout and drawing: sections, buttons in their states, the caption.
#include "skin/windows/SUITitleBar.h"

#include "framework/BitmapOps.h"
#include "framework/TColor.h"
#include "skin/windows/SUITitleBarMetrics.h"

#include <QApplication>
#include <QIcon>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

using namespace TitleBarMetrics;

TsuiTitleBar::ButtonLayout TsuiTitleBar::LayoutButtons() const
{
    ButtonLayout layout;
    int x = width() + m_rightBtnXOffset + 1;
    for (int i = 0; i < m_buttons->Count(); ++i) {
        const TsuiTitleBarButton* button = m_buttons->Button(i);
        if (!button->Visible())
            continue;
        if (button->ButtonType() == TsuiTitleBarBtnType::suiControlBox) {
            layout.controlBox.index = i; // the last visible one counts
            continue;
        }
        const QSize size = BitmapOps::logicalSize(button->PicNormal());
        x -= size.width() + m_buttonInterval + 1;
        layout.right.append({ i, QRect(QPoint(x, ButtonTop()), size) });
    }
    int left = m_leftBtnXOffset;
    if (layout.controlBox.index >= 0) {
        const QSize size
            = BitmapOps::logicalSize(m_buttons->Button(layout.controlBox.index)->PicNormal());
        layout.controlBox.rect = QRect(QPoint(left, ButtonTop()), size);
        left += m_drawAppIcon ? kAppIconCell : size.width() + kControlBoxGap;
    }
    if (left == 0)
        left = kBareCaptionX;
    layout.captionX = left;
    layout.captionRoom = x - left;
    return layout;
}

int TsuiTitleBar::ButtonAt(const QPoint& point) const
{
    const ButtonLayout layout = LayoutButtons();
    // Where pictures overlap, the one visited last wins, as it is drawn last.
    int hot = -1;
    for (const ButtonPlace& place : layout.right)
        if (place.rect.contains(point))
            hot = place.index;
    if (layout.controlBox.index >= 0 && layout.controlBox.rect.contains(point))
        hot = layout.controlBox.index;
    return hot;
}

QRect TsuiTitleBar::ButtonRect(int index) const
{
    const ButtonLayout layout = LayoutButtons();
    if (layout.controlBox.index == index && index >= 0)
        return m_drawAppIcon ? layout.controlBox.rect.united(
                   QRect(layout.controlBox.rect.topLeft() + QPoint(kAppIconIndent, 0),
                       QSize(kAppIconSize, kAppIconSize)))
                             : layout.controlBox.rect;
    for (const ButtonPlace& place : layout.right)
        if (place.index == index)
            return place.rect;
    return {};
}

QString TsuiTitleBar::ShortenedCaption(
    const QString& caption, const QFontMetrics& metrics, int room)
{
    if (metrics.horizontalAdvance(caption) <= room)
        return caption;
    const QString ellipsis = QStringLiteral("...");
    const auto fits = [&](qsizetype length) {
        return metrics.horizontalAdvance(caption.left(length) + ellipsis) <= room;
    };
    // The longest prefix that fits with "..." appended; a binary search keeps a caption of
    // thousands of characters cheap, the linear step after it settles uneven advances.
    qsizetype low = 0;
    qsizetype high = caption.size() - 1;
    if (!fits(low))
        return QString();
    while (low < high) {
        const qsizetype mid = (low + high + 1) / 2;
        if (fits(mid))
            low = mid;
        else
            high = mid - 1;
    }
    while (low + 1 < caption.size() && fits(low + 1))
        ++low;
    // Never end on half a surrogate pair.
    if (low > 0 && caption.at(low - 1).isHighSurrogate())
        --low;
    return caption.left(low) + ellipsis;
}

TsuiTitleBar::SectionsKey TsuiTitleBar::sectionsKey() const
{
    SectionsKey key;
    key.size = size();
    key.offset
        = InForm() ? QPoint(InMDIForm() ? -kMDIFrameBand : -kFrameBand, -kFrameBand) : QPoint();
    key.window = palette().color(QPalette::Window).rgba();
    for (int i = 0; i < std::min(3, m_sections->Count()); ++i)
        key.pictures.append(m_sections->Section(i)->Picture().cacheKey());
    return key;
}

TsuiTitleBar::BarKey TsuiTitleBar::barKey(const ButtonLayout& layout) const
{
    BarKey key;
    const auto addButton
        = [&key](const ButtonPlace& place, const TsuiTitleBarButton* button, const QImage& state) {
              key.buttons << place.index << place.rect.x() << place.rect.y()
                          << button->PicNormal().cacheKey() << state.cacheKey()
                          << qint64(button->Transparent());
          };
    for (const ButtonPlace& place : layout.right) {
        const TsuiTitleBarButton* button = m_buttons->Button(place.index);
        addButton(place, button, statePicture(button, place.index == m_hotButton));
    }
    if (layout.controlBox.index >= 0) {
        const TsuiTitleBarButton* box = m_buttons->Button(layout.controlBox.index);
        if (m_drawAppIcon) {
            const QWidget* form = Form();
            const QIcon icon = form ? form->windowIcon() : QApplication::windowIcon();
            key.buttons << -1 << layout.controlBox.rect.x() << layout.controlBox.rect.y()
                        << icon.cacheKey();
        } else {
            addButton(
                layout.controlBox, box, statePicture(box, layout.controlBox.index == m_hotButton));
        }
    }
    key.buttons << layout.captionX << layout.captionRoom << ButtonTop() << m_buttonStripHeight;
    key.caption = m_caption;
    key.font = font();
    key.pen = (m_formActive ? fontObject()->Color() : TColor(clInactiveCaption).toQColor()).rgba();
    return key;
}

QImage TsuiTitleBar::Render()
{
    if (width() <= 0 || height() <= 0)
        return QImage();
    // Hovering, a resize or a changed caption redraws buttons and caption over the kept
    // sections; the sections are stretched again only when their own inputs change.
    SectionsKey sections = sectionsKey();
    const qreal ratio = devicePixelRatioF();
    if (m_sectionsKey != sections || BitmapOps::bufferOutdated(m_sectionsImage, size(), ratio)) {
        m_sectionsImage = BitmapOps::deviceBuffer(size(), ratio, QImage::Format_RGB32);
        // Rows and columns no picture covers show the window colour rather than stale memory.
        m_sectionsImage.fill(palette().color(QPalette::Window));
        DrawSectionsTo(m_sectionsImage);
        m_sectionsKey = std::move(sections);
        m_barKey.reset();
    }
    m_hotButton = m_cursor ? ButtonAt(*m_cursor) : -1;
    const ButtonLayout layout = LayoutButtons();
    BarKey bar = barKey(layout);
    if (m_barKey != bar) {
        m_barImage = m_sectionsImage.copy();
        drawButtonsTo(m_barImage, layout);
        m_barKey = std::move(bar);
    }
    return m_barImage;
}

void TsuiTitleBar::DrawSectionsTo(QImage& bitmap) const
{
    if (bitmap.isNull())
        return;
    const QPoint offset = sectionsKey().offset;
    const int dx = offset.x();
    const int dy = offset.y();
    QPainter painter(&bitmap);
    // Sections are used by position: left, right, centre.
    const int count = m_sections->Count();
    int x1 = 0;
    int x2 = 0;
    if (count >= 1) {
        const QImage& left = m_sections->Section(0)->Picture();
        painter.drawImage(dx, dy, left);
        x1 = BitmapOps::logicalSize(left).width() + dx;
    }
    if (count >= 2) {
        const QImage& right = m_sections->Section(1)->Picture();
        x2 = qRound(bitmap.deviceIndependentSize().width()) - BitmapOps::logicalSize(right).width()
            - dx;
        painter.drawImage(x2, dy, right);
    }
    if (count >= 3) {
        const QImage& centre = m_sections->Section(2)->Picture();
        // A bar narrower than its end pictures leaves no room: nothing is stretched (a negative
        // width would mirror the picture).
        if (!centre.isNull() && x2 > x1)
            BitmapOps::drawStretched(painter,
                QRect(x1, dy, x2 - x1, BitmapOps::logicalSize(centre).height()), centre,
                centre.rect());
    }
}

const QImage& TsuiTitleBar::statePicture(const TsuiTitleBarButton* button, bool hot) const
{
    if (!hot)
        return button->PicNormal();
    const int index = int(m_buttons->items().indexOf(button));
    return m_mousePressed && index == m_pressedButton ? button->PicMouseDown()
                                                      : button->PicMouseOn();
}

void TsuiTitleBar::drawButtonPicture(
    QImage& bitmap, const TsuiTitleBarButton* button, const QImage& state, const QPoint& at) const
{
    const QImage& normal = button->PicNormal();
    if (normal.isNull())
        return;
    // The state picture is cut to the normal picture's size; what it does not cover is black.
    QImage cell = BitmapOps::deviceBuffer(
        BitmapOps::logicalSize(normal), BitmapOps::pictureScale(normal), QImage::Format_RGB32);
    cell.fill(Qt::black);
    {
        QPainter cellPainter(&cell);
        cellPainter.drawImage(0, 0, state);
    }
    QPainter painter(&bitmap);
    if (button->Transparent())
        BitmapOps::drawKeyed(painter, at, cell, cell.pixel(0, cell.height() - 1));
    else
        painter.drawImage(at, cell);
}

void TsuiTitleBar::DrawButtons(QImage& bitmap)
{
    m_hotButton = m_cursor ? ButtonAt(*m_cursor) : -1;
    drawButtonsTo(bitmap, LayoutButtons());
}

void TsuiTitleBar::drawButtonsTo(QImage& bitmap, const ButtonLayout& layout) const
{
    if (bitmap.isNull())
        return;

    for (const ButtonPlace& place : layout.right) {
        const TsuiTitleBarButton* button = m_buttons->Button(place.index);
        drawButtonPicture(
            bitmap, button, statePicture(button, place.index == m_hotButton), place.rect.topLeft());
    }
    if (layout.controlBox.index >= 0) {
        const TsuiTitleBarButton* box = m_buttons->Button(layout.controlBox.index);
        const QPoint at = layout.controlBox.rect.topLeft();
        if (m_drawAppIcon) {
            const QWidget* form = Form();
            const QIcon icon = form ? form->windowIcon() : QApplication::windowIcon();
            if (!icon.isNull()) {
                QPainter painter(&bitmap);
                icon.paint(&painter,
                    QRect(at + QPoint(kAppIconIndent, 0), QSize(kAppIconSize, kAppIconSize)));
            }
        } else {
            drawButtonPicture(
                bitmap, box, statePicture(box, layout.controlBox.index == m_hotButton), at);
        }
    }

    const QFontMetrics metrics(font());
    const QString text = ShortenedCaption(m_caption, metrics, layout.captionRoom);
    if (text.isEmpty())
        return;
    QPainter painter(&bitmap);
    painter.setFont(font());
    painter.setPen(m_formActive ? fontObject()->Color() : TColor(clInactiveCaption).toQColor());
    // Integer division truncating towards zero, as a strip lower than the text gives.
    const int top = ButtonTop() + (m_buttonStripHeight - metrics.height()) / 2;
    painter.drawText(QPoint(layout.captionX, top + metrics.ascent()), text);
}

void TsuiTitleBar::paintEvent(QPaintEvent* event)
{
    const QImage bitmap = Render();
    if (bitmap.isNull())
        return;
    QPainter painter(this);
    // The source rectangle is in the bitmap's own pixels.
    const QRect r = event->rect();
    const qreal ratio = bitmap.devicePixelRatio();
    painter.drawImage(
        QRectF(r), bitmap, QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
}

void TsuiTitleBar::setHot(int hot)
{
    if (hot == m_hotButton)
        return;
    if (m_hotButton >= 0)
        update(ButtonRect(m_hotButton));
    m_hotButton = hot;
    if (hot >= 0)
        update(ButtonRect(hot));
}
