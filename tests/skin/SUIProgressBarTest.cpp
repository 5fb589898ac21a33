// The progress bar's caption arithmetic and the pixels of its fill, frame and empty part.
#include "skin/controls/Suiprogressbar.h"

#include <QPainter>
#include <gtest/gtest.h>
#include <limits>

namespace {

constexpr QRgb Fill = 0xFFFF0000;
constexpr QRgb Empty = 0xFF00FF00;
constexpr QRgb Border = 0xFF0000FF;

// A bar with plain colours, so every pixel tells which part it belongs to.
struct PlainBar {
    TsuiProgressBar bar;
    PlainBar()
    {
        QImage picture(1, 10, QImage::Format_RGB32);
        picture.fill(Fill);
        bar.SetPicture(picture);
        bar.SetColor(TColor::fromQRgb(Empty));
        bar.SetBorderColor(TColor::fromQRgb(Border));
        bar.SetShowCaption(false);
    }
    QImage render() const
    {
        QImage image(bar.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        bar.PaintBar(painter, image.rect());
        return image;
    }
};

} // namespace

TEST(TsuiProgressBar, CaptionIsThePercentTruncatedAndUnclamped)
{
    TsuiProgressBar bar;
    EXPECT_EQ(bar.size(), QSize(150, 12));
    EXPECT_EQ(bar.Caption(), "50%");
    bar.SetMax(3);
    bar.SetPosition(1);
    EXPECT_EQ(bar.Caption(), "33%");
    bar.SetMax(100);
    bar.SetPosition(120);
    EXPECT_EQ(bar.Caption(), "120%");
    bar.SetPosition(-10);
    EXPECT_EQ(bar.Caption(), "-10%");
    bar.SetPosition(50);
    bar.StepBy(-5);
    EXPECT_EQ(bar.Caption(), "45%");
    bar.StepIt();
    EXPECT_EQ(bar.Position(), 46);
    bar.SetMin(100);
    EXPECT_EQ(bar.Caption(), "0%"); // Max = Min
}

TEST(TsuiProgressBar, RangesNearTheIntegerLimitsDoNotWrap)
{
    TsuiProgressBar bar;
    bar.SetMin(std::numeric_limits<int>::min());
    bar.SetMax(std::numeric_limits<int>::max());
    bar.SetPosition(0);
    EXPECT_EQ(bar.Caption(), "50%");
    EXPECT_EQ(bar.FilledLength(149), 74);
    bar.SetPosition(std::numeric_limits<int>::max() - 1);
    bar.StepBy(10);
    EXPECT_EQ(bar.Position(), std::numeric_limits<int>::max());
    EXPECT_EQ(bar.Caption(), "100%");
}

TEST(TsuiProgressBar, HorizontalFillEndsAtTheFilledLength)
{
    PlainBar p;
    const QImage image = p.render();
    // 149 x 50 div 100 = 74: the picture covers columns 1 ... 73, the empty part 74 ... 148.
    EXPECT_EQ(image.pixel(1, 1), Fill);
    EXPECT_EQ(image.pixel(73, 10), Fill);
    EXPECT_EQ(image.pixel(74, 1), Empty);
    EXPECT_EQ(image.pixel(148, 10), Empty);
    for (QPoint frame : { QPoint(0, 0), QPoint(149, 11), QPoint(74, 0), QPoint(0, 6) })
        EXPECT_EQ(image.pixel(frame), Border) << frame.x() << "," << frame.y();
}

TEST(TsuiProgressBar, PositionsAtAndBeyondTheEndsGiveEmptyAndFullBars)
{
    PlainBar p;
    p.bar.SetPosition(0);
    EXPECT_EQ(p.render().pixel(1, 5), Empty);
    p.bar.SetPosition(120);
    EXPECT_EQ(p.render().pixel(148, 5), Fill);
    p.bar.SetMin(200); // Min > Max
    EXPECT_EQ(p.render().pixel(1, 5), Empty);
}

TEST(TsuiProgressBar, VerticalBarFillsFromTheBottomWithThePictureMirrored)
{
    PlainBar p;
    p.bar.SetShowCaption(true);
    p.bar.SetOrientation(suiVertical);
    EXPECT_EQ(p.bar.size(), QSize(12, 150));
    EXPECT_FALSE(p.bar.ShowCaption());
    // Red on top and yellow below; the band shows it upside down.
    QImage picture(1, 10, QImage::Format_RGB32);
    picture.fill(Fill);
    for (int y = 5; y < 10; ++y)
        picture.setPixel(0, y, 0xFFFFFF00);
    p.bar.SetPicture(picture);
    p.bar.SetColor(TColor::fromQRgb(Empty));
    p.bar.SetBorderColor(TColor::fromQRgb(Border));
    const QImage image = p.render();
    // v = 149 - 74 = 75: empty rows 1 ... 74, picture rows 75 ... 148.
    EXPECT_EQ(image.pixel(5, 1), Empty);
    EXPECT_EQ(image.pixel(5, 74), Empty);
    EXPECT_EQ(image.pixel(5, 75), 0xFFFFFF00u);
    EXPECT_EQ(image.pixel(5, 148), Fill);
    EXPECT_EQ(image.pixel(5, 149), Border);

    p.bar.SetOrientation(suiHorizontal);
    EXPECT_EQ(p.bar.size(), QSize(150, 12));
    EXPECT_FALSE(p.bar.ShowCaption());
}

TEST(TsuiProgressBar, CaptionIsCentredAndSmartCaptionHidesItAtMin)
{
    PlainBar p;
    p.bar.resize(150, 30);
    const QImage without = p.render();
    p.bar.SetShowCaption(true);
    p.bar.SetCaptionColor(TColor::fromRgb(0, 0, 0));
    const QImage with = p.render();
    // The caption's ink sits round the middle and nowhere near the ends.
    int left = 150, right = -1;
    for (int y = 1; y < 29; ++y)
        for (int x = 1; x < 149; ++x)
            if (with.pixel(x, y) != without.pixel(x, y)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
    ASSERT_GE(right, 0);
    EXPECT_LE(std::abs((left + right) / 2 - 75), 3);

    p.bar.SetSmartShowCaption(true);
    p.bar.SetPosition(0);
    const QImage hidden = p.render();
    p.bar.SetShowCaption(false);
    EXPECT_EQ(hidden, p.render());
}

TEST(TsuiProgressBar, EachStyleLoadsItsPictureAndColours)
{
    TsuiProgressBar bar;
    bar.SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(bar.Picture().size(), QSize(6, 10));
    EXPECT_EQ(bar.Color(), TColor::fromRgb(239, 235, 222));
    EXPECT_EQ(bar.BorderColor(), TColor::fromRgb(104, 104, 104));
    bar.SetOrientation(suiVertical);
    EXPECT_EQ(bar.Picture().size(), QSize(10, 6)); // turned a quarter
}
