#include "framework/TextDraw.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

namespace {

QImage rendered(const QString& text, unsigned flags, QSize size = QSize(120, 40))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    painter.setPen(Qt::black);
    QRect r = image.rect();
    DrawText(painter, text, r, flags);
    return image;
}

// Bounding box of the pixels that are not white.
QRect ink(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

TEST(TextDrawTest, AcceleratorsAreStrippedAndFound)
{
    EXPECT_EQ(StripAccelerators(QStringLiteral("&File")), QStringLiteral("File"));
    EXPECT_EQ(StripAccelerators(QStringLiteral("Save && &Exit")), QStringLiteral("Save & Exit"));
    EXPECT_EQ(StripAccelerators(QStringLiteral("Trailing&")), QStringLiteral("Trailing"));
    EXPECT_EQ(AcceleratorChar(QStringLiteral("Save && &Exit")), QChar(u'E'));
    EXPECT_EQ(AcceleratorChar(QStringLiteral("A&&B")), QChar());
    EXPECT_EQ(AcceleratorChar(QStringLiteral("End&")), QChar());
}

TEST(TextDrawTest, DoubleAmpersandDrawsOneAndSingleAmpersandUnderlines)
{
    EXPECT_EQ(rendered(QStringLiteral("A&&B"), DT_SINGLELINE),
        rendered(QStringLiteral("A&B"), DT_SINGLELINE | DT_NOPREFIX));

    // "File" has no descenders: below the baseline only the underline of the F can show ink.
    const QImage underlined = rendered(QStringLiteral("&File"), DT_SINGLELINE);
    const QImage plain = rendered(QStringLiteral("File"), DT_SINGLELINE);
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 12));
    const QRect below(0, metrics.ascent() + 1, plain.width(), metrics.descent());
    EXPECT_TRUE(ink(plain.copy(below)).isNull());
    const QRect line = ink(underlined.copy(below));
    ASSERT_FALSE(line.isNull());
    EXPECT_LE(line.left(), 1);
    EXPECT_LT(line.right(), metrics.horizontalAdvance(QStringLiteral("Fi")));

    EXPECT_NE(rendered(QStringLiteral("&File"), DT_SINGLELINE | DT_NOPREFIX), plain);
}

TEST(TextDrawTest, CentringActsOnSingleLinesAndCalcRectDrawsNothing)
{
    const QImage centred = rendered(QStringLiteral("Mid"), DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    const QRect box = ink(centred);
    EXPECT_NEAR(box.center().x(), 60, 2);
    EXPECT_NEAR(box.center().y(), 20, 4);
    // Without DT_SINGLELINE vertical centring does not apply: the text stays at the top.
    const QRect top = ink(rendered(QStringLiteral("Mid"), DT_CENTER | DT_VCENTER));
    EXPECT_LT(top.top(), box.top());
    EXPECT_EQ(top.left(), box.left());

    QImage image(50, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    QRect r(5, 6, 1, 1);
    const int height
        = DrawText(painter, QStringLiteral("&Wide text"), r, DT_CALCRECT | DT_SINGLELINE);
    painter.end();
    const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 12));
    EXPECT_EQ(r.topLeft(), QPoint(5, 6));
    EXPECT_EQ(r.width(), metrics.horizontalAdvance(QStringLiteral("Wide text")));
    EXPECT_EQ(height, metrics.height());
    EXPECT_TRUE(ink(image).isNull());
}

TEST(TextDrawTest, FocusRectInvertsEveryOtherOutlinePixelAndUndoesItself)
{
    QImage image(7, 5, QImage::Format_RGB32);
    image.fill(qRgb(0, 0, 0));
    const QImage original = image;
    {
        QPainter painter(&image);
        painter.translate(1, 0); // the checkerboard stays fixed to the device
        DrawFocusRect(painter, QRect(0, 0, 6, 5));
    }
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            const bool outline = x >= 1 && (x == 1 || x == 6 || y == 0 || y == 4);
            const bool inverted = outline && (x + y) % 2 == 0;
            EXPECT_EQ(image.pixel(x, y), inverted ? qRgb(255, 255, 255) : qRgb(0, 0, 0))
                << x << "," << y;
        }
    {
        QPainter painter(&image);
        painter.translate(1, 0);
        DrawFocusRect(painter, QRect(0, 0, 6, 5));
    }
    EXPECT_EQ(image, original);
}

// The in-memory path and the painter's path must leave the same pixels: on a plain image, and on
// one drawn through a clip (which takes the painter's path), with three sides of the outline off
// the image: only its bottom row, at device y = 3, lands inside.
TEST(TextDrawTest, FocusRectIsTheSameWithAndWithoutAClipAndStaysInsideTheImage)
{
    for (QImage::Format format : { QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied }) {
        QImage direct(9, 7, format);
        direct.fill(qRgb(10, 200, 60));
        QImage clipped = direct;
        {
            QPainter painter(&direct);
            painter.translate(2, 1);
            DrawFocusRect(painter, QRect(-4, -3, 20, 6));
        }
        {
            QPainter painter(&clipped);
            painter.setClipRect(clipped.rect());
            painter.translate(2, 1);
            DrawFocusRect(painter, QRect(-4, -3, 20, 6));
        }
        EXPECT_EQ(direct, clipped) << format;
        EXPECT_EQ(direct.pixel(1, 3), qRgb(255 - 10, 255 - 200, 255 - 60)) << format;
        EXPECT_EQ(direct.pixel(0, 3), qRgb(10, 200, 60)) << format;
    }
}
