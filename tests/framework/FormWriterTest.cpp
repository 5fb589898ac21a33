#include "FormTestSupport.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/OrlendaException.h"
#include "framework/TImageList.h"
#include "framework/TRadioButton.h"
#include "framework/TImage.h"
#include "framework/TStatusBar.h"
#include "framework/TStatusPanel.h"
#include "framework/TTreeView.h"

#include <QMetaProperty>
#include <gtest/gtest.h>

namespace {

// Every published setting of `a` and `b`, compared by value; sub-objects and collections deeply,
// references by name.
void expectSameSettings(const QObject* a, const QObject* b, const QString& where)
{
    const QMetaObject* mo = a->metaObject();
    ASSERT_STREQ(mo->className(), b->metaObject()->className()) << where.toStdString();
    for (int i = 0; i < mo->propertyCount(); ++i) {
        const QMetaProperty p = mo->property(i);
        if (!p.isStored() || p.name()[0] < 'A' || p.name()[0] > 'Z')
            continue;
        const QString at = where + "." + p.name();
        const QVariant va = p.read(a);
        const QVariant vb = p.read(b);
        if (p.metaType().flags().testFlag(QMetaType::PointerToQObject)) {
            QObject* oa = va.value<QObject*>();
            QObject* ob = vb.value<QObject*>();
            ASSERT_EQ(oa == nullptr, ob == nullptr) << at.toStdString();
            if (!oa)
                continue;
            if (auto* ca = qobject_cast<TCollection*>(oa)) {
                auto* cb = qobject_cast<TCollection*>(ob);
                ASSERT_EQ(ca->Count(), cb->Count()) << at.toStdString();
                for (int k = 0; k < ca->Count(); ++k)
                    expectSameSettings(ca->Item(k), cb->Item(k), at + QString("[%1]").arg(k));
            } else if (Component::of(oa)) {
                EXPECT_EQ(oa->objectName(), ob->objectName()) << at.toStdString();
            } else {
                expectSameSettings(oa, ob, at);
            }
        } else if (p.metaType() == QMetaType::fromType<FormMethod>()) {
            EXPECT_EQ(va.value<FormMethod>().name(), vb.value<FormMethod>().name())
                << at.toStdString();
        } else if (p.metaType() == QMetaType::fromType<QImage>()) {
            EXPECT_EQ(va.value<QImage>().convertToFormat(QImage::Format_ARGB32),
                vb.value<QImage>().convertToFormat(QImage::Format_ARGB32))
                << at.toStdString();
        } else {
            EXPECT_EQ(va, vb) << at.toStdString() << " " << va.toString().toStdString() << " vs "
                              << vb.toString().toStdString();
        }
    }
}

void expectSameForms(const TForm& a, const TForm& b)
{
    expectSameSettings(&a, &b, "form");
    ASSERT_EQ(a.ComponentCount(), b.ComponentCount());
    for (int i = 0; i < a.ComponentCount(); ++i) {
        const QObject* ca = a.Components()[i]->Self();
        const QObject* cb = b.Components()[i]->Self();
        ASSERT_EQ(ca->objectName(), cb->objectName());
        ASSERT_EQ(ca->parent()->objectName(), cb->parent()->objectName())
            << ca->objectName().toStdString();
        expectSameSettings(ca, cb, ca->objectName());
    }
}

TEST(FormWriterTest, AWrittenFormReadsBackIntoTheSameState)
{
    QTemporaryDir dir;
    FormTest::registerTestClasses();
    QImage picture(5, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 5; ++x)
            picture.setPixel(x, y, qRgba(x * 40, y * 60, 200, 255 - x));

    TestForm original;
    readForm(&original, FormTest::writeFile(dir, "in.xml", R"(<form class="TestForm" name="fmMain">
  <property name="Caption">Round &lt;trip&gt; &amp; back</property>
  <property name="ClientWidth">500</property>
  <property name="ClientHeight">320</property>
  <property name="BorderIcons">[biSystemMenu,biMinimize]</property>
  <property name="Constraints.MinHeight">50</property>
  <property name="Font.Name">MS Sans Serif</property>
  <property name="Font.Height">-11</property>
  <property name="OnCreate">FormCreate</property>
  <object class="TPanel" name="pnlMain">
    <property name="Align">alLeft</property>
    <property name="Width">150</property>
    <property name="BevelOuter">bvLowered</property>
    <property name="Color">#E8E8E8</property>
    <property name="OnResize">ControlResize</property>
    <object class="TTreeView" name="tvValue">
      <property name="Align">alBottom</property>
      <property name="Height">100</property>
      <property name="Images">imgValue</property>
      <property name="Indent">27</property>
      <property name="BorderStyle">bsNone</property>
      <property name="OnChange">NodeChange</property>
    </object>
    <object class="TRadioButton" name="rbName">
      <property name="OnClick">ControlClick</property>
      <property name="Checked">true</property>
    </object>
  </object>
  <object class="TImage" name="imgTitle">
    <property name="Align">alClient</property>
    <property name="Stretch">true</property>
    <property name="Cursor">crHandPoint</property>
  </object>
  <object class="TStatusBar" name="sbMain">
    <property name="Panels"><item><property name="Text">a</property></item></property>
  </object>
  <object class="TImageList" name="imgValue"><property name="Width">20</property></object>
  <object class="RecordingComponent" name="rec"><property name="Beta">x"y</property></object>
</form>)"));
    original.findChild<TImage*>("imgTitle")->setPicture(picture);

    const QString written = dir.filePath("out.xml");
    writeForm(&original, written);
    TestForm copy;
    readForm(&copy, written);
    expectSameForms(original, copy);
    // A stored Checked is no click, whichever order the handler was stored in; docking after
    // the read is a real resize, and OnCreate comes last.
    EXPECT_EQ(original.log, QStringList({ "resize:pnlMain", "create:1:7" }));
    EXPECT_EQ(copy.log, QStringList({ "create:1:7" })) << "stored sizes are already docked";
    EXPECT_EQ(
        copy.findChild<TTreeView*>("tvValue")->Images(), copy.findChild<TImageList*>("imgValue"));
    EXPECT_EQ(copy.pnlMain->geometry(), original.pnlMain->geometry());

    // Writing the copy gives the same text: nothing is lost or invented on the way.
    EXPECT_EQ(formDescription(&copy), formDescription(&original));
}

TEST(FormWriterTest, AnUnwritableTargetIsReportedNotIgnored)
{
    TForm form;
    EXPECT_THROW(writeForm(&form, "/proc/no/such/dir/form.xml"), OrlendaException);
}

} // namespace
