#include "skin/windows/SUIForm.h"

#include "framework/ApplicationExceptions.h"
#include "framework/FormDescriptionError.h"
#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/OrlendaException.h"
#include "framework/TForm.h"
#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"
#include "framework/TPanel.h"
#include "skin/SkinComponents.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/TsuiFileTheme.h"
#include "skin/windows/FormRegion.h"
#include "skin/windows/SUIMainMenu.h"
#include "skin/windows/SUITitleBarPopupMenu.h"

#include <QBuffer>
#include <QMenu>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace formprobe {

// A child control that takes styles by name, as every themed control does.
class StyledChild : public QWidget {
    Q_OBJECT
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle MEMBER style)
    Q_PROPERTY(TsuiFileTheme* FileTheme MEMBER theme)
public:
    using QWidget::QWidget;
    TsuiUIStyle style = TsuiUIStyle::WinXP;
    TsuiFileTheme* theme = nullptr;
};

// A menu with the themed menu's two published style properties.
class StyledMenu : public TMainMenu {
    Q_OBJECT
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle MEMBER style)
    Q_PROPERTY(TsuiFileTheme* FileTheme MEMBER theme)
public:
    using TMainMenu::TMainMenu;
    TsuiUIStyle style = TsuiUIStyle::WinXP;
    TsuiFileTheme* theme = nullptr;
};

class FixedFileTheme : public TsuiFileTheme {
public:
    bool CanUse() const override { return true; }
    void GetBitmap(int index, QImage& target) const override
    {
        GetInsideThemeBitmap(TsuiUIStyle::WinXP, index, &target);
    }
    void GetBitmap(int index, QImage& target, int count, int number) const override
    {
        GetInsideThemeBitmap(TsuiUIStyle::WinXP, index, &target, count, number);
    }
    uint32_t GetColor(int index) const override { return index == 15 ? 0x00112233u : 0x00404040u; }
    int32_t GetInt(int index) const override { return index == 14 ? 7 : 1; }
    bool GetBool(int) const override { return false; }
};

} // namespace formprobe

using namespace formprobe;

namespace {

constexpr QRgb kBlack = 0xFF000000u;

struct Skinned {
    Skinned(TsuiUIStyle style = TsuiUIStyle::BlueGlass, QSize size = QSize(400, 300))
    {
        form = std::make_unique<TForm>();
        form->setCaption(QStringLiteral("Skinned"));
        form->resize(size);
        frame = new TsuiForm(form.get());
        frame->SetUIStyle(style);
    }
    QImage grab() { return form->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    std::unique_ptr<TForm> form;
    TsuiForm* frame = nullptr;
};

TMenuItem* addItem(QObject* parent, const QString& caption)
{
    auto* item = new TMenuItem(parent);
    item->setCaption(caption);
    return item;
}

TEST(TsuiForm, TakesOverItsFormAsAFramelessWindowWithAThreePixelBand)
{
    Skinned s;
    EXPECT_TRUE(s.form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(s.form->contentsMargins(), QMargins(3, 3, 3, 3));
    EXPECT_EQ(s.frame->geometry(), QRect(3, 3, 394, 294));
    EXPECT_EQ(s.frame->TitleBar()->geometry().topLeft(), QPoint(0, 0));
    EXPECT_EQ(s.frame->Caption(), QStringLiteral("Skinned"));
    EXPECT_EQ(s.form->minimumSize(), QSize(s.form->minimumWidth(), 50));
    EXPECT_EQ(s.frame->Version(), QStringLiteral("5.4"));
    s.frame->setProperty("Version", QStringLiteral("9.9"));
    EXPECT_EQ(s.frame->Version(), QStringLiteral("5.4"));
    // The form's mask is the region function's answer for its size and corner.
    EXPECT_EQ(s.frame->RoundCorner(), 11);
    EXPECT_EQ(s.form->mask(), FormWindowRegion(QSize(400, 300), 11));
}

TEST(TsuiForm, ASecondOneOnTheSameFormIsRefused)
{
    Skinned s;
    try {
        new TsuiForm(s.form.get());
        FAIL() << "no exception";
    } catch (const OrlendaException& e) {
        EXPECT_EQ(e.message(),
            QStringLiteral("Sorry, You can create only one TsuiForm component in one form!"));
    }
    EXPECT_EQ(s.form->findChildren<TsuiForm*>().size(), 1);
}

TEST(TsuiForm, ADescriptionWhoseComponentRefusesFailsAtItsLineAndLeavesNothing)
{
    // The component's own complaint, whether it refuses to be created or refuses a value.
    RegisterSkinComponents();
    const struct {
        QByteArray xml;
        qint64 line;
        QString message;
    } cases[] = {
        { "<form class=\"TForm\" name=\"f\">\n"
          "  <object class=\"TsuiForm\" name=\"a\"/>\n"
          "  <object class=\"TsuiForm\" name=\"b\"/>\n"
          "</form>\n",
            3, QStringLiteral("Sorry, You can create only one TsuiForm component in one form!") },
        { "<form class=\"TForm\" name=\"f\">\n"
          "  <object class=\"TsuiMaskEdit\" name=\"e\">\n"
          "    <property name=\"EditMask\">00\\</property>\n"
          "  </object>\n"
          "</form>\n",
            3, QStringLiteral("Invalid edit mask") },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml.constData());
        TForm form;
        QByteArray xml = c.xml;
        QBuffer buffer(&xml);
        buffer.open(QIODevice::ReadOnly);
        try {
            readForm(&form, &buffer, QStringLiteral("refused.xml"));
            ADD_FAILURE() << "no exception";
        } catch (const FormDescriptionError& e) {
            EXPECT_EQ(e.line(), c.line);
            EXPECT_TRUE(e.message().contains(c.message)) << e.message().toStdString();
        }
        EXPECT_EQ(form.ComponentCount(), 0);
        EXPECT_TRUE(form.findChildren<QWidget*>().isEmpty());
    }
}

TEST(TsuiForm, GrabbedWindowShowsBorderLinesArcsAndSquareBottomCorners)
{
    Skinned s;
    s.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    const QImage image = s.grab();
    const int w = 400;
    const int h = 300;
    for (int y = 6; y < h; ++y) {
        EXPECT_EQ(image.pixel(0, y), kBlack) << y;
        EXPECT_EQ(image.pixel(w - 1, y), kBlack) << y;
    }
    for (int x = 0; x < w; ++x)
        EXPECT_EQ(image.pixel(x, h - 1), kBlack) << x;
    // The arcs outline the cut corners; the mask cuts what lies outside them.
    for (const QPoint p : { QPoint(5, 0), QPoint(3, 1), QPoint(1, 3), QPoint(0, 5) }) {
        EXPECT_EQ(image.pixel(p), kBlack) << p.x() << "," << p.y();
        EXPECT_EQ(image.pixel(w - 1 - p.x(), p.y()), kBlack) << p.x() << "," << p.y();
    }
    const QRegion mask = s.form->mask();
    EXPECT_FALSE(mask.contains(QPoint(0, 0)));
    EXPECT_FALSE(mask.contains(QPoint(w - 1, 0)));
    EXPECT_TRUE(mask.contains(QPoint(0, h - 1)));
    EXPECT_TRUE(mask.contains(QPoint(w - 1, h - 1)));
    // Client colour of BlueGlass on the sides and the bottom below the controls.
    EXPECT_EQ(image.pixel(1, h - 2), 0xFFE7E7E7u);
    EXPECT_EQ(image.pixel(2, 200), 0xFFE7E7E7u);
    EXPECT_EQ(image.pixel(w - 3, 200), 0xFFE7E7E7u);
}

TEST(TsuiForm, TopBandContinuesTheTitleBarPictures)
{
    Skinned s;
    s.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    const QImage image = s.grab();
    const QImage left = s.frame->TitleBar()->GetLeftImage().convertToFormat(QImage::Format_RGB32);
    const QImage right = s.frame->TitleBar()->GetRightImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GT(left.width(), 8);
    ASSERT_GT(right.width(), 8);
    // Rows 0-2 are the frame's band, rows 3-5 the title bar: one picture across both.
    for (int y = 0; y < 6; ++y) {
        for (int x = 8; x < left.width(); ++x)
            EXPECT_EQ(image.pixel(x, y), left.pixel(x, y)) << x << "," << y;
        for (int k = 0; k < right.width() - 8; ++k)
            EXPECT_EQ(image.pixel(400 - right.width() + k, y), right.pixel(k, y)) << k << "," << y;
    }
}

TEST(TsuiForm, HiddenTitleBarSquaresTheWindowAndPaintsTheTopLines)
{
    Skinned s;
    s.frame->SetTitleBarVisible(false);
    EXPECT_EQ(s.frame->RoundCorner(), 0);
    EXPECT_EQ(s.form->mask(), QRegion(0, 0, 400, 300));
    s.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    const QImage image = s.grab();
    for (int x = 0; x < 400; x += 7) {
        EXPECT_EQ(image.pixel(x, 0), kBlack) << x;
        if (x > 0 && x < 399) {
            EXPECT_EQ(image.pixel(x, 1), 0xFFE7E7E7u) << x;
            EXPECT_EQ(image.pixel(x, 2), 0xFFE7E7E7u) << x;
        }
    }
    s.frame->SetTitleBarVisible(true);
    EXPECT_EQ(s.frame->RoundCorner(), 11);
    EXPECT_EQ(s.form->mask(), FormWindowRegion(QSize(400, 300), 11));
}

TEST(TsuiForm, RegionIsComputedOnlyWhenSizeOrCornerChange)
{
    Skinned s;
    s.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    const int before = TsuiForm::RegionComputations();
    s.frame->SetBorderWidth(1);
    s.frame->SetUIStyle(TsuiUIStyle::BlueGlass);
    s.form->resize(400, 300);
    EXPECT_EQ(TsuiForm::RegionComputations(), before);
    s.form->resize(420, 300);
    EXPECT_EQ(TsuiForm::RegionComputations(), before + 1);
    s.frame->SetRoundCorner(5);
    EXPECT_EQ(TsuiForm::RegionComputations(), before + 2);
    EXPECT_EQ(s.form->mask(), FormWindowRegion(QSize(420, 300), 5));
}

TEST(TsuiForm, MaximizingCoversTheWorkAreaLessItsLastRow)
{
    Skinned s;
    s.form->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    QRect expected = GetWorkAreaRect();
    expected.setBottom(expected.bottom() - 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.form->geometry() == expected; }))
        << s.form->geometry().height() << " vs " << expected.height();
    EXPECT_TRUE(s.form->isMaximized());
    EXPECT_EQ(s.form->mask(), FormWindowRegion(expected.size(), 11));
    s.form->showNormal();
    ASSERT_TRUE(QTest::qWaitFor([&] { return s.form->size() == QSize(400, 300); }))
        << s.form->size().width() << "x" << s.form->size().height();
    EXPECT_FALSE(s.form->isMaximized());
}

TEST(TsuiForm, AFormCreatedMaximizedReturnsToItsCreationBoundsWhenRestored)
{
    auto form = std::make_unique<TForm>();
    form->setGeometry(50, 60, 300, 200);
    form->setWindowState(Qt::WindowMaximized);
    auto* frame = new TsuiForm(form.get());
    Q_UNUSED(frame);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_TRUE(form->isMaximized());
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    form->setWindowState(Qt::WindowNoState);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form->geometry() == QRect(50, 60, 300, 200); }))
        << form->x() << "," << form->y() << " " << form->width() << "x" << form->height();
}

TEST(TsuiForm, TitleBarFollowsActivationAndCaptionReachesTheForm)
{
    Skinned s;
    Skinned other;
    s.frame->SetCaption(QStringLiteral("Renamed"));
    EXPECT_EQ(s.form->windowTitle(), QStringLiteral("Renamed"));
    EXPECT_EQ(s.frame->TitleBar()->Caption(), QStringLiteral("Renamed"));
    s.form->show();
    other.form->show();
    s.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.form.get()));
    EXPECT_TRUE(s.frame->TitleBar()->FormActive());
    other.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(other.form.get()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !s.frame->TitleBar()->FormActive(); }));
}

TEST(TsuiForm, MenuGivesOneBarButtonPerTopItemInOrderAndGreysADisabledOne)
{
    Skinned s;
    TMainMenu menu(s.form.get());
    addItem(addItem(&menu, QStringLiteral("&File")), QStringLiteral("E&xit"));
    TMenuItem* view = addItem(&menu, QStringLiteral("&View"));
    addItem(view, QStringLiteral("By &name"));
    addItem(addItem(&menu, QStringLiteral("&Help")), QStringLiteral("&About"));
    s.frame->SetMenu(&menu);
    FormMenuBar* bar = s.frame->MenuBarWidget();
    ASSERT_TRUE(bar);
    ASSERT_EQ(bar->buttons().size(), 3);
    EXPECT_EQ(bar->buttons()[0].caption, QStringLiteral("&File"));
    EXPECT_EQ(bar->buttons()[1].caption, QStringLiteral("&View"));
    EXPECT_EQ(bar->buttons()[2].caption, QStringLiteral("&Help"));
    EXPECT_LT(bar->buttons()[0].rect.right(), bar->buttons()[1].rect.left());
    // Title bar, then menu bar, then the rest.
    EXPECT_EQ(bar->y(), s.frame->TitleBar()->height());
    EXPECT_EQ(bar->height(), 22);

    auto greyIn = [&](int index) {
        QImage image(bar->size(), QImage::Format_RGB32);
        QPainter painter(&image);
        bar->paintBar(painter, image.rect());
        painter.end();
        const QRect r = bar->buttons()[index].rect;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (image.pixel(x, y) == 0xFF808080u)
                    return true;
        return false;
    };
    EXPECT_FALSE(greyIn(1));
    view->setEnabled(false);
    s.frame->UpdateTopMenu();
    EXPECT_FALSE(bar->buttons()[1].enabled);
    EXPECT_TRUE(greyIn(1));
    EXPECT_FALSE(greyIn(0));

    // The frame beside the menu bar takes the bar's colour.
    s.frame->SetMenuBarColor(QColor(0x3B, 0x5B, 0xAC));
    s.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    const QImage image = s.grab();
    const int barTop = 3 + s.frame->TitleBar()->height();
    EXPECT_EQ(image.pixel(1, barTop + 5), 0xFF3B5BACu);
    EXPECT_EQ(image.pixel(398, barTop + 21), 0xFF3B5BACu);
    EXPECT_EQ(image.pixel(1, barTop + 22), 0xFFE7E7E7u);
}

TEST(TsuiForm, BarButtonsAreDrawnInTheirStates)
{
    MenuBarLook look;
    look.barColor = QColor(0xE7, 0xE7, 0xE7);
    look.selectedBorderColor = QColor(0x5E, 0x5E, 0xEC);
    look.selectedBackgroundColor = QColor(0x5E, 0x5E, 0xEC);
    look.selectedFontColor = Qt::white;
    look.fontColor = Qt::black;
    FormMenuBar::Button button;
    button.caption = QStringLiteral("&File");
    button.rect = QRect(10, 0, 40, 22);
    QImage image(80, 22, QImage::Format_RGB32);
    image.fill(look.barColor);
    QPainter painter(&image);
    FormMenuBar::paintButton(painter, look, button, FormMenuBar::ButtonState::Pressed);
    painter.end();
    // BlueGlass pressed: a #5E5EEC rectangle two pixels narrower than the button, white text.
    EXPECT_EQ(image.pixel(10, 0), 0xFF5E5EECu);
    EXPECT_EQ(image.pixel(47, 21), 0xFF5E5EECu);
    EXPECT_EQ(image.pixel(48, 10), 0xFFE7E7E7u);
    EXPECT_EQ(image.pixel(49, 10), 0xFFE7E7E7u);
    bool white = false;
    for (int x = 12; x < 46; ++x)
        for (int y = 2; y < 20; ++y)
            white = white || image.pixel(x, y) == 0xFFFFFFFFu;
    EXPECT_TRUE(white);

    // MacOS hot: the stretched selection picture.
    look.macOS = true;
    image.fill(look.barColor);
    painter.begin(&image);
    FormMenuBar::paintButton(painter, look, button, FormMenuBar::ButtonState::Hot);
    painter.end();
    const QImage select = GetSkinResource(QStringLiteral("MACOS_MENU_SELECT"));
    ASSERT_FALSE(select.isNull());
    EXPECT_EQ(image.pixel(10, 0), select.pixel(0, 0) | 0xFF000000u);
    EXPECT_EQ(
        image.pixel(49, 21), select.pixel(select.width() - 1, select.height() - 1) | 0xFF000000u);
}

TEST(TsuiForm, ClickingABarButtonDropsItsSubmenuUnderIt)
{
    Skinned s;
    TMainMenu menu(s.form.get());
    addItem(addItem(&menu, QStringLiteral("&File")), QStringLiteral("E&xit"));
    addItem(addItem(&menu, QStringLiteral("&Help")), QStringLiteral("&About"));
    s.frame->SetMenu(&menu);
    s.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    FormMenuBar* bar = s.frame->MenuBarWidget();
    const QRect second = bar->buttons()[1].rect;
    QTest::mouseClick(bar, Qt::LeftButton, {}, second.center());
    ASSERT_TRUE(bar->openMenu());
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->openMenu()->isVisible(); }));
    EXPECT_EQ(bar->openIndex(), 1);
    EXPECT_EQ(bar->openMenu()->pos(), bar->mapToGlobal(second.bottomLeft() + QPoint(0, 1)));
    EXPECT_EQ(bar->openMenu()->actions().value(0)->text(), QStringLiteral("&About"));
    bar->closeMenu();
    EXPECT_EQ(bar->openIndex(), -1);
}

TEST(TsuiForm, MenuShortcutRunsItsItemOnceWhileTheFormIsActive)
{
    Skinned s;
    TMainMenu menu(s.form.get());
    TMenuItem* file = addItem(&menu, QStringLiteral("&File"));
    TMenuItem* save = addItem(file, QStringLiteral("&Save"));
    save->setProperty("ShortCut", 0x4000 | 'S'); // Ctrl+S
    int clicks = 0;
    save->OnClick = [&](QObject*) { ++clicks; };
    s.frame->SetMenu(&menu);
    auto* edit = new QWidget(s.frame);
    edit->setFocusPolicy(Qt::StrongFocus);
    s.form->show();
    s.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.form.get()));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(clicks, 1);
    QTest::keyClick(edit, Qt::Key_S);
    EXPECT_EQ(clicks, 1);
    // Disabled items are no shortcut.
    save->setEnabled(false);
    QTest::keyClick(edit, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(clicks, 1);
}

TEST(TsuiForm, AltSpacePopsTheControlBoxMenuBelowTheTitleBar)
{
    Skinned s;
    s.form->move(50, 40);
    s.form->show();
    s.form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(s.form.get()));
    ASSERT_TRUE(s.frame->OwnsApplicationHook());
    SetMainForm(s.form.get());
    QTest::keyClick(s.frame, Qt::Key_Space, Qt::AltModifier);
    SetMainForm(nullptr);
    TsuiTitleBarPopupMenu* popup = s.frame->TitleBar()->ControlBoxPopupMenu();
    ASSERT_TRUE(popup->popupWidget());
    ASSERT_TRUE(QTest::qWaitFor([&] { return popup->popupWidget()->isVisible(); }));
    EXPECT_EQ(popup->popupWidget()->pos(),
        QPoint(s.form->x(), s.form->y() + s.frame->TitleBar()->height()));
    popup->popupWidget()->hide();
}

TEST(TsuiForm, OnlyOneFrameOwnsTheApplicationHook)
{
    Skinned first;
    Skinned second;
    EXPECT_TRUE(first.frame->OwnsApplicationHook());
    EXPECT_FALSE(second.frame->OwnsApplicationHook());
    delete first.frame;
    Skinned third;
    EXPECT_TRUE(third.frame->OwnsApplicationHook());
}

TEST(TsuiForm, StyleChangeRestylesFrameTitleBarAndMenuButNotChildren)
{
    Skinned s(TsuiUIStyle::BlueGlass);
    StyledMenu menu(s.form.get());
    addItem(addItem(&menu, QStringLiteral("&File")), QStringLiteral("E&xit"));
    s.frame->SetMenu(&menu);
    auto* child = new StyledChild(s.frame);
    s.frame->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(s.frame->TitleBar()->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(menu.style, TsuiUIStyle::WinXP);
    EXPECT_EQ(s.frame->Color(), QColor(0xEF, 0xEB, 0xDE));
    EXPECT_EQ(s.frame->BorderColor(), QColor(0x00, 0x2C, 0xC8));
    EXPECT_EQ(s.frame->BorderWidth(), 3);
    EXPECT_EQ(s.frame->RoundCorner(), 13);
    EXPECT_EQ(s.frame->MenuBarColor(), s.frame->Color());
    EXPECT_EQ(child->style, TsuiUIStyle::WinXP); // its own, untouched by BlueGlass or WinXP
    s.frame->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(child->style, TsuiUIStyle::WinXP);
    s.frame->SetUIStyleAutoUpdateSub(true);
    s.frame->SetUIStyle(TsuiUIStyle::Protein);
    EXPECT_EQ(child->style, TsuiUIStyle::Protein);
}

TEST(TsuiForm, RemovingTheFileThemeTurnsFrameAndChildrenToDeepBlue)
{
    Skinned s(TsuiUIStyle::MacOS);
    auto* child = new StyledChild(s.frame);
    auto* theme = new FixedFileTheme;
    s.frame->SetFileTheme(theme);
    s.frame->SetUIStyle(TsuiUIStyle::FromThemeFile);
    EXPECT_EQ(s.frame->Color(), QColor(0x33, 0x22, 0x11));
    EXPECT_EQ(s.frame->RoundCorner(), 7);
    delete theme;
    EXPECT_EQ(s.frame->FileTheme(), nullptr);
    EXPECT_EQ(s.frame->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(child->style, TsuiUIStyle::DeepBlue);
    EXPECT_EQ(s.frame->Color(), QColor(0xE8, 0xE8, 0xE8));
}

TEST(TsuiForm, FormPanelRefusesTheFrameItselfAndDocksAPanel)
{
    Skinned s;
    QStringList shown;
    ApplicationExceptions::setPresenter([&](const QString& m) { shown << m; });
    s.frame->SetPanel(s.frame);
    ApplicationExceptions::resetPresenter();
    EXPECT_EQ(shown,
        QStringList {
            QStringLiteral("Sorry, you can't select the Form assign to FormPanel property") });
    EXPECT_EQ(s.frame->FormPanel(), nullptr);
    auto* panel = new TPanel(s.frame);
    panel->setCaption(QStringLiteral("x"));
    s.frame->SetPanel(panel);
    EXPECT_EQ(panel->Align(), ControlTypes::TAlign::alClient);
    EXPECT_EQ(panel->BevelOuter(), ControlTypes::TBevelCut::bvNone);
    EXPECT_TRUE(panel->Caption().isEmpty());
    delete panel;
    EXPECT_EQ(s.frame->FormPanel(), nullptr);
}

TEST(TsuiForm, RemovingTheComponentGivesTheFormItsOwnFrameBack)
{
    Skinned s;
    s.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    delete s.frame;
    EXPECT_FALSE(s.form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(s.form->mask().isEmpty());
    EXPECT_EQ(s.form->contentsMargins(), QMargins());
    EXPECT_EQ(s.form->Caption(), QStringLiteral("Skinned"));
    EXPECT_TRUE(s.form->isVisible());
    // No frame is left to take the keys.
    auto* other = new TsuiForm(s.form.get());
    EXPECT_TRUE(other->OwnsApplicationHook());
}

TEST(TsuiForm, ZeroSizeAndTinyFormsPaintSoundly)
{
    Skinned s(TsuiUIStyle::DeepBlue, QSize(0, 0));
    s.frame->SetTitleBarVisible(false);
    s.frame->SetTitleBarVisible(true);
    QImage image(1, 1, QImage::Format_RGB32);
    QPainter painter(&image);
    PaintFormBorder(painter, s.frame->BorderLook());
    s.form->resize(1, 1);
    s.form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(s.form.get()));
    s.grab();
}

TEST(TsuiForm, FormDescriptionBuildsTheSkinnedWindowAndWritesItBack)
{
    const QByteArray description = R"(<?xml version="1.0" encoding="UTF-8"?>
<form class="TForm" name="fmProbe">
  <property name="Caption">Probe</property>
  <property name="ClientWidth">394</property>
  <property name="ClientHeight">294</property>
  <property name="Menu">mnMain</property>
  <object class="TsuiForm" name="suiForm1">
    <property name="TitleBarCustom">true</property>
    <property name="UIStyle">BlueGlass</property>
    <property name="MenuBarHeight">24</property>
    <property name="TitleBarSections">
      <item><property name="Picture">:/skin/MACOS_TITLE_LEFT.bmp</property><property name="AutoSize">true</property></item>
      <item><property name="Picture">:/skin/MACOS_TITLE_RIGHT.bmp</property><property name="AutoSize">true</property><property name="Align">suiRight</property></item>
      <item><property name="Picture">:/skin/MACOS_TITLE_CLIENT.bmp</property><property name="Align">suiClient</property></item>
    </property>
    <property name="Menu">mnMain</property>
    <property name="TitleBarButtons">
      <item><property name="ButtonType">suiClose</property></item>
      <item><property name="ButtonType">suiHelp</property></item>
    </property>
  </object>
  <object class="TsuiMainMenu" name="mnMain">
    <object class="TMenuItem" name="miFile">
      <property name="Caption">&amp;File</property>
      <object class="TMenuItem" name="miExit">
        <property name="Caption">E&amp;xit</property>
      </object>
    </object>
  </object>
</form>
)";
    auto read = [](const QByteArray& bytes) {
        auto form = std::make_unique<TForm>();
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        readForm(form.get(), &buffer, QStringLiteral("probe.xml"));
        return form;
    };
    auto form = read(description);
    auto* frame = form->findChild<TsuiForm*>(QStringLiteral("suiForm1"));
    ASSERT_TRUE(frame);
    EXPECT_TRUE(form->windowFlags() & Qt::FramelessWindowHint);
    // The form's native menu bar goes when the window is shown.
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->menuBar(), nullptr);
    EXPECT_EQ(frame->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(frame->MenuBarHeight(), 24);
    ASSERT_TRUE(frame->MenuBarWidget());
    EXPECT_EQ(frame->MenuBarWidget()->buttons().size(), 1);
    ASSERT_EQ(frame->TitleBarButtons()->Count(), 2);
    EXPECT_EQ(frame->TitleBarButtons()->Button(1)->ButtonType(), TsuiTitleBarBtnType::suiHelp);
    // The stored sections (a custom bar keeps them through the style) feed the frame's top band.
    const QImage macLeft = GetSkinResource(QStringLiteral("MACOS_TITLE_LEFT"));
    ASSERT_EQ(frame->TitleBarSections()->Count(), 3);
    EXPECT_EQ(frame->BorderLook().leftImage.convertToFormat(QImage::Format_RGB32),
        macLeft.convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(frame->BorderLook().titleBarCanPaint);

    const QByteArray written = formDescription(form.get());
    EXPECT_EQ(written.count("<object class=\"TsuiForm\""), 1);
    EXPECT_EQ(written.count("TsuiTitleBar"), 0);
    auto again = read(written);
    auto* frame2 = again->findChild<TsuiForm*>(QStringLiteral("suiForm1"));
    ASSERT_TRUE(frame2);
    EXPECT_EQ(frame2->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(frame2->MenuBarHeight(), 24);
    EXPECT_EQ(frame2->Menu()->objectName(), QStringLiteral("mnMain"));
    // The themed menu follows the frame's style and knows the frame that shows it.
    auto* menu2 = qobject_cast<TsuiMainMenu*>(frame2->Menu());
    ASSERT_TRUE(menu2);
    EXPECT_EQ(menu2->UIStyle(), TsuiUIStyle::BlueGlass);
    EXPECT_EQ(menu2->MenuHost(), static_cast<SuiMenuHost*>(frame2));
    frame2->SetUIStyle(TsuiUIStyle::MacOS);
    EXPECT_EQ(menu2->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_TRUE(frame2->CurrentMenuBarLook().macOS);
    ASSERT_EQ(frame2->TitleBarSections()->Count(), 3);
    EXPECT_EQ(
        frame2->TitleBarSections()->Section(0)->Picture().convertToFormat(QImage::Format_RGB32),
        macLeft.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(frame2->TitleBarSections()->Section(2)->Align(), TsuiTitleBarAlign::suiClient);
    EXPECT_TRUE(frame2->TitleBarCustom());
    ASSERT_EQ(frame2->TitleBarButtons()->Count(), 2);
    EXPECT_EQ(frame2->TitleBarButtons()->Button(1)->ButtonType(), TsuiTitleBarBtnType::suiHelp);
    EXPECT_EQ(again->findChildren<TsuiTitleBar*>().size(), 1);
}

} // namespace

#include "SUIFormTest.moc"
