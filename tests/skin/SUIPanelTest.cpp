// Picture panels (plain, tiled, stretched, transparent, auto-sized) and the collapsible panel:
// its animation heights, events, refusals, title band look and stored height.
#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/OrlendaException.h"
#include "framework/TForm.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/controls/SUIPanel.h"
#include "skin/controls/SUIPanelComponents.h"
#include "skin/styles/Suipublic.h"

#include <QBuffer>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace SuiThemes;
using ControlTypes::TAlign;

namespace {

QImage render(const TsuiCustomPanel& panel)
{
    QImage image(panel.size(), QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    panel.PaintPicturePanel(painter, image.rect());
    return image;
}

// Every pixel different, so a misplaced sample shows.
QImage numbered(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(40 * x + 10, 60 * y + 20, 200));
    return image;
}

// A parent whose own painting is one colour, for the transparent panels to show.
class Backdrop : public QWidget {
public:
    QColor colour = QColor(10, 200, 30);
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), colour); }
};

// A loaded theme whose ControlFontColor the test chooses; pictures come from DeepBlue.
class MarkerTheme : public TsuiFileTheme {
public:
    uint32_t fontColor = 0;
    bool CanUse() const override { return true; }
    void GetBitmap(int index, QImage& target) const override
    {
        GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, index, &target);
    }
    void GetBitmap(int index, QImage& target, int count, int number) const override
    {
        GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, index, &target, count, number);
    }
    uint32_t GetColor(int index) const override { return index == 27 ? fontColor : 0x00336699u; }
    int32_t GetInt(int) const override { return 0; }
    bool GetBool(int) const override { return false; }
};

std::vector<int> pushHeights(TsuiPanel& panel)
{
    std::vector<int> heights;
    while (panel.IsAnimating() && panel.AnimateStep())
        heights.push_back(panel.height());
    return heights;
}

} // namespace

TEST(TsuiImagePanel, TilesThePictureFromTheTopLeftCorner)
{
    TsuiImagePanel panel;
    panel.resize(10, 7);
    panel.SetPicture(numbered(3, 2));
    panel.SetDrawStyle(TsuiCustomPanel::suiTile);
    const QImage image = render(panel);
    const QImage picture = panel.Picture();
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(image.pixel(x, y), picture.pixel(x % 3, y % 2)) << x << "," << y;
}

TEST(TsuiImagePanel, StretchesByTheNearestNeighbourRuleLargerAndSmaller)
{
    TsuiImagePanel panel;
    panel.SetDrawStyle(TsuiCustomPanel::suiStretch);
    panel.SetPicture(numbered(2, 3));
    for (const QSize size : { QSize(7, 5), QSize(1, 2) }) {
        panel.resize(size);
        const QImage image = render(panel);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                ASSERT_EQ(image.pixel(x, y),
                    panel.Picture().pixel(x * 2 / size.width(), y * 3 / size.height()))
                    << x << "," << y;
    }
}

TEST(TsuiImagePanel, PlainPictureSitsAtTheOriginAndThePanelColourFillsTheRest)
{
    TsuiImagePanel panel;
    panel.setColor(QColor(1, 2, 3));
    panel.resize(6, 5);
    panel.SetPicture(numbered(3, 2));
    QImage image = render(panel);
    EXPECT_EQ(image.pixel(2, 1), panel.Picture().pixel(2, 1));
    EXPECT_EQ(image.pixel(3, 1), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(0, 2), qRgb(1, 2, 3));
    // A picture larger than the panel is cut at its edges.
    panel.SetPicture(numbered(9, 9));
    image = render(panel);
    EXPECT_EQ(image.pixel(5, 4), panel.Picture().pixel(5, 4));
}

TEST(TsuiImagePanel, TransparentLeavesOutThePictureBottomLeftColourAndShowsTheParent)
{
    Backdrop parent;
    parent.resize(40, 40);
    auto* panel = new TsuiImagePanel(&parent);
    panel->setGeometry(5, 5, 4, 4);
    QImage picture = numbered(4, 4);
    const QRgb key = picture.pixel(0, 3);
    picture.setPixel(2, 0, key);
    panel->SetPicture(picture);
    panel->SetTransparent(true);
    const QImage image = render(*panel);
    EXPECT_EQ(image.pixel(2, 0), parent.colour.rgb());
    EXPECT_EQ(image.pixel(0, 3), parent.colour.rgb());
    EXPECT_EQ(image.pixel(1, 0), picture.pixel(1, 0));
    // Opaque again: the key colour is just a colour.
    panel->SetTransparent(false);
    EXPECT_EQ(render(*panel).pixel(2, 0), key);
}

TEST(TsuiImagePanel, WithoutPictureTransparentShowsOnlyTheParentAndTheCaption)
{
    Backdrop parent;
    parent.resize(80, 40);
    auto* panel = new TsuiImagePanel(&parent);
    panel->setGeometry(0, 0, 80, 30);
    panel->SetTransparent(true);
    panel->fontObject()->setColor(QColor(0, 0, 255));
    EXPECT_EQ(render(*panel).pixel(40, 15), parent.colour.rgb());
    panel->setCaption(QStringLiteral("WWW"));
    const QImage image = render(*panel);
    int inked = 0;
    for (int x = 0; x < 80; ++x)
        inked += qBlue(image.pixel(x, 15)) > 128 && qGreen(image.pixel(x, 15)) < 128;
    EXPECT_GT(inked, 0);
    EXPECT_EQ(image.pixel(1, 1), parent.colour.rgb());
}

TEST(TsuiImagePanel, AutoSizeFollowsThePictureExceptAlongTheDockedSide)
{
    TsuiImagePanel panel;
    panel.resize(50, 50);
    panel.SetAutoSize(true);
    panel.SetPicture(numbered(7, 9));
    EXPECT_EQ(panel.size(), QSize(7, 9));
    TsuiImagePanel top;
    top.resize(50, 50);
    top.setAlign(TAlign::alTop);
    top.SetPicture(numbered(7, 9));
    top.SetAutoSize(true);
    EXPECT_EQ(top.size(), QSize(50, 9));
}

TEST(TsuiPanel, PushAndPopPassThroughTheStepHeightsAndFireOnceAtTheEnd)
{
    TsuiPanel panel;
    panel.SetUIStyle(TsuiUIStyle::MacOS);
    ASSERT_EQ(panel.TitleHeight(), 21);
    ASSERT_EQ(panel.height(), 100);
    int pushes = 0, pops = 0;
    panel.OnPush = [&](QObject* s) { pushes += s == &panel; };
    panel.OnPop = [&](QObject* s) { pops += s == &panel; };
    panel.Push();
    // Pushing only starts the animation; the caller is not held up.
    EXPECT_EQ(panel.height(), 100);
    EXPECT_TRUE(panel.IsAnimating());
    EXPECT_EQ(pushHeights(panel), std::vector<int>({ 85, 70, 55, 40, 25, 21 }));
    EXPECT_EQ(pushes, 1);
    EXPECT_TRUE(panel.GetPushed());
    EXPECT_EQ(panel.StoredHeight(), 100);
    panel.Pop();
    EXPECT_EQ(pushHeights(panel), std::vector<int>({ 36, 51, 66, 81, 96, 100 }));
    EXPECT_EQ(pops, 1);
    EXPECT_EQ(pushes, 1);
    EXPECT_FALSE(panel.GetPushed());
}

TEST(TsuiPanel, HeightWrittenWhilePushedIsWhatTheNextPopReaches)
{
    TsuiPanel panel;
    panel.SetUIStyle(TsuiUIStyle::DeepBlue);
    panel.Push();
    panel.FinishAnimation();
    EXPECT_EQ(panel.height(), 20);
    panel.setProperty("Height", 200);
    EXPECT_EQ(panel.height(), 20);
    EXPECT_EQ(panel.StoredHeight(), 200);
    panel.Pop();
    panel.FinishAnimation();
    EXPECT_EQ(panel.height(), 200);
    // Expanded, a resize is the stored height.
    panel.setHeight(150);
    EXPECT_EQ(panel.StoredHeight(), 150);
}

TEST(TsuiPanel, PushIsRefusedWhenDockedToTheClientOrASide)
{
    for (TAlign align : { TAlign::alClient, TAlign::alLeft, TAlign::alRight }) {
        TsuiPanel panel;
        panel.setAlign(align);
        try {
            panel.Push();
            FAIL() << "no refusal";
        } catch (const OrlendaException& e) {
            EXPECT_EQ(e.message(),
                QStringLiteral("Can't push when Align is alClient, alLeft or alRight."));
        }
        EXPECT_FALSE(panel.IsAnimating());
        EXPECT_FALSE(panel.GetPushed());
    }
}

TEST(TsuiPanel, AnimationRunsOnTheEventLoopAndStopsWithTheDestroyedPanel)
{
    QWidget host;
    auto* panel = new TsuiPanel(&host);
    panel->SetUIStyle(TsuiUIStyle::WinXP);
    panel->SetStepInterval(1);
    panel->Push();
    ASSERT_TRUE(QTest::qWaitFor([&] { return panel->GetPushed(); }, 2000));
    EXPECT_EQ(panel->height(), 21);
    panel->Pop();
    QTest::qWait(2);
    QPointer<TsuiPanel> gone = panel;
    delete panel;
    // Nothing left to tick.
    QTest::qWait(20);
    EXPECT_TRUE(gone.isNull());
}

TEST(TsuiPanel, AClickOnTheButtonWhileMovingTurnsThePanelRound)
{
    QWidget host;
    host.resize(200, 200);
    auto* panel = new TsuiPanel(&host);
    panel->SetUIStyle(TsuiUIStyle::Protein);
    panel->SetStepInterval(10000); // steps only when the test asks
    host.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    int pushes = 0, pops = 0;
    panel->OnPush = [&](QObject*) { ++pushes; };
    panel->OnPop = [&](QObject*) { ++pops; };
    const QPoint button = panel->ButtonHitRect().center();
    QTest::mouseMove(panel, button);
    ASSERT_TRUE(panel->ButtonHover());
    QTest::mouseClick(panel, Qt::LeftButton, {}, button);
    ASSERT_TRUE(panel->IsAnimating());
    panel->AnimateStep();
    panel->AnimateStep();
    EXPECT_EQ(panel->height(), 70);
    QTest::mouseClick(panel, Qt::LeftButton, {}, button);
    panel->FinishAnimation();
    EXPECT_EQ(panel->height(), 100);
    EXPECT_FALSE(panel->GetPushed());
    EXPECT_EQ(pushes, 0);
    EXPECT_EQ(pops, 1);
    // Away from the button a click does nothing.
    QTest::mouseMove(panel, QPoint(20, 60));
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(20, 60));
    EXPECT_FALSE(panel->IsAnimating());
}

TEST(TsuiPanel, StylesGiveTheTitleBandBorderAndCaptionColours)
{
    const struct {
        TsuiUIStyle style;
        int title;
        QColor border, caption;
    } rows[] = { { TsuiUIStyle::MacOS, 21, QColor(127, 127, 127), Qt::black },
        { TsuiUIStyle::WinXP, 21, QColor(104, 104, 104), Qt::black },
        { TsuiUIStyle::DeepBlue, 20, Qt::black, Qt::white },
        { TsuiUIStyle::Protein, 21, Qt::black, Qt::white },
        { TsuiUIStyle::BlueGlass, 21, Qt::black, Qt::white } };
    for (const auto& row : rows) {
        TsuiPanel panel;
        panel.SetUIStyle(row.style);
        EXPECT_EQ(panel.TitleHeight(), row.title);
        EXPECT_EQ(panel.BorderColor(), row.border);
        EXPECT_EQ(panel.CaptionFontColor(), row.caption);
        EXPECT_EQ(panel.Color(), QColor(Qt::white));
    }
}

TEST(TsuiPanel, PaintsBorderTitleBandAndTheButtonFrameOfItsState)
{
    TsuiPanel panel;
    panel.SetUIStyle(TsuiUIStyle::BlueGlass);
    panel.SetBorderColor(QColor(200, 0, 0));
    panel.setBounds(QRect(0, 0, 120, 80));
    QImage image(panel.size(), QImage::Format_RGB32);
    {
        QPainter p(&image);
        panel.PaintTitledPanel(p, image.rect());
    }
    EXPECT_EQ(image.pixel(0, 79), qRgb(200, 0, 0));
    EXPECT_EQ(image.pixel(119, 50), qRgb(200, 0, 0));
    EXPECT_EQ(image.pixel(50, 50), qRgb(255, 255, 255));
    const QImage title = panel.TitleBitmap().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(image.pixel(60, 3), title.pixel(0, 3));
    // Frame 1 (collapse) while expanded, drawn 4 pixels from the right edge.
    QImage frame;
    SpitBitmap(GetSkinResource(QStringLiteral("PANEL_BUTTON")), frame, 4, 1);
    frame = frame.convertToFormat(QImage::Format_RGB32);
    const int y = panel.ButtonHitRect().top() / 2 + 2;
    for (int dx = 0; dx < 13; ++dx)
        EXPECT_EQ(image.pixel(120 - 13 - 4 + dx, y + 5), frame.pixel(dx, 5)) << dx;
}

TEST(TsuiPanel, TheStoredHeightSurvivesAFormDescriptionRoundTrip)
{
    RegisterSUIPanelComponents();
    TForm form;
    auto* panel = new TsuiPanel(&form);
    panel->setObjectName(QStringLiteral("pnlSide"));
    panel->SetStoredHeight(140);
    panel->Push();
    panel->FinishAnimation();
    ASSERT_LT(panel->height(), 140);
    const QByteArray xml = formDescription(&form);
    // The stored height only, not the pushed one.
    EXPECT_EQ(xml.count("name=\"Height\""), 1) << xml.constData();
    TForm copy;
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    readForm(&copy, &buffer, QStringLiteral("copy.xml"));
    auto* loaded = copy.findChild<TsuiPanel*>(QStringLiteral("pnlSide"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->StoredHeight(), 140);
    EXPECT_EQ(loaded->height(), 140);
}

TEST(TsuiPanel, FileThemeCaptionIsBlackOnlyForTheDarkBandMarkers)
{
    MarkerTheme theme;
    TsuiPanel panel;
    panel.SetUIStyle(TsuiUIStyle::MacOS);
    // Given to a panel in a built-in style, the theme changes nothing yet.
    panel.SetFileTheme(&theme);
    EXPECT_EQ(panel.BorderColor(), QColor(127, 127, 127));
    const struct {
        uint32_t marker; // 0x00BBGGRR
        QColor caption;
    } rows[] = { { 0x030000, Qt::black }, { 0x020000, Qt::black }, { 0x050000, Qt::black },
        { 0x060000, Qt::white }, { 0x000003, Qt::white }, { 0x000000, Qt::white } };
    for (const auto& row : rows) {
        theme.fontColor = row.marker;
        panel.SetUIStyle(TsuiUIStyle::FromThemeFile);
        EXPECT_EQ(panel.CaptionFontColor(), row.caption) << row.marker;
        EXPECT_EQ(panel.BorderColor(), QColor(0x99, 0x66, 0x33));
    }
}

TEST(TsuiPanel, RemovingItsFileThemeTakesThePanelAndItsControlsToDeepBlue)
{
    auto theme = std::make_unique<MarkerTheme>();
    TsuiPanel panel;
    auto* other = new TsuiPanel(&panel);
    other->SetUIStyle(TsuiUIStyle::MacOS);
    panel.SetFileTheme(theme.get());
    panel.SetUIStyle(TsuiUIStyle::FromThemeFile);
    theme.reset();
    EXPECT_EQ(panel.FileTheme(), nullptr);
    EXPECT_EQ(panel.UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(other->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(panel.TitleHeight(), 20);
}
