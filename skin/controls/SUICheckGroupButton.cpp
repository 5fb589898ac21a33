#include "skin/controls/SUICheckGroupButton.h"

#include "skin/controls/SUICheckGroup.h"

#include <QKeyEvent>

TsuiCheckGroupButton::TsuiCheckGroupButton(TsuiCheckGroup* group)
    : TsuiCheckBox(group)
    , m_group(group)
{
}

void TsuiCheckGroupButton::keyPressEvent(QKeyEvent* event)
{
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
        TsuiCheckBox::keyPressEvent(event);
    }
}
