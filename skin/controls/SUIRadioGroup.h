// A skinned group box with one radio button per line of Items, arranged in columns; exactly the
// item ItemIndex names is checked (or none, at -1).
#pragma once

#include "skin/controls/SUICheckGroup.h"

class TsuiRadioGroup : public TsuiCheckGroup {
    Q_OBJECT
    Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)
public:
    explicit TsuiRadioGroup(QWidget* parent = nullptr);

    // The first checked item, or -1.
    int ItemIndex() const;
    // Out of range (below -1, beyond the last line) is ignored; -1 unchecks every item.
    void SetItemIndex(int index);

    // Whether the items may change by the user; a descendant may refuse.
    virtual bool CanModify() const { return true; }

protected:
    TsuiCheckBox* CreateAButton() override;
    void FocusUpdate() override;
};
