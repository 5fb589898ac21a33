// Check boxes and radio buttons: sizes from the font, state pictures, change events, keys,
// group exclusivity and loading from a description.
#include "framework/ComponentRegistry.h"
#include "framework/FormReader.h"
#include "framework/TForm.h"
#include "skin/controls/SUIButtonComponents.h"
#include "skin/controls/SUICheckBox.h"
#include "skin/controls/SUIRadioButton.h"
#include "skin/controls/SUIRadioGroup.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QBuffer>
#include <QCursor>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace SuiThemes;

class RadioTestForm : public TForm {
    Q_OBJECT
public:
    using TForm::TForm;
    Q_INVOKABLE void rbClick(QObject* Sender) { clicks << Sender->objectName(); }
    QStringList clicks;
};

namespace {

QImage render(const TsuiCheckBox& c)
{
    QImage image(c.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    c.PaintCheckBox(painter, image.rect());
    return image;
}

QImage frameOf(TsuiUIStyle style, int item, int number)
{
    QImage frame;
    GetInsideThemeBitmap(style, item, &frame, 4, number);
    return frame.convertToFormat(QImage::Format_RGB32);
}

// Whether `picture` shows at `at` in `image`, its key-colour pixels (when given) left out.
bool showsAt(const QImage& image, const QImage& picture, QPoint at, bool keyed)
{
    const QRgb key = picture.pixel(0, picture.height() - 1);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            if (keyed && picture.pixel(x, y) == key)
                continue;
            if (image.pixel(at + QPoint(x, y)) != picture.pixel(x, y))
                return false;
        }
    return true;
}

struct Shown {
    std::unique_ptr<QWidget> form = std::make_unique<QWidget>();
    Shown()
    {
        QCursor::setPos(QPoint(5000, 5000));
        form->resize(300, 200);
        form->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }
    template <typename T> T* add(const QString& caption, int group = 0, QPoint at = {})
    {
        auto* c = new T(form.get());
        c->SetCaption(caption);
        if constexpr (std::is_same_v<T, TsuiRadioButton>)
            c->SetGroupIndex(group);
        c->move(at);
        c->show();
        return c;
    }
};

} // namespace

TEST(TsuiRadioButton, MacOSAutoSizeFollowsTheFontMetrics)
{
    TsuiRadioButton rb;
    rb.SetUIStyle(TsuiUIStyle::MacOS);
    QFont font = rb.font();
    font.setPointSize(8);
    rb.setFont(font);
    const QFontMetrics m(font);
    const int th = m.height();
    for (const QString caption : { QString("Name"), QString("Category") }) {
        rb.SetCaption(caption);
        const int h = std::max(th + 2, 17) + 4;
        EXPECT_EQ(rb.size(), QSize(16 + m.horizontalAdvance(caption) + 8, h))
            << caption.toStdString();
        // The picture at (1, (H - 17) div 2), magenta left out; the caption from X = 20.
        const QImage image = render(rb);
        EXPECT_TRUE(showsAt(image, frameOf(TsuiUIStyle::MacOS, SuiItem::RadioButtonImage, 2),
            QPoint(1, (h - 17) / 2), true));
        for (int y = 0; y < h; ++y)
            for (int x = 17; x < 20; ++x)
                ASSERT_EQ(image.pixel(x, y), image.pixel(17, 0)) << x << "," << y;
    }
}

TEST(TsuiCheckBox, AutoSizeTakesThePictureAndCaptionAndStopsWhenSwitchedOff)
{
    TsuiCheckBox cb;
    cb.SetUIStyle(TsuiUIStyle::BlueGlass);
    cb.SetCaption("Remember");
    const QFontMetrics m(cb.font());
    EXPECT_EQ(cb.height(), std::max(m.height() + 2, 13) + 4);
    EXPECT_EQ(cb.width(), 13 + m.horizontalAdvance("Remember") + 8);
    cb.SetAutoSize(false);
    cb.resize(200, 40);
    cb.SetCaption("x");
    EXPECT_EQ(cb.size(), QSize(200, 40));
}

TEST(TsuiCheckBox, ADisabledCheckedBoxShowsFrameThreeAndItsCaptionInTheFontColour)
{
    TsuiCheckBox cb;
    cb.SetUIStyle(TsuiUIStyle::WinXP);
    QFont crisp = cb.font();
    crisp.setStyleStrategy(QFont::NoAntialias);
    cb.setFont(crisp);
    cb.SetCaption("Locked");
    cb.SetChecked(true);
    const QPoint at(1, (cb.height() - 13) / 2);
    EXPECT_TRUE(
        showsAt(render(cb), frameOf(TsuiUIStyle::WinXP, SuiItem::CheckBoxImage, 1), at, false));
    cb.setEnabled(false);
    const QImage image = render(cb);
    EXPECT_TRUE(showsAt(image, frameOf(TsuiUIStyle::WinXP, SuiItem::CheckBoxImage, 3), at, false));
    const QRgb fontColour = cb.palette().color(QPalette::Active, QPalette::WindowText).rgb();
    int inFontColour = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 17; x < image.width(); ++x)
            inFontColour += image.pixel(x, y) == fontColour;
    EXPECT_GT(inFontColour, 10);
    cb.SetChecked(false);
    EXPECT_EQ(cb.PictureIndex(), 4);
}

TEST(TsuiCheckBox, EveryChangeFiresOnceWhateverItsSourceAndGrayedUnchecks)
{
    TsuiCheckBox cb;
    int clicks = 0;
    cb.OnClick = [&](QObject* sender) {
        EXPECT_EQ(sender, &cb);
        ++clicks;
    };
    cb.SetChecked(true);
    cb.SetChecked(true);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(cb.State(), TsuiCheckBox::cbChecked);
    EXPECT_TRUE(cb.setProperty("State", "cbGrayed"));
    EXPECT_FALSE(cb.Checked());
    EXPECT_EQ(cb.State(), TsuiCheckBox::cbUnchecked);
    EXPECT_EQ(clicks, 2);
    cb.Click();
    EXPECT_TRUE(cb.Checked());
    EXPECT_EQ(clicks, 3);
}

TEST(TsuiCheckBox, SpaceAndEnterToggleOnReleaseRadioButtonsIgnoreThem)
{
    Shown shown;
    auto* cb = shown.add<TsuiCheckBox>("Box");
    auto* rb = shown.add<TsuiRadioButton>("Radio", 0, { 0, 40 });
    cb->setFocus();
    QTest::keyPress(cb, Qt::Key_Space);
    EXPECT_FALSE(cb->Checked());
    QTest::keyRelease(cb, Qt::Key_Space);
    EXPECT_TRUE(cb->Checked());
    QTest::keyClick(cb, Qt::Key_Return);
    EXPECT_FALSE(cb->Checked());
    rb->setFocus();
    QTest::keyClick(rb, Qt::Key_Space);
    QTest::keyClick(rb, Qt::Key_Return);
    EXPECT_FALSE(rb->Checked());
}

TEST(TsuiCheckBox, AcceleratorFocusesAndToggles)
{
    Shown shown;
    auto* edit = new QLineEdit(shown.form.get());
    edit->move(0, 100);
    edit->show();
    edit->setFocus();
    auto* cb = shown.add<TsuiCheckBox>("&Wrap");
    QTest::keyClick(edit, Qt::Key_W, Qt::AltModifier);
    EXPECT_TRUE(cb->Checked());
    EXPECT_TRUE(cb->hasFocus());
}

TEST(TsuiRadioButton, ClickingChecksItUnchecksItsGroupAndFiresOnlyOnTheNewOne)
{
    Shown shown;
    auto* a = shown.add<TsuiRadioButton>("A", 0, { 0, 0 });
    auto* b = shown.add<TsuiRadioButton>("B", 0, { 0, 30 });
    auto* c = shown.add<TsuiRadioButton>("C", 1, { 0, 60 });
    a->SetChecked(true);
    QStringList log;
    for (TsuiRadioButton* r : { a, b, c })
        r->OnClick = [&log](QObject* s) { log << static_cast<TsuiRadioButton*>(s)->Caption(); };

    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(b->Checked());
    // Another group of the same parent is independent.
    QTest::mouseClick(c, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(c->Checked());
    EXPECT_EQ(log, QStringList({ "B", "C" }));

    // Only a sibling or a write unchecks; that write fires nothing on a radio button.
    c->SetChecked(false);
    EXPECT_EQ(log, QStringList({ "B", "C" }));
}

TEST(TsuiRadioButton, MovingACheckedButtonIntoAnotherGroupKeepsOneCheckedThere)
{
    Shown shown;
    auto* a = shown.add<TsuiRadioButton>("A", 0);
    auto* b = shown.add<TsuiRadioButton>("B", 1);
    a->SetChecked(true);
    b->SetChecked(true);
    int clicks = 0;
    a->OnClick = [&](QObject*) { ++clicks; };
    b->OnClick = [&](QObject*) { ++clicks; };
    b->SetGroupIndex(0);
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_EQ(clicks, 0);
    // Deleted from its own handler: nothing else is touched.
    QPointer<TsuiRadioButton> gone = a;
    a->OnClick = [](QObject* s) { delete s; };
    QTest::mouseClick(a, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(gone.isNull());
    EXPECT_FALSE(b->Checked());
}

TEST(TsuiRadioButton, FocusFromARadioGroupItemChecksItFocusFromElsewhereDoesNot)
{
    Shown shown;
    auto* rb = shown.add<TsuiRadioButton>("Target");
    auto* edit = new QLineEdit(shown.form.get());
    // Focus arriving from a radio group's item selects a radio button.
    auto* group = new TsuiRadioGroup(shown.form.get());
    group->SetItems({ QStringLiteral("Item") });
    QWidget* item = group->Button(0);
    ASSERT_STREQ(item->metaObject()->className(), "TsuiRadioGroupButton");
    edit->show();
    group->show();
    int clicks = 0;
    rb->OnClick = [&](QObject*) { ++clicks; };
    edit->setFocus();
    rb->setFocus();
    EXPECT_FALSE(rb->Checked());
    item->setFocus();
    rb->setFocus();
    EXPECT_TRUE(rb->Checked());
    EXPECT_EQ(clicks, 1);
}

TEST(TsuiRadioButton, AFocusedButtonDestroyedHearsNothingOfTheFocusLeavingIt)
{
    // Run under UndefinedBehaviorSanitizer this fails when the button's focus watch outlives the
    // button: QWidget's destructor moves the focus after the radio button part is gone.
    Shown shown;
    auto* rb = shown.add<TsuiRadioButton>("Focused");
    auto* other = shown.add<TsuiRadioButton>("Other");
    rb->setFocus();
    ASSERT_TRUE(rb->hasFocus());
    delete rb;
    EXPECT_FALSE(other->Checked());
    other->setFocus();
    EXPECT_TRUE(other->hasFocus());
}

TEST(TsuiRadioButton, ValuesLoadedFromADescriptionFireNothing)
{
    RegisterSUIButtonComponents();
    RadioTestForm form;
    QByteArray xml = R"(<form class="RadioTestForm" name="f">
  <object class="TsuiRadioButton" name="rbName">
    <property name="UIStyle">MacOS</property>
    <property name="AutoSize">true</property>
    <property name="Checked">true</property>
    <property name="Caption">Name</property>
    <property name="TabStop">true</property>
    <property name="State">cbChecked</property>
    <property name="Transparent">false</property>
    <property name="OnClick">rbClick</property>
    <property name="GroupIndex">0</property>
  </object>
  <object class="TsuiRadioButton" name="rbCategory">
    <property name="UIStyle">MacOS</property>
    <property name="Checked">true</property>
    <property name="State">cbChecked</property>
    <property name="OnClick">rbClick</property>
  </object>
</form>)";
    QBuffer buffer(&xml);
    buffer.open(QIODevice::ReadOnly);
    readForm(&form, &buffer, "radio.xml");
    auto* name = form.findChild<TsuiRadioButton*>("rbName");
    auto* category = form.findChild<TsuiRadioButton*>("rbCategory");
    ASSERT_TRUE(name && category);
    EXPECT_EQ(name->UIStyle(), TsuiUIStyle::MacOS);
    // The later one loaded checked unchecked the earlier, silently.
    EXPECT_FALSE(name->Checked());
    EXPECT_TRUE(category->Checked());
    EXPECT_TRUE(form.clicks.isEmpty());
    name->SetChecked(true);
    EXPECT_EQ(form.clicks, QStringList({ "rbName" }));
}

TEST(TsuiCheckBox, TransparentShowsTheParentBeneathOpaqueFillsWithItsColour)
{
    QWidget parent;
    parent.resize(200, 60);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(200, 30, 40));
    parent.setPalette(palette);
    parent.setAutoFillBackground(true);
    auto* cb = new TsuiCheckBox(&parent);
    cb->move(20, 10);
    cb->SetUIStyle(TsuiUIStyle::DeepBlue);
    cb->SetCaption("Over");
    cb->setColor(QColor(10, 200, 30));
    // Right of the caption, nothing of the box's own is drawn.
    const QPoint empty(cb->width() - 2, 1);
    EXPECT_EQ(render(*cb).pixelColor(empty), QColor(10, 200, 30));
    cb->SetTransparent(true);
    EXPECT_EQ(render(*cb).pixelColor(empty), QColor(200, 30, 40));
}

#include "SUICheckBoxTest.moc"
