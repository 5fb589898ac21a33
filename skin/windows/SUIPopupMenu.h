// The themed popup menu: the framework's popup menu with every item drawn by SuiMenuDrawing.
// The title bar's control-box menu derives from it.
#pragma once

#include "framework/ImageList.h"
#include "framework/TPopupMenu.h"
#include "skin/windows/SuiMenuDrawing.h"

#include <memory>

class SuiMenuDropDown;

class TsuiPopupMenu : public TPopupMenu, public SuiMenuDrawing {
    Q_OBJECT
    Q_MOC_INCLUDE("skin/styles/TsuiFileTheme.h")
    SUI_MENU_DRAWING_PROPERTIES
public:
    explicit TsuiPopupMenu(QObject* owner = nullptr);
    ~TsuiPopupMenu() override;

    // Installs the item handlers on every item (after loading, and for menus that build their
    // items in code, once they have).
    void MenuAdded();

    void Loaded() override;

protected:
    QMenu* popupMenu() override;
    TImageList* itemImages() const override { return Images(); }
    const ImageList& checkMarks() const override;
    void lookChanged() override;

private:
    std::unique_ptr<SuiMenuDropDown> m_dropDown;
};
