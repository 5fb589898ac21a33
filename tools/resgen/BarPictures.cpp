// Progress fills and track bar pictures (bar: left end, middle, right end; sliders).
#include "Paint.h"
#include "Registry.h"

namespace resgen {
namespace {

// The fill is stretched along the bar, so only its rows carry the look.
QImage progress(Style s, int width)
{
    QImage img = blank(width, 10, Qt::black);
    QPainter p(&img);
    const QRectF r(0, 0, width, 10);
    switch (s) {
    case Style::MacOS:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0xC8, 0xE0, 0xFF) }, { 0.45, QColor(0x6C, 0xA4, 0xEE) },
                    { 0.5, QColor(0x39, 0x73, 0xC4) }, { 1, QColor(0x8C, 0xBC, 0xF4) } }));
        break;
    case Style::WinXP:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0x8C, 0xE0, 0x8C) }, { 0.4, QColor(0x3C, 0xC8, 0x3C) },
                    { 1, QColor(0x1E, 0x9A, 0x1E) } }));
        // Soft lighter edges at both ends of the block, which the stretch turns into a sheen.
        p.fillRect(QRectF(0, 0, 1, 10), QColor(255, 255, 255, 50));
        break;
    case Style::DeepBlue:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0x74, 0x80, 0xDC) }, { 0.5, QColor(0x34, 0x40, 0x9A) },
                    { 1, QColor(0x14, 0x1C, 0x58) } }));
        break;
    case Style::Protein:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0xE2, 0xE4, 0xE8) }, { 0.5, QColor(0x9A, 0x9E, 0xA6) },
                    { 0.55, QColor(0x6E, 0x72, 0x7A) }, { 1, QColor(0x4A, 0x4D, 0x52) } }));
        break;
    case Style::BlueGlass:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0xE0, 0xEE, 0xFF) }, { 0.45, QColor(0x8C, 0xB8, 0xFA) },
                    { 0.5, QColor(0x3A, 0x70, 0xDE) }, { 1, QColor(0x6C, 0xA2, 0xF6) } }));
        break;
    }
    return img;
}

// The groove: three 15-pixel frames, rounded end pieces on the key, a plain middle.
QImage trackBar(Style s, int height)
{
    const Look& l = look(s);
    QImage img = blank(45, height, l.formBg);
    Canvas p(&img);
    const QRectF groove(0.5, 0.5, 44, height - 1);
    QColor a = l.track.darker(118), b = l.track.lighter(104);
    if (s == Style::WinXP)
        a = QColor(0xC4, 0xC1, 0xB2), b = QColor(0xF6, 0xF4, 0xEC);
    if (s == Style::BlueGlass)
        a = QColor(0x6E, 0x9C, 0xE6), b = QColor(0xD6, 0xE8, 0xFF);
    p.setPen(QPen(l.border, 1));
    p.setBrush(vertical(groove, { { 0, a }, { 1, b } }));
    const qreal radius = std::min<qreal>(height / 2.0, 3);
    p.drawRoundedRect(groove, radius, radius);
    p.end();
    keyOutside(img, roundedRect(QRectF(0, 0, 45, height), radius + 0.3), QRect(0, 0, 15, height));
    keyOutside(img, roundedRect(QRectF(0, 0, 45, height), radius + 0.3), QRect(30, 0, 15, height));
    return img;
}

QPainterPath pointer(const QRectF& r, bool vertical)
{
    // A tab with a point: down for the horizontal bar, right for the vertical one.
    QPainterPath path;
    if (!vertical) {
        const qreal tip = r.width() / 2.0;
        path.moveTo(r.left(), r.top() + 1.5);
        path.quadTo(r.left(), r.top(), r.left() + 1.5, r.top());
        path.lineTo(r.right() - 1.5, r.top());
        path.quadTo(r.right(), r.top(), r.right(), r.top() + 1.5);
        path.lineTo(r.right(), r.bottom() - tip);
        path.lineTo(r.center().x(), r.bottom());
        path.lineTo(r.left(), r.bottom() - tip);
    } else {
        const qreal tip = r.height() / 2.0;
        path.moveTo(r.left() + 1.5, r.top());
        path.lineTo(r.right() - tip, r.top());
        path.lineTo(r.right(), r.center().y());
        path.lineTo(r.right() - tip, r.bottom());
        path.lineTo(r.left() + 1.5, r.bottom());
        path.quadTo(r.left(), r.bottom(), r.left(), r.bottom() - 1.5);
        path.lineTo(r.left(), r.top() + 1.5);
        path.quadTo(r.left(), r.top(), r.left() + 1.5, r.top());
    }
    path.closeSubpath();
    return path;
}

QImage slider(Style s, int w, int h, bool upright)
{
    const Look& l = look(s);
    QImage img = blank(w, h, l.formBg);
    Canvas p(&img);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    const QPainterPath shape = pointer(r, upright);
    QColor a = l.faceTop, b = l.faceBottom, rim = l.border;
    if (s == Style::MacOS)
        a = QColor(0xD6, 0xE8, 0xFF), b = QColor(0x39, 0x73, 0xC4), rim = QColor(0x23, 0x4F, 0x94);
    if (s == Style::WinXP)
        a = QColor(0xFF, 0xFF, 0xFF), b = QColor(0xE2, 0xDF, 0xD2), rim = QColor(0x1C, 0x51, 0x80);
    if (s == Style::BlueGlass)
        a = QColor(0xE8, 0xF2, 0xFF), b = QColor(0x4E, 0x86, 0xE8), rim = QColor(0x1E, 0x3C, 0x82);
    QColor grip = rim.lighter(150);
    // DeepBlue and Protein: the plates of their scroll thumbs, navy and brushed silver.
    if (s == Style::DeepBlue)
        a = QColor(0x5A, 0x6A, 0xC8), b = QColor(0x1B, 0x25, 0x66), rim = QColor(0x0B, 0x12, 0x38),
        grip = QColor(255, 255, 255, 170);
    if (s == Style::Protein)
        a = QColor(0xF4, 0xF4, 0xF5), b = QColor(0xA8, 0xAC, 0xB2), rim = QColor(0x2B, 0x2B, 0x2B),
        grip = QColor(0x2B, 0x2B, 0x2B, 120);
    p.setPen(QPen(rim, 1));
    p.setBrush(
        upright ? vertical(r, { { 0, a }, { 1, b } }) : horizontal(r, { { 0, a }, { 1, b } }));
    p.drawPath(shape);
    if (s == Style::WinXP) {
        // The green rim of a slider on the warm face.
        p.setPen(QPen(QColor(0x21, 0xA1, 0x21), 1.4));
        if (upright)
            p.drawLine(QPointF(2, 1.5), QPointF(2, h - 1.5));
        else
            p.drawLine(QPointF(1.5, 2), QPointF(w - 1.5, 2));
    }
    // Grip lines across the body.
    p.setPen(QPen(grip, 1));
    if (upright) {
        for (int x = 4; x < w - h / 2 - 1; x += 3)
            p.drawLine(QPointF(x + 0.5, 3), QPointF(x + 0.5, h - 3));
    } else {
        for (int y = 4; y < h - w / 2 - 1; y += 3)
            p.drawLine(QPointF(3, y + 0.5), QPointF(w - 3, y + 0.5));
    }
    p.end();
    // The horizontal slider is drawn transparently (its bottom-left pixel is the key); the
    // vertical one is opaque on the control's colour.
    if (!upright)
        keyOutside(img, pointer(QRectF(0, 0, w, h), false));
    return img;
}

#define SUI_BARS(STYLE, PW, TBH, SW, SH, VW)                                                       \
    itemPicture(                                                                                   \
        Style::STYLE, SuiItem::ProgressBarImage, [] { return progress(Style::STYLE, PW); }),       \
        itemPicture(                                                                               \
            Style::STYLE, SuiItem::TrackBarBarImage, [] { return trackBar(Style::STYLE, TBH); }),  \
        itemPicture(Style::STYLE, SuiItem::TrackBarSliderImage,                                    \
            [] { return slider(Style::STYLE, SW, SH, false); }),                                   \
        itemPicture(Style::STYLE, SuiItem::TrackBarSliderVImage,                                   \
            [] { return slider(Style::STYLE, VW, 11, true); })

const int registered = registerPictures({
    SUI_BARS(MacOS, 13, 5, 11, 20, 19),
    SUI_BARS(WinXP, 6, 8, 11, 21, 22),
    SUI_BARS(DeepBlue, 1, 4, 11, 20, 18),
    SUI_BARS(Protein, 1, 4, 11, 20, 18),
    SUI_BARS(BlueGlass, 1, 4, 11, 20, 18),
});

} // namespace
} // namespace resgen
