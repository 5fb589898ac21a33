// The themed main menu: the framework's main menu with every item drawn by SuiMenuDrawing,
// shown by a TsuiForm as its bar of buttons whose drop-downs are SuiMenuDropDowns.
#pragma once

#include "framework/ImageList.h"
#include "framework/TMainMenu.h"
#include "skin/windows/SuiMenuDrawing.h"

#include <QPointer>
#include <map>

class QMenu;
class SuiMenuDropDown;
class SuiMenuHost;

class TsuiMainMenu : public TMainMenu, public SuiMenuDrawing {
    Q_OBJECT
    Q_MOC_INCLUDE("skin/styles/TsuiFileTheme.h")
    SUI_MENU_DRAWING_PROPERTIES
public:
    // Takes the style of the owner form's TsuiForm, clears the form's native menu and attaches
    // itself to that TsuiForm (through its "Menu" property).
    explicit TsuiMainMenu(QObject* owner = nullptr);
    ~TsuiMainMenu() override;

    // The user's image list; none while only the internal check-mark list is in use.
    TImageList* GetImages() const { return Images(); }
    void SetImages(TImageList* images) { setImages(images); }

    // The frame that shows this menu; set and cleared by the frame.
    SuiMenuHost* MenuHost() const { return m_host; }
    void SetMenuHost(SuiMenuHost* host) { m_host = host; }

    // Installs the item handlers on every item, then has the host rebuild its bar.
    void MenuAdded();
    // The framework's report that items changed.
    void MenuChanged();

    // What a menu bar showing this menu needs: the drop-down of a top-level item (built fresh
    // from its sub-items, owned by this menu, kept while the item lives), shown at a screen
    // point by PopupItem, and the font of the bar's captions.
    QMenu* DropDown(TMenuItem* topItem);
    QMenu* PopupItem(TMenuItem* topItem, const QPoint& screenPos);
    QFont BarFont() const { return ItemFont(false); }

    void Loaded() override;

protected:
    TImageList* itemImages() const override { return Images(); }
    const ImageList& checkMarks() const override { return m_checkMarks; }
    void lookChanged() override;

private:
    void afterConstruction();
    void structureCheck();

    ImageList m_checkMarks { 16, 16 };
    SuiMenuHost* m_host = nullptr;
    std::map<TMenuItem*, QPointer<SuiMenuDropDown>> m_dropDowns;
    QList<TMenuItem*> m_topItems;
    bool m_structureCheckPending = false;
};

// Registers the themed menus for form descriptions (a program that names them only in
// descriptions calls it once).
void RegisterSuiMenuComponents();
