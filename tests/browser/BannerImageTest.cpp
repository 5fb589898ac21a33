#include "browser/BannerImage.h"
#include "browser/BrowserResources.h"

#include <QBuffer>
#include <QImageWriter>
#include <gtest/gtest.h>

namespace {

QByteArray encodeJpeg(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpg");
    writer.setQuality(100);
    writer.write(image);
    return bytes;
}

TEST(BannerImage, TheStoredBannerDecodesTo800By50)
{
    initBrowserResources();
    const QImage banner = BannerImage::loadJpeg(QString::fromLatin1(BannerImage::kResourcePath));
    ASSERT_FALSE(banner.isNull());
    EXPECT_EQ(banner.size(), QSize(800, 50));
    // Decoded straight into the format painting uses, with every pixel opaque.
    EXPECT_EQ(banner.format(), QImage::Format_RGB32);
    for (int y = 0; y < banner.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(banner.constScanLine(y));
        for (int x = 0; x < banner.width(); ++x)
            ASSERT_EQ(qAlpha(line[x]), 255) << x << "," << y;
    }
    // Every window shares the one decoded banner.
    EXPECT_EQ(bannerPicture().cacheKey(), bannerPicture().cacheKey());
    EXPECT_EQ(bannerPicture(), banner);
}

TEST(BannerImage, DecodedColoursMatchTheEncodedPicture)
{
    QImage source(64, 16, QImage::Format_RGB32);
    source.fill(QColor(200, 40, 40));
    for (int y = 0; y < 16; ++y)
        for (int x = 32; x < 64; ++x)
            source.setPixel(x, y, qRgb(20, 60, 220));
    const QByteArray bytes = encodeJpeg(source);
    if (bytes.isEmpty())
        GTEST_SKIP() << "no JPEG writer plugin to make the sample";

    const QImage decoded = BannerImage::decodeJpeg(bytes);
    ASSERT_EQ(decoded.size(), source.size());
    for (const QPoint probe : { QPoint(8, 8), QPoint(56, 8) }) {
        const QColor want = source.pixelColor(probe);
        const QColor got = decoded.pixelColor(probe);
        EXPECT_NEAR(got.red(), want.red(), 6);
        EXPECT_NEAR(got.green(), want.green(), 6);
        EXPECT_NEAR(got.blue(), want.blue(), 6);
    }
}

TEST(BannerImage, CorruptDataGivesANullImageInsteadOfEndingTheProgram)
{
    EXPECT_TRUE(BannerImage::decodeJpeg({}).isNull());
    EXPECT_TRUE(BannerImage::decodeJpeg("not a jpeg at all").isNull());
    EXPECT_TRUE(BannerImage::loadJpeg(QStringLiteral("/nonexistent/banner.jpg")).isNull());

    QImage source(32, 32, QImage::Format_RGB32);
    source.fill(Qt::green);
    QByteArray bytes = encodeJpeg(source);
    if (bytes.isEmpty())
        GTEST_SKIP() << "no JPEG writer plugin to make the sample";
    // A header that claims a huge picture must not drive the allocation.
    QByteArray huge = bytes;
    const int sof = huge.indexOf("\xFF\xC0");
    ASSERT_GT(sof, 0);
    huge[sof + 5] = char(0xFF); // height high byte
    huge[sof + 7] = char(0xFF); // width high byte
    EXPECT_TRUE(BannerImage::decodeJpeg(huge).isNull());
    // Within the side limit, but 64 million pixels cannot come from a few hundred bytes.
    QByteArray bloated = bytes;
    bloated[sof + 5] = char(0x1F);
    bloated[sof + 6] = char(0x40);
    bloated[sof + 7] = char(0x1F);
    bloated[sof + 8] = char(0x40);
    EXPECT_TRUE(BannerImage::decodeJpeg(bloated).isNull());
    // Cut in the middle of the header and garbled scan data: survive, whatever comes out.
    (void)BannerImage::decodeJpeg(bytes.left(20));
    for (int i = int(bytes.size()) / 2; i < bytes.size(); i += 7)
        bytes[i] = char(0xFF);
    (void)BannerImage::decodeJpeg(bytes);
}

} // namespace
