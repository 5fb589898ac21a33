#include "skin/controls/SUIDialogKeys.h"

#include "framework/TextDraw.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QWidget>

namespace {

constexpr const char* watcherName = "suiDialogKeyWatcher";

// Sees the key presses that reach the window itself, i.e. those no control below accepted.
class DialogKeyWatcher : public QObject {
public:
    explicit DialogKeyWatcher(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QLatin1String(watcherName));
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != m_window || event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        bool taken = false;
        switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            taken = BroadcastDialogKey(m_window, key->key(), key->modifiers());
            break;
        default: {
            const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
            if (mods == Qt::NoModifier || mods == Qt::AltModifier) {
                const QChar c = AcceleratorOfKey(key->key());
                if (!c.isNull())
                    taken = BroadcastDialogChar(m_window, c);
            }
        }
        }
        if (taken)
            event->accept();
        return taken;
    }

private:
    QWidget* m_window;
};

template <typename F> bool broadcast(QWidget* window, F offer)
{
    if (!window)
        return false;
    // A client may delete controls from its click handler: hold them by guarded pointers.
    QList<QPointer<QWidget>> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (dynamic_cast<SuiDialogKeyClient*>(w) && w->window() == window)
            controls.append(w);
    for (const QPointer<QWidget>& w : controls) {
        if (!w)
            continue;
        if (offer(dynamic_cast<SuiDialogKeyClient*>(w.data())))
            return true;
    }
    return false;
}

} // namespace

void WatchDialogKeys(QWidget* control)
{
    QWidget* window = control ? control->window() : nullptr;
    if (!window || window == control)
        return;
    if (!window->findChild<QObject*>(QLatin1String(watcherName), Qt::FindDirectChildrenOnly))
        new DialogKeyWatcher(window);
}

bool BroadcastDialogKey(QWidget* window, int key, Qt::KeyboardModifiers modifiers)
{
    return broadcast(window, [&](SuiDialogKeyClient* c) { return c->DialogKey(key, modifiers); });
}

bool BroadcastDialogChar(QWidget* window, QChar character)
{
    return broadcast(window, [&](SuiDialogKeyClient* c) { return c->DialogChar(character); });
}

QChar AcceleratorOfKey(int key)
{
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return QChar(key);
    return {};
}

int GrabAccelerator(QWidget* control, int oldId, const QString& caption)
{
    if (oldId != 0)
        control->releaseShortcut(oldId);
    const QChar c = AcceleratorChar(caption).toUpper();
    if (AcceleratorOfKey(c.unicode()).isNull())
        return 0;
    // Alt+letter reaches a control even when the focused one would take the plain letter.
    return control->grabShortcut(
        QKeySequence(QKeyCombination(Qt::AltModifier, Qt::Key(c.unicode()))));
}

bool AcceleratorShortcut(QWidget* control, const QString& caption)
{
    const QChar c = AcceleratorChar(caption);
    return !c.isNull() && BroadcastDialogChar(control->window(), c);
}

bool DialogClientEvent(QWidget* control, QEvent* event, const QString& caption)
{
    if (event->type() == QEvent::ParentChange || event->type() == QEvent::Show)
        WatchDialogKeys(control);
    if (event->type() != QEvent::Shortcut)
        return false;
    AcceleratorShortcut(control, caption);
    return true;
}
