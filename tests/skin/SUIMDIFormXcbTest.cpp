// The MDI frame and the notice on an X server (run under xvfb-run): real windows, real masks,
// clicks through the window system.
#include "skin/windows/SUIMDIForm.h"

#include "framework/TForm.h"
#include "skin/controls/SUIToolBarSpeedButton.h"
#include "skin/windows/FormRegion.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMSNPopForm.h"
#include "skin/windows/frmMSNPop.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TsuiMDIFormOnX11 : public testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs a real X server (xvfb-run -a, QT_QPA_PLATFORM=xcb)";
        form = std::make_unique<TForm>();
        form->setCaption(QStringLiteral("Workbench"));
        form->setGeometry(60, 50, 640, 480);
        mdi = new TsuiMDIForm(form.get());
        mdi->SetUIStyle(TsuiUIStyle::WinXP);
        for (const char* caption : { "One", "Two", "Three" }) {
            auto* child = new TForm();
            child->setCaption(QString::fromLatin1(caption));
            child->resize(240, 160);
            new TsuiForm(child);
            children.append(mdi->MDIClient()->addSubWindow(child));
        }
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        for (QMdiSubWindow* child : children)
            child->show();
        mdi->Cascade();
    }

    std::unique_ptr<TForm> form;
    TsuiMDIForm* mdi = nullptr;
    QList<QMdiSubWindow*> children;
};

TEST_F(TsuiMDIFormOnX11, MaximizingAChildByItsCaptionButtonBringsTheControlButtons)
{
    EXPECT_TRUE(form->windowHandle()->flags() & Qt::FramelessWindowHint);
    EXPECT_EQ(form->windowHandle()->mask(), FormWindowRegion(form->size(), mdi->RoundCorner()));

    QMdiSubWindow* child = children.last();
    mdi->MDIClient()->setActiveSubWindow(child);
    TsuiTitleBar* bar = child->widget()->findChild<TsuiForm*>()->TitleBar();
    int maxButton = -1;
    for (int i = 0; i < bar->Buttons()->Count(); ++i)
        if (bar->Buttons()->Button(i)->ButtonType() == TsuiTitleBarBtnType::suiMax)
            maxButton = i;
    ASSERT_GE(maxButton, 0);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->ButtonRect(maxButton).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return child->isMaximized(); }));

    TsuiToolBarSpeedButton* restore = mdi->ControlButtonWidget(TsuiMDIForm::Restore);
    ASSERT_TRUE(QTest::qWaitFor([&] { return restore->isVisible(); }));
    EXPECT_FALSE(bar->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Workbench - [Three]"));

    QTest::mouseClick(restore, Qt::LeftButton, {}, QPoint(9, 9));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !child->isMaximized(); }));
    EXPECT_FALSE(restore->isVisible());
    EXPECT_TRUE(bar->isVisible());
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Workbench"));
}

TEST_F(TsuiMDIFormOnX11, TheNoticeSlidesThroughTheWindowSystemAndLeavesNothingBehind)
{
    TsuiMSNPopForm notice;
    notice.SetAnimateTime(300);
    notice.SetStayTime(200);
    int closes = 0;
    notice.OnClose = [&](QObject*) { ++closes; };
    notice.Popup();
    TfrmMSNPopForm* window = notice.Window();
    // Part way in, the window shows only its top rows, ending on the resting place's bottom.
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const double p = window->Slide()->progress();
        return window->isVisible() && p > 0.2 && p < 0.9;
    }));
    const QRect home = window->Home();
    const QRect shown = window->mask().boundingRect();
    EXPECT_EQ(window->geometry().top() + shown.height(), home.top() + home.height());
    ASSERT_TRUE(QTest::qWaitFor([&] { return closes == 1; }, 3000));
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->windowHandle() && window->windowHandle()->isVisible());
}

} // namespace
