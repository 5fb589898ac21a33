#include "framework/TColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

TEST(TColorTest, StoresRedInTheLowByteAndConvertsToQColor)
{
    const TColor color = TColor::fromRgb(0x12, 0x34, 0x56);
    EXPECT_EQ(color.value(), 0x563412u);
    EXPECT_EQ(color.toQColor(), QColor(0x12, 0x34, 0x56));
    EXPECT_EQ(TColor::fromQRgb(qRgba(0x12, 0x34, 0x56, 0x10)), color);
    EXPECT_EQ(TColor(0x2CC800).toRgb(), qRgb(0x00, 0xC8, 0x2C));
}

TEST(TColorTest, SystemColoursResolveThroughTheApplicationPalette)
{
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(7, 8, 9));
    QGuiApplication::setPalette(palette);

    EXPECT_TRUE(clBtnFace.isSystemColor());
    EXPECT_EQ(clBtnFace.systemColorIndex(), 15);
    EXPECT_EQ(clBtnFace.toRgb(), qRgb(1, 2, 3));
    EXPECT_EQ(clHighlight.toRgb(), qRgb(4, 5, 6));
    EXPECT_EQ(clWindow.resolved(), TColor::fromRgb(7, 8, 9));
    // An index beyond the table resolves to black rather than reading past it.
    EXPECT_EQ(TColor(0xFF0000FF).toRgb(), qRgb(0, 0, 0));
    EXPECT_FALSE(clNone.isSystemColor());

    QGuiApplication::setPalette(saved);
}

TEST(TColorTest, ParsesNamesHexAndStoredIntegers)
{
    EXPECT_EQ(TColor::fromString(u"clBtnFace"), clBtnFace);
    EXPECT_EQ(TColor::fromString(u"CLBTNFACE"), clBtnFace);
    EXPECT_EQ(TColor::fromString(u"clFuchsia"), TColor(0xFF00FF));
    EXPECT_EQ(TColor::fromString(u"clLtGray"), clSilver);
    EXPECT_EQ(TColor::fromString(u"#002CC8"), TColor::fromRgb(0x00, 0x2C, 0xC8));
    EXPECT_EQ(TColor::fromString(u" #e7e7e7 "), TColor(0xE7E7E7));
    EXPECT_EQ(TColor::fromString(u"$00C8D0D4"), TColor(0x00C8D0D4));
    EXPECT_EQ(TColor::fromString(u"-16777201"), clBtnFace);
    EXPECT_EQ(TColor::fromString(u"16777215"), clWhite);

    for (const char16_t* bad : { u"", u"#12345", u"#1234567", u"#12345G", u"$", u"$123456789",
             u"clNoSuchColour", u"4294967296", u"-2147483649", u"12abc" })
        EXPECT_FALSE(TColor::fromString(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(TColorTest, PrintsNamesOrHexAndReadsBackWhatItPrinted)
{
    EXPECT_EQ(clBtnFace.toString(), QStringLiteral("clBtnFace"));
    EXPECT_EQ(clWhite.toString(), QStringLiteral("clWhite"));
    EXPECT_EQ(TColor::fromRgb(0xE8, 0x0A, 0xB0).toString(), QStringLiteral("#E80AB0"));
    EXPECT_EQ(TColor(0x12345678).toString(), QStringLiteral("$12345678"));
    for (TColor c : { clNone, clDefault, clMenuBar, TColor(0x0102FE), TColor(0x7F000001) })
        EXPECT_EQ(TColor::fromString(c.toString()), c) << c.toString().toStdString();
}
