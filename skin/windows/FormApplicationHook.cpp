#include "skin/windows/FormApplicationHook.h"

#include "skin/windows/SUIForm.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

QPointer<TsuiFormApplicationHook>& installed()
{
    static QPointer<TsuiFormApplicationHook> hook;
    return hook;
}

} // namespace

TsuiFormApplicationHook::TsuiFormApplicationHook(TsuiForm* frame)
    : QObject(QCoreApplication::instance())
    , m_frame(frame)
{
}

bool TsuiFormApplicationHook::acquire(TsuiForm* frame)
{
    auto& hook = installed();
    if (hook && hook->m_frame)
        return hook->m_frame == frame;
    if (!QCoreApplication::instance())
        return false;
    delete hook;
    hook = new TsuiFormApplicationHook(frame);
    QCoreApplication::instance()->installEventFilter(hook);
    return true;
}

void TsuiFormApplicationHook::release(TsuiForm* frame)
{
    auto& hook = installed();
    if (!hook || hook->m_frame != frame)
        return;
    delete hook;
    hook = nullptr;
}

TsuiForm* TsuiFormApplicationHook::owner()
{
    const auto& hook = installed();
    return hook ? hook->m_frame.data() : nullptr;
}

bool TsuiFormApplicationHook::eventFilter(QObject* watched, QEvent* event)
{
    // A key press not taken travels up from the focus widget to its parents and passes here at
    // each step; offering it again is harmless, as a shortcut that ran ends the journey.
    if (event->type() != QEvent::KeyPress || !m_frame || !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    return m_frame->applicationKey(static_cast<QKeyEvent*>(event));
}
