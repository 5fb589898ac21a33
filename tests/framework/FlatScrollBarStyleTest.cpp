#include "framework/FlatScrollBarStyle.h"

#include <QImage>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <gtest/gtest.h>

namespace {

QImage render(QScrollBar& bar)
{
    QImage image(bar.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    bar.render(&image);
    return image;
}

QRect thumbOf(const QScrollBar& bar)
{
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.pageStep = bar.pageStep();
    option.singleStep = bar.singleStep();
    option.subControls = QStyle::SC_All;
    return bar.style()->subControlRect(
        QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
}

TEST(FlatScrollBarStyle, DrawsTheTrackAndAThumbClearOfTheLongEdgesInPlainColours)
{
    QScrollBar bar(Qt::Vertical);
    bar.setStyle(FlatScrollBarStyle::shared());
    bar.resize(14, 300);
    bar.setRange(0, 100);
    bar.setPageStep(50);
    bar.setValue(100);
    const QImage image = render(bar);
    const QRect thumb = thumbOf(bar);
    ASSERT_FALSE(thumb.isEmpty());
    ASSERT_GT(thumb.top(), 40); // at the end of the range, the thumb sits low

    const QPoint middle = thumb.center();
    EXPECT_EQ(image.pixel(middle), qRgb(0xc4, 0xc4, 0xc4));
    EXPECT_EQ(image.pixel(thumb.left() + 3, middle.y()), qRgb(0xc4, 0xc4, 0xc4));
    // The three columns at each long edge beside the thumb show the track.
    EXPECT_EQ(image.pixel(thumb.left() + 2, middle.y()), qRgb(0xf0, 0xf0, 0xf0));
    EXPECT_EQ(image.pixel(thumb.right() - 2, middle.y()), qRgb(0xf0, 0xf0, 0xf0));
    // Above the thumb, away from the arrow, only the track.
    EXPECT_EQ(image.pixel(middle.x(), thumb.top() - 10), qRgb(0xf0, 0xf0, 0xf0));

    // Every pixel is one of the flat colours: no gradient, no outline.
    const QList<QRgb> palette
        = { qRgb(0xf0, 0xf0, 0xf0), qRgb(0xc4, 0xc4, 0xc4), qRgb(0x70, 0x70, 0x70) };
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_TRUE(palette.contains(image.pixel(x, y))) << x << "," << y;
}

TEST(FlatScrollBarStyle, ADisabledOrFullBarShowsNoThumb)
{
    QScrollBar bar(Qt::Horizontal);
    bar.setStyle(FlatScrollBarStyle::shared());
    bar.resize(200, 14);
    bar.setRange(0, 0);
    const QImage image = render(bar);
    const QPoint middle = image.rect().center();
    EXPECT_EQ(image.pixel(middle), qRgb(0xf0, 0xf0, 0xf0));
}

} // namespace
