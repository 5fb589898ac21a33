// The skinned radio button: exclusive among its sibling radio buttons of the same GroupIndex;
// OnClick fires only when it becomes checked.
#pragma once

#include "skin/controls/SUICheckBox.h"

class TsuiRadioButton : public TsuiCheckBox {
    Q_OBJECT
    Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
public:
    explicit TsuiRadioButton(QWidget* parent = nullptr);
    ~TsuiRadioButton() override;

    int GroupIndex() const { return m_groupIndex; }
    void SetGroupIndex(int index);

protected:
    bool GetPicTransparent() const override { return true; }
    int GetPicThemeIndex() const override;
    void CheckStateChanged() override;
    void DoClick() override;
    bool WantKeyUp() const override { return false; }

private:
    void UnCheckGroup();
    void focusMoved(QWidget* from, QWidget* to);

    int m_groupIndex = 0;
    QMetaObject::Connection m_focusWatch;
};
