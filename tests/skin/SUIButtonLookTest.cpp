// What the push buttons draw: focus cue per style, the engraved disabled caption, glyph places,
// control-button frames and the arrow.
#include "skin/controls/SUIArrowButton.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUIControlButton.h"
#include "skin/controls/SUIImageButton.h"
#include "skin/controls/SUIToolBarSpeedButton.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QCursor>
#include <QFontMetrics>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace SuiThemes;

namespace {

QImage render(const TsuiCustomButton& b)
{
    QImage image(b.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    b.PaintButton(painter, image.rect());
    return image;
}

// Crisp text, so caption pixels are exactly the colours drawn.
void crispFont(QWidget& w, bool bold = false)
{
    QFont f = w.font();
    f.setStyleStrategy(QFont::NoAntialias);
    f.setBold(bold);
    w.setFont(f);
}

QList<QPoint> differences(const QImage& a, const QImage& b)
{
    QList<QPoint> out;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                out << QPoint(x, y);
    return out;
}

bool onOutline(const QPoint& p, const QRect& r)
{
    return r.contains(p)
        && (p.x() == r.left() || p.x() == r.right() || p.y() == r.top() || p.y() == r.bottom());
}

// A glyph of one colour with the key colour in its top-left pixel.
QImage solidGlyph(int w, int h, QColor fill, QColor second = QColor())
{
    QImage g(w, h, QImage::Format_RGB32);
    g.fill(fill);
    if (second.isValid())
        for (int y = 0; y < h; ++y)
            for (int x = w / 2; x < w; ++x)
                g.setPixelColor(x, y, second);
    g.setPixelColor(0, 0, QColor(255, 0, 255));
    return g;
}

QRect boundsOf(const QImage& image, QRgb colour)
{
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                r |= QRect(x, y, 1, 1);
    return r;
}

struct Shown {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    Shown()
    {
        // Earlier tests may have left the cursor where these controls appear: hover would show.
        QCursor::setPos(QPoint(5000, 5000));
        form->resize(300, 100);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
};

} // namespace

class FocusCue : public testing::TestWithParam<TsuiUIStyle> { };

TEST_P(FocusCue, RoundStylesEmboldenTheCaptionOthersDrawTheDottedRectangle)
{
    Shown shown;
    auto* focused = new TsuiButton(shown.form.get());
    auto* plain = new TsuiButton(shown.form.get());
    auto* bold = new TsuiButton(shown.form.get());
    for (TsuiButton* b : { focused, plain, bold }) {
        b->SetUIStyle(GetParam());
        // Opaque, so the parent beneath does not enter the comparison.
        b->SetTransparent(false);
        b->SetCaption("Focus");
        crispFont(*b, b == bold);
        b->show();
    }
    focused->setFocus();
    ASSERT_TRUE(focused->hasFocus());
    const QImage withFocus = render(*focused);
    const QList<QPoint> changed = differences(withFocus, render(*plain));
    ASSERT_FALSE(changed.isEmpty());
    const QRect ring(2, 2, 76, 23);
    const bool round = GetParam() == TsuiUIStyle::MacOS || GetParam() == TsuiUIStyle::BlueGlass;
    if (round) {
        EXPECT_EQ(withFocus, render(*bold));
    } else {
        for (const QPoint& p : changed)
            ASSERT_TRUE(onOutline(p, ring)) << p.x() << "," << p.y();
        focused->SetFocusedRectMargin(5);
        for (const QPoint& p : differences(render(*focused), render(*plain)))
            ASSERT_TRUE(onOutline(p, QRect(5, 5, 70, 17))) << p.x() << "," << p.y();
    }
}

INSTANTIATE_TEST_SUITE_P(AllStyles, FocusCue,
    testing::Values(TsuiUIStyle::MacOS, TsuiUIStyle::WinXP, TsuiUIStyle::DeepBlue,
        TsuiUIStyle::Protein, TsuiUIStyle::BlueGlass));

TEST(TsuiButtonLook, DisabledCaptionIsWhiteOnePixelDownRightUnderGreyOnTheNormalFrame)
{
    TsuiButton b;
    b.SetUIStyle(TsuiUIStyle::DeepBlue);
    crispFont(b);
    const QImage frameOnly = render(b);
    b.SetCaption("Hello");
    b.setEnabled(false);
    const QImage disabled = render(b);
    const QRgb white = qRgb(255, 255, 255), grey = qRgb(128, 128, 128);
    QRect greyBox, whiteBox;
    for (const QPoint& p : differences(disabled, frameOnly)) {
        const QRgb c = disabled.pixel(p);
        ASSERT_TRUE(c == white || c == grey) << p.x() << "," << p.y();
        (c == white ? whiteBox : greyBox) |= QRect(p, QSize(1, 1));
    }
    ASSERT_FALSE(greyBox.isEmpty());
    EXPECT_EQ(whiteBox.bottomRight(), greyBox.bottomRight() + QPoint(1, 1));
    // Away from the caption the frame is the normal one.
    EXPECT_EQ(disabled.pixel(1, 1), frameOnly.pixel(1, 1));
    EXPECT_EQ(disabled.pixel(78, 25), frameOnly.pixel(78, 25));
}

TEST(TsuiButtonLook, GlyphLeftOfTheCaptionFollowsTheLayoutRuleAndMovesWhenPressed)
{
    Shown shown;
    auto* b = new TsuiButton(shown.form.get());
    b->SetUIStyle(TsuiUIStyle::DeepBlue);
    b->SetGlyph(solidGlyph(16, 16, Qt::red));
    b->show();
    const QRgb red = qRgb(255, 0, 0);
    // With no caption the glyph alone is centred: (80 - (0 + 16 + 4)) div 2, (27 - 16) div 2.
    EXPECT_EQ(boundsOf(render(*b), red).topLeft(), QPoint(30, 5));
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(boundsOf(render(*b), red).topLeft(), QPoint(31, 6));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(5, 5));

    b->SetCaption("Open");
    const QFontMetrics m(b->font());
    const int tw = m.horizontalAdvance("Open"), th = m.height();
    const TsuiButton::GlyphPlacement left = b->PlaceGlyph(QSize(80, 27));
    EXPECT_EQ(left.glyph, QPoint((80 - (tw + 16 + 4)) / 2, 5));
    EXPECT_EQ(left.caption, QPoint(left.glyph.x() + 20, (27 - th) / 2));
    EXPECT_EQ(boundsOf(render(*b), red).topLeft(), left.glyph);
    b->SetLayout(TsuiButton::blGlyphBottom);
    const TsuiButton::GlyphPlacement bottom = b->PlaceGlyph(QSize(80, 27));
    EXPECT_EQ(bottom.glyph, QPoint(32, (27 + th + 4 - 16) / 2));
    EXPECT_EQ(bottom.caption, QPoint((80 - tw) / 2, bottom.glyph.y() - th - 4));
}

TEST(TsuiButtonLook, TheKeptScaledFrameDrawsExactlyWhatSpitDrawDraws)
{
    for (TsuiUIStyle style : { TsuiUIStyle::BlueGlass, TsuiUIStyle::WinXP }) {
        TsuiButton b;
        b.SetUIStyle(style);
        b.setColor(QColor(90, 120, 150));
        b.resize(95, 31);
        QImage strip, normal;
        GetInsideThemeBitmap(style, SuiItem::ButtonImage, &strip);
        SpitBitmap(strip, normal, 3, 1);
        QImage expected(95, 31, QImage::Format_RGB32);
        // A transparent button without a parent has nothing beneath it: the render's white.
        expected.fill(b.Transparent() ? QColor(Qt::white) : QColor(90, 120, 150));
        QPainter p(&expected);
        SpitDraw(normal, p, expected.rect(), b.PicTransparent());
        p.end();
        EXPECT_EQ(render(b), expected);
        // Again from the kept copy, and after a resize that must not reuse it.
        EXPECT_EQ(render(b), expected);
        b.resize(60, 31);
        EXPECT_EQ(render(b).pixel(59, 15), normal.pixel(normal.width() - 1, 15));
    }
}

TEST(TsuiButtonLook, TheGlyphRulePlacesAllFourLayoutsWithTruncatingDivision)
{
    const QSize button(80, 27), caption(20, 13), glyph(16, 16);
    using L = TsuiButton;
    const auto at = [&](TsuiButton::TButtonLayout layout) {
        const TsuiButton::GlyphPlacement p = L::PlaceGlyph(layout, button, caption, glyph, 4);
        return std::make_pair(p.glyph, p.caption);
    };
    EXPECT_EQ(at(L::blGlyphLeft), std::make_pair(QPoint(20, 5), QPoint(40, 7)));
    EXPECT_EQ(at(L::blGlyphRight), std::make_pair(QPoint(44, 5), QPoint(20, 7)));
    // (27 - 33) div 2 truncates toward zero: -3.
    EXPECT_EQ(at(L::blGlyphTop), std::make_pair(QPoint(32, -3), QPoint(30, 17)));
    EXPECT_EQ(at(L::blGlyphBottom), std::make_pair(QPoint(32, 14), QPoint(30, -3)));
    // 32 x 16 is two images of 16 x 16; 32 x 17 one image.
    EXPECT_TRUE(L::PlaceGlyph(L::blGlyphLeft, button, caption, QSize(32, 16), 4).twoImages);
    EXPECT_EQ(
        L::PlaceGlyph(L::blGlyphLeft, button, caption, QSize(32, 16), 4).glyph, QPoint(20, 5));
    EXPECT_FALSE(L::PlaceGlyph(L::blGlyphLeft, button, caption, QSize(32, 17), 4).twoImages);
}

TEST(TsuiButtonLook, AGlyphTwiceAsWideAsHighHoldsTheEnabledAndTheDisabledImage)
{
    TsuiButton b;
    b.SetUIStyle(TsuiUIStyle::DeepBlue);
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255);
    b.SetGlyph(solidGlyph(32, 16, Qt::red, Qt::blue));
    // Glyph X = (80 - (0 + 16 + 4)) div 2: only the first image, all red, is drawn.
    EXPECT_EQ(boundsOf(render(b), red), QRect(30, 5, 16, 16));
    EXPECT_TRUE(boundsOf(render(b), blue).isEmpty());
    b.setEnabled(false);
    EXPECT_TRUE(boundsOf(render(b), red).isEmpty());
    EXPECT_EQ(boundsOf(render(b), blue), QRect(30, 5, 16, 16));

    // One pixel higher: a single 32-pixel image, both halves shown.
    b.setEnabled(true);
    b.SetGlyph(solidGlyph(32, 17, Qt::red, Qt::blue));
    const QImage one = render(b);
    EXPECT_EQ(boundsOf(one, red).left(), 22);
    EXPECT_EQ(boundsOf(one, blue).right(), 22 + 31);
}

TEST(TsuiButtonLook, GlyphsOfAnySizeAndHugeCaptionsPaint)
{
    TsuiButton b;
    for (const QSize s : { QSize(1, 1), QSize(0, 0), QSize(400, 3), QSize(2, 1), QSize(90, 300) }) {
        b.SetGlyph(s.isEmpty() ? QImage() : solidGlyph(s.width(), s.height(), Qt::green));
        b.SetCaption(QString(5000, QLatin1Char('W')));
        EXPECT_EQ(render(b).size(), QSize(80, 27));
    }
}

TEST(TsuiControlButtonLook, PicIndexFrameShowsExceptUnderTheMouse)
{
    Shown shown;
    auto* b = new TsuiControlButton(shown.form.get());
    b->SetThemeID(SuiItem::ButtonImage);
    b->SetPicCount(3);
    b->SetPicIndex(1);
    b->show();
    QImage strip, frame1, frame2;
    GetInsideThemeBitmap(TsuiUIStyle::DeepBlue, SuiItem::ButtonImage, &strip);
    SpitBitmap(strip, frame1, 3, 1);
    SpitBitmap(strip, frame2, 3, 2);
    EXPECT_EQ(b->size(), frame1.size());
    const auto same = [&](const QImage& frame) {
        return render(*b) == frame.convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_TRUE(same(frame1));
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QCoreApplication::sendEvent(b, &enter);
    EXPECT_TRUE(same(frame2));
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(same(frame1));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(3, 3));
    b->setEnabled(false);
    EXPECT_TRUE(same(frame1));
}

TEST(TsuiArrowButtonLook, ArrowsAreFilledSevenByFourTriangles)
{
    TsuiArrowButton up;
    up.SetUIStyle(TsuiUIStyle::DeepBlue);
    up.resize(16, 16);
    const QRgb black = qRgb(0, 0, 0);
    QImage image = render(up);
    // X0 = (16 - 6) div 2 = 5, Y0 = (16 - 3) div 2 = 6; the tip on top.
    EXPECT_EQ(image.pixel(8, 6), black);
    EXPECT_NE(image.pixel(7, 6), black);
    for (int x = 5; x <= 11; ++x)
        EXPECT_EQ(image.pixel(x, 9), black) << x;
    up.SetArrow(TsuiArrowButton::suiDown);
    up.SetCaption("never shown");
    image = render(up);
    EXPECT_EQ(image.pixel(8, 9), black);
    EXPECT_NE(image.pixel(7, 9), black);
    for (int x = 5; x <= 11; ++x)
        EXPECT_EQ(image.pixel(x, 6), black) << x;
}

TEST(TsuiImageButtonLook, MissingPicturesFallBackToPicNormal)
{
    Shown shown;
    auto* b = new TsuiImageButton(shown.form.get());
    EXPECT_EQ(b->UIStyle(), TsuiUIStyle::FromThemeFile);
    QImage normal(20, 10, QImage::Format_RGB32);
    normal.fill(Qt::darkGreen);
    QImage down(20, 10, QImage::Format_RGB32);
    down.fill(Qt::darkRed);
    b->SetAutoSize(true);
    b->SetPicNormal(normal);
    b->SetPicMouseDown(down);
    EXPECT_EQ(b->size(), QSize(20, 10));
    b->show();
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QCoreApplication::sendEvent(b, &enter);
    EXPECT_EQ(render(*b).pixelColor(5, 5), QColor(Qt::darkGreen));
    QTest::mousePress(b, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(render(*b).pixelColor(5, 5), QColor(Qt::darkRed));
    QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(3, 3));
}

TEST(TsuiToolBarSpeedButtonLook, FramedUnderTheMouseGlyphAtOneOneKeyedByItsBottomLeftPixel)
{
    TsuiToolBarSpeedButton b;
    EXPECT_EQ(b.size(), QSize(18, 18));
    b.setColor(QColor(200, 200, 200));
    QImage glyph(16, 16, QImage::Format_RGB32);
    glyph.fill(Qt::blue);
    glyph.setPixelColor(0, 15, Qt::green); // the key colour
    glyph.setPixelColor(5, 5, Qt::green);
    b.SetGlyph(glyph);
    const auto draw = [&] {
        QImage image(18, 18, QImage::Format_RGB32);
        b.PaintButton(*std::make_unique<QPainter>(&image), image.rect());
        return image;
    };
    QImage image = draw();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(200, 200, 200));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::blue));
    EXPECT_EQ(image.pixelColor(6, 6), QColor(200, 200, 200));
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QCoreApplication::sendEvent(&b, &enter);
    image = draw();
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(17, 9), QColor(Qt::black));
}
