// The title bar's collections, their rules, file themes, and form descriptions holding a bar.
#include "TitleBarTestSupport.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/TForm.h"
#include "skin/windows/SUITitleBarPopupMenu.h"
#include "skin/styles/Suipublic.h"

#include <QBuffer>

using namespace SuiThemes;
using Btn = TsuiTitleBarBtnType;
using Align = TsuiTitleBarAlign;

namespace {

const QString kControlBoxMessage
    = QStringLiteral("Sorry, only one button's ButtonType property can be \"suiControlBox\"");
const QString kClientMessage
    = QStringLiteral("Sorry, only one section's Align property can be \"suiClient\"");

// A theme file stand-in: every picture item is `picture`, every other item the given values.
class PictureTheme : public TsuiFileTheme {
public:
    QImage picture;
    uint32_t fontColor = 0;
    bool CanUse() const override { return true; }
    void GetBitmap(int, QImage& target) const override
    {
        if (!picture.isNull())
            target = picture;
    }
    void GetBitmap(int, QImage& target, int count, int number) const override
    {
        if (!picture.isNull())
            SpitBitmap(picture, target, count, number);
    }
    uint32_t GetColor(int index) const override
    {
        return index == SuiItem::ControlFontColor ? fontColor : 0;
    }
    int32_t GetInt(int) const override { return 1; }
    bool GetBool(int) const override { return false; }
};

} // namespace

class TitleBarCollectionsTest : public TitleBarFixture { };

TEST_F(TitleBarCollectionsTest, NewBarHasFourButtonsAndTheThreeStyleSections)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::WinXP);
    const QList<Btn> types { Btn::suiControlBox, Btn::suiClose, Btn::suiMax, Btn::suiMin };
    ASSERT_EQ(bar->Buttons()->Count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(bar->Buttons()->Button(i)->ButtonType(), types[i]);
        EXPECT_EQ(bar->Buttons()->Button(i)->PicNormal().size(), QSize(21, 21));
        EXPECT_EQ(bar->Buttons()->Button(i)->Top(), 5);
    }
    ASSERT_EQ(bar->Sections()->Count(), 3);
    const QImage left = themePicture(TsuiUIStyle::WinXP, SuiItem::TitleBarLeftImage);
    EXPECT_TRUE(bar->Sections()->Section(0)->AutoSize());
    EXPECT_EQ(bar->Sections()->Section(0)->Width(), left.width());
    EXPECT_EQ(bar->Sections()->Section(1)->Align(), Align::suiRight);
    EXPECT_EQ(bar->Sections()->Section(2)->Align(), Align::suiClient);
    EXPECT_TRUE(bar->Sections()->Section(2)->Stretch());
    EXPECT_TRUE(bar->CanPaint());
    EXPECT_EQ(bar->GetLeftImage().size(), left.size());
    EXPECT_EQ(bar->RoundCorner(), 13);
    EXPECT_EQ(bar->LeftBtnXOffset(), 2);
    EXPECT_EQ(bar->RightBtnXOffset(), -2);
    EXPECT_EQ(bar->ControlBoxPopupMenu()->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TitleBarCollectionsTest, OnlyOneControlBoxIsAccepted)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    TsuiTitleBarButton* extra = bar->Buttons()->AddButton();
    extra->SetButtonType(Btn::suiControlBox);
    EXPECT_EQ(messages, QStringList { kControlBoxMessage });
    EXPECT_EQ(extra->ButtonType(), Btn::suiCustom);
    // The control box itself is refused as well; it stays what it is.
    bar->Buttons()->Button(0)->setProperty("ButtonType", QVariant::fromValue(Btn::suiControlBox));
    EXPECT_EQ(messages.size(), 2);
    EXPECT_EQ(bar->Buttons()->Button(0)->ButtonType(), Btn::suiControlBox);
    // Once the first is something else, another button may be the control box.
    bar->Buttons()->Button(0)->SetButtonType(Btn::suiHelp);
    extra->SetButtonType(Btn::suiControlBox);
    EXPECT_EQ(extra->ButtonType(), Btn::suiControlBox);
    EXPECT_EQ(messages.size(), 2);
}

TEST_F(TitleBarCollectionsTest, OnlyOneClientSectionAndItAlwaysStretches)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    TsuiTitleBarSection* extra = bar->Sections()->AddSection();
    extra->SetAlign(Align::suiClient);
    EXPECT_EQ(messages, QStringList { kClientMessage });
    EXPECT_EQ(extra->Align(), Align::suiLeft);
    EXPECT_FALSE(extra->Stretch());

    TsuiTitleBarSection* client = bar->Sections()->Section(2);
    client->SetStretch(false);
    EXPECT_TRUE(client->Stretch());
    client->SetAlign(Align::suiRight);
    extra->SetAlign(Align::suiClient);
    EXPECT_TRUE(extra->Stretch());
    EXPECT_EQ(messages.size(), 1);
}

TEST_F(TitleBarCollectionsTest, AutoSizeAndPictureSetTheSectionWidth)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    TsuiTitleBarSection* section = bar->Sections()->AddSection();
    EXPECT_EQ(section->Width(), 10);
    section->SetPicture(QImage(33, 5, QImage::Format_RGB32));
    EXPECT_EQ(section->Width(), 10);
    // Either value of AutoSize takes the picture's width.
    section->SetAutoSize(false);
    EXPECT_EQ(section->Width(), 33);
    section->SetAutoSize(true);
    section->SetPicture(QImage(12, 5, QImage::Format_RGB32));
    EXPECT_EQ(section->Width(), 12);
    section->SetPicture(QImage());
    EXPECT_EQ(section->Width(), 12);
    // Four sections: the frame may not paint its band from them.
    EXPECT_FALSE(bar->CanPaint());
}

TEST_F(TitleBarCollectionsTest, AssigningCollectionsCopiesEveryButtonAndSection)
{
    TsuiTitleBar* source = makeBar(TsuiUIStyle::BlueGlass);
    auto otherHost = std::make_unique<QWidget>();
    auto* target = new TsuiTitleBar(otherHost.get());
    target->SetUIStyle(TsuiUIStyle::MacOS);
    source->Buttons()->Button(3)->SetVisible(false);
    TsuiTitleBarButton* custom = source->Buttons()->AddButton();
    custom->SetPicNormal(QImage(7, 9, QImage::Format_RGB32));
    custom->SetTop(4);

    target->SetButtons(source->Buttons());
    target->SetSections(source->Sections());
    ASSERT_EQ(target->Buttons()->Count(), 5);
    EXPECT_FALSE(target->Buttons()->Button(3)->Visible());
    EXPECT_EQ(target->Buttons()->Button(0)->ButtonType(), Btn::suiControlBox);
    EXPECT_EQ(target->Buttons()->Button(4)->PicNormal().size(), QSize(7, 9));
    EXPECT_EQ(target->Buttons()->Button(4)->Top(), 4);
    EXPECT_EQ(target->Buttons()->Button(1)->PicNormal(), source->Buttons()->Button(1)->PicNormal());
    ASSERT_EQ(target->Sections()->Count(), 3);
    EXPECT_EQ(target->GetCenterImage(), source->GetCenterImage());
    EXPECT_EQ(target->Sections()->Section(2)->Align(), Align::suiClient);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(TitleBarCollectionsTest, CustomBarKeepsItsSectionsButtonsAndCaptionColour)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    bar->SetCustom(true);
    bar->Sections()->Clear();
    bar->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(bar->Sections()->Count(), 0);
    EXPECT_EQ(bar->fontObject()->Color(), QColor(Qt::white));
}

TEST_F(TitleBarCollectionsTest, FileThemeSuppliesPicturesAndMarksADarkCaption)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::BlueGlass);
    PictureTheme theme;
    theme.picture = QImage(18 * 11, 24, QImage::Format_RGB32);
    theme.picture.fill(Qt::darkCyan);
    theme.fontColor = 0x030000;
    bar->SetFileTheme(&theme);
    // Only the file theme changed: the caption keeps its colour.
    EXPECT_EQ(bar->fontObject()->Color(), QColor(Qt::white));
    bar->SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(bar->fontObject()->Color(), QColor(Qt::black));
    EXPECT_EQ(bar->height(), 24);
    EXPECT_EQ(bar->Buttons()->Button(1)->PicNormal().size(), QSize(11, 24));
    EXPECT_EQ(bar->Buttons()->Button(1)->UIStyle(), TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(bar->ControlBoxPopupMenu()->UIStyle(), TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(bar->ControlBoxPopupMenu()->FileTheme(), &theme);
    theme.fontColor = 0x020000;
    bar->SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(bar->fontObject()->Color(), QColor(Qt::white));
}

TEST_F(TitleBarCollectionsTest, ThemeWithoutPicturesOrWithAShortStripDrawsSoundly)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::DeepBlue);
    PictureTheme theme;
    bar->SetFileTheme(&theme);
    bar->SetUIStyle(TsuiUIStyle::FromThemeFile);
    // No pictures at all: empty sections, buttons of no size, nothing hot anywhere.
    EXPECT_FALSE(bar->CanPaint());
    EXPECT_TRUE(bar->Buttons()->Button(1)->PicNormal().isNull());
    EXPECT_EQ(bar->ButtonAt(QPoint(770, 5)), -1);
    bar->SetCaption(QStringLiteral("no pictures"));
    bar->setHeight(20);
    EXPECT_EQ(bar->Render().size(), QSize(776, 20));
    // A strip narrower than its 18 frames cuts no frame.
    theme.picture = QImage(10, 10, QImage::Format_RGB32);
    bar->SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(bar->Buttons()->Button(1)->PicNormal().width(), 0);
    EXPECT_FALSE(bar->Render().isNull());
}

TEST_F(TitleBarCollectionsTest, RemovingTheFileThemeReturnsToDeepBlue)
{
    TsuiTitleBar* bar = makeBar(TsuiUIStyle::MacOS);
    auto theme = std::make_unique<PictureTheme>();
    theme->picture = QImage(36, 12, QImage::Format_RGB32);
    bar->SetFileTheme(theme.get());
    bar->SetUIStyle(TsuiUIStyle::FromThemeFile);
    theme.reset();
    EXPECT_EQ(bar->FileTheme(), nullptr);
    EXPECT_EQ(bar->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(bar->Buttons()->Button(1)->PicNormal().size(), QSize(19, 19));
}

TEST_F(TitleBarCollectionsTest, FormDescriptionStoresAndRestoresButtonsAndSections)
{
    TForm form;
    auto* bar = new TsuiTitleBar(&form);
    bar->setObjectName(QStringLiteral("tbMain"));
    bar->SetUIStyle(TsuiUIStyle::WinXP);
    bar->SetCaption(QStringLiteral("Values"));
    bar->SetButtonInterval(2);
    bar->Buttons()->Button(3)->SetVisible(false);
    TsuiTitleBarButton* custom = bar->Buttons()->AddButton();
    QImage picture(5, 6, QImage::Format_RGB32);
    picture.fill(Qt::red);
    custom->SetPicNormal(picture);
    bar->Sections()->Section(1)->SetAutoSize(false);
    bar->Sections()->Section(1)->SetWidth(99);
    const QByteArray description = formDescription(&form);
    EXPECT_FALSE(description.contains("TsuiTitleBarPopupMenu"));

    TForm restored;
    QBuffer buffer;
    buffer.setData(description);
    buffer.open(QIODevice::ReadOnly);
    readForm(&restored, &buffer, QStringLiteral("titlebar.xml"));
    auto* copy = restored.findChild<TsuiTitleBar*>(QStringLiteral("tbMain"));
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(messages.isEmpty()) << messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(copy->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(copy->Caption(), QStringLiteral("Values"));
    EXPECT_EQ(copy->ButtonInterval(), 2);
    ASSERT_EQ(copy->Buttons()->Count(), 5);
    EXPECT_FALSE(copy->Buttons()->Button(3)->Visible());
    EXPECT_EQ(copy->Buttons()->Button(0)->ButtonType(), Btn::suiControlBox);
    EXPECT_EQ(
        copy->Buttons()->Button(4)->PicNormal().convertToFormat(QImage::Format_RGB32), picture);
    ASSERT_EQ(copy->Sections()->Count(), 3);
    EXPECT_EQ(copy->Sections()->Section(2)->Align(), Align::suiClient);
    EXPECT_EQ(copy->Sections()->Section(1)->Width(), 99);
    EXPECT_EQ(copy->height(), bar->height());
    // Written back, the restored form gives the same description.
    EXPECT_EQ(formDescription(&restored), description);
}
