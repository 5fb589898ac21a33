#include "skin/controls/SUIRadioGroupButton.h"

#include "skin/controls/SUIRadioGroup.h"

#include <QKeyEvent>

TsuiRadioGroupButton::TsuiRadioGroupButton(TsuiRadioGroup* group)
    : TsuiRadioButton(group)
    , m_group(group)
{
}

bool TsuiRadioGroupButton::NeedDrawFocus() const
{
    return (m_group->hasFocus() || hasFocus()) && Checked();
}

void TsuiRadioGroupButton::DoClick()
{
    if (m_group->CanModify())
        TsuiRadioButton::DoClick();
}

void TsuiRadioGroupButton::keyPressEvent(QKeyEvent* event)
{
    // The item receiving the focus checks itself (it hears the focus came from an item).
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
        m_group->FocusNeighbour(this, -1);
        return;
    case Qt::Key_Down:
    case Qt::Key_Right:
        m_group->FocusNeighbour(this, 1);
        return;
    default:
        TsuiRadioButton::keyPressEvent(event);
    }
}
