#include "skin/windows/FormBorderPainter.h"

#include "framework/BitmapOps.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

constexpr QRgb kBorder = 0xFF000000u;
constexpr QRgb kClient = 0xFFE7E7E7u;
constexpr QRgb kMenuBar = 0xFF3B5BACu;
constexpr QRgb kUnpainted = 0xFF123456u;

// Section pictures whose every pixel names its picture (blue) and its column and row.
QImage picture(int width, int height, int id)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, id));
    return image;
}

FormBorderLook look(int w, int h)
{
    FormBorderLook l;
    l.size = QSize(w, h);
    l.borderWidth = 1;
    l.borderColor = QColor::fromRgb(kBorder);
    l.color = QColor::fromRgb(kClient);
    l.titleBarVisible = true;
    l.titleBarHeight = 29;
    l.titleBarCanPaint = true;
    l.leftImage = picture(12, 32, 1);
    l.centerImage = picture(5, 32, 2);
    l.rightImage = picture(14, 32, 3);
    l.menuBarVisible = true;
    l.menuBarHeight = 22;
    l.menuBarColor = QColor::fromRgb(kMenuBar);
    l.roundCorner = 11;
    return l;
}

QImage painted(const FormBorderLook& l)
{
    QImage image(l.size, QImage::Format_RGB32);
    image.fill(kUnpainted);
    QPainter painter(&image);
    PaintFormBorder(painter, l);
    return image;
}

TEST(PaintFormBorder, BorderLinesLeftRightAndBottomAndClientColourInside)
{
    const FormBorderLook l = look(120, 90);
    const QImage image = painted(l);
    for (int y = 0; y < 90; ++y) {
        EXPECT_EQ(image.pixel(0, y), kBorder) << y;
        EXPECT_EQ(image.pixel(119, y), kBorder) << y;
    }
    for (int x = 0; x < 120; ++x)
        EXPECT_EQ(image.pixel(x, 89), kBorder) << x;
    // Sides below the menu bar and the two bottom lines take the client colour.
    for (int y = 3 + 29 + 22; y < 88; ++y) {
        for (int x : { 1, 2, 117, 118 })
            EXPECT_EQ(image.pixel(x, y), kClient) << x << "," << y;
    }
    for (int x = 1; x < 119; ++x) {
        EXPECT_EQ(image.pixel(x, 87), kClient) << x;
        EXPECT_EQ(image.pixel(x, 88), kClient) << x;
    }
    // Nothing inside the band is touched.
    EXPECT_EQ(image.pixel(3, 60), kUnpainted);
    EXPECT_EQ(image.pixel(116, 86), kUnpainted);
}

TEST(PaintFormBorder, FrameBesideTheMenuBarTakesTheBarColour)
{
    const QImage image = painted(look(120, 90));
    for (int y = 32; y < 54; ++y) {
        for (int x : { 1, 2, 117, 118 })
            EXPECT_EQ(image.pixel(x, y), kMenuBar) << x << "," << y;
    }
    EXPECT_EQ(image.pixel(1, 54), kClient);
}

TEST(PaintFormBorder, TopBandContinuesTheTitleBarPicturesColumnForColumn)
{
    const int w = 120;
    FormBorderLook l = look(w, 90);
    l.roundCorner = 0; // no arcs over the pictures here
    const QImage image = painted(l);
    const int lw = 12;
    const int rw = 14;
    // The band spans window columns 2 .. W - 4; there picture column k of the left picture lands on
    // window column k, the right picture ends at the window's right edge, and the centre is
    // stretched over what lies between (nearest pixel, rounding down).
    for (int y = 0; y < 3; ++y) {
        for (int x = 2; x <= w - 4; ++x) {
            QRgb expected;
            if (x < lw)
                expected = qRgb(x, y, 1);
            else if (x >= w - rw)
                expected = qRgb(x - (w - rw), y, 3);
            else
                expected = qRgb(BitmapOps::stretchSource(x - lw, 5, w - rw - lw), y, 2);
            EXPECT_EQ(image.pixel(x, y), expected) << x << "," << y;
        }
    }
    // The side strips below the band: the left picture from column 0 at window column 1, the
    // right picture's last two columns at W - 3 and W - 2, down to the pictures' height.
    for (int y = 3; y < 32; ++y) {
        EXPECT_EQ(image.pixel(1, y), qRgb(0, y, 1)) << y;
        EXPECT_EQ(image.pixel(2, y), qRgb(1, y, 1)) << y;
        EXPECT_EQ(image.pixel(w - 3, y), qRgb(rw - 2, y, 3)) << y;
        EXPECT_EQ(image.pixel(w - 2, y), qRgb(rw - 1, y, 3)) << y;
    }
}

TEST(PaintFormBorder, TwoArcsOutlineTheRoundCornersOnlyForBorder1AndCorner11)
{
    const int w = 120;
    QImage image = painted(look(w, 90));
    for (const QPoint p :
        { QPoint(5, 0), QPoint(6, 0), QPoint(3, 1), QPoint(1, 3), QPoint(0, 5) }) {
        EXPECT_EQ(image.pixel(p), kBorder) << p.x() << "," << p.y();
        EXPECT_EQ(image.pixel(w - 1 - p.x(), p.y()), kBorder) << "mirror " << p.x();
    }
    // Just inside the arc the picture shows.
    EXPECT_EQ(image.pixel(7, 0), qRgb(7, 0, 1));
    EXPECT_EQ(image.pixel(5, 1), qRgb(5, 1, 1));

    FormBorderLook other = look(w, 90);
    other.roundCorner = 9;
    image = painted(other);
    EXPECT_EQ(image.pixel(5, 0), qRgb(5, 0, 1));
    other = look(w, 90);
    other.borderWidth = 2;
    image = painted(other);
    EXPECT_EQ(image.pixel(5, 0), qRgb(5, 0, 1));
}

TEST(PaintFormBorder, HiddenTitleBarLeavesOneBorderLineAboveTwoClientLines)
{
    FormBorderLook l = look(80, 60);
    l.titleBarVisible = false;
    l.menuBarVisible = false;
    const QImage image = painted(l);
    for (int x = 0; x < 80; ++x)
        EXPECT_EQ(image.pixel(x, 0), kBorder) << x;
    for (int x = 1; x < 79; ++x) {
        EXPECT_EQ(image.pixel(x, 1), kClient) << x;
        EXPECT_EQ(image.pixel(x, 2), kClient) << x;
    }
    // The sides reach up to the top, in the client colour.
    EXPECT_EQ(image.pixel(1, 5), kClient);
    EXPECT_EQ(image.pixel(78, 5), kClient);
}

TEST(PaintFormBorder, MissingOrTinyPicturesPaintSoundly)
{
    FormBorderLook l = look(80, 60);
    l.titleBarCanPaint = false;
    QImage image = painted(l);
    for (int x = 1; x < 79; ++x)
        EXPECT_EQ(image.pixel(x, 1), kClient) << x;
    EXPECT_EQ(image.pixel(1, 20), kClient);

    l = look(80, 60);
    l.leftImage = picture(1, 1, 1);
    l.rightImage = picture(1, 2, 3);
    l.centerImage = QImage();
    image = painted(l);
    EXPECT_EQ(image.pixel(1, 10), kClient);
    EXPECT_EQ(image.pixel(40, 1), kClient);

    // Negative border width (a theme item that is missing) and a form of no size.
    l = look(80, 60);
    l.borderWidth = -1;
    image = painted(l);
    EXPECT_EQ(image.pixel(0, 57), kClient);
    l.size = QSize(0, 0);
    QImage none(1, 1, QImage::Format_RGB32);
    QPainter painter(&none);
    PaintFormBorder(painter, l);
}

} // namespace
