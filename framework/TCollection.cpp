#include "framework/TCollection.h"

TCollection::TCollection(QObject* owner, const QMetaObject* itemClass, ItemFactory create)
    : QObject(owner)
    , m_itemClass(itemClass)
    , m_create(std::move(create))
{
}

TCollection::~TCollection()
{
    // Items are children; they go with the collection without a change per item.
    blockSignals(true);
}

QObject* TCollection::Add()
{
    QObject* item = m_create(this);
    m_items.append(item);
    // Any property change of an item the owner hears of, if the item reports it.
    if (item->metaObject()->indexOfSignal("changed()") >= 0)
        connect(item, SIGNAL(changed()), this, SIGNAL(changed()));
    Q_EMIT changed();
    return item;
}

void TCollection::Clear()
{
    if (m_items.isEmpty())
        return;
    const QList<QObject*> old = std::exchange(m_items, {});
    qDeleteAll(old);
    Q_EMIT changed();
}

void TCollection::Delete(int index)
{
    if (index < 0 || index >= m_items.size())
        return;
    delete m_items.takeAt(index);
    Q_EMIT changed();
}
