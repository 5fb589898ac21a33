#include "framework/TMenu.h"

#include "framework/TImageList.h"
#include "framework/TMenuItem.h"

#include <QChildEvent>
#include <QMenu>
#include <QPointer>

TMenu::TMenu(QObject* owner)
    : QObject(owner)
    , Component(this)
{
}

void TMenu::setImages(TImageList* images)
{
    if (m_images == images)
        return;
    m_images = images;
    if (m_images)
        FreeNotification(m_images);
    Q_EMIT changed();
}

QList<TMenuItem*> TMenu::Items() const
{
    return findChildren<TMenuItem*>(QString(), Qt::FindDirectChildrenOnly);
}

TMenuItem* TMenu::FindItem(const QString& name) const
{
    return findChild<TMenuItem*>(name);
}

void TMenu::fillAction(QAction* action, TMenuItem* item)
{
    action->setCheckable(item->Checked() || item->RadioItem());
    action->setChecked(item->Checked());
    action->setEnabled(item->Enabled());
    action->setVisible(item->Visible());
    action->setStatusTip(item->Hint());
    QPointer<TMenuItem> guarded(item);
    QObject::connect(action, &QAction::triggered, item, [guarded] {
        if (guarded)
            guarded->Click();
    });
}

void TMenu::populate(QMenu* menu, const TMenuItem* parent)
{
    populate(menu, parent->Items());
}

void TMenu::populate(QMenu* menu, const QList<TMenuItem*>& items)
{
    for (TMenuItem* item : items) {
        if (item->IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (!item->Items().isEmpty()) {
            populate(menu->addMenu(item->Caption()), item);
            continue;
        }
        fillAction(menu->addAction(item->Caption()), item);
    }
}

void TMenu::Notification(QObject* component, Operation operation)
{
    Component::Notification(component, operation);
    if (operation == Operation::opRemove && m_images
        && component == static_cast<QObject*>(m_images)) {
        m_images = nullptr;
        Q_EMIT changed();
    }
}

void TMenu::childEvent(QChildEvent* event)
{
    QObject::childEvent(event);
    if (event->added() || event->removed())
        Q_EMIT changed();
}
