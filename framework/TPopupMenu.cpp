#include "framework/TPopupMenu.h"

#include "framework/TMenuItem.h"

#include <QMenu>

TPopupMenu::TPopupMenu(QObject* owner)
    : TMenu(owner)
{
}

TPopupMenu::~TPopupMenu()
{
    // Title bars keep a QPointer<TPopupMenu>; they hear while this still is one.
    AnnounceDestruction();
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
    // The items sit directly below this menu, so the root is filled the way a submenu is.
    populate(m_plain.get(), Items());
    return m_plain.get();
}
