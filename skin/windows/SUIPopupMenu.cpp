#include "skin/windows/SUIPopupMenu.h"

#include "framework/ComponentRegistry.h"
#include "framework/TMenuItem.h"
#include "skin/windows/SuiMenuDropDown.h"
#include "skin/windows/Suimenu.h"

#include <QPointer>

ORLENDA_REGISTER_COMPONENT(TsuiPopupMenu);

namespace {

// One check-mark list for every popup menu of the process, made on first use.
const ImageList& sharedCheckMarks()
{
    static const ImageList list = [] {
        ImageList marks(16, 16);
        LoadMenuCheckMark(marks);
        return marks;
    }();
    return list;
}

} // namespace

TsuiPopupMenu::TsuiPopupMenu(QObject* owner)
    : TPopupMenu(owner)
    , SuiMenuDrawing(this)
{
    initStyle(SuiThemedControl::ownerOf(this));
}

TsuiPopupMenu::~TsuiPopupMenu() = default;

void TsuiPopupMenu::MenuAdded()
{
    // An item may outlive this menu (moved elsewhere); its handlers then do nothing.
    const QPointer<TsuiPopupMenu> menu(this);
    for (TMenuItem* item : Items()) {
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
}

void TsuiPopupMenu::Loaded()
{
    TPopupMenu::Loaded();
    MenuAdded();
}

QMenu* TsuiPopupMenu::popupMenu()
{
    if (!m_dropDown)
        m_dropDown = std::make_unique<SuiMenuDropDown>(this, this);
    m_dropDown->rebuild();
    return m_dropDown.get();
}

const ImageList& TsuiPopupMenu::checkMarks() const
{
    return sharedCheckMarks();
}

void TsuiPopupMenu::lookChanged()
{
    RepaintOpenDropDowns(m_dropDown.get());
}
