#include "skin/windows/FormBorderPainter.h"

#include "framework/BitmapOps.h"
#include "skin/windows/FormRegion.h"

#include <QPainter>
#include <algorithm>

namespace {

// Rectangles here are (left, top, right, bottom) with exclusive right and bottom edges.
void fill(QPainter& painter, int left, int top, int right, int bottom, const QColor& color)
{
    if (right > left && bottom > top)
        painter.fillRect(QRect(left, top, right - left, bottom - top), color);
}

void paintTopFromPictures(QPainter& painter, const FormBorderLook& look, int bw)
{
    const int w = look.size.width();
    const QImage& l = look.leftImage;
    const QImage& rt = look.rightImage;
    const QImage& c = look.centerImage;
    // Positions follow the pictures' logical sizes; the work bitmaps take the pictures' scale,
    // so high-density pictures keep their pixels.
    const QSize ls = BitmapOps::logicalSize(l);
    const int rtWidth = BitmapOps::logicalSize(rt).width();
    const int scale = BitmapOps::pictureScale(l);

    // The side strips: one bitmap band - BW wide and as high as the left picture, shared by both.
    const int band = look.sideBand;
    const int stripWidth = band - bw;
    if (stripWidth > 0 && ls.height() > 0) {
        QImage strip
            = BitmapOps::deviceBuffer(QSize(stripWidth, ls.height()), scale, QImage::Format_RGB32);
        strip.fill(look.color);
        {
            QPainter p(&strip);
            p.drawImage(0, 0, l);
        }
        painter.drawImage(bw, 0, strip);
        {
            QPainter p(&strip);
            if (rtWidth >= band)
                p.drawImage(band - 1 - rtWidth, 0, rt);
            else if (!rt.isNull())
                BitmapOps::drawStretched(p, QRect(0, 0, stripWidth, ls.height()), rt, rt.rect());
        }
        painter.drawImage(w - band, 0, strip);
    }

    // The top band: each picture column lands on the window column the title bar gives it.
    const int bandWidth = w - 5;
    if (bandWidth > 0) {
        QImage band = BitmapOps::deviceBuffer(QSize(bandWidth, 3), scale, QImage::Format_RGB32);
        band.fill(look.color);
        {
            QPainter p(&band);
            p.drawImage(-2, 0, l);
            p.drawImage(bandWidth - rtWidth + 3, 0, rt);
            const QRect centre(QPoint(ls.width() - 2, 0),
                QPoint(bandWidth - rtWidth + 3 - 1, BitmapOps::logicalSize(c).height() - 1));
            if (!c.isNull() && centre.isValid())
                BitmapOps::drawStretched(p, centre, c, c.rect());
        }
        painter.drawImage(2, 0, band);
    }

    if (bw == 1 && look.roundCorner == 11) {
        // Single-pixel points of a cosmetic pen without antialiasing land exactly on their pixel.
        const QList<QPoint> arcs = FormCornerArcPixels(w, look.roundCorner);
        painter.save();
        if (painter.device() && painter.device()->devicePixelRatioF() > 1) {
            // On a high-density device a cosmetic point is one device pixel, not the logical one.
            for (const QPoint& at : arcs)
                painter.fillRect(QRect(at, QSize(1, 1)), look.borderColor);
        } else {
            painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setPen(QPen(look.borderColor, 0));
            painter.drawPoints(arcs.constData(), int(arcs.size()));
        }
        painter.restore();
    }
}

} // namespace

void PaintFormBorder(QPainter& painter, const FormBorderLook& look)
{
    const int w = look.size.width();
    const int h = look.size.height();
    if (w <= 0 || h <= 0)
        return;
    // A theme file without the item answers -1; a negative border would paint nothing sound.
    const int bw = std::max(0, look.borderWidth);
    const int th = look.titleBarVisible ? look.titleBarHeight : 0;
    const int tb = look.titleBarHeight;

    // The interior fill lies under everything else; the sides' own fills would only repeat it.
    if (look.fillInterior)
        fill(painter, 0, 0, w, h, look.color);
    fill(painter, 0, 0, bw, h, look.borderColor);
    fill(painter, 0, h - bw, w, h, look.borderColor);
    fill(painter, w - bw, 0, w, h, look.borderColor);

    const int band = std::max(3, look.sideBand);
    if (bw < band + 1) {
        if (!look.fillInterior) {
            fill(painter, bw, th, band, h - bw, look.color);
            fill(painter, bw, h - band, w - bw, h - bw, look.color);
            fill(painter, w - band, th, w - bw, h - bw, look.color);
        }
        if (look.menuBarVisible) {
            const int top = tb + 3;
            const int bottom = top + look.menuBarHeight;
            fill(painter, bw, top, band, bottom, look.menuBarColor);
            fill(painter, w - band, top, w - bw, bottom, look.menuBarColor);
        }
    }

    if (look.titleBarVisible && bw < band + 1) {
        // Beside the title bar the pictures cover the sides only as far down as they reach; a
        // short or missing picture must not leave what was there before.
        if (!look.fillInterior) {
            fill(painter, bw, 0, band, th, look.color);
            fill(painter, w - band, 0, w - bw, th, look.color);
        }
        if (look.titleBarCanPaint)
            paintTopFromPictures(painter, look, bw);
        else
            fill(painter, bw, 0, w - bw, std::min(3, h), look.color);
    } else if (!look.titleBarVisible) {
        fill(painter, 0, 0, w, 1, look.borderColor);
        fill(painter, bw, 1, w - bw, 3, look.color);
    }
}
