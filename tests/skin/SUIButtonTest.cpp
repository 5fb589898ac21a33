// Push buttons driven like a user drives them: mouse, repeat timer, keys, default and cancel.
#include "framework/TForm.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUIControlButton.h"

#include <QAction>
#include <QCursor>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// A shown window holding the controls under test, so focus and visibility are real.
struct Window {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    Window()
    {
        // Away from where the controls appear, so no hover comes from earlier tests.
        QCursor::setPos(QPoint(5000, 5000));
        form->resize(300, 200);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    TsuiButton* button(const QString& caption, QPoint at = { 10, 10 })
    {
        auto* b = new TsuiButton(form.get());
        b->SetCaption(caption);
        b->move(at);
        b->show();
        return b;
    }
};

// Presses the left button on `b` without releasing it.
void press(QWidget* b, QPoint at = { 10, 10 })
{
    QTest::mousePress(b, Qt::LeftButton, {}, at);
}

} // namespace

TEST(TsuiButton, PressReleasedInsideClicksOncePressReleasedOutsideClicksNothing)
{
    Window w;
    TsuiButton* b = w.button("Go");
    int clicks = 0;
    b->OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, b);
        ++clicks;
    };
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(40, 13));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->isPressed());

    press(b);
    EXPECT_TRUE(b->isPressed());
    QTest::mouseMove(b, QPoint(200, 100));
    // Already the normal look once the cursor has left, before the button is let go.
    EXPECT_FALSE(b->isPressed());
    EXPECT_FALSE(b->isHovered());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(200, 100));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->hasRepeatTimer());
}

TEST(TsuiButton, TheFarEdgesCountAsInsideWhileDragging)
{
    Window w;
    TsuiButton* b = w.button("Edge");
    press(b);
    QTest::mouseMove(b, QPoint(b->width(), b->height()));
    EXPECT_TRUE(b->isPressed());
    QTest::mouseMove(b, QPoint(b->width() + 1, 5));
    EXPECT_FALSE(b->isPressed());
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(b->width() + 1, 5));
}

TEST(TsuiButton, HoldingRepeatsOncePerWholePeriodAndTheClickEndsIt)
{
    Window w;
    TsuiButton* b = w.button("Repeat");
    int ticks = 0;
    int clicks = 0;
    QElapsedTimer sinceFirst;
    qint64 firstAfter = -1;
    QElapsedTimer held;
    b->OnMouseContinuouslyDown = [&](QObject* sender) {
        EXPECT_EQ(sender, b);
        if (++ticks == 1)
            firstAfter = held.elapsed();
    };
    b->OnClick = [&](QObject*) { ++clicks; };

    held.start();
    press(b);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ticks >= 1; }, 5000));
    // No initial delay and no early tick: the first comes one full period after the press.
    EXPECT_GE(firstAfter, 100);
    sinceFirst.start();
    QTest::qWait(250);
    // However late a loaded machine delivers them, ticks never come faster than the period.
    EXPECT_LE(ticks, 1 + sinceFirst.elapsed() / 100);
    EXPECT_GE(ticks, 2);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(b->hasRepeatTimer());
    const int atRelease = ticks;
    QTest::qWait(250);
    EXPECT_EQ(ticks, atRelease);
}

TEST(TsuiButton, AShortPressAndAnIntervalOfZeroNeverTick)
{
    Window w;
    TsuiButton* quick = w.button("Quick");
    TsuiButton* zero = w.button("Zero", { 100, 10 });
    zero->SetMouseContinuouslyDownInterval(0);
    int ticks = 0;
    quick->OnMouseContinuouslyDown = [&](QObject*) { ++ticks; };
    zero->OnMouseContinuouslyDown = [&](QObject*) { ++ticks; };

    QTest::mouseClick(quick, Qt::LeftButton, {}, QPoint(10, 10));
    press(zero);
    EXPECT_TRUE(zero->hasRepeatTimer());
    QTest::qWait(150);
    EXPECT_EQ(ticks, 0);
    QTest::mouseRelease(zero, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST(TsuiButton, LeavingEndsHoverPressAndRepeat)
{
    Window w;
    TsuiButton* b = w.button("Leave");
    int entered = 0, left = 0;
    b->OnMouseEnter = [&](QObject*) { ++entered; };
    b->OnMouseExit = [&](QObject*) { ++left; };
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(b, &enter);
    EXPECT_TRUE(b->isHovered());
    press(b);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(b, &leave);
    EXPECT_FALSE(b->isHovered());
    EXPECT_FALSE(b->isPressed());
    EXPECT_FALSE(b->hasRepeatTimer());
    EXPECT_EQ(entered, 1);
    EXPECT_EQ(left, 1);
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(10, 10));
}

TEST(TsuiButton, SpaceAndShiftEnterClickAFocusedButtonOnRelease)
{
    Window w;
    TsuiButton* b = w.button("Keys");
    int clicks = 0;
    b->OnClick = [&](QObject*) { ++clicks; };
    b->setFocus();
    QTest::keyPress(b, Qt::Key_Space);
    EXPECT_TRUE(b->isPressed());
    EXPECT_EQ(clicks, 0);
    QTest::keyRelease(b, Qt::Key_Space);
    EXPECT_EQ(clicks, 1);
    // Shift+Enter is no dialog key, so it presses the focused button like Space.
    QTest::keyClick(b, Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(clicks, 2);
}

TEST(TsuiButton, EnterClicksTheDefaultButtonEscTheCancelButtonShiftOrCtrlNothing)
{
    Window w;
    auto* edit = new QLineEdit(w.form.get());
    edit->setGeometry(10, 100, 100, 20);
    edit->show();
    TsuiButton* ok = w.button("&OK", { 10, 10 });
    TsuiButton* cancel = w.button("Cancel", { 100, 10 });
    ok->SetDefault(true);
    cancel->SetCancel(true);
    QStringList log;
    ok->OnClick = [&](QObject*) { log << "ok"; };
    cancel->OnClick = [&](QObject*) { log << "cancel"; };
    edit->setFocus();

    QTest::keyClick(edit, Qt::Key_Return);
    QTest::keyClick(edit, Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_Enter, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_EQ(log, QStringList({ "ok", "cancel" }));

    // A focused TsuiButton takes Enter itself, default or not.
    log.clear();
    cancel->setFocus();
    EXPECT_FALSE(ok->isActiveDefault());
    QTest::keyClick(cancel, Qt::Key_Return);
    EXPECT_EQ(log, QStringList({ "cancel" }));
    // The default rule comes back with the focus on another control.
    edit->setFocus();
    EXPECT_TRUE(ok->isActiveDefault());
}

TEST(TsuiButton, AcceleratorClicksAnEnabledButtonOnly)
{
    Window w;
    auto* edit = new QLineEdit(w.form.get());
    edit->show();
    edit->setFocus();
    TsuiButton* ok = w.button("&OK");
    int clicks = 0;
    ok->OnClick = [&](QObject*) { ++clicks; };
    QTest::keyClick(edit, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    ok->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_O, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
}

TEST(TsuiButton, ClickWritesItsModalResultIntoTheFormEvenZero)
{
    TForm form;
    auto* ok = new TsuiButton(&form);
    ok->SetModalResult(1);
    ok->Click();
    EXPECT_EQ(form.ModalResult(), 1);
    auto* other = new TsuiButton(&form);
    other->Click();
    EXPECT_EQ(form.ModalResult(), 0);
    // No form above it: nothing to write, the click still happens.
    TsuiButton loose;
    int clicks = 0;
    loose.OnClick = [&](QObject*) { ++clicks; };
    loose.Click();
    EXPECT_EQ(clicks, 1);
}

TEST(TsuiButton, AButtonDeletedByItsOwnClickHandlerTakesNothingDownWithIt)
{
    Window w;
    QPointer<TsuiButton> byMouse = w.button("Mouse");
    byMouse->OnClick = [&](QObject* sender) { delete sender; };
    QTest::mouseClick(byMouse, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(byMouse.isNull());

    QPointer<TsuiButton> byEnter = w.button("Enter");
    byEnter->SetDefault(true);
    byEnter->OnClick = [&](QObject* sender) { delete sender; };
    auto* edit = new QLineEdit(w.form.get());
    edit->show();
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(byEnter.isNull());

    QPointer<TsuiButton> bySpace = w.button("Space");
    bySpace->OnClick = [&](QObject* sender) { delete sender; };
    bySpace->setFocus();
    QTest::keyClick(bySpace, Qt::Key_Space);
    EXPECT_TRUE(bySpace.isNull());
}

TEST(TsuiButton, ResHandleAlwaysReadsZero)
{
    TsuiButton b;
    EXPECT_TRUE(b.setProperty("ResHandle", 1234u));
    EXPECT_EQ(b.property("ResHandle").toUInt(), 0u);
}

TEST(TsuiButton, AutoSizeTakesOneFrameOfTheStylesOwnStrip)
{
    TsuiButton b;
    b.SetUIStyle(TsuiUIStyle::BlueGlass);
    b.SetAutoSize(true);
    EXPECT_EQ(b.size(), QSize(77, 27));
    b.SetUIStyle(TsuiUIStyle::MacOS);
    b.SetAutoSize(true);
    EXPECT_EQ(b.size(), QSize(84, 23));
    // No built-in strip: the empty strip's 74 x 21, a third of it wide.
    b.SetUIStyle(TsuiUIStyle::FromThemeFile);
    b.SetAutoSize(true);
    EXPECT_EQ(b.size(), QSize(24, 21));
}

TEST(TsuiButton, StyleDecidesTransparency)
{
    TsuiButton b;
    const std::pair<TsuiUIStyle, bool> expected[] = { { TsuiUIStyle::MacOS, true },
        { TsuiUIStyle::WinXP, false }, { TsuiUIStyle::DeepBlue, false },
        { TsuiUIStyle::Protein, false }, { TsuiUIStyle::BlueGlass, true } };
    for (const auto& [style, transparent] : expected) {
        b.SetUIStyle(style);
        EXPECT_EQ(b.Transparent(), transparent) << int(style);
        EXPECT_EQ(b.PicTransparent(), transparent) << int(style);
    }
}

TEST(TsuiButton, RemovingItsFileThemeReturnsTheButtonToDeepBlue)
{
    class Theme : public TsuiFileTheme {
    public:
        bool CanUse() const override { return true; }
        void GetBitmap(int, QImage& t) const override { t = QImage(9, 9, QImage::Format_RGB32); }
        void GetBitmap(int, QImage& t, int, int) const override
        {
            t = QImage(9, 9, QImage::Format_RGB32);
        }
        uint32_t GetColor(int) const override { return 0; }
        int32_t GetInt(int) const override { return 0; }
        bool GetBool(int) const override { return true; }
    };
    auto* theme = new Theme;
    TsuiButton b;
    b.SetFileTheme(theme);
    b.SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_TRUE(b.Transparent());
    delete theme;
    EXPECT_EQ(b.FileTheme(), nullptr);
    EXPECT_EQ(b.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_FALSE(b.Transparent());
}

TEST(TsuiButton, AnActionGivesItsCaptionAndEnabledStateAndRunsOnClick)
{
    QAction action("&Save");
    int triggered = 0;
    QObject::connect(&action, &QAction::triggered, [&] { ++triggered; });
    TsuiButton b;
    b.SetAction(&action);
    EXPECT_EQ(b.Caption(), "&Save");
    action.setText("Save &As");
    action.setEnabled(false);
    EXPECT_EQ(b.Caption(), "Save &As");
    EXPECT_FALSE(b.isEnabled());
    action.setEnabled(true);
    EXPECT_TRUE(b.isEnabled());
    b.Click();
    EXPECT_EQ(triggered, 1);
    // An own OnClick handler takes precedence over the action.
    int clicks = 0;
    b.OnClick = [&](QObject*) { ++clicks; };
    b.Click();
    EXPECT_EQ(triggered, 1);
    EXPECT_EQ(clicks, 1);
}

TEST(TsuiButton, APlainLetterReachesTheAcceleratorWhileAButtonHasTheFocus)
{
    Window w;
    TsuiButton* ok = w.button("&OK", { 10, 10 });
    TsuiButton* cancel = w.button("Cancel", { 100, 10 });
    cancel->SetCancel(true);
    QStringList log;
    ok->OnClick = [&](QObject*) { log << "ok"; };
    cancel->OnClick = [&](QObject*) { log << "cancel"; };
    cancel->setFocus();
    // A button takes no letters, so the form offers them to the accelerators.
    QTest::keyClick(cancel, Qt::Key_O);
    QTest::keyClick(cancel, Qt::Key_X);
    // Esc on a focused button still goes to the Cancel button, here the button itself.
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Escape);
    EXPECT_EQ(log, QStringList({ "ok", "cancel" }));
}
