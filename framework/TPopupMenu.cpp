#include "framework/TPopupMenu.h"

#include "framework/TImageList.h"
#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"

#include <QChildEvent>
#include <QMenu>

TPopupMenu::TPopupMenu(QObject* owner)
    : QObject(owner)
    , Component(this)
{
}

TPopupMenu::~TPopupMenu() = default;

void TPopupMenu::setImages(TImageList* images)
{
    if (m_images == images)
        return;
    m_images = images;
    if (m_images)
        FreeNotification(m_images);
    Q_EMIT changed();
}

QList<TMenuItem*> TPopupMenu::Items() const
{
    return findChildren<TMenuItem*>(QString(), Qt::FindDirectChildrenOnly);
}

TMenuItem* TPopupMenu::FindItem(const QString& name) const
{
    return findChild<TMenuItem*>(name);
}

void TPopupMenu::Popup(int X, int Y)
{
    OnPopup(this);
    QMenu* menu = popupMenu();
    m_shown = menu;
    if (menu)
        menu->popup(QPoint(X, Y));
}

QMenu* TPopupMenu::popupWidget() const
{
    return m_shown.data();
}

QMenu* TPopupMenu::popupMenu()
{
    if (!m_plain)
        m_plain.reset(new QMenu);
    m_plain->clear();
    // The items sit directly below this menu, so a root item is filled the way a submenu is.
    for (TMenuItem* item : Items()) {
        if (item->IsSeparator()) {
            m_plain->addSeparator();
            continue;
        }
        if (!item->Items().isEmpty()) {
            TMainMenu::populate(m_plain->addMenu(item->Caption()), item);
            continue;
        }
        QAction* action = m_plain->addAction(item->Caption());
        action->setEnabled(item->Enabled());
        action->setVisible(item->Visible());
        QPointer<TMenuItem> guarded(item);
        connect(action, &QAction::triggered, item, [guarded] {
            if (guarded)
                guarded->Click();
        });
    }
    return m_plain.get();
}

void TPopupMenu::Notification(QObject* component, Operation operation)
{
    Component::Notification(component, operation);
    if (operation == Operation::opRemove && m_images
        && component == static_cast<QObject*>(m_images)) {
        m_images = nullptr;
        Q_EMIT changed();
    }
}

void TPopupMenu::childEvent(QChildEvent* event)
{
    QObject::childEvent(event);
    if (event->added() || event->removed())
        Q_EMIT changed();
}
