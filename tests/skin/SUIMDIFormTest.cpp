#include "skin/windows/SUIMDIForm.h"

#include "MenuTestSupport.h"
#include "framework/ComponentRegistry.h"
#include "framework/OrlendaException.h"
#include "framework/TForm.h"
#include "framework/TMDIClient.h"
#include "framework/TPanel.h"
#include "skin/controls/SUIToolBarSpeedButton.h"
#include "skin/windows/FormRegion.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMainMenu.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using Button = TsuiMDIForm::ControlButton;

QStringList barCaptions(const FormMenuBar* bar)
{
    QStringList captions;
    for (const FormMenuBar::Button& button : bar->buttons())
        captions << button.caption;
    return captions;
}

class MDIFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<TForm>();
        form->setCaption(QStringLiteral("Orlenda"));
        // The band takes 4 pixels left, right and bottom and 3 at the top: a 600 x 400 client.
        form->resize(608, 407);
        mdi = new TsuiMDIForm(form.get());
        menu = new TsuiMainMenu(form.get());
        addItem(menu, QStringLiteral("&File"));
        addItem(menu, QStringLiteral("&Window"));
        mdi->SetMenu(menu);
        form->show();
        client = mdi->MDIClient();
    }

    // A child form with a skinned frame (unless `framed` is false), shown in the client.
    QMdiSubWindow* addChild(const QString& caption, bool framed = true)
    {
        auto* child = new TForm();
        child->setCaption(caption);
        child->resize(200, 150);
        if (framed)
            new TsuiForm(child);
        QMdiSubWindow* window = client->addSubWindow(child);
        window->show();
        client->setActiveSubWindow(window);
        return window;
    }

    TsuiToolBarSpeedButton* button(Button which) const { return mdi->ControlButtonWidget(which); }
    bool shown(Button which) const { return button(which)->isVisibleTo(mdi->MenuPanel()); }
    TsuiForm* frameOf(QMdiSubWindow* window) const
    {
        return window->widget()->findChild<TsuiForm*>();
    }

    std::unique_ptr<TForm> form;
    TsuiMDIForm* mdi = nullptr;
    TsuiMainMenu* menu = nullptr;
    QMdiArea* client = nullptr;
};

TEST(MDIFormLayouts, TileGivesEachChildItsRowOrColumnLastChildFirst)
{
    const QSize client(600, 400);
    // 350 rows below a 50-pixel top area; every child 2 pixels less than its share.
    EXPECT_EQ(TsuiMDIForm::TileRects(1, client, 350, Qt::Horizontal),
        QList<QRect>({ QRect(0, 0, 596, 348) }));
    EXPECT_EQ(TsuiMDIForm::TileRects(2, client, 350, Qt::Horizontal),
        QList<QRect>({ QRect(0, 0, 596, 173), QRect(0, 173, 596, 173) }));
    EXPECT_EQ(TsuiMDIForm::TileRects(3, client, 350, Qt::Horizontal),
        QList<QRect>({ QRect(0, 0, 596, 114), QRect(0, 114, 596, 114), QRect(0, 228, 596, 114) }));
    const QList<QRect> seven = TsuiMDIForm::TileRects(7, client, 350, Qt::Horizontal);
    ASSERT_EQ(seven.size(), 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(seven[i], QRect(0, 48 * i, 596, 48)) << i;
    // One child minimized: 25 rows fewer, two children of 160.
    EXPECT_EQ(TsuiMDIForm::TileRects(2, client, 325, Qt::Horizontal),
        QList<QRect>({ QRect(0, 0, 596, 160), QRect(0, 160, 596, 160) }));

    EXPECT_EQ(TsuiMDIForm::TileRects(1, client, 350, Qt::Vertical),
        QList<QRect>({ QRect(0, 0, 598, 346) }));
    EXPECT_EQ(TsuiMDIForm::TileRects(2, client, 350, Qt::Vertical),
        QList<QRect>({ QRect(0, 0, 298, 346), QRect(298, 0, 298, 346) }));
    EXPECT_EQ(TsuiMDIForm::TileRects(3, client, 350, Qt::Vertical),
        QList<QRect>({ QRect(0, 0, 198, 346), QRect(198, 0, 198, 346), QRect(396, 0, 198, 346) }));
    const QList<QRect> sevenColumns = TsuiMDIForm::TileRects(7, client, 350, Qt::Vertical);
    EXPECT_EQ(sevenColumns[6], QRect(6 * 83, 0, 83, 346)); // 600 div 7 = 85
    EXPECT_TRUE(TsuiMDIForm::TileRects(0, client, 350, Qt::Horizontal).isEmpty());
}

TEST(MDIFormLayouts, CascadeSteps22PixelsWithFourFifthsByThreeFifthsEach)
{
    EXPECT_EQ(
        TsuiMDIForm::CascadeRects(1, QSize(600, 400)), QList<QRect>({ QRect(0, 0, 480, 240) }));
    EXPECT_EQ(TsuiMDIForm::CascadeRects(2, QSize(600, 400)),
        QList<QRect>({ QRect(0, 0, 480, 240), QRect(22, 22, 480, 240) }));
    EXPECT_EQ(TsuiMDIForm::CascadeRects(3, QSize(600, 400)),
        QList<QRect>({ QRect(0, 0, 480, 240), QRect(22, 22, 480, 240), QRect(44, 44, 480, 240) }));
    const QList<QRect> seven = TsuiMDIForm::CascadeRects(7, QSize(601, 399));
    EXPECT_EQ(seven.last(), QRect(132, 132, 480, 239)); // both sizes truncated
}

TEST(MDIFormCreation, RefusesAnOwnerThatIsNotAForm)
{
    QObject plain;
    try {
        TsuiMDIForm mdi(&plain);
        FAIL() << "created on a plain object";
    } catch (const OrlendaException& error) {
        EXPECT_EQ(error.message(), QStringLiteral("Sorry, TsuiMDIForm must be placed on a form"));
    }
    EXPECT_NE(ComponentRegistry::instance().find(QStringLiteral("TsuiMDIForm")), nullptr);
    EXPECT_NE(ComponentRegistry::instance().find(QStringLiteral("TMDIClient")), nullptr);
}

TEST_F(MDIFormTest, TakesOverTheFormWithBarsAboveTheClient)
{
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->contentsRect(), QRect(4, 3, 600, 400));
    TsuiTitleBar* bar = mdi->TitleBar();
    EXPECT_EQ(bar->geometry().topLeft(), QPoint(4, 3));
    EXPECT_EQ(mdi->MenuPanel()->y(), bar->geometry().bottom() + 1);
    EXPECT_EQ(client->geometry(),
        QRect(4, 3 + mdi->GetTitleBarHeight(), 600, 400 - mdi->GetTitleBarHeight()));
    EXPECT_EQ(mdi->GetTitleBarHeight(), bar->height() + mdi->MenuPanel()->height());
    EXPECT_EQ(barCaptions(mdi->MenuBarWidget()), QStringList({ "&File", "&Window" }));
    EXPECT_EQ(mdi->Caption(), QStringLiteral("Orlenda"));
    EXPECT_EQ(bar->Caption(), QStringLiteral("Orlenda"));

    mdi->SetUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(form->mask(), FormWindowRegion(form->size(), mdi->RoundCorner()));
    EXPECT_EQ(bar->RoundCorner(), 0);
}

TEST_F(MDIFormTest, TileAndCascadePlaceTheChildrenByTheFramesOwnArithmetic)
{
    QMdiSubWindow* a = addChild(QStringLiteral("A"));
    QMdiSubWindow* b = addChild(QStringLiteral("B"));
    QMdiSubWindow* c = addChild(QStringLiteral("C"));
    const int room = 400 - mdi->GetTitleBarHeight();
    const int h = room / 3;

    mdi->Tile();
    // The bottom of the stack comes first; the active child ends lowest.
    EXPECT_EQ(a->geometry(), QRect(0, 0, 596, h - 2));
    EXPECT_EQ(b->geometry(), QRect(0, h - 2, 596, h - 2));
    EXPECT_EQ(c->geometry(), QRect(0, 2 * (h - 2), 596, h - 2));

    mdi->Tile(Qt::Vertical);
    EXPECT_EQ(a->geometry(), QRect(0, 0, 198, room - 4));
    EXPECT_EQ(c->geometry(), QRect(396, 0, 198, room - 4));

    mdi->Cascade();
    EXPECT_EQ(a->geometry(), QRect(0, 0, 480, 240));
    EXPECT_EQ(b->geometry(), QRect(22, 22, 480, 240));
    EXPECT_EQ(c->geometry(), QRect(44, 44, 480, 240));

    // A minimized child keeps its place and leaves a row for itself.
    b->showMinimized();
    const QRect minimized = b->geometry();
    mdi->Tile();
    EXPECT_EQ(b->geometry().size(), minimized.size());
    const int shared = (room - 25) / 2;
    EXPECT_EQ(a->geometry(), QRect(0, 0, 596, shared - 2));
    EXPECT_EQ(c->geometry(), QRect(0, shared - 2, 596, shared - 2));
}

TEST_F(MDIFormTest, ControlButtonsFollowTheActiveChildsMaximizedState)
{
    QMdiSubWindow* child = addChild(QStringLiteral("Report"));
    EXPECT_FALSE(shown(Button::Minimize) || shown(Button::Restore) || shown(Button::Close));

    child->showMaximized();
    EXPECT_TRUE(shown(Button::Minimize));
    EXPECT_TRUE(shown(Button::Restore));
    EXPECT_TRUE(shown(Button::Close));
    const int w = mdi->MenuPanel()->width();
    EXPECT_EQ(button(Button::Close)->geometry(), QRect(w - 20, 1, 18, 18));
    EXPECT_EQ(button(Button::Restore)->geometry(), QRect(w - 38, 1, 18, 18));
    EXPECT_EQ(button(Button::Minimize)->geometry(), QRect(w - 56, 1, 18, 18));
    // Glyph-only buttons, announced by what they do.
    for (const auto& [which, name] : { std::pair(Button::Minimize, "Minimize"),
             std::pair(Button::Restore, "Restore"), std::pair(Button::Close, "Close") }) {
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(button(which));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->role(), QAccessible::PushButton);
        EXPECT_EQ(iface->text(QAccessible::Name), QString::fromLatin1(name));
    }
    // The maximized child's own caption goes; the parent carries it.
    EXPECT_FALSE(frameOf(child)->TitleBarVisible());
    EXPECT_EQ(mdi->TitleBar()->Caption(), QStringLiteral("Orlenda - [Report]"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Orlenda - [Report]"));

    child->showNormal();
    EXPECT_FALSE(shown(Button::Minimize) || shown(Button::Restore) || shown(Button::Close));
    EXPECT_TRUE(frameOf(child)->TitleBarVisible());
    EXPECT_EQ(mdi->TitleBar()->Caption(), QStringLiteral("Orlenda"));
}

TEST_F(MDIFormTest, OnlyTheChildsOwnCaptionButtonsGetControlButtons)
{
    QMdiSubWindow* child = addChild(QStringLiteral("Log"));
    // Close and minimize, no maximize button.
    TsuiTitleBarButtons* buttons = frameOf(child)->TitleBarButtons();
    for (int i = buttons->Count() - 1; i >= 0; --i)
        if (buttons->Button(i)->ButtonType() == TsuiTitleBarBtnType::suiMax)
            buttons->Delete(i);
    child->showMaximized();
    EXPECT_TRUE(shown(Button::Minimize));
    EXPECT_FALSE(shown(Button::Restore));
    EXPECT_TRUE(shown(Button::Close));
}

TEST_F(MDIFormTest, ChildWithoutASkinnedFrameGetsNoControlButtons)
{
    QMdiSubWindow* child = addChild(QStringLiteral("Plain"), false);
    child->showMaximized();
    EXPECT_FALSE(shown(Button::Minimize) || shown(Button::Restore) || shown(Button::Close));
    EXPECT_EQ(mdi->TitleBar()->Caption(), QStringLiteral("Orlenda - [Plain]"));
    // The plain child keeps its sub-window's own frame.
    EXPECT_FALSE(child->windowFlags() & Qt::FramelessWindowHint);
}

TEST_F(MDIFormTest, ControlButtonClicksActOnTheMaximizedChild)
{
    QMdiSubWindow* child = addChild(QStringLiteral("Report"));
    child->showMaximized();
    QTest::mouseClick(button(Button::Restore), Qt::LeftButton, {}, QPoint(9, 9));
    EXPECT_FALSE(child->isMaximized());
    EXPECT_FALSE(shown(Button::Restore));

    child->showMaximized();
    QTest::mouseClick(button(Button::Minimize), Qt::LeftButton, {}, QPoint(9, 9));
    EXPECT_TRUE(child->isMinimized());
    EXPECT_FALSE(shown(Button::Minimize));

    child->showMaximized();
    QPointer<QMdiSubWindow> closing(child);
    QTest::mouseClick(button(Button::Close), Qt::LeftButton, {}, QPoint(9, 9));
    EXPECT_FALSE(shown(Button::Close));
    ASSERT_TRUE(QTest::qWaitFor([&] { return closing.isNull(); }));
    EXPECT_TRUE(client->subWindowList().isEmpty());
    EXPECT_EQ(mdi->TitleBar()->Caption(), QStringLiteral("Orlenda"));
}

TEST_F(MDIFormTest, ClosingAMaximizedChildHandsTheStateToTheNextOrBackToTheParent)
{
    QMdiSubWindow* first = addChild(QStringLiteral("First"));
    QMdiSubWindow* second = addChild(QStringLiteral("Second"));
    second->showMaximized();
    ASSERT_TRUE(shown(Button::Close));
    second->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return client->subWindowList().size() == 1; }));
    // Whatever state the remaining child is left in, buttons and caption agree with it.
    EXPECT_EQ(shown(Button::Close), first->isMaximized());
    EXPECT_EQ(mdi->TitleBar()->Caption(),
        first->isMaximized() ? QStringLiteral("Orlenda - [First]") : QStringLiteral("Orlenda"));

    first->showMaximized();
    first->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return client->subWindowList().isEmpty(); }));
    EXPECT_FALSE(shown(Button::Close));
    EXPECT_EQ(mdi->TitleBar()->Caption(), QStringLiteral("Orlenda"));
    EXPECT_EQ(mdi->CurrentMenu(), menu);
}

TEST_F(MDIFormTest, ActiveChildsMenuReplacesTheParentsWhileDrawChildMenusIsSet)
{
    QMdiSubWindow* plain = addChild(QStringLiteral("Plain"));
    QMdiSubWindow* withMenu = addChild(QStringLiteral("Editor"));
    auto* childMenu = new TsuiMainMenu(withMenu->widget());
    addItem(childMenu, QStringLiteral("&Edit"));
    addItem(childMenu, QStringLiteral("&Format"));
    addItem(childMenu, QStringLiteral("&Window"));
    frameOf(withMenu)->SetMenu(childMenu);
    // The child shows no bar of its own inside the parent.
    EXPECT_EQ(frameOf(withMenu)->MenuBarWidget(), nullptr);

    client->setActiveSubWindow(plain);
    EXPECT_EQ(barCaptions(mdi->MenuBarWidget()), QStringList({ "&File", "&Window" }));
    client->setActiveSubWindow(withMenu);
    EXPECT_EQ(mdi->CurrentMenu(), childMenu);
    EXPECT_EQ(barCaptions(mdi->MenuBarWidget()), QStringList({ "&Edit", "&Format", "&Window" }));

    mdi->SetTitleBarDrawChildMenus(false);
    EXPECT_EQ(barCaptions(mdi->MenuBarWidget()), QStringList({ "&File", "&Window" }));
    mdi->SetTitleBarDrawChildMenus(true);

    // A child form's own menu comes before its frame's.
    auto* nativeMenu = new TMainMenu(withMenu->widget());
    addItem(nativeMenu, QStringLiteral("&Native"));
    static_cast<TForm*>(withMenu->widget())->setMenu(nativeMenu);
    client->setActiveSubWindow(plain);
    client->setActiveSubWindow(withMenu);
    EXPECT_EQ(mdi->CurrentMenu(), nativeMenu);
}

TEST_F(MDIFormTest, CaptionFollowsTheWindowTextAndTheMaximizedChildsCaption)
{
    form->setWindowTitle(QStringLiteral("Renamed"));
    EXPECT_EQ(mdi->TitleBar()->Caption(), QStringLiteral("Renamed"));
    mdi->SetCaption(QStringLiteral("Workbench"));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Workbench"));

    QMdiSubWindow* child = addChild(QStringLiteral("Sheet"));
    child->showMaximized();
    EXPECT_EQ(mdi->Caption(), QStringLiteral("Workbench - [Sheet]"));
    child->widget()->setWindowTitle(QStringLiteral("Sheet 2"));
    EXPECT_EQ(mdi->TitleBar()->Caption(), QStringLiteral("Workbench - [Sheet 2]"));
    child->showNormal();
    EXPECT_EQ(mdi->Caption(), QStringLiteral("Workbench"));
}

TEST_F(MDIFormTest, ShortcutOfTheShownMenuRunsItsItem)
{
    int runs = 0;
    TMenuItem* item = addItem(menu->Items().first(), QStringLiteral("&New"), scCtrl | 'N');
    item->OnClick = [&](QObject*) { ++runs; };
    QKeyEvent press(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(mdi->ProcessKeyPress(&press), 1);
    EXPECT_EQ(runs, 1);
    QKeyEvent other(QEvent::KeyPress, Qt::Key_M, Qt::ControlModifier);
    EXPECT_EQ(mdi->ProcessKeyPress(&other), 0);
}

TEST_F(MDIFormTest, RemovingTheMenuHidesTheBarUnlessAChildNeedsItsButtons)
{
    delete menu;
    EXPECT_TRUE(mdi->MenuPanel()->isHidden());
    QMdiSubWindow* child = addChild(QStringLiteral("Report"));
    child->showMaximized();
    // Without any menu the buttons are the only way back for a maximized skinned child.
    EXPECT_FALSE(mdi->MenuPanel()->isHidden());
    EXPECT_TRUE(shown(Button::Restore));
    child->showNormal();
    EXPECT_TRUE(mdi->MenuPanel()->isHidden());
}

TEST_F(MDIFormTest, DestroyingTheFrameLeavesChildrenAndFormWorking)
{
    QMdiSubWindow* child = addChild(QStringLiteral("Report"));
    delete mdi;
    child->showMaximized();
    child->showNormal();
    EXPECT_FALSE(form->windowFlags() & Qt::FramelessWindowHint);
    form.reset();
}

} // namespace
