// The scroll bar's layout, thumb length, arrow repetition and what it passes to its track.
#include "skin/controls/SUIImageButton.h"
#include "skin/controls/SUIScrollBar.h"
#include "skin/controls/SUIScrollTrackBar.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/styles/Suiresdef.h"

#include <QCursor>
#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

std::unique_ptr<TsuiScrollBar> blueGlass(
    TsuiProgressBarOrientation orientation, QWidget* parent = nullptr)
{
    auto bar = std::make_unique<TsuiScrollBar>(parent);
    bar->SetUIStyle(TsuiUIStyle::BlueGlass);
    bar->SetOrientation(orientation);
    if (orientation == suiVertical)
        bar->setBounds(QRect(0, 0, bar->width(), 200));
    else
        bar->setBounds(QRect(0, 0, 200, bar->height()));
    return bar;
}

} // namespace

TEST(TsuiScrollBar, VerticalLayoutLeavesTheTrackOnePixelShort)
{
    auto bar = blueGlass(suiVertical);
    EXPECT_EQ(bar->DecrementButton()->size(), QSize(17, 16));
    EXPECT_EQ(bar->IncrementButton()->geometry(), QRect(0, 184, 17, 16));
    EXPECT_EQ(bar->width(), 17);
    EXPECT_EQ(bar->Track()->y(), 16);
    EXPECT_EQ(bar->Track()->height(), 167);
    // PageSize 2 reads as 10 %: 167 x 10 div 100 = 16, as thick as the turned pieces.
    EXPECT_EQ(bar->Track()->Slider()->size(), QSize(16, 16));
    bar->SetPageSize(50);
    EXPECT_EQ(bar->Track()->Slider()->height(), 83);
    bar->SetMax(200);
    bar->SetPageSize(101);
    EXPECT_EQ(bar->Track()->Slider()->height(), 16);
}

TEST(TsuiScrollBar, HorizontalLayoutFillsTheSpaceBetweenTheArrows)
{
    auto bar = blueGlass(suiHorizontal);
    EXPECT_EQ(bar->DecrementButton()->size(), QSize(16, 17));
    EXPECT_EQ(bar->height(), 17);
    EXPECT_EQ(bar->Track()->geometry().x(), 16);
    EXPECT_EQ(bar->Track()->width(), 168);
    EXPECT_EQ(bar->IncrementButton()->x(), 184);
    EXPECT_EQ(bar->Track()->Slider()->size(), QSize(16, 16));
    // The thumb's pieces: the caps keep their pixels at both ends of a long thumb.
    bar->SetPageSize(60);
    const QImage thumb = bar->Track()->SliderImage();
    ASSERT_EQ(thumb.width(), 100);
    QImage pieces;
    GetInsideThemeBitmap(
        TsuiUIStyle::BlueGlass, SuiThemes::SuiItem::ScrollBarSliderImage, &pieces, 3, 3);
    EXPECT_EQ(thumb.copy(93, 0, 7, 16).convertToFormat(QImage::Format_RGB32),
        pieces.convertToFormat(QImage::Format_RGB32));
}

TEST(TsuiScrollBar, LineButtonFixesTheThumbWithinTheSpaceBetweenTheArrows)
{
    auto bar = blueGlass(suiHorizontal);
    bar->SetLineButton(500);
    EXPECT_EQ(bar->LineButton(), 0);
    bar->SetLineButton(5);
    EXPECT_EQ(bar->LineButton(), 18);
    EXPECT_EQ(bar->Track()->Slider()->width(), 18);
    bar->SetLineButton(40);
    bar->SetPageSize(50);
    EXPECT_EQ(bar->Track()->Slider()->width(), 40);
}

TEST(TsuiScrollBar, LargeChangePagesWithoutResizingTheThumbAndPageSizeDoesBoth)
{
    auto bar = blueGlass(suiVertical);
    bar->SetLargeChange(20);
    EXPECT_EQ(bar->Track()->PageSize(), 20);
    EXPECT_EQ(bar->Track()->Slider()->height(), 16);
    bar->SetPageSize(20);
    EXPECT_EQ(bar->Track()->Slider()->height(), 33);
    bar->SetPageSize(500); // beyond Max: refused
    EXPECT_EQ(bar->PageSize(), 20);
}

TEST(TsuiScrollBar, HeldArrowStepsOncePerPeriodAndAShortClickMovesNothing)
{
    QWidget window;
    window.resize(300, 300);
    QCursor::setPos(QPoint(5000, 5000));
    auto bar = blueGlass(suiHorizontal, &window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QObject* sender = nullptr;
    int changes = 0;
    bar->Track()->OnChange = [&](QObject* s) {
        sender = s;
        ++changes;
    };
    TsuiImageButton* inc = bar->IncrementButton();
    QTest::mouseClick(inc, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(bar->Position(), 0);

    QElapsedTimer held;
    held.start();
    QTest::mousePress(inc, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->Position() >= 3; }, 10000));
    EXPECT_GE(held.elapsed(), 300);
    EXPECT_LE(bar->Position(), 1 + held.elapsed() / 100);
    QTest::mouseRelease(inc, Qt::LeftButton, {}, QPoint(5, 5));
    const int atRelease = bar->Position();
    QTest::qWait(250);
    EXPECT_EQ(bar->Position(), atRelease);
    EXPECT_EQ(changes, atRelease);
    EXPECT_EQ(bar->GetLastChange(), 1);
    EXPECT_EQ(sender, bar->Track());

    // At the end the arrow has nothing left to do.
    bar->SetSmallChange(1000);
    bar->SetPosition(99);
    QTest::mousePress(inc, Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->Position() == 100; }, 5000));
    QTest::qWait(150);
    QTest::mouseRelease(inc, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(bar->Position(), 100);
}

TEST(TsuiScrollBar, ZeroWidthHidesItAndTinyBarsStayWhole)
{
    QWidget window;
    auto bar = blueGlass(suiHorizontal, &window);
    window.show();
    bar->setWidth(1);
    EXPECT_EQ(bar->Track()->width(), 0);
    bar->SetPosition(50);
    EXPECT_EQ(bar->Position(), 50);
    bar->setWidth(0);
    EXPECT_FALSE(bar->isShownWithParent());
}
