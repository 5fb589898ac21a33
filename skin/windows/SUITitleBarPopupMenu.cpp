#include "skin/windows/SUITitleBarPopupMenu.h"

#include "framework/TMenuItem.h"
#include "skin/windows/SUITitleBar.h"

namespace {

// The captions are the program's own resource strings; their "&" keys are set by hand.
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
    : TsuiPopupMenu(titleBar)
    , m_titleBar(titleBar)
{
    // Owned by the bar, so the form's description never lists the built-in menu or its items.
    SetOwner(titleBar);
    const QString captions[]
        = { QString::fromUtf8(kMinimizeCaption), QString::fromUtf8(kMaximizeCaption),
              QStringLiteral("-"), QString::fromUtf8(kCloseCaption) };
    for (const QString& caption : captions) {
        auto* item = new TMenuItem(this);
        item->SetOwner(this);
        item->setCaption(caption);
    }
    Item(0)->OnClick = [this](QObject*) { Minimize(); };
    Item(1)->OnClick = [this](QObject*) { MaximizeRestore(); };
    Item(3)->OnClick = [this](QObject*) { CloseForm(); };
    MenuAdded();
}

void TsuiTitleBarPopupMenu::Popup(int X, int Y)
{
    Item(0)->setEnabled(hasVisibleButton(m_titleBar, TsuiTitleBarBtnType::suiMin));
    Item(1)->setEnabled(hasVisibleButton(m_titleBar, TsuiTitleBarBtnType::suiMax));
    Item(3)->setEnabled(hasVisibleButton(m_titleBar, TsuiTitleBarBtnType::suiClose));
    TsuiPopupMenu::Popup(X, Y);
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
