#include "skin/controls/SUIRadioGroup.h"

#include "skin/controls/SUIRadioGroupButton.h"

TsuiRadioGroup::TsuiRadioGroup(QWidget* parent)
    : TsuiCheckGroup(parent)
{
}

TsuiCheckBox* TsuiRadioGroup::CreateAButton()
{
    return new TsuiRadioGroupButton(this);
}

int TsuiRadioGroup::ItemIndex() const
{
    const QList<TsuiCheckBox*>& items = buttons();
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i]->Checked())
            return int(i);
    }
    return -1;
}

void TsuiRadioGroup::SetItemIndex(int index)
{
    const QList<TsuiCheckBox*>& items = buttons();
    if (index < -1 || index > int(items.size()) - 1)
        return;
    if (index == -1) {
        // A copy: an unchecked item fires nothing, but stays on the safe side of the list.
        const QList<TsuiCheckBox*> all = items;
        for (TsuiCheckBox* b : all)
            b->SetChecked(false);
        return;
    }
    // Its siblings uncheck themselves; the group hears one change.
    items[index]->SetChecked(true);
}

void TsuiRadioGroup::FocusUpdate()
{
    const int index = ItemIndex();
    if (TsuiCheckBox* b = Button(index))
        b->setFocus(Qt::OtherFocusReason);
}
