#include "framework/FormatFloat.h"

#include <QStringList>
#include <cmath>

namespace {

// Splits at ";" outside quotes.
QStringList sections(const QString& mask)
{
    QStringList result { QString() };
    QChar quote;
    for (QChar c : mask) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u';') {
            result.append(QString());
            continue;
        }
        result.last().append(c);
    }
    return result;
}

struct Shape {
    int integerZeros = 0; // "0" before the decimal point: the least number of integer digits
    int fractionZeros = 0; // "0" after it: decimals always shown
    int fractionDigits = 0; // "0" and "#" after it: decimals at most
    bool grouping = false;
    bool hasPlaceholder = false;
};

Shape shapeOf(const QString& section)
{
    Shape shape;
    bool fraction = false;
    QChar quote;
    for (QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'.') {
            fraction = true;
        } else if (c == u',') {
            shape.grouping = shape.grouping || !fraction;
        } else if (c == u'0' || c == u'#') {
            shape.hasPlaceholder = true;
            if (fraction) {
                ++shape.fractionDigits;
                if (c == u'0')
                    shape.fractionZeros = shape.fractionDigits;
            } else if (c == u'0') {
                ++shape.integerZeros;
            }
        }
    }
    return shape;
}

// The digits of |value| rounded to `decimals`, split into integer and fraction parts.
void digitsOf(double value, int decimals, QString& integer, QString& fraction)
{
    const QString fixed = QString::number(std::fabs(value), 'f', decimals);
    const qsizetype point = fixed.indexOf(u'.');
    integer = point < 0 ? fixed : fixed.left(point);
    fraction = point < 0 ? QString() : fixed.mid(point + 1);
}

QString render(const QString& section, const Shape& shape, const QString& integerDigits,
    const QString& fractionDigits, const QLocale& locale)
{
    QString integer = integerDigits;
    if (integer == u"0" && shape.integerZeros == 0)
        integer.clear();
    while (integer.size() < shape.integerZeros)
        integer.prepend(u'0');
    if (shape.grouping) {
        const QString group = locale.groupSeparator();
        for (qsizetype at = integer.size() - 3; at > 0; at -= 3)
            integer.insert(at, group);
    }
    // Decimals beyond the "0"s are dropped while they are trailing zeros.
    QString fraction = fractionDigits;
    while (fraction.size() > shape.fractionZeros && fraction.endsWith(u'0'))
        fraction.chop(1);

    QString out;
    bool fractionPart = false;
    bool integerWritten = false;
    int fractionIndex = 0;
    QChar quote;
    for (QChar c : section) {
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
            else
                out.append(c);
            continue;
        }
        if (c == u'\'' || c == u'"') {
            quote = c;
        } else if (c == u'.') {
            if (!fractionPart && !fraction.isEmpty())
                out.append(locale.decimalPoint());
            fractionPart = true;
        } else if (c == u',') {
            // Grouping is a property of the whole number, not a place in it.
        } else if (c == u'0' || c == u'#') {
            if (!fractionPart) {
                // All integer digits stand at the first integer placeholder.
                if (!integerWritten)
                    out.append(integer);
                integerWritten = true;
            } else if (fractionIndex < fraction.size()) {
                out.append(fraction[fractionIndex++]);
            }
        } else {
            out.append(c);
        }
    }
    return out;
}

} // namespace

QString FormatFloat(const QString& mask, double value, const QLocale& locale)
{
    if (!std::isfinite(value))
        return locale.toString(value);
    const QStringList parts = sections(mask);
    if (mask.isEmpty() || !shapeOf(parts[0]).hasPlaceholder)
        return mask.isEmpty() ? locale.toString(value, 'g', 15) : parts[0];

    Shape shape = shapeOf(parts[0]);
    QString integer;
    QString fraction;
    digitsOf(value, shape.fractionDigits, integer, fraction);
    const bool zero = (integer + fraction).count(u'0') == integer.size() + fraction.size();

    QString section = parts[0];
    bool ownSign = false;
    if (zero && parts.size() > 2 && !parts[2].isEmpty()) {
        section = parts[2];
        ownSign = true;
    } else if (value < 0 && !zero && parts.size() > 1 && !parts[1].isEmpty()) {
        section = parts[1];
        ownSign = true;
    }
    if (section != parts[0]) {
        shape = shapeOf(section);
        digitsOf(value, shape.fractionDigits, integer, fraction);
    }
    const QString text = render(section, shape, integer, fraction, locale);
    // A value that rounds to zero shows no sign.
    if (value < 0 && !zero && !ownSign)
        return locale.negativeSign() + text;
    return text;
}
