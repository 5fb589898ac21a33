#include "framework/TMenuItem.h"

#include "framework/TMainMenu.h"
#include "framework/TPopupMenu.h"

#include <QChildEvent>

TMenuItem::TMenuItem(QObject* parent)
    : QObject(parent)
    , Component(this)
{
    // A child is only half built when its parent hears of it, so the item reports upwards itself.
    if (auto* item = qobject_cast<TMenuItem*>(parent))
        connect(this, &TMenuItem::changed, item, &TMenuItem::changed);
    else if (auto* menu = qobject_cast<TMainMenu*>(parent))
        connect(this, &TMenuItem::changed, menu, &TMainMenu::changed);
    else if (auto* popup = qobject_cast<TPopupMenu*>(parent))
        connect(this, &TMenuItem::changed, popup, &TPopupMenu::changed);
}

void TMenuItem::setCaption(const QString& caption)
{
    if (m_caption == caption)
        return;
    m_caption = caption;
    Q_EMIT changed();
}

void TMenuItem::setChecked(bool checked)
{
    if (m_checked == checked)
        return;
    m_checked = checked;
    // Radio items of one submenu exclude each other, as checked menu choices do.
    if (checked && m_radioItem && parent()) {
        for (QObject* child : parent()->children()) {
            auto* sibling = qobject_cast<TMenuItem*>(child);
            if (sibling && sibling != this && sibling->m_radioItem)
                sibling->setChecked(false);
        }
    }
    Q_EMIT changed();
}

void TMenuItem::setDefault(bool isDefault)
{
    if (m_default == isDefault)
        return;
    m_default = isDefault;
    Q_EMIT changed();
}

void TMenuItem::setShortCut(int shortCut)
{
    if (m_shortCut == shortCut)
        return;
    m_shortCut = shortCut;
    Q_EMIT changed();
}

void TMenuItem::setEnabled(bool enabled)
{
    if (m_enabled == enabled)
        return;
    m_enabled = enabled;
    Q_EMIT changed();
}

void TMenuItem::setHint(const QString& hint)
{
    if (m_hint == hint)
        return;
    m_hint = hint;
    Q_EMIT changed();
}

void TMenuItem::setImageIndex(int index)
{
    if (m_imageIndex == index)
        return;
    m_imageIndex = index;
    Q_EMIT changed();
}

void TMenuItem::setRadioItem(bool radio)
{
    if (m_radioItem == radio)
        return;
    m_radioItem = radio;
    Q_EMIT changed();
}

void TMenuItem::setVisible(bool visible)
{
    if (m_visible == visible)
        return;
    m_visible = visible;
    Q_EMIT changed();
}

QList<TMenuItem*> TMenuItem::Items() const
{
    return findChildren<TMenuItem*>(QString(), Qt::FindDirectChildrenOnly);
}

void TMenuItem::Click()
{
    if (m_enabled)
        OnClick(this);
}

void TMenuItem::childEvent(QChildEvent* event)
{
    QObject::childEvent(event);
    if (event->added() || event->removed())
        Q_EMIT changed();
}
