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
    fillOutside(f, roundedRect(QRectF(0, 0, 18, 21), 3.2), QRect(0, 0, 18, 21), corner);
    return f;
}

// DeepBlue and Protein: a square frame one pixel wide in the style's outline colour (its top
// left pixel is the published one), around a face drawn like the style's caption buttons.
QImage steelButton(State s, const QColor& frame, bool protein)
{
    QImage f = blank(74, 21, frame);
    Canvas p(&f);
    p.setRenderHint(QPainter::Antialiasing, false);
    const QRect face(1, 1, 72, 19);
    if (protein) {
        // Brushed silver, bright above a darker reflective lower half, as the caption buttons.
        QColor a(0xFA, 0xFA, 0xFA), b(0xE6, 0xE7, 0xE9), c(0xCF, 0xD2, 0xD6), d(0xEE, 0xEF, 0xF1);
        if (s == State::Hot)
            // The cool tint of the hot caption buttons.
            a = QColor(0xFF, 0xFF, 0xFF), b = QColor(0xEE, 0xF2, 0xF8),
            c = QColor(0xC6, 0xD2, 0xE2), d = QColor(0xE6, 0xEC, 0xF4);
        if (s == State::Down)
            a = QColor(0xB0, 0xB3, 0xB8), b = QColor(0xC2, 0xC5, 0xC9),
            c = QColor(0xCC, 0xCF, 0xD3), d = QColor(0xDC, 0xDE, 0xE1);
        p.fillRect(face, vertical(face, { { 0, a }, { 0.48, b }, { 0.52, c }, { 1, d } }));
        p.fillRect(QRect(1, 1, 72, 1),
            s == State::Down ? QColor(0x8A, 0x8C, 0x90) : QColor(0xFF, 0xFF, 0xFF));
        if (s == State::Down)
            p.fillRect(QRect(1, 1, 1, 19), QColor(0xA0, 0xA3, 0xA8));
        return f;
    }
    // Pale steel tinted with the style's navy; hot gains the navy selection ring, pressed
    // sinks into a deeper blue.
    QColor a(0xF7, 0xF8, 0xFD), b(0xE4, 0xE8, 0xF4), c(0xCE, 0xD5, 0xEB);
    if (s == State::Hot)
        a = QColor(0xFF, 0xFF, 0xFF), b = QColor(0xEC, 0xF0, 0xFC), c = QColor(0xD2, 0xDA, 0xF6);
    if (s == State::Down)
        a = QColor(0xAE, 0xB8, 0xDC), b = QColor(0xC6, 0xCE, 0xE8), c = QColor(0xDA, 0xE0, 0xF2);
    p.fillRect(face, vertical(face, { { 0, a }, { 0.5, b }, { 1, c } }));
    switch (s) {
    case State::Normal:
        p.fillRect(QRect(1, 1, 72, 1), QColor(0xFF, 0xFF, 0xFF));
        p.fillRect(QRect(1, 1, 1, 19), QColor(0xFF, 0xFF, 0xFF, 160));
        break;
    case State::Hot: {
        const AlignedStrokes aligned(p);
        p.setPen(QColor(0x44, 0x4A, 0xA0));
        p.drawRect(1, 1, 71, 18);
        p.setPen(QColor(0xA6, 0xAE, 0xEA));
        p.drawRect(2, 2, 69, 16);
        break;
    }
    case State::Down:
        p.fillRect(QRect(1, 1, 72, 1), QColor(0x5C, 0x68, 0xA8));
        p.fillRect(QRect(1, 1, 1, 19), QColor(0x7C, 0x88, 0xC0));
        break;
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
// step between its left, middle and right parts. At a scale above 1 every device row of the two
// takes the first one's colours, so the stretched rows are uniform there as well.
QImage stretchable(QImage frame)
{
    const int k = logicalSize(frame).height() / 2;
    if (k + 1 >= logicalSize(frame).height())
        return frame;
    const int s = frame.height() / logicalSize(frame).height();
    for (int row = k * s + 1; row < (k + 2) * s; ++row)
        for (int x = 0; x < frame.width(); ++x)
            frame.setPixelColor(x, row, frame.pixelColor(x, k * s));
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
