// Pixel metrics of the title bar, shared by its style, layout and drawing.
#pragma once

namespace TitleBarMetrics {

// Picture rows and columns a frame covers itself: its 3-pixel band (4 on an MDI frame).
inline constexpr int kFrameBand = 3;
inline constexpr int kMDIFrameBand = 4;
// Room the control box leaves before the caption, and the application icon's cell.
inline constexpr int kControlBoxGap = 5;
inline constexpr int kAppIconSize = 16;
inline constexpr int kAppIconIndent = 3;
inline constexpr int kAppIconCell = 21;
// Where the caption starts when nothing stands at the left.
inline constexpr int kBareCaptionX = 6;

} // namespace TitleBarMetrics
