#include "framework/TMainMenu.h"

#include "framework/ShortCut.h"
#include "framework/TImageList.h"
#include "framework/TMenuItem.h"

#include <QChildEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

namespace {

void fillAction(QAction* action, TMenuItem* item)
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

} // namespace

TMainMenu::TMainMenu(QObject* owner)
    : QObject(owner)
    , Component(this)
{
}

void TMainMenu::setImages(TImageList* images)
{
    if (m_images == images)
        return;
    m_images = images;
    if (m_images)
        FreeNotification(m_images);
    Q_EMIT changed();
}

QList<TMenuItem*> TMainMenu::Items() const
{
    return findChildren<TMenuItem*>(QString(), Qt::FindDirectChildrenOnly);
}

TMenuItem* TMainMenu::FindItem(const QString& name) const
{
    return findChild<TMenuItem*>(name);
}

bool TMainMenu::IsShortCut(const QKeyEvent* event) const
{
    TMenuItem* item = FindShortCutItem(Items(), ShortCutFromKeyEvent(event));
    if (!item)
        return false;
    item->Click();
    return true;
}

void TMainMenu::populate(QMenuBar* bar) const
{
    for (TMenuItem* item : Items()) {
        if (item->Items().isEmpty()) {
            // A top-level choice without sub-items acts straight from the bar.
            QAction* action = bar->addAction(item->Caption());
            fillAction(action, item);
            continue;
        }
        QMenu* menu = bar->addMenu(item->Caption());
        menu->menuAction()->setEnabled(item->Enabled());
        menu->menuAction()->setVisible(item->Visible());
        populate(menu, item);
    }
}

void TMainMenu::populate(QMenu* menu, const TMenuItem* parent)
{
    for (TMenuItem* item : parent->Items()) {
        if (item->IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        if (!item->Items().isEmpty()) {
            QMenu* sub = menu->addMenu(item->Caption());
            populate(sub, item);
            continue;
        }
        QAction* action = menu->addAction(item->Caption());
        fillAction(action, item);
    }
}

void TMainMenu::Notification(QObject* component, Operation operation)
{
    Component::Notification(component, operation);
    if (operation == Operation::opRemove && m_images
        && component == static_cast<QObject*>(m_images)) {
        m_images = nullptr;
        Q_EMIT changed();
    }
}

void TMainMenu::childEvent(QChildEvent* event)
{
    QObject::childEvent(event);
    if (event->added() || event->removed())
        Q_EMIT changed();
}
