// A colour as the drawing layer and the theme files store it: 0x00BBGGRR, red in the low byte.
#pragma once

#include <QColor>
#include <QMetaType>
#include <QString>
#include <QStringView>
#include <QtGui/qrgb.h>
#include <cstdint>
#include <optional>

class TColor {
public:
    constexpr TColor() = default;
    constexpr explicit TColor(uint32_t value)
        : m_value(value)
    {
    }

    static constexpr TColor fromRgb(int r, int g, int b)
    {
        return TColor(uint32_t(r & 0xFF) | uint32_t(g & 0xFF) << 8 | uint32_t(b & 0xFF) << 16);
    }
    // The alpha of a QRgb is dropped: stored colours are always opaque.
    static constexpr TColor fromQRgb(QRgb rgb)
    {
        return fromRgb(qRed(rgb), qGreen(rgb), qBlue(rgb));
    }
    static TColor fromQColor(const QColor& color)
    {
        return fromRgb(color.red(), color.green(), color.blue());
    }

    constexpr uint32_t value() const { return m_value; }
    // High byte 0xFF: the low byte is a system colour index, resolved through the palette.
    constexpr bool isSystemColor() const { return (m_value & 0xFF000000u) == 0xFF000000u; }
    constexpr int systemColorIndex() const { return int(m_value & 0xFFu); }

    constexpr int red() const { return int(m_value & 0xFF); }
    constexpr int green() const { return int((m_value >> 8) & 0xFF); }
    constexpr int blue() const { return int((m_value >> 16) & 0xFF); }

    // Resolved to an opaque RGB value; system colours come from the application palette. Other
    // values with a non-zero high byte (clNone, clDefault) keep only their low 24 bits, as the
    // drawing layer does with them.
    QRgb toRgb() const;
    QColor toQColor() const { return QColor::fromRgb(toRgb()); }
    // The same colour as a plain 0x00BBGGRR value (system colours resolved).
    TColor resolved() const { return fromQRgb(toRgb()); }

    // Accepts a colour name ("clBtnFace", any case), "#RRGGBB", "$" followed by up to eight hex
    // digits (the raw value) and a decimal integer (a signed or unsigned 32-bit raw value).
    static std::optional<TColor> fromString(QStringView text);
    // The name when the value has one, "#RRGGBB" for other plain colours, "$XXXXXXXX" otherwise.
    QString toString() const;
    // The name of the value, or an empty string.
    QString name() const;

    friend constexpr bool operator==(TColor a, TColor b) { return a.m_value == b.m_value; }

private:
    uint32_t m_value = 0;
};

Q_DECLARE_METATYPE(TColor)

// Plain colours.
inline constexpr TColor clBlack { 0x000000 };
inline constexpr TColor clMaroon { 0x000080 };
inline constexpr TColor clGreen { 0x008000 };
inline constexpr TColor clOlive { 0x008080 };
inline constexpr TColor clNavy { 0x800000 };
inline constexpr TColor clPurple { 0x800080 };
inline constexpr TColor clTeal { 0x808000 };
inline constexpr TColor clGray { 0x808080 };
inline constexpr TColor clSilver { 0xC0C0C0 };
inline constexpr TColor clRed { 0x0000FF };
inline constexpr TColor clLime { 0x00FF00 };
inline constexpr TColor clYellow { 0x00FFFF };
inline constexpr TColor clBlue { 0xFF0000 };
inline constexpr TColor clFuchsia { 0xFF00FF };
inline constexpr TColor clAqua { 0xFFFF00 };
inline constexpr TColor clWhite { 0xFFFFFF };
inline constexpr TColor clLtGray { 0xC0C0C0 };
inline constexpr TColor clDkGray { 0x808080 };
inline constexpr TColor clMoneyGreen { 0xC0DCC0 };
inline constexpr TColor clSkyBlue { 0xF0CAA6 };
inline constexpr TColor clCream { 0xF0FBFF };
inline constexpr TColor clMedGray { 0xA4A0A0 };
inline constexpr TColor clNone { 0x1FFFFFFF };
inline constexpr TColor clDefault { 0x20000000 };

// System colours: 0xFF000000 plus the index of the colour.
inline constexpr TColor clScrollBar { 0xFF000000 };
inline constexpr TColor clBackground { 0xFF000001 };
inline constexpr TColor clActiveCaption { 0xFF000002 };
inline constexpr TColor clInactiveCaption { 0xFF000003 };
inline constexpr TColor clMenu { 0xFF000004 };
inline constexpr TColor clWindow { 0xFF000005 };
inline constexpr TColor clWindowFrame { 0xFF000006 };
inline constexpr TColor clMenuText { 0xFF000007 };
inline constexpr TColor clWindowText { 0xFF000008 };
inline constexpr TColor clCaptionText { 0xFF000009 };
inline constexpr TColor clActiveBorder { 0xFF00000A };
inline constexpr TColor clInactiveBorder { 0xFF00000B };
inline constexpr TColor clAppWorkSpace { 0xFF00000C };
inline constexpr TColor clHighlight { 0xFF00000D };
inline constexpr TColor clHighlightText { 0xFF00000E };
inline constexpr TColor clBtnFace { 0xFF00000F };
inline constexpr TColor clBtnShadow { 0xFF000010 };
inline constexpr TColor clGrayText { 0xFF000011 };
inline constexpr TColor clBtnText { 0xFF000012 };
inline constexpr TColor clInactiveCaptionText { 0xFF000013 };
inline constexpr TColor clBtnHighlight { 0xFF000014 };
inline constexpr TColor cl3DDkShadow { 0xFF000015 };
inline constexpr TColor cl3DLight { 0xFF000016 };
inline constexpr TColor clInfoText { 0xFF000017 };
inline constexpr TColor clInfoBk { 0xFF000018 };
inline constexpr TColor clHotLight { 0xFF00001A };
inline constexpr TColor clGradientActiveCaption { 0xFF00001B };
inline constexpr TColor clGradientInactiveCaption { 0xFF00001C };
inline constexpr TColor clMenuHighlight { 0xFF00001D };
inline constexpr TColor clMenuBar { 0xFF00001E };
