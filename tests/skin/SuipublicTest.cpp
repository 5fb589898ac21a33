#include "skin/styles/Suipublic.h"

#include "skin/styles/TsuiFileTheme.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QPainter>
#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>
#include <utility>

namespace {

constexpr QRgb background = 0xFF646464u;
constexpr QRgb magenta = 0xFFFF00FFu;

// Pixel (x, y) of a probe bitmap is (x, y, 50): any canvas pixel names the source pixel it shows.
QImage probeBitmap(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(x, y, 50));
    return image;
}

QImage canvasImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    return image;
}

QImage spitDrawn(const QImage& bitmap, const QSize& canvasSize, const QRect& r, bool transparent)
{
    QImage canvas = canvasImage(canvasSize.width(), canvasSize.height());
    QPainter painter(&canvas);
    SpitDraw(bitmap, painter, r, transparent);
    return canvas;
}

using SourcePixel = std::pair<int, int>;

SourcePixel shown(const QImage& canvas, int x, int y)
{
    const QRgb p = canvas.pixel(x, y);
    EXPECT_EQ(qBlue(p), 50) << "canvas pixel " << x << "," << y << " shows no source pixel";
    return { qRed(p), qGreen(p) };
}

class FixedFileTheme : public TsuiFileTheme {
public:
    bool CanUse() const override { return true; }
    void GetBitmap(int, QImage&) const override { }
    void GetBitmap(int, QImage&, int, int) const override { }
    uint32_t GetColor(int) const override { return 0; }
    int32_t GetInt(int) const override { return -1; }
    bool GetBool(int) const override { return false; }
};

} // namespace

// A control that logs the writes of its two skin properties, in order.
class SkinnedProbe : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ uiStyle WRITE setUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ fileTheme WRITE setFileTheme)
public:
    using QWidget::QWidget;
    TsuiUIStyle uiStyle() const { return m_style; }
    void setUIStyle(TsuiUIStyle style)
    {
        m_style = style;
        writes << QStringLiteral("UIStyle");
    }
    TsuiFileTheme* fileTheme() const { return m_theme; }
    void setFileTheme(TsuiFileTheme* theme)
    {
        m_theme = theme;
        writes << QStringLiteral("FileTheme");
    }
    QStringList writes;

private:
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    TsuiFileTheme* m_theme = nullptr;
};

// Only half of the pair: must be skipped.
class StyleOnlyProbe : public QWidget {
    Q_OBJECT
    Q_PROPERTY(TsuiUIStyle UIStyle READ uiStyle WRITE setUIStyle)
public:
    using QWidget::QWidget;
    TsuiUIStyle uiStyle() const { return m_style; }
    void setUIStyle(TsuiUIStyle style) { m_style = style; }

private:
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
};

// Paints its left half red and its right half blue.
class TwoToneParent : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(QRect(0, 0, width() / 2, height()), QColor(255, 0, 0));
        painter.fillRect(QRect(width() / 2, 0, width() - width() / 2, height()), QColor(0, 0, 255));
    }
};

class GreenControl : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 255, 0)); }
};

TEST(SuipublicTest, SpitBitmapCutsEqualFramesAndLeavesTheRemainderUnused)
{
    const QImage strip = probeBitmap(99, 3);
    QImage frame;
    SpitBitmap(strip, frame, 4, 4);
    ASSERT_EQ(frame.size(), QSize(24, 3));
    for (int x = 0; x < 24; ++x)
        EXPECT_EQ(shown(frame, x, 2), SourcePixel(72 + x, 2));
    SpitBitmap(strip, frame, 4, 1);
    EXPECT_EQ(shown(frame, 0, 0), SourcePixel(0, 0));
    EXPECT_EQ(shown(frame, 23, 0), SourcePixel(23, 0));

    SpitBitmap(strip, frame, 0, 1);
    EXPECT_TRUE(frame.isNull());
}

TEST(SuipublicTest, SpitDrawPlacesEveryNineSlicePieceFromItsExactSourcePixels)
{
    const QImage canvas
        = spitDrawn(probeBitmap(21, 21), QSize(100, 30), QRect(0, 0, 100, 30), true);
    // Worked out by hand for a 21 x 21 bitmap over 100 x 30: corners 10 x 10, 10 x 9, 9 x 10 and
    // 9 x 9; the bottom edge starts at (9, 20) and covers what it overlaps.
    auto expected = [](int x, int y) -> SourcePixel {
        if (x >= 9 && x <= 90 && y >= 20)
            return { 10 + (x - 9) * 2 / 82, 11 + (y - 20) }; // bottom edge
        if (x >= 10 && x <= 90 && y >= 10)
            return { 10 + (x - 10) * 2 / 81, 10 }; // centre
        if (x >= 10 && x <= 90)
            return { 10 + (x - 10) * 2 / 81, y }; // top edge
        if (x >= 91 && y < 10)
            return { 12 + x - 91, y }; // top-right corner
        if (x >= 91 && y <= 20)
            return { 12 + x - 91, 11 }; // right edge
        if (x >= 91)
            return { 12 + x - 91, 12 + y - 21 }; // bottom-right corner
        if (y < 10)
            return { x, y }; // top-left corner
        if (y <= 20)
            return { x, 10 }; // left edge
        return { x, 12 + y - 21 }; // bottom-left corner
    };
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(shown(canvas, x, y), expected(x, y)) << "at " << x << "," << y;
}

TEST(SuipublicTest, SpitDrawShrinksCornersOnTargetsSmallerThanTwiceTheCorner)
{
    const QImage canvas = spitDrawn(probeBitmap(21, 21), QSize(14, 10), QRect(0, 0, 12, 8), true);
    // Half of 12 x 8 is 6 x 4; the right and bottom corners get one pixel less. Each corner keeps
    // its outer part.
    auto expected = [](int x, int y) -> SourcePixel {
        if ((x == 5 || x == 6) && y >= 4)
            return { 10 + x - 5, 17 + y - 4 }; // bottom edge, source cut to its last 4 rows
        if (x == 6)
            return { 10, y }; // top edge, two columns shrunk to one
        if (x <= 5)
            return y <= 3 ? SourcePixel(x, y)
                : y == 4  ? SourcePixel(x, 10)
                          : SourcePixel(x, 18 + y - 5);
        return y <= 3 ? SourcePixel(16 + x - 7, y)
            : y == 4  ? SourcePixel(16 + x - 7, 11)
                      : SourcePixel(16 + x - 7, 18 + y - 5);
    };
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 12; ++x)
            ASSERT_EQ(shown(canvas, x, y), expected(x, y)) << "at " << x << "," << y;
    EXPECT_EQ(canvas.pixel(12, 0), background);
    EXPECT_EQ(canvas.pixel(0, 8), background);
}

TEST(SuipublicTest, SpitDrawKeysCornersOnlyWhenTransparentButEdgesAlways)
{
    QImage bitmap = probeBitmap(21, 21);
    bitmap.setPixel(0, 0, magenta); // a corner pixel
    bitmap.setPixel(0, 10, magenta); // the left edge's row
    bitmap.setPixel(10, 0, magenta); // the top edge's first column
    for (bool transparent : { false, true }) {
        const QImage canvas = spitDrawn(bitmap, QSize(100, 30), QRect(0, 0, 100, 30), transparent);
        EXPECT_EQ(canvas.pixel(0, 0), transparent ? background : magenta);
        for (int y = 10; y <= 19; ++y)
            EXPECT_EQ(canvas.pixel(0, y), background) << y;
        EXPECT_EQ(canvas.pixel(10, 0), background);
        EXPECT_EQ(canvas.pixel(50, 0), background);
        EXPECT_EQ(shown(canvas, 51, 0), SourcePixel(11, 0));
    }
}

TEST(SuipublicTest, SpitDrawAnchorsTheLeftAndTopPiecesAtTheOrigin)
{
    // The right and bottom pieces follow r's far edges; r's own left and top only set the size.
    const QImage canvas
        = spitDrawn(probeBitmap(21, 21), QSize(110, 40), QRect(5, 5, 100, 30), true);
    EXPECT_EQ(shown(canvas, 0, 0), SourcePixel(0, 0));
    EXPECT_EQ(shown(canvas, 96, 0), SourcePixel(12, 0));
    EXPECT_EQ(shown(canvas, 104, 34), SourcePixel(20, 20));
    EXPECT_EQ(canvas.pixel(105, 0), background);
}

TEST(SuipublicTest, SpitDrawSurvivesDegenerateBitmapsAndTargets)
{
    const QSize size(12, 12);
    for (const QSize bitmapSize :
        { QSize(1, 1), QSize(2, 2), QSize(3, 1), QSize(1, 3), QSize(40, 40) })
        for (const QRect r : { QRect(0, 0, 10, 10), QRect(0, 0, 1, 1), QRect(0, 0, 2, 3),
                 QRect(0, 0, 0, 5), QRect(0, 0, -4, 5) }) {
            const QImage canvas
                = spitDrawn(probeBitmap(bitmapSize.width(), bitmapSize.height()), size, r, true);
            // Nothing lands outside the target's reach (the bottom edge may start one column left).
            for (int y = 0; y < size.height(); ++y)
                for (int x = 0; x < size.width(); ++x)
                    if (x >= std::max(0, r.width()) || y >= std::max(0, r.height()))
                        ASSERT_EQ(canvas.pixel(x, y), background)
                            << bitmapSize.width() << "x" << bitmapSize.height() << " into "
                            << r.width() << "x" << r.height() << " at " << x << "," << y;
        }
    // A 2 x 2 bitmap: the left edge's source has no rows, so that column stays as it was.
    const QImage even = spitDrawn(probeBitmap(2, 2), size, QRect(0, 0, 10, 10), true);
    EXPECT_EQ(shown(even, 0, 0), SourcePixel(0, 0));
    EXPECT_EQ(even.pixel(0, 4), background);
}

TEST(SuipublicTest, SpitDrawHorizontalKeepsTheEndsAndStretchesTheMiddle)
{
    for (int stripWidth : { 30, 31 }) {
        QImage strip(stripWidth, 4, QImage::Format_RGB32);
        for (int x = 0; x < stripWidth; ++x)
            for (int y = 0; y < 4; ++y)
                strip.setPixel(x, y, qRgb(x, y, 50));
        if (stripWidth == 31)
            for (int y = 0; y < 4; ++y)
                strip.setPixel(30, y, qRgb(255, 255, 0)); // belongs to no frame
        strip.setPixel(3, 1, magenta); // in the left end
        strip.setPixel(14, 1, magenta); // in the middle

        QImage canvas = canvasImage(60, 8);
        {
            QPainter painter(&canvas);
            SpitDrawHorizontal(strip, painter, QRect(2, 1, 50, 6), false);
        }
        for (int x = 0; x < 10; ++x)
            if (x != 3)
                EXPECT_EQ(shown(canvas, 2 + x, 1), SourcePixel(x, 0));
        EXPECT_EQ(canvas.pixel(5, 2), background) << "magenta left out of the ends";
        EXPECT_EQ(canvas.pixel(2, 5), background) << "the ends keep their height";
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(shown(canvas, 42 + x, 3), SourcePixel(20 + x, 2));
        // The middle frame, 10 columns over 30 and 4 rows over 6, keeps magenta.
        for (int x = 12; x < 42; ++x)
            for (int y = 1; y < 7; ++y) {
                const int sx = 10 + (x - 12) * 10 / 30;
                const int sy = (y - 1) * 4 / 6;
                if (sx == 14 && sy == 1)
                    EXPECT_EQ(canvas.pixel(x, y), magenta);
                else
                    EXPECT_EQ(shown(canvas, x, y), SourcePixel(sx, sy)) << x << "," << y;
            }
        EXPECT_EQ(canvas.pixel(52, 1), background);
    }
}

TEST(SuipublicTest, SpitDrawHorizontalCanTakeItsKeyFromTheFirstPixel)
{
    QImage strip = probeBitmap(30, 4);
    const QRgb corner = strip.pixel(0, 0);
    strip.setPixel(25, 2, corner); // right end
    strip.setPixel(12, 2, corner); // middle: not keyed
    QImage canvas = canvasImage(40, 4);
    {
        QPainter painter(&canvas);
        SpitDrawHorizontal(strip, painter, QRect(0, 0, 40, 4), true);
    }
    EXPECT_EQ(canvas.pixel(0, 0), background);
    EXPECT_EQ(canvas.pixel(35, 2), background);
    // Middle: 10 columns over 20, so source column 12 shows at x = 14 and 15.
    EXPECT_EQ(canvas.pixel(14, 2), corner);
    EXPECT_EQ(shown(canvas, 1, 0), SourcePixel(1, 0));
}

TEST(SuipublicTest, TileDrawStartsAtTheOriginAndCoversOneTileMore)
{
    const QImage tile = probeBitmap(3, 2);
    QImage canvas = canvasImage(16, 10);
    {
        QPainter painter(&canvas);
        TileDraw(painter, tile, QRect(5, 5, 7, 3));
        TileDraw(painter, QImage(), QRect(0, 0, 16, 10));
    }
    // x < 7 + 3 gives tiles at 0, 3, 6, 9; y < 3 + 2 gives 0, 2, 4.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 16; ++x) {
            if (x < 12 && y < 6)
                EXPECT_EQ(shown(canvas, x, y), SourcePixel(x % 3, y % 2));
            else
                EXPECT_EQ(canvas.pixel(x, y), background) << x << "," << y;
        }
}

TEST(SuipublicTest, QuarterTurnsMovePixelsExactlyAndUndoEachOther)
{
    const QImage original = probeBitmap(5, 3);
    QImage turned = original;
    RoundPicture(turned);
    ASSERT_EQ(turned.size(), QSize(3, 5));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(turned.pixel(y, 5 - 1 - x), original.pixel(x, y));

    QImage clockwise = original;
    RoundPicture3(clockwise);
    ASSERT_EQ(clockwise.size(), QSize(3, 5));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(clockwise.pixel(x, y), original.pixel(y, 3 - 1 - x));

    RoundPicture3(turned);
    EXPECT_EQ(turned, original);
    EXPECT_EQ(turned.format(), original.format());
}

TEST(SuipublicTest, RoundPicture2MirrorsASquareTopToBottom)
{
    const QImage square = probeBitmap(4, 4);
    QImage mirrored = square;
    RoundPicture2(mirrored);
    EXPECT_EQ(mirrored, square.mirrored(false, true));

    QImage wide = probeBitmap(5, 2);
    RoundPicture2(wide);
    ASSERT_EQ(wide.size(), QSize(2, 5));
    EXPECT_EQ(shown(wide, 1, 4), SourcePixel(1, 0));
    EXPECT_EQ(shown(wide, 0, 3), SourcePixel(0, 1));
    EXPECT_EQ(wide.pixel(0, 0), qRgb(0, 0, 0)); // no source pixel (0, 4) exists
}

TEST(SuipublicTest, BitmapWindowRegionTakesRunsAndNeverTheLastColumn)
{
    constexpr QRgb key = 0xFF00FF00u;
    const char* rows[] = {
        "#####",
        "#.###",
        "#.###",
        ".....",
        "..#.#",
        "#####",
    };
    QImage bitmap(5, 6, QImage::Format_RGB32);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 5; ++x)
            bitmap.setPixel(x, y, rows[y][x] == '.' ? key : qRgb(9, 9, 9));
    const QRegion region = BitmapWindowRegion(bitmap, key);

    QRegion expected;
    expected += QRect(0, 0, 4, 1);
    expected += QRect(0, 1, 1, 2);
    expected += QRect(2, 1, 2, 2);
    expected += QRect(2, 4, 1, 1);
    expected += QRect(0, 5, 4, 1);
    EXPECT_EQ(region, expected);
    for (int y = 0; y < 6; ++y)
        EXPECT_FALSE(region.contains(QPoint(4, y))) << y;

    // Colours are compared without alpha; a one-column bitmap has no region at all.
    QImage translucentKey(3, 1, QImage::Format_ARGB32);
    translucentKey.fill(qRgba(0, 255, 0, 10));
    EXPECT_TRUE(BitmapWindowRegion(translucentKey, key).isEmpty());
    EXPECT_TRUE(BitmapWindowRegion(probeBitmap(1, 4), key).isEmpty());
    EXPECT_TRUE(BitmapWindowRegion(QImage(), key).isEmpty());
}

TEST(SuipublicTest, SetBitmapWindowHidesEverythingForAFullyTransparentBitmap)
{
    QWidget window;
    window.resize(5, 2);
    QImage bitmap(5, 2, QImage::Format_RGB32);
    bitmap.fill(qRgb(9, 9, 9));
    SetBitmapWindow(&window, bitmap, clFuchsia);
    EXPECT_EQ(window.mask(), QRegion(0, 0, 4, 2));

    bitmap.fill(magenta);
    SetBitmapWindow(&window, bitmap, clFuchsia);
    EXPECT_FALSE(window.mask().isEmpty());
    EXPECT_TRUE((window.mask() & window.rect()).isEmpty());
}

TEST(SuipublicTest, InRectCountsAllFourEdgesAsInside)
{
    const QRect r(10, 20, 30, 40); // right edge 40, bottom edge 60
    EXPECT_TRUE(InRect(QPoint(40, 60), r));
    EXPECT_TRUE(InRect(10, 20, r));
    EXPECT_TRUE(InRect(40, 20, r));
    EXPECT_FALSE(InRect(41, 60, r));
    EXPECT_FALSE(InRect(QPoint(40, 61), r));
    EXPECT_FALSE(InRect(9, 30, r));
    EXPECT_FALSE(InRect(QPoint(20, 19), r));
}

TEST(SuipublicTest, PlaceControlMovesAndSizes)
{
    QWidget control;
    control.setGeometry(1, 2, 3, 4);
    PlaceControl(&control, QPoint(7, 8));
    EXPECT_EQ(control.geometry(), QRect(7, 8, 3, 4));
    PlaceControl(&control, QRect(10, 11, 12, 13));
    EXPECT_EQ(control.geometry(), QRect(10, 11, 12, 13));
}

TEST(SuipublicTest, ContainerApplyUIStyleChangesOnlyDirectSkinnedChildren)
{
    QWidget container;
    auto* button = new SkinnedProbe(&container);
    auto* label = new QLabel(QStringLiteral("plain"), &container);
    auto* halfSkinned = new StyleOnlyProbe(&container);
    auto* panel = new QWidget(&container);
    auto* nested = new SkinnedProbe(panel);
    FixedFileTheme theme;

    ContainerApplyUIStyle(&container, TsuiUIStyle::BlueGlass, &theme);
    EXPECT_EQ(
        button->writes, (QStringList { QStringLiteral("FileTheme"), QStringLiteral("UIStyle") }));
    EXPECT_EQ(button->uiStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(button->fileTheme(), &theme);
    EXPECT_EQ(label->text(), QStringLiteral("plain"));
    EXPECT_EQ(halfSkinned->uiStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_TRUE(nested->writes.isEmpty());
    EXPECT_EQ(nested->uiStyle(), TsuiUIStyle::DeepBlue);

    ContainerApplyUIStyle(&container, TsuiUIStyle::WinXP, nullptr);
    EXPECT_EQ(button->uiStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(button->fileTheme(), nullptr);
}

TEST(SuipublicTest, IsHasPropertyAsksThePublishedPropertiesOnly)
{
    QLabel label;
    label.setProperty("UIStyle", 3); // dynamic, not published
    EXPECT_TRUE(IsHasProperty(&label, "text"));
    EXPECT_FALSE(IsHasProperty(&label, "UIStyle"));
    SkinnedProbe probe;
    EXPECT_TRUE(IsHasProperty(&probe, "FileTheme"));
    EXPECT_FALSE(IsHasProperty(nullptr, "text"));
}

TEST(SuipublicTest, DoTransShowsTheParentsPaintingBeneathTheControl)
{
    TwoToneParent parent;
    parent.resize(100, 50);
    auto* control = new GreenControl(&parent);
    control->setGeometry(30, 10, 40, 20);

    QImage canvas = canvasImage(40, 20);
    {
        QPainter painter(&canvas);
        painter.setPen(QColor(1, 2, 3));
        DoTrans(painter, control);
        EXPECT_EQ(painter.pen().color(), QColor(1, 2, 3));
    }
    // Parent columns 30..49 are red, 50..69 blue; the control's own green never appears.
    EXPECT_EQ(canvas.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(19, 19), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(20, 0), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(39, 19), qRgb(0, 0, 255));

    // Hanging over the parent's right edge: only the covered part is painted.
    control->setGeometry(80, 40, 40, 20);
    QImage over = canvasImage(40, 20);
    {
        QPainter painter(&over);
        DoTrans(painter, control);
    }
    EXPECT_EQ(over.pixel(19, 9), qRgb(0, 0, 255));
    EXPECT_EQ(over.pixel(20, 9), background);
    EXPECT_EQ(over.pixel(0, 10), background);

    GreenControl orphan;
    orphan.resize(10, 10);
    QImage untouched = canvasImage(10, 10);
    {
        QPainter painter(&untouched);
        DoTrans(painter, &orphan);
    }
    EXPECT_EQ(untouched.pixel(5, 5), background);
}

TEST(SuipublicTest, DrawControlBorderFramesTheWholeControl)
{
    QWidget control;
    control.resize(6, 5);
    for (bool inner : { false, true }) {
        QImage canvas = canvasImage(6, 5);
        {
            QPainter painter(&canvas);
            DrawControlBorder(painter, &control, TColor::fromRgb(255, 0, 0), clLime, inner);
        }
        for (int y = 0; y < 5; ++y)
            for (int x = 0; x < 6; ++x) {
                const bool outer = x == 0 || y == 0 || x == 5 || y == 4;
                const bool second = !outer && (x == 1 || y == 1 || x == 4 || y == 3);
                const QRgb want = outer ? qRgb(255, 0, 0)
                    : second && inner   ? qRgb(0, 255, 0)
                                        : background;
                EXPECT_EQ(canvas.pixel(x, y), want) << x << "," << y << " inner " << inner;
            }
    }
}

TEST(SuipublicTest, FormHasFocusFollowsTheMainFormRules)
{
    QWidget form;
    SetMainForm(nullptr);
    EXPECT_FALSE(FormHasFocus(&form)); // never activated
    EXPECT_FALSE(FormHasFocus(nullptr));

    QWidget mainForm;
    SetMainForm(&mainForm);
    ASSERT_EQ(QApplication::activeWindow(), nullptr);
    EXPECT_FALSE(FormHasFocus(&mainForm)); // the application is not active
    new QMdiArea(&mainForm);
    EXPECT_TRUE(FormHasFocus(&mainForm)); // an MDI main form always counts as focused
    EXPECT_FALSE(FormHasFocus(&form));
    SetMainForm(nullptr);
}

TEST(SuipublicTest, FormHasFocusCountsOnlyTheActiveChildOfAnMdiMainForm)
{
    QWidget mainForm;
    mainForm.resize(400, 300);
    auto* client = new QMdiArea(&mainForm);
    client->resize(400, 300);
    auto* first = new QWidget;
    auto* second = new QWidget;
    client->addSubWindow(first);
    QMdiSubWindow* secondWindow = client->addSubWindow(second);
    mainForm.show();
    mainForm.activateWindow();
    if (!QTest::qWaitForWindowActive(&mainForm))
        GTEST_SKIP() << "this platform does not activate windows";
    client->setActiveSubWindow(secondWindow);

    SetMainForm(&mainForm);
    EXPECT_TRUE(FormHasFocus(second));
    EXPECT_FALSE(FormHasFocus(first)); // shares the active top-level window, but is not active
    EXPECT_TRUE(FormHasFocus(nullptr));
    SetMainForm(nullptr);
    EXPECT_FALSE(FormHasFocus(first));
    EXPECT_TRUE(FormHasFocus(second));
}

TEST(SuipublicTest, PCharToStrCopiesTheText)
{
    EXPECT_EQ(PCharToStr("QDATE"), QStringLiteral("QDATE"));
    EXPECT_TRUE(PCharToStr("").isEmpty());
    EXPECT_TRUE(PCharToStr(nullptr).isEmpty());
    EXPECT_FALSE(IsWin95());
    EXPECT_FALSE(IsWinXP());
}

#include "SuipublicTest.moc"

namespace {

// The picture as its @2x twin would look if it were drawn without any detail of its own: every
// pixel a 2 x 2 block, device pixel ratio 2.
QImage doubled(const QImage& image)
{
    QImage twice = image.scaled(image.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    twice.setDevicePixelRatio(2);
    return twice;
}

QImage plain(QImage image)
{
    image.setDevicePixelRatio(1);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Every device pixel shows what the doubled 1x drawing shows there, or (at the edge of a
// stretched run, where the stretch rule runs at the finer resolution) what it shows one device
// pixel away; never anything else.
void expectDoubled(const QImage& got, const QImage& want)
{
    ASSERT_EQ(got.size(), want.size());
    int shifted = 0;
    for (int y = 0; y < want.height(); ++y)
        for (int x = 0; x < want.width(); ++x) {
            const QRgb g = got.pixel(x, y);
            if (g == want.pixel(x, y))
                continue;
            bool nextTo = false;
            for (const QPoint d : { QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1) })
                nextTo = nextTo
                    || (want.valid(x + d.x(), y + d.y()) && want.pixel(x + d.x(), y + d.y()) == g);
            if (!nextTo) {
                ADD_FAILURE() << "device pixel " << x << "," << y << " shows " << std::hex << g
                              << " for " << want.pixel(x, y);
                return;
            }
            ++shifted;
        }
    EXPECT_LE(shifted * 8, want.width() * want.height());
}

} // namespace

// On a canvas of ratio 2, a picture of ratio 2 is cut, kept and stretched by the 1x rules in
// logical pixels: with a twin that adds no detail the result is the 1x result doubled. Only
// where a piece is stretched may a device pixel at the edge of a run show the neighbouring source
// pixel, as the stretch rule runs at the finer resolution.
TEST(SuipublicTest, PicturesOfRatioTwoFollowTheOneXRulesInLogicalPixels)
{
    QImage bitmap = probeBitmap(9, 7);
    bitmap.setPixel(0, 0, magenta);
    bitmap.setPixel(4, 3, magenta);
    for (const QRect& r :
        { QRect(0, 0, 30, 20), QRect(0, 0, 9, 7), QRect(0, 0, 5, 4), QRect(0, 0, 40, 3) }) {
        for (bool transparent : { false, true }) {
            SCOPED_TRACE(QStringLiteral("%1x%2 %3")
                             .arg(r.width())
                             .arg(r.height())
                             .arg(transparent)
                             .toStdString());
            const QImage once = spitDrawn(bitmap, QSize(44, 24), r, transparent);
            QImage twice = canvasImage(88, 48);
            twice.setDevicePixelRatio(2);
            {
                QPainter painter(&twice);
                SpitDraw(doubled(bitmap), painter, r, transparent);
            }
            expectDoubled(plain(twice), plain(doubled(once)));
        }
    }

    // Tiles step by the logical size.
    QImage tiled = canvasImage(32, 20);
    tiled.setDevicePixelRatio(2);
    QImage tiledOnce = canvasImage(16, 10);
    {
        QPainter painter(&tiled);
        TileDraw(painter, doubled(probeBitmap(3, 2)), QRect(0, 0, 7, 3));
        QPainter once(&tiledOnce);
        TileDraw(once, probeBitmap(3, 2), QRect(0, 0, 7, 3));
    }
    EXPECT_EQ(plain(tiled), plain(doubled(tiledOnce)));

    // Frames are cut by the logical width: 7 columns in 2 frames leave one over at either scale.
    QImage frame;
    SpitBitmap(doubled(probeBitmap(7, 2)), frame, 2, 2);
    EXPECT_EQ(frame.devicePixelRatio(), 2);
    ASSERT_EQ(frame.size(), QSize(6, 4));
    EXPECT_EQ(shown(frame, 0, 0), SourcePixel(3, 0));
    EXPECT_EQ(shown(frame, 5, 3), SourcePixel(5, 1));

    // Three-slice: the ends keep their logical size at the right and left of the target.
    QImage bar = probeBitmap(9, 3);
    QImage threeSlice = canvasImage(40, 6);
    threeSlice.setDevicePixelRatio(2);
    {
        QPainter painter(&threeSlice);
        SpitDrawHorizontal(doubled(bar), painter, QRect(0, 0, 20, 3), false);
    }
    EXPECT_EQ(shown(threeSlice, 0, 0), SourcePixel(0, 0));
    EXPECT_EQ(shown(threeSlice, 5, 5), SourcePixel(2, 2));
    EXPECT_EQ(shown(threeSlice, 39, 0), SourcePixel(8, 0));
    EXPECT_EQ(shown(threeSlice, 34, 0), SourcePixel(6, 0));
    EXPECT_GE(shown(threeSlice, 20, 0).first, 3);
    EXPECT_LE(shown(threeSlice, 20, 0).first, 5);

    // A window shaped by a dense picture takes the same logical region.
    QImage shape(5, 3, QImage::Format_RGB32);
    shape.fill(qRgb(9, 9, 9));
    shape.setPixel(0, 0, magenta);
    shape.setPixel(2, 1, magenta);
    EXPECT_EQ(BitmapWindowRegion(doubled(shape), magenta), BitmapWindowRegion(shape, magenta));
}
