#include "framework/TColor.h"

#include <QGuiApplication>
#include <QPalette>
#include <array>
#include <cstdint>

namespace {

struct NamedColor {
    const char* name;
    TColor color;
};

// Every name a stored colour may carry; printing picks the first entry of a value.
constexpr NamedColor namedColors[] = {
    { "clBlack", clBlack },
    { "clMaroon", clMaroon },
    { "clGreen", clGreen },
    { "clOlive", clOlive },
    { "clNavy", clNavy },
    { "clPurple", clPurple },
    { "clTeal", clTeal },
    { "clGray", clGray },
    { "clSilver", clSilver },
    { "clRed", clRed },
    { "clLime", clLime },
    { "clYellow", clYellow },
    { "clBlue", clBlue },
    { "clFuchsia", clFuchsia },
    { "clAqua", clAqua },
    { "clWhite", clWhite },
    { "clLtGray", clLtGray },
    { "clDkGray", clDkGray },
    { "clMoneyGreen", clMoneyGreen },
    { "clSkyBlue", clSkyBlue },
    { "clCream", clCream },
    { "clMedGray", clMedGray },
    { "clNone", clNone },
    { "clDefault", clDefault },
    { "clScrollBar", clScrollBar },
    { "clBackground", clBackground },
    { "clActiveCaption", clActiveCaption },
    { "clInactiveCaption", clInactiveCaption },
    { "clMenu", clMenu },
    { "clWindow", clWindow },
    { "clWindowFrame", clWindowFrame },
    { "clMenuText", clMenuText },
    { "clWindowText", clWindowText },
    { "clCaptionText", clCaptionText },
    { "clActiveBorder", clActiveBorder },
    { "clInactiveBorder", clInactiveBorder },
    { "clAppWorkSpace", clAppWorkSpace },
    { "clHighlight", clHighlight },
    { "clHighlightText", clHighlightText },
    { "clBtnFace", clBtnFace },
    { "clBtnShadow", clBtnShadow },
    { "clGrayText", clGrayText },
    { "clBtnText", clBtnText },
    { "clInactiveCaptionText", clInactiveCaptionText },
    { "clBtnHighlight", clBtnHighlight },
    { "cl3DDkShadow", cl3DDkShadow },
    { "cl3DLight", cl3DLight },
    { "clInfoText", clInfoText },
    { "clInfoBk", clInfoBk },
    { "clHotLight", clHotLight },
    { "clGradientActiveCaption", clGradientActiveCaption },
    { "clGradientInactiveCaption", clGradientInactiveCaption },
    { "clMenuHighlight", clMenuHighlight },
    { "clMenuBar", clMenuBar },
};

struct PaletteRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// System colour index -> the palette entry that plays the same part on this desktop.
constexpr std::array<PaletteRole, 31> systemRoles { {
    { QPalette::Active, QPalette::Button }, // scroll bar
    { QPalette::Active, QPalette::Dark }, // desktop background
    { QPalette::Active, QPalette::Highlight }, // active caption
    { QPalette::Inactive, QPalette::Mid }, // inactive caption
    { QPalette::Active, QPalette::Window }, // menu
    { QPalette::Active, QPalette::Base }, // window
    { QPalette::Active, QPalette::Shadow }, // window frame
    { QPalette::Active, QPalette::WindowText }, // menu text
    { QPalette::Active, QPalette::Text }, // window text
    { QPalette::Active, QPalette::HighlightedText }, // caption text
    { QPalette::Active, QPalette::Button }, // active border
    { QPalette::Inactive, QPalette::Button }, // inactive border
    { QPalette::Active, QPalette::Mid }, // application work space
    { QPalette::Active, QPalette::Highlight }, // highlight
    { QPalette::Active, QPalette::HighlightedText }, // highlight text
    { QPalette::Active, QPalette::Button }, // button face
    { QPalette::Active, QPalette::Dark }, // button shadow
    { QPalette::Disabled, QPalette::Text }, // grey text
    { QPalette::Active, QPalette::ButtonText }, // button text
    { QPalette::Inactive, QPalette::WindowText }, // inactive caption text
    { QPalette::Active, QPalette::Light }, // button highlight
    { QPalette::Active, QPalette::Shadow }, // 3D dark shadow
    { QPalette::Active, QPalette::Midlight }, // 3D light
    { QPalette::Active, QPalette::ToolTipText }, // info text
    { QPalette::Active, QPalette::ToolTipBase }, // info background
    { QPalette::Active, QPalette::Window }, // index 25 has no colour of its own
    { QPalette::Active, QPalette::Link }, // hot-tracked item
    { QPalette::Active, QPalette::Highlight }, // gradient of the active caption
    { QPalette::Inactive, QPalette::Mid }, // gradient of the inactive caption
    { QPalette::Active, QPalette::Highlight }, // menu highlight
    { QPalette::Active, QPalette::Window }, // menu bar
} };

std::optional<uint32_t> parseHex(QStringView digits, int maxDigits)
{
    if (digits.isEmpty() || digits.size() > maxDigits)
        return std::nullopt;
    uint32_t value = 0;
    for (QChar c : digits) {
        const char16_t u = c.unicode();
        int digit;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'a' && u <= u'f')
            digit = u - u'a' + 10;
        else if (u >= u'A' && u <= u'F')
            digit = u - u'A' + 10;
        else
            return std::nullopt;
        value = value << 4 | uint32_t(digit);
    }
    return value;
}

} // namespace

QRgb TColor::toRgb() const
{
    if (!isSystemColor())
        return qRgb(red(), green(), blue());
    const int index = systemColorIndex();
    if (index >= int(systemRoles.size()))
        return qRgb(0, 0, 0);
    const PaletteRole& entry = systemRoles[size_t(index)];
    return QGuiApplication::palette().color(entry.group, entry.role).rgb();
}

std::optional<TColor> TColor::fromString(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    if (trimmed.startsWith(u'#')) {
        if (trimmed.size() != 7)
            return std::nullopt;
        const auto rgb = parseHex(trimmed.mid(1), 6);
        if (!rgb)
            return std::nullopt;
        return fromRgb(int(*rgb >> 16), int(*rgb >> 8), int(*rgb));
    }
    if (trimmed.startsWith(u'$')) {
        const auto raw = parseHex(trimmed.mid(1), 8);
        return raw ? std::optional<TColor>(TColor(*raw)) : std::nullopt;
    }
    if (trimmed.startsWith(u"cl", Qt::CaseInsensitive)) {
        for (const NamedColor& entry : namedColors)
            if (trimmed.compare(QLatin1String(entry.name), Qt::CaseInsensitive) == 0)
                return entry.color;
        return std::nullopt;
    }
    // Stored forms write system colours as negative 32-bit integers.
    bool ok = false;
    const qlonglong number = trimmed.toLongLong(&ok);
    if (!ok || number < INT32_MIN || number > qlonglong(UINT32_MAX))
        return std::nullopt;
    return TColor(uint32_t(number));
}

QString TColor::name() const
{
    for (const NamedColor& entry : namedColors)
        if (entry.color == *this)
            return QLatin1String(entry.name);
    return {};
}

QString TColor::toString() const
{
    const QString named = name();
    if (!named.isEmpty())
        return named;
    if ((m_value & 0xFF000000u) == 0)
        return QStringLiteral("#%1%2%3")
            .arg(red(), 2, 16, QLatin1Char('0'))
            .arg(green(), 2, 16, QLatin1Char('0'))
            .arg(blue(), 2, 16, QLatin1Char('0'))
            .toUpper();
    return QStringLiteral("$%1").arg(m_value, 8, 16, QLatin1Char('0')).toUpper();
}
