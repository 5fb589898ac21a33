// The embedded skin pictures: names, sizes, 24-bit storage, key colours and frame layouts.
#include "framework/TColor.h"
#include "skin/styles/SUIThemes.h"
#include "skin/styles/Suiresdef.h"

#include <QFile>
#include <QSet>
#include <QtEndian>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace SuiThemes;

namespace {

const QColor kMagenta(255, 0, 255);

struct Expected {
    const char* name;
    int width, height;
};

// Every picture with its published size.
const Expected kPictures[] = {
    { "MACOS_BUTTON", 252, 23 },
    { "WINXP_BUTTON", 54, 21 },
    { "DEEPBLUE_BUTTON", 222, 21 },
    { "PROTEIN_BUTTON", 222, 21 },
    { "BLUEGLASS_BUTTON", 231, 27 },
    { "MACOS_CHECKBOX", 60, 17 },
    { "WINXP_CHECKBOX", 52, 13 },
    { "DEEPBLUE_CHECKBOX", 52, 13 },
    { "PROTEIN_CHECKBOX", 52, 13 },
    { "BLUEGLASS_CHECKBOX", 52, 13 },
    { "MACOS_RADIOBUTTON", 64, 17 },
    { "WINXP_RADIOBUTTON", 52, 13 },
    { "DEEPBLUE_RADIOBUTTON", 52, 13 },
    { "PROTEIN_RADIOBUTTON", 52, 13 },
    { "BLUEGLASS_RADIOBUTTON", 52, 13 },
    { "MACOS_TITLEBTN", 306, 17 },
    { "WINXP_TITLEBTN", 378, 21 },
    { "DEEPBLUE_TITLEBTN", 342, 19 },
    { "PROTEIN_TITLEBTN", 342, 19 },
    { "BLUEGLASS_TITLEBTN", 342, 19 },
    { "MACOS_TITLE_LEFT", 48, 23 },
    { "WINXP_TITLE_LEFT", 35, 29 },
    { "DEEPBLUE_TITLE_LEFT", 97, 32 },
    { "PROTEIN_TITLE_LEFT", 441, 23 },
    { "BLUEGLASS_TITLE_LEFT", 162, 33 },
    { "MACOS_TITLE_CLIENT", 49, 23 },
    { "WINXP_TITLE_CLIENT", 37, 29 },
    { "DEEPBLUE_TITLE_CLIENT", 98, 32 },
    { "PROTEIN_TITLE_CLIENT", 1, 23 },
    { "BLUEGLASS_TITLE_CLIENT", 179, 33 },
    { "MACOS_TITLE_RIGHT", 48, 23 },
    { "WINXP_TITLE_RIGHT", 35, 29 },
    { "DEEPBLUE_TITLE_RIGHT", 97, 32 },
    { "PROTEIN_TITLE_RIGHT", 1, 23 },
    { "BLUEGLASS_TITLE_RIGHT", 101, 33 },
    { "MACOS_PROGRESSBAR", 13, 10 },
    { "WINXP_PROGRESSBAR", 6, 10 },
    { "DEEPBLUE_PROGRESSBAR", 1, 10 },
    { "PROTEIN_PROGRESSBAR", 1, 10 },
    { "BLUEGLASS_PROGRESSBAR", 1, 10 },
    { "MACOS_TRACKBAR_BAR", 45, 5 },
    { "WINXP_TRACKBAR_BAR", 45, 8 },
    { "DEEPBLUE_TRACKBAR_BAR", 45, 4 },
    { "PROTEIN_TRACKBAR_BAR", 45, 4 },
    { "BLUEGLASS_TRACKBAR_BAR", 45, 4 },
    { "MACOS_TRACKBAR_SLIDER", 11, 20 },
    { "WINXP_TRACKBAR_SLIDER", 11, 21 },
    { "DEEPBLUE_TRACKBAR_SLIDER", 11, 20 },
    { "PROTEIN_TRACKBAR_SLIDER", 11, 20 },
    { "BLUEGLASS_TRACKBAR_SLIDER", 11, 20 },
    { "MACOS_TRACKBAR_SLIDER_V", 19, 11 },
    { "WINXP_TRACKBAR_SLIDER_V", 22, 11 },
    { "DEEPBLUE_TRACKBAR_SLIDER_V", 18, 11 },
    { "PROTEIN_TRACKBAR_SLIDER_V", 18, 11 },
    { "BLUEGLASS_TRACKBAR_SLIDER_V", 18, 11 },
    { "MACOS_SCROLLBAR_BUTTON", 96, 22 },
    { "WINXP_SCROLLBAR_BUTTON", 96, 17 },
    { "DEEPBLUE_SCROLLBAR_BUTTON", 96, 16 },
    { "PROTEIN_SCROLLBAR_BUTTON", 96, 16 },
    { "BLUEGLASS_SCROLLBAR_BUTTON", 102, 16 },
    { "MACOS_SCROLLBAR_TRACK", 33, 16 },
    { "WINXP_SCROLLBAR_TRACK", 21, 16 },
    { "DEEPBLUE_SCROLLBAR_TRACK", 21, 16 },
    { "PROTEIN_SCROLLBAR_TRACK", 21, 16 },
    { "BLUEGLASS_SCROLLBAR_TRACK", 21, 16 },
    { "MACOS_CHECKLIST", 40, 11 },
    { "WINXP_CHECKLIST", 44, 11 },
    { "DEEPBLUE_CHECKLIST", 44, 11 },
    { "PROTEIN_CHECKLIST", 44, 11 },
    { "BLUEGLASS_CHECKLIST", 44, 11 },
    { "MACOS_SCROLLBUTTON", 72, 18 },
    { "WINXP_SCROLLBUTTON", 72, 18 },
    { "MORE_SCROLLBUTTON", 72, 17 },
    { "MACOS_TAB", 36, 27 },
    { "WINXP_TAB", 18, 18 },
    { "DEEPBLUE_TAB", 12, 17 },
    { "PROTEIN_TAB", 18, 17 },
    { "BLUEGLASS_TAB", 18, 17 },
    { "MACOS_TAB_LINE", 17, 7 },
    { "WINXP_TAB_LINE", 8, 1 },
    { "DEEPBLUE_TAB_LINE", 5, 5 },
    { "PROTEIN_TAB_LINE", 10, 5 },
    { "BLUEGLASS_TAB_LINE", 10, 5 },
    { "MACOS_SIDECHENNEL_HANDLE", 7, 84 },
    { "WINXP_SIDECHENNEL_HANDLE", 8, 86 },
    { "DEEPBLUE_SIDECHENNEL_HANDLE", 8, 83 },
    { "PROTEIN_SIDECHENNEL_HANDLE", 8, 83 },
    { "BLUEGLASS_SIDECHENNEL_HANDLE", 8, 86 },
    { "MACOS_SIDECHENNEL_BAR", 1, 21 },
    { "WINXP_SIDECHENNEL_BAR", 1, 21 },
    { "DEEPBLUE_SIDECHENNEL_BAR", 1, 20 },
    { "PROTEIN_SIDECHENNEL_BAR", 1, 21 },
    { "BLUEGLASS_SIDECHENNEL_BAR", 1, 21 },
    { "MENU_CHECKED", 16, 16 },
    { "MACOS_MENU_BAR", 1, 22 },
    { "MACOS_MENU_SELECT", 1, 21 },
    { "MACOS_FORM_BACKGROUND", 8, 8 },
    { "PROTEIN_FORM_BACKGROUND", 8, 8 },
    { "MDI_CONTROL_BUTTON", 48, 16 },
    { "PANEL_BUTTON", 52, 12 },
    { "MSNPOPFORM", 181, 116 },
    { "MACOS_COMBOBOX_BUTTON", 16, 17 },
    { "WINXP_COMBOBOX_BUTTON", 16, 18 },
    { "DBNAV_BUTTON", 160, 16 },
    { "MSGDLG", 168, 42 },
    { "SIDECHANNEL_BTN", 7, 9 },
    { "STATUSBAR_HANDLE", 11, 11 },
    { "PREVIEWGLYPH", 16, 16 },
    { "FONTCOMBO_DEVICE_FNT", 20, 12 },
    { "FONTCOMBO_TRUETYPE_FNT", 20, 12 },
};

QImage resource(const char* name)
{
    return GetSkinResource(QString::fromLatin1(name));
}

QImage frameOf(const QImage& strip, int count, int number)
{
    const int w = strip.width() / count;
    return strip.copy(w * (number - 1), 0, w, strip.height());
}

bool containsColor(const QImage& image, const QColor& color)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == color)
                return true;
    return false;
}

} // namespace

TEST(SkinResources, EveryPictureIsEmbeddedWithItsPublishedSizeAsA24BitBitmap)
{
    for (const auto& e : kPictures) {
        const QImage image = resource(e.name);
        ASSERT_FALSE(image.isNull()) << e.name;
        EXPECT_EQ(image.size(), QSize(e.width, e.height)) << e.name;
        QFile file(QStringLiteral(":/skin/%1.bmp").arg(QLatin1String(e.name)));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << e.name;
        const QByteArray header = file.read(30);
        ASSERT_EQ(header.size(), 30);
        EXPECT_EQ(header.left(2), "BM") << e.name;
        // Bits per pixel of the info header: 24, so no palette rounds a colour.
        EXPECT_EQ(qFromLittleEndian<quint16>(header.constData() + 28), 24) << e.name;
    }
    EXPECT_TRUE(resource("NO_SUCH_PICTURE").isNull());
}

TEST(SkinResources, EveryImageItemOfEveryStyleNamesAnEmbeddedPicture)
{
    QSet<QString> named;
    for (const auto& e : kPictures)
        named.insert(QString::fromLatin1(e.name));
    for (int index = 1; index <= SUI_THEME_ITEM_COUNT; ++index) {
        if (kThemeItems[index - 1].kind != TsuiType::Str)
            continue;
        for (int s = 0; s < SUI_BUILTIN_STYLE_COUNT; ++s) {
            const auto& value = kBuiltinValues[index - 1][s];
            const QString name
                = QString::fromLatin1(value.image.data(), qsizetype(value.image.size()));
            EXPECT_TRUE(named.contains(name)) << "item " << index << " style " << s;
            QImage image;
            GetInsideThemeBitmap(TsuiUIStyle(s + 1), index, &image);
            EXPECT_EQ(image, resource(qPrintable(name)));
        }
    }
    EXPECT_EQ(GetInsideThemeColor(TsuiUIStyle::Protein, 38), 0u);
    QImage shared[3];
    for (int s = 0; s < 3; ++s)
        GetInsideThemeBitmap(TsuiUIStyle(s + 3), 38, &shared[s]);
    EXPECT_EQ(shared[0], shared[1]);
    EXPECT_EQ(shared[1], shared[2]);
}

TEST(SkinResources, ButtonFramesStartWithTheirPublishedTopLeftPixel)
{
    const struct {
        TsuiUIStyle style;
        QColor topLeft;
    } rows[] = {
        { TsuiUIStyle::MacOS, kMagenta },
        { TsuiUIStyle::WinXP, QColor(236, 233, 216) },
        { TsuiUIStyle::DeepBlue, QColor(0, 0, 0) },
        { TsuiUIStyle::Protein, QColor(43, 43, 43) },
        { TsuiUIStyle::BlueGlass, kMagenta },
    };
    for (const auto& row : rows)
        for (int frame = 1; frame <= 3; ++frame) {
            QImage image;
            GetInsideThemeBitmap(row.style, SuiItem::ButtonImage, &image, 3, frame);
            EXPECT_EQ(image.pixelColor(0, 0), row.topLeft) << int(row.style) << " frame " << frame;
        }
}

TEST(SkinResources, ButtonFramesStretchWithoutASeam)
{
    // The nine-slice drawing stretches row k (left edge, centre) beside row k + 1 (right edge,
    // top of the bottom edge), and columns k and k + 1 (top edge, centre, bottom edge) side by
    // side. Where they differ, a stretched button shows a step.
    for (int s = 1; s <= 5; ++s)
        for (int f = 1; f <= 3; ++f) {
            QImage frame;
            GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::ButtonImage, &frame, 3, f);
            const int w = frame.width(), h = frame.height();
            const int k = h / 2;
            for (int x = 0; x < w; ++x)
                EXPECT_EQ(frame.pixelColor(x, k), frame.pixelColor(x, k + 1))
                    << "style " << s << " frame " << f << " column " << x;
            const int c = w / 2;
            for (int y = 0; y < h; ++y)
                EXPECT_EQ(frame.pixelColor(c, y), frame.pixelColor(c + 1, y))
                    << "style " << s << " frame " << f << " row " << y;
        }
}

TEST(SkinResources, OpaqueButtonsKeepTheKeyOutOfTheirStretchedMiddle)
{
    // The nine-slice drawing keys magenta out of the edges and centre even for opaque buttons.
    for (auto style : { TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue, TsuiUIStyle::Protein }) {
        QImage strip;
        GetInsideThemeBitmap(style, SuiItem::ButtonImage, &strip);
        EXPECT_FALSE(containsColor(strip, kMagenta)) << int(style);
    }
}

TEST(SkinResources, RadioStripsAreKeyedOutsideTheCircleAndCheckStripsAreOpaque)
{
    for (int s = 1; s <= 5; ++s) {
        QImage radio, check;
        GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::RadioButtonImage, &radio);
        GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::CheckBoxImage, &check);
        EXPECT_FALSE(containsColor(check, kMagenta)) << s;
        for (int f = 1; f <= 4; ++f) {
            const QImage frame = frameOf(radio, 4, f);
            const int w = frame.width(), h = frame.height();
            // The radio button takes its key from the bottom-left pixel.
            EXPECT_EQ(frame.pixelColor(0, h - 1), kMagenta) << s << " frame " << f;
            EXPECT_EQ(frame.pixelColor(0, 0), kMagenta);
            EXPECT_EQ(frame.pixelColor(w - 1, 0), kMagenta);
            EXPECT_EQ(frame.pixelColor(w - 1, h - 1), kMagenta);
            EXPECT_NE(frame.pixelColor(w / 2, h / 2), kMagenta);
        }
        // Checked and unchecked, enabled and disabled, all differ.
        QSet<QByteArray> distinct;
        for (int f = 1; f <= 4; ++f) {
            const QImage frame = frameOf(check, 4, f);
            distinct.insert(
                QByteArray(reinterpret_cast<const char*>(frame.constBits()), frame.sizeInBytes()));
        }
        EXPECT_EQ(distinct.size(), 4) << s;
    }
}

TEST(SkinResources, TitleButtonStripsHoldEighteenDistinctFramesKeyedWhereDrawnTransparently)
{
    for (int s = 1; s <= 5; ++s) {
        const auto style = TsuiUIStyle(s);
        QImage strip;
        GetInsideThemeBitmap(style, SuiItem::TitleBarButtonImage, &strip);
        QSet<QByteArray> distinct;
        for (int f = 1; f <= 18; ++f) {
            QImage frame;
            GetInsideThemeBitmap(style, SuiItem::TitleBarButtonImage, &frame, 18, f);
            EXPECT_EQ(frame.width(), frame.height());
            distinct.insert(
                QByteArray(reinterpret_cast<const char*>(frame.constBits()), frame.sizeInBytes()));
            const bool keyed = GetInsideThemeBool(style, SuiItem::TitleBarButtonTransparentBool);
            // The title bar keys by the bottom-left pixel; opaque strips must not carry the key.
            if (keyed)
                EXPECT_EQ(frame.pixelColor(0, frame.height() - 1), kMagenta) << s << " frame " << f;
            else
                EXPECT_FALSE(containsColor(frame, kMagenta)) << s << " frame " << f;
        }
        EXPECT_EQ(distinct.size(), 18) << s;
    }
}

// Red minus blue over the pixels that are not the key: the close button warms up under the mouse.
static double warmth(const QImage& frame)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < frame.height(); ++y)
        for (int x = 0; x < frame.width(); ++x) {
            const QColor c = frame.pixelColor(x, y);
            if (c == kMagenta)
                continue;
            sum += c.red() - c.blue();
            ++count;
        }
    return count ? sum / count : 0;
}

TEST(SkinResources, TheCloseButtonsStandLastInTheTitleButtonStrip)
{
    for (int s = 1; s <= 5; ++s) {
        QImage closeHot, maxHot, minHot;
        GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::TitleBarButtonImage, &closeHot, 18, 17);
        GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::TitleBarButtonImage, &maxHot, 18, 8);
        GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::TitleBarButtonImage, &minHot, 18, 14);
        EXPECT_GT(warmth(closeHot), warmth(maxHot) + 20) << s;
        EXPECT_GT(warmth(closeHot), warmth(minHot) + 20) << s;
    }
}

TEST(SkinResources, TrackBarPiecesCarryTheKeyWhereTheyAreDrawnWithIt)
{
    for (int s = 1; s <= 5; ++s) {
        QImage bar, slider, upright;
        GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::TrackBarBarImage, &bar);
        GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::TrackBarSliderImage, &slider);
        GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::TrackBarSliderVImage, &upright);
        // End pieces are masked, the middle is stretched without a key.
        EXPECT_EQ(bar.pixelColor(0, 0), kMagenta) << s;
        EXPECT_FALSE(containsColor(bar.copy(15, 0, 15, bar.height()), kMagenta)) << s;
        EXPECT_EQ(slider.pixelColor(0, slider.height() - 1), kMagenta) << s;
        EXPECT_FALSE(containsColor(upright, kMagenta)) << s;
    }
}

// Contrast ratio of two colours by their relative luminance, 1 (none) to 21 (black on white).
static double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF())
            + 0.0722 * channel(c.blueF());
    };
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(SkinResources, PanelCaptionsReadClearlyOnTheirTitleBand)
{
    // A collapsible panel writes its caption, vertically centred, over the stretched title band
    // in black for MacOS and in the menu's selected font colour for the other styles.
    for (int s = 1; s <= 5; ++s) {
        const auto style = TsuiUIStyle(s);
        QImage band;
        GetInsideThemeBitmap(style, SuiItem::SideChannelBarImage, &band);
        const QColor caption = style == TsuiUIStyle::MacOS
            ? QColor(Qt::black)
            : TColor(GetInsideThemeColor(style, SuiItem::MenuSelectedFontColor)).toQColor();
        // The rows a caption's letters cover.
        for (int y = band.height() / 2 - 4; y <= band.height() / 2 + 4; ++y)
            EXPECT_GE(contrast(band.pixelColor(0, y), caption), 4.5)
                << "style " << s << " row " << y;
    }
}

TEST(SkinResources, TitleCaptionsReadClearlyOnTheTitlePictures)
{
    // Inside a frame the title bar shows picture row y at bar row y - 3 and writes its caption,
    // black in MacOS and white otherwise, centred on the button strip whose top is
    // TitleBarButtonTopInt - 3. A 13-pixel caption line carries its letters on the middle rows.
    for (int s = 1; s <= 5; ++s) {
        const auto style = TsuiUIStyle(s);
        const QColor caption = style == TsuiUIStyle::MacOS ? Qt::black : Qt::white;
        QImage strip, left, client;
        GetInsideThemeBitmap(style, SuiItem::TitleBarButtonImage, &strip);
        GetInsideThemeBitmap(style, SuiItem::TitleBarLeftImage, &left);
        GetInsideThemeBitmap(style, SuiItem::TitleBarClientImage, &client);
        const int textTop
            = GetInsideThemeInt(style, SuiItem::TitleBarButtonTopInt) + (strip.height() - 13) / 2;
        // The caption starts after the control box: its offset, its width and 5 pixels.
        const int captionLeft = 3 + GetInsideThemeInt(style, SuiItem::TitleBarButtonLeftOffsetInt)
            + strip.width() / 18 + 5;
        for (int y = textTop + 2; y <= textTop + 10; ++y) {
            for (int x = captionLeft; x < left.width(); ++x)
                EXPECT_GE(contrast(left.pixelColor(x, y), caption), 4.5)
                    << "style " << s << " left picture at " << x << "," << y;
            for (int x = 0; x < client.width(); ++x)
                EXPECT_GE(contrast(client.pixelColor(x, y), caption), 4.5)
                    << "style " << s << " client picture at " << x << "," << y;
        }
    }
}

TEST(SkinResources, SharedPicturesHaveTheLayoutTheirUsersRelyOn)
{
    // The menu check mark is masked with white: white all round, a black tick inside.
    const QImage tick = resource("MENU_CHECKED");
    EXPECT_EQ(tick.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(tick.pixelColor(15, 15), QColor(Qt::white));
    EXPECT_TRUE(containsColor(tick, QColor(Qt::black)));

    // The notice window's close cross lies inside the clickable square (162,6)-(175,19).
    const QImage notice = resource("MSNPOPFORM");
    const QColor centre = notice.pixelColor(168, 12);
    EXPECT_LT(centre.lightness(), 120);
    for (int y = 0; y < notice.height(); ++y)
        for (int x = 0; x < notice.width(); ++x) {
            if (x >= 162 && x <= 175 && y >= 6 && y <= 19)
                continue;
            const QColor c = notice.pixelColor(x, y);
            EXPECT_FALSE(c.blue() > c.red() + 80 && c.lightness() < 90 && y < 26 && x > 150)
                << "cross ink outside the close box at " << x << "," << y;
        }

    // MDI buttons are drawn with the bottom-left key; panel buttons are four 13-pixel frames.
    const QImage mdi = resource("MDI_CONTROL_BUTTON");
    for (int f = 1; f <= 3; ++f)
        EXPECT_EQ(frameOf(mdi, 3, f).pixelColor(0, 15), kMagenta);
    const QImage panel = resource("PANEL_BUTTON");
    EXPECT_NE(frameOf(panel, 4, 1), frameOf(panel, 4, 3));
    EXPECT_NE(frameOf(panel, 4, 1), frameOf(panel, 4, 2));
}

TEST(SkinResources, TitlePiecesStretchEvenlyAndMeetWithoutASeamOrASplitLine)
{
    for (int s = 1; s <= 5; ++s) {
        const auto style = TsuiUIStyle(s);
        SCOPED_TRACE(s);
        QImage left, client, right;
        GetInsideThemeBitmap(style, SuiItem::TitleBarLeftImage, &left);
        GetInsideThemeBitmap(style, SuiItem::TitleBarClientImage, &client);
        GetInsideThemeBitmap(style, SuiItem::TitleBarRightImage, &right);
        const int h = client.height();
        ASSERT_EQ(left.height(), h);
        ASSERT_EQ(right.height(), h);
        // The frame shows row 0 as the window's top edge: the border colour, like its sides.
        const QColor border
            = TColor(GetInsideThemeColor(style, SuiItem::FormBorderColor)).toQColor();
        for (int y = 0; y < h; ++y) {
            const QColor row = client.pixelColor(0, y);
            if (y == 0)
                EXPECT_EQ(row, border);
            // The centre is stretched sideways: one colour per row, and the end pieces take it
            // up exactly where they meet it.
            for (int x = 1; x < client.width(); ++x)
                ASSERT_EQ(client.pixelColor(x, y), row) << x << "," << y;
            EXPECT_EQ(left.pixelColor(left.width() - 1, y), row) << "left piece, row " << y;
            EXPECT_EQ(right.pixelColor(0, y), row) << "right piece, row " << y;
        }
        // Below the lit line under the top edge, no single row stands out lighter than both
        // of its neighbours: a light rule across the body splits the bar in two.
        for (int y = 3; y < h - 2; ++y) {
            const int here = client.pixelColor(0, y).lightness();
            const int above = client.pixelColor(0, y - 1).lightness();
            const int below = client.pixelColor(0, y + 1).lightness();
            EXPECT_FALSE(here > above + 24 && here > below + 24) << "light rule at row " << y;
        }
    }
}

TEST(SkinResources, ScrollArrowsAreAtLeastSevenByFourPixelsOfOneInk)
{
    // The arrow is centred, so the frame's centre pixel is its ink; the pixels of exactly that
    // colour joined to it are the arrow as a user sees it at 1x (anti-aliased fringes excluded).
    for (int s = 1; s <= 5; ++s) {
        QImage strip;
        GetInsideThemeBitmap(TsuiUIStyle(s), SuiItem::ScrollBarButtonImage, &strip);
        for (int f = 1; f <= 6; ++f) {
            const QImage frame = frameOf(strip, 6, f);
            const QPoint centre(frame.width() / 2, frame.height() / 2);
            const QRgb ink = frame.pixel(centre);
            QRect box(centre, QSize(1, 1));
            std::vector<QPoint> todo { centre };
            QSet<quint32> seen { quint32(centre.y() * 1000 + centre.x()) };
            while (!todo.empty()) {
                const QPoint at = todo.back();
                todo.pop_back();
                box |= QRect(at, QSize(1, 1));
                for (const QPoint step :
                    { QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1) }) {
                    const QPoint next = at + step;
                    if (frame.rect().contains(next) && frame.pixel(next) == ink
                        && !seen.contains(quint32(next.y() * 1000 + next.x()))) {
                        seen.insert(quint32(next.y() * 1000 + next.x()));
                        todo.push_back(next);
                    }
                }
            }
            EXPECT_GE(box.width(), 7) << "style " << s << " frame " << f;
            EXPECT_GE(box.height(), 4) << "style " << s << " frame " << f;
            // An arrow, not the face: it stays well inside the button.
            EXPECT_LE(box.width(), frame.width() - 4) << "style " << s << " frame " << f;
        }
    }
}
