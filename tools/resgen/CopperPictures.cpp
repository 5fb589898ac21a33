// "Copper", a theme of our own shipped only as a theme file (resources/themes/Copper.sui): the
// square, flat shapes of DeepBlue re-inked in warm copper. Drawn into group "theme_copper",
// each picture named after its theme item key, as a theme folder wants it.
#include "Paint.h"
#include "Registry.h"

namespace resgen {
namespace {

// Navy and its tints (hues 170 to 300) turn to copper (about 27, a shade towards gold so pale tints
// read as peach rather than pink); other hues (the red of the close button) and the key colour
// stay, and lightness is kept, so contrast and key areas stay exactly as drawn.
constexpr int kHueShift = 152;

// Pure greys take a faint warmth (blue lowered most) and black becomes the theme's dark brown
// outline; white stays white. theme.txt gives the colour items the same treatment.
QColor warmGrey(const QColor& c)
{
    const int g = c.red();
    if (g == 0)
        return QColor(0x33, 0x20, 0x0F, c.alpha());
    if (g <= 0x30 || g == 0xFF)
        return c;
    return QColor(g, g - 4, g - 8, c.alpha());
}

QColor copperInk(const QColor& c)
{
    if (c.rgb() == kKey.rgb())
        return c;
    const QColor hsv = c.toHsv();
    if (hsv.hsvSaturation() == 0 || hsv.hsvHue() < 0)
        return warmGrey(c);
    if (hsv.hsvHue() < 170 || hsv.hsvHue() > 300)
        return c;
    // A little more saturation brings out the metal; lightness stays, so contrast does too.
    const int saturation = qMin(255, hsv.hsvSaturation() * 9 / 8);
    return QColor::fromHsv((hsv.hsvHue() + kHueShift) % 360, saturation, hsv.value(), c.alpha());
}

QImage copperOf(int item)
{
    const QString source = itemImage(Style::DeepBlue, item);
    for (const Picture& picture : registeredPictures()) {
        if (picture.group != QLatin1String("skin") || picture.name != source)
            continue;
        QImage image = picture.draw().convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixelColor(x, y, copperInk(image.pixelColor(x, y)));
        return image;
    }
    return {};
}

std::vector<Picture> copperPictures()
{
    std::vector<Picture> pictures;
    for (const auto& item : SuiThemes::kThemeItems) {
        if (item.kind != SuiThemes::TsuiType::Str)
            continue;
        const int index = item.index;
        pictures.push_back(
            Picture { QString::fromLatin1(item.key.data(), qsizetype(item.key.size())),
                QStringLiteral("theme_copper"), QStringLiteral("Copper"), FileFormat::Bmp,
                [index] { return copperOf(index); } });
    }
    return pictures;
}

const int registered = registerPictures(copperPictures());

} // namespace
} // namespace resgen
