#include "skin/windows/FormApplicationHook.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace {

QPointer<TsuiFormApplicationHook>& installed()
{
    static QPointer<TsuiFormApplicationHook> hook;
    return hook;
}

} // namespace

TsuiFormApplicationHook::TsuiFormApplicationHook(QObject* frame, KeyHandler handler)
    : QObject(QCoreApplication::instance())
    , m_frame(frame)
    , m_handler(std::move(handler))
{
}

bool TsuiFormApplicationHook::acquire(QObject* frame, KeyHandler handler)
{
    auto& hook = installed();
    if (hook && hook->m_frame)
        return hook->m_frame == frame;
    if (!QCoreApplication::instance())
        return false;
    delete hook;
    hook = new TsuiFormApplicationHook(frame, std::move(handler));
    QCoreApplication::instance()->installEventFilter(hook);
    return true;
}

void TsuiFormApplicationHook::release(const QObject* frame)
{
    auto& hook = installed();
    if (!hook || hook->m_frame != frame)
        return;
    delete hook;
    hook = nullptr;
}

QObject* TsuiFormApplicationHook::owner()
{
    const auto& hook = installed();
    return hook ? hook->m_frame.data() : nullptr;
}

bool TsuiFormApplicationHook::eventFilter(QObject* watched, QEvent* event)
{
    // A key press not taken travels up from the focus widget to its parents and passes here at
    // each step; offering it again is harmless, as a shortcut that ran ends the journey.
    if (event->type() != QEvent::KeyPress || !m_frame || !watched->isWidgetType() || !m_handler)
        return QObject::eventFilter(watched, event);
    return m_handler(static_cast<QKeyEvent*>(event));
}
