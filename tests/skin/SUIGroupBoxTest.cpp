// Group boxes: the frame broken by the caption, the inner rectangle, the style and the enabled
// state going to the contained controls.
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUIGroupBox.h"

#include <QFontMetrics>
#include <QPainter>
#include <gtest/gtest.h>

using namespace SuiThemes;

namespace {

QImage render(const TsuiCustomGroupBox& box)
{
    QImage image(box.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    box.PaintGroupBox(painter, image.rect());
    return image;
}

constexpr QRgb kBorder = qRgb(220, 0, 0);

void prepare(TsuiGroupBox& box, const QString& caption)
{
    box.fontObject()->setHeight(-11);
    box.fontObject()->setColor(QColor(0, 0, 230));
    box.setColor(QColor(250, 250, 250));
    box.SetBorderColor(QColor::fromRgb(kBorder));
    box.SetGroupCaption(caption);
}

} // namespace

TEST(TsuiGroupBox, FrameLineBreaksForTheCaptionAndClosesWithoutOne)
{
    TsuiGroupBox box;
    ASSERT_EQ(box.size(), QSize(185, 105));
    prepare(box, QStringLiteral("Options"));
    const int w = QFontMetrics(box.font()).horizontalAdvance(QStringLiteral("Options"));
    QImage image = render(box);
    // An 11-pixel font puts the line at 6; the stub ends at 2 and the line resumes after W + 6.
    for (int x = 0; x <= 2; ++x)
        EXPECT_EQ(image.pixel(x, 6), kBorder) << x;
    for (int x = 3; x <= w + 6; ++x)
        EXPECT_NE(image.pixel(x, 6), kBorder) << x;
    for (int x = w + 7; x < 185; ++x)
        ASSERT_EQ(image.pixel(x, 6), kBorder) << x;
    EXPECT_EQ(image.pixel(0, 104), kBorder);
    EXPECT_EQ(image.pixel(184, 104), kBorder);
    EXPECT_EQ(image.pixel(184, 7), kBorder);
    EXPECT_NE(image.pixel(1, 5), kBorder);
    EXPECT_EQ(image.pixel(90, 50), qRgb(250, 250, 250));
    // The caption's ink starts at x = 5, from the top.
    bool inked = false;
    for (int y = 0; y < 11 && !inked; ++y)
        for (int x = 5; x < 5 + w; ++x)
            inked = inked || qBlue(image.pixel(x, y)) > 200 && qRed(image.pixel(x, y)) < 100;
    EXPECT_TRUE(inked);
    for (int y = 0; y < 14; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_TRUE(image.pixel(x, y) == kBorder || image.pixel(x, y) == qRgb(250, 250, 250));

    box.SetGroupCaption(QString());
    image = render(box);
    for (int x = 0; x < 185; ++x)
        ASSERT_EQ(image.pixel(x, 6), kBorder) << x;
}

TEST(TsuiGroupBox, InnerRectangleFollowsTheFontHeight)
{
    TsuiGroupBox box;
    box.fontObject()->setHeight(-11);
    EXPECT_EQ(box.GetClient(), QRect(QPoint(3, 11), QPoint(182, 102)));
    box.fontObject()->setHeight(-16);
    EXPECT_EQ(box.GetClient().top(), 16);
    EXPECT_EQ(box.contentsRect().top(), 21);
}

TEST(TsuiGroupBox, DisabledBoxDrawsItsCaptionGreyAndDisablesEveryContainedControl)
{
    TsuiGroupBox box;
    prepare(box, QStringLiteral("MMMM"));
    auto* a = new TsuiCheckBox(&box);
    auto* b = new TsuiCheckBox(&box);
    b->setEnabled(false);
    box.setEnabled(false);
    EXPECT_FALSE(a->isEnabled());
    const QImage image = render(box);
    bool grey = false, blue = false;
    for (int y = 0; y < 11; ++y)
        for (int x = 5; x < 40; ++x) {
            grey = grey || image.pixel(x, y) == qRgb(128, 128, 128);
            blue = blue || image.pixel(x, y) == qRgb(0, 0, 230);
        }
    EXPECT_TRUE(grey);
    EXPECT_FALSE(blue);
    // Enabling the box enables all of them, also the one disabled on its own before.
    box.setEnabled(true);
    EXPECT_TRUE(a->isEnabled());
    EXPECT_TRUE(b->isEnabled());
}

TEST(TsuiGroupBox, StyleGoesToTheContainedControlsAndSetsTheBoxColours)
{
    TsuiGroupBox box;
    auto* inner = new TsuiCheckBox(&box);
    box.SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(inner->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(box.BorderColor(), QColor(104, 104, 104));
    EXPECT_EQ(box.fontObject()->Color(), QColor(2, 70, 207));
    box.setProperty("UIStyle", QVariant::fromValue(TsuiUIStyle::MacOS));
    EXPECT_EQ(inner->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(box.BorderColor(), QColor(127, 127, 127));
    EXPECT_EQ(box.fontObject()->Color(), QColor(Qt::black));
}
