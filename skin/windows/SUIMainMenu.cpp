#include "skin/windows/SUIMainMenu.h"

#include "framework/ComponentRegistry.h"
#include "framework/TMenuItem.h"
#include "skin/styles/Suipublic.h"
#include "skin/windows/SUIPopupMenu.h"
#include "skin/windows/SuiMenuDropDown.h"
#include "skin/windows/SuiMenuHost.h"
#include "skin/windows/Suimenu.h"

#include <QTimer>
#include <QWidget>

ORLENDA_REGISTER_COMPONENT(TsuiMainMenu);

TsuiMainMenu::TsuiMainMenu(QObject* owner)
    : TMainMenu(owner)
    , SuiMenuDrawing(this)
{
    LoadMenuCheckMark(m_checkMarks);
    connect(this, &TMainMenu::changed, this, &TsuiMainMenu::MenuChanged);
    initStyle(SuiThemedControl::ownerOf(this));
    afterConstruction();
}

TsuiMainMenu::~TsuiMainMenu()
{
    for (auto& [item, dropDown] : m_dropDowns)
        delete dropDown.data();
}

void TsuiMainMenu::afterConstruction()
{
    QObject* form = Owner();
    if (!form || !form->isWidgetType())
        return;
    // The frame draws the bar; a native menu bar would only stand in its way.
    if (IsHasProperty(form, "Menu"))
        form->setProperty("Menu", QVariant::fromValue<TMainMenu*>(nullptr));
    for (QObject* child : form->children()) {
        if (child->isWidgetType() && IsTsuiForm(child)) {
            child->setProperty("Menu", QVariant::fromValue<TMainMenu*>(this));
            break;
        }
    }
}

void TsuiMainMenu::MenuAdded()
{
    const QList<TMenuItem*> items = Items();
    // An item may outlive this menu (moved elsewhere); its handlers then do nothing.
    const QPointer<TsuiMainMenu> menu(this);
    for (TMenuItem* item : items) {
        Menu_SetItemEvent(
            item,
            [menu](QObject* sender, QPainter& canvas, int& width, int& height) {
                if (menu)
                    menu->MeasureItem(qobject_cast<TMenuItem*>(sender), canvas, width, height);
            },
            [menu](QObject* sender, QPainter& canvas, const QRect& rect, bool selected) {
                if (menu)
                    menu->DrawItem(qobject_cast<TMenuItem*>(sender), canvas, rect, selected);
            });
    }
    m_topItems = items;
    if (m_host)
        m_host->UpdateMenu();
}

void TsuiMainMenu::MenuChanged()
{
    if (IsLoading())
        return;
    if (m_host)
        m_host->UpdateTopMenu();
    // Items arrive and leave one at a time (a form being built or taken down); the bar is
    // rebuilt once they have settled, not once per item.
    if (!m_structureCheckPending) {
        m_structureCheckPending = true;
        QTimer::singleShot(0, this, &TsuiMainMenu::structureCheck);
    }
}

void TsuiMainMenu::structureCheck()
{
    m_structureCheckPending = false;
    if (Items() != m_topItems)
        MenuAdded();
}

QMenu* TsuiMainMenu::DropDown(TMenuItem* topItem)
{
    if (!topItem)
        return nullptr;
    QPointer<SuiMenuDropDown>& dropDown = m_dropDowns[topItem];
    if (!dropDown) {
        dropDown = new SuiMenuDropDown(this, topItem);
        connect(topItem, &QObject::destroyed, this, [this, topItem] {
            const auto it = m_dropDowns.find(topItem);
            if (it == m_dropDowns.end())
                return;
            delete it->second.data();
            m_dropDowns.erase(it);
        });
    }
    dropDown->rebuild();
    return dropDown;
}

QMenu* TsuiMainMenu::PopupItem(TMenuItem* topItem, const QPoint& screenPos)
{
    QMenu* menu = DropDown(topItem);
    if (menu)
        menu->popup(screenPos);
    return menu;
}

void TsuiMainMenu::Loaded()
{
    TMainMenu::Loaded();
    MenuAdded();
}

void TsuiMainMenu::lookChanged()
{
    for (auto& [item, dropDown] : m_dropDowns)
        if (dropDown)
            RepaintOpenDropDowns(dropDown);
    // The bar's font and look follow the menu's (SetUseSystemFont, a new style).
    if (m_host)
        m_host->RepaintMenuBar();
}

void RegisterSuiMenuComponents()
{
    ComponentRegistry::instance().add<TsuiMainMenu>();
    ComponentRegistry::instance().add<TsuiPopupMenu>();
}
