#include "skin/controls/SUIRadioButton.h"

#include "skin/styles/Suiresdef.h"

#include <QApplication>
#include <cstring>

TsuiRadioButton::TsuiRadioButton(QWidget* parent)
    : TsuiCheckBox(parent)
{
    // The base loaded the check box pictures while it was being built.
    ReloadPictures();
    m_focusWatch = connect(qApp, &QApplication::focusChanged, this, &TsuiRadioButton::focusMoved);
}

TsuiRadioButton::~TsuiRadioButton()
{
    // QWidget's destructor gives the focus away and the application reports that change; by then
    // this part of the object is gone, so the watch must end here, not in QObject's destructor.
    disconnect(m_focusWatch);
}

int TsuiRadioButton::GetPicThemeIndex() const
{
    return SuiThemes::SuiItem::RadioButtonImage;
}

void TsuiRadioButton::SetGroupIndex(int index)
{
    if (m_groupIndex == index)
        return;
    m_groupIndex = index;
    // A checked button moved into another group stays the one checked there.
    if (Checked())
        UnCheckGroup();
}

void TsuiRadioButton::UnCheckGroup()
{
    QWidget* parent = parentWidget();
    if (!parent)
        return;
    for (QObject* child : parent->children()) {
        auto* sibling = qobject_cast<TsuiRadioButton*>(child);
        if (sibling && sibling != this && sibling->m_groupIndex == m_groupIndex)
            sibling->SetChecked(false);
    }
}

void TsuiRadioButton::CheckStateChanged()
{
    if (!Checked())
        return;
    UnCheckGroup();
    if (!IsLoadingSettings())
        OnClick(this);
}

void TsuiRadioButton::DoClick()
{
    if (!Checked())
        SetChecked(true);
}

void TsuiRadioButton::focusMoved(QWidget* from, QWidget* to)
{
    // Arrow keys inside a radio group move the focus between its item buttons; arriving here from
    // one of them selects this button. Focus from anywhere else does not.
    if (to != this || !from || from == this)
        return;
    if (std::strcmp(from->metaObject()->className(), "TsuiRadioGroupButton") == 0)
        Click();
}
