// Skinned controls and the frame's painted parts as screen readers see them.
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUIGroupBox.h"
#include "skin/controls/SUIRadioButton.h"
#include "skin/controls/SUITrackBar.h"
#include "skin/controls/Suiprogressbar.h"
#include "skin/windows/SUIForm.h"

#include <QAccessible>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QAccessibleInterface* accessible(QObject* object)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr);
    return iface;
}

class SkinAccessibilityTest : public testing::Test {
protected:
    void SetUp() override
    {
        window.resize(400, 300);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    QWidget window;
};

TEST_F(SkinAccessibilityTest, CheckBoxesAndRadioButtonsReportRoleCaptionKeyAndCheckedState)
{
    auto* box = new TsuiCheckBox(&window);
    box->setGeometry(10, 10, 150, 20);
    box->SetCaption(QStringLiteral("&Remember && keep"));
    box->show();
    QAccessibleInterface* iface = accessible(box);
    EXPECT_EQ(iface->role(), QAccessible::CheckBox);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Remember & keep"));
    EXPECT_EQ(iface->text(QAccessible::Accelerator), QStringLiteral("Alt+R"));
    EXPECT_TRUE(iface->state().checkable);
    EXPECT_FALSE(iface->state().checked);

    // The caption is read when asked, so a later caption is the name.
    box->SetCaption(QStringLiteral("Other"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Other"));
    // The toggle action clicks: checked, then unchecked again.
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(iface->state().checked);
    iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    EXPECT_FALSE(box->Checked());

    // A name the program gives wins over the caption.
    box->setAccessibleName(QStringLiteral("Remember the password"));
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Remember the password"));

    auto* radio = new TsuiRadioButton(&window);
    radio->setGeometry(10, 40, 150, 20);
    radio->SetCaption(QStringLiteral("&Dark"));
    radio->show();
    EXPECT_EQ(accessible(radio)->role(), QAccessible::RadioButton);
    EXPECT_EQ(accessible(radio)->text(QAccessible::Name), QStringLiteral("Dark"));
}

TEST_F(SkinAccessibilityTest, APushButtonIsPressedThroughItsActionUnlessDisabled)
{
    auto* button = new TsuiButton(&window);
    button->setGeometry(10, 10, 80, 26);
    button->SetCaption(QStringLiteral("&OK"));
    button->show();
    int clicks = 0;
    button->OnClick = [&clicks](QObject*) { ++clicks; };
    QAccessibleInterface* iface = accessible(button);
    EXPECT_EQ(iface->role(), QAccessible::PushButton);
    EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("OK"));
    ASSERT_TRUE(iface->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
    button->setEnabled(false);
    EXPECT_TRUE(iface->state().disabled);
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinAccessibilityTest, BarsShowTheirValueAndOnlyTheTrackBarTakesOne)
{
    auto* progress = new TsuiProgressBar(&window);
    progress->setGeometry(10, 10, 200, 18);
    progress->SetMax(200);
    progress->SetPosition(50);
    QAccessibleInterface* shown = accessible(progress);
    EXPECT_EQ(shown->role(), QAccessible::ProgressBar);
    ASSERT_NE(shown->valueInterface(), nullptr);
    EXPECT_EQ(shown->valueInterface()->currentValue().toInt(), 50);
    EXPECT_EQ(shown->valueInterface()->maximumValue().toInt(), 200);
    EXPECT_EQ(shown->text(QAccessible::Value), QStringLiteral("50"));
    shown->valueInterface()->setCurrentValue(120);
    EXPECT_EQ(progress->Position(), 50);

    auto* track = new TsuiTrackBar(&window);
    track->setGeometry(10, 40, 200, 30);
    QAccessibleInterface* slider = accessible(track);
    EXPECT_EQ(slider->role(), QAccessible::Slider);
    slider->valueInterface()->setCurrentValue(7);
    EXPECT_EQ(track->Position(), 7);
    EXPECT_EQ(slider->valueInterface()->currentValue().toInt(), 7);

    // A check box has no value to offer.
    auto* box = new TsuiCheckBox(&window);
    EXPECT_EQ(accessible(box)->valueInterface(), nullptr);
}

TEST_F(SkinAccessibilityTest, TheFramesTitleBarNamesItsButtonsAndTheMaximizeButtonSaysWhatItWillDo)
{
    QWidget form;
    form.setWindowTitle(QStringLiteral("Settings"));
    form.resize(500, 300);
    auto* frame = new TsuiForm(&form);
    frame->TitleBarButtons()->AddButton()->SetButtonType(TsuiTitleBarBtnType::suiHelp);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));

    QAccessibleInterface* bar = accessible(frame->TitleBar());
    EXPECT_EQ(bar->role(), QAccessible::TitleBar);
    EXPECT_EQ(bar->text(QAccessible::Name), QStringLiteral("Settings"));
    QStringList names;
    for (int i = 0; i < bar->childCount(); ++i)
        names << bar->child(i)->text(QAccessible::Name);
    EXPECT_TRUE(names.contains(QStringLiteral("Help"))) << names.join(u',').toStdString();
    EXPECT_TRUE(names.contains(QStringLiteral("Maximize"))) << names.join(u',').toStdString();
    // Asked twice, a part answers with the same interface.
    EXPECT_EQ(bar->child(0), bar->child(0));

    // A hidden button leaves the tree, and its interface is no longer valid.
    const int help = int(names.indexOf(QStringLiteral("Help")));
    QAccessibleInterface* helpPart = bar->child(help);
    const int count = bar->childCount();
    for (int i = 0; i < frame->TitleBarButtons()->Count(); ++i)
        if (frame->TitleBarButtons()->Button(i)->ButtonType() == TsuiTitleBarBtnType::suiHelp)
            frame->TitleBarButtons()->Button(i)->SetVisible(false);
    EXPECT_EQ(bar->childCount(), count - 1);
    EXPECT_FALSE(helpPart->isValid());

    QAccessibleInterface* maximize = nullptr;
    for (int i = 0; i < bar->childCount(); ++i)
        if (bar->child(i)->text(QAccessible::Name) == QStringLiteral("Maximize"))
            maximize = bar->child(i);
    ASSERT_NE(maximize, nullptr);
    maximize->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_TRUE(QTest::qWaitFor([&form] { return form.isMaximized(); }));
    EXPECT_EQ(maximize->text(QAccessible::Name), QStringLiteral("Restore"));
}

TEST_F(SkinAccessibilityTest, AGroupBoxIsAGroupingNamedByItsCaption)
{
    auto* group = new TsuiGroupBox(&window);
    group->setProperty("Caption", QStringLiteral("&Options"));
    EXPECT_EQ(accessible(group)->role(), QAccessible::Grouping);
    EXPECT_EQ(accessible(group)->text(QAccessible::Name), QStringLiteral("Options"));
}

} // namespace
