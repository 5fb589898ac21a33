#include "skin/controls/SUIMaskEdit.h"

TsuiMaskEdit::TsuiMaskEdit(QWidget* parent)
    : TsuiEdit(parent)
{
}

void TsuiMaskEdit::SetEditMask(const QString& editMask)
{
    SuiEditMask translated = TranslateEditMask(editMask);
    // The typed characters move into the new mask; Qt drops the ones that do not fit it.
    const QString typed = m_editMask.isEmpty() ? text() : inputCharacters();
    m_editMask = editMask;
    m_mask = std::move(translated);
    setInputMask(m_mask.inputMask);
    placeInputCharacters(typed);
}

QString TsuiMaskEdit::inputCharacters() const
{
    const QString shown = displayText();
    QString result;
    for (qsizetype i = 0; i < shown.size() && i < m_mask.literal.size(); ++i)
        if (!m_mask.literal[i])
            result += shown[i] == m_mask.blank ? QChar(u' ') : shown[i];
    while (result.endsWith(u' '))
        result.chop(1);
    return result;
}

void TsuiMaskEdit::placeInputCharacters(const QString& typed)
{
    QString full;
    qsizetype next = 0;
    for (qsizetype i = 0; i < m_mask.literal.size(); ++i) {
        if (m_mask.literal[i])
            full += literalAt(i);
        else
            full += next < typed.size() ? typed[next++] : QChar(u' ');
    }
    setText(full);
}

QString TsuiMaskEdit::Text() const
{
    if (m_editMask.isEmpty() || m_mask.saveLiterals)
        return text();
    return inputCharacters();
}

void TsuiMaskEdit::SetText(const QString& text)
{
    if (m_editMask.isEmpty() || m_mask.saveLiterals) {
        setText(text);
        return;
    }
    // The text holds only the input characters: the literals go back between them.
    placeInputCharacters(text);
}

QChar TsuiMaskEdit::literalAt(qsizetype position) const
{
    // An empty text shows every literal in place.
    const QString shown = displayText();
    return position < shown.size() ? shown[position] : QChar(u' ');
}
