// Both windows take their finished look from their form descriptions: the skinned frame with
// the program's own title bar pictures, the themed menu, the skinned buttons and radio buttons.
#include "MainWindowFixture.h"

#include "browser/About.h"
#include "skin/windows/SUITitleBar.h"
#include "skin/windows/SUITitleBarButton.h"
#include "skin/windows/SUITitleBarSection.h"

#include <QFile>
#include <QTimer>
#include <QXmlStreamReader>

namespace {

using SuiThemes::TsuiUIStyle;
using SuiTitleBarTypes::TsuiTitleBarAlign;
using SuiTitleBarTypes::TsuiTitleBarBtnType;

// The names of the properties stored directly on the object `name`, in stored order (not
// those of its items or children), keeping only those in `only` when it is given.
QStringList storedOrder(const char* description, const QString& name, const QStringList& only = {})
{
    QFile file(QString::fromLatin1(description));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QStringList names;
    int depth = 0; // 1 inside the object itself, more inside its items and children
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            if (depth > 0)
                ++depth;
            else if (xml.name() == QLatin1String("object")
                && xml.attributes().value(QLatin1String("name")) == name)
                depth = 1;
            if (depth == 2 && xml.name() == QLatin1String("property")) {
                const QString property = xml.attributes().value(QLatin1String("name")).toString();
                if (only.isEmpty() || only.contains(property))
                    names << property;
            }
        } else if (xml.isEndElement() && depth > 0) {
            --depth;
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return names;
}

QImage rgb(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB32);
}

QImage stored(const char* name)
{
    return QImage(QStringLiteral(":/browser/%1.bmp").arg(QLatin1String(name)));
}

const QStringList kFrameOrder = { "TitleBarCustom", "UIStyle", "UIStyleAutoUpdateSub",
    "BorderColor", "BorderWidth", "Color", "Caption", "TitleBarButtons", "TitleBarSections",
    "TitleBarDrawAppIcon", "Font.Charset", "Font.Color", "Font.Height", "Font.Name", "Font.Style",
    "Menu", "MenuBarColor", "MenuBarHeight", "RoundCorner", "Version" };
const QStringList kButtonOrder = { "Caption", "AutoSize", "UIStyle", "Transparent", "ModalResult",
    "FocusedRectMargin", "Layout", "Spacing", "MouseContinuouslyDownInterval" };

TEST(SkinnedWindowDescriptions, SettingsAreStoredInTheirOrder)
{
    EXPECT_EQ(storedOrder(TfmMain::kFormDescription, "suiForm1"), kFrameOrder);
    QStringList aboutFrame = kFrameOrder;
    aboutFrame.removeAll("Menu");
    EXPECT_EQ(storedOrder(TfmAbout::kFormDescription, "suiForm1"), aboutFrame);
    EXPECT_EQ(storedOrder(TfmMain::kFormDescription, "btnExit", kButtonOrder), kButtonOrder);
    EXPECT_EQ(storedOrder(TfmAbout::kFormDescription, "btnOK", kButtonOrder), kButtonOrder);
    EXPECT_EQ(storedOrder(TfmMain::kFormDescription, "suiMainMenu1"),
        QStringList({ "OwnerDraw", "UIStyle", "MenuItemHeight", "SeparatorHeight", "BarWidth",
            "BarColor", "Color", "SeparatorColor", "SelectedBorderColor", "SelectedColor",
            "SelectedFontColor", "FontColor", "BorderColor", "FlatMenu", "FontName", "FontSize",
            "FontCharset", "UseSystemFont" }));
}

struct ButtonCase {
    TsuiTitleBarBtnType type;
    TsuiUIStyle style;
    bool transparent;
    int top;
    const char* pictures;
};
const ButtonCase kButtons[] = {
    { TsuiTitleBarBtnType::suiControlBox, TsuiUIStyle::BlueGlass, true, 6, "TITLE_CONTROLBOX" },
    { TsuiTitleBarBtnType::suiClose, TsuiUIStyle::BlueGlass, true, 6, "TITLE_CLOSE" },
    { TsuiTitleBarBtnType::suiMax, TsuiUIStyle::DeepBlue, false, 2, "TITLE_MAX" },
    { TsuiTitleBarBtnType::suiMin, TsuiUIStyle::BlueGlass, true, 6, "TITLE_MIN" },
};

// The frame settings both windows share, and the first `buttons` caption buttons.
void expectFrame(TsuiForm* frame, const QString& caption, int buttons)
{
    ASSERT_NE(frame, nullptr);
    EXPECT_FALSE(frame->TitleBarCustom());
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_FALSE(frame->UIStyleAutoUpdateSub());
    EXPECT_EQ(frame->BorderColor(), QColor(Qt::black));
    EXPECT_EQ(frame->BorderWidth(), 1);
    EXPECT_EQ(frame->Color(), QColor(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(frame->Caption(), caption);
    EXPECT_FALSE(frame->TitleBarDrawAppIcon());
    const TFont* font = frame->TitleBarFont();
    EXPECT_EQ(font->Name(), "Tahoma");
    EXPECT_EQ(font->Height(), -11);
    EXPECT_EQ(font->Style(), ControlTypes::TFontStyles(ControlTypes::fsBold));
    EXPECT_EQ(font->Color(), QColor(Qt::white));
    EXPECT_EQ(font->Charset(), 1);
    EXPECT_EQ(frame->MenuBarColor(), QColor(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(frame->MenuBarHeight(), 22);
    EXPECT_EQ(frame->RoundCorner(), 11);
    EXPECT_EQ(frame->Version(), "5.4");

    // The stored caption buttons replace the style's, each with its own 19 x 19 pictures.
    ASSERT_EQ(frame->TitleBarButtons()->Count(), buttons);
    for (int i = 0; i < buttons; ++i) {
        SCOPED_TRACE(i);
        const ButtonCase& c = kButtons[i];
        const TsuiTitleBarButton* button = frame->TitleBarButtons()->Button(i);
        EXPECT_EQ(button->ButtonType(), c.type);
        EXPECT_EQ(button->UIStyle(), c.style);
        EXPECT_EQ(button->Transparent(), c.transparent);
        EXPECT_EQ(button->Top(), c.top);
        EXPECT_TRUE(button->Visible());
        for (const QImage& picture :
            { button->PicNormal(), button->PicMouseOn(), button->PicMouseDown() })
            EXPECT_EQ(picture.size(), QSize(19, 19));
        // The maximise button shows DeepBlue's strip once the frame is sized; the others keep
        // exactly what the description stores.
        if (c.type != TsuiTitleBarBtnType::suiMax) {
            const QString base = QLatin1String(c.pictures);
            EXPECT_EQ(rgb(button->PicNormal()), rgb(stored(qPrintable(base + "_NORMAL"))));
            EXPECT_EQ(rgb(button->PicMouseOn()), rgb(stored(qPrintable(base + "_MOUSEON"))));
            EXPECT_EQ(rgb(button->PicMouseDown()), rgb(stored(qPrintable(base + "_MOUSEDOWN"))));
        }
    }

    struct SectionCase {
        TsuiTitleBarAlign align;
        bool autoSize;
        int width;
        QSize picture;
        bool stretch;
        const char* stored;
    };
    const SectionCase sections[] = {
        { TsuiTitleBarAlign::suiLeft, true, 162, { 162, 33 }, false, "TITLE_LEFT" },
        { TsuiTitleBarAlign::suiRight, true, 101, { 101, 33 }, false, "TITLE_RIGHT" },
        { TsuiTitleBarAlign::suiClient, false, 10, { 179, 33 }, true, "TITLE_CLIENT" },
    };
    ASSERT_EQ(frame->TitleBarSections()->Count(), 3);
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const TsuiTitleBarSection* section = frame->TitleBarSections()->Section(i);
        EXPECT_EQ(section->Align(), sections[i].align);
        EXPECT_EQ(section->AutoSize(), sections[i].autoSize);
        EXPECT_EQ(section->Width(), sections[i].width);
        EXPECT_EQ(section->Picture().size(), sections[i].picture);
        EXPECT_EQ(section->Stretch(), sections[i].stretch);
        EXPECT_EQ(rgb(section->Picture()), rgb(stored(sections[i].stored)));
    }
    // The bar's height follows the left picture, less the frame's 3-pixel band.
    EXPECT_EQ(frame->TitleBar()->height(), 30);
}

void expectSkinnedButton(const TsuiButton* button, const QString& caption, int modalResult)
{
    EXPECT_EQ(button->Caption(), caption);
    EXPECT_FALSE(button->AutoSize());
    EXPECT_EQ(button->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_TRUE(button->Transparent());
    EXPECT_EQ(button->ModalResult(), modalResult);
    EXPECT_EQ(button->FocusedRectMargin(), 2);
    EXPECT_EQ(button->Layout(), TsuiButton::blGlyphLeft);
    EXPECT_EQ(button->Spacing(), 4);
    EXPECT_EQ(button->MouseContinuouslyDownInterval(), 100);
}

class SkinnedMainWindow : public MainWindowFixture { };

TEST_F(SkinnedMainWindow, LoadsTheFrameMenuButtonsAndRadioButtonsWithTheirSettings)
{
    start();
    expectFrame(form->suiForm1, "Orlenda System Value Reference", 4);
    EXPECT_EQ(form->suiForm1->Menu(), form->suiMainMenu1);

    const TsuiMainMenu* menu = form->suiMainMenu1;
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->OwnerDraw());
    EXPECT_EQ(menu->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(menu->MenuItemHeight(), 21);
    EXPECT_EQ(menu->SeparatorHeight(), 5);
    EXPECT_EQ(menu->BarWidth(), 26);
    EXPECT_EQ(menu->BarColor(), TColor::fromRgb(0xD6, 0xD3, 0xCE));
    EXPECT_EQ(menu->Color(), TColor::fromRgb(0xE7, 0xE7, 0xE7));
    EXPECT_EQ(menu->SeparatorColor(), TColor::fromRgb(0x84, 0x82, 0x84));
    EXPECT_EQ(menu->SelectedBorderColor(), TColor::fromRgb(0x5E, 0x5E, 0xEC));
    EXPECT_EQ(menu->SelectedColor(), TColor::fromRgb(0x5E, 0x5E, 0xEC));
    EXPECT_EQ(menu->SelectedFontColor(), clWhite);
    EXPECT_EQ(menu->FontColor(), clBlack);
    EXPECT_EQ(menu->BorderColor(), clBlack);
    EXPECT_FALSE(menu->FlatMenu());
    EXPECT_EQ(menu->FontName(), "MS Sans Serif");
    EXPECT_EQ(menu->FontSize(), 8);
    EXPECT_EQ(menu->FontCharset(), 1);
    EXPECT_TRUE(menu->UseSystemFont());

    expectSkinnedButton(form->btnExit, "Exit", 0);
    struct RadioCase {
        TsuiRadioButton* button;
        const char* caption;
        bool checked;
    };
    for (const RadioCase& c : { RadioCase { form->rbName, "Name", true },
             RadioCase { form->rbCategory, "Category", false } }) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(c.button->Caption(), c.caption);
        EXPECT_EQ(c.button->UIStyle(), TsuiUIStyle::MacOS);
        EXPECT_TRUE(c.button->AutoSize());
        EXPECT_FALSE(c.button->Transparent());
        EXPECT_EQ(c.button->GroupIndex(), 0);
        EXPECT_TRUE(c.button->TabStop());
        EXPECT_EQ(c.button->Checked(), c.checked);
        EXPECT_EQ(
            c.button->State(), c.checked ? TsuiCheckBox::cbChecked : TsuiCheckBox::cbUnchecked);
    }
}

TEST_F(SkinnedMainWindow, GeometryWithTheFrameAndTheProgramsTitlePicturesOnScreen)
{
    start();
    // The frame's band, title bar (30) and menu bar (22) stand above the banner; the panes take
    // what the banner and the 19-pixel status strip leave, and the tree the pane less 33.
    EXPECT_EQ(form->suiForm1->geometry(), QRect(3, 3, 776, 567));
    EXPECT_EQ(form->suiForm1->MenuBarWidget()->geometry(), QRect(0, 30, 776, 22));
    EXPECT_EQ(form->imgTitle->geometry(), QRect(0, 52, 776, 49));
    EXPECT_EQ(form->pnlLeft->geometry(), QRect(0, 101, 201, 447));
    EXPECT_EQ(form->tvValue->geometry(), QRect(1, 32, 199, 414));
    EXPECT_EQ(form->pnlBrowser->height(), 447 - 32);
    EXPECT_EQ(form->btnExit->geometry(), QRect(572 - 100, 2, 80, 27));

    // Picture column and row k land at window column and row k: the amber accent under the
    // caption and the glass at the top edge are the stored left picture's own pixels.
    const QImage window = form->grab().toImage();
    const QImage left = stored("TITLE_LEFT");
    for (const QPoint at : { QPoint(60, 31), QPoint(120, 30), QPoint(150, 4), QPoint(5, 20) })
        EXPECT_EQ(window.pixel(at), left.pixel(at)) << at.x() << "," << at.y();
    const QImage right = stored("TITLE_RIGHT");
    EXPECT_EQ(window.pixel(781 - 3, 31), right.pixel(100 - 3, 31));
}

TEST_F(SkinnedMainWindow, RestylingTheFrameLeavesTheButtonsAndRadioButtonsAlone)
{
    start();
    form->suiForm1->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(form->suiMainMenu1->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(form->btnExit->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(form->rbName->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(form->rbCategory->UIStyle(), TsuiUIStyle::MacOS);
}

// Runs `check` on the About window once its modal show is under way, then closes it.
void whileAboutShows(TfmMain* form, const std::function<void(TfmAbout*)>& check)
{
    bool seen = false;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<TfmAbout*>(QApplication::activeModalWidget());
        if (!about)
            about = form->findChild<TfmAbout*>();
        ASSERT_NE(about, nullptr);
        seen = true;
        check(about);
        about->close();
    });
    form->miHelpAbout->Click();
    EXPECT_TRUE(seen);
}

TEST_F(SkinnedMainWindow, AboutHasTheFrameWithTwoButtonsAndCannotBeResized)
{
    start();
    whileAboutShows(form.get(), [](TfmAbout* about) {
        expectFrame(about->suiForm1, "About Orlenda Reference", 2);
        EXPECT_EQ(about->suiForm1->Menu(), nullptr);
        EXPECT_EQ(about->suiForm1->MenuBarWidget(), nullptr);
        expectSkinnedButton(about->btnOK, "&OK", 1);
        // The version never runs into the bold name, whatever the font made of it.
        EXPECT_GE(about->Label2->x(), about->Label1->geometry().right() + 1 + 9);
        EXPECT_LE(about->Label2->geometry().right(), about->suiForm1->width() - 8);
        EXPECT_GE(about->Label1->x(), about->Image1->geometry().right() + 1 + 8);

        // Neither the bottom-right corner nor an edge offers a drag.
        const QSize size = about->size();
        EXPECT_EQ(size, QSize(350, 167));
        const QPoint corner(size.width() - 2, size.height() - 2);
        QTest::mouseMove(about, corner);
        EXPECT_EQ(about->cursor().shape(), Qt::ArrowCursor);
        QTest::mousePress(about, Qt::LeftButton, {}, corner);
        QMouseEvent drag(QEvent::MouseMove, QPointF(corner + QPoint(60, 40)),
            QPointF(about->mapToGlobal(corner + QPoint(60, 40))), Qt::NoButton, Qt::LeftButton,
            Qt::NoModifier);
        QApplication::sendEvent(about, &drag);
        QTest::mouseRelease(about, Qt::LeftButton, {}, corner + QPoint(60, 40));
        EXPECT_EQ(about->size(), size);
    });
}

} // namespace
