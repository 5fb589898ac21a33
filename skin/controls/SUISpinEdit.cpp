#include "skin/controls/SUISpinEdit.h"

#include "skin/controls/SUISpinButtons.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <limits>

TsuiSpinEdit::TsuiSpinEdit(QWidget* parent)
    : TsuiEdit(parent)
{
    m_buttons = new TsuiSpinButtons(this);
    m_buttons->setBounds(QRect(0, 0, 15, 20));
    m_buttons->OnUpClick = [this](QObject* sender) { UpClick(sender); };
    m_buttons->OnDownClick = [this](QObject* sender) { DownClick(sender); };
    m_buttons->show();
    // The buttons are part of the control: a form description never stores them.
    m_buttons->setObjectName(QString());
    UIStyleChanged();
    setText(QStringLiteral("0"));
    placeButtons();
}

void TsuiSpinEdit::UIStyleChanged()
{
    if (!m_buttons)
        return;
    m_buttons->SetUIStyle(UIStyle());
    m_buttons->SetFileTheme(FileTheme());
}

int TsuiSpinEdit::CheckValue(int value) const
{
    if (m_minValue == m_maxValue)
        return value;
    // A range given the wrong way round is taken as the range between the two numbers.
    const auto [low, high] = std::minmax(m_minValue, m_maxValue);
    return std::clamp(value, low, high);
}

int TsuiSpinEdit::Value() const
{
    bool ok = false;
    const int value = text().trimmed().toInt(&ok, 10);
    return ok ? value : m_minValue;
}

void TsuiSpinEdit::SetValue(int value)
{
    setText(QString::number(CheckValue(value)));
}

void TsuiSpinEdit::UpClick(QObject*)
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    // Widened, so stepping past the ends of int stops there instead of wrapping round.
    const qint64 next = qint64(Value()) + m_increment;
    SetValue(int(std::clamp<qint64>(
        next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

void TsuiSpinEdit::DownClick(QObject*)
{
    if (isReadOnly()) {
        QApplication::beep();
        return;
    }
    const qint64 next = qint64(Value()) - m_increment;
    SetValue(int(std::clamp<qint64>(
        next, std::numeric_limits<int>::min(), std::numeric_limits<int>::max())));
}

bool TsuiSpinEdit::IsValidChar(QChar key) const
{
    const ushort code = key.unicode();
    bool valid = key == u'-' || (key >= u'0' && key <= u'9') || (code < 32 && code != 13);
    if (!m_editorEnabled && valid && (code >= 32 || code == 8))
        valid = false;
    return valid;
}

void TsuiSpinEdit::KeyPress(QChar& key)
{
    if (IsValidChar(key))
        return;
    key = QChar();
    QApplication::beep();
}

void TsuiSpinEdit::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Up)
        UpClick(this);
    else if (event->key() == Qt::Key_Down)
        DownClick(this);
    // Cut and paste change the text only while the editor is open to the user.
    if (!editable() && (event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste))) {
        event->accept();
        return;
    }
    TsuiEdit::keyPressEvent(event);
}

void TsuiSpinEdit::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu* menu = createStandardContextMenu();
    if (!editable()) {
        // The menu's cut and paste are the same operations as the keys.
        for (QAction* action : menu->actions()) {
            const QString name = action->objectName();
            if (name == u"edit-cut" || name == u"edit-paste")
                action->setEnabled(false);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TsuiSpinEdit::mousePressEvent(QMouseEvent* event)
{
    m_mouseEntering = !hasFocus() && event->button() == Qt::LeftButton;
    TsuiEdit::mousePressEvent(event);
    m_mouseEntering = false;
}

void TsuiSpinEdit::DoEnter()
{
    // Entering with the left button down places the caret where it was pressed.
    if (AutoSelect() && !m_mouseEntering && !(QApplication::mouseButtons() & Qt::LeftButton))
        selectAll();
    TsuiEdit::DoEnter();
}

void TsuiSpinEdit::DoExit()
{
    TsuiEdit::DoExit();
    const int value = Value();
    if (CheckValue(value) != value || text() != QString::number(value))
        SetValue(value);
}

void TsuiSpinEdit::resized()
{
    TsuiEdit::resized();
    placeButtons();
}

void TsuiSpinEdit::placeButtons()
{
    if (!m_buttons)
        return;
    // The buttons fill the right of the area inside the border; the text ends 2 pixels left of
    // them.
    const int buttonWidth = m_buttons->width();
    m_buttons->setBounds(QRect(width() - buttonWidth - 4 + BorderWidth, BorderWidth, buttonWidth,
        height() - 2 * BorderWidth));
    setTextMargins(0, 0, buttonWidth + 2, 0);
}
