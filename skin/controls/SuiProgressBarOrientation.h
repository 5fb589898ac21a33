// The direction the progress bar, the track bar and the scroll bar run in.
#pragma once

#include <QObject>
#include <cstdint>

namespace SuiBars {
Q_NAMESPACE

enum class TsuiProgressBarOrientation : uint8_t { suiHorizontal = 0, suiVertical = 1 };
Q_ENUM_NS(TsuiProgressBarOrientation)

} // namespace SuiBars

using SuiBars::TsuiProgressBarOrientation;
inline constexpr TsuiProgressBarOrientation suiHorizontal
    = TsuiProgressBarOrientation::suiHorizontal;
inline constexpr TsuiProgressBarOrientation suiVertical = TsuiProgressBarOrientation::suiVertical;
