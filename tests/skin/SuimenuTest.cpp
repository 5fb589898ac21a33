// The menu drawing helpers: the flat window border, separator lines, handler installation and
// the platform's menu font.
#include "MenuTestSupport.h"

#include "skin/windows/Suimenu.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

TEST(Suimenu, WindowBorderDrawsTheFlatFrameLinesOfItsRectangle)
{
    QImage image = blankCanvas(40, 30);
    QPainter painter(&image);
    const QRect window(5, 4, 20, 12); // left 5, top 4, right 25, bottom 16 (exclusive)
    Menu_DrawWindowBorder(painter, window, TColor(0x0000FF), TColor(0x00FF00));
    painter.end();

    const QRgb none = qRgb(0x12, 0x34, 0x56);
    const QRgb red = qRgb(0xFF, 0, 0);
    const QRgb green = qRgb(0, 0xFF, 0);
    const QRgb white = qRgb(0xFF, 0xFF, 0xFF);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 40; ++x) {
            QRgb expected = none;
            const bool inside = x >= 5 && x < 25 && y >= 4 && y < 16;
            if (inside) {
                // Colour 2 along the top (from the second column), the right and the bottom.
                if ((y == 4 && x >= 6) || x == 24 || y == 15)
                    expected = green;
                else if (((x == 5 || x == 23) && y >= 5 && y <= 14)
                    || ((y == 5 || y == 14) && x >= 5 && x <= 23))
                    expected = red;
                else if (((x == 6 || x == 22) && y >= 6 && y <= 13)
                    || ((y == 6 || y == 13) && x >= 6 && x <= 22))
                    expected = white;
            }
            EXPECT_EQ(at(image, x, y), expected) << x << "," << y;
        }

    // Too small for a frame: nothing is drawn.
    QImage tiny = blankCanvas(4, 4);
    QPainter tinyPainter(&tiny);
    Menu_DrawWindowBorder(tinyPainter, QRect(0, 0, 2, 2), clBlack, clWhite);
    tinyPainter.end();
    EXPECT_EQ(tiny, blankCanvas(4, 4));
}

TEST(Suimenu, SeparatorLineFitsItsItemOrIsLeftOut)
{
    QImage image = blankCanvas(60, 10);
    QPainter painter(&image);
    Menu_DrawLineItem(painter, QRect(0, 3, 60, 1), clRed, 26);
    // An item too narrow to reach past the bar gets no line.
    Menu_DrawLineItem(painter, QRect(0, 6, 31, 4), clRed, 26);
    painter.end();
    for (int x = 0; x < 60; ++x)
        EXPECT_EQ(at(image, x, 5), x >= 30 && x < 58 ? qRgb(0xFF, 0, 0) : qRgb(0x12, 0x34, 0x56))
            << x;
    for (int x = 0; x < 60; ++x)
        EXPECT_EQ(at(image, x, 8), qRgb(0x12, 0x34, 0x56)) << x;
}

TEST(Suimenu, HandlersReachEveryItemOfADeepTree)
{
    QObject root;
    TMenuItem* top = addItem(&root, "&Top");
    TMenuItem* side = addItem(top, "&Side");
    TMenuItem* level = top;
    for (int i = 0; i < 300; ++i)
        level = addItem(level, QStringLiteral("%1").arg(i));
    int drawn = 0;
    Menu_SetItemEvent(
        top, [](QObject*, QPainter&, int& w, int& h) { w = h = 7; },
        [&](QObject*, QPainter&, const QRect&, bool) { ++drawn; });
    QImage scratch = blankCanvas(1, 1);
    QPainter painter(&scratch);
    for (TMenuItem* item : { top, side, level }) {
        int w = 0;
        int h = 0;
        item->OnMeasureItem(item, painter, w, h);
        EXPECT_EQ(w, 7);
        item->OnDrawItem(item, painter, QRect(), false);
    }
    EXPECT_EQ(drawn, 3);
}

TEST(Suimenu, SystemFontIsThePlatformMenuFont)
{
    QFont font("Courier", 30);
    TColor color = clRed;
    EXPECT_TRUE(Menu_GetSystemFont(font, &color));
    EXPECT_EQ(font, QApplication::font("QMenu"));
    EXPECT_EQ(color, clMenuText);
}
