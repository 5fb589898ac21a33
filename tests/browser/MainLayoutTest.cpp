#include "MainWindowFixture.h"

namespace {

struct LayoutCase {
    QSize client;
    int leftWidth;
};

class MainLayoutTest : public MainWindowFixture, public testing::WithParamInterface<LayoutCase> { };

TEST_P(MainLayoutTest, ResizeHandlersPlaceTreeBrowserAndExitButtonFromThePaneSizes)
{
    start();
    const LayoutCase c = GetParam();
    form->pnlLeft->setWidth(c.leftWidth);
    form->setClientWidth(c.client.width());
    form->setClientHeight(c.client.height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->ClientWidth() == c.client.width(); }));

    const int leftH = form->pnlLeft->height();
    const QRect clientRect = form->pnlClient->geometry();
    // The frame's title bar (30) and menu bar (22) on top, then the banner, the status strip
    // at the bottom, the panes with the splitter between them.
    EXPECT_EQ(form->suiForm1->geometry(), QRect(QPoint(3, 3), c.client));
    const int bannerTop = 30 + 22;
    EXPECT_EQ(form->imgTitle->geometry(), QRect(0, bannerTop, c.client.width(), 49));
    EXPECT_EQ(form->sbMain->geometry().bottom(), form->suiForm1->height() - 1);
    EXPECT_EQ(leftH, c.client.height() - bannerTop - 49 - form->sbMain->height());
    EXPECT_EQ(form->pnlLeft->geometry(), QRect(0, bannerTop + 49, c.leftWidth, leftH));
    EXPECT_EQ(form->spMain->geometry(), QRect(c.leftWidth, bannerTop + 49, 3, leftH));
    EXPECT_EQ(clientRect,
        QRect(c.leftWidth + 3, bannerTop + 49, c.client.width() - c.leftWidth - 3, leftH));

    // Tree: pane height - 33, docked to the bottom inside the 1-pixel bevel, top 32 down.
    EXPECT_EQ(form->tvValue->geometry(), QRect(1, 32, c.leftWidth - 2, leftH - 33));
    // Browser holder: pane height - 32 at the bottom; Exit 100 pixels left of the right edge.
    EXPECT_EQ(form->pnlBrowser->geometry(),
        QRect(1, 31, clientRect.width() - 2, clientRect.height() - 32));
    EXPECT_EQ(form->wbMain->geometry(), QRect(QPoint(0, 0), form->pnlBrowser->size()));
    EXPECT_EQ(form->btnExit->geometry(), QRect(clientRect.width() - 100, 2, 80, 27));
}

INSTANTIATE_TEST_SUITE_P(Sizes, MainLayoutTest,
    testing::Values(LayoutCase { { 782, 573 }, 201 }, LayoutCase { { 1024, 700 }, 201 },
        LayoutCase { { 500, 300 }, 150 },
        // A right pane 60 pixels wide pushes the Exit button out on the left.
        LayoutCase { { 300, 400 }, 237 }));

} // namespace
