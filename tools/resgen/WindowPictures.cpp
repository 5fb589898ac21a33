// Window pictures: the notice window background, the MDI control buttons, message icons.
#include "Paint.h"
#include "Registry.h"

namespace resgen {
namespace {

// The close box of the notice window; clicks inside it close the window at once.
constexpr QRect kNoticeClose(162, 6, 14, 14); // (162, 6) to (175, 19) inclusive

QImage notice()
{
    QImage img = blank(181, 116, Qt::white);
    Canvas p(&img);
    const QRectF title(0, 0, 181, 26);
    p.fillRect(title,
        vertical(title,
            { { 0, QColor(0xF2, 0xF7, 0xFF) }, { 0.5, QColor(0xD6, 0xE6, 0xFC) },
                { 0.52, QColor(0xC4, 0xDA, 0xFA) }, { 1, QColor(0xB4, 0xCE, 0xF4) } }));
    const QRectF body(0, 26, 181, 90);
    p.fillRect(
        body, vertical(body, { { 0, QColor(0xFF, 0xFF, 0xFF) }, { 1, QColor(0xDC, 0xE8, 0xFA) } }));
    // A quiet watermark arc in the lower right of the message area.
    p.setPen(QPen(QColor(0xC8, 0xDA, 0xF4), 10));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(176, 118), 40, 40);
    p.setRenderHint(QPainter::Antialiasing, false);
    {
        const AlignedStrokes aligned(p);
        p.setPen(QColor(0x8E, 0xAE, 0xE0));
        p.drawLine(1, 26, 179, 26);
        p.setPen(QColor(0xFF, 0xFF, 0xFF));
        p.drawLine(1, 27, 179, 27);
        p.setPen(QColor(0x3A, 0x5A, 0x9A));
        p.drawRect(0, 0, 180, 115);
        p.setPen(QColor(0xFF, 0xFF, 0xFF));
        p.drawLine(1, 1, 179, 1);
        // Close box and its cross, wholly inside the clickable square.
        p.setPen(QColor(0x5A, 0x78, 0xB0));
        p.setBrush(vertical(
            kNoticeClose, { { 0, QColor(0xFF, 0xFF, 0xFF) }, { 1, QColor(0xC6, 0xD8, 0xF4) } }));
        p.drawRect(kNoticeClose.adjusted(0, 0, -1, -1));
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    drawCross(p, QRectF(kNoticeClose).adjusted(4, 4, -4, -4), QColor(0x1E, 0x3C, 0x82), 1.6);
    return img;
}

// Minimize, restore, close; the MDI menu bar draws them transparently (bottom-left key).
QImage mdiControlButtons()
{
    std::vector<QImage> frames;
    for (int k = 0; k < 3; ++k) {
        QImage f = blank(16, 16, kKey);
        Canvas p(&f);
        p.setRenderHint(QPainter::Antialiasing, false);
        {
            const AlignedStrokes aligned(p);
            p.setPen(QColor(0x80, 0x80, 0x80));
            p.setBrush(QColor(0xF4, 0xF4, 0xF4));
            p.drawRect(1, 1, 13, 13);
            p.setPen(QColor(0xFF, 0xFF, 0xFF));
            p.drawLine(2, 2, 13, 2);
            p.drawLine(2, 2, 2, 13);
        }
        const QColor ink(0x20, 0x20, 0x20);
        if (k == 0) {
            p.fillRect(QRect(4, 10, 7, 2), ink);
        } else if (k == 1) {
            p.setPen(ink);
            p.setBrush(Qt::NoBrush);
            {
                const AlignedStrokes aligned(p);
                p.drawRect(6, 4, 5, 4);
                p.drawLine(6, 5, 11, 5);
            }
            p.fillRect(QRect(4, 7, 6, 5), QColor(0xF4, 0xF4, 0xF4));
            {
                const AlignedStrokes aligned(p);
                p.drawRect(4, 7, 5, 4);
                p.drawLine(4, 8, 9, 8);
            }
        } else {
            p.setRenderHint(QPainter::Antialiasing, true);
            drawCross(p, QRectF(4.5, 4.5, 7, 7), ink, 1.6);
        }
        frames.push_back(f);
    }
    return hstrip(frames);
}

// Warning, error, information, confirmation: 42-pixel icons on the key.
QImage messageIcons()
{
    std::vector<QImage> frames;
    for (int k = 0; k < 4; ++k) {
        QImage f = blank(42, 42, QColor(0xE8, 0xE8, 0xE8));
        Canvas p(&f);
        QPainterPath shape;
        QString mark;
        if (k == 0) {
            shape.moveTo(21, 3);
            shape.lineTo(39.5, 37);
            shape.lineTo(2.5, 37);
            shape.closeSubpath();
            p.setPen(QPen(QColor(0x9A, 0x6A, 0x00), 1.5));
            p.setBrush(vertical(QRectF(0, 3, 42, 34),
                { { 0, QColor(0xFF, 0xE8, 0x6A) }, { 1, QColor(0xF2, 0xB2, 0x10) } }));
            p.drawPath(shape);
            mark = QStringLiteral("!");
        } else {
            shape.addEllipse(QRectF(3, 3, 36, 36));
            const QColor a = k == 1 ? QColor(0xFF, 0x8A, 0x7A)
                : k == 2            ? QColor(0x8C, 0xBC, 0xFF)
                                    : QColor(0x8A, 0xD8, 0x8A);
            const QColor b = k == 1 ? QColor(0xC0, 0x1A, 0x10)
                : k == 2            ? QColor(0x1E, 0x52, 0xC8)
                                    : QColor(0x1E, 0x8A, 0x2E);
            p.setPen(QPen(b.darker(140), 1.5));
            p.setBrush(vertical(QRectF(3, 3, 36, 36), { { 0, a }, { 1, b } }));
            p.drawPath(shape);
            mark = k == 1 ? QStringLiteral("\u00D7")
                : k == 2  ? QStringLiteral("i")
                          : QStringLiteral("?");
        }
        QFont font(QStringLiteral("DejaVu Serif"));
        font.setBold(true);
        font.setPixelSize(k == 1 ? 30 : 24);
        p.setFont(font);
        p.setPen(k == 0 ? QColor(0x30, 0x20, 0x00) : QColor(Qt::white));
        p.drawText(QRectF(0, k == 0 ? 8 : 2, 42, 36), Qt::AlignCenter, mark);
        p.end();
        keyOutside(f, shape);
        frames.push_back(f);
    }
    return hstrip(frames);
}

const int registered = registerPictures({
    skinPicture("MSNPOPFORM", "Shared", notice),
    skinPicture("MDI_CONTROL_BUTTON", "Shared", mdiControlButtons),
    skinPicture("MSGDLG", "Shared", messageIcons),
});

} // namespace
} // namespace resgen
