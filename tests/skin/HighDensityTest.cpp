// One skinned window on a screen of device pixel ratio 1 and on one of ratio 2: the same logical
// layout, drawn from the @2x pictures on the dense screen. The program's own main gives the
// headless platform those two screens before the application starts.
#include "framework/BitmapOps.h"
#include "framework/FormValues.h"
#include "framework/TForm.h"
#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/styles/SUIThemes.h"
#include "skin/windows/FormMenuBar.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUITitleBar.h"
#include "skin/windows/SUITitleBarButton.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace {

// A window with what every skinned window has: frame, title bar, menu bar, push buttons and a
// check box, shown on the given screen.
struct Window {
    explicit Window(QScreen* screen, TsuiUIStyle style = TsuiUIStyle::BlueGlass)
    {
        form = std::make_unique<TForm>();
        form->setCaption(QStringLiteral("Dense"));
        form->setScreen(screen);
        form->setGeometry(QRect(screen->geometry().topLeft() + QPoint(40, 40), QSize(360, 240)));
        frame = new TsuiForm(form.get());
        frame->SetUIStyle(style);
        menu = new TMainMenu(form.get());
        for (const char* caption : { "&File", "&View", "&Help" }) {
            auto* item = new TMenuItem(menu);
            item->setCaption(QString::fromLatin1(caption));
            auto* sub = new TMenuItem(item);
            sub->setCaption(QStringLiteral("&Open"));
        }
        frame->SetMenu(menu);
        ok = new TsuiButton(form.get());
        ok->SetCaption(QStringLiteral("&OK"));
        ok->setBounds(QRect(20, 90, 90, 27));
        cancel = new TsuiButton(form.get());
        cancel->SetCaption(QStringLiteral("Cancel"));
        cancel->setBounds(QRect(120, 90, 90, 27));
        check = new TsuiCheckBox(form.get());
        check->SetCaption(QStringLiteral("&Remember"));
        check->setBounds(QRect(20, 130, 150, 20));
        check->SetChecked(true);
        for (QObject* control : { static_cast<QObject*>(ok), static_cast<QObject*>(cancel),
                 static_cast<QObject*>(check) })
            control->setProperty("UIStyle", QVariant::fromValue(style));
        form->show();
    }

    // Every widget of the window by class, with its geometry and visibility, in creation order.
    std::string layout() const
    {
        QStringList lines;
        for (const QWidget* w : form->findChildren<QWidget*>())
            if (!w->isWindow())
                lines << QStringLiteral("%1 %2,%3 %4x%5 %6")
                             .arg(QString::fromLatin1(w->metaObject()->className()))
                             .arg(w->x())
                             .arg(w->y())
                             .arg(w->width())
                             .arg(w->height())
                             .arg(w->isVisibleTo(form.get()));
        return lines.join(QLatin1Char('\n')).toStdString();
    }

    QList<QRect> titleButtonRects() const
    {
        QList<QRect> rects;
        TsuiTitleBar* bar = frame->TitleBar();
        for (int i = 0; i < bar->Buttons()->Count(); ++i)
            rects << bar->ButtonRect(i);
        return rects;
    }

    QImage grab() const { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }

    std::unique_ptr<TForm> form;
    TsuiForm* frame = nullptr;
    TMainMenu* menu = nullptr;
    TsuiButton* ok = nullptr;
    TsuiButton* cancel = nullptr;
    TsuiCheckBox* check = nullptr;
};

void settle()
{
    for (int i = 0; i < 10; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

class HighDensity : public testing::Test {
protected:
    void SetUp() override
    {
        for (QScreen* screen : QGuiApplication::screens()) {
            if (screen->devicePixelRatio() == 1 && !single)
                single = screen;
            if (screen->devicePixelRatio() == 2 && !dense)
                dense = screen;
        }
        if (!single || !dense)
            GTEST_SKIP() << "the platform did not give screens of ratio 1 and 2";
    }
    QScreen* single = nullptr;
    QScreen* dense = nullptr;
};

} // namespace

TEST_F(HighDensity, AWindowKeepsItsLogicalLayoutOnTheDenseScreen)
{
    for (TsuiUIStyle style : { TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
             TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass }) {
        SCOPED_TRACE(int(style));
        Window one(single, style);
        Window two(dense, style);
        settle();
        ASSERT_EQ(one.form->devicePixelRatioF(), 1);
        ASSERT_EQ(two.form->devicePixelRatioF(), 2);

        EXPECT_EQ(one.layout(), two.layout());
        EXPECT_EQ(one.titleButtonRects(), two.titleButtonRects());
        EXPECT_EQ(one.frame->TitleBar()->height(), two.frame->TitleBar()->height());
        EXPECT_EQ(
            one.frame->TitleBar()->ButtonStripHeight(), two.frame->TitleBar()->ButtonStripHeight());
        ASSERT_TRUE(one.frame->MenuBarWidget() && two.frame->MenuBarWidget());
        const auto& oneMenu = one.frame->MenuBarWidget()->buttons();
        const auto& twoMenu = two.frame->MenuBarWidget()->buttons();
        ASSERT_EQ(oneMenu.size(), twoMenu.size());
        for (qsizetype i = 0; i < oneMenu.size(); ++i)
            EXPECT_EQ(oneMenu[i].rect, twoMenu[i].rect);
        EXPECT_EQ(one.check->AutoSizeExtent(), two.check->AutoSizeExtent());
        // The window's shape is cut in logical pixels: the same rounded corners.
        EXPECT_EQ(one.form->mask(), two.form->mask());

        // Hit areas: the same logical point finds the same caption button on both.
        TsuiTitleBar* bar = one.frame->TitleBar();
        for (int i = 0; i < bar->Buttons()->Count(); ++i) {
            const QRect r = bar->ButtonRect(i);
            if (r.isEmpty())
                continue;
            EXPECT_EQ(bar->ButtonAt(r.center()), two.frame->TitleBar()->ButtonAt(r.center()));
            EXPECT_EQ(two.frame->TitleBar()->ButtonAt(r.center()), i);
        }
    }
}

TEST_F(HighDensity, TheDenseScreenDrawsTheDoubledPicturesAndNoKeyColourShows)
{
    Window one(single);
    Window two(dense);
    settle();

    // The pictures loaded are the @2x ones: twice the pixels, the same logical size.
    const QImage oneLeft = one.frame->TitleBar()->GetLeftImage();
    const QImage twoLeft = two.frame->TitleBar()->GetLeftImage();
    EXPECT_EQ(oneLeft.devicePixelRatio(), 1);
    EXPECT_EQ(twoLeft.devicePixelRatio(), 2);
    EXPECT_EQ(twoLeft.size(), oneLeft.size() * 2);
    const QImage oneButton = one.frame->TitleBar()->Buttons()->Button(0)->PicNormal();
    const QImage twoButton = two.frame->TitleBar()->Buttons()->Button(0)->PicNormal();
    EXPECT_EQ(twoButton.size(), oneButton.size() * 2);
    EXPECT_EQ(BitmapOps::logicalSize(twoButton), oneButton.size());

    const QImage low = one.grab();
    const QImage high = two.grab();
    ASSERT_EQ(high.size(), low.size() * 2);
    // Whatever the pictures hold, the key colour never reaches the screen.
    int magenta = 0;
    for (int y = 0; y < high.height(); ++y)
        for (int x = 0; x < high.width(); ++x)
            magenta += BitmapOps::isKey(high.pixel(x, y), BitmapOps::MagentaKey);
    EXPECT_EQ(magenta, 0);

    // Each logical pixel of the dense rendering is, on average, the colour of the same pixel at
    // ratio 1 (the layout is the same) ...
    int far = 0, detailed = 0;
    const QRect client = QRect(QPoint(0, 0), low.size()).adjusted(0, 0, 0, -1);
    for (int y = client.top(); y <= client.bottom(); ++y)
        for (int x = client.left(); x <= client.right(); ++x) {
            int sum[3] = { 0, 0, 0 };
            bool same = true;
            const QRgb first = high.pixel(2 * x, 2 * y);
            for (int d = 0; d < 4; ++d) {
                const QRgb p = high.pixel(2 * x + d % 2, 2 * y + d / 2);
                sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
                same = same && p == first;
            }
            const QRgb p = low.pixel(x, y);
            if (std::abs(sum[0] / 4 - qRed(p)) > 64 || std::abs(sum[1] / 4 - qGreen(p)) > 64
                || std::abs(sum[2] / 4 - qBlue(p)) > 64)
                ++far;
            // ... but not a pixel-doubled copy of it: the dense pictures and text have detail
            // of their own inside a logical pixel.
            detailed += same ? 0 : 1;
        }
    const int pixels = client.width() * client.height();
    EXPECT_LT(far, pixels / 50);
    EXPECT_GT(detailed, pixels / 100);

    // The title bar's caption buttons in particular: drawn from the @2x strip, not scaled up.
    const QRect button = two.frame->TitleBar()->ButtonRect(0).translated(
        two.frame->TitleBar()->mapTo(two.form.get(), QPoint(0, 0)));
    int inside = 0;
    for (int y = button.top(); y <= button.bottom(); ++y)
        for (int x = button.left(); x <= button.right(); ++x)
            if (high.pixel(2 * x, 2 * y) != high.pixel(2 * x + 1, 2 * y + 1))
                ++inside;
    EXPECT_GT(inside, button.width() * button.height() / 20);
}

TEST_F(HighDensity, AWindowMovedToTheDenseScreenReloadsItsPictures)
{
    Window w(single);
    settle();
    EXPECT_EQ(w.frame->TitleBar()->GetLeftImage().devicePixelRatio(), 1);
    const std::string before = w.layout();

    w.form->windowHandle()->setScreen(dense);
    w.form->move(dense->geometry().topLeft() + QPoint(40, 40));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.form->devicePixelRatioF() == 2; }));
    // The window keeps its pixels across screens; given its logical size back, it lays out as
    // before.
    settle();
    w.form->resize(360, 240);
    settle();
    ASSERT_EQ(w.form->size(), QSize(360, 240));
    w.form->grab();
    EXPECT_EQ(w.frame->TitleBar()->GetLeftImage().devicePixelRatio(), 2);
    EXPECT_EQ(SkinPictureScale(w.check), 2);
    EXPECT_EQ(w.layout(), before);

    // And back: the 1x pictures again, not the dense ones scaled down.
    w.form->windowHandle()->setScreen(single);
    w.form->move(single->geometry().topLeft() + QPoint(40, 40));
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.form->devicePixelRatioF() == 1; }));
    w.form->grab();
    settle();
    EXPECT_EQ(w.frame->TitleBar()->GetLeftImage().devicePixelRatio(), 1);
}

TEST_F(HighDensity, DescriptionsTakeAPicturesTwinAndStoreItsLogicalSize)
{
    QTemporaryDir dir;
    const auto write = [&](const QString& name, QSize size, QRgb colour) {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        image.setPixel(0, 0, qRgb(1, 2, 3));
        return image.save(dir.filePath(name));
    };
    ASSERT_TRUE(write("LEFT.bmp", QSize(3, 2), qRgb(200, 0, 0)));
    ASSERT_TRUE(write("LEFT@2x.bmp", QSize(6, 4), qRgb(0, 200, 0)));
    ASSERT_TRUE(write("ODD.bmp", QSize(3, 2), qRgb(200, 0, 0)));
    ASSERT_TRUE(write("ODD@2x.bmp", QSize(7, 4), qRgb(0, 200, 0)));
    ASSERT_TRUE(write("ALONE.bmp", QSize(3, 2), qRgb(200, 0, 0)));

    // The application has a dense screen: the twin, at ratio 2.
    const QImage left = FormValues::readPicture(dir.filePath("LEFT.bmp"));
    EXPECT_EQ(left.size(), QSize(6, 4));
    EXPECT_EQ(left.devicePixelRatio(), 2);
    EXPECT_EQ(left.pixel(5, 3), qRgb(0, 200, 0));
    // A twin of the wrong size, or none: the picture itself.
    EXPECT_EQ(FormValues::readPicture(dir.filePath("ODD.bmp")).size(), QSize(3, 2));
    EXPECT_EQ(FormValues::readPicture(dir.filePath("ALONE.bmp")).size(), QSize(3, 2));
    EXPECT_TRUE(FormValues::readPicture(dir.filePath("MISSING.bmp")).isNull());
    EXPECT_TRUE(FormValues::readPicture(dir.path()).isNull());

    // Written back at its logical size, so the description reads the same on any screen.
    const QImage stored = FormValues::storedPicture(left);
    EXPECT_EQ(stored.size(), QSize(3, 2));
    EXPECT_EQ(stored.devicePixelRatio(), 1);
    EXPECT_EQ(stored.pixel(0, 0), qRgb(1, 2, 3));
    EXPECT_EQ(stored.pixel(2, 1), qRgb(0, 200, 0));
    const QImage single = FormValues::readPicture(dir.filePath("ALONE.bmp"));
    EXPECT_EQ(FormValues::storedPicture(single), single);
}

int main(int argc, char** argv)
{
    // Two headless screens side by side, the second at twice the density.
    const QString config = QDir::temp().filePath(
        QStringLiteral("orlenda-hidpi-%1.json").arg(QCoreApplication::applicationPid()));
    {
        QFile file(config);
        if (file.open(QIODevice::WriteOnly))
            file.write(R"({ "screens": [
                { "name": "single", "x": 0, "y": 0, "width": 1024, "height": 768 },
                { "name": "dense", "x": 1024, "y": 0, "width": 1024, "height": 768 } ] })");
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
    qputenv("QT_SCREEN_SCALE_FACTORS", "single=1;dense=2");
    qunsetenv("QT_SCALE_FACTOR");
    QApplication app(argc, argv);
    QFile::remove(config);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
