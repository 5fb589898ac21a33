#include "framework/TextDraw.h"

#include "framework/PainterStateGuard.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygon>

namespace {

int qtFlags(unsigned flags)
{
    int result = 0;
    if (flags & DT_CENTER)
        result |= Qt::AlignHCenter;
    else if (flags & DT_RIGHT)
        result |= Qt::AlignRight;
    else
        result |= Qt::AlignLeft;
    // Vertical placement other than the top exists for single lines only.
    if ((flags & DT_SINGLELINE) && (flags & DT_VCENTER))
        result |= Qt::AlignVCenter;
    else if ((flags & DT_SINGLELINE) && (flags & DT_BOTTOM))
        result |= Qt::AlignBottom;
    else
        result |= Qt::AlignTop;
    if (flags & DT_SINGLELINE)
        result |= Qt::TextSingleLine;
    else if (flags & DT_WORDBREAK)
        result |= Qt::TextWordWrap;
    if (!(flags & DT_NOPREFIX))
        result |= Qt::TextShowMnemonic;
    if (flags & DT_NOCLIP)
        result |= Qt::TextDontClip;
    return result;
}

} // namespace

int DrawText(QPainter& painter, const QString& text, QRect& rect, unsigned flags)
{
    const int alignment = qtFlags(flags);
    if (flags & DT_CALCRECT) {
        // Word wrapping measures against the given width; otherwise the text sets the width.
        const QRect limit = (flags & DT_WORDBREAK) && !(flags & DT_SINGLELINE)
            ? QRect(rect.topLeft(), QSize(rect.width(), 1 << 20))
            : QRect(rect.topLeft(), QSize(1 << 20, 1 << 20));
        const int placement = Qt::AlignVertical_Mask | Qt::AlignHorizontal_Mask;
        const QRect needed = painter.boundingRect(
            limit, (alignment & ~placement) | Qt::AlignLeft | Qt::AlignTop, text);
        rect.setSize(needed.size());
        return needed.height();
    }
    if ((flags & DT_END_ELLIPSIS) && (flags & DT_SINGLELINE)) {
        // Eliding may cut the accelerator off, so an elided text is drawn without one.
        const QString shown = (flags & DT_NOPREFIX) ? text : StripAccelerators(text);
        const QString elided
            = painter.fontMetrics().elidedText(shown, Qt::ElideRight, rect.width());
        if (elided != shown) {
            QRect used;
            painter.drawText(rect, alignment & ~Qt::TextShowMnemonic, elided, &used);
            return used.height();
        }
    }
    QRect used;
    painter.drawText(rect, alignment, text, &used);
    return used.height();
}

QString StripAccelerators(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&') {
            if (i + 1 < text.size() && text[i + 1] == u'&')
                result += u'&';
            ++i;
            if (i < text.size() && text[i] != u'&')
                result += text[i];
            continue;
        }
        result += text[i];
    }
    return result;
}

QChar AcceleratorChar(const QString& text)
{
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] != u'&')
            return text[i + 1];
        ++i;
    }
    return {};
}

namespace {

// Inverts the dotted outline straight in an image's memory: drawing thousands of single XOR points
// through the raster engine costs more than the rest of a small control's paint. Only for a plain
// 32-bit image, a translating painter and no clip; anything else takes the painter's path.
bool invertFocusDotsInImage(QPainter& painter, const QRect& rect)
{
    QPaintDevice* device = painter.device();
    if (!device || device->devType() != QInternal::Image || painter.hasClipping())
        return false;
    const QTransform transform = painter.deviceTransform();
    if (transform.type() > QTransform::TxTranslate)
        return false;
    auto* image = static_cast<QImage*>(device);
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32
        && format != QImage::Format_ARGB32_Premultiplied)
        return false;
    const QRect r = rect.translated(qRound(transform.dx()), qRound(transform.dy()));
    const QRect bounds = image->rect();
    // Colour bits only, as XOR with opaque white in the raster engine leaves alpha alone.
    auto flip = [&](int x, int y) {
        if (((x + y) & 1) == 0 && bounds.contains(x, y))
            reinterpret_cast<QRgb*>(image->scanLine(y))[x] ^= 0x00FFFFFFu;
    };
    for (int x = r.left(); x <= r.right(); ++x) {
        flip(x, r.top());
        if (r.bottom() != r.top())
            flip(x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        flip(r.left(), y);
        if (r.right() != r.left())
            flip(r.right(), y);
    }
    return true;
}

} // namespace

void DrawFocusRect(QPainter& painter, const QRect& rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    if (invertFocusDotsInImage(painter, rect))
        return;
    // The outline's pixels, each once: inverting a corner twice would undo it.
    QPolygon outline;
    for (int x = rect.left(); x <= rect.right(); ++x) {
        outline << QPoint(x, rect.top());
        if (rect.bottom() != rect.top())
            outline << QPoint(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        outline << QPoint(rect.left(), y);
        if (rect.right() != rect.left())
            outline << QPoint(rect.right(), y);
    }
    // The checkerboard is fixed to device pixels, so it does not shift with the painter's origin.
    const QPoint origin = painter.deviceTransform().map(QPoint(0, 0));
    QPolygon dots;
    for (const QPoint& p : outline)
        if (((p.x() + origin.x() + p.y() + origin.y()) & 1) == 0)
            dots << p;

    PainterStateGuard guard(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBrush(Qt::NoBrush);
    const bool canInvert
        = painter.paintEngine() && painter.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    if (canInvert) {
        painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        painter.setPen(QPen(QColor(255, 255, 255), 0));
    } else {
        painter.setPen(QPen(painter.pen().color(), 0));
    }
    painter.drawPoints(dots);
}
