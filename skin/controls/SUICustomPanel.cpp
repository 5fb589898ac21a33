#include "skin/controls/SUICustomPanel.h"

#include "framework/BitmapOps.h"
#include "framework/PainterStateGuard.h"
#include "framework/TextDraw.h"
#include "skin/styles/Suipublic.h"

#include <QPainter>

using ControlTypes::TAlign;
using ControlTypes::TAlignment;

namespace {

// Tiles narrower than this are repeated into one tile first, so a one-pixel picture over a large
// panel costs a few hundred draws instead of one per pixel.
constexpr int kMinTileSide = 64;

QImage widenedTile(const QImage& picture)
{
    const QSize size = BitmapOps::logicalSize(picture);
    const int nx = (kMinTileSide + size.width() - 1) / size.width();
    const int ny = (kMinTileSide + size.height() - 1) / size.height();
    if (nx <= 1 && ny <= 1)
        return picture;
    QImage tile = BitmapOps::deviceBuffer(QSize(size.width() * nx, size.height() * ny),
        BitmapOps::pictureScale(picture), QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    QPainter p(&tile);
    for (int x = 0; x < nx; ++x)
        for (int y = 0; y < ny; ++y)
            p.drawImage(x * size.width(), y * size.height(), picture);
    return tile;
}

} // namespace

TsuiCustomPanel::TsuiCustomPanel(QWidget* parent)
    : TPanel(parent)
{
    // The whole rectangle is painted every time; nothing is erased first.
    setAutoFillBackground(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setBevelInner(ControlTypes::TBevelCut::bvNone);
    setBevelOuter(ControlTypes::TBevelCut::bvNone);
    setTabStop(false);
}

void TsuiCustomPanel::SetPicture(const QImage& picture)
{
    m_picture = picture;
    PictureChanged();
}

void TsuiCustomPanel::PictureChanged()
{
    if (!m_picture.isNull() && m_autoSize)
        applyAutoSize();
    ClearPanel();
    update();
}

void TsuiCustomPanel::SetTransparent(bool transparent)
{
    m_transparent = transparent;
    update();
}

void TsuiCustomPanel::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (!m_picture.isNull() && m_autoSize)
        applyAutoSize();
}

void TsuiCustomPanel::applyAutoSize()
{
    // Docking decides the size along the docked side; the picture decides the other one.
    const TAlign a = Align();
    QRect r = geometry();
    if (a != TAlign::alTop && a != TAlign::alBottom && a != TAlign::alClient)
        r.setWidth(BitmapOps::logicalSize(m_picture).width());
    if (a != TAlign::alLeft && a != TAlign::alRight && a != TAlign::alClient)
        r.setHeight(BitmapOps::logicalSize(m_picture).height());
    setBounds(r);
}

void TsuiCustomPanel::SetDrawStyle(TsuiDrawStyle style)
{
    m_drawStyle = style;
    ClearPanel();
    update();
}

void TsuiCustomPanel::SetCaptionPosX(int x)
{
    m_captionPosX = x;
    update();
}

void TsuiCustomPanel::SetCaptionPosY(int y)
{
    m_captionPosY = y;
    update();
}

std::optional<QRgb> TsuiCustomPanel::pictureKey() const
{
    // A transparent bitmap leaves out the colour of its bottom-left pixel; a picture with its own
    // alpha channel already says what shows through.
    if (!m_transparent || m_picture.isNull() || m_picture.hasAlphaChannel())
        return std::nullopt;
    return m_picture.pixel(0, m_picture.height() - 1);
}

void TsuiCustomPanel::PaintPicturePanel(QPainter& painter, const QRect& rect) const
{
    PainterStateGuard guard(painter);
    painter.translate(rect.topLeft());
    const QRect client(QPoint(0, 0), rect.size());

    if (m_transparent && parentWidget())
        DoTrans(painter, const_cast<TsuiCustomPanel*>(this));
    else
        // Also what a smaller picture leaves uncovered: the panel's colour, not stale pixels.
        painter.fillRect(client, Color());

    if (!m_picture.isNull()) {
        const std::optional<QRgb> key = pictureKey();
        switch (m_drawStyle) {
        case suiStretch:
            BitmapOps::drawStretched(painter, client, m_picture, m_picture.rect(), key);
            break;
        case suiTile: {
            PainterStateGuard clip(painter);
            painter.setClipRect(client);
            TileDraw(painter, widenedTile(key ? BitmapOps::keyedOut(m_picture, *key) : m_picture),
                client);
            break;
        }
        case suiNormal:
            if (key)
                BitmapOps::drawKeyed(painter, QPoint(0, 0), m_picture, *key);
            else
                painter.drawImage(0, 0, m_picture);
            break;
        }
    }

    const QString text = Caption();
    if (text.trimmed().isEmpty())
        return;
    painter.setFont(font());
    painter.setPen(fontObject()->Color());
    if (m_captionPosX == -1 || m_captionPosY == -1) {
        unsigned flags = DT_SINGLELINE | DT_VCENTER;
        if (Alignment() == TAlignment::taRightJustify)
            flags |= DT_RIGHT;
        else if (Alignment() == TAlignment::taCenter)
            flags |= DT_CENTER;
        QRect textRect = client;
        DrawText(painter, text, textRect, flags);
    } else {
        // Placed text is written as it stands, "&" included, and not clipped.
        QRect textRect(m_captionPosX, m_captionPosY, client.width(), client.height());
        DrawText(painter, text, textRect, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }
}

void TsuiCustomPanel::paintEvent(QPaintEvent*)
{
    m_offscreen.paint(this, [this](QPainter& canvas) { PaintPicturePanel(canvas, rect()); });
}

void TsuiCustomPanel::resizeEvent(QResizeEvent* event)
{
    TPanel::resizeEvent(event);
    update();
}
