// Push button strips: normal, mouse-on and pressed frames side by side.
#include "Paint.h"
#include "Registry.h"

namespace resgen {
namespace {

enum class State { Normal, Hot, Down };
constexpr State kStates[] = { State::Normal, State::Hot, State::Down };

QImage macButton(State s)
{
    // A pill on the key colour; drawn over the form grey so its anti-aliased rim blends.
    QImage f = blank(84, 23, look(Style::MacOS).formBg);
    Canvas p(&f);
    const QRectF body(0.5, 0.5, 83, 21);
    const QPainterPath pill = roundedRect(body, 10.5);
    QColor top(0xFF, 0xFF, 0xFF), bottom(0xD4, 0xD4, 0xD4), rim(0x8A, 0x8A, 0x8A);
    if (s == State::Hot)
        top = QColor(0xEE, 0xF5, 0xFF), bottom = QColor(0xA8, 0xCB, 0xF4),
        rim = QColor(0x5C, 0x86, 0xC4);
    if (s == State::Down)
        top = QColor(0x8F, 0xBC, 0xF2), bottom = QColor(0x3A, 0x77, 0xCF),
        rim = QColor(0x23, 0x4F, 0x94);
    p.setPen(QPen(rim, 1));
    p.setBrush(vertical(body,
        { { 0, top }, { 0.5, mix(top, bottom, 0.35) }, { 0.51, mix(top, bottom, 0.6) },
            { 1, bottom } }));
    p.drawPath(pill);
    // The soft gloss on the upper half.
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(4, 2, 76, 9),
        { { 0, QColor(255, 255, 255, 200) }, { 1, QColor(255, 255, 255, 40) } }));
    p.drawPath(roundedRect(QRectF(4, 2, 76, 9), 4.5));
    p.end();
    keyOutside(f, roundedRect(QRectF(0, 0, 84, 22.5), 11));
    return f;
}

QImage xpButton(State s)
{
    const QColor corner(236, 233, 216); // the dialog face the square corners stand on
    QImage f = blank(18, 21, corner);
    Canvas p(&f);
    const QRectF body(0.5, 0.5, 17, 20);
    const QPainterPath shape = roundedRect(body, 3);
    p.setPen(QPen(QColor(0x00, 0x3C, 0x74), 1));
    if (s == State::Down)
        p.setBrush(vertical(body,
            { { 0, QColor(0xD1, 0xCC, 0xC1) }, { 0.2, QColor(0xE3, 0xE1, 0xD7) },
                { 1, QColor(0xF2, 0xF1, 0xEB) } }));
    else
        p.setBrush(vertical(body,
            { { 0, QColor(0xFF, 0xFF, 0xFF) }, { 0.7, QColor(0xF1, 0xEF, 0xE8) },
                { 1, QColor(0xD6, 0xD0, 0xC5) } }));
    p.drawPath(shape);
    if (s == State::Hot) {
        // The warm inner rim of a hot button.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0xF8, 0xB3, 0x30), 2));
        p.drawRoundedRect(QRectF(2, 2, 14, 17), 1.5, 1.5);
        p.setPen(QPen(QColor(0xFF, 0xF0, 0xCF), 1));
        p.drawLine(QPointF(3, 1.5), QPointF(15, 1.5));
    }
    p.end();
    fillOutside(f, roundedRect(QRectF(0, 0, 18, 21), 3.2), f.rect(), corner);
    return f;
}

QImage steelButton(State s, const QColor& frame, bool protein)
{
    QImage f = blank(74, 21, frame);
    Canvas p(&f);
    const QRectF face(1, 1, 72, 19);
    if (protein) {
        // Brushed silver: a bright upper half over a darker reflective lower half.
        QColor a(0xFA, 0xFA, 0xFA), b(0xE2, 0xE3, 0xE5), c(0xC8, 0xCA, 0xCD), d(0xEC, 0xED, 0xEE);
        if (s == State::Hot)
            a = QColor(0xFF, 0xFF, 0xFF), b = QColor(0xEC, 0xEE, 0xF2),
            c = QColor(0xD2, 0xD6, 0xDD), d = QColor(0xF5, 0xF7, 0xFA);
        if (s == State::Down)
            a = QColor(0xB4, 0xB6, 0xBA), b = QColor(0xC4, 0xC6, 0xC9),
            c = QColor(0xCF, 0xD1, 0xD4), d = QColor(0xDE, 0xDF, 0xE1);
        p.fillRect(face, vertical(face, { { 0, a }, { 0.48, b }, { 0.52, c }, { 1, d } }));
        p.setPen(QPen(s == State::Down ? QColor(0x8A, 0x8C, 0x90) : QColor(0xFF, 0xFF, 0xFF), 1));
        p.drawLine(QPointF(1, 1.5), QPointF(73, 1.5));
    } else {
        QColor a(0xF4, 0xF6, 0xFB), b(0xC0, 0xC8, 0xDE);
        if (s == State::Hot)
            a = QColor(0xF8, 0xFA, 0xFF), b = QColor(0xA9, 0xB9, 0xE6);
        if (s == State::Down)
            a = QColor(0x9C, 0xA8, 0xCA), b = QColor(0xDA, 0xDF, 0xEE);
        p.fillRect(face, vertical(face, { { 0, a }, { 1, b } }));
        p.setRenderHint(QPainter::Antialiasing, false);
        if (s == State::Hot) {
            p.setPen(QColor(0x44, 0x4A, 0xA0));
            p.drawRect(1, 1, 71, 18);
        } else if (s == State::Normal) {
            p.setPen(QColor(0xFF, 0xFF, 0xFF));
            p.drawLine(1, 1, 72, 1);
            p.drawLine(1, 1, 1, 19);
            p.setPen(QColor(0x7C, 0x86, 0xA8));
            p.drawLine(1, 19, 72, 19);
            p.drawLine(72, 1, 72, 19);
        } else {
            p.setPen(QColor(0x5C, 0x66, 0x8A));
            p.drawLine(1, 1, 72, 1);
            p.drawLine(1, 1, 1, 19);
        }
    }
    return f;
}

QImage glassButton(State s)
{
    QImage f = blank(77, 27, look(Style::BlueGlass).formBg);
    Canvas p(&f);
    const QRectF body(0.5, 0.5, 76, 25);
    QColor top(0xC9, 0xDF, 0xFF), mid(0x6E, 0x9E, 0xEC), low(0xA9, 0xD0, 0xFF),
        rim(0x2D, 0x4F, 0x9E);
    if (s == State::Hot)
        top = QColor(0xE2, 0xEF, 0xFF), mid = QColor(0x86, 0xB4, 0xFA),
        low = QColor(0xC6, 0xE4, 0xFF), rim = QColor(0x3B, 0x62, 0xB8);
    if (s == State::Down)
        top = QColor(0x9D, 0xBF, 0xF2), mid = QColor(0x3E, 0x73, 0xD0),
        low = QColor(0x7D, 0xAE, 0xF0), rim = QColor(0x1B, 0x36, 0x78);
    p.setPen(QPen(rim, 1));
    p.setBrush(
        vertical(body, { { 0, top }, { 0.49, mix(top, mid, 0.55) }, { 0.5, mid }, { 1, low } }));
    p.drawPath(roundedRect(body, 8));
    // Glass: a bright reflection over the upper half and a faint glow along the bottom.
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(QRectF(3, 2, 71, 11),
        { { 0, QColor(255, 255, 255, 230) }, { 1, QColor(255, 255, 255, 70) } }));
    p.drawPath(roundedRect(QRectF(3, 2, 71, 11), 6));
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(roundedRect(QRectF(8, 20, 61, 4), 2));
    // A soft shadow row under the capsule.
    p.setBrush(QColor(0, 0, 0, 40));
    p.drawRoundedRect(QRectF(4, 25.5, 69, 1.5), 1, 1);
    p.end();
    keyOutside(
        f, roundedRect(QRectF(0, 0, 77, 26.6), 8.5).united(roundedRect(QRectF(4, 24, 69, 3), 1)));
    return f;
}

// The nine-slice drawing stretches row k (left edge, centre) beside row k + 1 (right edge, bottom
// edge) of a frame 2k + 1 rows high; the two rows are made one, so a stretched button shows no
// step between its left, middle and right parts.
QImage stretchable(QImage frame)
{
    const int k = frame.height() / 2;
    if (k + 1 < frame.height())
        for (int x = 0; x < frame.width(); ++x)
            frame.setPixelColor(x, k + 1, frame.pixelColor(x, k));
    return frame;
}

template <typename F> QImage three(F frame)
{
    std::vector<QImage> frames;
    for (State s : kStates)
        frames.push_back(stretchable(frame(s)));
    return hstrip(frames);
}

const int registered = registerPictures({
    itemPicture(Style::MacOS, SuiItem::ButtonImage, [] { return three(macButton); }),
    itemPicture(Style::WinXP, SuiItem::ButtonImage, [] { return three(xpButton); }),
    itemPicture(Style::DeepBlue, SuiItem::ButtonImage,
        [] { return three([](State s) { return steelButton(s, QColor(0, 0, 0), false); }); }),
    itemPicture(Style::Protein, SuiItem::ButtonImage,
        [] { return three([](State s) { return steelButton(s, QColor(43, 43, 43), true); }); }),
    itemPicture(Style::BlueGlass, SuiItem::ButtonImage, [] { return three(glassButton); }),
});

} // namespace
} // namespace resgen
