// Owner model of components: every component knows the form it was created in, and the
// components of one form hear about each other's insertion and removal.
#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QStringList>
#include <optional>

enum class Operation { opInsert, opRemove };

// Mixed into a QObject-derived class after the QObject base:
//   class TPanel : public QFrame, public Component { ... TPanel(QWidget* p) : QFrame(p),
//   Component(this) {} };
// The owner is found from the parent chain at construction (the nearest ancestor that is a form),
// so a constructor may already consult Owner().
class Component {
public:
    explicit Component(QObject* self);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    QObject* Self() const { return m_self; }
    QObject* Owner() const;
    QString Name() const { return m_self->objectName(); }

    // Moves the component to another owner's list (opRemove to the old one, opInsert to the new).
    void SetOwner(QObject* owner);

    // Components this one owns, in creation order.
    const QList<Component*>& Components() const { return m_components; }
    int ComponentCount() const { return int(m_components.size()); }
    QObject* FindComponent(const QString& name) const;

    // Sent to a component about another one of the same owner (and to those that asked with
    // FreeNotification). The pointer is only for comparison on opRemove: the component is being
    // destroyed. Overrides call the base first, which forwards to the owned components.
    virtual void Notification(QObject* component, Operation operation);

    // Asks to be told (opRemove) when `other` goes away although it belongs to another owner.
    void FreeNotification(QObject* other);
    void RemoveFreeNotification(QObject* other);

    // Called once after a form description has assigned all settings of the component.
    virtual void Loaded() { }
    // True while a form description is being read into the component.
    bool IsLoading() const { return m_loading; }
    void SetLoading(bool loading) { m_loading = loading; }

    // Binary data a component keeps in its form description beside its published properties
    // (stored base64 under these names), for state that no property holds.
    virtual QStringList BinaryPropertyNames() const { return {}; }
    // The bytes to store under `name`; nothing leaves the entry out of the description.
    virtual std::optional<QByteArray> WriteBinaryProperty(const QString& name) const
    {
        Q_UNUSED(name);
        return std::nullopt;
    }
    // Called while the description is read, in stored order with the properties.
    virtual void ReadBinaryProperty(const QString& name, const QByteArray& data)
    {
        Q_UNUSED(name);
        Q_UNUSED(data);
    }

    // Forms override this; they own what is created inside them.
    virtual bool IsForm() const { return false; }

    // Destroys the owned components, last created first, each one notifying the rest.
    void DestroyComponents();

    static Component* of(const QObject* object);

protected:
    // What the destructor does, done earlier: a class whose watchers keep typed pointers to it
    // (QPointer<TMainMenu>) calls this from its own destructor, so they hear of the removal
    // while the object is still of their type. Only the first call does anything.
    void AnnounceDestruction();

private:
    void insertComponent(Component* component);
    void removeComponent(Component* component);

    QObject* m_self;
    Component* m_owner = nullptr;
    QList<Component*> m_components;
    QList<Component*> m_freeNotifies; // both directions: who watches me, whom I watch
    bool m_loading = false;
};
