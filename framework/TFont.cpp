#include "framework/TFont.h"

#include <QFontInfo>

using ControlTypes::TFontStyles;

namespace {
// Point sizes and character heights convert at the 96 pixels per inch the forms were laid out at.
constexpr int designDpi = 96;
} // namespace

TFont::TFont(QWidget* control)
    : QObject(control)
    , m_control(control)
{
}

void TFont::apply(const QFont& font)
{
    if (font == m_control->font() && font.resolveMask() == m_control->font().resolveMask())
        return;
    m_control->setFont(font);
    Q_EMIT changed();
}

void TFont::setCharset(int charset)
{
    if (m_charset == charset)
        return;
    m_charset = charset;
    Q_EMIT changed();
}

QColor TFont::Color() const
{
    return m_control->palette().color(m_control->foregroundRole());
}

void TFont::setColor(const QColor& color)
{
    if (Color() == color
        && m_control->palette().isBrushSet(QPalette::Active, m_control->foregroundRole()))
        return;
    QPalette palette = m_control->palette();
    palette.setColor(m_control->foregroundRole(), color);
    palette.setColor(QPalette::ButtonText, color);
    m_control->setPalette(palette);
    Q_EMIT changed();
}

int TFont::Height() const
{
    const QFont f = m_control->font();
    if (f.pixelSize() > 0)
        return -f.pixelSize();
    return -qRound(f.pointSizeF() * designDpi / 72.0);
}

void TFont::setHeight(int height)
{
    if (height == 0)
        return;
    QFont f = m_control->font();
    // A positive height includes the internal leading; the character height is what Qt sizes by.
    f.setPixelSize(qAbs(height));
    apply(f);
}

QString TFont::Name() const
{
    return m_control->font().family();
}

void TFont::setName(const QString& name)
{
    QFont f = m_control->font();
    f.setFamily(name);
    apply(f);
}

int TFont::Size() const
{
    return qRound(-Height() * 72.0 / designDpi);
}

void TFont::setSize(int points)
{
    // Size 8 is height -11: the framework rounds the pixel height up from 10.67.
    setHeight(-qRound(points * designDpi / 72.0));
}

TFontStyles TFont::Style() const
{
    const QFont f = m_control->font();
    TFontStyles s;
    if (f.bold())
        s |= ControlTypes::fsBold;
    if (f.italic())
        s |= ControlTypes::fsItalic;
    if (f.underline())
        s |= ControlTypes::fsUnderline;
    if (f.strikeOut())
        s |= ControlTypes::fsStrikeOut;
    return s;
}

void TFont::setStyle(TFontStyles style)
{
    QFont f = m_control->font();
    f.setBold(style.testFlag(ControlTypes::fsBold));
    f.setItalic(style.testFlag(ControlTypes::fsItalic));
    f.setUnderline(style.testFlag(ControlTypes::fsUnderline));
    f.setStrikeOut(style.testFlag(ControlTypes::fsStrikeOut));
    apply(f);
}

void TFont::Assign(const TFont* other)
{
    if (!other || other == this)
        return;
    m_charset = other->m_charset;
    apply(other->toQFont());
    setColor(other->Color());
}

QFont TFont::toQFont() const
{
    return m_control->font();
}
