#include "skin/controls/SUIMaskEdit.h"

TsuiMaskEdit::TsuiMaskEdit(QWidget* parent)
    : TsuiEdit(parent)
{
}

void TsuiMaskEdit::SetEditMask(const QString& editMask)
{
    SuiEditMask translated = TranslateEditMask(editMask);
    const QString kept = Text();
    m_editMask = editMask;
    m_mask = std::move(translated);
    setInputMask(m_mask.inputMask);
    // What fits the new mask is kept; Qt drops the characters that do not.
    SetText(kept);
}

QString TsuiMaskEdit::Text() const
{
    if (m_editMask.isEmpty() || m_mask.saveLiterals)
        return text();
    const QString shown = displayText();
    QString result;
    for (qsizetype i = 0; i < shown.size() && i < m_mask.literal.size(); ++i)
        if (!m_mask.literal[i])
            result += shown[i] == m_mask.blank ? QChar(u' ') : shown[i];
    while (result.endsWith(u' '))
        result.chop(1);
    return result;
}

void TsuiMaskEdit::SetText(const QString& text)
{
    if (m_editMask.isEmpty() || m_mask.saveLiterals) {
        setText(text);
        return;
    }
    // The text holds only the input characters: the literals go back between them.
    const QString shown = displayText();
    QString full;
    qsizetype next = 0;
    for (qsizetype i = 0; i < m_mask.literal.size(); ++i) {
        if (m_mask.literal[i])
            full += i < shown.size() ? shown[i] : QChar(u' ');
        else
            full += next < text.size() ? text[next++] : QChar(u' ');
    }
    setText(full);
}
