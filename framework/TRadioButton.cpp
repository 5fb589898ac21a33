#include "framework/TRadioButton.h"

TRadioButton::TRadioButton(QWidget* parent)
    : TControlBase<QRadioButton>(parent)
{
    setClicksOnMouse(false);
    // Exclusivity is ours: Qt's own would refuse to uncheck the checked button by setting.
    setAutoExclusive(false);
    resize(113, 17);
    connect(this, &QAbstractButton::toggled, this, &TRadioButton::checkedChanged);
}

void TRadioButton::nextCheckState()
{
    if (!isChecked())
        setChecked(true);
}

void TRadioButton::checkedChanged(bool checked)
{
    if (!checked)
        return;
    if (QWidget* container = parentWidget()) {
        for (QObject* child : container->children()) {
            auto* sibling = qobject_cast<TRadioButton*>(child);
            if (sibling && sibling != this)
                sibling->setChecked(false);
        }
    }
    // A stored Checked being read is a setting, not a choice the form reacts to.
    if (!IsLoading())
        Click();
}
