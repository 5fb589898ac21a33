#include "browser/Main.h"

#include "browser/About.h"
#include "browser/BrowserResources.h"
#include "browser/CatalogueLocation.h"
#include "browser/CatalogueTree.h"
#include "browser/ReferencePages.h"
#include "catalogue/OrlendaData.h"
#include "framework/FormReader.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUIScrollBarStyle.h"

#include <QDesktopServices>
#include <QUrl>

#include <memory>

TfmMain::TfmMain(QWidget* owner)
    : TForm(owner)
{
    initBrowserResources();
    setWindowIcon(programIcon());
    try {
        readForm(this, QString::fromLatin1(kFormDescription));
    } catch (...) {
        // The handler bound before the failure must not run on a half-destroyed form.
        OnDestroy = nullptr;
        delete m_catalogue;
        m_catalogue = nullptr;
        throw;
    }
    // The banner is decoded by libjpeg itself; a damaged picture leaves the strip empty.
    if (imgTitle)
        imgTitle->setPicture(bannerPicture());
}

TfmMain::~TfmMain()
{
    // OnDestroy runs our FormDestroy, which needs this class still whole.
    BeforeDestruction();
}

void TfmMain::FillTree(int view)
{
    CatalogueTree(tvValue, m_catalogue).FillTree(view);
}

void TfmMain::AddLetterGroup(const char* label)
{
    CatalogueTree(tvValue, m_catalogue).AddLetterGroup(label);
}

void TfmMain::AddCategoryGroup(int category, const char* label)
{
    CatalogueTree(tvValue, m_catalogue).AddCategoryGroup(category, label);
}

int TfmMain::GetModulePath(std::string* out) const
{
    return ReferencePages::GetModulePath(out);
}

void TfmMain::WriteGroupPage(QTreeWidgetItem* node)
{
    ReferencePages::WriteGroupPage(node, [this](const std::string& url) { ShowUrl(url); });
}

void TfmMain::WriteItemPage(QTreeWidgetItem* node)
{
    ReferencePages::WriteItemPage(node, [this](const std::string& url) { ShowUrl(url); });
}

void TfmMain::ShowUrl(const std::string& url)
{
    if (wbMain)
        wbMain->Navigate2(QString::fromLocal8Bit(url.data(), qsizetype(url.size())));
}

void TfmMain::FormCreate(QObject*)
{
    m_catalogue = new OrlendaData(CatalogueLocation::catalogueFile().c_str());
    // The tree's and the page's scroll bars in the window's skin, the one its buttons show.
    const TsuiUIStyle skin = btnExit ? btnExit->UIStyle() : GetSUIFormStyle(this);
    if (tvValue)
        SuiScrollBarStyle::applyTo(tvValue, skin);
    if (wbMain)
        SuiScrollBarStyle::applyTo(wbMain, skin);
    FillTree(CatalogueTree::ByName);
    ShowUrl("about:blank");
}

void TfmMain::FormDestroy(QObject*)
{
    // The nodes point into the catalogue: take them down first so nothing can reach a freed
    // record while the components go.
    if (tvValue)
        tvValue->clearNodes();
    delete m_catalogue;
    m_catalogue = nullptr;
}

void TfmMain::pnlLeftResize(QObject*)
{
    tvValue->setHeight(pnlLeft->Height() - 33);
}

void TfmMain::pnlClientResize(QObject*)
{
    pnlBrowser->setHeight(pnlClient->Height() - 32);
    btnExit->setLeft(pnlClient->Width() - 100);
}

void TfmMain::imgTitleClick(QObject*)
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kPublisherSite)));
}

void TfmMain::btnExitClick(QObject*)
{
    Close();
}

void TfmMain::miFileExitClick(QObject*)
{
    Close();
}

void TfmMain::rbNameClick(QObject*)
{
    FillTree(CatalogueTree::ByName);
}

void TfmMain::rbCategoryClick(QObject*)
{
    FillTree(CatalogueTree::ByCategory);
}

void TfmMain::tvValueChange(QObject*, QTreeWidgetItem*)
{
    // The current selection decides, not the event's node.
    const QList<QTreeWidgetItem*> selected = tvValue->selectedItems();
    if (selected.isEmpty())
        return;
    QTreeWidgetItem* node = selected.first();
    if (node->parent())
        WriteItemPage(node);
    else
        WriteGroupPage(node);
}

void TfmMain::miHelpAboutClick(QObject*)
{
    const std::unique_ptr<TfmAbout> about(new TfmAbout(this));
    about->ShowModal();
}
