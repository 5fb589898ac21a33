// What the frame needs of the menu it shows, in one place: shortcuts, the drop-down of a top-level
// item, the bar's font, and the menu's link back to the frame.
#pragma once

#include <QFont>

class QKeyEvent;
class QMenu;
class QWidget;
class TMainMenu;
class TMenuItem;
class SuiMenuHost;

// Runs the item whose shortcut the key press is; false when there is none.
bool MenuRunsShortCut(TMainMenu* menu, const QKeyEvent* event);
// The drop-down of a top-level item; a menu the caller must delete has `parent` as its parent.
QMenu* MenuDropDown(TMainMenu* menu, TMenuItem* item, QWidget* parent);
// The font of the bar's captions: the themed menu's, else the platform's menu font.
QFont MenuBarFont(const TMainMenu* menu);
// Makes the frame the themed menu's host; false for a menu that cannot have one.
bool AttachMenuHost(TMainMenu* menu, SuiMenuHost* frame);
void DetachMenuHost(TMainMenu* menu, SuiMenuHost* frame);
