#include "skin/windows/FormMenuLink.h"

#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

namespace {

// The stored shortcut of a key press: the key code in the low byte, Shift, Ctrl and Alt above.
int shortCutOf(const QKeyEvent* event)
{
    const int key = event->key();
    int code = 0;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        code = key;
    else if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        code = 0x70 + (key - Qt::Key_F1);
    else if (key == Qt::Key_Delete)
        code = 0x2E;
    else if (key == Qt::Key_Insert)
        code = 0x2D;
    else
        return 0;
    const Qt::KeyboardModifiers mods = event->modifiers();
    if (mods & Qt::ShiftModifier)
        code |= 0x2000;
    if (mods & Qt::ControlModifier)
        code |= 0x4000;
    if (mods & Qt::AltModifier)
        code |= 0x8000;
    return code;
}

TMenuItem* findShortCut(const QList<TMenuItem*>& items, int shortCut)
{
    for (TMenuItem* item : items) {
        if (!item->Enabled() || !item->Visible())
            continue;
        if (item->property("ShortCut").toInt() == shortCut)
            return item;
        if (TMenuItem* found = findShortCut(item->Items(), shortCut))
            return found;
    }
    return nullptr;
}

} // namespace

bool MenuRunsShortCut(TMainMenu* menu, const QKeyEvent* event)
{
    if (!menu || !event)
        return false;
    const int shortCut = shortCutOf(event);
    if (shortCut == 0)
        return false;
    TMenuItem* item = findShortCut(menu->Items(), shortCut);
    if (!item)
        return false;
    item->Click();
    return true;
}

QMenu* MenuDropDown(TMainMenu*, TMenuItem* item, QWidget* parent)
{
    auto* dropDown = new QMenu(parent);
    TMainMenu::populate(dropDown, item);
    return dropDown;
}

QFont MenuBarFont(const TMainMenu*)
{
    return QApplication::font("QMenu");
}

bool AttachMenuHost(TMainMenu*, TsuiForm*)
{
    return false;
}

void DetachMenuHost(TMainMenu*, TsuiForm*) { }
