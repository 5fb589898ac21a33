// Enter, Esc and accelerator letters that the focused control leaves alone go to the form, which
// offers them to its skinned buttons and check boxes in control order until one takes them.
#pragma once

#include <QChar>
#include <QString>
#include <Qt>

class QEvent;
class QWidget;

class SuiDialogKeyClient {
public:
    virtual ~SuiDialogKeyClient() = default;
    // Enter or Esc with the modifiers held; true when the control acted on it.
    virtual bool DialogKey(int key, Qt::KeyboardModifiers modifiers) = 0;
    // A character typed while the focused control takes no characters; true when it was the
    // control's accelerator and the control acted on it.
    virtual bool DialogChar(QChar character) = 0;
};

// Makes the window of `control` hand unclaimed dialog keys to its clients; once per window.
void WatchDialogKeys(QWidget* control);

// Offers the key to every client below `window`, depth first in child order; true when one took it.
bool BroadcastDialogKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers);
bool BroadcastDialogChar(QWidget* window, QChar character);

// Alt plus the caption's accelerator, as a shortcut of `control` in its window; gives the new
// shortcut id after releasing `oldId` (0 for none).
int GrabAccelerator(QWidget* control, int oldId, const QString& caption);
// A shortcut event of a grabbed accelerator: offers the caption's character to the window's
// clients, so that of two controls with one letter the first in control order wins.
bool AcceleratorShortcut(QWidget* control, const QString& caption);

// What a dialog-key client with a caption does with the events every such control treats alike:
// its window is watched once it is shown or moved to another parent, and its accelerator's
// shortcut goes through AcceleratorShortcut. True when the event was used up.
bool DialogClientEvent(QWidget* control, QEvent* event, const QString& caption);

// The character a key press stands for as an accelerator (letters and digits), or a null QChar.
QChar AcceleratorOfKey(int key);
