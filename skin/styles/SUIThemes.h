// Skin styles: the style enumeration shared by every themed component.
#pragma once

#include <QObject>
#include <cstdint>

namespace SuiThemes {
Q_NAMESPACE

// One-byte style: the built-in looks, or the control's file theme.
enum class TsuiUIStyle : uint8_t {
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3, // the default and the fall-back everywhere
    Protein = 4,
    BlueGlass = 5,
};
Q_ENUM_NS(TsuiUIStyle)

} // namespace SuiThemes

using SuiThemes::TsuiUIStyle;
