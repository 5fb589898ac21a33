// What a window that shows a TsuiMainMenu as a bar of buttons offers the menu, so the menu can
// tell it about changes. The frame sets itself with TsuiMainMenu::SetMenuHost and clears it
// (SetMenuHost(nullptr)) before it goes away; the menu never owns its host.
#pragma once

class SuiMenuHost {
public:
    // The set of top-level items changed (or the menu finished loading): rebuild the bar's
    // buttons from TsuiMainMenu::Items().
    virtual void UpdateMenu() = 0;
    // A caption, enabled or visible state changed: copy them onto the existing buttons.
    virtual void UpdateTopMenu() = 0;
    // The bar's font or look changed: take TsuiMainMenu::BarFont() again and repaint.
    virtual void RepaintMenuBar() = 0;

protected:
    ~SuiMenuHost() = default;
};
