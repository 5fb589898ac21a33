#include "skin/controls/SUIEdit.h"

#include "framework/TColor.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QKeyEvent>
#include <QPainter>

TsuiEdit::TsuiEdit(QWidget* parent)
    : TControlBase<QLineEdit>(parent)
    , m_theme(this, [this] { reloadTheme(); })
{
    setFrame(false);
    // The frame the border is drawn on: the line edit's text area starts inside it.
    setContentsMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    setColor(palette().color(QPalette::Base));
    setFocusPolicy(Qt::StrongFocus);
    setTabStop(true);
    setBounds(QRect(x(), y(), 121, 21));
    connect(this, &QLineEdit::textChanged, this, [this] {
        applyCharCase();
        Change();
    });
    m_theme.initFromOwner(SuiThemedControl::ownerOf(this));
}

void TsuiEdit::reloadTheme()
{
    m_borderColor = TColor(m_theme.color(SuiThemes::SuiItem::ControlBorderColor)).toQColor();
    UIStyleChanged();
    update();
}

void TsuiEdit::SetBorderColor(const QColor& color)
{
    m_borderColor = color;
    update();
}

void TsuiEdit::SetHideSelection(bool on)
{
    m_hideSelection = on;
    // Without focus Qt paints no selection; kept selections show in the inactive highlight.
    QPalette p = palette();
    p.setColor(QPalette::Inactive, QPalette::Highlight,
        on ? p.color(QPalette::Inactive, QPalette::Base)
           : p.color(QPalette::Active, QPalette::Highlight));
    setPalette(p);
}

void TsuiEdit::SetPasswordChar(const QString& character)
{
    m_passwordChar = character.left(1);
    // Qt draws its style's own mask character; any non-null PasswordChar hides the text.
    setEchoMode(m_passwordChar.isEmpty() || m_passwordChar[0].isNull() ? Normal : Password);
}

void TsuiEdit::SetCharCase(TEditCharCase charCase)
{
    m_charCase = charCase;
    applyCharCase();
}

void TsuiEdit::applyCharCase()
{
    if (m_charCase == ecNormal)
        return;
    const QString current = text();
    const QString cased = m_charCase == ecUpperCase ? current.toUpper() : current.toLower();
    if (cased == current)
        return;
    const int caret = cursorPosition();
    setText(cased);
    setCursorPosition(caret);
}

void TsuiEdit::PaintBorder(QPainter& painter) const
{
    DrawControlBorder(painter, this, TColor::fromQRgb(m_borderColor.rgb()),
        TColor::fromQRgb(Color().rgb()), true);
}

void TsuiEdit::paintEvent(QPaintEvent* event)
{
    TControlBase<QLineEdit>::paintEvent(event);
    QPainter painter(this);
    PaintBorder(painter);
}

void TsuiEdit::keyPressEvent(QKeyEvent* event)
{
    const QString typed = event->text();
    // Shortcuts (copy, paste, undo) reach the line edit as they are; only typed characters and
    // backspace go through the character filter.
    const bool shortcut = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
    if (typed.size() == 1 && !shortcut && (typed[0] >= QChar(32) || typed[0] == QChar(8))) {
        QChar key = typed[0];
        KeyPress(key);
        if (key.isNull()) {
            event->accept();
            return;
        }
    }
    TControlBase<QLineEdit>::keyPressEvent(event);
}

void TsuiEdit::focusInEvent(QFocusEvent* event)
{
    TControlBase<QLineEdit>::focusInEvent(event);
    if (!m_autoSelect && hasSelectedText())
        deselect();
    DoEnter();
}

void TsuiEdit::focusOutEvent(QFocusEvent* event)
{
    TControlBase<QLineEdit>::focusOutEvent(event);
    DoExit();
}
