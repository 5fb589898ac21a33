// Built-in theme lookups, the start-up style of a form and the file theme rule.
#include "skin/styles/SUIThemes.h"
#include "skin/styles/Suiresdef.h"
#include "skin/styles/TsuiFileTheme.h"

#include <QMdiArea>
#include <QWidget>
#include <gtest/gtest.h>

using namespace SuiThemes;

namespace {

constexpr TsuiUIStyle kBuiltin[] = { TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
    TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass };

// #RRGGBB as written in the tables, turned into the stored 0x00BBGGRR.
constexpr uint32_t bgr(uint32_t rrggbb)
{
    return ((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF);
}

struct IntRow {
    int index;
    int values[5];
};
// The integer and flag rows, copied from the published table rather than from the code.
constexpr IntRow kInts[] = {
    { 7, { 3, 2, 0, 0, 4 } },
    { 8, { -2, -2, 0, 0, -3 } },
    { 9, { 4, 5, 2, 2, 6 } },
    { 13, { 130, 150, 130, 130, 270 } },
    { 14, { 0, 13, 0, 0, 11 } },
    { 17, { 1, 3, 1, 1, 1 } },
};
constexpr IntRow kBools[] = { { 2, { 1, 0, 0, 0, 1 } }, { 6, { 0, 0, 0, 1, 1 } } };

struct ColorRow {
    int index;
    uint32_t rgb[5];
};
constexpr ColorRow kColors[] = {
    { 15, { 0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } },
    { 16, { 0x7F7F7F, 0x002CC8, 0x000000, 0x000000, 0x000000 } },
    { 18, { 0x3973C4, 0x3169C6, 0x444AA0, 0x2D30C4, 0x5E5EEC } },
    { 19, { 0x3973C4, 0xC6D3EF, 0x444AA0, 0x2D30C4, 0x5E5EEC } },
    { 20, { 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF } },
    { 21, { 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7 } },
    { 22, { 0x000000, 0x000000, 0x000000, 0x000000, 0x000000 } },
    { 23, { 0x000000, 0xD6D3CE, 0xD6D3CE, 0xD6D3CE, 0xD6D3CE } },
    { 25, { 0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000 } },
    { 26, { 0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 } },
    { 27, { 0x000000, 0x0246CF, 0x000000, 0x000000, 0x000000 } },
    { 31, { 0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4 } },
    { 35, { 0x474747, 0x3169C6, 0x474747, 0x474747, 0x474747 } },
    { 36, { 0xEFEFEF, 0xC6D3EF, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF } },
    { 37, { 0xD8D8D8, 0x93ACE1, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8 } },
};

class FakeFileTheme : public TsuiFileTheme {
public:
    bool usable = true;
    bool CanUse() const override { return usable; }
    void GetBitmap(int, QImage& target) const override
    {
        target = QImage(5, 5, QImage::Format_RGB32);
    }
    void GetBitmap(int, QImage& target, int, int) const override
    {
        target = QImage(1, 1, QImage::Format_RGB32);
    }
    uint32_t GetColor(int) const override { return 0x123456; }
    int32_t GetInt(int) const override { return 77; }
    bool GetBool(int) const override { return true; }
};

} // namespace

// A stand-in for the frame component, recognised by its class name as the real one is.
namespace themesprobe {
class TsuiForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle MEMBER style)
public:
    using QWidget::QWidget;
    TsuiUIStyle style = TsuiUIStyle::DeepBlue;
};
} // namespace themesprobe

TEST(SUIThemes, EveryIntegerAndFlagItemAnswersItsTableValueInEveryStyle)
{
    for (int s = 0; s < 5; ++s) {
        for (const auto& row : kInts)
            EXPECT_EQ(GetInsideThemeInt(kBuiltin[s], row.index), row.values[s])
                << "item " << row.index << " style " << s;
        for (const auto& row : kBools)
            EXPECT_EQ(GetInsideThemeBool(kBuiltin[s], row.index), row.values[s] != 0)
                << "item " << row.index << " style " << s;
    }
}

TEST(SUIThemes, EveryColourItemAnswersItsTableValueRedInTheLowByte)
{
    for (int s = 0; s < 5; ++s)
        for (const auto& row : kColors)
            EXPECT_EQ(GetInsideThemeColor(kBuiltin[s], row.index), bgr(row.rgb[s]))
                << "item " << row.index << " style " << s;
    EXPECT_EQ(GetInsideThemeColor(TsuiUIStyle::BlueGlass, 25), 0u);
    EXPECT_EQ(GetInsideThemeColor(TsuiUIStyle::WinXP, 16), 0xC82C00u);
}

TEST(SUIThemes, KeysAndKindsFollowTheItemOrder)
{
    EXPECT_EQ(ThemeItemKey(1), "ButtonImage");
    EXPECT_EQ(ThemeItemKey(42), "SideChannelBarImage");
    EXPECT_EQ(ThemeItemKey(0), "");
    EXPECT_EQ(ThemeItemKey(43), "");
    EXPECT_EQ(ThemeItemIndex("TitleBarButtonTopInt"), 9);
    EXPECT_EQ(ThemeItemIndex("buttonimage"), 0);
    int kinds[4] = {};
    for (int i = 1; i <= SUI_THEME_ITEM_COUNT; ++i) {
        EXPECT_EQ(kThemeItems[i - 1].index, i);
        EXPECT_EQ(ThemeItemIndex(ThemeItemKey(i)), i);
        ++kinds[int(kThemeItems[i - 1].kind)];
    }
    // 6 integers, 15 colours, 19 images, 2 flags.
    EXPECT_EQ(kinds[int(TsuiType::Int)], 6);
    EXPECT_EQ(kinds[int(TsuiType::Color)], 15);
    EXPECT_EQ(kinds[int(TsuiType::Str)], 19);
    EXPECT_EQ(kinds[int(TsuiType::Bool)], 2);
}

TEST(SUIThemes, AKindThatDoesNotFitGivesTheTypedFallBack)
{
    EXPECT_EQ(GetInsideThemeInt(TsuiUIStyle::WinXP, 15), -1); // a colour asked as integer
    EXPECT_EQ(GetInsideThemeColor(TsuiUIStyle::WinXP, 14), 0u); // an integer asked as colour
    EXPECT_FALSE(GetInsideThemeBool(TsuiUIStyle::MacOS, 7));
    EXPECT_EQ(GetInsideThemeInt(TsuiUIStyle::MacOS, 1), -1); // an image asked as integer
    QImage target(3, 4, QImage::Format_RGB32);
    target.fill(Qt::red);
    GetInsideThemeBitmap(TsuiUIStyle::MacOS, 13, &target);
    EXPECT_EQ(target.size(), QSize(3, 4));
    EXPECT_EQ(target.pixelColor(0, 0), QColor(Qt::red));
}

TEST(SUIThemes, FromThemeFileAndIndexesOutsideTheTablesAnswerLikeAnIntegerMinusOne)
{
    for (int index : { 2, 6, 7, 15, 1 }) {
        EXPECT_EQ(GetInsideThemeInt(TsuiUIStyle::FromThemeFile, index), -1);
        EXPECT_FALSE(GetInsideThemeBool(TsuiUIStyle::FromThemeFile, index));
        EXPECT_EQ(GetInsideThemeColor(TsuiUIStyle::FromThemeFile, index), 0u);
    }
    for (int index : { 0, -1, 43, 1000000 }) {
        EXPECT_EQ(GetInsideThemeInt(TsuiUIStyle::DeepBlue, index), -1);
        EXPECT_EQ(GetInsideThemeColor(TsuiUIStyle::DeepBlue, index), 0u);
        EXPECT_FALSE(GetInsideThemeBool(TsuiUIStyle::DeepBlue, index));
        QImage untouched;
        GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, index, &untouched, 3, 1);
        EXPECT_TRUE(untouched.isNull());
    }
    // A value outside the enumeration, as a corrupt stored form could carry.
    EXPECT_EQ(GetInsideThemeInt(TsuiUIStyle(9), 7), -1);
    QImage untouched;
    GetInsideThemeBitmap(TsuiUIStyle::FromThemeFile, 1, &untouched);
    EXPECT_TRUE(untouched.isNull());
}

TEST(SUIThemes, AFrameCountCutsOneFrameAndZeroGivesTheWholeStrip)
{
    QImage frame;
    GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, 5, &frame, 18, 1);
    EXPECT_EQ(frame.size(), QSize(19, 19));
    QImage whole;
    GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, 5, &whole, 0, 5);
    EXPECT_EQ(whole.size(), QSize(342, 19));
    EXPECT_EQ(frame, whole.copy(0, 0, 19, 19));
    QImage last;
    GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, 5, &last, 18, 18);
    EXPECT_EQ(last, whole.copy(17 * 19, 0, 19, 19));
    QImage button;
    GetInsideThemeBitmap(TsuiUIStyle::BlueGlass, 1, &button, 3, 2);
    EXPECT_EQ(button.size(), QSize(77, 27));
    GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, 1, nullptr, 3, 1); // no target: nothing happens
}

TEST(SUIThemes, ANewControlTakesTheStyleOfTheFirstFrameOnItsForm)
{
    QWidget form;
    QWidget plain(&form);
    themesprobe::TsuiForm first(&form);
    first.style = TsuiUIStyle::BlueGlass;
    themesprobe::TsuiForm second(&form);
    second.style = TsuiUIStyle::WinXP;
    EXPECT_EQ(GetSUIFormStyle(&form), TsuiUIStyle::BlueGlass);

    QWidget bare;
    QWidget panel(&bare);
    EXPECT_EQ(GetSUIFormStyle(&bare), TsuiUIStyle::DeepBlue);
    // Owned by a non-form: a child widget or a plain object.
    EXPECT_EQ(GetSUIFormStyle(&plain), TsuiUIStyle::DeepBlue);
    QObject component;
    EXPECT_EQ(GetSUIFormStyle(&component), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(GetSUIFormStyle(nullptr), TsuiUIStyle::DeepBlue);
    // A frame deeper down is not a direct child of the form.
    themesprobe::TsuiForm nested(&panel);
    nested.style = TsuiUIStyle::Protein;
    EXPECT_EQ(GetSUIFormStyle(&bare), TsuiUIStyle::DeepBlue);
}

TEST(SUIThemes, AFormInsideAnMdiSubWindowIsAFormToo)
{
    QMdiArea area;
    auto* child = new QWidget;
    themesprobe::TsuiForm frame(child);
    frame.style = TsuiUIStyle::WinXP;
    area.addSubWindow(child);
    EXPECT_FALSE(child->isWindow());
    EXPECT_TRUE(IsSUIForm(child));
    EXPECT_EQ(GetSUIFormStyle(child), TsuiUIStyle::WinXP);
    EXPECT_FALSE(IsSUIForm(&frame));
}

TEST(SUIThemes, UsingFileThemeOnlyForFromThemeFileWithAUsableTheme)
{
    FakeFileTheme theme;
    TsuiUIStyle effective = TsuiUIStyle::MacOS;
    EXPECT_FALSE(UsingFileTheme(nullptr, TsuiUIStyle::FromThemeFile, effective));
    EXPECT_EQ(effective, TsuiUIStyle::DeepBlue);
    EXPECT_FALSE(UsingFileTheme(&theme, TsuiUIStyle::WinXP, effective));
    EXPECT_EQ(effective, TsuiUIStyle::WinXP);
    EXPECT_TRUE(UsingFileTheme(&theme, TsuiUIStyle::FromThemeFile, effective));
    EXPECT_EQ(effective, TsuiUIStyle::FromThemeFile);
    theme.usable = false;
    EXPECT_FALSE(UsingFileTheme(&theme, TsuiUIStyle::FromThemeFile, effective));
    EXPECT_EQ(effective, TsuiUIStyle::DeepBlue);
}

#include "SUIThemesTest.moc"
