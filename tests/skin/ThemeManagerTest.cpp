// The theme manager: by-name updates of its listed components, its event, its removal rules and
// the dialog in which the list is picked.
#include "FileThemeTestSupport.h"

#include "framework/FormReader.h"
#include "framework/FormWriter.h"
#include "framework/TForm.h"
#include "skin/styles/Suimgr.h"
#include "skin/styles/frmThemeMgr.h"

#include <QApplication>
#include <QBuffer>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using namespace SuiThemes;

namespace {

class ThemeManagerTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.setObjectName(QStringLiteral("fmManaged"));
        a = named(new TsuiProbeControl(&form), "suiA");
        b = named(new TsuiProbeControl(&form), "suiB");
        c = named(new TsuiProbeControl(&form), "suiC");
        manager = named(new TsuiThemeManager(&form), "suiThemeManager1");
        manager->OnUIStyleChanged = [this](QObject* sender) {
            ASSERT_EQ(sender, manager);
            ++events;
        };
    }
    template <typename T> T* named(T* object, const char* name)
    {
        object->setObjectName(QLatin1String(name));
        return object;
    }

    TForm form;
    TsuiProbeControl* a = nullptr;
    TsuiProbeControl* b = nullptr;
    TsuiProbeControl* c = nullptr;
    TsuiThemeManager* manager = nullptr;
    int events = 0;
};

TEST_F(ThemeManagerTest, StyleGoesByNameToListedComponentsAndTheEventOnlyOnAChange)
{
    manager->SetCompList(
        { QStringLiteral("SUIA"), QStringLiteral("nobody"), QStringLiteral("suiC") });
    manager->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_EQ(a->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(b->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(c->UIStyle(), TsuiUIStyle::WinXP);
    EXPECT_EQ(a->borderColor, GetInsideThemeColor(TsuiUIStyle::WinXP, 25));
    EXPECT_EQ(events, 1);

    const int reloads = a->reloads;
    manager->SetUIStyle(TsuiUIStyle::WinXP);
    EXPECT_GT(a->reloads, reloads); // updated again
    EXPECT_EQ(events, 1); // but nothing changed
}

TEST_F(ThemeManagerTest, AFileThemeReachesTheListWithoutAnEvent)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("managed.sui"));
    writeSmallTheme(path, 0x00909090);
    auto* theme = named(new TsuiFileTheme(&form), "suiFileTheme1");
    theme->SetThemeFile(path);
    manager->SetCompList({ QStringLiteral("suiB") });
    manager->SetUIStyle(TsuiUIStyle::FromThemeFile);
    events = 0;
    manager->SetFileTheme(theme);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(b->FileTheme(), theme);
    EXPECT_TRUE(b->usesFile());
    EXPECT_EQ(b->borderColor, 0x00909090u);
    EXPECT_EQ(a->FileTheme(), nullptr);
}

TEST_F(ThemeManagerTest, RemovalsDropTheNameAndTheFileThemeWithoutTouchingControls)
{
    auto* theme = named(new TsuiFileTheme(&form), "suiFileTheme1");
    manager->SetCompList({ QStringLiteral("suiA"), QStringLiteral("suiB") });
    manager->SetUIStyle(TsuiUIStyle::Protein);
    manager->SetFileTheme(theme);
    events = 0;

    delete a;
    EXPECT_EQ(manager->CompList(), QStringList { QStringLiteral("suiB") });

    // b holds the theme too; it falls back by its own rule, not by the manager's hand.
    const int reloads = b->reloads;
    delete theme;
    EXPECT_EQ(manager->FileTheme(), nullptr);
    EXPECT_EQ(manager->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_EQ(events, 0);
    EXPECT_EQ(b->reloads, reloads + 1);
    EXPECT_EQ(manager->CompList(), QStringList { QStringLiteral("suiB") });
}

TEST_F(ThemeManagerTest, AFileThemeOwnedElsewhereIsStillHeardOfWhenItGoes)
{
    TForm elsewhere;
    auto* theme = new TsuiFileTheme(&elsewhere);
    manager->SetFileTheme(theme);
    manager->SetUIStyle(TsuiUIStyle::MacOS);
    delete theme;
    EXPECT_EQ(manager->FileTheme(), nullptr);
    EXPECT_EQ(manager->UIStyle(), TsuiUIStyle::DeepBlue);
}

TEST_F(ThemeManagerTest, AManagerOutsideAFormChangesNothing)
{
    QObject dataModule;
    TsuiThemeManager loose(&dataModule);
    loose.SetCompList({ QStringLiteral("suiA") });
    loose.SetUIStyle(TsuiUIStyle::BlueGlass);
    EXPECT_EQ(a->UIStyle(), TsuiUIStyle::DeepBlue);
    EXPECT_TRUE(loose.Candidates().isEmpty());
}

TEST_F(ThemeManagerTest, AListedComponentWithoutTheStylePropertiesRaises)
{
    auto* other = named(new ProbeOther(&form), "plain");
    Q_UNUSED(other);
    manager->SetCompList({ QStringLiteral("plain") });
    EXPECT_THROW(manager->UpdateAll(), OrlendaException);
}

TEST_F(ThemeManagerTest, TheListSurvivesAFormDescription)
{
    RegisterSuimgrComponents();
    ComponentRegistry::instance().add<TsuiProbeControl>();
    manager->SetCompList({ QStringLiteral("suiA"), QStringLiteral("suiC") });
    manager->SetUIStyle(TsuiUIStyle::BlueGlass);
    QByteArray description = formDescription(&form);
    QBuffer buffer(&description);
    buffer.open(QIODevice::ReadOnly);
    TForm copy;
    readForm(&copy, &buffer, QStringLiteral("managed.xml"));
    auto* read = copy.findChild<TsuiThemeManager*>();
    ASSERT_TRUE(read);
    EXPECT_EQ(read->CompList(), (QStringList { QStringLiteral("suiA"), QStringLiteral("suiC") }));
    EXPECT_EQ(read->UIStyle(), TsuiUIStyle::BlueGlass);
}

// Runs `drive` on the dialog once it is shown modally.
void whenDialogShows(const std::function<void(TfrmMgr*)>& drive)
{
    QTimer::singleShot(0, [drive] {
        auto* dialog = qobject_cast<TfrmMgr*>(QApplication::activeModalWidget());
        ASSERT_TRUE(dialog);
        drive(dialog);
    });
}

TEST_F(ThemeManagerTest, TheDialogListsThemedComponentsAndOkStoresTheCheckedOnes)
{
    new TsuiFileTheme(&form); // has no UIStyle: not offered
    new ProbeOther(&form); // not a skin component: not offered
    manager->SetCompList({ QStringLiteral("suiB") });
    QStringList shown;
    QList<bool> checks;
    whenDialogShows([&](TfrmMgr* dialog) {
        EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Theme Manager - DOZErad"));
        EXPECT_EQ(dialog->size(), QSize(233, 301));
        EXPECT_EQ(dialog->List->geometry(), QRect(16, 16, 201, 185));
        EXPECT_EQ(dialog->btn_sel->text(), QStringLiteral("&Select all"));
        EXPECT_EQ(dialog->btn_unsel->text(), QStringLiteral("&Unselect all"));
        EXPECT_TRUE(dialog->btn_ok->isDefault());
        for (int i = 0; i < dialog->List->count(); ++i) {
            shown << dialog->List->item(i)->text();
            checks << (dialog->List->item(i)->checkState() == Qt::Checked);
        }
        QTest::mouseClick(dialog->btn_sel, Qt::LeftButton);
        for (int i = 0; i < dialog->List->count(); ++i)
            EXPECT_EQ(dialog->List->item(i)->checkState(), Qt::Checked);
        QTest::mouseClick(dialog->btn_unsel, Qt::LeftButton);
        dialog->List->item(2)->setCheckState(Qt::Checked);
        dialog->List->item(0)->setCheckState(Qt::Checked);
        QTest::mouseClick(dialog->btn_ok, Qt::LeftButton);
    });
    manager->SetUIStyle(TsuiUIStyle::MacOS);
    manager->EditCompList();
    EXPECT_EQ(shown, (QStringList { "suiA", "suiB", "suiC" }));
    EXPECT_EQ(checks, (QList<bool> { false, true, false }));
    EXPECT_EQ(manager->CompList(), (QStringList { "suiA", "suiC" }));
    EXPECT_EQ(a->UIStyle(), TsuiUIStyle::MacOS);
    EXPECT_EQ(c->UIStyle(), TsuiUIStyle::MacOS);
}

TEST_F(ThemeManagerTest, ClosingTheDialogOtherwiseKeepsTheListButStillUpdates)
{
    manager->SetCompList({ QStringLiteral("suiB") });
    manager->SetUIStyle(TsuiUIStyle::Protein);
    b->SetUIStyle(TsuiUIStyle::WinXP); // changed behind the manager's back
    whenDialogShows([](TfrmMgr* dialog) {
        QTest::mouseClick(dialog->btn_sel, Qt::LeftButton);
        dialog->reject();
    });
    manager->EditCompList();
    EXPECT_EQ(manager->CompList(), QStringList { QStringLiteral("suiB") });
    EXPECT_EQ(b->UIStyle(), TsuiUIStyle::Protein);
    EXPECT_EQ(a->UIStyle(), TsuiUIStyle::DeepBlue);
}

} // namespace
