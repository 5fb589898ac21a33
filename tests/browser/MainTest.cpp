#include "MainWindowFixture.h"

#include "browser/About.h"
#include "browser/ReferencePages.h"
#include "catalogue/OrlendaData.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMenuBar>
#include <QTimer>
#include <QUrl>

namespace {

const QString kBlank = QStringLiteral("about:blank");

QString pageUrl(const char* name)
{
    return QStringLiteral("file://") + QCoreApplication::applicationDirPath() + QLatin1Char('/')
        + QLatin1String(name) + QStringLiteral(".html");
}

class MainTest : public MainWindowFixture { };

TEST_F(MainTest, TheWindowIsBuiltFromItsDescriptionWithTheNamedMembers)
{
    writeCatalogue();
    start();
    EXPECT_EQ(form->windowTitle(), "Orlenda System Value Reference");
    EXPECT_EQ(form->ClientWidth(), 782);
    EXPECT_EQ(form->ClientHeight(), 573);
    EXPECT_EQ(form->Constraints()->MinWidth(), 270);
    EXPECT_EQ(form->Constraints()->MinHeight(), 50);
    EXPECT_FALSE(form->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(form->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(form->Scaled());

    for (QObject* member : std::initializer_list<QObject*> { form->sbMain, form->pnlLeft,
             form->spMain, form->pnlClient, form->tvValue, form->wbMain, form->suiForm1,
             form->imgTitle, form->pnlBrowser, form->btnExit, form->rbName, form->rbCategory,
             form->imgValue, form->suiMainMenu1, form->miFile, form->miFileExit, form->miHelp,
             form->miHelpAbout, form->miView, form->miViewName, form->miViewCat })
        ASSERT_NE(member, nullptr);
    EXPECT_EQ(form->tvValue->parentWidget(), form->pnlLeft);
    EXPECT_EQ(form->wbMain->parentWidget(), form->pnlBrowser);
    EXPECT_EQ(form->btnExit->parentWidget(), form->pnlClient);
    EXPECT_EQ(form->tvValue->Indent(), 27);
    EXPECT_EQ(form->tvValue->Images(), form->imgValue);
    EXPECT_EQ(form->imgValue->Count(), 2);
    EXPECT_EQ(form->btnExit->Caption(), "Exit");
    EXPECT_EQ(form->pnlLeft->Color(), QColor(0xE8, 0xE8, 0xE8));
    EXPECT_EQ(form->imgTitle->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form->imgTitle->Picture().size(), QSize(800, 50));
    EXPECT_TRUE(form->imgTitle->Stretch());

    QStringList menus;
    for (QAction* action : form->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, QStringList({ "&File", "&View", "&Help" }));
    EXPECT_EQ(form->miFileExit->Caption(), "E&xit");
    EXPECT_EQ(form->miViewName->Caption(), "&Name");
    EXPECT_EQ(form->miViewCat->Caption(), "&Category");
    EXPECT_EQ(form->miHelpAbout->Caption(), "&About Orlenda");
}

TEST_F(MainTest, StartUpShowsTheByNameTreeWithNothingSelectedAndTheBlankPage)
{
    writeCatalogue();
    start();
    ASSERT_NE(form->catalogue(), nullptr);
    EXPECT_EQ(form->catalogue()->GetCount(), 5);
    EXPECT_EQ(topLevelTexts(), QStringList({ "QA", "QD", "QS", "QT" }));
    EXPECT_TRUE(form->tvValue->topLevelItem(0)->isExpanded());
    EXPECT_FALSE(form->tvValue->topLevelItem(1)->isExpanded());
    EXPECT_TRUE(form->tvValue->selectedItems().isEmpty());
    EXPECT_EQ(form->wbMain->LocationURL(), kBlank);
    EXPECT_TRUE(form->wbMain->toPlainText().isEmpty());
    EXPECT_TRUE(form->rbName->Checked());
    EXPECT_FALSE(form->rbCategory->Checked());
}

TEST_F(MainTest, AMissingCatalogueGivesAnEmptyTreeAndTheBlankPage)
{
    start();
    EXPECT_EQ(form->tvValue->topLevelItemCount(), 0);
    EXPECT_EQ(form->wbMain->LocationURL(), kBlank);
    // An unreadable one too: a directory where the file should be.
    form.reset();
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("orlenda.dat")));
    start();
    EXPECT_EQ(form->tvValue->topLevelItemCount(), 0);
}

TEST_F(MainTest, SelectionShowsTheGroupOrItemPageAndAClearedSelectionShowsNothingNew)
{
    writeCatalogue();
    start();
    QTreeWidgetItem* group = form->tvValue->topLevelItem(1); // "QD"
    form->tvValue->setCurrentItem(group);
    EXPECT_EQ(form->wbMain->LocationURL(), pageUrl("group"));
    EXPECT_TRUE(form->wbMain->toPlainText().contains("System Values for QD"));
    EXPECT_TRUE(form->wbMain->toPlainText().contains("System date"));

    form->tvValue->setCurrentItem(group->child(0));
    EXPECT_EQ(form->wbMain->LocationURL(), pageUrl("item"));
    EXPECT_TRUE(form->wbMain->toPlainText().contains("Detail of QDATE"));

    // Rebuilding clears the selection: the page stays as it was.
    form->miViewCat->Click();
    EXPECT_TRUE(form->tvValue->selectedItems().isEmpty());
    EXPECT_EQ(form->wbMain->LocationURL(), pageUrl("item"));
    EXPECT_TRUE(form->wbMain->toPlainText().contains("Detail of QDATE"));
}

TEST_F(MainTest, ClickingANodeWithTheMouseShowsThatNodesPage)
{
    writeCatalogue();
    start();
    QTreeWidgetItem* qacglvl = form->tvValue->topLevelItem(0)->child(0);
    const QRect rect = form->tvValue->visualItemRect(qacglvl);
    QTest::mouseClick(form->tvValue->viewport(), Qt::LeftButton, {}, rect.center());
    EXPECT_EQ(form->wbMain->LocationURL(), pageUrl("item"));
    EXPECT_TRUE(form->wbMain->toPlainText().contains("Detail of QACGLVL"));

    QTreeWidgetItem* qa = form->tvValue->topLevelItem(0);
    QTest::mouseClick(
        form->tvValue->viewport(), Qt::LeftButton, {}, form->tvValue->visualItemRect(qa).center());
    EXPECT_EQ(form->wbMain->LocationURL(), pageUrl("group"));
    EXPECT_TRUE(form->wbMain->toPlainText().contains("System Values for QA"));

    // The keyboard moves the selection to the next node: QA's second value.
    QTest::keyClick(form->tvValue, Qt::Key_Down);
    QTest::keyClick(form->tvValue, Qt::Key_Down);
    EXPECT_TRUE(form->wbMain->toPlainText().contains("Detail of QABNORMSW"));
}

TEST_F(MainTest, TheViewMenuRebuildsWithoutTouchingTheRadioButtons)
{
    writeCatalogue();
    start();
    auto clickRadio = [](TsuiRadioButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
    };

    form->miViewCat->Click();
    EXPECT_EQ(topLevelTexts().size(), 8);
    EXPECT_TRUE(form->rbName->Checked());

    // "Name" is still checked, so clicking it changes nothing.
    clickRadio(form->rbName);
    EXPECT_EQ(topLevelTexts().size(), 8);

    clickRadio(form->rbCategory);
    EXPECT_TRUE(form->rbCategory->Checked());
    EXPECT_FALSE(form->rbName->Checked());
    EXPECT_EQ(topLevelTexts().first(), "*ALC");

    clickRadio(form->rbName);
    EXPECT_EQ(topLevelTexts(), QStringList({ "QA", "QD", "QS", "QT" }));

    // The menu rebuilds also when the arrangement is already shown.
    form->tvValue->topLevelItem(2)->setExpanded(true);
    form->miViewName->Click();
    EXPECT_FALSE(form->tvValue->topLevelItem(2)->isExpanded());
}

class Recorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

TEST_F(MainTest, ClickingTheBannerAsksTheDesktopToOpenThePublisherSite)
{
    start();
    Recorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    QTest::mouseClick(form->imgTitle, Qt::LeftButton, {}, form->imgTitle->rect().center());
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(recorder.urls.size(), 1);
    EXPECT_EQ(recorder.urls.first(), QUrl(QString::fromLatin1(TfmMain::kPublisherSite)));
}

TEST_F(MainTest, ExitButtonExitMenuAndTheFrameAllCloseTheWindow)
{
    start();
    QTest::mouseClick(form->btnExit, Qt::LeftButton, {}, form->btnExit->rect().center());
    EXPECT_FALSE(form->isVisible());

    start();
    form->miFileExit->Click();
    EXPECT_FALSE(form->isVisible());

    start();
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
}

// Runs `check` on the About window once it is shown modally, then closes it with `close`.
void whenAboutShows(std::function<void(TfmAbout*)> check, std::function<void(TfmAbout*)> close)
{
    QTimer::singleShot(0, [check, close] {
        TfmAbout* about = nullptr;
        ASSERT_TRUE(QTest::qWaitFor([&] {
            about = qobject_cast<TfmAbout*>(QApplication::activeModalWidget());
            return about && about->isVisible();
        }));
        check(about);
        close(about);
    });
}

TEST_F(MainTest, AboutOpensTwiceAsTwoSeparateWindowsThatLeaveNothingBehind)
{
    start();
    QList<TfmAbout*> seen;
    auto check = [&](TfmAbout* about) {
        seen << about;
        EXPECT_EQ(about->windowTitle(), "About Orlenda Reference");
        EXPECT_EQ(about->ClientWidth(), 350);
        EXPECT_EQ(about->ClientHeight(), 167);
        EXPECT_EQ(about->Label1->Caption(), "Orlenda Reference");
        EXPECT_EQ(about->Label2->Caption(), "( version 1.2 build 1060 )");
        EXPECT_EQ(about->Image1->size(), QSize(32, 32));
        EXPECT_EQ(about->btnOK->ModalResult(), 1);
        EXPECT_EQ(about->parent(), form.get());
    };

    whenAboutShows(check, [](TfmAbout* about) {
        QTest::mouseClick(about->btnOK, Qt::LeftButton, {}, about->btnOK->rect().center());
    });
    form->miHelpAbout->Click();
    EXPECT_TRUE(form->findChildren<TfmAbout*>().isEmpty());

    whenAboutShows(check, [](TfmAbout* about) { about->close(); });
    form->miHelpAbout->Click();
    EXPECT_TRUE(form->findChildren<TfmAbout*>().isEmpty());
    EXPECT_EQ(seen.size(), 2);
    EXPECT_TRUE(form->isVisible());
}

TEST_F(MainTest, DestroyingTheWindowFreesTheCatalogueAfterTheTreeLetGoOfIt)
{
    writeCatalogue();
    start();
    form->tvValue->setCurrentItem(form->tvValue->topLevelItem(0)->child(0));
    QPointer<TTreeView> tree = form->tvValue;
    form.reset();
    EXPECT_TRUE(tree.isNull());
}

} // namespace

#include "MainTest.moc"
