// The title bar: layout, pictures, caption, and what the mouse does on it.
#include "TitleBarTestSupport.h"

#include "skin/windows/SUITitleBarPopupMenu.h"

#include "framework/BitmapOps.h"
#include "framework/TColor.h"
#include "skin/styles/Suipublic.h"
#include "framework/TMenuItem.h"
#include "framework/TPopupMenu.h"

#include <QDir>
#include <QIcon>
#include <QPixmap>
#include <QPaintEvent>
#include <QRegion>
#include <QSet>
#include <QSignalSpy>
#include <functional>

using namespace SuiThemes;
using Btn = TsuiTitleBarBtnType;

namespace {

// Records the region of every paint it receives.
class RecordingTitleBar : public TsuiTitleBar {
public:
    using TsuiTitleBar::TsuiTitleBar;
    QRegion painted;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        painted += event->region();
        ++paints;
        TsuiTitleBar::paintEvent(event);
    }
};

int indexOfType(const TsuiTitleBar* bar, Btn type)
{
    for (int i = 0; i < bar->Buttons()->Count(); ++i)
        if (bar->Buttons()->Button(i)->ButtonType() == type)
            return i;
    return -1;
}

QPoint centreOf(const TsuiTitleBar* bar, Btn type)
{
    return bar->ButtonRect(indexOfType(bar, type)).center();
}

void leave(QWidget* widget)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

} // namespace

class TitleBarTest : public TitleBarFixture { };

TEST_F(TitleBarTest, BlueGlassFrameOf776PixelsPlacesButtonsAndCaptionExactly)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::BlueGlass, true);
    EXPECT_TRUE(bar->InForm());
    EXPECT_EQ(bar->width(), 776);
    EXPECT_EQ(bar->height(), 30);
    EXPECT_EQ(bar->ButtonRect(indexOfType(bar, Btn::suiClose)), QRect(754, 3, 19, 19));
    EXPECT_EQ(bar->ButtonRect(indexOfType(bar, Btn::suiMax)), QRect(734, 3, 19, 19));
    EXPECT_EQ(bar->ButtonRect(indexOfType(bar, Btn::suiMin)), QRect(714, 3, 19, 19));
    EXPECT_EQ(bar->ButtonRect(indexOfType(bar, Btn::suiControlBox)), QRect(4, 3, 19, 19));
    const TsuiTitleBar::ButtonLayout layout = bar->LayoutButtons();
    EXPECT_EQ(layout.captionX, 28);
    EXPECT_EQ(layout.captionRoom, 714 - 28);

    // Standalone the same bar keeps the full button top and picture height.
    TsuiTitleBar* plain = makeBar(TsuiUIStyle::BlueGlass, false);
    EXPECT_FALSE(plain->InForm());
    EXPECT_EQ(plain->height(), 33);
    EXPECT_EQ(plain->ButtonRect(indexOfType(plain, Btn::suiClose)), QRect(754, 6, 19, 19));
}

TEST_F(TitleBarTest, HeightInAFrameFollowsEachStyle)
{
    const std::pair<TsuiUIStyle, int> expected[] = { { TsuiUIStyle::BlueGlass, 30 },
        { TsuiUIStyle::DeepBlue, 29 }, { TsuiUIStyle::WinXP, 26 }, { TsuiUIStyle::MacOS, 20 },
        { TsuiUIStyle::Protein, 20 } };
    for (const auto& [style, height] : expected) {
        TsuiTitleBar* bar = makeBar(style, true);
        EXPECT_EQ(bar->height(), height) << int(style);
        EXPECT_EQ(bar->PreferredHeight(), height);
        // Writing AutoSize false sizes the bar all the same.
        bar->setHeight(5);
        bar->SetAutoSize(false);
        EXPECT_EQ(bar->height(), height);
    }
    // A bar moved off its frame and back follows with its height and button top.
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::BlueGlass, true);
    QWidget* frame = bar->parentWidget();
    bar->setParent(host.get());
    EXPECT_EQ(bar->height(), 33);
    EXPECT_EQ(bar->ButtonTop(), 6);
    bar->setParent(frame);
    EXPECT_EQ(bar->height(), 30);
    EXPECT_EQ(bar->ButtonTop(), 3);
}

TEST_F(TitleBarTest, ButtonIntervalAndOffsetsSpaceTheRightHandButtons)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    bar->SetButtonInterval(4);
    bar->SetRightBtnXOffset(-10);
    // x starts at 776 - 10 + 1 and each 19-pixel button takes 19 + 4 + 1.
    EXPECT_EQ(bar->ButtonRect(indexOfType(bar, Btn::suiClose)).x(), 767 - 24);
    EXPECT_EQ(bar->ButtonRect(indexOfType(bar, Btn::suiMax)).x(), 767 - 48);
    // An invisible button takes no room; hiding the control box starts the caption at 6.
    bar->Buttons()->Button(indexOfType(bar, Btn::suiMax))->SetVisible(false);
    EXPECT_EQ(bar->ButtonRect(indexOfType(bar, Btn::suiMin)).x(), 767 - 48);
    bar->Buttons()->Button(indexOfType(bar, Btn::suiControlBox))->SetVisible(false);
    EXPECT_EQ(bar->LayoutButtons().captionX, 6);
    // With the application icon the caption starts 21 pixels after the control box.
    bar->Buttons()->Button(indexOfType(bar, Btn::suiControlBox))->SetVisible(true);
    bar->SetDrawAppIcon(true);
    EXPECT_EQ(bar->LayoutButtons().captionX, 21);
}

TEST_F(TitleBarTest, ApplicationIconStandsInForTheControlBoxPicture)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::WinXP);
    QPixmap icon(16, 16);
    icon.fill(Qt::red);
    host->setWindowIcon(QIcon(icon));
    bar->SetDrawAppIcon(true);
    const QImage image = bar->Render();
    const QPoint at(bar->LeftBtnXOffset() + 3, bar->ButtonTop());
    EXPECT_EQ(image.pixel(at), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(at + QPoint(15, 15)), qRgb(255, 0, 0));
    EXPECT_NE(image.pixel(at + QPoint(16, 8)), qRgb(255, 0, 0));
    // The icon's cell still answers the mouse as the control box.
    EXPECT_EQ(bar->ButtonAt(at + QPoint(2, 2)), indexOfType(bar, Btn::suiControlBox));
}

TEST_F(TitleBarTest, SectionsAreDrawnFromTheStylePicturesAndContinueTheFrameBand)
{
    for (const bool inFrame : { false, true }) {
        TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue, inFrame);
        for (int i = 0; i < bar->Buttons()->Count(); ++i)
            bar->Buttons()->Button(i)->SetVisible(false);
        const QImage image = bar->Render();
        const QImage left = themePicture(TsuiUIStyle::DeepBlue, SuiItem::TitleBarLeftImage);
        const QImage right = themePicture(TsuiUIStyle::DeepBlue, SuiItem::TitleBarRightImage);
        const QImage centre = themePicture(TsuiUIStyle::DeepBlue, SuiItem::TitleBarClientImage);
        const int d = inFrame ? 3 : 0;
        // Picture pixel (px, py) shows at bar pixel (px - d, py - d).
        for (const QPoint p : { QPoint(5, 5), QPoint(left.width() - 1, 10) })
            EXPECT_EQ(image.pixel(p - QPoint(d, d)) & 0xFFFFFF, left.pixel(p) & 0xFFFFFF);
        const int rightX = 776 - right.width() + d;
        for (const QPoint p : { QPoint(0, 4), QPoint(right.width() - 1 - d, 12) })
            EXPECT_EQ(image.pixel(rightX + p.x(), p.y() - d) & 0xFFFFFF, right.pixel(p) & 0xFFFFFF);
        // The centre is stretched between them by the one stretch rule.
        const int x1 = left.width() - d;
        const int span = rightX - x1;
        for (const int dx : { 0, span / 2, span - 1 }) {
            const int sx = BitmapOps::stretchSource(dx, centre.width(), span);
            EXPECT_EQ(image.pixel(x1 + dx, 14 - d) & 0xFFFFFF, centre.pixel(sx, 14) & 0xFFFFFF);
        }
    }
}

TEST_F(TitleBarTest, ButtonsShowNormalHotAndPressedFramesFromTheCursor)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    show();
    const QRect close = bar->ButtonRect(indexOfType(bar, Btn::suiClose));
    const QRect max = bar->ButtonRect(indexOfType(bar, Btn::suiMax));
    // The mouse enters over the caption first, as it would from outside the window.
    QTest::mouseMove(bar, QPoint(300, 10));
    QCoreApplication::processEvents();
    EXPECT_TRUE(
        showsPicture(bar->Render(), close.topLeft(), titleButtonFrame(TsuiUIStyle::DeepBlue, 16)));

    QTest::mouseMove(bar, close.center());
    EXPECT_TRUE(
        showsPicture(bar->Render(), close.topLeft(), titleButtonFrame(TsuiUIStyle::DeepBlue, 17)));
    EXPECT_EQ(bar->HotButton(), indexOfType(bar, Btn::suiClose));
    EXPECT_TRUE(
        showsPicture(bar->Render(), max.topLeft(), titleButtonFrame(TsuiUIStyle::DeepBlue, 7)));

    QTest::mousePress(bar, Qt::LeftButton, {}, max.center());
    EXPECT_TRUE(
        showsPicture(bar->Render(), max.topLeft(), titleButtonFrame(TsuiUIStyle::DeepBlue, 9)));
    EXPECT_TRUE(
        showsPicture(bar->Render(), close.topLeft(), titleButtonFrame(TsuiUIStyle::DeepBlue, 16)));
    // Sliding off the pressed button shows the other one hot, not pressed.
    QTest::mouseMove(bar, close.center());
    EXPECT_TRUE(
        showsPicture(bar->Render(), close.topLeft(), titleButtonFrame(TsuiUIStyle::DeepBlue, 17)));
    EXPECT_TRUE(
        showsPicture(bar->Render(), max.topLeft(), titleButtonFrame(TsuiUIStyle::DeepBlue, 7)));

    leave(bar);
    EXPECT_EQ(bar->HotButton(), -1);
    EXPECT_TRUE(
        showsPicture(bar->Render(), close.topLeft(), titleButtonFrame(TsuiUIStyle::DeepBlue, 16)));
}

TEST_F(TitleBarTest, TransparentButtonsLeaveTheirKeyColourToTheSections)
{
    // BlueGlass draws its buttons with the bottom-left pixel as the key.
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::BlueGlass);
    const QRect close = bar->ButtonRect(indexOfType(bar, Btn::suiClose));
    const QImage frame = titleButtonFrame(TsuiUIStyle::BlueGlass, 16);
    const QRgb key = frame.pixel(0, frame.height() - 1);
    const QImage withButtons = bar->Render();
    for (int i = 0; i < bar->Buttons()->Count(); ++i)
        bar->Buttons()->Button(i)->SetVisible(false);
    const QImage bare = bar->Render();
    int keyed = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const QPoint at = close.topLeft() + QPoint(x, y);
            if ((frame.pixel(x, y) & 0xFFFFFF) == (key & 0xFFFFFF)) {
                ++keyed;
                EXPECT_EQ(withButtons.pixel(at), bare.pixel(at));
            } else {
                EXPECT_EQ(withButtons.pixel(at) & 0xFFFFFF, frame.pixel(x, y) & 0xFFFFFF);
            }
        }
    }
    EXPECT_GT(keyed, 0);
}

TEST_F(TitleBarTest, HoveringAcrossAButtonRepaintsOnlyThatButton)
{
    host = std::make_unique<QWidget>();
    host->resize(776, 200);
    auto* bar = new RecordingTitleBar(host.get());
    bar->SetUIStyle(TsuiUIStyle::WinXP);
    show();
    const QRect min = bar->ButtonRect(indexOfType(bar, Btn::suiMin));
    QTest::mouseMove(bar, QPoint(300, 10));
    QCoreApplication::processEvents();
    bar->painted = QRegion();
    bar->paints = 0;

    QTest::mouseMove(bar, min.center());
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->painted, QRegion(min));
    // Moving within the button changes nothing on screen.
    bar->painted = QRegion();
    QTest::mouseMove(bar, min.center() + QPoint(2, 1));
    QCoreApplication::processEvents();
    EXPECT_TRUE(bar->painted.isEmpty());
    QTest::mouseMove(bar, QPoint(300, 10));
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->painted, QRegion(min));
    EXPECT_EQ(bar->paints, 2);
}

TEST_F(TitleBarTest, AKeptPictureFollowsEveryChangeOfTheBar)
{
    // What a bar that never drew before shows with the same settings.
    const auto fresh = [](const std::function<void(TsuiTitleBar*)>& setup) {
        QWidget window;
        window.resize(776, 200);
        auto* bar = new TsuiTitleBar(&window);
        bar->SetUIStyle(TsuiUIStyle::DeepBlue);
        bar->setWidth(776);
        setup(bar);
        return bar->Render();
    };
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    const QImage first = bar->Render();
    // Nothing changed: the same picture is handed out again, not drawn anew.
    EXPECT_EQ(bar->Render().cacheKey(), first.cacheKey());

    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QList<std::function<void(TsuiTitleBar*)>> changes {
        [](TsuiTitleBar* b) { b->SetCaption(QStringLiteral("Orlenda Reference")); },
        [](TsuiTitleBar* b) { b->SetActive(false); },
        [](TsuiTitleBar* b) {
            b->setAlign(ControlTypes::TAlign::alNone);
            b->setWidth(500);
        },
        [](TsuiTitleBar* b) { b->SetUIStyle(TsuiUIStyle::Protein); },
        [red](TsuiTitleBar* b) { b->Sections()->Section(2)->SetPicture(red); },
        [](TsuiTitleBar* b) { b->Buttons()->Button(2)->SetVisible(false); },
        [](TsuiTitleBar* b) { b->SetRightBtnXOffset(-30); },
    };
    // Each change in turn, on top of the ones before, over a picture already kept.
    for (int i = 0; i < changes.size(); ++i) {
        const QImage before = bar->Render();
        changes[i](bar);
        const QImage after = bar->Render();
        EXPECT_NE(after, before) << i;
        EXPECT_EQ(after, fresh([&](TsuiTitleBar* b) {
            for (int j = 0; j <= i; ++j)
                changes[j](b);
        })) << i;
    }
}

TEST_F(TitleBarTest, CaptionIsShortenedWithDotsToTheRoomBeforeTheButtons)
{
    QFont font(QStringLiteral("Tahoma"));
    font.setBold(true);
    const QFontMetrics metrics(font);
    const QString caption = QStringLiteral("IBM i system values reference with a long caption");
    EXPECT_EQ(TsuiTitleBar::ShortenedCaption(caption, metrics, 10000), caption);
    const int room = metrics.horizontalAdvance(caption) / 2;
    const QString cut = TsuiTitleBar::ShortenedCaption(caption, metrics, room);
    ASSERT_TRUE(cut.endsWith(QLatin1String("...")));
    const QString kept = cut.chopped(3);
    EXPECT_TRUE(caption.startsWith(kept));
    EXPECT_LE(metrics.horizontalAdvance(cut), room);
    // One more character would not have fitted.
    EXPECT_GT(
        metrics.horizontalAdvance(caption.left(kept.size() + 1) + QStringLiteral("...")), room);
    // Not even "..." fits: nothing is drawn.
    EXPECT_EQ(
        TsuiTitleBar::ShortenedCaption(caption, metrics, metrics.horizontalAdvance("...") - 1),
        QString());
    EXPECT_EQ(TsuiTitleBar::ShortenedCaption(caption, metrics, -50), QString());
    // Thousands of characters are cut quickly, to the same rule.
    const QString huge(20000, QLatin1Char('W'));
    const QString hugeCut = TsuiTitleBar::ShortenedCaption(huge, metrics, 300);
    EXPECT_LE(metrics.horizontalAdvance(hugeCut), 300);
    EXPECT_GT(
        metrics.horizontalAdvance(huge.left(hugeCut.size() - 2) + QStringLiteral("...")), 300);
}

TEST_F(TitleBarTest, ALongCaptionNeverReachesTheButtons)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    const QImage bare = bar->Render();
    bar->SetCaption(QString(500, QLatin1Char('M')));
    const QImage captioned = bar->Render();
    const int minX = bar->ButtonRect(indexOfType(bar, Btn::suiMin)).x();
    int changed = 0;
    for (int y = 0; y < bar->height(); ++y) {
        for (int x = 0; x < bar->width(); ++x) {
            if (bare.pixel(x, y) != captioned.pixel(x, y)) {
                ++changed;
                EXPECT_LT(x, minX);
            }
        }
    }
    EXPECT_GT(changed, 0);
}

TEST_F(TitleBarTest, CaptionColourFollowsStyleAndActivation)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::MacOS);
    EXPECT_EQ(bar->fontObject()->Color(), QColor(Qt::black));
    for (const TsuiUIStyle style : { TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
             TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass }) {
        bar->SetUIStyle(style);
        EXPECT_EQ(bar->fontObject()->Color(), QColor(Qt::white)) << int(style);
    }
    // Drawn: the caption pixels are white while active, the inactive caption colour otherwise.
    bar->SetCaption(QStringLiteral("MMMMMMMM"));
    const auto colours = [bar] {
        QSet<QRgb> seen;
        const QImage image = bar->Render();
        const int x0 = bar->LayoutButtons().captionX;
        for (int y = 0; y < bar->height(); ++y)
            for (int x = x0; x < x0 + 40; ++x)
                seen.insert(image.pixel(x, y) & 0xFFFFFF);
        return seen;
    };
    EXPECT_TRUE(colours().contains(0xFFFFFF));
    bar->SetActive(false);
    const QRgb inactive = TColor(clInactiveCaption).toQColor().rgb() & 0xFFFFFF;
    EXPECT_TRUE(colours().contains(inactive));
    EXPECT_FALSE(colours().contains(0xFFFFFF));
}

TEST_F(TitleBarTest, ClosingMinimizingAndMaximizingThroughTheButtons)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    show();
    const int max = indexOfType(bar, Btn::suiMax);
    QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(bar, Btn::suiMax));
    EXPECT_TRUE(host->isMaximized());
    EXPECT_TRUE(showsPicture(
        bar->Buttons()->Button(max)->PicNormal(), {}, titleButtonFrame(TsuiUIStyle::DeepBlue, 10)));

    QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(bar, Btn::suiMax));
    EXPECT_FALSE(host->isMaximized());
    EXPECT_TRUE(showsPicture(
        bar->Buttons()->Button(max)->PicNormal(), {}, titleButtonFrame(TsuiUIStyle::DeepBlue, 7)));

    QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(bar, Btn::suiMin));
    EXPECT_TRUE(host->windowState() & Qt::WindowMinimized);
    host->setWindowState(Qt::WindowNoState);

    QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(bar, Btn::suiClose));
    EXPECT_FALSE(host->isVisible());
}

TEST_F(TitleBarTest, ButtonActsOnlyWhenReleasedOnTheButtonPressed)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    show();
    QTest::mousePress(bar, Qt::LeftButton, {}, centreOf(bar, Btn::suiMin));
    QTest::mouseMove(bar, centreOf(bar, Btn::suiClose));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, centreOf(bar, Btn::suiClose));
    EXPECT_TRUE(host->isVisible());
    EXPECT_FALSE(host->windowState() & Qt::WindowMinimized);
}

TEST_F(TitleBarTest, CustomAndHelpButtonsRaiseTheirEventsWithTheirIndex)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    TsuiTitleBarButton* custom = bar->Buttons()->AddButton();
    custom->SetPicNormal(titleButtonFrame(TsuiUIStyle::DeepBlue, 4));
    TsuiTitleBarButton* help = bar->Buttons()->AddButton();
    help->SetButtonType(Btn::suiHelp);
    EXPECT_EQ(help->PicNormal().size(), QSize(19, 19));
    show();
    QList<std::pair<QString, int>> raised;
    bar->OnCustomBtnsClick = [&](QObject* sender, int index) {
        EXPECT_EQ(sender, bar);
        raised.append({ QStringLiteral("custom"), index });
    };
    bar->OnHelpBtnClick = [&](QObject*, int index) {
        raised.append({ QStringLiteral("help"), index });
    };
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->ButtonRect(4).center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->ButtonRect(5).center());
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(300, 10));
    const QList<std::pair<QString, int>> expected { { QStringLiteral("custom"), 4 },
        { QStringLiteral("help"), 5 } };
    EXPECT_EQ(raised, expected);
    EXPECT_TRUE(host->isVisible());
}

TEST_F(TitleBarTest, DoubleClickOnTheCaptionTogglesMaximizeAndOnTheControlBoxCloses)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::WinXP);
    show();
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_TRUE(host->isMaximized());
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_FALSE(host->isMaximized());
    // With the maximize button hidden a double click does nothing.
    bar->Buttons()->Button(indexOfType(bar, Btn::suiMax))->SetVisible(false);
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(300, 10));
    EXPECT_FALSE(host->isMaximized());
    QTest::mouseDClick(bar, Qt::LeftButton, {}, centreOf(bar, Btn::suiControlBox));
    EXPECT_FALSE(host->isVisible());
}

TEST_F(TitleBarTest, DraggingTheCaptionMovesTheFormByTheMouseDistance)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    host->move(100, 80);
    show();
    const QPoint start = host->pos();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(300, 10));
    QTest::mouseMove(bar, QPoint(340, 25));
    EXPECT_EQ(host->pos(), start + QPoint(40, 15));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(300, 10));
    // The drag is over: moving the mouse moves nothing.
    QTest::mouseMove(bar, QPoint(100, 5));
    EXPECT_EQ(host->pos(), start + QPoint(40, 15));

    // A maximized form does not move from its caption.
    host->setWindowState(Qt::WindowMaximized);
    const QPoint maximized = host->pos();
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(300, 10));
    QTest::mouseMove(bar, QPoint(360, 30));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(360, 30));
    EXPECT_EQ(host->pos(), maximized);
}

TEST_F(TitleBarTest, ControlBoxOpensTheWindowMenuWithItsThreeCaptions)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::BlueGlass);
    show();
    TsuiTitleBarPopupMenu* menu = bar->ControlBoxPopupMenu();
    ASSERT_EQ(menu->Items().size(), 4);
    EXPECT_EQ(menu->Item(0)->Caption(), QString::fromUtf8("最小化(&N)"));
    EXPECT_EQ(menu->Item(1)->Caption(), QString::fromUtf8("最大化/还原(&X)"));
    EXPECT_TRUE(menu->Item(2)->IsSeparator());
    EXPECT_EQ(menu->Item(3)->Caption(), QString::fromUtf8("关闭(&C)"));

    bar->Buttons()->Button(indexOfType(bar, Btn::suiMin))->SetVisible(false);
    QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(bar, Btn::suiControlBox));
    ASSERT_TRUE(QTest::qWaitFor(
        [menu] { return menu->popupWidget() && menu->popupWidget()->isVisible(); }));
    EXPECT_EQ(menu->popupWidget()->pos(), bar->mapToGlobal(QPoint(0, bar->height())));
    EXPECT_FALSE(menu->Item(0)->Enabled());
    EXPECT_TRUE(menu->Item(1)->Enabled());
    EXPECT_TRUE(menu->Item(3)->Enabled());
    menu->popupWidget()->close();

    menu->Item(1)->Click();
    EXPECT_TRUE(host->isMaximized());
    menu->Item(1)->Click();
    EXPECT_FALSE(host->isMaximized());
    menu->Item(3)->Click();
    EXPECT_FALSE(host->isVisible());
}

TEST_F(TitleBarTest, ControlBoxWithItsOwnMenuPopsThatMenuUp)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    auto* own = new TPopupMenu(host.get());
    (new TMenuItem(own))->setCaption(QStringLiteral("&Own"));
    bar->Buttons()->Button(indexOfType(bar, Btn::suiControlBox))->SetControlBoxMenu(own);
    show();
    QTest::mouseClick(bar, Qt::LeftButton, {}, centreOf(bar, Btn::suiControlBox));
    ASSERT_TRUE(
        QTest::qWaitFor([own] { return own->popupWidget() && own->popupWidget()->isVisible(); }));
    EXPECT_EQ(own->popupWidget()->pos(), bar->mapToGlobal(QPoint(0, bar->height())));
    EXPECT_EQ(bar->ControlBoxPopupMenu()->popupWidget(), nullptr);
    own->popupWidget()->close();
    // The menu going away leaves the control box to the built-in menu.
    delete own;
    EXPECT_EQ(bar->Buttons()->Button(0)->ControlBoxMenu(), nullptr);
}

TEST_F(TitleBarTest, WrongSizedAndMissingPicturesDrawWithoutReadingOutside)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    bar->SetCustom(true);
    // A centre wider than the bar, a tiny left end, no right end.
    bar->Sections()->Section(0)->SetPicture(QImage(1, 1, QImage::Format_RGB32));
    bar->Sections()->Section(1)->SetPicture(QImage());
    bar->Sections()->Section(2)->SetPicture(QImage(3000, 80, QImage::Format_RGB32));
    bar->Buttons()->Button(1)->SetPicNormal(QImage(300, 300, QImage::Format_RGB32));
    bar->Buttons()->Button(2)->SetPicNormal(QImage());
    bar->Buttons()->Button(3)->SetPicMouseOn(QImage(2, 2, QImage::Format_RGB32));
    bar->SetCaption(QStringLiteral("caption"));
    EXPECT_FALSE(bar->CanPaint());
    EXPECT_FALSE(bar->Render().isNull());
    // A bar narrower than its end pictures and one of no width at all.
    bar->setAlign(ControlTypes::TAlign::alNone);
    bar->setWidth(3);
    EXPECT_EQ(bar->Render().width(), 3);
    bar->setWidth(0);
    EXPECT_TRUE(bar->Render().isNull());
    EXPECT_EQ(bar->ButtonAt(QPoint(0, 0)), -1);
    // No sections at all: AutoSize switches itself off.
    bar->Sections()->Clear();
    bar->SetAutoSize(true);
    EXPECT_FALSE(bar->AutoSize());
    EXPECT_TRUE(bar->GetLeftImage().isNull());
}

TEST_F(TitleBarTest, EachStyleRendersAtFullWidth)
{
    const QString dir = qEnvironmentVariable("ORLENDA_TITLEBAR_PNG_DIR");
    for (const TsuiUIStyle style : { TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
             TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass }) {
        TsuiTitleBar* bar = makeBar(style, true);
        bar->SetCaption(QStringLiteral("Orlenda System Value Reference"));
        EXPECT_TRUE(bar->CanPaint());
        const QImage image = bar->Render();
        ASSERT_EQ(image.size(), QSize(776, bar->PreferredHeight()));
        const QImage close = titleButtonFrame(style, 16);
        // DeepBlue's buttons stand one row above a frame's bar; the rows inside it are compared.
        if (!GetInsideThemeBool(style, SuiItem::TitleBarButtonTransparentBool))
            EXPECT_TRUE(showsPicture(
                image, bar->ButtonRect(indexOfType(bar, Btn::suiClose)).topLeft(), close));
        if (!dir.isEmpty())
            image.save(QDir(dir).filePath(QStringLiteral("titlebar-%1.png").arg(int(style))));
    }
}
