// The themed edits: border pixels, the number edit's typing rules and reformatting, the spin
// edit's range and button placement, and edit masks in both notations.
#include "framework/ApplicationExceptions.h"
#include "framework/FormReader.h"
#include "framework/OrlendaException.h"
#include "framework/TColor.h"
#include "framework/TForm.h"
#include "skin/controls/SUIEdit.h"
#include "skin/controls/SUIEditComponents.h"
#include "skin/controls/SUIEditMask.h"
#include "skin/controls/SUIMaskEdit.h"
#include "skin/controls/SUINumberEdit.h"
#include "skin/controls/SUISpinButtons.h"
#include "skin/controls/SUISpinEdit.h"
#include "skin/styles/Suiresdef.h"

#include <QBuffer>
#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <gtest/gtest.h>

using namespace SuiThemes;

namespace {

// A window holding the control under test and a second edit to move the focus to.
struct Host {
    QWidget window;
    QLineEdit other { &window };
    Host()
    {
        window.resize(300, 100);
        other.setGeometry(0, 70, 100, 20);
    }
    void show()
    {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }
};

// Collects what the application's exception display would show.
struct Messages {
    QStringList shown;
    Messages()
    {
        ApplicationExceptions::setPresenter([this](const QString& m) { shown << m; });
    }
    ~Messages() { ApplicationExceptions::resetPresenter(); }
};

TEST(TsuiEdit, BorderIsAnOuterLineInTheThemeColourAndAnInnerLineInTheControlColour)
{
    QWidget window;
    auto* edit = new TsuiEdit(&window);
    edit->SetUIStyle(TsuiUIStyle::WinXP);
    edit->setColor(QColor(0xFF, 0xFF, 0xE0));
    edit->setGeometry(0, 0, 80, 22);
    edit->setText("Border");
    const QImage image = edit->grab().toImage();
    const QColor outer
        = TColor(GetInsideThemeColor(TsuiUIStyle::WinXP, SuiItem::ControlBorderColor)).toQColor();
    EXPECT_EQ(edit->BorderColor(), outer);
    for (QPoint p : { QPoint(0, 0), QPoint(79, 0), QPoint(0, 21), QPoint(79, 21), QPoint(40, 0),
             QPoint(0, 11) })
        EXPECT_EQ(image.pixelColor(p), outer) << p.x() << "," << p.y();
    for (QPoint p : { QPoint(1, 1), QPoint(78, 20), QPoint(40, 1), QPoint(78, 11) })
        EXPECT_EQ(image.pixelColor(p), QColor(0xFF, 0xFF, 0xE0)) << p.x() << "," << p.y();
    // The text area starts inside the frame.
    EXPECT_GE(edit->contentsRect().left(), TsuiEdit::BorderWidth);
    edit->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(edit->BorderColor(),
        TColor(GetInsideThemeColor(TsuiUIStyle::MacOS, SuiItem::ControlBorderColor)).toQColor());
}

TEST(TsuiNumberEdit, StartsAtZeroRightAlignedAndKeyboardFocusSelectsTheDecimals)
{
    Host host;
    auto* edit = new TsuiNumberEdit(&host.window);
    edit->setGeometry(0, 0, 100, 21);
    host.show();
    EXPECT_EQ(edit->text(), "0.00");
    EXPECT_TRUE(edit->alignment() & Qt::AlignRight);
    host.other.setFocus(Qt::TabFocusReason);
    edit->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(edit->selectedText(), "00");
    EXPECT_EQ(edit->selectionStart(), 2);
}

TEST(TsuiNumberEdit, TypedDigitsAndOneSeparatorGiveTheValueAndLeavingReformats)
{
    Host host;
    auto* edit = new TsuiNumberEdit(&host.window);
    host.show();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "");
    QTest::keyClicks(edit, "12.5");
    EXPECT_EQ(edit->text(), "12.5");
    EXPECT_DOUBLE_EQ(edit->Value(), 12.5);
    // A second separator, a letter and a minus with the default mask are all refused.
    QTest::keyClicks(edit, ".x-");
    EXPECT_EQ(edit->text(), "12.5");
    host.other.setFocus();
    EXPECT_EQ(edit->text(), "12.50");
    EXPECT_DOUBLE_EQ(edit->Value(), 12.5);
}

TEST(TsuiNumberEdit, MinusOnlyWithAMaskThatHasOneAndOnlyFirstAndOnce)
{
    Host host;
    auto* edit = new TsuiNumberEdit(&host.window);
    host.show();
    edit->setFocus();
    edit->SetMask("0.00;-0.00");
    edit->clear();
    QTest::keyClicks(edit, "3");
    QTest::keyClick(edit, Qt::Key_Minus); // caret at the end: refused
    EXPECT_EQ(edit->text(), "3");
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_EQ(edit->text(), "-3");
    edit->setCursorPosition(0);
    QTest::keyClick(edit, Qt::Key_Minus);
    EXPECT_EQ(edit->text(), "-3");
    host.other.setFocus();
    EXPECT_EQ(edit->text(), "-3.00");
    EXPECT_DOUBLE_EQ(edit->Value(), -3);
}

TEST(TsuiNumberEdit, IncompleteTextOnLeavingBecomesZero)
{
    Host host;
    auto* edit = new TsuiNumberEdit(&host.window);
    edit->SetMask("0.00;-0.00");
    edit->SetValue(4);
    host.show();
    for (const char* typed : { "-", ".", "" }) {
        edit->setFocus();
        edit->setText(typed);
        host.other.setFocus();
        EXPECT_EQ(edit->text(), "0.00") << typed;
        EXPECT_DOUBLE_EQ(edit->Value(), 0);
    }
}

TEST(TsuiNumberEdit, UnconvertibleTextRestoresTheLastValueAndRaisesTheConversionError)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    TsuiNumberEdit edit;
    edit.SetValue(7.25);
    try {
        edit.SetText("12abc");
        FAIL() << "no error";
    } catch (const OrlendaException& e) {
        EXPECT_EQ(e.message(), "'12abc' is not a valid floating point value");
    }
    EXPECT_EQ(edit.text(), "7.25");
    EXPECT_DOUBLE_EQ(edit.Value(), 7.25);
    // A number beyond a double is not taken as infinity.
    const QString huge = "1" + QString(400, u'0');
    EXPECT_THROW(edit.SetText(huge), OrlendaException);
    EXPECT_DOUBLE_EQ(edit.Value(), 7.25);
    EXPECT_THROW(edit.SetValue(std::numeric_limits<double>::infinity()), OrlendaException);
    EXPECT_EQ(edit.text(), "7.25");
    // Thousands separators are taken out before converting.
    edit.SetText("1,234.5");
    EXPECT_DOUBLE_EQ(edit.Value(), 1234.5);
}

TEST(TsuiNumberEdit, PastedLettersAreShownAsAnErrorAndTheTextComesBack)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Messages messages;
    Host host;
    auto* edit = new TsuiNumberEdit(&host.window);
    edit->SetValue(3.5);
    host.show();
    edit->setFocus();
    edit->selectAll();
    QGuiApplication::clipboard()->setText("letters");
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(messages.shown, QStringList { "'letters' is not a valid floating point value" });
    EXPECT_EQ(edit->text(), "3.50");
}

TEST(TsuiNumberEdit, CommaDecimalLocaleTypesAndFormatsWithTheComma)
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Host host;
    auto* edit = new TsuiNumberEdit(&host.window);
    host.show();
    edit->setFocus();
    edit->clear();
    QTest::keyClicks(edit, "1.2,5"); // "." is the grouping sign here: refused
    EXPECT_EQ(edit->text(), "12,5");
    EXPECT_DOUBLE_EQ(edit->Value(), 12.5);
    host.other.setFocus();
    EXPECT_EQ(edit->text(), "12,50");
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

TEST(TsuiSpinEdit, RangeClampsUnlessMinEqualsMaxAndLettersReadAsMin)
{
    Host host;
    auto* spin = new TsuiSpinEdit(&host.window);
    host.show();
    spin->setFocus();
    EXPECT_EQ(spin->text(), "0");
    spin->SetMinValue(0);
    spin->SetMaxValue(10);
    spin->SetValue(10);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 10);
    QTest::keyClick(spin, Qt::Key_Down);
    EXPECT_EQ(spin->Value(), 9);
    spin->SetMinValue(5);
    spin->SetMaxValue(5);
    spin->SetValue(10);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 11);
    // A range given min > max still limits, between the two.
    spin->SetMinValue(10);
    spin->SetMaxValue(0);
    spin->SetValue(50);
    EXPECT_EQ(spin->text(), "10");
    // Increment 0 leaves the value; the ends of int do not wrap.
    spin->SetIncrement(0);
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 10);
    spin->SetMinValue(0);
    spin->SetMaxValue(0);
    spin->SetIncrement(1);
    spin->SetValue(std::numeric_limits<int>::max());
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), std::numeric_limits<int>::max());

    spin->SetMinValue(3);
    spin->SetMaxValue(8);
    spin->setText("abc");
    EXPECT_EQ(spin->Value(), 3);
    host.other.setFocus();
    EXPECT_EQ(spin->text(), "3");
}

TEST(TsuiSpinEdit, KeystrokesFollowEditorEnabledAndReadOnlyBlocksTheButtons)
{
    Host host;
    auto* spin = new TsuiSpinEdit(&host.window);
    host.show();
    spin->setFocus();
    spin->clear();
    QTest::keyClicks(spin, "4a2");
    EXPECT_EQ(spin->text(), "42");
    spin->SetEditorEnabled(false);
    QTest::keyClicks(spin, "7");
    QTest::keyClick(spin, Qt::Key_Backspace);
    EXPECT_EQ(spin->text(), "42");
    QTest::keyClick(spin, Qt::Key_Up);
    EXPECT_EQ(spin->Value(), 43);
    QGuiApplication::clipboard()->setText("99");
    QTest::keyClick(spin, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(spin->text(), "43");
    spin->SetEditorEnabled(true);
    spin->setReadOnly(true);
    QTest::mouseClick(spin->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 43);
    spin->setReadOnly(false);
    QTest::mouseClick(spin->Button()->UpButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 44);
    QTest::mouseClick(spin->Button()->DownButton(), Qt::LeftButton);
    EXPECT_EQ(spin->Value(), 43);
}

TEST(TsuiSpinEdit, ButtonsSitInsideTheBorderOnTheRightAfterEveryResize)
{
    QWidget window;
    auto* spin = new TsuiSpinEdit(&window);
    window.show();
    for (QSize size : { QSize(121, 21), QSize(60, 30), QSize(200, 18) }) {
        spin->resize(size);
        const QRect buttons = spin->Button()->geometry();
        EXPECT_EQ(buttons, QRect(size.width() - 15 - 2, 2, 15, size.height() - 4));
        // The text ends 2 pixels left of the buttons.
        EXPECT_EQ(spin->contentsRect().right() - spin->textMargins().right(), buttons.left() - 3);
    }
    // Very long text scrolls inside its area; it is kept whole.
    const QString longText(5000, u'7');
    spin->setText(longText);
    EXPECT_EQ(spin->text(), longText);
}

TEST(TsuiSpinButtons, NarrowWidthIsWidenedAndTheButtonsOverlapByOnePixel)
{
    TsuiSpinButtons buttons;
    buttons.setBounds(QRect(0, 0, 10, 25));
    EXPECT_EQ(buttons.width(), 15);
    EXPECT_EQ(buttons.UpButton()->geometry(), QRect(0, 0, 15, 13));
    EXPECT_EQ(buttons.DownButton()->geometry(), QRect(0, 12, 15, 13));
    buttons.setBounds(QRect(0, 0, 20, 40));
    EXPECT_EQ(buttons.UpButton()->geometry(), QRect(0, 0, 20, 21));
    EXPECT_EQ(buttons.DownButton()->geometry(), QRect(0, 20, 20, 20));
    int ups = 0;
    int downs = 0;
    buttons.OnUpClick = [&](QObject* sender) { ups += sender == &buttons; };
    buttons.OnDownClick = [&](QObject* sender) { downs += sender == &buttons; };
    QTest::keyClick(&buttons, Qt::Key_Up);
    QTest::keyClick(&buttons, Qt::Key_Down);
    QTest::keyClick(&buttons, Qt::Key_Down);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(downs, 2);
    buttons.SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(buttons.DownButton()->UIStyle(), TsuiUIStyle::Protein);
}

TEST(TsuiMaskEdit, TranslatesTheNotationWhereTheMeaningsDiffer)
{
    // "0" required and "9" optional digits are the other way round in Qt's notation; letters that
    // are codes in Qt's are plain here.
    const SuiEditMask phone = TranslateEditMask("!\\(999\\) 000-0000;1;_");
    EXPECT_EQ(phone.inputMask, "(000) 999-9999;_");
    EXPECT_TRUE(phone.saveLiterals);
    const SuiEditMask code = TranslateEditMask("NX-Dd>LL<>cC;0;*");
    EXPECT_EQ(code.inputMask, "\\N\\X-\\D\\d>LL!xX;*");
    EXPECT_FALSE(code.saveLiterals);
    EXPECT_EQ(code.blank, u'*');
    EXPECT_EQ(
        code.literal, (QVector<bool> { true, true, true, true, true, false, false, false, false }));
    EXPECT_EQ(TranslateEditMask("00_00").inputMask, "99 99;_");

    for (const char* bad : { "000\\", "000;2;_", "000;1;ab", "<>!", "0_0;1; " }) {
        try {
            TranslateEditMask(bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const OrlendaException& e) {
            EXPECT_TRUE(e.message().startsWith("Invalid edit mask '")) << e.message().toStdString();
        }
    }
}

TEST(TsuiMaskEdit, TextKeepsOrLeavesTheLiteralsAndABadMaskKeepsTheOldOne)
{
    TsuiMaskEdit edit;
    edit.SetEditMask("000-000;1;_");
    edit.SetText("123456");
    EXPECT_EQ(edit.text(), "123-456");
    EXPECT_EQ(edit.Text(), "123-456");
    edit.SetEditMask("000-000;0;_");
    EXPECT_EQ(edit.Text(), "123456");
    edit.SetText("98");
    EXPECT_EQ(edit.displayText(), "98_-___");
    EXPECT_THROW(edit.SetEditMask("00\\"), OrlendaException);
    EXPECT_EQ(edit.EditMask(), "000-000;0;_");
    EXPECT_EQ(edit.Text(), "98");
    // Letters in a digit mask are dropped, not a crash.
    edit.SetText("ab");
    EXPECT_EQ(edit.Text(), "");
}

TEST(TsuiEditComponents, EditsAreBuiltFromADescriptionWithoutTheirSpinButtons)
{
    RegisterSUIEditComponents();
    TForm form;
    QByteArray xml = R"(<form class="TForm" name="f">
  <object class="TsuiNumberEdit" name="price">
    <property name="UIStyle">WinXP</property>
    <property name="Mask">#,##0.00</property>
    <property name="Value">1234.5</property>
  </object>
  <object class="TsuiSpinEdit" name="count">
    <property name="MaxValue">9</property>
    <property name="Value">20</property>
  </object>
  <object class="TsuiMaskEdit" name="zip">
    <property name="EditMask">00000;0;_</property>
    <property name="Text">12345</property>
  </object>
</form>)";
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    readForm(&form, &buffer, "edits.xml");
    auto* price = form.findChild<TsuiNumberEdit*>("price");
    auto* count = form.findChild<TsuiSpinEdit*>("count");
    auto* zip = form.findChild<TsuiMaskEdit*>("zip");
    ASSERT_TRUE(price && count && zip);
    EXPECT_EQ(price->text(), "1,234.50");
    EXPECT_EQ(price->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(count->text(), "9");
    EXPECT_EQ(zip->Text(), "12345");
}

} // namespace
