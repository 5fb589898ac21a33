// Caption button kinds and section alignments of the title bar, shared by the frames and the
// window settings.
#pragma once

#include <QObject>
#include <cstdint>

namespace SuiTitleBarTypes {
Q_NAMESPACE

enum class TsuiTitleBarBtnType : uint8_t {
    suiMax = 0,
    suiMin = 1,
    suiClose = 2,
    suiHelp = 3,
    suiControlBox = 4,
    suiCustom = 5,
};
Q_ENUM_NS(TsuiTitleBarBtnType)

enum class TsuiTitleBarAlign : uint8_t {
    suiLeft = 0,
    suiRight = 1,
    suiClient = 2,
};
Q_ENUM_NS(TsuiTitleBarAlign)

} // namespace SuiTitleBarTypes

using SuiTitleBarTypes::TsuiTitleBarAlign;
using SuiTitleBarTypes::TsuiTitleBarBtnType;
