// Check and radio groups: the column arithmetic, rebuilding from Items, ItemIndex, change events
// by click, key and program (and none while loading), focus movement and the style of the items.
#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/OrlendaException.h"
#include "framework/TForm.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUICheckGroup.h"
#include "skin/controls/SUIPanelComponents.h"
#include "skin/controls/SUIRadioGroup.h"

#include <QBuffer>
#include <QCursor>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace SuiThemes;

class GroupTestForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    Q_INVOKABLE void grpClick(QObject* Sender) { clicks << Sender->objectName(); }
    QStringList clicks;
};

namespace {

QStringList lines(int n)
{
    QStringList items;
    for (int i = 0; i < n; ++i)
        items << QStringLiteral("Item %1").arg(i + 1);
    return items;
}

template <typename Group> std::unique_ptr<Group> group11(int count, int columns = 1)
{
    auto g = std::make_unique<Group>();
    g->fontObject()->setHeight(-11);
    g->SetItems(lines(count));
    g->SetColumns(columns);
    return g;
}

QList<QPoint> positions(const TsuiCheckGroup& g)
{
    QList<QPoint> at;
    for (int i = 0; i < g.ButtonCount(); ++i)
        at << g.Button(i)->pos();
    return at;
}

struct ShownGroup {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    TsuiRadioGroup* radio = new TsuiRadioGroup(window.get());
    TsuiCheckGroup* check = new TsuiCheckGroup(window.get());
    ShownGroup()
    {
        QCursor::setPos(QPoint(5000, 5000));
        window->resize(400, 150);
        radio->move(0, 0);
        check->move(200, 0);
        radio->SetItems(lines(3));
        check->SetItems(lines(3));
        window->show();
        window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

} // namespace

TEST(TsuiCheckGroup, ColumnArithmeticPlacesTheItemsColumnByColumn)
{
    auto three = group11<TsuiCheckGroup>(3);
    EXPECT_EQ(positions(*three), QList<QPoint>({ { 8, 19 }, { 8, 47 }, { 8, 75 } }));
    auto five = group11<TsuiCheckGroup>(5, 2);
    EXPECT_EQ(positions(*five),
        QList<QPoint>({ { 8, 19 }, { 8, 47 }, { 8, 75 }, { 95, 19 }, { 95, 47 } }));
    // Uneven: the last column is short, and leftover row height centres the rows.
    auto seven = group11<TsuiCheckGroup>(7, 3);
    EXPECT_EQ(positions(*seven).last(), QPoint(124, 19));
    EXPECT_EQ(positions(*seven)[5], QPoint(66, 75));
    auto fiveRows = group11<TsuiCheckGroup>(5);
    EXPECT_EQ(positions(*fiveRows),
        QList<QPoint>({ { 8, 21 }, { 8, 37 }, { 8, 53 }, { 8, 69 }, { 8, 85 } }));
    // More columns than lines: one row.
    auto wide = group11<TsuiCheckGroup>(2, 4);
    EXPECT_EQ(positions(*wide), QList<QPoint>({ { 8, 19 }, { 51, 19 } }));
}

TEST(TsuiCheckGroup, ColumnsAndMarginsBelowTheirRangeAreIgnoredAndResizingRearranges)
{
    auto g = group11<TsuiCheckGroup>(5, 2);
    g->SetColumns(0);
    g->SetColumns(-3);
    g->SetTopMargin(-1);
    EXPECT_EQ(g->Columns(), 2);
    EXPECT_EQ(g->TopMargin(), 8);
    g->SetTopMargin(0);
    EXPECT_EQ(g->Button(0)->pos(), QPoint(8, 12));
    g->setWidth(285);
    EXPECT_EQ(g->Button(3)->pos().x(), 8 + 275 / 2);
    // Resized to nothing: positions still computed, nothing divides by zero.
    g->setBounds(QRect(0, 0, 0, 0));
    EXPECT_EQ(g->ButtonCount(), 5);
    g->SetColumns(1);
    g->setBounds(QRect(0, 0, 1, 1));
    EXPECT_EQ(g->Button(4)->pos().x(), 8);
}

TEST(TsuiCheckGroup, RebuildingKeepsTheRemainingButtonsAndTheirStates)
{
    auto g = group11<TsuiCheckGroup>(4);
    QPointer<TsuiCheckBox> first = g->Button(0);
    QPointer<TsuiCheckBox> last = g->Button(3);
    g->SetChecked(0, true);
    g->SetChecked(3, true);
    g->SetItems({ QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C") });
    EXPECT_TRUE(last.isNull());
    EXPECT_EQ(g->Button(0), first.data());
    EXPECT_TRUE(g->GetChecked(0));
    EXPECT_EQ(first->Caption(), QStringLiteral("A"));
    g->SetItems(lines(5));
    EXPECT_EQ(g->ButtonCount(), 5);
    EXPECT_FALSE(g->GetChecked(4));
    EXPECT_TRUE(g->GetChecked(0));
    // Empty: no buttons, nothing arranged, nothing fails.
    g->SetItems({});
    EXPECT_EQ(g->ButtonCount(), 0);
    EXPECT_FALSE(g->GetChecked(0));
    EXPECT_FALSE(g->GetItemEnabled(0));
    EXPECT_THROW(g->SetChecked(0, true), OrlendaException);
    EXPECT_THROW(g->SetItemEnabled(-1, true), OrlendaException);
}

TEST(TsuiCheckGroup, AHugeListIsBuiltAndArranged)
{
    // On a form, as groups are: the items' owner lookup then sees the form's few children.
    QWidget form;
    auto g = group11<TsuiCheckGroup>(0);
    g->setParent(&form);
    g->SetColumns(7);
    g->SetItems(lines(3000));
    EXPECT_EQ(g->ButtonCount(), 3000);
    EXPECT_EQ(g->Button(2999)->pos().x(), 6 * ((185 - 10) / 7) + 8);
    g->SetItems(lines(10));
    EXPECT_EQ(g->ButtonCount(), 10);
    g.release(); // the form deletes it
}

TEST(TsuiCheckGroup, ItemsAreNotComponentsOfTheForm)
{
    TForm form;
    auto* g = new TsuiCheckGroup(&form);
    g->SetItems(lines(3));
    for (const Component* c : Component::of(&form)->Components())
        EXPECT_EQ(c->Self(), g);
    EXPECT_EQ(Component::of(g)->ComponentCount(), 3);
}

TEST(TsuiRadioGroup, ItemIndexChecksOneItemAndIgnoresOutOfRange)
{
    auto g = group11<TsuiRadioGroup>(4);
    QList<QObject*> senders;
    g->OnClick = [&](QObject* s) { senders << s; };
    EXPECT_EQ(g->ItemIndex(), -1);
    g->SetItemIndex(2);
    EXPECT_EQ(g->ItemIndex(), 2);
    EXPECT_EQ(senders, QList<QObject*>({ g.get() }));
    g->SetItemIndex(1);
    EXPECT_FALSE(g->GetChecked(2));
    EXPECT_EQ(senders.size(), 2);
    g->SetItemIndex(1);
    g->SetItemIndex(4);
    g->SetItemIndex(-2);
    EXPECT_EQ(g->ItemIndex(), 1);
    EXPECT_EQ(senders.size(), 2);
    g->SetItemIndex(-1);
    EXPECT_EQ(g->ItemIndex(), -1);
    for (int i = 0; i < 4; ++i)
        EXPECT_FALSE(g->GetChecked(i));
    // Removing the checked line leaves none checked; adding lines keeps the checked one.
    g->SetItemIndex(3);
    g->SetItems(lines(3));
    EXPECT_EQ(g->ItemIndex(), -1);
    g->SetItemIndex(0);
    g->SetItems(lines(6));
    EXPECT_EQ(g->ItemIndex(), 0);
    g->SetItemIndex(5);
    EXPECT_EQ(g->ItemIndex(), 5);
    EXPECT_FALSE(g->GetChecked(0));
}

TEST(TsuiRadioGroup, ClickingAnotherItemFiresOnceClickingTheCheckedOneNothing)
{
    ShownGroup shown;
    QList<QObject*> senders;
    shown.radio->OnClick = [&](QObject* s) { senders << s; };
    shown.radio->SetItemIndex(0);
    senders.clear();
    QTest::mouseClick(shown.radio->Button(0), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_TRUE(senders.isEmpty());
    QTest::mouseClick(shown.radio->Button(2), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(senders, QList<QObject*>({ shown.radio }));
    EXPECT_EQ(shown.radio->ItemIndex(), 2);
}

TEST(TsuiCheckGroup, TogglingAnItemByClickKeyOrProgramFiresTheGroupOnce)
{
    ShownGroup shown;
    int clicks = 0;
    shown.check->OnClick = [&](QObject* s) { clicks += s == shown.check; };
    QTest::mouseClick(shown.check->Button(1), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(shown.check->GetChecked(1));
    QTest::keyClick(shown.check->Button(1), Qt::Key_Space);
    EXPECT_EQ(clicks, 2);
    EXPECT_FALSE(shown.check->GetChecked(1));
    shown.check->SetChecked(2, true);
    EXPECT_EQ(clicks, 3);
    // Arrows move the focus between items without toggling them.
    QTest::keyClick(shown.check->Button(1), Qt::Key_Down);
    EXPECT_TRUE(shown.check->Button(2)->hasFocus());
    QTest::keyClick(shown.check->Button(2), Qt::Key_Down);
    EXPECT_TRUE(shown.check->Button(0)->hasFocus());
    EXPECT_EQ(clicks, 3);
    // A click on the group's own area is a change too.
    QTest::mouseClick(shown.check, Qt::LeftButton, {}, QPoint(180, 100));
    EXPECT_EQ(clicks, 4);
}

TEST(TsuiRadioGroup, ArrowKeysMoveTheFocusAndCheckTheItemReached)
{
    ShownGroup shown;
    shown.radio->SetItemIndex(0);
    int clicks = 0;
    shown.radio->OnClick = [&](QObject*) { ++clicks; };
    // Focus on a check group goes on to its first item, on a radio group to the checked one.
    shown.check->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(shown.check->Button(0)->hasFocus());
    shown.radio->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(shown.radio->Button(0)->hasFocus());
    QTest::keyClick(shown.radio->Button(0), Qt::Key_Down);
    EXPECT_EQ(shown.radio->ItemIndex(), 1);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(shown.radio->Button(1), Qt::Key_Up);
    QTest::keyClick(shown.radio->Button(0), Qt::Key_Up);
    EXPECT_EQ(shown.radio->ItemIndex(), 2);
    EXPECT_EQ(clicks, 3);
    // Space does nothing to a radio item.
    QTest::keyClick(shown.radio->Button(2), Qt::Key_Space);
    EXPECT_EQ(clicks, 3);
}

TEST(TsuiRadioGroup, ItemsChangedFromInsideTheChangeHandlerAreSound)
{
    ShownGroup shown;
    QPointer<TsuiCheckBox> clicked = shown.radio->Button(1);
    shown.radio->OnClick = [&](QObject*) { shown.radio->SetItems({ QStringLiteral("Only") }); };
    QTest::mouseClick(clicked, Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(shown.radio->ButtonCount(), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return clicked.isNull(); }, 1000));
    int checks = 0;
    shown.check->OnClick = [&](QObject*) {
        ++checks;
        shown.check->SetItems(lines(shown.check->ButtonCount() + 1));
    };
    QTest::mouseClick(shown.check->Button(0), Qt::LeftButton, {}, QPoint(4, 4));
    EXPECT_EQ(checks, 1);
    EXPECT_EQ(shown.check->ButtonCount(), 4);
}

TEST(TsuiCheckGroup, StyleFontTransparencyAndCursorGoToEveryItem)
{
    auto g = group11<TsuiRadioGroup>(3);
    g->SetUIStyle(TsuiUIStyle::WinXP);
    g->SetTransparent(true);
    g->SetItemCursor(ControlTypes::TCursor::crHandPoint);
    g->SetItems(lines(5));
    for (int i = 0; i < 5; ++i) {
        const TsuiCheckBox* b = g->Button(i);
        EXPECT_EQ(b->UIStyle(), TsuiUIStyle::WinXP) << i;
        EXPECT_EQ(b->fontObject()->Color(), QColor(2, 70, 207)) << i;
        EXPECT_TRUE(b->Transparent()) << i;
        EXPECT_EQ(b->cursorKind(), ControlTypes::TCursor::crHandPoint) << i;
    }
    EXPECT_EQ(g->cursorKind(), ControlTypes::TCursor::crDefault);
    g->fontObject()->setHeight(-15);
    EXPECT_EQ(g->Button(4)->fontObject()->Height(), -15);
    g->setProperty("UIStyle", QVariant::fromValue(TsuiUIStyle::Protein));
    EXPECT_EQ(g->Button(4)->UIStyle(), TsuiUIStyle::Protein);
}

TEST(TsuiRadioGroup, LoadingFromADescriptionFiresNothingAndTheItemsRoundTrip)
{
    RegisterSUIPanelComponents();
    GroupTestForm form;
    QByteArray xml = R"(<form class="GroupTestForm" name="f">
  <object class="TsuiRadioGroup" name="rgView">
    <property name="Caption">View</property>
    <property name="OnClick">grpClick</property>
    <property name="Items"><string>By &amp;name</string><string>By category</string><string></string></property>
    <property name="Columns">2</property>
    <property name="ItemIndex">1</property>
  </object>
  <object class="TsuiCheckGroup" name="cgShow">
    <property name="OnClick">grpClick</property>
    <property name="Items"><string>One</string></property>
  </object>
</form>)";
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    readForm(&form, &buffer, QStringLiteral("groups.xml"));
    auto* radio = form.findChild<TsuiRadioGroup*>(QStringLiteral("rgView"));
    ASSERT_TRUE(radio);
    EXPECT_EQ(radio->Items(),
        QStringList({ QStringLiteral("By &name"), QStringLiteral("By category"), QString() }));
    EXPECT_EQ(radio->ItemIndex(), 1);
    EXPECT_TRUE(form.clicks.isEmpty());
    radio->SetItemIndex(0);
    EXPECT_EQ(form.clicks, QStringList({ QStringLiteral("rgView") }));

    const QByteArray written = formDescription(&form);
    EXPECT_FALSE(written.contains("TsuiRadioGroupButton")) << written.constData();
    EXPECT_FALSE(written.contains("TsuiCheckGroupButton"));
    GroupTestForm copy;
    QBuffer again;
    again.setData(written);
    again.open(QIODevice::ReadOnly);
    readForm(&copy, &again, QStringLiteral("copy.xml"));
    auto* loaded = copy.findChild<TsuiRadioGroup*>(QStringLiteral("rgView"));
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->Items(), radio->Items());
    EXPECT_EQ(loaded->ItemIndex(), 0);
    EXPECT_EQ(loaded->Columns(), 2);
    EXPECT_EQ(loaded->GroupCaption(), QStringLiteral("View"));
    EXPECT_TRUE(copy.clicks.isEmpty());
}

TEST(TsuiRadioGroup, TabEntersAtTheCheckedItemAndShiftTabLeavesPastTheGroup)
{
    QWidget window;
    auto* before = new QLineEdit(&window);
    auto* group = new TsuiRadioGroup(&window);
    auto* after = new QLineEdit(&window);
    group->move(0, 30);
    after->move(0, 150);
    group->SetItems(lines(3));
    group->SetItemIndex(1);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_TRUE(group->Button(1)->hasFocus());
    QTest::keyClick(group->Button(1), Qt::Key_Tab);
    EXPECT_TRUE(after->hasFocus());
    QTest::keyClick(after, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(group->Button(1)->hasFocus());
    QTest::keyClick(group->Button(1), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_TRUE(before->hasFocus());
    EXPECT_EQ(group->ItemIndex(), 1);
}

#include "SUICheckGroupTest.moc"
