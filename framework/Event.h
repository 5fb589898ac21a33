// Events are single handlers with the sender first; assigning one replaces the previous.
#pragma once

#include <QMetaMethod>
#include <QMetaType>
#include <QPointer>
#include <functional>

// A method of a form named by a form description: where an event property takes its value.
struct FormMethod {
    QPointer<QObject> target;
    QMetaMethod method;

    bool isValid() const { return target && method.isValid(); }
    QString name() const { return isValid() ? QString::fromLatin1(method.name()) : QString(); }
    bool operator==(const FormMethod& other) const
    {
        return target == other.target && method == other.method;
    }
};
Q_DECLARE_METATYPE(FormMethod)

namespace EventSupport {
// Shows an exception escaping a handler through the application's exception display.
void handlerFailed();
// True when `method` takes (QObject* Sender, params...) with the given parameter type names.
bool signatureFits(const QMetaMethod& method, const QList<QByteArray>& parameterTypes);
} // namespace EventSupport

template <typename... Args> class Event {
public:
    using Handler = std::function<void(QObject* sender, Args...)>;

    Event() = default;
    Event& operator=(Handler handler)
    {
        m_handler = std::move(handler);
        m_method = {};
        return *this;
    }
    Event& operator=(std::nullptr_t)
    {
        m_handler = nullptr;
        m_method = {};
        return *this;
    }

    // Binds a form method; false (and the event left as it was) when its parameters do not fit.
    bool bind(const FormMethod& method)
    {
        if (!method.isValid()) {
            *this = nullptr;
            return true;
        }
        if (!EventSupport::signatureFits(method.method, { QMetaType::fromType<Args>().name()... }))
            return false;
        m_handler = [m = method](QObject* sender, Args... args) {
            if (!m.target)
                return;
            m.method.invoke(m.target.data(), Qt::DirectConnection,
                QGenericArgument("QObject*", &sender),
                QGenericArgument(QMetaType::fromType<Args>().name(), &args)...);
        };
        m_method = method;
        return true;
    }
    FormMethod method() const { return m_method; }

    explicit operator bool() const { return bool(m_handler); }

    // Raises the event. An exception leaving the handler goes to the application's display and
    // the caller carries on, as the message loop would.
    void operator()(QObject* sender, Args... args) const
    {
        if (!m_handler)
            return;
        try {
            m_handler(sender, args...);
        } catch (...) {
            EventSupport::handlerFailed();
        }
    }

private:
    Handler m_handler;
    FormMethod m_method;
};
