#include "framework/BitmapOps.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <vector>

namespace {

// Column x of the strip has colour (x, 0, 100) and row y adds y to blue, so a probe tells which
// source pixel landed where.
QImage probeImage(int width, int height, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(width, height, format);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, 0, 100 + y));
    return image;
}

int sourceColumn(const QImage& image, int x, int y)
{
    return qRed(image.pixel(x, y));
}
int sourceRow(const QImage& image, int x, int y)
{
    return qBlue(image.pixel(x, y)) - 100;
}

QImage filled(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

} // namespace

TEST(BitmapOpsTest, StretchingPicksTheTruncatedNearestSourcePixel)
{
    const QImage source = probeImage(7, 3);
    QImage grown = filled(17, 7, qRgb(9, 9, 9));
    BitmapOps::stretchBlt(grown, QRect(0, 0, 17, 7), source, QRect(2, 0, 3, 3));
    // d * 3 / 17 columns and d * 3 / 7 rows, from column 2 of the source.
    for (int x = 0; x < 17; ++x)
        EXPECT_EQ(sourceColumn(grown, x, 0), 2 + x * 3 / 17) << x;
    for (int y = 0; y < 7; ++y)
        EXPECT_EQ(sourceRow(grown, 0, y), y * 3 / 7) << y;

    QImage shrunk = filled(3, 1, 0);
    BitmapOps::stretchBlt(shrunk, QRect(0, 0, 3, 1), source, QRect(0, 0, 7, 1));
    EXPECT_EQ(sourceColumn(shrunk, 0, 0), 0);
    EXPECT_EQ(sourceColumn(shrunk, 1, 0), 2);
    EXPECT_EQ(sourceColumn(shrunk, 2, 0), 4);
}

TEST(BitmapOpsTest, ClippedTargetsKeepTheMappingOfTheWholeTarget)
{
    const QImage source = probeImage(4, 4);
    QImage destination = filled(6, 6, qRgb(9, 9, 9));
    // The target hangs 3 pixels off the left and top; what shows must be its lower-right part.
    BitmapOps::stretchBlt(destination, QRect(-3, -3, 8, 8), source, source.rect());
    EXPECT_EQ(sourceColumn(destination, 0, 0), 3 * 4 / 8);
    EXPECT_EQ(sourceRow(destination, 0, 0), 3 * 4 / 8);
    EXPECT_EQ(sourceColumn(destination, 4, 4), 7 * 4 / 8);
    EXPECT_EQ(destination.pixel(5, 5), qRgb(9, 9, 9));
}

TEST(BitmapOpsTest, KeyPixelsAndSamplesOutsideTheSourceLeaveTheDestination)
{
    QImage source = probeImage(4, 2);
    source.setPixel(1, 0, BitmapOps::MagentaKey);
    QImage destination = filled(8, 2, qRgb(9, 9, 9));
    // Source columns 2..5 of a 4-wide image: the last two samples do not exist.
    BitmapOps::stretchBlt(destination, QRect(0, 0, 4, 2), source, QRect(2, 0, 4, 2));
    EXPECT_EQ(sourceColumn(destination, 0, 0), 2);
    EXPECT_EQ(sourceColumn(destination, 1, 0), 3);
    EXPECT_EQ(destination.pixel(2, 0), qRgb(9, 9, 9));
    EXPECT_EQ(destination.pixel(3, 1), qRgb(9, 9, 9));

    BitmapOps::stretchBlt(
        destination, QRect(4, 0, 4, 2), source, source.rect(), BitmapOps::MagentaKey);
    EXPECT_EQ(destination.pixel(5, 0), qRgb(9, 9, 9));
    EXPECT_EQ(sourceColumn(destination, 5, 1), 1);
    EXPECT_EQ(sourceColumn(destination, 6, 0), 2);

    // Empty, inverted and null inputs copy nothing.
    const QImage before = destination;
    BitmapOps::stretchBlt(destination, QRect(0, 0, 0, 2), source, source.rect());
    BitmapOps::stretchBlt(destination, QRect(0, 0, 4, 2), source, QRect(3, 0, -2, 2));
    BitmapOps::stretchBlt(destination, QRect(0, 0, 4, 2), QImage(), QRect(0, 0, 4, 2));
    EXPECT_EQ(destination, before);
}

TEST(BitmapOpsTest, TranslucentSourcesBlendAndOtherFormatsAreKept)
{
    QImage source(1, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(255, 0, 0, 128));
    QImage destination = filled(1, 1, qRgb(0, 0, 255));
    BitmapOps::stretchBlt(destination, QRect(0, 0, 1, 1), source, source.rect());
    const QRgb mixed = destination.pixel(0, 0);
    EXPECT_NEAR(qRed(mixed), 128, 1);
    EXPECT_NEAR(qBlue(mixed), 127, 1);

    // RGB32 leaves the top byte unused; a producer that leaves it 0 must still give opaque pixels.
    QImage loose(1, 1, QImage::Format_RGB32);
    reinterpret_cast<QRgb*>(loose.bits())[0] = 0x00123456u;
    QImage premultiplied(1, 1, QImage::Format_ARGB32_Premultiplied);
    premultiplied.fill(Qt::transparent);
    BitmapOps::stretchBlt(premultiplied, QRect(0, 0, 1, 1), loose, loose.rect());
    EXPECT_EQ(premultiplied.pixel(0, 0), 0xFF123456u);

    QImage rgb888(3, 1, QImage::Format_RGB888);
    rgb888.fill(Qt::white);
    BitmapOps::stretchBlt(rgb888, QRect(0, 0, 3, 1), probeImage(3, 1), QRect(0, 0, 3, 1));
    EXPECT_EQ(rgb888.format(), QImage::Format_RGB888);
    EXPECT_EQ(rgb888.pixel(2, 0), qRgb(2, 0, 100));
}

TEST(BitmapOpsTest, PixelAccessSpeaksStoredColours)
{
    QImage image = filled(2, 2, qRgb(1, 2, 3));
    EXPECT_EQ(BitmapOps::pixel(image, 1, 1), TColor::fromRgb(1, 2, 3));
    EXPECT_EQ(BitmapOps::pixel(image, 2, 0), clBlack);
    BitmapOps::setPixel(image, 0, 1, TColor(0x2CC800));
    EXPECT_EQ(image.pixel(0, 1), qRgb(0x00, 0xC8, 0x2C));
    BitmapOps::setPixel(image, -1, 0, clWhite); // ignored, no write outside
    EXPECT_EQ(image.pixel(0, 0), qRgb(1, 2, 3));
}

TEST(BitmapOpsTest, KeyedAndStretchedDrawingLeaveTheKeyColourOut)
{
    QImage sprite = filled(3, 1, qRgb(10, 20, 30));
    sprite.setPixel(1, 0, BitmapOps::MagentaKey);
    QImage canvasImage = filled(10, 4, qRgb(200, 200, 200));
    {
        QPainter painter(&canvasImage);
        BitmapOps::drawKeyed(painter, QPoint(1, 0), sprite, BitmapOps::MagentaKey);
        // Stretched 3 -> 6 wide and 1 -> 2 high, with the key left out.
        BitmapOps::drawStretched(
            painter, QRect(4, 2, 6, 2), sprite, sprite.rect(), BitmapOps::MagentaKey);
        BitmapOps::drawStretched(painter, QRect(0, 3, 3, 1), sprite, sprite.rect());
    }
    EXPECT_EQ(canvasImage.pixel(1, 0), qRgb(10, 20, 30));
    EXPECT_EQ(canvasImage.pixel(2, 0), qRgb(200, 200, 200));
    EXPECT_EQ(canvasImage.pixel(3, 0), qRgb(10, 20, 30));
    const std::vector<bool> keyed { false, false, true, true, false, false };
    for (int i = 0; i < 6; ++i)
        for (int y = 2; y < 4; ++y)
            EXPECT_EQ(canvasImage.pixel(4 + i, y),
                keyed[size_t(i)] ? qRgb(200, 200, 200) : qRgb(10, 20, 30))
                << i << "," << y;
    // Without a transparent colour the key colour is drawn like any other.
    EXPECT_EQ(canvasImage.pixel(1, 3), BitmapOps::MagentaKey);
}

// A picture for a dense screen (device pixel ratio 2) is laid out in logical pixels: its frames
// are cut by logical width, its stretched copies and key-free copies keep its ratio, and drawn on
// a canvas of ratio 2 they land where the 1x picture would, pixel for pixel of the picture.
TEST(BitmapOpsTest, PicturesOfRatioTwoAreCutAndStretchedInLogicalPixels)
{
    QImage strip = probeImage(14, 4);
    strip.setDevicePixelRatio(2);
    EXPECT_EQ(BitmapOps::pictureScale(strip), 2);
    EXPECT_EQ(BitmapOps::logicalSize(strip), QSize(7, 2));
    // 7 logical columns in frames of 3: two frames, the last column over.
    const QList<QImage> frames = BitmapOps::stripFrames(strip, QSize(3, 2));
    ASSERT_EQ(frames.size(), 2);
    EXPECT_EQ(frames[1].size(), QSize(6, 4));
    EXPECT_EQ(frames[1].devicePixelRatio(), 2);
    EXPECT_EQ(sourceColumn(frames[1], 0, 0), 6);
    EXPECT_EQ(sourceColumn(frames[1], 5, 3), 11);
    EXPECT_EQ(sourceRow(frames[1], 5, 3), 3);

    // Stretched to 14 x 2 logical: 28 x 4 pixels of the source's own, each repeated twice.
    const QImage wide = BitmapOps::stretched(strip, strip.rect(), QSize(14, 2));
    EXPECT_EQ(wide.size(), QSize(28, 4));
    EXPECT_EQ(wide.devicePixelRatio(), 2);
    for (int x = 0; x < 28; ++x)
        EXPECT_EQ(sourceColumn(wide, x, 0), x / 2) << x;
    QImage keyed = strip;
    keyed.setPixel(1, 0, BitmapOps::MagentaKey);
    const QImage out = BitmapOps::keyedOut(keyed, BitmapOps::MagentaKey);
    EXPECT_EQ(out.devicePixelRatio(), 2);
    EXPECT_EQ(out.size(), strip.size());
    EXPECT_EQ(qAlpha(out.pixel(1, 0)), 0);
    EXPECT_EQ(qAlpha(out.pixel(0, 0)), 255);

    // Drawn on a canvas of ratio 2 at logical (2, 1), 3 logical columns wide: device column 4
    // onwards shows source pixels 0..5 (logical 0..2), nothing scaled through Qt.
    QImage canvas = filled(20, 8, qRgb(200, 200, 200));
    canvas.setDevicePixelRatio(2);
    {
        QPainter painter(&canvas);
        BitmapOps::drawStretched(painter, QRect(2, 1, 3, 2), strip, QRect(0, 0, 6, 4));
        BitmapOps::drawKeyed(painter, QPoint(6, 1), keyed, BitmapOps::MagentaKey);
    }
    EXPECT_EQ(canvas.pixel(3, 2), qRgb(200, 200, 200));
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(sourceColumn(canvas, 4 + x, 2), x) << x;
        EXPECT_EQ(sourceRow(canvas, 4 + x, 5), 3) << x;
    }
    EXPECT_EQ(canvas.pixel(10, 2), qRgb(200, 200, 200));
    EXPECT_EQ(canvas.pixel(12, 2), qRgb(0, 0, 100));
    EXPECT_EQ(canvas.pixel(13, 2), qRgb(200, 200, 200));
    EXPECT_EQ(sourceColumn(canvas, 14, 2), 2);

    // Buffers for a widget of 10 x 5 at ratio 2: 20 x 10 pixels, renewed when the ratio moves.
    const QImage buffer = BitmapOps::deviceBuffer(QSize(10, 5), 2, QImage::Format_RGB32);
    EXPECT_EQ(buffer.size(), QSize(20, 10));
    EXPECT_FALSE(BitmapOps::bufferOutdated(buffer, QSize(10, 5), 2));
    EXPECT_TRUE(BitmapOps::bufferOutdated(buffer, QSize(10, 5), 1));
    EXPECT_TRUE(BitmapOps::bufferOutdated(buffer, QSize(20, 10), 1));
    EXPECT_TRUE(BitmapOps::bufferOutdated(QImage(), QSize(10, 5), 2));
}
