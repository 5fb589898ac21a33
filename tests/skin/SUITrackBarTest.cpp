// The track bar's arithmetic, range rules, mouse paging and dragging, keys, ticks and OnChange.
#include "framework/FormReader.h"
#include "framework/TForm.h"
#include "skin/controls/SUIBarComponents.h"
#include "skin/controls/SUIScrollTrackBar.h"
#include "skin/controls/Suiprogressbar.h"
#include "skin/controls/SUIImagePanel.h"
#include "skin/styles/Suiresdef.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

class TrackTestForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    Q_INVOKABLE void tbChange(QObject* Sender) { changes << Sender->objectName(); }
    QStringList changes;
};

namespace {

constexpr int IntMin = std::numeric_limits<int>::min();
constexpr int IntMax = std::numeric_limits<int>::max();

// A track with an 11-pixel thumb on a 200-pixel length (the track keeps given pictures).
std::unique_ptr<TsuiScrollTrackBar> track(
    TsuiProgressBarOrientation orientation, QWidget* parent = nullptr)
{
    auto t = std::make_unique<TsuiScrollTrackBar>(parent);
    t->SetOrientation(orientation);
    const bool horizontal = orientation == suiHorizontal;
    QImage thumb(horizontal ? QSize(11, 16) : QSize(16, 11), QImage::Format_RGB32);
    thumb.fill(Qt::blue);
    t->SetSliderImage(thumb);
    t->setColor(Qt::white);
    t->setBounds(horizontal ? QRect(0, 0, 200, 16) : QRect(0, 0, 16, 200));
    return t;
}

void send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButtons held = Qt::LeftButton)
{
    QMouseEvent e(type, QPointF(at), w->mapToGlobal(QPointF(at)),
        type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, {});
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

class TrackOrientation : public testing::TestWithParam<TsuiProgressBarOrientation> { };

TEST_P(TrackOrientation, PositionAndPixelsMapAtBothEndsAndInBetween)
{
    auto t = track(GetParam());
    const bool horizontal = GetParam() == suiHorizontal;
    const auto along = [&](QPoint p) { return horizontal ? p.x() : p.y(); };
    const auto across = [&](int v) { return horizontal ? QPoint(v, 8) : QPoint(8, v); };
    EXPECT_EQ(along(t->SliderPlace()), 0);
    t->SetPosition(5);
    EXPECT_EQ(along(t->SliderPlace()), 94); // 189 x 5 div 10
    EXPECT_EQ(along(t->Slider()->pos()), 94);
    t->SetPosition(10);
    EXPECT_EQ(along(t->SliderPlace()), 189);
    // (150 - 5) x 10 / 189 = 7.67 rounds to 8; the ends map back to Min and Max.
    EXPECT_EQ(t->PointToPosition(across(150)), 8);
    EXPECT_EQ(t->PointToPosition(across(5)), 0);
    EXPECT_EQ(t->PointToPosition(across(194)), 10);
    t->SetMax(IntMax);
    t->SetMin(IntMin);
    t->SetPosition(IntMax);
    EXPECT_EQ(along(t->SliderPlace()), 189);
    t->SetPosition(0);
    EXPECT_EQ(along(t->SliderPlace()), 94);
    EXPECT_EQ(t->PointToPosition(across(194)), int64_t(IntMax));
}

TEST_P(TrackOrientation, PressOnTheBarPagesTowardThePointAndRepeatsUntilUnderIt)
{
    QWidget window;
    window.resize(300, 300);
    auto t = track(GetParam(), &window);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    t->SetMax(40);
    t->SetPageSize(2);
    QList<int> steps;
    t->OnChange = [&](QObject*) { steps << t->LastChange(); };
    const QPoint at = GetParam() == suiHorizontal ? QPoint(150, 8) : QPoint(8, 150);
    const int64_t target = t->PointToPosition(at); // (150 - 5) x 40 / 189 = 30.7: 31
    ASSERT_EQ(target, 31);
    send(t.get(), QEvent::MouseButtonPress, at);
    EXPECT_EQ(t->Position(), 2);
    EXPECT_TRUE(t->hasRepeatTimer());
    ASSERT_TRUE(QTest::qWaitFor([&] { return t->Position() == target; }, 10000));
    // Horizontal ticks step 3 x PageSize, vertical ones PageSize; the last stops at the cursor.
    const int step = GetParam() == suiHorizontal ? 6 : 2;
    ASSERT_GE(steps.size(), 3);
    EXPECT_EQ(steps.first(), 2);
    for (int i = 1; i + 1 < steps.size(); ++i)
        EXPECT_EQ(steps[i], step);
    QTest::qWait(150);
    EXPECT_EQ(t->Position(), target);
    // The cursor leaving stops the repetition.
    send(t.get(), QEvent::MouseMove, QPoint(-5, -5));
    EXPECT_FALSE(t->hasRepeatTimer());
    send(t.get(), QEvent::MouseButtonRelease, QPoint(-5, -5), Qt::NoButton);
}

TEST_P(TrackOrientation, DragLeavingTheControlAndReturningFollowsTheCursor)
{
    auto t = track(GetParam());
    const bool horizontal = GetParam() == suiHorizontal;
    const auto at = [&](int v) { return horizontal ? QPoint(v, 8) : QPoint(8, v); };
    int changes = 0;
    t->OnChange = [&](QObject* sender) {
        EXPECT_EQ(sender, t.get());
        ++changes;
    };
    send(t.get(), QEvent::MouseButtonPress, at(5)); // on the thumb
    EXPECT_TRUE(t->isDragging());
    EXPECT_FALSE(t->hasRepeatTimer());
    send(t.get(), QEvent::MouseMove, at(1000));
    EXPECT_EQ(t->Position(), 10);
    send(t.get(), QEvent::MouseMove, at(-400));
    EXPECT_EQ(t->Position(), 0);
    EXPECT_EQ(t->LastChange(), -10);
    send(t.get(), QEvent::MouseMove, at(100));
    EXPECT_EQ(t->Position(), 5); // (100 - 5) x 10 / 189 = 5.03
    EXPECT_EQ(changes, 3);
    send(t.get(), QEvent::MouseButtonRelease, at(100), Qt::NoButton);
    EXPECT_FALSE(t->isDragging());
    send(t.get(), QEvent::MouseMove, at(150), Qt::NoButton);
    EXPECT_EQ(t->Position(), 5);
}

INSTANTIATE_TEST_SUITE_P(
    BothOrientations, TrackOrientation, testing::Values(suiHorizontal, suiVertical));

// Collects the regions the track bar is asked to repaint.
class PaintRegions : public QObject {
public:
    QList<QRegion> regions;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions << static_cast<QPaintEvent*>(event)->region();
        return false;
    }
};

TEST(TsuiTrackBar, DraggingRepaintsOnlyWhereTheThumbWasAndIs)
{
    QWidget window;
    window.resize(400, 100);
    auto t = track(suiHorizontal, &window);
    t->setBounds(QRect(0, 0, 300, 16));
    t->SetMax(1000);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    PaintRegions paints;
    t->installEventFilter(&paints);
    send(t.get(), QEvent::MouseButtonPress, QPoint(5, 8));
    ASSERT_TRUE(t->isDragging());
    for (int x = 6; x < 295; x += 3) {
        send(t.get(), QEvent::MouseMove, QPoint(x, 8));
        QCoreApplication::processEvents();
    }
    send(t.get(), QEvent::MouseButtonRelease, QPoint(295, 8), Qt::NoButton);
    EXPECT_GT(t->Position(), 950);
    ASSERT_FALSE(paints.regions.isEmpty());
    for (const QRegion& region : paints.regions)
        EXPECT_LE(region.boundingRect().width(), 2 * 11 + 6) << region.boundingRect().x();
}

TEST(TsuiTrackBar, ControlsShorterThanTheirThumbStillWork)
{
    for (int length : { 0, 1, 11 }) {
        auto t = track(suiHorizontal);
        t->setBounds(QRect(0, 0, length, 16));
        t->SetPosition(7);
        EXPECT_EQ(t->PointToPosition(QPoint(0, 8)), 0) << length;
        send(t.get(), QEvent::MouseButtonPress, QPoint(0, 8));
        send(t.get(), QEvent::MouseMove, QPoint(50, 8));
        send(t.get(), QEvent::MouseButtonRelease, QPoint(50, 8), Qt::NoButton);
        QImage image(QSize(std::max(length, 1), 16), QImage::Format_RGB32);
        QPainter painter(&image);
        t->PaintTrack(painter, QRect(QPoint(0, 0), t->size()));
        EXPECT_GE(t->Position(), 0);
        EXPECT_LE(t->Position(), 10);
    }
}

TEST(TsuiTrackBar, RangeWritesClampAndAnnounceOnlyRealChanges)
{
    auto t = track(suiHorizontal);
    int changes = 0;
    t->OnChange = [&](QObject*) { ++changes; };
    t->SetPosition(8);
    EXPECT_EQ(changes, 1);
    t->SetMax(5);
    EXPECT_EQ(t->Position(), 5);
    EXPECT_EQ(t->LastChange(), -3);
    EXPECT_EQ(changes, 2);
    t->SetPosition(5); // unchanged: no event
    t->SetPosition(99); // clamped to 5: no event
    EXPECT_EQ(changes, 2);
    t->SetMax(10);
    t->SetPosition(0);
    t->SetMin(20);
    EXPECT_EQ(t->Min(), 10);
    EXPECT_EQ(t->Position(), 10);
    t->SetMin(0);
    t->SetPageSize(11);
    EXPECT_EQ(t->PageSize(), 2);
    t->SetPageSize(10);
    EXPECT_EQ(t->PageSize(), 10);
    t->SetLineSize(-1);
    EXPECT_EQ(t->LineSize(), 1);
    t->SetMin(3);
    t->SetMax(3); // Max = Min: the thumb sits at the start
    EXPECT_EQ(t->SliderPlace().x(), 0);
}

TEST(TsuiTrackBar, KeysStepAndStopAtTheEnds)
{
    auto t = track(suiVertical);
    int changes = 0;
    t->OnChange = [&](QObject*) { ++changes; };
    QTest::keyClick(t.get(), Qt::Key_Up);
    QTest::keyClick(t.get(), Qt::Key_PageUp);
    EXPECT_EQ(t->Position(), 0);
    EXPECT_EQ(changes, 0);
    QTest::keyClick(t.get(), Qt::Key_Down);
    QTest::keyClick(t.get(), Qt::Key_Right);
    EXPECT_EQ(t->Position(), 2);
    QTest::keyClick(t.get(), Qt::Key_PageDown);
    EXPECT_EQ(t->Position(), 4);
    QTest::keyClick(t.get(), Qt::Key_End);
    QTest::keyClick(t.get(), Qt::Key_PageDown);
    QTest::keyClick(t.get(), Qt::Key_Down);
    EXPECT_EQ(t->Position(), 10);
    QTest::keyClick(t.get(), Qt::Key_Left);
    EXPECT_EQ(t->Position(), 9);
    QTest::keyClick(t.get(), Qt::Key_Home);
    EXPECT_EQ(t->Position(), 0);
    EXPECT_EQ(changes, 6);
    // Steps from the 32-bit ends clamp instead of wrapping.
    t->SetMax(IntMax);
    t->SetLineSize(IntMax);
    QTest::keyClick(t.get(), Qt::Key_End);
    QTest::keyClick(t.get(), Qt::Key_Down);
    EXPECT_EQ(t->Position(), IntMax);
}

TEST(TsuiTrackBar, AHandlerWritingPositionIsAnnouncedOnceMoreAndEnds)
{
    auto t = track(suiHorizontal);
    QList<int> seen;
    t->OnChange = [&](QObject*) {
        seen << t->Position();
        if (t->Position() < 10)
            t->SetPosition(10);
    };
    t->SetPosition(4);
    EXPECT_EQ(seen, QList<int>({ 4, 10 }));
    EXPECT_EQ(t->Position(), 10);
    EXPECT_EQ(t->LastChange(), 6);
}

TEST(TsuiTrackBar, TicksMarkMinEveryFrequencyAndMax)
{
    auto t = track(suiHorizontal);
    t->SetFrequency(3);
    const auto render = [&] {
        QImage image(t->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        t->PaintTrack(painter, image.rect());
        return image;
    };
    QImage image = render();
    const int bottom = image.height() - 1;
    for (int i = 0; i <= 10; ++i) {
        const int x = i * 189 / 10 + 5;
        const bool tick = i % 3 == 0 || i == 10;
        EXPECT_EQ(image.pixel(x, bottom) == 0xFF000000u, tick) << i;
        EXPECT_EQ(image.pixel(x, bottom - 3), 0xFFFFFFFFu) << i;
    }
    // A range of four billion values paints at once, a tick on every pixel of the free length.
    t->SetMax(IntMax);
    t->SetMin(IntMin);
    t->SetFrequency(1);
    image = render();
    for (int x = 5; x <= 194; ++x)
        ASSERT_EQ(image.pixel(x, bottom), 0xFF000000u) << x;
}

TEST(TsuiTrackBar, BarImagesComeFromTheThemeExceptOnTheScrollTrack)
{
    QImage bar(30, 4, QImage::Format_RGB32);
    bar.fill(Qt::red);
    TsuiTrackBar themed;
    themed.SetUIStyle(TsuiUIStyle::WinXP);
    const QImage theme = themed.BarImage();
    themed.SetBarImage(bar);
    EXPECT_EQ(themed.BarImage(), theme);
    EXPECT_FALSE(themed.Transparent());
    themed.SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_TRUE(themed.Transparent());
    themed.SetUIStyle(TsuiUIStyle::DeepBlue);
    EXPECT_TRUE(themed.Transparent());

    auto t = track(suiHorizontal);
    t->SetBarImage(bar);
    EXPECT_EQ(t->BarImage(), bar);
}

TEST(TsuiTrackBar, SettingsReadFromADescriptionFireNothing)
{
    RegisterSUIBarComponents();
    TrackTestForm form;
    QByteArray xml = R"(<form class="TrackTestForm" name="f">
  <object class="TsuiTrackBar" name="tbValue">
    <property name="Orientation">suiVertical</property>
    <property name="OnChange">tbChange</property>
    <property name="Max">50</property>
    <property name="Position">30</property>
    <property name="Min">40</property>
  </object>
  <object class="TsuiScrollBar" name="sbValue">
    <property name="OnChange">tbChange</property>
    <property name="Max">50</property>
    <property name="Position">30</property>
  </object>
  <object class="TsuiProgressBar" name="pbValue">
    <property name="Color">#102030</property>
    <property name="Position">75</property>
  </object>
</form>)";
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    readForm(&form, &buffer, "track.xml");
    auto* tb = form.findChild<TsuiTrackBar*>("tbValue");
    ASSERT_TRUE(tb);
    EXPECT_EQ(tb->Position(), 40);
    EXPECT_EQ(tb->Orientation(), suiVertical);
    auto* pb = form.findChild<TsuiProgressBar*>("pbValue");
    ASSERT_TRUE(pb);
    EXPECT_EQ(pb->Color(), TColor::fromRgb(0x10, 0x20, 0x30));
    EXPECT_EQ(pb->Caption(), "75%");
    EXPECT_TRUE(form.changes.isEmpty());
    tb->SetPosition(45);
    EXPECT_EQ(form.changes, QStringList({ "tbValue" }));
    EXPECT_EQ(tb->LastChange(), 5);
}

#include "SUITrackBarTest.moc"
