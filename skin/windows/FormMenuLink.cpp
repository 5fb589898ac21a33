#include "skin/windows/FormMenuLink.h"

#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"
#include "skin/windows/SuiMenuHost.h"
#include "skin/windows/SUIMainMenu.h"
#include "skin/windows/Suimenu.h"

#include <QMenu>

bool MenuRunsShortCut(TMainMenu* menu, const QKeyEvent* event)
{
    return menu && event && menu->IsShortCut(event);
}

QMenu* MenuDropDown(TMainMenu* menu, TMenuItem* item, QWidget* parent)
{
    // The themed menu keeps its drop-downs and draws every item itself.
    if (auto* themed = qobject_cast<TsuiMainMenu*>(menu))
        return themed->DropDown(item);
    auto* dropDown = new QMenu(parent);
    TMainMenu::populate(dropDown, item);
    return dropDown;
}

QFont MenuBarFont(const TMainMenu* menu)
{
    if (auto* themed = qobject_cast<const TsuiMainMenu*>(menu))
        return themed->BarFont();
    QFont font;
    Menu_GetSystemFont(font);
    return font;
}

bool AttachMenuHost(TMainMenu* menu, SuiMenuHost* frame)
{
    auto* themed = qobject_cast<TsuiMainMenu*>(menu);
    if (!themed)
        return false;
    themed->SetMenuHost(frame);
    return true;
}

void DetachMenuHost(TMainMenu* menu, SuiMenuHost* frame)
{
    auto* themed = qobject_cast<TsuiMainMenu*>(menu);
    if (themed && themed->MenuHost() == frame)
        themed->SetMenuHost(nullptr);
}
