// The window menu of the title bar's control box: minimize, maximize or restore, close.
#pragma once

#include "skin/windows/SUIPopupMenu.h"

class TMenuItem;
class TsuiTitleBar;

class TsuiTitleBarPopupMenu : public TsuiPopupMenu {
    Q_OBJECT
public:
    explicit TsuiTitleBarPopupMenu(TsuiTitleBar* titleBar);

    TsuiTitleBar* TitleBar() const { return m_titleBar; }
    TMenuItem* Item(int index) const { return Items().value(index); }

    // Enables the items the bar's visible buttons allow, then shows the menu at the screen point.
    void Popup(int X, int Y) override;

    void Minimize();
    void MaximizeRestore();
    void CloseForm();

private:
    TsuiTitleBar* m_titleBar;
};
