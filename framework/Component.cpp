#include "framework/Component.h"

namespace {

Component* formAbove(QObject* object)
{
    for (QObject* p = object->parent(); p; p = p->parent()) {
        Component* c = Component::of(p);
        if (c && c->IsForm())
            return c;
    }
    return nullptr;
}

} // namespace

Component* Component::of(const QObject* object)
{
    return object ? dynamic_cast<Component*>(const_cast<QObject*>(object)) : nullptr;
}

Component::Component(QObject* self)
    : m_self(self)
{
    if (Component* owner = formAbove(self))
        owner->insertComponent(this);
}

Component::~Component()
{
    AnnounceDestruction();
}

void Component::AnnounceDestruction()
{
    // Destroy what we own while we can still hear of it.
    DestroyComponents();
    // Those watching us hear first, then the owner's family.
    const QList<Component*> watchers = m_freeNotifies;
    m_freeNotifies.clear();
    for (Component* w : watchers) {
        w->m_freeNotifies.removeAll(this);
        w->Notification(m_self, Operation::opRemove);
    }
    if (m_owner)
        m_owner->removeComponent(this);
}

QObject* Component::Owner() const
{
    return m_owner ? m_owner->m_self : nullptr;
}

void Component::SetOwner(QObject* owner)
{
    Component* target = of(owner);
    if (target == m_owner || target == this)
        return;
    if (m_owner)
        m_owner->removeComponent(this);
    if (target)
        target->insertComponent(this);
}

QObject* Component::FindComponent(const QString& name) const
{
    if (name.isEmpty())
        return nullptr;
    for (Component* c : m_components) {
        if (c->m_self->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return c->m_self;
    }
    return nullptr;
}

void Component::Notification(QObject* component, Operation operation)
{
    if (operation == Operation::opRemove)
        RemoveFreeNotification(component);
    // A copy: a handler may destroy components in reply.
    const QList<Component*> owned = m_components;
    for (Component* c : owned) {
        // While no handler has changed the list it still shares the copy's data, and the
        // search (linear, so a group of a thousand items would pay it a million times) is skipped.
        if (m_components.constData() == owned.constData() || m_components.contains(c))
            c->Notification(component, operation);
    }
}

void Component::FreeNotification(QObject* other)
{
    Component* c = of(other);
    if (!c || c == this)
        return;
    if (!m_freeNotifies.contains(c))
        m_freeNotifies.append(c);
    if (!c->m_freeNotifies.contains(this))
        c->m_freeNotifies.append(this);
}

void Component::RemoveFreeNotification(QObject* other)
{
    // Matched by identity: `other` may be half destroyed, so no cast is made on it.
    for (qsizetype i = m_freeNotifies.size() - 1; i >= 0; --i) {
        Component* c = m_freeNotifies[i];
        if (c->m_self == other) {
            m_freeNotifies.removeAt(i);
            c->m_freeNotifies.removeAll(this);
        }
    }
}

void Component::DestroyComponents()
{
    while (!m_components.isEmpty()) {
        Component* last = m_components.takeLast();
        last->m_owner = nullptr;
        // The rest of the family hears of it as if it had removed itself.
        Notification(last->m_self, Operation::opRemove);
        delete last->m_self;
    }
}

void Component::insertComponent(Component* component)
{
    component->m_owner = this;
    m_components.append(component);
    Notification(component->m_self, Operation::opInsert);
}

void Component::removeComponent(Component* component)
{
    if (!m_components.removeOne(component))
        return;
    component->m_owner = nullptr;
    Notification(component->m_self, Operation::opRemove);
}
