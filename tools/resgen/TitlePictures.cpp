// Title bars: the left, stretched centre and right pictures, and the 18-frame caption button
// strip (control box, help, maximize, restore, minimize, close; each normal, mouse-on, down).
#include "Paint.h"
#include "Registry.h"

#include <algorithm>

namespace resgen {
namespace {

enum class State { Normal, Hot, Down };
enum class Glyph { ControlBox, Help, Max, Restore, Min, Close };
constexpr Glyph kGlyphs[]
    = { Glyph::ControlBox, Glyph::Help, Glyph::Max, Glyph::Restore, Glyph::Min, Glyph::Close };

int titleHeight(Style s)
{
    switch (s) {
    case Style::MacOS:
    case Style::Protein:
        return 23;
    case Style::WinXP:
        return 29;
    case Style::DeepBlue:
        return 32;
    case Style::BlueGlass:
        return 33;
    }
    return 23;
}

QColor borderOf(Style s)
{
    return itemColor(s, SuiItem::FormBorderColor);
}

int borderWidthOf(Style s)
{
    return itemInt(s, SuiItem::FormBorderWidthInt);
}

int cornerOf(Style s)
{
    return itemInt(s, SuiItem::FormRoundCornerInt);
}

// The band every title picture of a style shares, so the three pieces and the opaque
// buttons meet without a seam. Only vertical variation: the centre piece is stretched.
void paintBand(QPainter& p, Style s, int width)
{
    const int h = titleHeight(s);
    const QRectF r(0, 0, width, h);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    switch (s) {
    case Style::MacOS: {
        // Light brushed metal lit from above: near-white under the top highlight, falling to
        // silver, the fall steepening softly past the middle like a polished bar.
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0xFD, 0xFD, 0xFD) }, { 0.42, QColor(0xEA, 0xEA, 0xEA) },
                    { 0.62, QColor(0xD6, 0xD6, 0xD6) }, { 1, QColor(0xBC, 0xBC, 0xBC) } }));
        // A sheen over the upper half that fades out without an edge.
        const QRectF sheen(0, 1, width, h * 0.5);
        p.fillRect(sheen,
            vertical(
                sheen, { { 0, QColor(255, 255, 255, 170) }, { 1, QColor(255, 255, 255, 0) } }));
        // Pinstripes kept faint, so they read as texture and not as lines.
        for (int y = 3; y < h - 2; y += 2)
            p.fillRect(QRect(0, y, width, 1), QColor(0, 0, 0, 12));
        p.fillRect(QRect(0, 0, width, 1), borderOf(s));
        p.fillRect(QRect(0, 1, width, 1), QColor(0xFF, 0xFF, 0xFF));
        p.fillRect(QRect(0, h - 2, width, 1), QColor(0xB4, 0xB4, 0xB4));
        p.fillRect(QRect(0, h - 1, width, 1), QColor(0x86, 0x86, 0x86));
        break;
    }
    case Style::WinXP:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0x00, 0x58, 0xEE) }, { 0.1, QColor(0x3D, 0x95, 0xFF) },
                    { 0.24, QColor(0x1E, 0x6E, 0xF4) }, { 0.62, QColor(0x02, 0x56, 0xE6) },
                    { 0.86, QColor(0x00, 0x4F, 0xDC) }, { 1, QColor(0x00, 0x3D, 0xCC) } }));
        p.fillRect(QRect(0, 0, width, 1), borderOf(s));
        break;
    case Style::DeepBlue: {
        // One deep navy body from edge to edge, deepening smoothly, so the caption row and the
        // rows beneath it read as one bar.
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0x2E, 0x3C, 0x92) }, { 0.4, QColor(0x1E, 0x29, 0x74) },
                    { 1, QColor(0x10, 0x17, 0x4A) } }));
        const QRectF sheen(0, 2, width, h * 0.5);
        p.fillRect(sheen,
            vertical(sheen, { { 0, QColor(255, 255, 255, 34) }, { 1, QColor(255, 255, 255, 0) } }));
        p.fillRect(QRect(0, 0, width, 1), borderOf(s));
        p.fillRect(QRect(0, 1, width, 1), QColor(0x58, 0x66, 0xC0));
        p.fillRect(QRect(0, h - 1, width, 1), QColor(0x08, 0x0C, 0x2C));
        break;
    }
    case Style::Protein:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0x74, 0x77, 0x7D) }, { 0.45, QColor(0x4A, 0x4D, 0x52) },
                    { 0.55, QColor(0x3A, 0x3C, 0x40) }, { 1, QColor(0x2E, 0x2F, 0x32) } }));
        p.fillRect(QRect(0, 1, width, 1), QColor(0xB8, 0xBB, 0xC0));
        p.fillRect(QRect(0, 0, width, 1), QColor(0, 0, 0));
        p.fillRect(QRect(0, h - 1, width, 1), QColor(0x1C, 0x1D, 0x1F));
        break;
    case Style::BlueGlass:
        // The glass edge runs above the caption row, so the white caption stands on deep blue.
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0xA8, 0xCC, 0xFF) }, { 0.22, QColor(0x6E, 0x9C, 0xF0) },
                    { 0.25, QColor(0x32, 0x66, 0xD6) }, { 0.85, QColor(0x2C, 0x5E, 0xD2) },
                    { 1, QColor(0x4C, 0x86, 0xEC) } }));
        p.fillRect(QRect(0, 1, width, 1), QColor(0xE8, 0xF2, 0xFF));
        p.fillRect(QRect(0, 0, width, 1), QColor(0, 0, 0));
        p.fillRect(QRect(0, h - 1, width, 1), QColor(0x1A, 0x3C, 0x96));
        break;
    }
    p.restore();
}

QImage band(Style s, int width)
{
    QImage img = blank(width, titleHeight(s), Qt::black);
    QPainter p(&img);
    paintBand(p, s, width);
    return img;
}

// Where the window region rounds a top corner (an ellipse `corner` pixels across), the
// picture shows the form colour outside and the border arc along the curve.
void roundTopCorner(QPainter& p, Style s, int width, bool right)
{
    const int corner = cornerOf(s);
    if (corner == 0)
        return;
    const int bw = borderWidthOf(s);
    const qreal left = right ? width - corner : 0;
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath outside;
    outside.addRect(right ? width - corner / 2.0 : 0, 0, corner / 2.0, corner / 2.0);
    QPainterPath round;
    round.addEllipse(QRectF(left, 0, corner, corner));
    p.fillPath(outside.subtracted(round), look(s).formBg);
    p.setPen(QPen(borderOf(s), bw));
    p.setBrush(Qt::NoBrush);
    p.drawArc(
        QRectF(left + bw / 2.0, bw / 2.0, corner - bw, corner - bw), right ? 0 : 90 * 16, 90 * 16);
    p.restore();
}

// DeepBlue's end caps: a brighter royal plate behind the control box and one behind the
// caption buttons, each with a lit inner edge and a rounded lower corner, so the bar has two
// finished ends instead of running out into the window edge.
void deepBlueCap(QPainter& p, int width, int h, bool right)
{
    // Inner edge: clear of the control box (columns 3 to 21) and of the caption (from 27) on
    // the left, and of the three buttons (the last 62 columns) on the right.
    const qreal edge = right ? 66.5 : 23.5;
    const qreal radius = 7;
    // A rounded rectangle reaching past the picture on three sides: only its lower inner
    // corner shows, so the plate meets the top edge square and runs out of the window edge.
    const QRectF plateRect = right ? QRectF(width - edge, -20, edge + 20, h - 0.5 + 20)
                                   : QRectF(-20, -20, edge + 20, h - 0.5 + 20);
    const QPainterPath plate = roundedRect(plateRect, radius);
    const QRectF r(0, 0, width, h);
    p.save();
    p.setPen(Qt::NoPen);
    // A one-pixel shadow on the band side, so the plate stands slightly raised.
    p.setBrush(QColor(0x06, 0x0A, 0x2A, 150));
    p.drawPath(plate.translated(right ? -1 : 1, 1));
    p.setBrush(vertical(r,
        { { 0, QColor(0x64, 0x72, 0xD4) }, { 0.45, QColor(0x3A, 0x48, 0xA8) },
            { 1, QColor(0x22, 0x2C, 0x78) } }));
    p.drawPath(plate);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0xA8, 0xB2, 0xF4, 220), 1));
    p.drawPath(roundedRect(plateRect.adjusted(0.5, 0.5, -0.5, -0.5), radius - 0.5));
    p.restore();
    // The outer lines run on over the plate: black top edge, lit line, dark base.
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(QRect(0, 0, width, 1), borderOf(Style::DeepBlue));
    const int from = right ? width - int(edge) : 0, to = right ? width : int(edge);
    p.fillRect(QRect(from, 1, to - from, 1), QColor(0xB0, 0xBA, 0xF6));
    p.fillRect(QRect(0, h - 1, width, 1), QColor(0x08, 0x0C, 0x2C));
    p.restore();
}

// Left piece: the band with the window's left border and, where the frame rounds its top
// corners, the arc; outside the arc the window region cuts the pixels away anyway.
QImage leftPiece(Style s, int width)
{
    QImage img = band(s, width);
    const int h = logicalSize(img).height();
    Canvas p(&img);
    if (s == Style::Protein) {
        // A silver sheen behind the caption that fades into the plain graphite band.
        QRectF glow(0, 2, width, h - 3);
        // Bright only behind the control box; faint where the white caption begins.
        p.fillRect(glow,
            horizontal(glow,
                { { 0, QColor(0xC8, 0xCC, 0xD2, 120) }, { 0.05, QColor(0x9A, 0x9E, 0xA6, 36) },
                    { 0.25, QColor(0x9A, 0x9E, 0xA6, 20) },
                    { 0.9, QColor(0x4A, 0x4D, 0x52, 0) } }));
        p.setPen(QPen(QColor(255, 255, 255, 26), 1));
        for (int x = -h; x < width * 0.6; x += 6)
            p.drawLine(QPointF(x, h - 1), QPointF(x + h, 1));
    }
    if (s == Style::DeepBlue)
        deepBlueCap(p, width, h, false);
    if (s == Style::BlueGlass) {
        // Glare on the glass at the left end.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 55));
        p.drawEllipse(QRectF(-30, -12, 150, 20));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor border = borderOf(s);
    const int bw = borderWidthOf(s);
    // The frame paints the border itself and shows this picture's first columns just inside
    // it, so a one-pixel border must not be drawn here as well. The wide WinXP border is
    // drawn so the rounded top band stays one colour.
    if (bw > 1)
        p.fillRect(QRect(0, 0, bw, h), border);
    if (s == Style::MacOS)
        p.fillRect(QRect(0, 1, 1, h - 2), QColor(0xFF, 0xFF, 0xFF));
    roundTopCorner(p, s, width, false);
    return img;
}

QImage rightPiece(Style s, int width)
{
    QImage img = band(s, width);
    const int h = logicalSize(img).height();
    if (width <= 1)
        return img; // Protein's one column is the band; the frame stretches it into the edge
    Canvas p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    const int bw = borderWidthOf(s);
    if (bw > 1)
        p.fillRect(QRect(width - bw, 0, bw, h), borderOf(s));
    if (s == Style::MacOS)
        p.fillRect(QRect(width - 1, 1, 1, h - 2), QColor(0xD8, 0xD8, 0xD8));
    if (s == Style::DeepBlue) {
        p.setRenderHint(QPainter::Antialiasing, true);
        deepBlueCap(p, width, h, true);
    }
    roundTopCorner(p, s, width, true);
    return img;
}

void drawGlyph(QPainter& p, Glyph g, const QRectF& r, const QColor& c, qreal w)
{
    p.save();
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal x = r.left(), y = r.top(), s = r.width();
    switch (g) {
    case Glyph::ControlBox: {
        // Three menu lines: the window menu, unlike the maximize box beside it.
        const qreal bar = std::max<qreal>(1.5, w);
        for (qreal at : { 0.1, 0.5, 0.9 })
            p.fillRect(QRectF(x, y + (s - bar) * at, s, bar), c);
        break;
    }
    case Glyph::Help: {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(int(s * 1.35));
        p.setFont(f);
        p.drawText(r.adjusted(-3, -3, 3, 3), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    case Glyph::Max:
        p.drawRect(QRectF(x + 0.5, y + 0.5, s - 1, s - 1));
        p.fillRect(QRectF(x, y, s, 2), c);
        break;
    case Glyph::Restore: {
        const qreal t = s * 0.68;
        p.drawRect(QRectF(x + s - t + 0.5, y + 0.5, t - 1, t - 1));
        p.fillRect(QRectF(x + s - t, y, t, 2), c);
        p.fillRect(QRectF(x, y + s - t, t, t), Qt::transparent);
        p.drawRect(QRectF(x + 0.5, y + s - t + 0.5, t - 1, t - 1));
        p.fillRect(QRectF(x, y + s - t, t, 2), c);
        break;
    }
    case Glyph::Min:
        p.fillRect(QRectF(x + s * 0.15, y + s - 2.5, s * 0.7, 2.5), c);
        break;
    case Glyph::Close:
        p.setPen(QPen(c, w + 0.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + 1, y + 1), QPointF(x + s - 1, y + s - 1));
        p.drawLine(QPointF(x + s - 1, y + 1), QPointF(x + 1, y + s - 1));
        break;
    }
    p.restore();
}

int buttonSize(Style s)
{
    return s == Style::MacOS ? 17 : s == Style::WinXP ? 21 : 19;
}

// Image row the buttons stand on: the opaque ones copy the band there.
int buttonTop(Style s)
{
    return itemInt(s, SuiItem::TitleBarButtonTopInt);
}

QImage titleButton(Style s, Glyph g, State st)
{
    const int n = buttonSize(s);
    const bool danger = g == Glyph::Close;
    QImage f = blank(n, n, kKey);
    {
        // Opaque styles stand on their own band; the keyed ones on a neutral for clean rims.
        QImage b = band(s, n);
        QPainter bp(&f);
        bp.drawImage(0, -buttonTop(s), b);
    }
    Canvas p(&f);
    const QRectF cell(0, 0, n, n);
    QColor glyph = Qt::white;
    qreal glyphWidth = 1.6;
    QRectF glyphBox = cell.adjusted(n * 0.3, n * 0.3, -n * 0.3, -n * 0.3);
    QPainterPath shape;
    switch (s) {
    case Style::MacOS: {
        // Round jewels: grey at rest, blue (red for close) under the mouse.
        const QRectF gem(1, 1, n - 2, n - 2);
        QColor a(0xFC, 0xFC, 0xFC), b(0xB8, 0xB8, 0xB8), rim(0x86, 0x86, 0x86);
        if (st != State::Normal) {
            a = danger ? QColor(0xFF, 0xB0, 0xA0) : QColor(0xB6, 0xD6, 0xFF);
            b = danger ? QColor(0xD8, 0x3A, 0x2A) : QColor(0x39, 0x73, 0xC4);
            rim = danger ? QColor(0x9A, 0x22, 0x18) : QColor(0x23, 0x4F, 0x94);
        }
        if (st == State::Down)
            std::swap(a, b);
        p.setPen(QPen(rim, 1));
        p.setBrush(vertical(gem, { { 0, a }, { 1, b } }));
        p.drawEllipse(gem.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 150));
        p.drawEllipse(QRectF(4, 2, n - 8, 5));
        glyph = st == State::Normal ? QColor(0x40, 0x40, 0x40) : QColor(Qt::white);
        glyphBox = cell.adjusted(5, 5, -5, -5);
        glyphWidth = 1.3;
        break;
    }
    case Style::WinXP: {
        const QRectF box(0.5, 0.5, n - 1, n - 1);
        QColor a = danger ? QColor(0xF0, 0x9C, 0x80) : QColor(0x7E, 0xB2, 0xFF);
        QColor b = danger ? QColor(0xD3, 0x44, 0x1C) : QColor(0x1E, 0x5E, 0xE8);
        if (st == State::Hot)
            a = a.lighter(118), b = b.lighter(120);
        if (st == State::Down)
            a = b.darker(125), b = b.darker(105);
        p.setPen(QPen(Qt::white, 1));
        p.setBrush(vertical(box, { { 0, a }, { 0.45, mix(a, b, 0.6) }, { 1, b } }));
        p.drawRoundedRect(box, 3, 3);
        glyphBox = cell.adjusted(6, 6, -6, -6);
        glyphWidth = 2.0;
        break;
    }
    case Style::DeepBlue: {
        // Navy plates as the scroll buttons and checked boxes draw them: a navy-black outline,
        // a lit line along the top and the left, the face deepening downward.
        QColor a(0x4A, 0x5A, 0xB8), b(0x1B, 0x25, 0x66), lit(0x8A, 0x96, 0xE0);
        if (st == State::Hot)
            a = QColor(0x66, 0x76, 0xD6), b = QColor(0x2A, 0x36, 0x8C),
            lit = QColor(0xB4, 0xBE, 0xF4);
        if (st == State::Down)
            a = QColor(0x12, 0x1A, 0x50), b = QColor(0x2E, 0x3A, 0x90),
            lit = QColor(0x2A, 0x34, 0x78);
        if (danger && st != State::Normal)
            a = QColor(0xD0, 0x56, 0x5E), b = QColor(0x7A, 0x14, 0x24),
            lit = QColor(0xF0, 0xA8, 0xAC);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.fillRect(QRect(0, 0, n, n), QColor(0x0B, 0x12, 0x38));
        const QRect face(1, 1, n - 2, n - 2);
        p.fillRect(face, vertical(face, { { 0, a }, { 1, b } }));
        lit.setAlpha(170);
        p.fillRect(QRect(1, 1, n - 2, 1), lit);
        p.fillRect(QRect(1, 1, 1, n - 2), lit);
        p.setRenderHint(QPainter::Antialiasing, true);
        glyphBox = cell.adjusted(5, 5, -5, -5);
        break;
    }
    case Style::Protein: {
        // Brushed silver plates with the push buttons' square-cut look and outline, the
        // corners eased just enough to sit on the key (the title draws them transparently).
        f.fill(QColor(0x4A, 0x4D, 0x52));
        const QRectF plate(0.5, 0.5, n - 1, n - 1);
        QColor a(0xFA, 0xFA, 0xFA), b(0xE6, 0xE7, 0xE9), c(0xC4, 0xC7, 0xCC), d(0xE4, 0xE5, 0xE8);
        if (st == State::Hot) {
            a = QColor(0xFF, 0xFF, 0xFF), b = QColor(0xEE, 0xF2, 0xF8);
            c = danger ? QColor(0xD8, 0x9A, 0x94) : QColor(0xB4, 0xC4, 0xDC);
            d = danger ? QColor(0xEE, 0xD0, 0xCC) : QColor(0xDE, 0xE6, 0xF2);
        }
        if (st == State::Down)
            a = QColor(0x9C, 0xA0, 0xA6), b = QColor(0xB4, 0xB7, 0xBC),
            c = QColor(0xC2, 0xC5, 0xCA), d = QColor(0xD4, 0xD6, 0xDA);
        p.setPen(QPen(QColor(0x2B, 0x2B, 0x2B), 1));
        p.setBrush(vertical(plate, { { 0, a }, { 0.48, b }, { 0.52, c }, { 1, d } }));
        p.drawRoundedRect(plate, 2.5, 2.5);
        shape.addRoundedRect(QRectF(0, 0, n, n), 3, 3);
        glyph = QColor(0x2B, 0x2B, 0x2B);
        glyphBox = cell.adjusted(5.5, 5.5, -5.5, -5.5);
        glyphWidth = 1.6;
        break;
    }
    case Style::BlueGlass: {
        f.fill(QColor(0x4C, 0x7E, 0xE4));
        const QRectF gem(0.5, 0.5, n - 1, n - 1);
        QColor a = danger ? QColor(0xFF, 0xB8, 0xA8) : QColor(0xC4, 0xDE, 0xFF);
        QColor b = danger ? QColor(0xD8, 0x30, 0x20) : QColor(0x1E, 0x52, 0xC8);
        if (st == State::Hot)
            a = a.lighter(108), b = b.lighter(130);
        if (st == State::Down)
            std::swap(a, b);
        p.setPen(QPen(QColor(0x10, 0x26, 0x6E), 1));
        p.setBrush(vertical(gem, { { 0, a }, { 0.5, mix(a, b, 0.7) }, { 1, b.lighter(125) } }));
        p.drawRoundedRect(gem, 6, 6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 110));
        p.drawRoundedRect(QRectF(2.5, 1.5, n - 5, n * 0.42), 4, 4);
        shape.addRoundedRect(QRectF(0, 0, n, n), 6.4, 6.4);
        glyphBox = cell.adjusted(5.5, 5.5, -5.5, -5.5);
        glyphWidth = 1.8;
        break;
    }
    }
    if (st == State::Down)
        glyphBox.translate(0.5, 0.5);
    drawGlyph(p, g, glyphBox, glyph, glyphWidth);
    p.end();
    if (!shape.isEmpty()) {
        keyOutside(f, shape);
        // The title picks the key from the bottom-left pixel; keep it the key whatever the shape.
        setLogicalPixel(f, 0, n - 1, kKey);
    }
    return f;
}

QImage buttonStrip(Style s)
{
    std::vector<QImage> frames;
    for (Glyph g : kGlyphs)
        for (State st : { State::Normal, State::Hot, State::Down })
            frames.push_back(titleButton(s, g, st));
    return hstrip(frames);
}

#define SUI_TITLE(STYLE, LEFT, CLIENT, RIGHT)                                                      \
    itemPicture(                                                                                   \
        Style::STYLE, SuiItem::TitleBarButtonImage, [] { return buttonStrip(Style::STYLE); }),     \
        itemPicture(Style::STYLE, SuiItem::TitleBarLeftImage,                                      \
            [] { return leftPiece(Style::STYLE, LEFT); }),                                         \
        itemPicture(Style::STYLE, SuiItem::TitleBarClientImage,                                    \
            [] { return band(Style::STYLE, CLIENT); }),                                            \
        itemPicture(Style::STYLE, SuiItem::TitleBarRightImage,                                     \
            [] { return rightPiece(Style::STYLE, RIGHT); })

// The browser windows' own title bar, stored with their form descriptions: the BlueGlass
// glass with the program's amber accent running under the caption, so the bar ties in with
// the banner below it. Same sizes as BlueGlass, so the built-in offsets fit.
const QColor kProgramAmber(0xF2, 0xB1, 0x34);

QImage programLeft()
{
    QImage img = leftPiece(Style::BlueGlass, 162);
    const int h = logicalSize(img).height();
    Canvas p(&img);
    p.setRenderHint(QPainter::Antialiasing, false);
    // Along the bar's foot, just above the dark base line, with a softer row above it; fades
    // out before the piece ends so the stretched centre carries on plain.
    auto accent = [&](int row, int alpha) {
        const QRectF line(20, row, 142, 1);
        QColor amber = kProgramAmber, none = kProgramAmber;
        amber.setAlpha(alpha);
        none.setAlpha(0);
        p.fillRect(
            line, horizontal(line, { { 0, none }, { 0.1, amber }, { 0.45, amber }, { 1, none } }));
    };
    accent(h - 2, 255);
    accent(h - 3, 90);
    return img;
}

Picture programPicture(const char* name, std::function<QImage()> draw)
{
    Picture picture { QString::fromLatin1(name), QStringLiteral("browser"),
        QStringLiteral("Browser"), FileFormat::Bmp, std::move(draw) };
    picture.twice = true;
    return picture;
}

#define PROGRAM_BUTTON(NAME, STYLE, GLYPH)                                                         \
    programPicture(                                                                                \
        NAME "_NORMAL", [] { return titleButton(Style::STYLE, Glyph::GLYPH, State::Normal); }),    \
        programPicture(                                                                            \
            NAME "_MOUSEON", [] { return titleButton(Style::STYLE, Glyph::GLYPH, State::Hot); }),  \
        programPicture(NAME "_MOUSEDOWN",                                                          \
            [] { return titleButton(Style::STYLE, Glyph::GLYPH, State::Down); })

const int registered = registerPictures({
    programPicture("TITLE_LEFT", programLeft),
    programPicture("TITLE_CLIENT", [] { return band(Style::BlueGlass, 179); }),
    programPicture("TITLE_RIGHT", [] { return rightPiece(Style::BlueGlass, 101); }),
    // The control box is the program's mark (BrowserPictures). The maximise button is DeepBlue's:
    // the frame swaps in its strip on every resize anyway.
    PROGRAM_BUTTON("TITLE_CLOSE", BlueGlass, Close),
    PROGRAM_BUTTON("TITLE_MAX", DeepBlue, Max),
    PROGRAM_BUTTON("TITLE_MIN", BlueGlass, Min),
    SUI_TITLE(MacOS, 48, 49, 48),
    SUI_TITLE(WinXP, 35, 37, 35),
    SUI_TITLE(DeepBlue, 97, 98, 97),
    SUI_TITLE(Protein, 441, 1, 1),
    SUI_TITLE(BlueGlass, 162, 179, 101),
});

} // namespace
} // namespace resgen
