// The one application-wide key hook of the skinned frames: the first frame that asks owns it, and
// every key press of the application is offered to that frame before it is delivered.
#pragma once

#include <QObject>
#include <QPointer>

class TsuiForm;

class TsuiFormApplicationHook : public QObject {
    Q_OBJECT
public:
    // Installs the hook for `frame` unless another frame holds it; true when `frame` owns it now.
    static bool acquire(TsuiForm* frame);
    // Removes the hook if `frame` holds it.
    static void release(TsuiForm* frame);
    static TsuiForm* owner();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit TsuiFormApplicationHook(TsuiForm* frame);
    QPointer<TsuiForm> m_frame;
};
