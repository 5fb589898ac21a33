// The tool bar: buttons under the mouse, pressed and checked are painted by the bar in the
// theme's colours; others keep Qt's flat look.
#include "skin/controls/SUIToolBar.h"
#include "skin/styles/Suiresdef.h"
#include "framework/TColor.h"

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace SuiThemes;

namespace {

QColor item(TsuiUIStyle style, int index)
{
    return TColor(GetInsideThemeColor(style, index)).toQColor();
}

struct Bar {
    QWidget window;
    TsuiToolBar* bar = new TsuiToolBar(&window);
    QToolButton* plain = nullptr;
    QToolButton* check = nullptr;
    QToolButton* dropDown = nullptr;
    QMenu menu;
    Bar()
    {
        bar->SetUIStyle(TsuiUIStyle::WinXP);
        bar->SetShowCaptions(true);
        bar->setGeometry(0, 0, 300, 40);
        plain = bar->AddButton(new QAction(QStringLiteral("&Open"), bar));
        auto* checkable = new QAction(QStringLiteral("Bold"), bar);
        checkable->setCheckable(true);
        check = bar->AddButton(checkable);
        menu.addAction(QStringLiteral("Recent"));
        dropDown = bar->AddButton(new QAction(QStringLiteral("View"), bar), &menu);
        window.resize(320, 60);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    static QColor fillOf(QToolButton* button)
    {
        return button->grab().toImage().pixelColor(3, button->height() - 3);
    }
    static QColor edgeOf(QToolButton* button)
    {
        return button->grab().toImage().pixelColor(0, button->height() / 2);
    }
};

TEST(TsuiToolBar, TakesTheThreeColoursFromTheThemeAndIsTransparentForTwoStyles)
{
    TsuiToolBar bar;
    bar.SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(bar.ButtonBorderColor(), item(TsuiUIStyle::WinXP, SuiItem::ToolBarButtonBorderColor));
    EXPECT_EQ(bar.ButtonColor(), item(TsuiUIStyle::WinXP, SuiItem::ToolBarButtonBackgroundColor));
    EXPECT_EQ(
        bar.ButtonDownColor(), item(TsuiUIStyle::WinXP, SuiItem::ToolBarButtonDownBackgroundColor));
    EXPECT_FALSE(bar.Transparent());
    bar.SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_TRUE(bar.Transparent());
    bar.SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_TRUE(bar.Transparent());
}

TEST(TsuiToolBar, MouseOverPressAndCheckPaintTheThemedRectangle)
{
    Bar b;
    const QColor hot = b.bar->ButtonColor();
    const QColor down = b.bar->ButtonDownColor();
    const QColor edge = b.bar->ButtonBorderColor();
    // Away from the mouse the button is Qt's own flat one.
    EXPECT_NE(Bar::edgeOf(b.plain), edge);

    QTest::mouseMove(b.plain, b.plain->rect().center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return Bar::fillOf(b.plain) == hot; }));
    EXPECT_EQ(Bar::edgeOf(b.plain), edge);
    QTest::mousePress(b.plain, Qt::LeftButton, {}, b.plain->rect().center());
    EXPECT_EQ(Bar::fillOf(b.plain), down);
    QTest::mouseRelease(b.plain, Qt::LeftButton, {}, b.plain->rect().center());
    EXPECT_EQ(Bar::fillOf(b.plain), hot);

    // A checked button keeps the rectangle, in the hot colour, when the mouse has gone.
    QTest::mouseClick(b.check, Qt::LeftButton, {}, b.check->rect().center());
    EXPECT_TRUE(b.check->isChecked());
    QTest::mouseMove(&b.window, QPoint(310, 55));
    ASSERT_TRUE(QTest::qWaitFor([&] { return Bar::edgeOf(b.plain) != edge; }));
    EXPECT_EQ(Bar::fillOf(b.check), hot);
    EXPECT_EQ(Bar::edgeOf(b.check), edge);
}

TEST(TsuiToolBar, HotDropDownButtonShowsItsArrowPartInBlack)
{
    Bar b;
    QTest::mouseMove(b.dropDown, b.dropDown->rect().center());
    const QImage image = b.dropDown->grab().toImage();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Bar::fillOf(b.dropDown) == b.bar->ButtonColor(); }));
    const QImage shown = b.dropDown->grab().toImage();
    const int right = shown.width();
    const int m = shown.height() / 2;
    EXPECT_EQ(shown.pixelColor(right - 14, 3), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(right - 7, m + 1), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(right - 9, m), QColor(Qt::black));
    EXPECT_EQ(shown.pixelColor(right - 11, m), b.bar->ButtonColor());
}

} // namespace
