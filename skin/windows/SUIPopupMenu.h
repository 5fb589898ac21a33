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
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE SetHeight)
    Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE SetSeparatorHeight)
    Q_PROPERTY(int BarWidth READ BarWidth WRITE SetBarWidth)
    Q_PROPERTY(TColor BarColor READ BarColor WRITE SetBarColor)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(TColor SeparatorColor READ SeparatorColor WRITE SetSeparatorColor)
    Q_PROPERTY(TColor SelectedBorderColor READ SelectedBorderColor WRITE SetSelectedBorderColor)
    Q_PROPERTY(TColor SelectedColor READ SelectedColor WRITE SetSelectedColor)
    Q_PROPERTY(TColor SelectedFontColor READ SelectedFontColor WRITE SetSelectedFontColor)
    Q_PROPERTY(TColor FontColor READ FontColor WRITE SetFontColor)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE SetFlatMenu)
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)
    Q_PROPERTY(int FontSize READ FontSize WRITE SetFontSize)
    Q_PROPERTY(int FontCharset READ FontCharset WRITE SetFontCharset)
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE SetUseSystemFont)
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
