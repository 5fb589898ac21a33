#include "framework/TMainMenu.h"

#include "framework/ShortCut.h"
#include "framework/TMenuItem.h"

#include <QMenu>
#include <QMenuBar>

TMainMenu::TMainMenu(QObject* owner)
    : TMenu(owner)
{
}

TMainMenu::~TMainMenu()
{
    // Frames and menu bars keep a QPointer<TMainMenu>; they hear while this still is one.
    AnnounceDestruction();
}

bool TMainMenu::IsShortCut(const QKeyEvent* event) const
{
    TMenuItem* item = FindShortCutItem(Items(), ShortCutFromKeyEvent(event));
    if (!item)
        return false;
    item->Click();
    return true;
}

void TMainMenu::populate(QMenuBar* bar) const
{
    for (TMenuItem* item : Items()) {
        if (item->Items().isEmpty()) {
            // A top-level choice without sub-items acts straight from the bar.
            fillAction(bar->addAction(item->Caption()), item);
            continue;
        }
        QMenu* menu = bar->addMenu(item->Caption());
        menu->menuAction()->setEnabled(item->Enabled());
        menu->menuAction()->setVisible(item->Visible());
        populate(menu, item);
    }
}
