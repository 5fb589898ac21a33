// Tabs, the tab bar line, side-channel handles and title bands, and the panel buttons.
#include "Paint.h"
#include "Registry.h"

namespace resgen {
namespace {

// Title band of collapsible panels: light under the black caption of MacOS and WinXP, dark under
// the white one of the other styles.
QImage sideBar(Style s, int h)
{
    QImage img = blank(1, h, Qt::black);
    QPainter p(&img);
    const QRectF r(0, 0, 1, h);
    switch (s) {
    case Style::MacOS:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0xFA, 0xFA, 0xFA) }, { 0.5, QColor(0xE4, 0xE4, 0xE4) },
                    { 0.52, QColor(0xD8, 0xD8, 0xD8) }, { 1, QColor(0xC6, 0xC6, 0xC6) } }));
        break;
    case Style::WinXP:
        // The pale task-pane blue, under a dark blue rule.
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0xFF, 0xFF, 0xFF) }, { 0.55, QColor(0xDE, 0xE7, 0xFB) },
                    { 1, QColor(0xC6, 0xD3, 0xF7) } }));
        p.fillRect(QRectF(0, h - 1, 1, 1), QColor(0x31, 0x69, 0xC6));
        break;
    case Style::DeepBlue:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0x44, 0x52, 0xAE) }, { 0.5, QColor(0x1E, 0x2A, 0x6E) },
                    { 1, QColor(0x12, 0x1A, 0x50) } }));
        break;
    case Style::Protein:
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0x80, 0x84, 0x8A) }, { 0.5, QColor(0x4A, 0x4D, 0x52) },
                    { 0.55, QColor(0x3A, 0x3C, 0x40) }, { 1, QColor(0x2E, 0x2F, 0x32) } }));
        break;
    case Style::BlueGlass:
        // Glass whose sheen stays above the caption, deep enough for white letters.
        p.fillRect(r,
            vertical(r,
                { { 0, QColor(0x9C, 0xC2, 0xFA) }, { 0.22, QColor(0x3E, 0x6E, 0xD6) },
                    { 0.49, QColor(0x2A, 0x58, 0xC2) }, { 0.5, QColor(0x18, 0x40, 0xA0) },
                    { 1, QColor(0x2C, 0x5C, 0xC4) } }));
        break;
    }
    return img;
}

QImage sideHandle(Style s, int w, int h)
{
    const Look& l = look(s);
    QImage img = blank(w, h, l.formBg);
    Canvas p(&img);
    const QRectF r(0.5, 0.5, w - 1, h - 1);
    QColor a = l.faceTop, b = l.faceBottom;
    if (s == Style::DeepBlue)
        a = QColor(0x44, 0x52, 0xAE), b = QColor(0x12, 0x1A, 0x50);
    if (s == Style::Protein)
        a = QColor(0x80, 0x84, 0x8A), b = QColor(0x2E, 0x2F, 0x32);
    if (s == Style::BlueGlass || s == Style::WinXP)
        a = QColor(0x8C, 0xBC, 0xFF), b = QColor(0x1E, 0x5A, 0xD6);
    p.setPen(QPen(l.border, 1));
    p.setBrush(horizontal(r, { { 0, a }, { 1, b } }));
    p.drawRoundedRect(r, 3, 3);
    // Grip dots down the middle.
    p.setPen(Qt::NoPen);
    const bool dark = s != Style::MacOS;
    for (int i = -3; i <= 3; ++i) {
        const QPointF c(w / 2.0, h / 2.0 + i * 4);
        p.setBrush(dark ? QColor(255, 255, 255, 90) : QColor(255, 255, 255));
        p.drawEllipse(c + QPointF(0.5, 0.5), 1, 1);
        p.setBrush(dark ? QColor(0, 0, 0, 140) : QColor(0x80, 0x80, 0x80));
        p.drawEllipse(c, 1, 1);
    }
    return img;
}

// Two frames, selected then normal; the rounded top corners stand on the key.
QImage tabs(Style s, int w, int h)
{
    const Look& l = look(s);
    std::vector<QImage> frames;
    for (bool selected : { true, false }) {
        QImage f = blank(w, h, l.formBg);
        Canvas p(&f);
        const qreal radius = std::min(3.0, w / 3.0);
        const QRectF r(0.5, 0.5, w - 1, h + 4);
        QColor a = selected ? QColor(0xFF, 0xFF, 0xFF) : l.faceTop.darker(104);
        QColor b = selected ? l.formBg : l.faceBottom;
        if (s == Style::MacOS && selected)
            a = QColor(0xB6, 0xD6, 0xFF), b = QColor(0x39, 0x73, 0xC4);
        if (s == Style::BlueGlass && selected)
            a = QColor(0xE4, 0xF0, 0xFF), b = QColor(0x7F, 0xAE, 0xEE);
        p.setPen(QPen(s == Style::WinXP ? QColor(0x91, 0x9B, 0x9C) : l.border, 1));
        p.setBrush(vertical(QRectF(0, 0, w, h), { { 0, a }, { 1, b } }));
        p.drawRoundedRect(r, radius, radius);
        if (s == Style::WinXP && selected) {
            p.setPen(QPen(QColor(0xFF, 0xC8, 0x3C), 2));
            p.drawLine(QPointF(1, 1), QPointF(w - 1, 1));
        }
        p.end();
        keyOutside(f, roundedRect(QRectF(0, 0, w, h + 5), radius + 0.3));
        frames.push_back(f);
    }
    return hstrip(frames);
}

QImage tabLine(Style s, int w, int h)
{
    const Look& l = look(s);
    QImage img = blank(w, h, l.formBg);
    QPainter p(&img);
    QColor edge = s == Style::WinXP ? QColor(0x91, 0x9B, 0x9C) : l.border;
    QColor face = s == Style::MacOS ? QColor(0x39, 0x73, 0xC4)
        : s == Style::BlueGlass     ? QColor(0x7F, 0xAE, 0xEE)
                                    : QColor(0xFF, 0xFF, 0xFF);
    if (h == 1) {
        img.fill(edge);
        return img;
    }
    const QRectF r(0, 1, w, h - 1);
    p.fillRect(r, vertical(r, { { 0, face }, { 1, mix(face, l.formBg, 0.5) } }));
    p.fillRect(QRect(0, 0, w, 1), edge);
    return img;
}

QImage panelButton()
{
    // Collapse (up), collapse hot, expand (down), expand hot: small square keys that read
    // on every style's title band.
    std::vector<QImage> frames;
    for (Arrow dir : { Arrow::Up, Arrow::Down })
        for (bool hot : { false, true }) {
            QImage f = blank(13, 12, QColor(0x50, 0x58, 0x70));
            Canvas p(&f);
            const QRectF r(0.5, 0.5, 12, 11);
            p.setPen(QPen(QColor(0x30, 0x36, 0x48), 1));
            p.setBrush(vertical(r,
                { { 0, hot ? QColor(0xFF, 0xFF, 0xFF) : QColor(0xF2, 0xF4, 0xF8) },
                    { 1, hot ? QColor(0xB8, 0xD4, 0xFF) : QColor(0xC4, 0xCA, 0xD6) } }));
            p.setRenderHint(QPainter::Antialiasing, false);
            {
                const AlignedStrokes aligned(p);
                p.drawRect(QRect(0, 0, 12, 11));
            }
            p.setRenderHint(QPainter::Antialiasing, true);
            drawArrow(p, QRectF(0, 0, 13, 12), dir, 3,
                hot ? QColor(0x1A, 0x4C, 0xB0) : QColor(0x30, 0x36, 0x48));
            frames.push_back(f);
        }
    return hstrip(frames);
}

QImage sideChannelButton()
{
    QImage img = blank(7, 9, kKey);
    Canvas p(&img);
    drawArrow(p, QRectF(0, 0, 7, 9), Arrow::Right, 3.5, QColor(0x30, 0x30, 0x30));
    p.end();
    QPainterPath tri;
    tri.addPolygon(QPolygonF({ QPointF(0.5, 0.5), QPointF(7, 4.5), QPointF(0.5, 8.5) }));
    keyOutside(img, tri);
    return img;
}

#define SUI_PANELS(STYLE, TW, TH, LW, LH, HW, HH, BH)                                              \
    itemPicture(                                                                                   \
        Style::STYLE, SuiItem::TabControlTabImage, [] { return tabs(Style::STYLE, TW / 2, TH); }), \
        itemPicture(Style::STYLE, SuiItem::TabControlBarImage,                                     \
            [] { return tabLine(Style::STYLE, LW, LH); }),                                         \
        itemPicture(Style::STYLE, SuiItem::SideChannelHandleImage,                                 \
            [] { return sideHandle(Style::STYLE, HW, HH); }),                                      \
        itemPicture(                                                                               \
            Style::STYLE, SuiItem::SideChannelBarImage, [] { return sideBar(Style::STYLE, BH); })

const int registered = registerPictures({
    SUI_PANELS(MacOS, 36, 27, 17, 7, 7, 84, 21),
    SUI_PANELS(WinXP, 18, 18, 8, 1, 8, 86, 21),
    SUI_PANELS(DeepBlue, 12, 17, 5, 5, 8, 83, 20),
    SUI_PANELS(Protein, 18, 17, 10, 5, 8, 83, 21),
    SUI_PANELS(BlueGlass, 18, 17, 10, 5, 8, 86, 21),
    skinPicture("PANEL_BUTTON", "Shared", panelButton),
    skinPicture("SIDECHANNEL_BTN", "Shared", sideChannelButton),
});

} // namespace
} // namespace resgen
