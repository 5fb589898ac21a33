// An item of a radio group: a radio button the group builds, places and owns. Its class name is
// what tells radio buttons that the focus came from a radio group's item.
#pragma once

#include "skin/controls/SUIRadioButton.h"

class TsuiRadioGroup;

class TsuiRadioGroupButton : public TsuiRadioButton {
    Q_OBJECT
public:
    explicit TsuiRadioGroupButton(TsuiRadioGroup* group);

    TsuiRadioGroup* Group() const { return m_group; }

protected:
    // The focus shows on the checked item while the group or the item has it.
    bool NeedDrawFocus() const override;
    // The group may refuse changes (CanModify).
    void DoClick() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TsuiRadioGroup* m_group;
};
