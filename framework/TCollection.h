// A collection property: an ordered list of items of one class, each with its own properties.
#pragma once

#include <QList>
#include <QObject>
#include <functional>

class TCollection : public QObject {
    Q_OBJECT
public:
    using ItemFactory = std::function<QObject*(TCollection* collection)>;
    TCollection(QObject* owner, const QMetaObject* itemClass, ItemFactory create);
    ~TCollection() override;

    const QMetaObject* itemClass() const { return m_itemClass; }
    int Count() const { return int(m_items.size()); }
    QObject* Item(int index) const { return m_items.value(index); }
    const QList<QObject*>& items() const { return m_items; }

    QObject* Add();
    void Clear();
    void Delete(int index);
    // Typed access for owners.
    template <typename T> T* at(int index) const { return static_cast<T*>(m_items.value(index)); }

Q_SIGNALS:
    // Any change of the list or of an item the owner has to follow.
    void changed();

private:
    const QMetaObject* m_itemClass;
    ItemFactory m_create;
    QList<QObject*> m_items;
};
