// The themed drop-down: a real QMenu dropped down (offscreen), grabbed and compared with the
// menu's own item drawing; its frame, flat border, mouse handling and large menus.
#include "MenuTestSupport.h"

#include "skin/styles/Suiresdef.h"
#include "skin/windows/SUIMainMenu.h"
#include "skin/windows/SuiMenuDropDown.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <gtest/gtest.h>

using namespace SuiThemes;

namespace {

struct FileMenu {
    TsuiMainMenu menu;
    TMenuItem* file = addItem(&menu, "&File");
    TMenuItem* open = addItem(file, "&Open...", scCtrl | 'O');
    TMenuItem* separator = addItem(file, "-");
    TMenuItem* exit = addItem(file, "E&xit");

    FileMenu() { menu.Loaded(); }

    QMenu* dropDown(const QPoint& at = QPoint(60, 40))
    {
        QMenu* shown = menu.PopupItem(file, at);
        return QTest::qWaitForWindowExposed(shown) ? shown : nullptr;
    }
};

int measuredWidth(const TsuiMainMenu& menu, TMenuItem* item)
{
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    int width = 0;
    int height = 0;
    menu.MeasureItem(item, painter, width, height);
    return width;
}

QImage drawnItem(const TsuiMainMenu& menu, TMenuItem* item, QSize size, bool selected)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    menu.DrawItem(item, painter, QRect(QPoint(0, 0), size), selected);
    return image;
}

} // namespace

TEST(SuiMenuDropDown, DroppedDownMenuShowsTheItemsAsTheMenuDrawsThem)
{
    FileMenu m;
    QMenu* shown = m.dropDown();
    ASSERT_NE(shown, nullptr);
    const QList<QAction*> actions = shown->actions();
    ASSERT_EQ(actions.size(), 3);

    // Items stand one below the other inside the 3-pixel frame, all as wide as the widest.
    const int width = std::max({ measuredWidth(m.menu, m.open), measuredWidth(m.menu, m.separator),
        measuredWidth(m.menu, m.exit) });
    EXPECT_EQ(shown->actionGeometry(actions[0]), QRect(3, 3, width, 21));
    EXPECT_EQ(shown->actionGeometry(actions[1]), QRect(3, 24, width, 5));
    EXPECT_EQ(shown->actionGeometry(actions[2]), QRect(3, 29, width, 21));
    EXPECT_EQ(shown->size(), QSize(width + 6, 21 + 5 + 21 + 6));

    const QImage grabbed = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int i = 0; i < 3; ++i) {
        const QRect r = shown->actionGeometry(actions[i]);
        TMenuItem* item = i == 0 ? m.open : i == 1 ? m.separator : m.exit;
        EXPECT_EQ(grabbed.copy(r), drawnItem(m.menu, item, r.size(), false)) << "item " << i;
    }
    // The frame: an outline, then the bar column continued up to it on the left.
    const QRgb bar = qRgb(0xD6, 0xD3, 0xCE);
    EXPECT_EQ(at(grabbed, 1, 1), bar);
    EXPECT_EQ(at(grabbed, 1, grabbed.height() - 2), bar);
    EXPECT_EQ(at(grabbed, grabbed.width() - 2, 1), qRgb(0xFF, 0xFF, 0xFF));
    EXPECT_NE(at(grabbed, 0, 0), bar);

    // Hovering highlights the item under the pointer with the menu's own selected drawing.
    const QRect first = shown->actionGeometry(actions[0]);
    QTest::mouseMove(shown, first.center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return shown->activeAction() == actions[0]; }));
    const QImage hot = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(hot.copy(first), drawnItem(m.menu, m.open, first.size(), true));
    EXPECT_EQ(at(hot, first.x() + 1, first.y() + 1), qRgb(0x44, 0x4A, 0xA0));
}

TEST(SuiMenuDropDown, ClickingAnItemRunsItAndADisabledItemNever)
{
    FileMenu m;
    int opened = 0;
    int exited = 0;
    m.open->OnClick = [&](QObject*) { ++opened; };
    m.exit->OnClick = [&](QObject*) { ++exited; };
    m.exit->setEnabled(false);
    QMenu* shown = m.dropDown();
    ASSERT_NE(shown, nullptr);
    QTest::mouseClick(
        shown, Qt::LeftButton, {}, shown->actionGeometry(shown->actions()[2]).center());
    EXPECT_EQ(exited, 0);
    QTest::mouseClick(
        shown, Qt::LeftButton, {}, shown->actionGeometry(shown->actions()[0]).center());
    EXPECT_EQ(opened, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !shown->isVisible(); }));
}

TEST(SuiMenuDropDown, FlatMenuDrawsItsBorderIntoTheDropDownsOwnBorder)
{
    FileMenu m;
    m.menu.SetFlatMenu(true);
    m.menu.SetUIStyle(TsuiUIStyle::WinXP);
    QMenu* shown = m.dropDown();
    ASSERT_NE(shown, nullptr);
    const QImage img = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const int w = img.width();
    const int h = img.height();
    const QRgb form = rgbOf(GetInsideThemeColor(TsuiUIStyle::WinXP, SuiItem::FormBackgroundColor));
    const QRgb black = qRgb(0, 0, 0);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    for (int x = 1; x < w; ++x)
        EXPECT_EQ(at(img, x, 0), form) << "top line " << x;
    for (int y = 0; y < h; ++y)
        EXPECT_EQ(at(img, w - 1, y), form) << "right line " << y;
    for (int x = 0; x < w; ++x)
        EXPECT_EQ(at(img, x, h - 1), form) << "bottom line " << x;
    // Black frame from (0, 1) to (w - 2, h - 2), white frame one pixel inside it.
    for (int x = 0; x <= w - 2; ++x) {
        EXPECT_EQ(at(img, x, 1), black) << x;
        EXPECT_EQ(at(img, x, h - 2), black) << x;
    }
    for (int y = 1; y <= h - 2; ++y) {
        EXPECT_EQ(at(img, 0, y), black) << y;
        EXPECT_EQ(at(img, w - 2, y), black) << y;
    }
    for (int x = 1; x <= w - 3; ++x) {
        EXPECT_EQ(at(img, x, 2), white) << x;
        EXPECT_EQ(at(img, x, h - 3), white) << x;
    }
    for (int y = 2; y <= h - 3; ++y) {
        EXPECT_EQ(at(img, 1, y), white) << y;
        EXPECT_EQ(at(img, w - 3, y), white) << y;
    }
    // The items are untouched by it.
    const QRect first = shown->actionGeometry(shown->actions()[0]);
    EXPECT_EQ(img.copy(first), drawnItem(m.menu, m.open, first.size(), false));
}

TEST(SuiMenuDropDown, StyleChangeRepaintsTheOpenDropDown)
{
    FileMenu m;
    QMenu* shown = m.dropDown();
    ASSERT_NE(shown, nullptr);
    const QRect first = shown->actionGeometry(shown->actions()[0]);
    m.menu.SetUIStyle(TsuiUIStyle::BlueGlass);
    const QImage img = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(at(img, first.x() + 100, first.y() + 1), qRgb(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(img.copy(first), drawnItem(m.menu, m.open, first.size(), false));
}

TEST(SuiMenuDropDown, SubmenusOpenThemedAndAreBuiltOnlyWhenVisited)
{
    TsuiMainMenu menu;
    TMenuItem* top = addItem(&menu, "&Deep");
    // A chain far deeper than anyone would click through.
    TMenuItem* level = top;
    for (int i = 0; i < 500; ++i)
        level = addItem(level, QStringLiteral("Level %1").arg(i));
    menu.Loaded();
    EXPECT_TRUE(bool(level->OnDrawItem)) << "handlers reach the deepest item";

    QMenu* shown = menu.PopupItem(top, QPoint(20, 20));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    EXPECT_EQ(shown->findChildren<SuiMenuDropDown*>().size(), 1);
    QAction* into = shown->actions().value(0);
    ASSERT_NE(into, nullptr);
    ASSERT_NE(into->menu(), nullptr);
    shown->setActiveAction(into);
    QTest::keyClick(shown, Qt::Key_Right);
    auto* sub = qobject_cast<SuiMenuDropDown*>(into->menu());
    ASSERT_TRUE(QTest::qWaitFor([&] { return sub->isVisible(); }));
    EXPECT_EQ(sub->style(), shown->style());
    EXPECT_EQ(sub->actions().size(), 1);
    // Opened from the keyboard, the submenu highlights its first item.
    EXPECT_EQ(sub->activeAction(), sub->actions().value(0));
    const QImage img = sub->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(at(img, 10, 10), qRgb(0x44, 0x4A, 0xA0));
}

TEST(SuiMenuDropDown, HundredsOfItemsScrollWithinTheScreen)
{
    TsuiMainMenu menu;
    TMenuItem* top = addItem(&menu, "&Many");
    for (int i = 0; i < 600; ++i)
        addItem(top, i % 50 == 49 ? QStringLiteral("-") : QStringLiteral("Item %1").arg(i));
    QMenu* shown = menu.PopupItem(top, QPoint(10, 10));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(shown));
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(shown->height(), screen.height());
    EXPECT_LT(shown->width(), 400) << "one column, scrolled rather than wrapped";
    const QImage img = shown->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(at(img, 10, img.height() / 2), qRgb(0xD6, 0xD3, 0xCE));
    // The scroll arrow at the bottom is drawn in the menu's text colour on its background.
    bool arrow = false;
    for (int y = img.height() - 15; y < img.height() - 3; ++y)
        arrow = arrow || at(img, img.width() / 2, y) == qRgb(0, 0, 0);
    EXPECT_TRUE(arrow);
}
