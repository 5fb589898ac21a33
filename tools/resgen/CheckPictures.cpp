// Check box, radio button and check-list strips: checked, unchecked, checked disabled,
// unchecked disabled.
#include "Paint.h"
#include "Registry.h"

namespace resgen {
namespace {

struct Mark {
    bool checked;
    bool enabled;
};
constexpr Mark kMarks[] = { { true, true }, { false, true }, { true, false }, { false, false } };

struct BoxColors {
    QColor rim, top, bottom, tick;
    qreal radius;
};

bool filledCheck(Style style)
{
    return style == Style::DeepBlue || style == Style::Protein;
}

// Field and tick colours per style; a disabled box fades toward the form colour.
BoxColors boxColors(Style style, Mark m)
{
    BoxColors c;
    switch (style) {
    case Style::MacOS:
        c = m.checked ? BoxColors { QColor(0x23, 0x4F, 0x94), QColor(0x9C, 0xC8, 0xFA),
            QColor(0x2E, 0x6B, 0xC6), Qt::white, 3 }
                      : BoxColors { QColor(0x80, 0x80, 0x80), QColor(0xFF, 0xFF, 0xFF),
                            QColor(0xD0, 0xD0, 0xD0), Qt::white, 3 };
        break;
    case Style::WinXP:
        c = { QColor(0x1C, 0x51, 0x80), QColor(0xDC, 0xDC, 0xD7), QColor(0xFF, 0xFF, 0xFF),
            QColor(0x21, 0xA1, 0x21), 0 };
        break;
    // DeepBlue and Protein mark a check as their caption buttons are drawn: a filled navy or
    // graphite plate with a white tick; the empty box is a sunken white well.
    case Style::DeepBlue:
        c = m.checked ? BoxColors { QColor(0x0B, 0x12, 0x38), QColor(0x4A, 0x5A, 0xB8),
            QColor(0x1B, 0x25, 0x66), Qt::white, 0 }
                      : BoxColors { QColor(0x0B, 0x12, 0x38), QColor(0xD6, 0xDC, 0xEE),
                            QColor(0xFF, 0xFF, 0xFF), Qt::white, 0 };
        break;
    case Style::Protein:
        c = m.checked ? BoxColors { QColor(0x2B, 0x2B, 0x2B), QColor(0x6A, 0x6E, 0x75),
            QColor(0x2E, 0x2F, 0x32), Qt::white, 0 }
                      : BoxColors { QColor(0x2B, 0x2B, 0x2B), QColor(0xDC, 0xDD, 0xDF),
                            QColor(0xFF, 0xFF, 0xFF), Qt::white, 0 };
        break;
    case Style::BlueGlass:
        c = { QColor(0x2D, 0x4F, 0x9E), QColor(0xF4, 0xF9, 0xFF), QColor(0x9C, 0xC4, 0xF6),
            QColor(0x12, 0x2E, 0x86), 2 };
        break;
    }
    if (!m.enabled) {
        const QColor bg = look(style).formBg;
        // A filled plate fades less, so its white tick stays legible.
        const qreal fade = filledCheck(style) && m.checked ? 0.45 : 0.6;
        c.rim = mix(c.rim, bg, fade);
        c.top = mix(c.top, bg, fade);
        c.bottom = mix(c.bottom, bg, fade);
        if (!filledCheck(style))
            c.tick = mix(c.tick, bg, 0.55);
    }
    return c;
}

// Opaque: the box stands on the control's own colour.
QImage checkFrame(Style style, Mark m, QSize size, const QRectF& box, const QColor& background)
{
    const BoxColors c = boxColors(style, m);
    QImage f = blank(size.width(), size.height(), background);
    Canvas p(&f);
    if (c.radius == 0)
        p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(c.rim, 1));
    p.setBrush(vertical(box, { { 0, c.top }, { 1, c.bottom } }));
    if (c.radius > 0)
        p.drawRoundedRect(box, c.radius, c.radius);
    else {
        const AlignedStrokes aligned(p);
        p.drawRect(box.toRect().adjusted(0, 0, -1, -1));
    }
    p.setRenderHint(QPainter::Antialiasing, true);
    if (m.checked && filledCheck(style)) {
        // A bold tick across most of the plate, readable at 1x.
        drawTick(p, box.adjusted(2.6, 3.2, -2.6, -3.2), c.tick, 2.0);
    } else if (m.checked) {
        const QRectF inner = box.adjusted(
            box.width() * 0.24, box.height() * 0.27, -box.width() * 0.24, -box.height() * 0.27);
        drawTick(p, inner, c.tick, box.width() > 12 ? 2.2 : 1.8);
    }
    return f;
}

QImage checkStrip(Style style)
{
    std::vector<QImage> frames;
    for (Mark m : kMarks) {
        if (style == Style::MacOS)
            frames.push_back(
                checkFrame(style, m, { 15, 17 }, QRectF(0.5, 1.5, 14, 14), look(style).formBg));
        else
            frames.push_back(
                checkFrame(style, m, { 13, 13 }, QRectF(0, 0, 13, 13), look(style).formBg));
    }
    return hstrip(frames);
}

QImage radioFrame(Style style, Mark m, QSize size, const QRectF& circle)
{
    const BoxColors c = boxColors(style, m);
    QImage f = blank(size.width(), size.height(), look(style).formBg);
    Canvas p(&f);
    p.setPen(QPen(c.rim, 1));
    p.setBrush(vertical(circle, { { 0, c.top }, { 1, c.bottom } }));
    p.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5));
    if (m.checked) {
        const qreal r = circle.width() * (style == Style::MacOS ? 0.17 : 0.19);
        const QColor dot = style == Style::MacOS ? QColor(Qt::white) : c.tick;
        p.setPen(Qt::NoPen);
        p.setBrush(dot);
        p.drawEllipse(circle.center(), r, r);
    }
    if (style == Style::BlueGlass || style == Style::MacOS) {
        // A small reflection on the upper left of the glass and aqua radios.
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 120));
        p.drawEllipse(QRectF(circle.left() + circle.width() * 0.22, circle.top() + 1.5,
            circle.width() * 0.56, circle.height() * 0.3));
    }
    p.end();
    QPainterPath inside;
    inside.addEllipse(circle);
    keyOutside(f, inside);
    return f;
}

QImage radioStrip(Style style)
{
    std::vector<QImage> frames;
    for (Mark m : kMarks) {
        if (style == Style::MacOS)
            frames.push_back(radioFrame(style, m, { 16, 17 }, QRectF(0.5, 1, 15, 15)));
        else
            frames.push_back(radioFrame(style, m, { 13, 13 }, QRectF(0, 0, 13, 13)));
    }
    return hstrip(frames);
}

// Check-list boxes are drawn on the white of a list.
QImage checkListStrip(Style style)
{
    std::vector<QImage> frames;
    const bool mac = style == Style::MacOS;
    for (Mark m : kMarks)
        frames.push_back(checkFrame(style, m, { mac ? 10 : 11, 11 },
            mac ? QRectF(0.5, 0.5, 9, 10) : QRectF(0, 0, 11, 11), Qt::white));
    return hstrip(frames);
}

#define SUI_CHECKS(STYLE)                                                                          \
    itemPicture(Style::STYLE, SuiItem::CheckBoxImage, [] { return checkStrip(Style::STYLE); }),    \
        itemPicture(                                                                               \
            Style::STYLE, SuiItem::RadioButtonImage, [] { return radioStrip(Style::STYLE); }),     \
        itemPicture(                                                                               \
            Style::STYLE, SuiItem::CheckListBoxImage, [] { return checkListStrip(Style::STYLE); })

const int registered = registerPictures({
    SUI_CHECKS(MacOS),
    SUI_CHECKS(WinXP),
    SUI_CHECKS(DeepBlue),
    SUI_CHECKS(Protein),
    SUI_CHECKS(BlueGlass),
});

} // namespace
} // namespace resgen
