// Menu pictures (check mark, the MacOS menu bar and selection) and the tiled form backgrounds.
#include "Paint.h"
#include "Registry.h"

namespace resgen {
namespace {

// Added to its image list with white as the mask, so the tick is crisp black on white:
// no anti-aliased grey that would survive the mask as a halo.
QImage menuChecked()
{
    QImage img = blank(16, 16, Qt::white);
    for (int i = 0; i < 3; ++i)
        for (int dy = 0; dy < 3; ++dy)
            setLogicalPixel(img, 4 + i, 7 + i + dy, Qt::black);
    for (int i = 0; i < 5; ++i)
        for (int dy = 0; dy < 3; ++dy)
            setLogicalPixel(img, 7 + i, 8 - i + dy, Qt::black);
    return img;
}

// Rows 0..11 back a separator, rows 0..19 an item; the last rows are the bar's lower edge.
QImage macMenuBar()
{
    QImage img = blank(1, 22, Qt::white);
    QPainter p(&img);
    p.fillRect(QRectF(0, 0, 1, 20),
        vertical(QRectF(0, 0, 1, 20),
            { { 0, QColor(0xFC, 0xFC, 0xFC) }, { 1, QColor(0xEC, 0xEC, 0xEC) } }));
    setLogicalPixel(img, 0, 20, QColor(0xC8, 0xC8, 0xC8));
    setLogicalPixel(img, 0, 21, QColor(0x9A, 0x9A, 0x9A));
    return img;
}

QImage macMenuSelect()
{
    QImage img = blank(1, 21, Qt::white);
    QPainter p(&img);
    const QRectF r(0, 0, 1, 21);
    p.fillRect(r,
        vertical(r,
            { { 0, QColor(0x6C, 0xA0, 0xE8) }, { 0.5, QColor(0x45, 0x7E, 0xD0) },
                { 1, QColor(0x2E, 0x62, 0xB4) } }));
    setLogicalPixel(img, 0, 0, QColor(0x8C, 0xB8, 0xF2));
    return img;
}

// Soft pinstripes: alternate rows a shade apart around the form grey.
QImage macFormBackground()
{
    QImage img = blank(8, 8, QColor(0xE9, 0xE9, 0xE9));
    for (int y = 1; y < 8; y += 2)
        for (int x = 0; x < 8; ++x)
            setLogicalPixel(img, x, y, QColor(0xE3, 0xE3, 0xE3));
    return img;
}

// Near-white brushed texture: a faint diagonal grain.
QImage proteinFormBackground()
{
    QImage img = blank(8, 8, itemColor(Style::Protein, SuiItem::FormBackgroundColor));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 4 == 0)
                setLogicalPixel(img, x, y, QColor(0xF2, 0xF2, 0xF3));
            else if ((x + y) % 4 == 2)
                setLogicalPixel(img, x, y, QColor(0xF7, 0xF7, 0xF8));
    return img;
}

const int registered = registerPictures({
    skinPicture("MENU_CHECKED", "Shared", menuChecked),
    skinPicture("MACOS_MENU_BAR", "MacOS", macMenuBar),
    skinPicture("MACOS_MENU_SELECT", "MacOS", macMenuSelect),
    skinPicture("MACOS_FORM_BACKGROUND", "MacOS", macFormBackground),
    skinPicture("PROTEIN_FORM_BACKGROUND", "Protein", proteinFormBackground),
});

} // namespace
} // namespace resgen
