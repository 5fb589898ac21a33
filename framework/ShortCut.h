// Menu shortcuts as the framework stores them: a key code in the low byte, modifier bits above.
#pragma once

#include <QList>
#include <QString>

class QKeyEvent;
class TMenuItem;

inline constexpr int scShift = 0x2000;
inline constexpr int scCtrl = 0x4000;
inline constexpr int scAlt = 0x8000;
inline constexpr int scNone = 0;

// "Ctrl+S", "Shift+Del", "Alt+F4", "F1"; empty for no shortcut or a key without a name.
QString ShortCutToText(int shortCut);
// The shortcut a key press stands for; scNone for keys a shortcut cannot name.
int ShortCutFromKeyEvent(const QKeyEvent* event);

// The first enabled, visible item (depth first, below enabled, visible parents) whose shortcut is
// `shortCut`; none for scNone.
TMenuItem* FindShortCutItem(const QList<TMenuItem*>& items, int shortCut);
