#include "FormTestSupport.h"

#include "framework/AlignLayout.h"
#include "framework/FormReader.h"
#include "framework/TImage.h"
#include "framework/TSplitter.h"
#include "framework/TStatusBar.h"
#include "framework/TTreeView.h"

#include <QHBoxLayout>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>

using ControlTypes::TAlign;

namespace {

TEST(AlignLayoutTest, DocksTopBottomLeftRightThenClientTakingSpaceFromWhatRemains)
{
    std::vector<AlignLayout::Item> items {
        { TAlign::alClient, QRect(0, 0, 1, 1) },
        { TAlign::alLeft, QRect(0, 0, 30, 5) },
        { TAlign::alBottom, QRect(0, 0, 9, 10) },
        { TAlign::alTop, QRect(0, 0, 9, 20) },
        { TAlign::alRight, QRect(0, 0, 40, 5) },
        { TAlign::alNone, QRect(7, 8, 9, 10) },
        { TAlign::alTop, QRect(0, 0, 9, 5), false },
    };
    AlignLayout::alignItems(QRect(1, 2, 200, 100), items);
    EXPECT_EQ(items[3].bounds, QRect(1, 2, 200, 20));
    EXPECT_EQ(items[2].bounds, QRect(1, 92, 200, 10));
    EXPECT_EQ(items[1].bounds, QRect(1, 22, 30, 70));
    EXPECT_EQ(items[4].bounds, QRect(161, 22, 40, 70));
    EXPECT_EQ(items[0].bounds, QRect(31, 22, 130, 70));
    EXPECT_EQ(items[5].bounds, QRect(7, 8, 9, 10)) << "unaligned keeps its place";
    EXPECT_EQ(items[6].bounds, QRect(0, 0, 9, 5)) << "invisible keeps its place";
}

TEST(AlignLayoutTest, OrdersOneKindByStoredPositionAndNeverGoesNegative)
{
    // The splitter is listed first but lies right of the pane: it docks after it.
    std::vector<AlignLayout::Item> items {
        { TAlign::alLeft, QRect(201, 99, 3, 455) },
        { TAlign::alLeft, QRect(0, 99, 201, 455) },
        { TAlign::alBottom, QRect(0, 554, 782, 19) },
        { TAlign::alBottom, QRect(0, 500, 782, 30) },
        { TAlign::alClient, QRect() },
    };
    AlignLayout::alignItems(QRect(0, 0, 150, 40), items);
    EXPECT_EQ(items[2].bounds, QRect(0, 21, 150, 19)) << "lowest bottom docks first";
    EXPECT_EQ(items[3].bounds, QRect(0, -9, 150, 30));
    EXPECT_EQ(items[1].bounds, QRect(0, 0, 201, 0));
    EXPECT_EQ(items[0].bounds, QRect(201, 0, 3, 0));
    EXPECT_EQ(items[4].bounds.size(), QSize(0, 0));
}

TEST(AlignLayoutTest, AResizeHandlerMayDeleteADockedSiblingWhileDocking)
{
    TPanel container;
    container.setBevelOuter(ControlTypes::TBevelCut::bvNone);
    auto* first = new TPanel(&container);
    QPointer<TPanel> second = new TPanel(&container);
    first->setBounds(QRect(0, 0, 10, 20));
    second->setBounds(QRect(0, 20, 10, 30));
    first->setAlign(TAlign::alTop);
    second->setAlign(TAlign::alTop);
    first->OnResize = [&second](QObject*) { delete second.data(); };
    container.setBounds(QRect(0, 0, 300, 200));
    EXPECT_TRUE(second.isNull());
    EXPECT_EQ(first->geometry(), QRect(0, 0, 300, 20));
}

// A bare container with four docked panels: a 20-pixel top strip, a 30-pixel left pane, a
// 40-pixel right pane and a client area; every OnResize is logged with its sender's new size.
class DockedPanels : public ::testing::Test {
protected:
    void SetUp() override
    {
        container.setBevelOuter(ControlTypes::TBevelCut::bvNone);
        top = dock("top", TAlign::alTop, QRect(0, 0, 10, 20));
        left = dock("left", TAlign::alLeft, QRect(0, 0, 30, 10));
        right = dock("right", TAlign::alRight, QRect(0, 0, 40, 10));
        client = dock("client", TAlign::alClient, QRect());
    }

    TPanel* dock(const char* name, TAlign align, const QRect& bounds)
    {
        auto* panel = new TPanel(&container);
        panel->setObjectName(QLatin1String(name));
        panel->setBevelOuter(ControlTypes::TBevelCut::bvNone);
        panel->setBounds(bounds);
        panel->setAlign(align);
        panel->OnResize = [this](QObject* sender) {
            auto* w = static_cast<QWidget*>(sender);
            log << QStringLiteral("%1 %2x%3").arg(w->objectName()).arg(w->width()).arg(w->height());
        };
        return panel;
    }

    TPanel container;
    TPanel* top = nullptr;
    TPanel* left = nullptr;
    TPanel* right = nullptr;
    TPanel* client = nullptr;
    QStringList log;
};

TEST_F(DockedPanels, TheContainersLayoutHoldsItsDockedChildrenInChildOrder)
{
    auto* layout = qobject_cast<AlignLayout*>(container.layout());
    ASSERT_NE(layout, nullptr);
    ASSERT_EQ(layout->count(), 4);
    EXPECT_EQ(layout->itemAt(0)->widget(), top);
    EXPECT_EQ(layout->itemAt(3)->widget(), client);
    // Docking asks the container for nothing: its size and limits stay its own.
    container.setBounds(QRect(0, 0, 300, 200));
    EXPECT_EQ(container.minimumSize(), QSize(0, 0));
    EXPECT_EQ(layout->sizeHint(), QSize(300, 200));
}

TEST_F(DockedPanels, ResizingTheContainerRedocksOffScreenAndOnScreenReportingEachSizeOnce)
{
    container.setBounds(QRect(0, 0, 300, 200));
    EXPECT_EQ(top->geometry(), QRect(0, 0, 300, 20));
    EXPECT_EQ(left->geometry(), QRect(0, 20, 30, 180));
    EXPECT_EQ(right->geometry(), QRect(260, 20, 40, 180));
    EXPECT_EQ(client->geometry(), QRect(30, 20, 230, 180));
    EXPECT_EQ(log, QStringList({ "top 300x20", "left 30x180", "right 40x180", "client 230x180" }));

    container.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&container));
    log.clear();
    // On screen Qt's resize event drives the layout; nothing is reported twice.
    container.resize(400, 100);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 400, 20));
    EXPECT_EQ(right->geometry(), QRect(360, 20, 40, 80));
    EXPECT_EQ(client->geometry(), QRect(30, 20, 330, 80));
    EXPECT_EQ(log, QStringList({ "top 400x20", "left 30x80", "right 40x80", "client 330x80" }));
    // Reserving a border narrows the client rectangle at once.
    log.clear();
    container.setBevelOuter(ControlTypes::TBevelCut::bvRaised);
    EXPECT_EQ(top->geometry(), QRect(1, 1, 398, 20));
    EXPECT_EQ(client->geometry(), QRect(31, 21, 328, 78));
}

TEST_F(DockedPanels, ChangingAlignRedocksAndAnUndockedControlKeepsItsBounds)
{
    container.setBounds(QRect(0, 0, 300, 200));
    top->setAlign(TAlign::alBottom);
    EXPECT_EQ(top->geometry(), QRect(0, 180, 300, 20));
    EXPECT_EQ(client->geometry(), QRect(30, 0, 230, 180));

    // Undocked and made narrow, then docked left: of the two left panes at x 0, the earlier
    // child goes first.
    top->setAlign(TAlign::alNone);
    top->setBounds(QRect(0, 0, 50, 5));
    top->setAlign(TAlign::alLeft);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 50, 200));
    EXPECT_EQ(left->geometry(), QRect(50, 0, 30, 200));
    EXPECT_EQ(client->geometry(), QRect(80, 0, 180, 200));

    top->setAlign(TAlign::alNone);
    EXPECT_EQ(container.layout()->count(), 3);
    EXPECT_EQ(top->geometry(), QRect(0, 0, 50, 200)) << "keeps where docking left it";
    EXPECT_EQ(left->geometry(), QRect(0, 0, 30, 200));
    EXPECT_EQ(client->geometry(), QRect(30, 0, 230, 200));
    top->setBounds(QRect(5, 6, 7, 8));
    EXPECT_EQ(top->geometry(), QRect(5, 6, 7, 8));
}

TEST_F(DockedPanels, AHiddenControlGivesUpItsSpaceUntilShownAgain)
{
    container.setBounds(QRect(0, 0, 300, 200));
    left->setVisible(false);
    EXPECT_EQ(client->geometry(), QRect(0, 20, 260, 180));
    left->setVisible(true);
    EXPECT_EQ(left->geometry(), QRect(0, 20, 30, 180));
    EXPECT_EQ(client->geometry(), QRect(30, 20, 230, 180));
}

TEST_F(DockedPanels, AControlMovedToAnotherContainerDocksThereAndLeavesTheOld)
{
    container.setBounds(QRect(0, 0, 300, 200));
    TPanel other;
    other.setBevelOuter(ControlTypes::TBevelCut::bvNone);
    other.setBounds(QRect(0, 0, 90, 60));
    right->setParent(&other);
    EXPECT_EQ(container.layout()->count(), 3);
    EXPECT_EQ(client->geometry(), QRect(30, 20, 270, 180));
    ASSERT_EQ(other.layout()->count(), 1);
    EXPECT_EQ(right->geometry(), QRect(50, 0, 40, 60));
}

TEST_F(DockedPanels, NestedContainersDockTheirOwnChildrenBeforeTheyReportTheirSize)
{
    auto* inner = new TPanel(client);
    inner->setObjectName("inner");
    inner->setBevelOuter(ControlTypes::TBevelCut::bvNone);
    inner->setHeight(15);
    inner->setAlign(TAlign::alBottom);
    QRect innerWhenClientReported;
    client->OnResize = [&](QObject*) { innerWhenClientReported = inner->geometry(); };
    container.setBounds(QRect(0, 0, 300, 200));
    EXPECT_EQ(innerWhenClientReported, QRect(0, 165, 230, 15));
}

TEST(AlignLayoutTest, ControlsDockedInAPlainWidgetInstallTheLayoutThere)
{
    QWidget plain;
    plain.resize(100, 50);
    auto* bar = new TPanel(&plain);
    bar->setHeight(12);
    bar->setAlign(TAlign::alBottom);
    ASSERT_NE(AlignLayout::of(&plain), nullptr);
    EXPECT_EQ(bar->geometry(), QRect(0, 38, 100, 12));
    // A widget with a layout of another kind keeps it; the control then is not docked.
    QWidget boxed;
    auto* box = new QHBoxLayout(&boxed);
    auto* other = new TPanel(&boxed);
    other->setAlign(TAlign::alTop);
    EXPECT_EQ(boxed.layout(), box);
}

// The main window's arrangement: banner on top, status strip at the bottom, the left pane, the
// splitter, and the right pane filling the rest; the left pane's resize handler sizes its tree.
class MainLayoutForm : public TForm {
    Q_OBJECT
public:
    Q_INVOKABLE void pnlLeftResize(QObject*)
    {
        auto* pane = findChild<TPanel*>("pnlLeft");
        findChild<TTreeView*>("tvValue")->setHeight(pane->Height() - 33);
        ++leftResizes;
    }
    int leftResizes = 0;
};

const char* mainLayout = R"(<form class="MainLayoutForm" name="fmMain">
  <property name="ClientWidth">782</property>
  <property name="ClientHeight">523</property>
  <object class="TSplitter" name="spMain">
    <property name="Left">201</property><property name="Top">99</property>
    <property name="Width">3</property><property name="Height">455</property>
    <property name="Cursor">crHSplit</property>
  </object>
  <object class="TImage" name="imgTitle">
    <property name="Left">0</property><property name="Top">50</property>
    <property name="Width">782</property><property name="Height">49</property>
    <property name="Align">alTop</property>
  </object>
  <object class="TStatusBar" name="sbMain">
    <property name="Top">554</property><property name="Width">782</property>
    <property name="Height">19</property>
  </object>
  <object class="TPanel" name="pnlLeft">
    <property name="Left">0</property><property name="Top">99</property>
    <property name="Width">201</property><property name="Height">455</property>
    <property name="Align">alLeft</property>
    <property name="BevelOuter">bvLowered</property>
    <property name="OnResize">pnlLeftResize</property>
    <object class="TTreeView" name="tvValue">
      <property name="Left">1</property><property name="Top">37</property>
      <property name="Width">199</property><property name="Height">417</property>
      <property name="Align">alBottom</property>
    </object>
  </object>
  <object class="TPanel" name="pnlClient">
    <property name="Align">alClient</property>
    <property name="BevelOuter">bvLowered</property>
  </object>
</form>)";

struct WindowSize {
    int width;
    int height;
};

class MainLayoutTest : public ::testing::TestWithParam<WindowSize> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        // The frame's title bar keeps the top 50 of the 573 client pixels, as on the main window.
        form.setContentsMargins(0, 50, 0, 0);
        readForm(&form, FormTest::writeFile(dir, "Main.xml", mainLayout));
    }
    QWidget* child(const char* name) { return form.findChild<QWidget*>(name); }

    QTemporaryDir dir;
    MainLayoutForm form;
};

TEST_P(MainLayoutTest, DockedControlsFollowTheWindowSize)
{
    const auto [w, h] = GetParam();
    form.setBounds(QRect(0, 0, w, h));
    const int paneHeight = qMax(0, h - 50 - 49 - 19);
    EXPECT_EQ(child("imgTitle")->geometry(), QRect(0, 50, w, 49));
    EXPECT_EQ(child("sbMain")->geometry(), QRect(0, h - 19, w, 19));
    EXPECT_EQ(child("pnlLeft")->geometry(), QRect(0, 99, 201, paneHeight));
    EXPECT_EQ(child("spMain")->geometry(), QRect(201, 99, 3, paneHeight));
    EXPECT_EQ(child("pnlClient")->geometry(), QRect(204, 99, qMax(0, w - 204), paneHeight));
    // The handler makes the tree pane height - 33; docked to the bottom inside the 1-pixel
    // bevel, its top lies 32 pixels down.
    if (paneHeight >= 33)
        EXPECT_EQ(child("tvValue")->geometry(), QRect(1, 32, 199, paneHeight - 33));
}

INSTANTIATE_TEST_SUITE_P(Sizes, MainLayoutTest,
    ::testing::Values(WindowSize { 782, 623 }, WindowSize { 1000, 700 }, WindowSize { 270, 250 },
        WindowSize { 600, 150 }));

TEST_F(MainLayoutTest, TheStoredLayoutIsDockedAndTheResizeHandlerRunsOnceShown)
{
    EXPECT_EQ(child("pnlLeft")->geometry(), QRect(0, 99, 201, 455));
    EXPECT_EQ(child("tvValue")->geometry(), QRect(1, 37, 199, 417));
    EXPECT_EQ(form.leftResizes, 0) << "settings being read are no resize";
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    EXPECT_GE(form.leftResizes, 1);
    EXPECT_EQ(child("tvValue")->geometry(), QRect(1, 32, 199, 422));
}

TEST_F(MainLayoutTest, DraggingTheSplitterChangesTheLeftPaneWidth)
{
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    auto* splitter = static_cast<TSplitter*>(child("spMain"));
    EXPECT_EQ(splitter->resizedControl(), child("pnlLeft"));
    const QPoint grip(1, 100);
    QTest::mousePress(splitter, Qt::LeftButton, {}, grip);
    QTest::mouseMove(splitter, grip + QPoint(60, 0));
    QTest::mouseRelease(
        splitter, Qt::LeftButton, {}, splitter->mapFromGlobal(splitter->mapToGlobal(grip)));
    EXPECT_EQ(child("pnlLeft")->width(), 261);
    EXPECT_EQ(child("spMain")->x(), 261);
    EXPECT_EQ(child("pnlClient")->geometry().left(), 264);
    EXPECT_EQ(child("pnlClient")->width(), 782 - 264);

    // Never below MinSize, never eating the right pane below MinSize.
    splitter->moveBy(-1000);
    EXPECT_EQ(child("pnlLeft")->width(), 30);
    splitter->moveBy(5000);
    EXPECT_EQ(child("pnlClient")->width(), 30);
}

} // namespace

#include "AlignLayoutTest.moc"
