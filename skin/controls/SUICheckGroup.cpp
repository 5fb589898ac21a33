#include "skin/controls/SUICheckGroup.h"

#include "framework/OrlendaException.h"
#include "skin/controls/SUICheckGroupButton.h"

#include <QApplication>
#include <QFocusEvent>

TsuiCheckGroup::TsuiCheckGroup(QWidget* parent)
    : TsuiCustomGroupBox(parent)
{
    // Again now that this class's own style reaction exists.
    SetUIStyle(GetSUIFormStyle(SuiThemedControl::ownerOf(this)));
    SetTransparent(false);
    setFocusPolicy(Qt::StrongFocus);
    setTabStop(true);
    connect(fontObject(), &TFont::changed, this, &TsuiCheckGroup::fontChanged);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (now != this)
            return;
        // Shift+Tab from an item lands on the group, which sits before its items: go on past it
        // instead of handing the focus straight back.
        const bool fromItem = m_buttons.contains(qobject_cast<TsuiCheckBox*>(old));
        if (fromItem && m_lastFocusReason == Qt::BacktabFocusReason)
            focusNextPrevChild(false);
        else
            FocusUpdate();
    });
}

TsuiCheckGroup::~TsuiCheckGroup()
{
    // The items go while the group is still whole; they call back into it.
    const QList<TsuiCheckBox*> buttons = m_buttons;
    m_buttons.clear();
    for (TsuiCheckBox* b : buttons)
        delete b;
}

void TsuiCheckGroup::Notification(QObject* component, Operation operation)
{
    // The items refer to nothing of each other: telling every item of each item's arrival and
    // departure would cost a thousand-item group a million calls for nothing.
    if (component && component->parent() == this) {
        if (operation == Operation::opRemove)
            RemoveFreeNotification(component);
        return;
    }
    TsuiCustomGroupBox::Notification(component, operation);
}

TsuiCheckBox* TsuiCheckGroup::CreateAButton()
{
    return new TsuiCheckGroupButton(this);
}

TsuiCheckBox* TsuiCheckGroup::Button(int index) const
{
    return index >= 0 && index < m_buttons.size() ? m_buttons[index] : nullptr;
}

void TsuiCheckGroup::SetItems(const QStringList& items)
{
    m_items = items;
    UpdateButtons();
}

void TsuiCheckGroup::destroyButton(TsuiCheckBox* button)
{
    m_buttons.removeOne(button);
    if (m_changeDepth > 0) {
        // A change handler is running, perhaps this button's own: it goes once the handler
        // has returned.
        button->hide();
        button->deleteLater();
    } else {
        delete button;
    }
}

void TsuiCheckGroup::UpdateButtons()
{
    const qsizetype d = m_items.size() - m_buttons.size();
    for (qsizetype i = 0; i < -d; ++i)
        destroyButton(m_buttons.last());
    for (qsizetype i = 0; i < d; ++i) {
        TsuiCheckBox* b = CreateAButton();
        // The group owns its items, so no form description stores them.
        b->SetOwner(this);
        b->assignFont(fontObject());
        if (FileTheme())
            b->SetFileTheme(FileTheme());
        // A new item already carries its form's style; loading the pictures again for the same
        // style and no file theme would change nothing.
        if (FileTheme() || b->UIStyle() != UIStyle())
            b->SetUIStyle(UIStyle());
        b->SetTransparent(Transparent());
        b->setTabStop(false);
        b->OnClick = [this](QObject*) { Changed(); };
        b->setCursorKind(m_itemCursor);
        b->show();
        // Right behind the group in the focus chain, so Tab leaves an item for what follows
        // the group rather than for what was created after it.
        QWidget::setTabOrder(
            m_buttons.isEmpty() ? static_cast<QWidget*>(this) : m_buttons.last(), b);
        m_buttons.append(b);
    }
    for (qsizetype i = 0; i < m_buttons.size(); ++i) {
        TsuiCheckBox* b = m_buttons[i];
        b->SetCaption(m_items[i]);
        // The caption has just sized an auto-sized item.
        if (!b->AutoSize())
            b->SetAutoSize(true);
    }
    ArrangeButtons();
    if (d > 0) {
        // Written twice, ending where it was: the new items take the group's transparency.
        SetTransparent(!Transparent());
        SetTransparent(!Transparent());
    }
}

QPoint TsuiCheckGroup::ButtonPosition(
    int index, int count, int columns, const QRect& inner, int topMargin, int groupWidth)
{
    // C++ division truncates toward zero, as the layout rule wants.
    const int top = inner.y() + topMargin;
    const int h = inner.y() + inner.height() - top;
    const int rows = (count + columns - 1) / columns;
    const int colWidth = (groupWidth - 10) / columns;
    const int rowHeight = h / rows;
    const int y0 = (h % rows) / 2 + top;
    return QPoint((index / rows) * colWidth + 8, (index % rows) * rowHeight + y0);
}

void TsuiCheckGroup::ArrangeButtons()
{
    if (m_buttons.isEmpty())
        return;
    const QRect inner = GetClient();
    const int n = int(m_buttons.size());
    for (int i = 0; i < n; ++i) {
        TsuiCheckBox* b = m_buttons[i];
        const QPoint at = ButtonPosition(i, n, m_columns, inner, m_topMargin, width());
        b->setBounds(QRect(at, b->size()));
    }
}

void TsuiCheckGroup::SetColumns(int columns)
{
    if (columns < 1)
        return;
    m_columns = columns;
    ArrangeButtons();
}

void TsuiCheckGroup::SetTopMargin(int margin)
{
    if (margin < 0)
        return;
    m_topMargin = margin;
    ArrangeButtons();
}

void TsuiCheckGroup::SetItemCursor(ControlTypes::TCursor cursor)
{
    m_itemCursor = cursor;
    for (TsuiCheckBox* b : std::as_const(m_buttons))
        b->setCursorKind(cursor);
}

bool TsuiCheckGroup::GetChecked(int index) const
{
    const TsuiCheckBox* b = Button(index);
    return b && b->Checked();
}

void TsuiCheckGroup::SetChecked(int index, bool value)
{
    TsuiCheckBox* b = Button(index);
    if (!b)
        throw OrlendaException(QStringLiteral("List index out of bounds (%1)").arg(index));
    b->SetChecked(value);
}

bool TsuiCheckGroup::GetItemEnabled(int index) const
{
    const TsuiCheckBox* b = Button(index);
    return b && b->isEnabled();
}

void TsuiCheckGroup::SetItemEnabled(int index, bool value)
{
    TsuiCheckBox* b = Button(index);
    if (!b)
        throw OrlendaException(QStringLiteral("List index out of bounds (%1)").arg(index));
    b->setEnabled(value);
}

void TsuiCheckGroup::SetTransparent(bool transparent)
{
    TsuiCustomGroupBox::SetTransparent(transparent);
    for (TsuiCheckBox* b : std::as_const(m_buttons))
        b->SetTransparent(transparent);
}

void TsuiCheckGroup::UpdateUIStyle(TsuiUIStyle style, TsuiFileTheme* fileTheme)
{
    // The box hands the theme and the style to every contained control, the items included.
    TsuiCustomGroupBox::UpdateUIStyle(style, fileTheme);
    const QColor color = Color();
    for (TsuiCheckBox* b : std::as_const(m_buttons))
        b->setColor(color);
}

void TsuiCheckGroup::fontChanged()
{
    for (TsuiCheckBox* b : std::as_const(m_buttons))
        b->assignFont(fontObject());
    ArrangeButtons();
}

void TsuiCheckGroup::Changed()
{
    ++m_changeDepth;
    NewClick();
    const Component* owner = Component::of(Owner());
    if (!IsLoading() && !(owner && owner->IsLoading()))
        OnClick(this);
    --m_changeDepth;
}

void TsuiCheckGroup::resized()
{
    TsuiCustomGroupBox::resized();
    ArrangeButtons();
}

void TsuiCheckGroup::focusInEvent(QFocusEvent* event)
{
    TsuiCustomGroupBox::focusInEvent(event);
    m_lastFocusReason = event->reason();
    for (TsuiCheckBox* b : std::as_const(m_buttons))
        b->update();
}

void TsuiCheckGroup::focusOutEvent(QFocusEvent* event)
{
    TsuiCustomGroupBox::focusOutEvent(event);
    for (TsuiCheckBox* b : std::as_const(m_buttons))
        b->update();
}

void TsuiCheckGroup::FocusUpdate()
{
    if (m_buttons.isEmpty())
        return;
    TsuiCheckBox* first = m_buttons.first();
    if (first->isEnabled() && first->isVisible())
        first->setFocus(Qt::OtherFocusReason);
}

void TsuiCheckGroup::FocusNeighbour(QWidget* from, int step)
{
    const int n = int(m_buttons.size());
    const int at = int(m_buttons.indexOf(qobject_cast<TsuiCheckBox*>(from)));
    if (at < 0 || n == 0)
        return;
    for (int k = 1; k < n; ++k) {
        TsuiCheckBox* b = m_buttons[((at + k * step) % n + n) % n];
        if (b->isEnabled() && b->isVisible()) {
            b->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
}
