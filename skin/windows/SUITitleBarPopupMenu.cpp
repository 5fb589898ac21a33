#include "skin/windows/SUITitleBarPopupMenu.h"

#include "framework/TMainMenu.h"
#include "framework/TMenuItem.h"
#include "skin/styles/TsuiFileTheme.h"
#include "skin/windows/SUITitleBar.h"

#include <QMenu>

namespace {

// The captions are the program's own resource strings.
const char* const kMinimizeCaption = "最小化(&N)";
const char* const kMaximizeCaption = "最大化/还原(&X)";
const char* const kCloseCaption = "关闭(&C)";

bool hasVisibleButton(const TsuiTitleBar* bar, TsuiTitleBarBtnType type)
{
    const TsuiTitleBarButtons* buttons = bar->Buttons();
    for (int i = 0; i < buttons->Count(); ++i) {
        const TsuiTitleBarButton* b = buttons->Button(i);
        if (b->Visible() && b->ButtonType() == type)
            return true;
    }
    return false;
}

} // namespace

TsuiTitleBarPopupMenu::TsuiTitleBarPopupMenu(TsuiTitleBar* titleBar)
    : QObject(titleBar)
    , Component(this)
    , m_titleBar(titleBar)
{
    const QString captions[]
        = { QString::fromUtf8(kMinimizeCaption), QString::fromUtf8(kMaximizeCaption),
              QStringLiteral("-"), QString::fromUtf8(kCloseCaption) };
    for (const QString& caption : captions) {
        auto* item = new TMenuItem(this);
        item->setCaption(caption);
    }
    Item(0)->OnClick = [this](QObject*) { Minimize(); };
    Item(1)->OnClick = [this](QObject*) { MaximizeRestore(); };
    Item(3)->OnClick = [this](QObject*) { CloseForm(); };
}

TsuiTitleBarPopupMenu::~TsuiTitleBarPopupMenu()
{
    delete m_shown.data();
}

QList<TMenuItem*> TsuiTitleBarPopupMenu::Items() const
{
    QList<TMenuItem*> items;
    for (QObject* child : children())
        if (auto* item = qobject_cast<TMenuItem*>(child))
            items.append(item);
    return items;
}

void TsuiTitleBarPopupMenu::Popup(int x, int y)
{
    Item(0)->setEnabled(hasVisibleButton(m_titleBar, TsuiTitleBarBtnType::suiMin));
    Item(1)->setEnabled(hasVisibleButton(m_titleBar, TsuiTitleBarBtnType::suiMax));
    Item(3)->setEnabled(hasVisibleButton(m_titleBar, TsuiTitleBarBtnType::suiClose));
    delete m_shown.data();
    auto* menu = new QMenu(m_titleBar);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (TMenuItem* item : Items()) {
        if (item->IsSeparator()) {
            menu->addSeparator();
            continue;
        }
        QAction* action = menu->addAction(item->Caption());
        action->setEnabled(item->Enabled());
        connect(action, &QAction::triggered, item, [item] { item->Click(); });
    }
    m_shown = menu;
    menu->popup(QPoint(x, y));
}

void TsuiTitleBarPopupMenu::Minimize()
{
    m_titleBar->MinimizeForm();
}

void TsuiTitleBarPopupMenu::MaximizeRestore()
{
    // Every visible maximize button, in collection order.
    TsuiTitleBarButtons* buttons = m_titleBar->Buttons();
    for (int i = 0; i < buttons->Count(); ++i) {
        TsuiTitleBarButton* b = buttons->Button(i);
        if (b->Visible() && b->ButtonType() == TsuiTitleBarBtnType::suiMax)
            b->DoClick();
    }
}

void TsuiTitleBarPopupMenu::CloseForm()
{
    if (QWidget* form = m_titleBar->Form())
        form->close();
}
