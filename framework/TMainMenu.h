// A form's menu: its top-level items are child TMenuItems; the form shows it as its menu bar.
#pragma once

#include "framework/TMenu.h"

class QKeyEvent;
class QMenuBar;

class TMainMenu : public TMenu {
    Q_OBJECT
public:
    explicit TMainMenu(QObject* owner = nullptr);
    ~TMainMenu() override;

    // Runs the item whose ShortCut the key press is and says whether there was one.
    bool IsShortCut(const QKeyEvent* event) const;

    // Fills a Qt menu bar with the items; choosing an action clicks its item.
    void populate(QMenuBar* bar) const;
    using TMenu::populate;
};
