// The one application-wide key hook of the skinned frames: the first frame that asks owns it, and
// every key press of the application is offered to that frame before it is delivered.
#pragma once

#include <QObject>
#include <QPointer>
#include <functional>

class QKeyEvent;

class TsuiFormApplicationHook : public QObject {
    Q_OBJECT
public:
    // True when the frame took the key press (it is not delivered then).
    using KeyHandler = std::function<bool(QKeyEvent* event)>;

    // Installs the hook for `frame` unless another frame holds it; true when `frame` owns it now.
    static bool acquire(QObject* frame, KeyHandler handler);
    // Removes the hook if `frame` holds it.
    static void release(const QObject* frame);
    static QObject* owner();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TsuiFormApplicationHook(QObject* frame, KeyHandler handler);
    QPointer<QObject> m_frame;
    KeyHandler m_handler;
};
