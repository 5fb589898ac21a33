// A part a skinned widget paints itself (a caption button, a menu title): no widget of its own,
// so it is an accessible child of the widget that paints it, found there by its index.
#pragma once

#include <QAccessibleInterface>
#include <QHash>
#include <QPointer>
#include <QWidget>

class SkinPartAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    SkinPartAccessible(QWidget* host, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    void setText(QAccessible::Text, const QString&) override { }
    QRect rect() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

protected:
    QWidget* host() const { return m_host; }
    int index() const { return m_index; }
    // The part's place in the host's coordinates; empty when the part is not shown.
    virtual QRect partRect() const = 0;
    virtual bool partExists() const = 0;
    // What the part's press does; the part is known to exist.
    virtual void press() = 0;

private:
    QPointer<QWidget> m_host;
    int m_index;
};

// The interfaces of a host's parts, one per index, registered with Qt's cache so every query
// answers the same object; released with the host's interface.
class SkinPartRegistry {
public:
    SkinPartRegistry() = default;
    ~SkinPartRegistry();
    SkinPartRegistry(const SkinPartRegistry&) = delete;
    SkinPartRegistry& operator=(const SkinPartRegistry&) = delete;

    template <typename Make> QAccessibleInterface* part(int index, Make make)
    {
        if (const auto it = m_ids.constFind(index); it != m_ids.constEnd())
            return QAccessible::accessibleInterface(*it);
        QAccessibleInterface* made = make();
        m_ids.insert(index, QAccessible::registerAccessibleInterface(made));
        return made;
    }
    // The index of a part made here, or -1.
    int indexOf(const QAccessibleInterface* part) const;

private:
    QHash<int, QAccessible::Id> m_ids;
};

// Presses a painted part as the mouse does: a left button press and release at its centre.
void ClickAt(QWidget* widget, const QPoint& point);
