// A real skinned window on an X server without a window manager (run under xvfb-run): the
// platform can neither move nor resize it, so the frame's own mouse-following is what works.
#include "skin/windows/SUIForm.h"

#include "framework/TForm.h"
#include "skin/windows/FormRegion.h"

#include <QGuiApplication>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

namespace {

class TsuiFormOnX11 : public testing::Test {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs a real X server (xvfb-run -a, QT_QPA_PLATFORM=xcb)";
        form = std::make_unique<TForm>();
        form->setGeometry(100, 80, 400, 300);
        frame = new TsuiForm(form.get());
        frame->SetUIStyle(TsuiUIStyle::BlueGlass);
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        ASSERT_TRUE(QTest::qWaitFor([&] { return form->pos() == QPoint(100, 80); }));
    }

    std::unique_ptr<TForm> form;
    TsuiForm* frame = nullptr;
};

TEST_F(TsuiFormOnX11, WindowIsFramelessAndShapedByTheRegion)
{
    EXPECT_TRUE(form->windowHandle()->flags() & Qt::FramelessWindowHint);
    const QRegion expected = FormWindowRegion(QSize(400, 300), 11);
    EXPECT_EQ(form->mask(), expected);
    EXPECT_EQ(form->windowHandle()->mask(), expected);
}

TEST_F(TsuiFormOnX11, DraggingTheTitleBarMovesTheWindowByTheMouseDistance)
{
    TsuiTitleBar* bar = frame->TitleBar();
    const QPoint grip(bar->width() / 2, bar->height() / 2);
    ASSERT_EQ(bar->ButtonAt(grip), -1);
    QTest::mousePress(bar, Qt::LeftButton, {}, grip);
    QTest::mouseMove(bar, grip + QPoint(40, 30));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, grip + QPoint(40, 30));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->pos() == QPoint(140, 110); }))
        << form->pos().x() << "," << form->pos().y();
    EXPECT_EQ(form->size(), QSize(400, 300));
}

TEST_F(TsuiFormOnX11, DraggingTheBorderBandResizesTheWindow)
{
    // The right band: only the width follows the mouse.
    // The first move only brings the pointer into the window; the second one moves over it.
    QTest::mouseMove(form.get(), QPoint(397, 150));
    QTest::mouseMove(form.get(), QPoint(398, 150));
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->cursor().shape() == Qt::SizeHorCursor; }));
    QTest::mousePress(form.get(), Qt::LeftButton, {}, QPoint(398, 150));
    QTest::mouseMove(form.get(), QPoint(448, 150));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(448, 150));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->size() == QSize(450, 300); }))
        << form->width() << "x" << form->height();
    EXPECT_EQ(form->pos(), QPoint(100, 80));

    // The bottom-left corner: left edge and bottom follow, the right edge stays.
    const QPoint corner(1, 298);
    QTest::mouseMove(form.get(), corner);
    EXPECT_EQ(form->cursor().shape(), Qt::SizeBDiagCursor);
    QTest::mousePress(form.get(), Qt::LeftButton, {}, corner);
    QTest::mouseMove(form.get(), corner + QPoint(-20, 25));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, corner + QPoint(-20, 25));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->geometry() == QRect(80, 80, 470, 325); }))
        << form->x() << "," << form->y() << " " << form->width() << "x" << form->height();
    // The mask follows the new size.
    EXPECT_EQ(form->mask(), FormWindowRegion(QSize(470, 325), 11));

    // Never below the form's minimum size.
    QTest::mousePress(form.get(), Qt::LeftButton, {}, QPoint(468, 160));
    QTest::mouseMove(form.get(), QPoint(-400, 160));
    QTest::mouseRelease(form.get(), Qt::LeftButton, {}, QPoint(-400, 160));
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->width() == form->minimumWidth(); }))
        << form->width() << " min " << form->minimumWidth();
}

} // namespace
