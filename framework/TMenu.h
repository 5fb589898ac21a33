// What a form's main menu and a popup menu share: their items are child TMenuItems, in order,
// drawn with an optional image list; `changed` tells whoever shows them to rebuild.
#pragma once

#include "framework/Component.h"

#include <QList>
#include <QObject>

class QAction;
class QMenu;
class TImageList;
class TMenuItem;

class TMenu : public QObject, public Component {
    Q_OBJECT
    Q_MOC_INCLUDE("framework/TImageList.h")
    Q_PROPERTY(TImageList* Images READ Images WRITE setImages)
public:
    explicit TMenu(QObject* owner = nullptr);

    TImageList* Images() const { return m_images; }
    void setImages(TImageList* images);

    QList<TMenuItem*> Items() const;
    TMenuItem* FindItem(const QString& name) const;

    // Fills a Qt menu with the sub-items of `parent`, or with `items`; choosing an action
    // clicks its item.
    static void populate(QMenu* menu, const TMenuItem* parent);
    static void populate(QMenu* menu, const QList<TMenuItem*>& items);

    void Notification(QObject* component, Operation operation) override;

Q_SIGNALS:
    void changed();

protected:
    void childEvent(QChildEvent* event) override;
    // The action of an item without sub-items: its state, and a click when chosen.
    static void fillAction(QAction* action, TMenuItem* item);

private:
    TImageList* m_images = nullptr;
};
