// TsuiMainMenu: measuring and drawing items on an image, style and file-theme application,
// published properties, the frame hooks and form descriptions.
#include "MenuTestSupport.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/TForm.h"
#include "framework/TImageList.h"
#include "framework/TextDraw.h"
#include "skin/styles/Suiresdef.h"
#include "skin/windows/SUIMainMenu.h"
#include "skin/windows/SuiMenuHost.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QMetaProperty>
#include <QPainter>
#include <gtest/gtest.h>
#include <memory>

using namespace SuiThemes;

namespace {

constexpr QRgb bar = qRgb(0xD6, 0xD3, 0xCE); // DeepBlue's bar column
constexpr QRgb white = qRgb(0xFF, 0xFF, 0xFF);

class StubFileTheme : public TsuiFileTheme {
public:
    bool usable = true;
    bool CanUse() const override { return usable; }
    void GetBitmap(int, QImage&) const override { }
    void GetBitmap(int, QImage&, int, int) const override { }
    // Each item answers a colour of its own, so a test sees which item went where.
    uint32_t GetColor(int index) const override { return 0x010203u * uint32_t(index); }
    int32_t GetInt(int) const override { return -1; }
    bool GetBool(int) const override { return false; }
};

// Draws one item of the menu on a fresh canvas.
QImage drawn(const TsuiMainMenu& menu, TMenuItem* item, const QRect& rect, bool selected,
    QSize canvas = QSize(220, 30))
{
    QImage image = blankCanvas(canvas.width(), canvas.height());
    QPainter painter(&image);
    menu.DrawItem(item, painter, rect, selected);
    return image;
}

// What an unselected DeepBlue item looks like before its text: bar column, then white.
QImage plainItem(const QRect& rect, QSize canvas = QSize(220, 30))
{
    QImage image = blankCanvas(canvas.width(), canvas.height());
    QPainter painter(&image);
    painter.fillRect(QRect(rect.x(), rect.y(), 26, rect.height()), QColor(bar));
    painter.fillRect(
        QRect(rect.x() + 26, rect.y(), rect.width() - 26, rect.height()), QColor(white));
    return image;
}

void drawText(
    QImage& image, const QFont& font, QRgb color, const QString& text, QRect r, unsigned flags)
{
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(QColor(color));
    DrawText(painter, text, r, flags);
}

int countColor(const QImage& image, QRgb color, const QRect& area)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += at(image, x, y) == (color | 0xFF000000u);
    return n;
}

struct CountingHost : SuiMenuHost {
    int menus = 0;
    int tops = 0;
    int repaints = 0;
    void UpdateMenu() override { ++menus; }
    void UpdateTopMenu() override { ++tops; }
    void RepaintMenuBar() override { ++repaints; }
};

} // namespace

namespace menuprobe {
// Stands in for the frame: a TsuiForm that publishes the menu it shows.
class TsuiForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle MEMBER style)
    Q_PROPERTY(TMainMenu* Menu MEMBER menu)
public:
    using QWidget::QWidget;
    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
    TMainMenu* menu = nullptr;
};
} // namespace menuprobe

TEST(SuiMainMenu, SeparatorMeasuresItsHeightAndDrawsOneLineBelowItsTop)
{
    TsuiMainMenu menu;
    TMenuItem* separator = addItem(&menu, "-");
    const QRect r(10, 7, 200, 5);
    const QImage image = drawn(menu, separator, r, false);
    QImage expected = plainItem(r);
    // From left + 26 + 4 up to two pixels before the right edge, on the item's third row.
    expected.setPixel(0, 0, expected.pixel(0, 0));
    for (int x = r.x() + 30; x < r.x() + r.width() - 2; ++x)
        expected.setPixel(x, r.y() + 2, qRgb(0x84, 0x82, 0x84));
    EXPECT_EQ(image, expected);

    QPainter painter(&expected);
    int width = 0;
    int height = 0;
    menu.MeasureItem(separator, painter, width, height);
    EXPECT_EQ(height, 5);

    menu.SetUIStyle(TsuiUIStyle::MacOS);
    menu.MeasureItem(separator, painter, width, height);
    EXPECT_EQ(height, 12);
    // MacOS shows the top twelve rows of its bar picture, stretched across, and no line.
    const QImage mac = drawn(menu, separator, QRect(0, 0, 50, 12), false);
    const QImage picture = GetSkinResource("MACOS_MENU_BAR");
    for (int y = 0; y < 12; ++y)
        for (int x : { 0, 25, 49 })
            EXPECT_EQ(at(mac, x, y), at(picture, 0, y)) << x << "," << y;
    EXPECT_EQ(at(mac, 0, 12), qRgb(0x12, 0x34, 0x56));
}

TEST(SuiMainMenu, ExitMeasuresItsCaptionAndDrawsItAfterTheBarWithTheAcceleratorUnderlined)
{
    TsuiMainMenu menu;
    TMenuItem* exitItem = addItem(&menu, "E&xit");
    QImage canvas = blankCanvas(10, 10);
    QPainter painter(&canvas);
    int width = 0;
    int height = 0;
    menu.MeasureItem(exitItem, painter, width, height);
    const QFont font = menu.ItemFont();
    EXPECT_EQ(width, QFontMetrics(font, &canvas).horizontalAdvance("E&xit") + 0 + 26 + 40);
    EXPECT_EQ(height, 21);

    const QRect r(5, 4, 180, 21);
    const QImage image = drawn(menu, exitItem, r, false);
    QImage expected = plainItem(r);
    drawText(expected, font, qRgb(0, 0, 0), "E&xit", QRect(r.x() + 30, r.y() + 4, 150, 17),
        DT_SINGLELINE);
    EXPECT_EQ(image, expected);
    // The same caption without its underline is a different picture: the x is underlined.
    QImage plain = plainItem(r);
    drawText(
        plain, font, qRgb(0, 0, 0), "Exit", QRect(r.x() + 30, r.y() + 4, 150, 17), DT_SINGLELINE);
    EXPECT_NE(image, plain);
    EXPECT_EQ(countColor(image, qRgb(0, 0, 0), QRect(r.x(), r.y(), 30, 21)), 0)
        << "nothing of the caption left of left + 30";
}

TEST(SuiMainMenu, ShortcutTextEndsSixteenPixelsBeforeTheRightEdgeAndWidensTheItem)
{
    TsuiMainMenu menu;
    TMenuItem* save = addItem(&menu, "&Save", scCtrl | 'S');
    QImage canvas = blankCanvas(10, 10);
    QPainter painter(&canvas);
    int width = 0;
    int height = 0;
    menu.MeasureItem(save, painter, width, height);
    const QFontMetrics metrics(menu.ItemFont(), &canvas);
    EXPECT_EQ(width, metrics.horizontalAdvance("&Save") + metrics.horizontalAdvance("Ctrl+S") + 66);

    const QRect r(0, 0, 200, 21);
    const QImage image = drawn(menu, save, r, false);
    QImage expected = plainItem(r);
    drawText(
        expected, menu.ItemFont(), qRgb(0, 0, 0), "&Save", QRect(30, 4, 170, 17), DT_SINGLELINE);
    const int shortWidth = metrics.horizontalAdvance("Ctrl+S");
    drawText(expected, menu.ItemFont(), qRgb(0, 0, 0), "Ctrl+S",
        QRect(200 - shortWidth - 16, 4, shortWidth, 17), DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    EXPECT_EQ(image, expected);
    EXPECT_EQ(countColor(image, qRgb(0, 0, 0), QRect(200 - 16, 0, 16, 21)), 0);
}

TEST(SuiMainMenu, CheckedItemShowsTheMarkOrItsImageOnAFramedSquare)
{
    TsuiMainMenu menu;
    TMenuItem* item = addItem(&menu, "&Grid");
    item->setChecked(true);
    const QRect r(0, 0, 120, 21);

    // Without an image: MENU_CHECKED at (left + 4, top + 3), its white left out.
    const QImage tick = GetSkinResource("MENU_CHECKED");
    QImage image = drawn(menu, item, r, false);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb mark = at(tick, x, y);
            EXPECT_EQ(at(image, 4 + x, 3 + y), mark == 0xFFFFFFFFu ? (bar | 0xFF000000u) : mark)
                << x << "," << y;
        }

    // An image index outside the list is no image: still the mark, no square.
    TImageList images;
    QImage strip(16, 16, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            strip.setPixel(x, y, qRgb(0xE0, 0x20, 0x20));
    images.setMasked(false);
    images.setBitmap(strip);
    menu.setImages(&images);
    item->setImageIndex(1);
    EXPECT_EQ(drawn(menu, item, r, false), image);

    // With an image: a black frame (left + 2, top + 1)-(left + 21, top + 20) filled with
    // SelectedColor, the image over it at (left + 4, top + 3).
    item->setImageIndex(0);
    menu.SetSelectedColor(TColor::fromRgb(0x11, 0xAA, 0x22));
    image = drawn(menu, item, r, false);
    for (int i = 2; i < 21; ++i) {
        EXPECT_EQ(at(image, i, 1), 0xFF000000u) << i;
        EXPECT_EQ(at(image, i, 19), 0xFF000000u) << i;
        EXPECT_EQ(at(image, 2, i - 1), 0xFF000000u) << i;
        EXPECT_EQ(at(image, 20, i - 1), 0xFF000000u) << i;
    }
    EXPECT_EQ(at(image, 3, 2), qRgb(0x11, 0xAA, 0x22));
    EXPECT_EQ(at(image, 19, 18), qRgb(0x11, 0xAA, 0x22));
    EXPECT_EQ(at(image, 4 + 4, 3 + 4), qRgb(0xE0, 0x20, 0x20));
    EXPECT_EQ(at(image, 4 + 11, 3 + 11), qRgb(0xE0, 0x20, 0x20));
    EXPECT_EQ(at(image, 1, 1), bar | 0xFF000000u);
    EXPECT_EQ(at(image, 21, 10), bar | 0xFF000000u);

    // Images set to none reads none, and the checked item shows the mark again.
    menu.setProperty("Images", QVariant::fromValue<TImageList*>(nullptr));
    EXPECT_EQ(menu.property("Images").value<TImageList*>(), nullptr);
    EXPECT_EQ(menu.GetImages(), nullptr);
    menu.SetSelectedColor(TColor(0xA04A44));
    EXPECT_EQ(drawn(menu, item, r, false), drawn(menu, item, r, false));
    const QImage again = drawn(menu, item, r, false);
    EXPECT_EQ(at(again, 1, 1), bar | 0xFF000000u);
    EXPECT_EQ(at(again, 4 + 5, 3 + 9), 0xFF000000u) << "part of the tick";
}

TEST(SuiMainMenu, DisabledItemsAreGreyAndKeepThePlainBackgroundWhenSelected)
{
    TsuiMainMenu menu;
    menu.SetUIStyle(TsuiUIStyle::WinXP);
    TMenuItem* item = addItem(&menu, "&Open");
    const QRect r(0, 0, 150, 21);
    const QRgb fill = qRgb(0xC6, 0xD3, 0xEF);
    const QRgb frame = qRgb(0x31, 0x69, 0xC6);

    QImage image = drawn(menu, item, r, true);
    EXPECT_EQ(at(image, 0, 0), frame);
    EXPECT_EQ(at(image, 149, 20), frame);
    EXPECT_EQ(at(image, 1, 1), fill);
    EXPECT_GT(countColor(image, qRgb(0, 0, 0), r), 10) << "WinXP's selected caption is black";

    item->setEnabled(false);
    image = drawn(menu, item, r, true);
    EXPECT_EQ(at(image, 0, 0), bar | 0xFF000000u);
    EXPECT_EQ(at(image, 100, 1), white);
    EXPECT_EQ(countColor(image, fill, r), 0);
    EXPECT_EQ(countColor(image, frame, r), 0);
    EXPECT_GT(countColor(image, qRgb(0x80, 0x80, 0x80), r), 10);
    EXPECT_EQ(countColor(image, qRgb(0, 0, 0), r), 0);
}

TEST(SuiMainMenu, DefaultItemIsBoldAndMeasuredSo)
{
    TsuiMainMenu menu;
    TMenuItem* item = addItem(&menu, "&Properties");
    QImage canvas = blankCanvas(10, 10);
    QPainter painter(&canvas);
    int plainWidth = 0;
    int height = 0;
    menu.MeasureItem(item, painter, plainWidth, height);
    item->setDefault(true);
    int boldWidth = 0;
    menu.MeasureItem(item, painter, boldWidth, height);
    EXPECT_EQ(boldWidth,
        QFontMetrics(menu.ItemFont(true), &canvas).horizontalAdvance("&Properties") + 66);
    EXPECT_GT(boldWidth, plainWidth);

    const QRect r(0, 0, 200, 21);
    QImage expected = plainItem(r);
    drawText(expected, menu.ItemFont(true), qRgb(0, 0, 0), "&Properties", QRect(30, 4, 170, 17),
        DT_SINGLELINE);
    EXPECT_EQ(drawn(menu, item, r, false), expected);
}

TEST(SuiMainMenu, MacOSKeepsItsItemHeightsAndDrawsItsPictures)
{
    TsuiMainMenu menu;
    menu.SetUIStyle(TsuiUIStyle::MacOS);
    menu.setProperty("MenuItemHeight", 30);
    menu.SetSeparatorHeight(3);
    EXPECT_EQ(menu.MenuItemHeight(), 20);
    EXPECT_EQ(menu.SeparatorHeight(), 12);

    TMenuItem* item = addItem(&menu, "&Open");
    const QImage select = GetSkinResource("MACOS_MENU_SELECT");
    const QImage plain = GetSkinResource("MACOS_MENU_BAR");
    const QImage selected = drawn(menu, item, QRect(0, 0, 120, 20), true);
    const QImage unselected = drawn(menu, item, QRect(0, 0, 120, 20), false);
    for (int y = 0; y < 20; ++y) {
        EXPECT_EQ(at(selected, 1, y), at(select, 0, y)) << y;
        EXPECT_EQ(at(unselected, 1, y), at(plain, 0, y)) << y;
    }
    EXPECT_GT(countColor(selected, white, QRect(0, 0, 120, 20)), 10) << "white caption";

    menu.SetUIStyle(TsuiUIStyle::WinXP);
    menu.SetHeight(30);
    EXPECT_EQ(menu.MenuItemHeight(), 30);
}

TEST(SuiMainMenu, OwnerDrawAlwaysReadsTrue)
{
    TsuiMainMenu menu;
    EXPECT_TRUE(menu.setProperty("OwnerDraw", false));
    EXPECT_TRUE(menu.property("OwnerDraw").toBool());
}

struct StyleColours {
    TsuiUIStyle style;
    uint32_t bar, background, font, selected, selectedBorder, selectedFont;
    int itemHeight, separatorHeight;
};

class SuiMainMenuStyles : public testing::TestWithParam<StyleColours> { };

TEST_P(SuiMainMenuStyles, StyleGivesTheMenuColoursAndSizes)
{
    const StyleColours& c = GetParam();
    TsuiMainMenu menu;
    menu.SetBarWidth(3);
    menu.setProperty("UIStyle", QVariant::fromValue(c.style));
    auto rgb = [](TColor color) { return color.value(); };
    EXPECT_EQ(rgb(menu.BarColor()), c.bar);
    EXPECT_EQ(rgb(menu.Color()), c.background);
    EXPECT_EQ(rgb(menu.FontColor()), c.font);
    EXPECT_EQ(rgb(menu.SelectedColor()), c.selected);
    EXPECT_EQ(rgb(menu.SelectedBorderColor()), c.selectedBorder);
    EXPECT_EQ(rgb(menu.SelectedFontColor()), c.selectedFont);
    EXPECT_EQ(menu.MenuItemHeight(), c.itemHeight);
    EXPECT_EQ(menu.SeparatorHeight(), c.separatorHeight);
    EXPECT_EQ(menu.BarWidth(), 26);
    EXPECT_EQ(rgb(menu.SeparatorColor()), c.style == TsuiUIStyle::MacOS ? 0u : 0x848284u);
}

// Colours as the drawing layer stores them, 0x00BBGGRR.
INSTANTIATE_TEST_SUITE_P(BuiltIn, SuiMainMenuStyles,
    testing::Values(
        StyleColours { TsuiUIStyle::MacOS, 0, 0, 0, 0xC47339, 0xC47339, 0xFFFFFF, 20, 12 },
        StyleColours { TsuiUIStyle::WinXP, 0xCED3D6, 0xFFFFFF, 0, 0xEFD3C6, 0xC66931, 0, 21, 5 },
        StyleColours {
            TsuiUIStyle::DeepBlue, 0xCED3D6, 0xFFFFFF, 0, 0xA04A44, 0xA04A44, 0xFFFFFF, 21, 5 },
        StyleColours {
            TsuiUIStyle::Protein, 0xCED3D6, 0xFFFFFF, 0, 0xC4302D, 0xC4302D, 0xFFFFFF, 21, 5 },
        StyleColours {
            TsuiUIStyle::BlueGlass, 0xCED3D6, 0xE7E7E7, 0, 0xEC5E5E, 0xEC5E5E, 0xFFFFFF, 21, 5 }));

TEST(SuiMainMenu, FileThemeSuppliesTheColoursAndItsRemovalReturnsDeepBlue)
{
    TsuiMainMenu menu;
    menu.SetUIStyle(TsuiUIStyle::WinXP);
    auto theme = std::make_unique<StubFileTheme>();
    menu.setProperty("FileTheme", QVariant::fromValue<TsuiFileTheme*>(theme.get()));
    EXPECT_EQ(menu.SelectedColor().value(), 0xEFD3C6u) << "a built-in style ignores the file";
    menu.SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(menu.BarColor().value(), 0x010203u * 23);
    EXPECT_EQ(menu.Color().value(), 0x010203u * 21);
    EXPECT_EQ(menu.FontColor().value(), 0x010203u * 22);
    EXPECT_EQ(menu.SelectedBorderColor().value(), 0x010203u * 18);
    EXPECT_EQ(menu.SelectedColor().value(), 0x010203u * 19);
    EXPECT_EQ(menu.SelectedFontColor().value(), 0x010203u * 20);

    // An unusable file falls back to DeepBlue's items, the style staying as set.
    theme->usable = false;
    menu.SetFileTheme(theme.get());
    EXPECT_EQ(menu.UIStyle(), TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(menu.SelectedColor().value(), 0xA04A44u);

    theme->usable = true;
    menu.SetFileTheme(theme.get());
    menu.SetUIStyle(TsuiUIStyle::WinXP);
    theme.reset();
    EXPECT_EQ(menu.FileTheme(), nullptr);
    EXPECT_EQ(menu.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(menu.SelectedColor().value(), 0xA04A44u);
}

TEST(SuiMainMenu, TakesTheFrameStyleAndAttachesItselfToTheFrame)
{
    TForm form;
    auto* frame = new menuprobe::TsuiForm(&form);
    frame->style = TsuiUIStyle::Protein;
    auto* menu = new TsuiMainMenu(&form);
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(frame->menu, menu);
    EXPECT_EQ(form.Menu(), nullptr) << "no native menu bar under a skinned frame";
    form.BeforeDestruction();

    TsuiMainMenu alone;
    EXPECT_EQ(alone.UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST(SuiMainMenu, TellsItsHostAboutLoadingChangesAndTheFont)
{
    TsuiMainMenu menu;
    CountingHost host;
    menu.SetMenuHost(&host);
    TMenuItem* file = addItem(&menu, "&File");
    addItem(file, "E&xit");
    menu.Loaded();
    EXPECT_EQ(host.menus, 1);

    host = {};
    file->setCaption("&Datei");
    EXPECT_GE(host.tops, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(host.menus, 0) << "a caption is no new item";

    // Items added one after another make one rebuild once they have settled.
    host = {};
    addItem(&menu, "&View");
    addItem(&menu, "&Help");
    EXPECT_EQ(host.menus, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(host.menus, 1);

    host = {};
    menu.SetUseSystemFont(false);
    EXPECT_EQ(host.repaints, 1);
    EXPECT_EQ(menu.BarFont().family(), QFont("MS Sans Serif").family());

    menu.SetMenuHost(nullptr);
    addItem(&menu, "&Tools");
    QCoreApplication::processEvents();
    EXPECT_EQ(host.menus, 0);
}

TEST(SuiMainMenu, FormDescriptionBuildsTheMenuAndWritesTheSameSettingsBack)
{
    RegisterSuiMenuComponents();
    const QByteArray xml = R"(<form class="TForm" name="fmMenu">
  <object class="TsuiMainMenu" name="suiMainMenu1">
    <property name="UIStyle">BlueGlass</property>
    <property name="MenuItemHeight">23</property>
    <property name="SeparatorColor">#848284</property>
    <property name="BorderColor">#112233</property>
    <property name="FlatMenu">true</property>
    <property name="FontName">Tahoma</property>
    <property name="FontSize">9</property>
    <property name="UseSystemFont">false</property>
    <object class="TMenuItem" name="miFile">
      <property name="Caption">&amp;File</property>
      <object class="TMenuItem" name="miFileExit">
        <property name="Caption">E&amp;xit</property>
        <property name="ShortCut">32883</property>
        <property name="Default">true</property>
      </object>
    </object>
  </object>
</form>)";
    TForm form;
    QBuffer in;
    in.setData(xml);
    in.open(QIODevice::ReadOnly);
    readForm(&form, &in, "menu.xml");
    auto* menu = form.findChild<TsuiMainMenu*>("suiMainMenu1");
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(menu->Color().value(), 0xE7E7E7u);
    EXPECT_EQ(menu->MenuItemHeight(), 23);
    EXPECT_EQ(menu->BorderColor().value(), 0x332211u);
    EXPECT_TRUE(menu->FlatMenu());
    EXPECT_EQ(menu->FontName(), "Tahoma");
    EXPECT_FALSE(menu->UseSystemFont());
    ASSERT_EQ(menu->Items().size(), 1);
    TMenuItem* exitItem = menu->Items()[0]->Item(0);
    EXPECT_EQ(ShortCutToText(exitItem->ShortCut()), "Alt+F4");
    EXPECT_TRUE(exitItem->Default());
    EXPECT_TRUE(bool(exitItem->OnDrawItem)) << "loading installed the item handlers";

    QBuffer out;
    out.setData(formDescription(&form));
    out.open(QIODevice::ReadOnly);
    TForm copy;
    readForm(&copy, &out, "copy.xml");
    auto* again = copy.findChild<TsuiMainMenu*>("suiMainMenu1");
    ASSERT_NE(again, nullptr);
    const QMetaObject* meta = menu->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (QByteArray(p.name()) == "objectName")
            continue;
        EXPECT_EQ(p.read(again), p.read(menu)) << p.name();
    }
    EXPECT_EQ(formDescription(&copy), formDescription(&form));
    form.BeforeDestruction();
    copy.BeforeDestruction();
}

#include "SUIMainMenuTest.moc"
