// An item of a check group: a check box the group builds, places and owns.
#pragma once

#include "skin/controls/SUICheckBox.h"

class TsuiCheckGroup;

class TsuiCheckGroupButton : public TsuiCheckBox {
    Q_OBJECT
public:
    explicit TsuiCheckGroupButton(TsuiCheckGroup* group);

    TsuiCheckGroup* Group() const { return m_group; }

protected:
    // Items are no tab stops of their own, yet show where the focus is.
    bool NeedDrawFocus() const override { return hasFocus(); }
    void keyPressEvent(QKeyEvent* event) override;

private:
    TsuiCheckGroup* m_group;
};
