#include "skin/controls/SUINumberEdit.h"

#include "framework/ApplicationExceptions.h"
#include "framework/FormatFloat.h"
#include "framework/OrlendaException.h"

#include <QApplication>
#include <cmath>

namespace {
// Text still being typed: no digit yet. The runtime would refuse a lone separator at the first
// keystroke of ".5"; it waits for its digits instead, and counts as 0 on leaving.
bool incomplete(const QString& text)
{
    const QString decimal = QLocale().decimalPoint();
    return text.isEmpty() || text == u"-" || text == decimal
        || text == QStringLiteral("-") + decimal;
}

QString conversionError(const QString& text)
{
    return QStringLiteral("'%1' is not a valid floating point value").arg(text);
}
} // namespace

TsuiNumberEdit::TsuiNumberEdit(QWidget* parent)
    : TsuiEdit(parent)
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetValue(0);
}

void TsuiNumberEdit::SetValue(double value)
{
    if (!std::isfinite(value))
        throw OrlendaException(conversionError(QLocale().toString(value)));
    m_value = value;
    setText(FormatFloat(m_mask, value));
}

bool TsuiNumberEdit::convert(const QString& text, double& value) const
{
    const QLocale locale;
    QString plain = text;
    plain.remove(locale.groupSeparator());
    bool ok = false;
    // Qt reports overflow (a number beyond a double) as a failed conversion too.
    const double converted = locale.toDouble(plain, &ok);
    if (!ok || !std::isfinite(converted))
        return false;
    value = converted;
    return true;
}

void TsuiNumberEdit::SetText(const QString& text)
{
    m_failedText.clear();
    m_raiseToCaller = true;
    setText(text);
    m_raiseToCaller = false;
    if (!m_failedText.isEmpty()) {
        const QString failed = std::exchange(m_failedText, QString());
        throw OrlendaException(conversionError(failed));
    }
}

void TsuiNumberEdit::Change()
{
    const QString current = text();
    if (!incomplete(current)) {
        double converted = 0;
        if (!convert(current, converted)) {
            // The text goes back to the last good value; that rewrite runs its own change.
            SetValue(m_value);
            if (m_raiseToCaller)
                m_failedText = current;
            else
                ApplicationExceptions::ShowMessage(conversionError(current));
            return;
        }
        m_value = converted;
    }
    TsuiEdit::Change();
}

void TsuiNumberEdit::selectSigns()
{
    if (m_autoSelectSigns <= 0 || !AutoSelect())
        return;
    const int length = int(text().size());
    const int start = std::max(0, length - m_autoSelectSigns);
    setSelection(start, length - start);
}

void TsuiNumberEdit::DoEnter()
{
    TsuiEdit::DoEnter();
    selectSigns();
}

void TsuiNumberEdit::Click()
{
    TsuiEdit::Click();
    DoEnter();
}

void TsuiNumberEdit::DoExit()
{
    TsuiEdit::DoExit();
    if (incomplete(text()))
        setText(QStringLiteral("0"));
    double converted = 0;
    SetValue(convert(text(), converted) ? converted : m_value);
}

void TsuiNumberEdit::KeyPress(QChar& key)
{
    const QString current = text();
    const QString decimal = QLocale().decimalPoint();
    const bool accepted = (key >= u'0' && key <= u'9')
        || (m_mask.contains(u'.') && QString(key) == decimal
            && !current.contains(decimal, Qt::CaseInsensitive))
        || key == QChar(8)
        || (m_mask.contains(u'-') && cursorPosition() == 0 && key == u'-'
            && !current.contains(u'-'));
    if (accepted)
        return;
    QApplication::beep();
    key = QChar();
}
