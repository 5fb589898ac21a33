#include "FormTestSupport.h"

#include "framework/ApplicationExceptions.h"
#include "framework/FormDescriptionError.h"
#include "framework/FormReader.h"
#include "framework/TImage.h"
#include "framework/TImageList.h"
#include "framework/TLabel.h"
#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"
#include "framework/TStatusBar.h"
#include "framework/TStatusPanel.h"
#include "framework/TTreeView.h"

#include <QBuffer>
#include <QImage>
#include <QMenuBar>
#include <gtest/gtest.h>

using namespace ControlTypes;

namespace {

class FormReaderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        FormTest::registerTestClasses();
        ApplicationExceptions::setPresenter([this](const QString& m) { shown << m; });
    }
    void TearDown() override { ApplicationExceptions::resetPresenter(); }

    QString file(const QByteArray& xml) { return FormTest::writeFile(dir, "Form.xml", xml); }

    QTemporaryDir dir;
    QStringList shown;
};

TEST_F(FormReaderTest, BuildsComponentsByClassInsideTheirContainersAndOwnedByTheForm)
{
    TestForm form;
    readForm(&form, file(R"(<?xml version="1.0"?>
<form class="TestForm" name="fmTest">
  <object class="TPanel" name="pnlMain">
    <object class="TLabel" name="lblName"><property name="Caption">&amp;Name</property></object>
    <object class="TImageList" name="imgTree"/>
  </object>
  <object class="TMainMenu" name="mnuMain">
    <object class="TMenuItem" name="miFile">
      <object class="TMenuItem" name="miFileExit"/>
    </object>
  </object>
</form>)"));

    EXPECT_EQ(form.objectName(), "fmTest");
    auto* panel = form.findChild<TPanel*>("pnlMain");
    auto* label = form.findChild<TLabel*>("lblName");
    auto* images = form.findChild<TImageList*>("imgTree");
    auto* exit = form.findChild<TMenuItem*>("miFileExit");
    ASSERT_TRUE(panel && label && images && exit);
    EXPECT_EQ(label->parentWidget(), panel);
    // A non-visual component inside a control still belongs to the form.
    EXPECT_EQ(images->parent(), &form);
    EXPECT_EQ(exit->Parent()->objectName(), "miFile");
    EXPECT_EQ(exit->Parent()->parent()->objectName(), "mnuMain");
    for (QObject* o : { static_cast<QObject*>(panel), static_cast<QObject*>(label),
             static_cast<QObject*>(images), static_cast<QObject*>(exit) })
        EXPECT_EQ(Component::of(o)->Owner(), &form) << o->objectName().toStdString();
    EXPECT_EQ(form.ComponentCount(), 6);
    EXPECT_EQ(form.pnlMain, panel) << "a field named like a component receives it";
    EXPECT_EQ(label->text(), "Name");
}

TEST_F(FormReaderTest, AssignsSettingsInStoredOrderAndResolvesReferencesAfterAllExist)
{
    TestForm form;
    readForm(&form, file(R"(<form class="TForm" name="f">
  <object class="RecordingComponent" name="first">
    <property name="Beta">one</property>
    <property name="Buddy">second</property>
    <property name="Alpha">-7</property>
    <property name="Beta">two</property>
  </object>
  <object class="RecordingComponent" name="second"><property name="Alpha">3</property></object>
</form>)"));
    auto* first = form.findChild<RecordingComponent*>("first");
    auto* second = form.findChild<RecordingComponent*>("second");
    ASSERT_TRUE(first && second);
    // The reference waits until "second" exists, then Loaded follows all settings.
    EXPECT_EQ(first->assigned,
        QStringList({ "Beta=one", "Alpha=-7", "Beta=two", "Buddy=second", "Loaded" }));
    EXPECT_EQ(first->Buddy(), second);
    EXPECT_EQ(first->Alpha(), -7);
}

TEST_F(FormReaderTest, ReadsEnumerationsSetsColoursNestedPropertiesAndHandlers)
{
    TestForm form;
    readForm(&form, file(R"(<form class="TestForm" name="fmMain">
  <property name="Caption">Orlenda System Value Reference</property>
  <property name="ClientWidth">300</property>
  <property name="ClientHeight">200</property>
  <property name="Position">poScreenCenter</property>
  <property name="BorderIcons">[biSystemMenu,biMinimize]</property>
  <property name="Constraints.MinWidth">270</property>
  <property name="Font.Name">Tahoma</property>
  <property name="Font.Height">-11</property>
  <property name="Font.Style">[fsBold]</property>
  <property name="Color">clBtnFace</property>
  <property name="Scaled">false</property>
  <property name="OnCreate">FormCreate</property>
  <object class="TPanel" name="pnlMain">
    <property name="Align">alLeft</property>
    <property name="Width">120</property>
    <property name="BevelOuter">bvLowered</property>
    <property name="Color">#E8E8E8</property>
    <property name="Cursor">crHandPoint</property>
    <property name="OnClick">ControlClick</property>
  </object>
</form>)"));
    EXPECT_EQ(form.Caption(), "Orlenda System Value Reference");
    EXPECT_EQ(form.ClientWidth(), 300);
    EXPECT_EQ(form.ClientHeight(), 200);
    EXPECT_EQ(form.Position(), TPosition::poScreenCenter);
    EXPECT_EQ(form.BorderIcons(), biSystemMenu | biMinimize);
    EXPECT_EQ(form.minimumWidth(), 270);
    EXPECT_EQ(form.fontObject()->Name(), "Tahoma");
    EXPECT_EQ(form.fontObject()->Height(), -11);
    EXPECT_EQ(form.fontObject()->Style(), TFontStyles(fsBold));
    EXPECT_EQ(form.Color(), QApplication::palette().color(QPalette::Button));
    EXPECT_FALSE(form.Scaled());

    ASSERT_NE(form.pnlMain, nullptr);
    EXPECT_EQ(form.pnlMain->Align(), TAlign::alLeft);
    EXPECT_EQ(form.pnlMain->geometry(), QRect(0, 0, 120, 200)) << "docked left at its width";
    EXPECT_EQ(form.pnlMain->BevelOuter(), TBevelCut::bvLowered);
    EXPECT_EQ(form.pnlMain->Color(), QColor(0xE8, 0xE8, 0xE8));
    EXPECT_EQ(form.pnlMain->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.pnlMain->fontObject()->Height(), -11) << "controls take the form's font";

    // OnCreate ran once, at the end, with every component present.
    EXPECT_EQ(form.log, QStringList({ "create:1:1" }));
    form.pnlMain->Click();
    EXPECT_EQ(form.log.last(), "click:pnlMain");
}

TEST_F(FormReaderTest, ReplacesCollectionItemsAndReadsPicturesFromFilesAndInlineData)
{
    QImage strip(32, 16, QImage::Format_RGB32);
    strip.fill(Qt::red);
    for (int y = 0; y < 16; ++y)
        for (int x = 16; x < 32; ++x)
            strip.setPixel(x, y, qRgb(0, 0, 255));
    strip.setPixel(0, 15, qRgb(0, 255, 0)); // the key colour of a masked list
    const QString stripPath = dir.filePath("strip.bmp");
    ASSERT_TRUE(strip.save(stripPath));

    QImage icon(4, 3, QImage::Format_ARGB32);
    icon.fill(qRgba(10, 20, 30, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    icon.save(&buffer, "PNG");

    TestForm form;
    readForm(&form,
        file(R"(<form class="TForm" name="f">
  <object class="TStatusBar" name="sbMain">
    <property name="Panels">
      <item><property name="Text">first</property><property name="Width">20</property></item>
      <item><property name="Text">second</property><property name="Alignment">taCenter</property></item>
    </property>
  </object>
  <object class="TImageList" name="imgValue"><property name="Bitmap">)"
            + stripPath.toUtf8() + R"(</property></object>
  <object class="TImage" name="Image1">
    <property name="AutoSize">true</property>
    <property name="Picture" encoding="base64">)"
            + png.toBase64() + R"(</property>
  </object>
</form>)"));

    auto* bar = form.findChild<TStatusBar*>("sbMain");
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->Panels()->Count(), 2);
    EXPECT_EQ(bar->Panels()->at<TStatusPanel>(0)->Width(), 20);
    EXPECT_EQ(bar->Panels()->at<TStatusPanel>(1)->Alignment(), TAlignment::taCenter);
    ASSERT_EQ(bar->panelLabels().size(), 2);
    EXPECT_EQ(bar->panelLabels()[1]->text(), "second");

    auto* list = form.findChild<TImageList*>("imgValue");
    ASSERT_EQ(list->Count(), 2);
    EXPECT_EQ(list->image(1).pixel(3, 3), qRgb(0, 0, 255));
    EXPECT_EQ(qAlpha(list->image(0).pixel(0, 15)), 0) << "bottom-left colour keyed out";
    EXPECT_EQ(qAlpha(list->image(0).pixel(1, 1)), 255);

    auto* image = form.findChild<TImage*>("Image1");
    EXPECT_EQ(image->size(), QSize(4, 3)) << "AutoSize takes the picture's size";
    EXPECT_EQ(image->Picture().pixel(2, 2), qRgba(10, 20, 30, 255));
}

struct BadDescription {
    const char* label;
    const char* xml;
    int line;
    const char* name;
};

class FormReaderErrorTest : public FormReaderTest,
                            public ::testing::WithParamInterface<BadDescription> { };

TEST_P(FormReaderErrorTest, NamesFileLineAndNameAndLeavesNothingHalfBuilt)
{
    const BadDescription bad = GetParam();
    TestForm form;
    form.setCaption("before");
    form.setObjectName("original");
    const QString path = file(bad.xml);
    try {
        readForm(&form, path);
        FAIL() << "no error for " << bad.label;
    } catch (const FormDescriptionError& e) {
        EXPECT_EQ(e.fileName(), path);
        EXPECT_EQ(e.line(), bad.line);
        EXPECT_TRUE(e.message().contains(path)) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("(%1)").arg(bad.line)))
            << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QLatin1String(bad.name))) << e.message().toStdString();
    }
    EXPECT_EQ(form.ComponentCount(), 0);
    for (QObject* o : form.findChildren<QObject*>())
        EXPECT_EQ(Component::of(o), nullptr) << o->metaObject()->className();
    EXPECT_EQ(form.Caption(), "before") << "the form's own settings are put back";
    EXPECT_EQ(form.objectName(), "original");
    EXPECT_TRUE(form.log.isEmpty()) << "no OnCreate for a failed form";
    EXPECT_TRUE(shown.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(Descriptions, FormReaderErrorTest,
    ::testing::Values(BadDescription { "unknown class", R"(<form class="TForm" name="f">
<property name="Caption">changed</property>
<object class="TPanel" name="p1"/>
<object class="TNoSuchThing" name="x"/>
</form>)",
                          4, "TNoSuchThing" },
        BadDescription { "unknown property", R"(<form class="TForm" name="f">
<object class="TPanel" name="p1">
  <object class="TLabel" name="l1">
    <property name="Colour">#FFFFFF</property>
  </object>
</object>
</form>)",
            4, "Colour" },
        BadDescription { "unknown nested property", R"(<form class="TForm" name="f">
<object class="TPanel" name="p1"><property name="Font.Weight">3</property></object>
</form>)",
            2, "Font.Weight" },
        BadDescription { "unknown enumeration value", R"(<form class="TForm" name="f">
<property name="Caption">changed</property>
<object class="TPanel" name="p1"><property name="Align">alMiddle</property></object>
</form>)",
            3, "alMiddle" },
        BadDescription { "unknown set member", R"(<form class="TForm" name="f">
<property name="BorderIcons">[biSystemMenu,biClose]</property>
</form>)",
            2, "[biSystemMenu,biClose]" },
        BadDescription { "bad integer", R"(<form class="TForm" name="f">
<object class="TPanel" name="p1"><property name="Width">12px</property></object>
</form>)",
            2, "12px" },
        BadDescription { "unknown handler", R"(<form class="TestForm" name="f">
<object class="TPanel" name="p1"><property name="OnClick">NoSuchClick</property></object>
</form>)",
            2, "NoSuchClick" },
        BadDescription { "handler of another shape", R"(<form class="TestForm" name="f">
<object class="TPanel" name="p1"><property name="OnClick">WrongShape</property></object>
</form>)",
            2, "WrongShape" },
        BadDescription { "unknown reference", R"(<form class="TestForm" name="f">
<property name="Caption">changed</property>
<object class="TTreeView" name="tv">
<property name="Images">imgMissing</property></object>
</form>)",
            4, "imgMissing" },
        BadDescription { "reference of the wrong class", R"(<form class="TestForm" name="f">
<object class="TPanel" name="p1"/>
<object class="TTreeView" name="tv"><property name="Images">p1</property></object>
</form>)",
            3, "p1" },
        BadDescription { "duplicate name", R"(<form class="TestForm" name="f">
<object class="TPanel" name="p1"/>
<object class="TPanel" name="P1"/>
</form>)",
            3, "P1" },
        BadDescription { "unreadable picture", R"(<form class="TestForm" name="f">
<object class="TImage" name="i1"><property name="Picture">/no/such/picture.bmp</property></object>
</form>)",
            2, "/no/such/picture.bmp" },
        BadDescription { "malformed xml", R"(<form class="TForm" name="f">
<property name="Caption">changed</property>
<object class="TPanel" name="p1">
</form>)",
            4, "malformed" },
        BadDescription {
            "wrong form class", R"(<form class="TfmOther" name="f"/>)", 1, "TfmOther" }),
    [](const auto& info) {
        std::string name = info.param.label;
        for (char& c : name)
            if (!isalnum(static_cast<unsigned char>(c)))
                c = '_';
        return name;
    });

TEST_F(FormReaderTest, AMissingFileIsAnErrorNamingIt)
{
    TForm form;
    const QString path = dir.filePath("absent.xml");
    try {
        readForm(&form, path);
        FAIL();
    } catch (const FormDescriptionError& e) {
        EXPECT_TRUE(e.message().contains(path));
    }
}

TEST_F(FormReaderTest, ShowsTheFormsMenuAsItsMenuBarAboveTheClientArea)
{
    TestForm form;
    readForm(&form, file(R"(<form class="TestForm" name="f">
  <property name="ClientWidth">400</property>
  <property name="ClientHeight">300</property>
  <property name="Menu">mnuMain</property>
  <object class="TPanel" name="pnlMain"><property name="Align">alClient</property></object>
  <object class="TMainMenu" name="mnuMain">
    <object class="TMenuItem" name="miFile"><property name="Caption">&amp;File</property>
      <object class="TMenuItem" name="miFileExit"><property name="Caption">E&amp;xit</property>
        <property name="OnClick">ControlClick</property></object>
    </object>
  </object>
</form>)"));
    ASSERT_NE(form.menuBar(), nullptr);
    const int barHeight = form.menuBar()->geometry().height();
    EXPECT_GT(barHeight, 0);
    EXPECT_EQ(form.ClientHeight(), 300);
    EXPECT_EQ(form.pnlMain->geometry(), QRect(0, barHeight, 400, 300));
    const QList<QAction*> menus = form.menuBar()->actions();
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(menus[0]->text(), "&File");
    ASSERT_EQ(menus[0]->menu()->actions().size(), 1);
    menus[0]->menu()->actions()[0]->trigger();
    EXPECT_EQ(form.log.last(), "click:miFileExit");
}

} // namespace
