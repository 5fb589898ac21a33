// The main window: catalogue tree on the left, reference pages on the right, banner on top.
#pragma once

#include "framework/TCppWebBrowser.h"
#include "framework/TForm.h"
#include "framework/TImage.h"
#include "framework/TImageList.h"
#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"
#include "framework/TPanel.h"
#include "framework/TSplitter.h"
#include "framework/TStatusBar.h"
#include "framework/TTreeView.h"
#include "skin/controls/SUIButton.h"
#include "skin/controls/SUIRadioButton.h"

#include <string>

class OrlendaData;

class TfmMain : public TForm {
    Q_OBJECT
    Q_PROPERTY(TStatusBar* sbMain MEMBER sbMain)
    Q_PROPERTY(TPanel* pnlLeft MEMBER pnlLeft)
    Q_PROPERTY(TSplitter* spMain MEMBER spMain)
    Q_PROPERTY(TPanel* pnlClient MEMBER pnlClient)
    Q_PROPERTY(TTreeView* tvValue MEMBER tvValue)
    Q_PROPERTY(TCppWebBrowser* wbMain MEMBER wbMain)
    Q_PROPERTY(TPanel* suiForm1 MEMBER suiForm1)
    Q_PROPERTY(TImage* imgTitle MEMBER imgTitle)
    Q_PROPERTY(TPanel* pnlBrowser MEMBER pnlBrowser)
    Q_PROPERTY(TsuiButton* btnExit MEMBER btnExit)
    Q_PROPERTY(TsuiRadioButton* rbName MEMBER rbName)
    Q_PROPERTY(TsuiRadioButton* rbCategory MEMBER rbCategory)
    Q_PROPERTY(TImageList* imgValue MEMBER imgValue)
    Q_PROPERTY(TMainMenu* suiMainMenu1 MEMBER suiMainMenu1)
    Q_PROPERTY(TMenuItem* miFile MEMBER miFile)
    Q_PROPERTY(TMenuItem* miFileExit MEMBER miFileExit)
    Q_PROPERTY(TMenuItem* miHelp MEMBER miHelp)
    Q_PROPERTY(TMenuItem* miHelpAbout MEMBER miHelpAbout)
    Q_PROPERTY(TMenuItem* miView MEMBER miView)
    Q_PROPERTY(TMenuItem* miViewName MEMBER miViewName)
    Q_PROPERTY(TMenuItem* miViewCat MEMBER miViewCat)
public:
    static constexpr const char* kFormDescription = ":/forms/Main.xml";
    // Where the banner leads: the public reference of the values this program describes.
    static constexpr const char* kPublisherSite
        = "https://www.ibm.com/docs/en/i/7.5?topic=management-system-values";

    // Builds the window from its form description; a broken description throws
    // FormDescriptionError and leaves nothing behind.
    explicit TfmMain(QWidget* owner = nullptr);
    ~TfmMain() override;

    TStatusBar* sbMain = nullptr;
    TPanel* pnlLeft = nullptr;
    TSplitter* spMain = nullptr;
    TPanel* pnlClient = nullptr;
    TTreeView* tvValue = nullptr;
    TCppWebBrowser* wbMain = nullptr;
    TPanel* suiForm1 = nullptr;
    TImage* imgTitle = nullptr;
    TPanel* pnlBrowser = nullptr;
    TsuiButton* btnExit = nullptr;
    TsuiRadioButton* rbName = nullptr;
    TsuiRadioButton* rbCategory = nullptr;
    TImageList* imgValue = nullptr;
    TMainMenu* suiMainMenu1 = nullptr;
    TMenuItem* miFile = nullptr;
    TMenuItem* miFileExit = nullptr;
    TMenuItem* miHelp = nullptr;
    TMenuItem* miHelpAbout = nullptr;
    TMenuItem* miView = nullptr;
    TMenuItem* miViewName = nullptr;
    TMenuItem* miViewCat = nullptr;

    OrlendaData* catalogue() const { return m_catalogue; }

    void FillTree(int view);
    void AddLetterGroup(const char* label);
    void AddCategoryGroup(int category, const char* label);

    int GetModulePath(std::string* out) const;
    void WriteGroupPage(QTreeWidgetItem* node);
    void WriteItemPage(QTreeWidgetItem* node);
    void ShowUrl(const std::string& url);

    Q_INVOKABLE void FormCreate(QObject* Sender);
    Q_INVOKABLE void FormDestroy(QObject* Sender);
    Q_INVOKABLE void pnlLeftResize(QObject* Sender);
    Q_INVOKABLE void pnlClientResize(QObject* Sender);
    Q_INVOKABLE void imgTitleClick(QObject* Sender);
    Q_INVOKABLE void btnExitClick(QObject* Sender);
    Q_INVOKABLE void miFileExitClick(QObject* Sender);
    Q_INVOKABLE void rbNameClick(QObject* Sender);
    Q_INVOKABLE void rbCategoryClick(QObject* Sender);
    Q_INVOKABLE void tvValueChange(QObject* Sender, QTreeWidgetItem* Node);
    Q_INVOKABLE void miHelpAboutClick(QObject* Sender);

private:
    void showSelection();

    OrlendaData* m_catalogue = nullptr;
    // The node whose page the last dispatch wrote; compared only, never dereferenced.
    const QTreeWidgetItem* m_shownNode = nullptr;
};
