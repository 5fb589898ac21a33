// Component classes by name, so a form description can build them.
#pragma once

#include <QHash>
#include <QMetaObject>
#include <QString>
#include <QWidget>
#include <functional>
#include <type_traits>

class ComponentRegistry {
public:
    // Builds an instance whose QObject parent is `parent` (a widget for controls).
    using Factory = std::function<QObject*(QObject* parent)>;

    struct Entry {
        const QMetaObject* metaObject = nullptr;
        Factory create;
    };

    // The registry of the process; the framework's own classes are already in it.
    static ComponentRegistry& instance();

    void add(const QMetaObject* metaObject, Factory create);
    template <typename T> void add()
    {
        add(&T::staticMetaObject, [](QObject* parent) -> QObject* {
            if constexpr (std::is_base_of_v<QWidget, T>)
                return new T(qobject_cast<QWidget*>(parent));
            else
                return new T(parent);
        });
    }

    const Entry* find(const QString& className) const;
    // The nearest registered class of `metaObject`'s chain (a form class itself is rarely
    // registered).
    const Entry* nearest(const QMetaObject* metaObject) const;
    QStringList classNames() const;

private:
    ComponentRegistry();
    QHash<QString, Entry> m_entries;
};

// Registers a class from a .cpp file at start-up. A static library drops objects nothing refers
// to, so a library whose classes may be referenced only from descriptions also offers a function
// that registers them, called by the program.
#define ORLENDA_REGISTER_COMPONENT(T)                                                              \
    static const bool orlendaRegistered_##T = [] {                                                 \
        ComponentRegistry::instance().add<T>();                                                    \
        return true;                                                                               \
    }()
