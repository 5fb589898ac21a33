// Scroll bar arrows (up normal, hot, down; down normal, hot, down), thumb pieces (left cap,
// middle, right cap of a horizontal thumb) and the tab scroll buttons.
#include "Paint.h"
#include "Registry.h"

namespace resgen {
namespace {

enum class State { Normal, Hot, Down };

QColor scrollBackground(Style s)
{
    return itemColor(s, SuiItem::ScrollBarBackgroundColor);
}

// DeepBlue and Protein draw scroll buttons and thumbs as they draw their caption buttons: navy
// plates with white glyphs, and brushed silver with graphite glyphs; one outline each.
struct FamilyFace {
    QColor rim, lit, top, bottom, glyph;
};

FamilyFace familyFace(Style s, State st)
{
    if (s == Style::DeepBlue) {
        switch (st) {
        case State::Normal:
            return { QColor(0x0B, 0x12, 0x38), QColor(0x8A, 0x96, 0xE0), QColor(0x4A, 0x5A, 0xB8),
                QColor(0x1B, 0x25, 0x66), Qt::white };
        case State::Hot:
            return { QColor(0x0B, 0x12, 0x38), QColor(0xB4, 0xBE, 0xF4), QColor(0x66, 0x76, 0xD6),
                QColor(0x2A, 0x36, 0x8C), Qt::white };
        case State::Down:
            return { QColor(0x0B, 0x12, 0x38), QColor(0x2A, 0x34, 0x78), QColor(0x12, 0x1A, 0x50),
                QColor(0x2E, 0x3A, 0x90), Qt::white };
        }
    }
    switch (st) {
    case State::Normal:
        return { QColor(0x2B, 0x2B, 0x2B), QColor(0xFF, 0xFF, 0xFF), QColor(0xF4, 0xF4, 0xF5),
            QColor(0xA8, 0xAC, 0xB2), QColor(0x2B, 0x2B, 0x2B) };
    case State::Hot:
        // Hot takes the cool tint of the hot caption buttons.
        return { QColor(0x2B, 0x2B, 0x2B), QColor(0xFF, 0xFF, 0xFF), QColor(0xFF, 0xFF, 0xFF),
            QColor(0x9E, 0xB0, 0xCA), QColor(0x2B, 0x2B, 0x2B) };
    case State::Down:
        return { QColor(0x2B, 0x2B, 0x2B), QColor(0x80, 0x84, 0x8A), QColor(0x90, 0x94, 0x9A),
            QColor(0xCC, 0xCE, 0xD2), QColor(0x2B, 0x2B, 0x2B) };
    }
    return {};
}

bool familyStyle(Style s)
{
    return s == Style::DeepBlue || s == Style::Protein;
}

// A square plate: outline, lit inner line along the top and the leading side, then the face
// shaded across the bar's thickness.
void paintFamilyFace(QPainter& p, Style s, const QRect& r, State st, bool acrossIsVertical)
{
    const FamilyFace f = familyFace(s, st);
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillRect(r, f.rim);
    const QRect inner = r.adjusted(1, 1, -1, -1);
    p.fillRect(inner,
        acrossIsVertical ? vertical(inner, { { 0, f.top }, { 1, f.bottom } })
                         : horizontal(inner, { { 0, f.top }, { 1, f.bottom } }));
    QColor lit = f.lit;
    lit.setAlpha(170);
    p.fillRect(QRect(inner.left(), inner.top(), inner.width(), 1), lit);
    p.fillRect(QRect(inner.left(), inner.top(), 1, inner.height()), lit);
    p.restore();
}

// The face of a scroll button or thumb, shaded across its thickness.
void paintFace(QPainter& p, Style s, const QRectF& r, State st, bool acrossIsVertical, bool thumb)
{
    if (familyStyle(s)) {
        paintFamilyFace(p, s, r.toRect(), st, acrossIsVertical);
        return;
    }
    const Look& l = look(s);
    QColor a = l.faceTop, b = l.faceBottom, rim = l.border;
    switch (s) {
    case Style::MacOS:
        // Light grey arrows; the blue accent is kept for the thumb.
        if (thumb)
            a = QColor(0xDA, 0xEA, 0xFF), b = QColor(0x5C, 0x94, 0xE0),
            rim = QColor(0x3A, 0x62, 0xA0);
        else
            a = QColor(0xFC, 0xFC, 0xFC), b = QColor(0xCC, 0xCC, 0xCC),
            rim = QColor(0x8A, 0x8A, 0x8A);
        break;
    case Style::WinXP:
        a = QColor(0xE6, 0xEE, 0xFF), b = QColor(0xB8, 0xCE, 0xFA), rim = QColor(0xA4, 0xB8, 0xE6);
        break;
    case Style::BlueGlass:
        a = QColor(0xE4, 0xF0, 0xFF), b = QColor(0x78, 0xA8, 0xF0), rim = QColor(0x2D, 0x4F, 0x9E);
        break;
    default:
        break;
    }
    if (st == State::Hot)
        a = a.lighter(106), b = b.lighter(110);
    if (st == State::Down)
        std::swap(a, b);
    const auto grad = acrossIsVertical ? vertical(r, { { 0, a }, { 1, b } })
                                       : horizontal(r, { { 0, a }, { 1, b } });
    p.setPen(QPen(rim, 1));
    p.setBrush(grad);
    const qreal radius = (s == Style::DeepBlue || s == Style::Protein) ? 0 : 2.5;
    if (radius == 0) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing, false);
        const AlignedStrokes aligned(p);
        p.drawRect(r.toRect().adjusted(0, 0, -1, -1));
        p.restore();
    } else {
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    }
}

QColor arrowColor(Style s, State st)
{
    if (s == Style::WinXP)
        return QColor(0x4D, 0x61, 0x85);
    if (s == Style::MacOS)
        return st == State::Normal ? QColor(0x50, 0x50, 0x50) : QColor(0x39, 0x73, 0xC4);
    if (s == Style::BlueGlass)
        return st == State::Normal ? QColor(0x1A, 0x34, 0x70) : QColor(0x0A, 0x1E, 0x50);
    return look(s).glyph;
}

QImage scrollButtons(Style s, int w, int h)
{
    std::vector<QImage> frames;
    for (Arrow dir : { Arrow::Up, Arrow::Down })
        for (State st : { State::Normal, State::Hot, State::Down }) {
            QImage f = blank(w, h, scrollBackground(s));
            Canvas p(&f);
            paintFace(p, s, QRectF(0, 0, w, h), st, false, false);
            // 7 x 4 and pixel-sharp, so the arrow reads at 1x; pressed one pixel down and right.
            const int shift = st == State::Down ? 1 : 0;
            drawPixelArrow(p, QRect(shift, shift, w, h), dir, 7,
                familyStyle(s) ? familyFace(s, st).glyph : arrowColor(s, st));
            frames.push_back(f);
        }
    return hstrip(frames);
}

// A horizontal thumb: left cap, stretchable middle, right cap.
QImage thumb(Style s, int piece)
{
    const int h = 16, w = piece * 3;
    QImage img = blank(w, h, scrollBackground(s));
    Canvas p(&img);
    const QRectF body(0, 1, w, h - 2);
    paintFace(p, s, body, State::Normal, true, true);
    p.end();
    // The middle piece is uniform along the bar so stretching keeps it clean: repaint it as
    // one column of the finished body, repeated.
    const QImage column = copyLogical(img, QRect(w / 2, 0, 1, h));
    QPainter q(&img);
    for (int x = piece; x < 2 * piece; ++x)
        q.drawImage(x, 0, column);
    // No grip mark: the caps sit at the thumb's ends and the middle stretches, so a mark could
    // never stay at the centre of a long thumb; a clean plate reads better than two stray ridges.
    return img;
}

QImage scrollButtonPair(Style s, int h, QColor face, QColor rim)
{
    std::vector<QImage> frames;
    for (State st : { State::Normal, State::Down })
        for (Arrow dir : { Arrow::Left, Arrow::Right }) {
            QImage f = blank(18, h, look(s).formBg);
            Canvas p(&f);
            QColor a = face.lighter(112), b = face;
            if (st == State::Down)
                std::swap(a, b);
            p.setPen(QPen(rim, 1));
            p.setBrush(vertical(QRectF(0, 0, 18, h), { { 0, a }, { 1, b } }));
            p.drawRoundedRect(QRectF(0.5, 0.5, 17, h - 1), 2, 2);
            drawArrow(p, QRectF(0, 0, 18, h).translated(st == State::Down ? 0.5 : 0, 0), dir, 3.5,
                rim.darker(130));
            frames.push_back(f);
        }
    return hstrip(frames);
}

#define SUI_SCROLL(STYLE, BW, BH, PIECE)                                                           \
    itemPicture(Style::STYLE, SuiItem::ScrollBarButtonImage,                                       \
        [] { return scrollButtons(Style::STYLE, BW, BH); }),                                       \
        itemPicture(Style::STYLE, SuiItem::ScrollBarSliderImage,                                   \
            [] { return thumb(Style::STYLE, PIECE); })

const int registered = registerPictures({
    SUI_SCROLL(MacOS, 16, 22, 11),
    SUI_SCROLL(WinXP, 16, 17, 7),
    SUI_SCROLL(DeepBlue, 16, 16, 7),
    SUI_SCROLL(Protein, 16, 16, 7),
    SUI_SCROLL(BlueGlass, 17, 16, 7),
    itemPicture(Style::MacOS, SuiItem::ScrollButtonImage,
        [] {
            return scrollButtonPair(
                Style::MacOS, 18, QColor(0xD8, 0xD8, 0xD8), QColor(0x7F, 0x7F, 0x7F));
        }),
    itemPicture(Style::WinXP, SuiItem::ScrollButtonImage,
        [] {
            return scrollButtonPair(Style::WinXP, 18, QColor(0xC6, 0xD3, 0xEF), QColor(0x3169C6));
        }),
    // One picture serves DeepBlue, Protein and BlueGlass.
    skinPicture(itemImage(Style::DeepBlue, SuiItem::ScrollButtonImage), "Shared",
        [] {
            return scrollButtonPair(
                Style::DeepBlue, 17, QColor(0xDC, 0xE0, 0xEA), QColor(0x44, 0x4A, 0x70));
        }),
});

} // namespace
} // namespace resgen
