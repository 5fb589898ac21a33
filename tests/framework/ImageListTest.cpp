#include "framework/ImageList.h"
#include "framework/TImageList.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>
#include <gtest/gtest.h>

namespace {

constexpr QRgb paper = 0xFF808080u;
constexpr QRgb magenta = 0xFFFF00FFu;

QImage strip(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 40));
    return image;
}

QImage drawn(const ImageList& list, int index, bool enabled, QSize size = QSize(8, 8))
{
    QImage canvas(size, QImage::Format_RGB32);
    canvas.fill(paper);
    QPainter painter(&canvas);
    list.draw(painter, QPoint(2, 2), index, enabled);
    return canvas;
}

} // namespace

TEST(ImageListTest, AStripBecomesItsWholeFramesCutToTheListSize)
{
    ImageList list(4, 3);
    EXPECT_EQ(list.add(strip(9, 2)), 0); // two whole images; column 8 belongs to none
    ASSERT_EQ(list.count(), 2);
    const QImage second = list.image(1);
    ASSERT_EQ(second.size(), QSize(4, 3));
    EXPECT_EQ(second.pixel(0, 1), qRgb(4, 1, 40));
    EXPECT_EQ(second.pixel(3, 0), qRgb(7, 0, 40));
    EXPECT_EQ(second.pixel(1, 2), qRgb(0, 0, 0)); // the strip has no third row
    // Narrower than one image: no frame at all, as for every strip.
    EXPECT_EQ(list.addMasked(strip(3, 3), magenta), -1);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.addMasked(strip(4, 3), magenta), 2);
    EXPECT_TRUE(list.image(3).isNull());
    EXPECT_TRUE(ImageList(0, 3).add(strip(9, 2)) == -1);
}

TEST(ImageListTest, TheComponentListCutsTheSameFramesAsTheDrawingList)
{
    // A 16 x 16 list fed a 40 x 12 strip: two frames, columns 32..39 dropped, rows 12..15 empty.
    QImage picture = strip(40, 12).convertToFormat(QImage::Format_ARGB32);
    ImageList drawing(16, 16);
    drawing.add(picture);
    TImageList component;
    component.setMasked(false);
    component.setBitmap(picture);
    ASSERT_EQ(component.Count(), 2);
    ASSERT_EQ(drawing.count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(component.image(i), drawing.image(i)) << i;
    EXPECT_EQ(component.image(1).pixel(15, 11), qRgb(31, 11, 40));
    EXPECT_EQ(component.image(1).pixel(0, 12), 0u);
    component.setWidth(41);
    EXPECT_EQ(component.Count(), 0);
}

TEST(ImageListTest, MaskedImagesLeaveTheKeyOutAndOpaqueOnesDrawIt)
{
    QImage picture = strip(3, 3);
    picture.setPixel(1, 1, magenta);
    ImageList list(3, 3);
    list.addMasked(picture, magenta);
    list.add(picture);
    const QImage masked = drawn(list, 0, true);
    EXPECT_EQ(masked.pixel(3, 3), paper);
    EXPECT_EQ(masked.pixel(2, 2), qRgb(0, 0, 40));
    EXPECT_EQ(drawn(list, 1, true).pixel(3, 3), magenta);
    // The plain image keeps the key colour.
    EXPECT_EQ(list.image(0).pixel(1, 1), magenta);
    EXPECT_EQ(drawn(list, 7, true), drawn(list, -1, true));
}

TEST(ImageListTest, DisabledImagesAreEmbossedInHighlightAndShadow)
{
    const QPalette saved = QGuiApplication::palette();
    QPalette palette = saved;
    palette.setColor(QPalette::Active, QPalette::Light, QColor(250, 250, 250));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(60, 60, 60));
    QGuiApplication::setPalette(palette);

    // One dark pixel, one white pixel (not part of the shape), one key pixel, the rest key.
    QImage picture(3, 3, QImage::Format_RGB32);
    picture.fill(magenta);
    picture.setPixel(0, 0, qRgb(10, 10, 10));
    picture.setPixel(2, 0, qRgb(255, 255, 255));
    ImageList list(3, 3);
    list.addMasked(picture, magenta);
    const QImage canvas = drawn(list, 0, false);
    EXPECT_EQ(canvas.pixel(2, 2), qRgb(60, 60, 60)); // shadow in place
    EXPECT_EQ(canvas.pixel(3, 3), qRgb(250, 250, 250)); // highlight one down and right
    EXPECT_EQ(canvas.pixel(4, 2), paper); // white is not part of the shape
    EXPECT_EQ(canvas.pixel(5, 3), paper);
    EXPECT_EQ(canvas.pixel(3, 2), paper);

    QGuiApplication::setPalette(saved);
}
