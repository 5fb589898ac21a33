// Theme folders: a theme as files a person can edit (one BMP per image item and theme.txt with
// `Key = value` lines), and the conversions between such a folder and a theme file.
#pragma once

#include "framework/OrlendaException.h"
#include "skin/styles/SUIThemes.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

// A refused folder, line or file; the message names the file (and line) at fault.
class ThemeToolError : public OrlendaException {
public:
    using OrlendaException::OrlendaException;
};

namespace ThemeFolder {

inline constexpr char TextFileName[] = "theme.txt";

// "#RRGGBB" of a 0x00BBGGRR colour; values with a high byte (system colours) as "0xHHHHHHHH".
QString colorText(uint32_t color);
// Accepts exactly what colorText writes: "#RRGGBB" or "0x" and up to eight hex digits.
std::optional<uint32_t> parseColor(const QString& text);
// A built-in style by name, letter case ignored; FromThemeFile is not one.
std::optional<TsuiUIStyle> styleFromName(const QString& name);

// Writes `themeFile` from `folder`. Every .bmp must be named after an image item and decode as
// BMP; every theme.txt line must be blank, a "#" comment or `Key = value` for a colour, integer
// or flag item, each key at most once. Entries go in item order. Returns the items the folder
// leaves out, one warning each.
QStringList pack(const QString& folder, const QString& themeFile);

// One line per entry of the file in file order: key, kind, size, value.
QStringList list(const QString& themeFile);

// Writes the items of `themeFile` into `folder` (new or empty): each image byte for byte as
// <Key>.bmp, the rest into theme.txt. Returns warnings for entries no item takes and for items
// the file lacks.
QStringList unpack(const QString& themeFile, const QString& folder);

// Writes a built-in style's 42 items into `folder` (new or empty) in the same form.
void exportBuiltin(TsuiUIStyle style, const QString& folder);

} // namespace ThemeFolder
