// Menu shortcuts: their text, the key presses they stand for, and running the matching item.
#include "framework/ShortCut.h"
#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"

#include <QKeyEvent>
#include <gtest/gtest.h>

TEST(ShortCut, TextNamesModifiersThenTheKey)
{
    EXPECT_EQ(ShortCutToText(scCtrl | 'S'), "Ctrl+S");
    EXPECT_EQ(ShortCutToText(scAlt | 0x73), "Alt+F4");
    EXPECT_EQ(ShortCutToText(scShift | scCtrl | 0x2E), "Shift+Ctrl+Del");
    EXPECT_EQ(ShortCutToText(0x70), "F1");
    EXPECT_EQ(ShortCutToText(scCtrl | '5'), "Ctrl+5");
    EXPECT_EQ(ShortCutToText(scNone), "");
    EXPECT_EQ(ShortCutToText(scCtrl | 0xE5), "") << "a key without a name";
}

TEST(ShortCut, KeyPressFindsTheEnabledVisibleItemAndRunsIt)
{
    TMainMenu menu;
    auto* file = new TMenuItem(&menu);
    auto* hidden = new TMenuItem(file);
    auto* save = new TMenuItem(file);
    hidden->setShortCut(scCtrl | 'S');
    hidden->setVisible(false);
    save->setShortCut(scCtrl | 'S');
    int saves = 0;
    save->OnClick = [&](QObject*) { ++saves; };

    const QKeyEvent ctrlS(QEvent::KeyPress, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(ShortCutFromKeyEvent(&ctrlS), scCtrl | 'S');
    EXPECT_TRUE(menu.IsShortCut(&ctrlS));
    EXPECT_EQ(saves, 1);

    const QKeyEvent plainS(QEvent::KeyPress, Qt::Key_S, Qt::NoModifier);
    EXPECT_FALSE(menu.IsShortCut(&plainS));
    file->setEnabled(false);
    EXPECT_FALSE(menu.IsShortCut(&ctrlS)) << "a disabled submenu hides its shortcuts";
    EXPECT_EQ(saves, 1);

    const QKeyEvent f4(QEvent::KeyPress, Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(ShortCutFromKeyEvent(&f4), scAlt | 0x73);
}
