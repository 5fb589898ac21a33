// Small glyphs: combo box drop-down buttons, navigator buttons, the size grip, the preview
// magnifier and the font kind marks.
#include "Paint.h"
#include "Registry.h"

namespace resgen {
namespace {

QImage comboButton(Style s, int h)
{
    QImage img = blank(16, h, Qt::white);
    Canvas p(&img);
    const QRectF r(0.5, 0.5, 15, h - 1);
    if (s == Style::MacOS) {
        p.setPen(QPen(QColor(0x23, 0x4F, 0x94), 1));
        p.setBrush(vertical(r,
            { { 0, QColor(0xC6, 0xDE, 0xFF) }, { 0.5, QColor(0x6C, 0xA4, 0xEE) },
                { 0.52, QColor(0x39, 0x73, 0xC4) }, { 1, QColor(0x8C, 0xBC, 0xF4) } }));
        p.drawRoundedRect(r, 3, 3);
        drawArrow(p, QRectF(0, 0, 16, h), Arrow::Down, 3.5, Qt::white);
    } else {
        p.setPen(QPen(QColor(0xB4, 0xC8, 0xF6), 1));
        p.setBrush(
            vertical(r, { { 0, QColor(0xE6, 0xEE, 0xFF) }, { 1, QColor(0xB0, 0xC8, 0xFA) } }));
        p.drawRoundedRect(r, 2, 2);
        drawArrow(p, QRectF(0, 0, 16, h), Arrow::Down, 3.5, QColor(0x4D, 0x61, 0x85));
    }
    return img;
}

// First, prior, next, last, insert, delete, edit, post, cancel, refresh.
QImage navigatorButtons()
{
    std::vector<QImage> frames;
    const QColor ink(0x1B, 0x27, 0x5E);
    for (int k = 0; k < 10; ++k) {
        QImage f = blank(16, 16, kKey);
        // Crisp glyphs: anti-aliasing would blend the ink into the key colour.
        QPainter p(&f);
        const QRectF c(0, 0, 16, 16);
        switch (k) {
        case 0:
            p.fillRect(QRectF(4, 4, 2, 8), ink);
            drawArrow(p, c.translated(1.5, 0), Arrow::Left, 4, ink);
            break;
        case 1:
            drawArrow(p, c, Arrow::Left, 4, ink);
            break;
        case 2:
            drawArrow(p, c, Arrow::Right, 4, ink);
            break;
        case 3:
            p.fillRect(QRectF(10, 4, 2, 8), ink);
            drawArrow(p, c.translated(-1.5, 0), Arrow::Right, 4, ink);
            break;
        case 4:
            p.fillRect(QRectF(3, 7, 10, 2), ink);
            p.fillRect(QRectF(7, 3, 2, 10), ink);
            break;
        case 5:
            p.fillRect(QRectF(3, 7, 10, 2), ink);
            break;
        case 6:
            drawArrow(p, c, Arrow::Up, 4, ink);
            break;
        case 7:
            drawTick(p, QRectF(3, 4, 10, 8), QColor(0x1E, 0x8A, 0x2E), 2);
            break;
        case 8:
            drawCross(p, QRectF(4, 4, 8, 8), QColor(0xB0, 0x1A, 0x10), 2);
            break;
        case 9: {
            p.setPen(QPen(ink, 1.8, Qt::SolidLine, Qt::RoundCap));
            p.drawArc(QRectF(3.5, 3.5, 9, 9), 60 * 16, 280 * 16);
            drawArrow(p, QRectF(9, 1, 6, 6), Arrow::Right, 2.5, ink);
            break;
        }
        }
        frames.push_back(f);
    }
    return hstrip(frames);
}

// Three rows of grip dots stepping down to the lower-right corner.
QImage sizeGrip()
{
    QImage img = blank(11, 11, kKey);
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 3; ++col) {
            if (row + col < 2)
                continue;
            const int x = 1 + 3 * col, y = 1 + 3 * row;
            setLogicalPixel(img, x, y, QColor(0xFF, 0xFF, 0xFF));
            setLogicalPixel(img, x + 1, y + 1, QColor(0x80, 0x80, 0x80));
            setLogicalPixel(img, x + 1, y, QColor(0xA0, 0xA0, 0xA0));
            setLogicalPixel(img, x, y + 1, QColor(0xA0, 0xA0, 0xA0));
        }
    return img;
}

QImage previewGlyph()
{
    QImage img = blank(16, 16, QColor(0xE8, 0xE8, 0xE8));
    Canvas p(&img);
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1.5));
    p.setBrush(vertical(
        QRectF(1, 1, 9, 9), { { 0, QColor(0xFF, 0xFF, 0xFF) }, { 1, QColor(0xB6, 0xD6, 0xFF) } }));
    p.drawEllipse(QRectF(1.5, 1.5, 9, 9));
    p.setPen(QPen(QColor(0x6A, 0x4A, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    p.end();
    QPainterPath inside;
    inside.addEllipse(QRectF(0.5, 0.5, 11, 11));
    QPainterPath handle;
    handle.moveTo(8, 10);
    handle.lineTo(10, 8);
    handle.lineTo(16, 14);
    handle.lineTo(14, 16);
    handle.closeSubpath();
    keyOutside(img, inside.united(handle));
    return img;
}

// Two marks for the font list: a scalable outline font and a device (printer) font.
QImage fontMark(bool outline)
{
    QImage img = blank(20, 12, Qt::white);
    Canvas p(&img);
    QFont f(QStringLiteral("DejaVu Serif"));
    f.setBold(true);
    f.setPixelSize(12);
    p.setFont(f);
    if (outline) {
        p.setPen(QColor(0x90, 0x90, 0x90));
        p.drawText(QRectF(2, -1, 10, 13), Qt::AlignCenter, QStringLiteral("T"));
        p.setPen(QColor(0x1E, 0x52, 0xC8));
        p.drawText(QRectF(7, 1, 10, 13), Qt::AlignCenter, QStringLiteral("T"));
    } else {
        p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1));
        p.setBrush(QColor(0xD8, 0xD8, 0xD8));
        p.drawRect(QRectF(3.5, 4.5, 13, 5));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 1.5, 7, 3));
        p.drawRect(QRectF(6.5, 8.5, 7, 3));
        p.fillRect(QRectF(13, 6, 2, 1), QColor(0x21, 0xA1, 0x21));
    }
    return img;
}

const int registered = registerPictures({
    skinPicture("MACOS_COMBOBOX_BUTTON", "MacOS", [] { return comboButton(Style::MacOS, 17); }),
    skinPicture("WINXP_COMBOBOX_BUTTON", "WinXP", [] { return comboButton(Style::WinXP, 18); }),
    skinPicture("DBNAV_BUTTON", "Shared", navigatorButtons),
    skinPicture("STATUSBAR_HANDLE", "Shared", sizeGrip),
    skinPicture("PREVIEWGLYPH", "Shared", previewGlyph),
    skinPicture("FONTCOMBO_TRUETYPE_FNT", "Shared", [] { return fontMark(true); }),
    skinPicture("FONTCOMBO_DEVICE_FNT", "Shared", [] { return fontMark(false); }),
});

} // namespace
} // namespace resgen
