#include "skin/controls/SUIEditMask.h"

#include "framework/OrlendaException.h"

#include <QLocale>

namespace {

[[noreturn]] void refuse(const QString& editMask, const QString& why)
{
    throw OrlendaException(QStringLiteral("Invalid edit mask '%1': %2").arg(editMask, why));
}

// The separator the locale puts between the parts of a short time or date.
QChar separatorIn(const QString& format, QChar fallback)
{
    for (QChar c : format)
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    return fallback;
}

// Characters with a meaning in Qt's notation that the framework takes as plain literals.
bool qtMeta(QChar c)
{
    return QStringLiteral("AaNnXx9#0DdHhBbLl><!;[]{}\\").contains(c);
}

QStringList fields(const QString& editMask)
{
    QStringList result { QString() };
    for (qsizetype i = 0; i < editMask.size(); ++i) {
        const QChar c = editMask[i];
        if (c == u'\\' && result.size() == 1 && i + 1 < editMask.size()) {
            result.last().append(c);
            result.last().append(editMask[++i]);
        } else if (c == u';' && result.size() < 3) {
            result.append(QString());
        } else {
            result.last().append(c);
        }
    }
    return result;
}

} // namespace

SuiEditMask TranslateEditMask(const QString& editMask)
{
    SuiEditMask out;
    if (editMask.isEmpty())
        return out;
    const QStringList parts = fields(editMask);
    if (parts.size() > 1) {
        if (parts[1] != u"0" && parts[1] != u"1")
            refuse(editMask, QStringLiteral("the save-literals field must be 0 or 1"));
        out.saveLiterals = parts[1] == u"1";
    }
    if (parts.size() > 2) {
        if (parts[2].size() != 1)
            refuse(editMask, QStringLiteral("the blank field must be one character"));
        out.blank = parts[2][0];
    }
    const QString& body = parts[0];
    const QLocale locale;
    const QChar timeSeparator = separatorIn(locale.timeFormat(QLocale::ShortFormat), u':');
    const QChar dateSeparator = separatorIn(locale.dateFormat(QLocale::ShortFormat), u'/');
    auto addLiteral = [&](QChar c) {
        if (c == out.blank)
            refuse(editMask, QStringLiteral("the literal '%1' is the blank character").arg(c));
        out.inputMask += qtMeta(c) ? QString(u'\\') + c : QString(c);
        out.literal.append(true);
    };
    auto addInput = [&](QChar qtCode) {
        out.inputMask += qtCode;
        out.literal.append(false);
    };
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        switch (c.unicode()) {
        case u'\\':
            if (i + 1 >= body.size())
                refuse(editMask, QStringLiteral("it ends in an unfinished escape"));
            addLiteral(body[++i]);
            break;
        case u'<':
            if (i + 1 < body.size() && body[i + 1] == u'>') {
                out.inputMask += u'!';
                ++i;
            } else {
                out.inputMask += u'<';
            }
            break;
        case u'>':
            out.inputMask += u'>';
            break;
        case u'!':
            // Where optional blanks stand has no counterpart: Qt leaves them out of the text.
            break;
        case u'L':
        case u'l':
        case u'A':
        case u'a':
        case u'#':
            addInput(c);
            break;
        case u'0':
            addInput(u'9');
            break; // a digit, required
        case u'9':
            addInput(u'0');
            break; // a digit, optional
        case u'C':
            addInput(u'X');
            break; // any character, required
        case u'c':
            addInput(u'x');
            break;
        case u':':
            addLiteral(timeSeparator);
            break;
        case u'/':
            addLiteral(dateSeparator);
            break;
        case u'_':
            addLiteral(u' ');
            break;
        default:
            addLiteral(c);
        }
    }
    if (out.literal.isEmpty())
        refuse(editMask, QStringLiteral("it has no character positions"));
    out.inputMask += u';';
    out.inputMask += out.blank;
    return out;
}
