// Skinned scroll bars on standard scroll areas: the skin's sizes and pictures, the toolkit's
// scrolling.
#include "skin/controls/SUIScrollBarStyle.h"
#include "skin/styles/Suiresdef.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleOptionSlider>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

struct Area {
    QPlainTextEdit edit;
    Area(TsuiUIStyle style)
    {
        edit.resize(200, 200);
        QStringList lines;
        for (int i = 0; i < 300; ++i)
            lines << QString(120, QLatin1Char('x'));
        edit.setLineWrapMode(QPlainTextEdit::NoWrap);
        edit.setPlainText(lines.join(QLatin1Char('\n')));
        SuiScrollBarStyle::applyTo(&edit, style);
        edit.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&edit));
    }
};

QStyleOptionSlider optionOf(QScrollBar* bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = bar->orientation();
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.pageStep = bar->pageStep();
    option.singleStep = bar->singleStep();
    option.upsideDown = false;
    option.subControls = QStyle::SC_All;
    return option;
}

} // namespace

TEST(SuiScrollBarStyle, BarsTakeTheArrowPicturesSizesAndDrawThem)
{
    Area area(TsuiUIStyle::MacOS);
    QScrollBar* v = area.edit.verticalScrollBar();
    EXPECT_EQ(v->width(), 16);
    const QStyleOptionSlider option = optionOf(v);
    const QRect up
        = v->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, v);
    const QRect down
        = v->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, v);
    EXPECT_EQ(up, QRect(0, 0, 16, 22));
    EXPECT_EQ(down, QRect(0, v->height() - 22, 16, 22));
    const QImage shown = v->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QImage arrow;
    GetInsideThemeBitmap(
        TsuiUIStyle::MacOS, SuiThemes::SuiItem::ScrollBarButtonImage, &arrow, 6, 1);
    EXPECT_EQ(shown.copy(up), arrow.convertToFormat(QImage::Format_RGB32));
    QScrollBar* h = area.edit.horizontalScrollBar();
    EXPECT_EQ(h->height(), 16);
}

TEST(SuiScrollBarStyle, WheelKeysAndArrowClicksScrollAsBefore)
{
    Area area(TsuiUIStyle::BlueGlass);
    QScrollBar* v = area.edit.verticalScrollBar();
    ASSERT_GT(v->maximum(), 0);
    const QPoint centre = area.edit.viewport()->rect().center();
    QWheelEvent wheel(centre, area.edit.viewport()->mapToGlobal(centre), QPoint(), QPoint(0, -120),
        Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(area.edit.viewport(), &wheel);
    EXPECT_GT(v->value(), 0);
    const int afterWheel = v->value();
    QTest::keyClick(&area.edit, Qt::Key_PageDown);
    EXPECT_GT(v->value(), afterWheel);
    const int afterKey = v->value();
    QTest::mouseClick(v, Qt::LeftButton, {}, QPoint(8, v->height() - 4));
    EXPECT_EQ(v->value(), afterKey + v->singleStep());
}
