#include "skin/windows/SUIMSNPopForm.h"

#include "framework/ComponentRegistry.h"
#include "skin/styles/Suipublic.h"
#include "skin/windows/WindowSlide.h"
#include "skin/windows/frmMSNPop.h"

#include <QAccessible>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

namespace {

using State = TfrmMSNPopForm::State;

// A notice whose clock the test moves by hand.
class NoticeTest : public testing::Test {
protected:
    void SetUp() override
    {
        notice = std::make_unique<TsuiMSNPopForm>();
        window = notice->Window();
        window->SetClock([this] { return now; });
        notice->OnClick = [this](QObject* sender) {
            EXPECT_EQ(sender, notice.get());
            events += "click;";
        };
        notice->OnTitleClick = [this](QObject* sender) {
            EXPECT_EQ(sender, notice.get());
            events += "title;";
        };
        notice->OnClose = [this](QObject* sender) {
            EXPECT_EQ(sender, notice.get());
            events += "close;";
        };
    }

    // Time passes: the slide steps and the stay is checked, as their timers would.
    void advance(qint64 ms)
    {
        now += ms;
        window->Slide()->tick();
        window->Timer1Timer();
    }

    QRect home() const
    {
        return QRect(TfrmMSNPopForm::AutoHome(GetWorkAreaRect(), QSize(181, 116)), QSize(181, 116));
    }

    qint64 now = 1000;
    std::unique_ptr<TsuiMSNPopForm> notice;
    QPointer<TfrmMSNPopForm> window;
    std::string events;
};

TEST(WindowSlideFrame, RevealsTheTopRowsAboveTheBottomEdgeAtStartMiddleAndEnd)
{
    const QRect home(825, 622, 181, 116);
    const SlideFrame start = SlideFrameAt(home, 0.0);
    EXPECT_TRUE(start.visible.isEmpty());
    EXPECT_EQ(start.geometry, QRect(825, 738, 181, 116));

    const SlideFrame middle = SlideFrameAt(home, 0.5);
    EXPECT_EQ(middle.geometry, QRect(825, 622 + 58, 181, 116));
    EXPECT_EQ(middle.visible, QRect(0, 0, 181, 58));
    // The shown part ends exactly on the resting place's bottom edge.
    EXPECT_EQ(middle.geometry.top() + middle.visible.height(), home.top() + home.height());

    const SlideFrame end = SlideFrameAt(home, 1.0);
    EXPECT_EQ(end.geometry, home);
    EXPECT_EQ(end.visible, QRect(0, 0, 181, 116));
    // Outside 0..1 nothing moves further.
    EXPECT_EQ(SlideFrameAt(home, 1.7).geometry, home);
    EXPECT_TRUE(SlideFrameAt(home, -0.3).visible.isEmpty());
    EXPECT_EQ(SlideFrameAt(home, 0.01).visible.height(), 1);
}

TEST(NoticePlace, StandsOnTheWorkAreaBottom18PixelsFromItsRightAndNeverOffItsCorner)
{
    EXPECT_EQ(TfrmMSNPopForm::AutoHome(QRect(0, 0, 1024, 738), QSize(181, 116)), QPoint(825, 622));
    EXPECT_EQ(TfrmMSNPopForm::AutoHome(QRect(100, 50, 800, 600), QSize(181, 116)),
        QPoint(100 + 800 - 181 - 18, 50 + 600 - 116));
    // A work area smaller than the window keeps the title line and the close box on it.
    EXPECT_EQ(TfrmMSNPopForm::AutoHome(QRect(10, 20, 120, 90), QSize(181, 116)), QPoint(10, 20));
}

TEST_F(NoticeTest, DefaultsAreThoseOfTheComponentAndReachableByName)
{
    EXPECT_EQ(notice->property("AnimateTime").toInt(), 400);
    EXPECT_EQ(notice->property("StayTime").toInt(), 2000);
    EXPECT_TRUE(notice->property("AutoPosition").toBool());
    EXPECT_FALSE(notice->property("ClickHide").toBool());
    EXPECT_EQ(notice->TitleFont()->Color(), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(notice->MessageFont()->Color(), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(window->size(), QSize(181, 116));
    EXPECT_FALSE(window->isVisible());
    EXPECT_NE(ComponentRegistry::instance().find(QStringLiteral("TsuiMSNPopForm")), nullptr);
    // The published order of the component.
    const QMetaObject* meta = notice->metaObject();
    const int first = meta->indexOfProperty("AnimateTime");
    EXPECT_LT(first, meta->indexOfProperty("ClickHide"));
    EXPECT_LT(meta->indexOfProperty("MessageFont"), meta->indexOfProperty("OnClose"));
}

TEST_F(NoticeTest, SlidesInStaysTheStayTimeAfterTheSlideAndSlidesOutThenClosesOnce)
{
    notice->SetTitle(QStringLiteral("Backup"));
    notice->SetMessageText(QStringLiteral("The nightly save has ended."));
    notice->Popup();
    const QRect rest = home();
    EXPECT_EQ(window->state(), State::SlidingIn);
    EXPECT_FALSE(window->isVisible()); // nothing shows at the very start

    advance(200);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->geometry(), QRect(rest.left(), rest.top() + 58, 181, 116));
    EXPECT_EQ(window->mask(), QRegion(0, 0, 181, 58));

    advance(200);
    EXPECT_EQ(window->state(), State::Shown);
    EXPECT_EQ(window->geometry(), rest);
    EXPECT_TRUE(window->mask().isEmpty());
    EXPECT_EQ(window->ShownAt(), now);

    // The stay counts from the end of the slide-in.
    advance(1999);
    EXPECT_EQ(window->state(), State::Shown);
    advance(1);
    EXPECT_EQ(window->state(), State::SlidingOut);
    EXPECT_TRUE(events.empty());

    advance(100);
    EXPECT_EQ(window->geometry(), QRect(rest.left(), rest.top() + 29, 181, 116));
    EXPECT_EQ(window->mask(), QRegion(0, 0, 181, 87));
    advance(300);
    EXPECT_EQ(window->state(), State::Hidden);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(events, "close;");
    advance(5000);
    EXPECT_EQ(events, "close;");
}

TEST_F(NoticeTest, PressInTheCloseBoxClosesAtOnceWithoutASlideOrAClick)
{
    for (const QPoint at : { QPoint(162, 6), QPoint(175, 19) }) {
        events.clear();
        notice->Popup();
        advance(400);
        ASSERT_EQ(window->state(), State::Shown);
        QTest::mouseClick(window, Qt::LeftButton, {}, at);
        EXPECT_EQ(window->state(), State::Hidden) << at.x() << "," << at.y();
        EXPECT_FALSE(window->isVisible());
        EXPECT_EQ(events, "close;");
    }
    // Just beside the box the press is an ordinary click on the window.
    events.clear();
    notice->Popup();
    advance(400);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(176, 10));
    EXPECT_EQ(window->state(), State::Shown);
    EXPECT_EQ(events, "click;");
}

TEST_F(NoticeTest, AScreenReaderReadsTitleAndMessageAndPressesTheCloseBox)
{
    notice->SetTitle(QStringLiteral("Backup"));
    notice->SetMessageText(QStringLiteral("The nightly save has ended."));
    notice->Popup();
    advance(400);
    ASSERT_EQ(window->state(), State::Shown);

    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(window.data());
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::AlertMessage);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Backup"));
    EXPECT_EQ(iface->text(QAccessible::Description), QStringLiteral("The nightly save has ended."));

    // The painted close box comes after the labels, where it is on screen.
    const int count = iface->childCount();
    ASSERT_GE(count, 1);
    QAccessibleInterface* close = iface->child(count - 1);
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->role(), QAccessible::PushButton);
    EXPECT_EQ(close->text(QAccessible::Name), QStringLiteral("Close"));
    EXPECT_EQ(close->parent(), iface);
    EXPECT_EQ(iface->indexOfChild(close), count - 1);
    const QRect onScreen(window->mapToGlobal(TfrmMSNPopForm::CloseBox().topLeft()),
        TfrmMSNPopForm::CloseBox().size());
    EXPECT_EQ(close->rect(), onScreen);
    EXPECT_EQ(iface->childAt(onScreen.center().x(), onScreen.center().y()), close);
    for (int i = 0; i + 1 < count; ++i)
        EXPECT_NE(iface->child(i)->role(), QAccessible::PushButton) << i;

    // Pressing it is a press in the box: gone at once, closed once, not a click.
    events.clear();
    close->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(window->state(), State::Hidden);
    EXPECT_EQ(events, "close;");
}

TEST_F(NoticeTest, ClickOnTheWindowHidesItOnlyWithClickHide)
{
    notice->Popup();
    advance(400);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(90, 30));
    EXPECT_EQ(events, "click;");
    EXPECT_EQ(window->state(), State::Shown);

    notice->SetClickHide(true);
    // ClickHide is taken when the notice pops up.
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(90, 30));
    EXPECT_EQ(window->state(), State::Shown);
    notice->Popup();
    events.clear();
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(90, 30));
    EXPECT_EQ(events, "click;");
    EXPECT_EQ(window->state(), State::SlidingOut);
    advance(400);
    EXPECT_EQ(events, "click;close;");
}

TEST_F(NoticeTest, TitleAndMessageClicksRaiseTheirOwnEventsAndNeverHide)
{
    notice->SetClickHide(true);
    notice->Popup();
    advance(400);
    QTest::mouseClick(window->lbl_title, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(window->lbl_text, Qt::LeftButton, {}, QPoint(20, 10));
    EXPECT_EQ(events, "title;click;");
    EXPECT_EQ(window->state(), State::Shown);
}

TEST_F(NoticeTest, FixedPositionPutsTheTopLeftCornerThere)
{
    notice->SetAutoPosition(false);
    notice->SetPositionX(10);
    notice->SetPositionY(20);
    notice->Popup();
    advance(200);
    // Half way the window rises out of its own bottom edge.
    EXPECT_EQ(window->geometry().topLeft(), QPoint(10, 20 + 58));
    advance(200);
    EXPECT_EQ(window->geometry(), QRect(10, 20, 181, 116));
}

TEST_F(NoticeTest, CloseSlidesOutAndRaisesOnCloseButOnlyWhenShowing)
{
    notice->Close();
    EXPECT_TRUE(events.empty());
    notice->Popup();
    advance(400);
    advance(500);
    notice->Close();
    EXPECT_EQ(window->state(), State::SlidingOut);
    EXPECT_TRUE(events.empty());
    advance(400);
    EXPECT_EQ(events, "close;");
    notice->Close();
    EXPECT_EQ(events, "close;");
}

TEST_F(NoticeTest, CloseDuringTheSlideInTurnsBackFromWhereItIs)
{
    notice->Popup();
    advance(100); // a quarter in
    notice->Close();
    EXPECT_EQ(window->state(), State::SlidingOut);
    // The quarter that shows goes in a quarter of the time.
    advance(90);
    EXPECT_TRUE(window->isVisible());
    advance(10);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(events, "close;");
}

TEST_F(NoticeTest, AnimateTimeOfZeroOrLessShowsAndHidesAtOnce)
{
    for (int time : { 0, -250 }) {
        events.clear();
        notice->SetAnimateTime(time);
        notice->SetStayTime(300);
        notice->Popup();
        EXPECT_EQ(window->state(), State::Shown) << time;
        EXPECT_EQ(window->geometry(), home());
        EXPECT_TRUE(window->isVisible());
        advance(300);
        EXPECT_EQ(window->state(), State::Hidden) << time;
        EXPECT_EQ(events, "close;");
    }
}

TEST_F(NoticeTest, SecondPopupWhileShownTakesTheNewTextsAndPlaceButKeepsTheStay)
{
    notice->SetMessageText(QStringLiteral("first"));
    notice->Popup();
    advance(400);
    const qint64 shownAt = window->ShownAt();
    advance(1000);
    notice->SetMessageText(QStringLiteral("second"));
    notice->SetAutoPosition(false);
    notice->SetPositionX(40);
    notice->SetPositionY(50);
    notice->Popup();
    EXPECT_EQ(window->lbl_text->Caption(), QStringLiteral("second"));
    EXPECT_EQ(window->geometry(), QRect(40, 50, 181, 116));
    EXPECT_EQ(window->ShownAt(), shownAt);
    advance(1000);
    EXPECT_EQ(window->state(), State::SlidingOut);
    advance(400);
    EXPECT_EQ(events, "close;");
}

TEST_F(NoticeTest, PopupDuringTheSlideOutEndsThatNoticeFirstThenSlidesInAgain)
{
    notice->Popup();
    advance(400);
    notice->Close();
    advance(100);
    notice->Popup();
    EXPECT_EQ(events, "close;");
    EXPECT_EQ(window->state(), State::SlidingIn);
    advance(400);
    EXPECT_EQ(window->state(), State::Shown);
    EXPECT_EQ(window->geometry(), home());
}

TEST_F(NoticeTest, EmptyAndVeryLongMessagesStayInsideTheMessageArea)
{
    for (const QString& text :
        { QString(), QString(100000, QLatin1Char('W')), QStringLiteral("word ").repeated(20000) }) {
        notice->SetMessageText(text);
        notice->SetTitle(text);
        notice->Popup();
        advance(400);
        EXPECT_EQ(window->size(), QSize(181, 116));
        EXPECT_EQ(window->lbl_text->geometry(), QRect(10, 40, 161, 66));
        EXPECT_EQ(window->lbl_title->geometry(), QRect(10, 5, 151, 18));
        notice->Close();
        advance(400);
    }
}

TEST_F(NoticeTest, FontsArePrivateCopiesThatTheLabelsTakeAtPopup)
{
    QWidget host;
    TFont font(&host);
    font.setColor(QColor(200, 0, 0));
    font.setHeight(-15);
    notice->SetTitleFont(&font);
    font.setColor(QColor(0, 200, 0)); // the component kept a copy
    EXPECT_EQ(notice->TitleFont()->Color(), QColor(200, 0, 0));
    notice->Popup();
    EXPECT_EQ(window->lbl_title->fontObject()->Color(), QColor(200, 0, 0));
    EXPECT_EQ(window->lbl_title->fontObject()->Height(), -15);
    EXPECT_EQ(window->lbl_text->fontObject()->Color(), QColor(0, 0, 0x80));
}

TEST_F(NoticeTest, DestroyingTheComponentWhileSlidingTakesTheWindowAwayQuietly)
{
    notice->Popup();
    advance(200);
    ASSERT_TRUE(window->isVisible());
    notice.reset();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(events.empty());
}

TEST_F(NoticeTest, FreeingTheComponentFromItsOwnCloseHandlerIsSafe)
{
    notice->OnClose = [this](QObject*) {
        events += "close;";
        notice.reset();
    };
    notice->Popup();
    advance(400);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(168, 12));
    EXPECT_EQ(events, "close;");
    EXPECT_FALSE(notice);
    // The window goes once its own call is over.
    ASSERT_TRUE(QTest::qWaitFor([this] { return window.isNull(); }));
}

TEST_F(NoticeTest, RepeatedNoticesKeepOneSlideTimerAndOneStayTimer)
{
    const auto timers = [this] { return window->findChildren<QTimer*>().size(); };
    const qsizetype before = timers();
    for (int i = 0; i < 20; ++i) {
        notice->Popup();
        advance(150);
        notice->Close();
        advance(50);
        notice->Popup();
        advance(400);
        notice->Close();
        advance(400);
    }
    EXPECT_EQ(timers(), before);
    EXPECT_FALSE(window->Slide()->timer().isActive());
    EXPECT_FALSE(window->Timer1->isActive());
}

// On the real clock: the slide-in, the stay and the slide-out add up, and nothing blocks the
// event loop meanwhile.
TEST(NoticeTiming, StayAndHideFollowTheRealClock)
{
    TsuiMSNPopForm notice;
    notice.SetAnimateTime(100);
    notice.SetStayTime(300);
    QElapsedTimer clock;
    qint64 shownAfter = -1;
    qint64 closedAfter = -1;
    notice.OnClose = [&](QObject*) { closedAfter = clock.elapsed(); };
    clock.start();
    notice.Popup();
    // Popup returns at once: the slide runs on the event loop.
    EXPECT_LT(clock.elapsed(), 50);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            if (shownAfter < 0 && notice.Window()->state() == State::Shown)
                shownAfter = clock.elapsed();
            return closedAfter >= 0;
        },
        3000));
    EXPECT_GE(shownAfter, 95);
    EXPECT_LT(shownAfter, 300);
    // 100 in, 300 staying (checked every 100 ms), 100 out.
    EXPECT_GE(closedAfter, 495);
    EXPECT_LT(closedAfter, 900);
    EXPECT_FALSE(notice.Window()->isVisible());
}

} // namespace
