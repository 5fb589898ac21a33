// The 42 theme items and the built-in value of every item in every style.
#pragma once

#include "skin/styles/SUIThemes.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace SuiThemes {

inline constexpr int SUI_THEME_ITEM_COUNT = 42;
inline constexpr int SUI_BUILTIN_STYLE_COUNT = 5; // MacOS .. BlueGlass

struct TsuiThemeItem {
    int index; // 1-based; there is no item 0
    std::string_view key;
    TsuiType kind;
};

// One built-in value: a number (integer, 0x00BBGGRR colour, 0/1 flag) or a resource name.
struct TsuiBuiltinValue {
    int32_t number = 0;
    std::string_view image;
};

namespace detail {
// Colours are written #RRGGBB here but stored red-low, as the drawing layer and theme files use
// them.
constexpr TsuiBuiltinValue rgb(uint32_t rrggbb)
{
    return { int32_t(((rrggbb & 0xFF) << 16) | (rrggbb & 0xFF00) | ((rrggbb >> 16) & 0xFF)), {} };
}
constexpr TsuiBuiltinValue num(int32_t v)
{
    return { v, {} };
}
constexpr TsuiBuiltinValue img(std::string_view name)
{
    return { 0, name };
}
using Row = std::array<TsuiBuiltinValue, SUI_BUILTIN_STYLE_COUNT>;
} // namespace detail

// Item names for callers, so code reads SuiItem::ButtonImage rather than 1.
namespace SuiItem {
inline constexpr int ButtonImage
    = 1,
    ButtonTransparentBool = 2, CheckBoxImage = 3, RadioButtonImage = 4, TitleBarButtonImage = 5,
    TitleBarButtonTransparentBool = 6, TitleBarButtonLeftOffsetInt = 7,
    TitleBarButtonRightOffsetInt = 8, TitleBarButtonTopInt = 9, TitleBarLeftImage = 10,
    TitleBarClientImage = 11, TitleBarRightImage = 12, FormMinWidthInt = 13,
    FormRoundCornerInt = 14, FormBackgroundColor = 15, FormBorderColor = 16,
    FormBorderWidthInt = 17, MenuSelectedBorderColor = 18, MenuSelectedBackgroundColor = 19,
    MenuSelectedFontColor = 20, MenuBackgroundColor = 21, MenuFontColor = 22, MenuBarColor = 23,
    ProgressBarImage = 24, ControlBorderColor = 25, ControlBackgroundColor = 26,
    ControlFontColor = 27, TrackBarBarImage = 28, TrackBarSliderImage = 29,
    TrackBarSliderVImage = 30, ScrollBarBackgroundColor = 31, ScrollBarButtonImage = 32,
    ScrollBarSliderImage = 33, CheckListBoxImage = 34, ToolBarButtonBorderColor = 35,
    ToolBarButtonBackgroundColor = 36, ToolBarButtonDownBackgroundColor = 37,
    ScrollButtonImage = 38, TabControlTabImage = 39, TabControlBarImage = 40,
    SideChannelHandleImage = 41, SideChannelBarImage = 42;
} // namespace SuiItem

// Keys are what a theme file stores an item under; the order is the index.
inline constexpr std::array<TsuiThemeItem, SUI_THEME_ITEM_COUNT> kThemeItems { {
    { 1, "ButtonImage", TsuiType::Str },
    { 2, "ButtonTransparentBool", TsuiType::Bool },
    { 3, "CheckBoxImage", TsuiType::Str },
    { 4, "RadioButtonImage", TsuiType::Str },
    { 5, "TitleBarButtonImage", TsuiType::Str },
    { 6, "TitleBarButtonTransparentBool", TsuiType::Bool },
    { 7, "TitleBarButtonLeftOffsetInt", TsuiType::Int },
    { 8, "TitleBarButtonRightOffsetInt", TsuiType::Int },
    { 9, "TitleBarButtonTopInt", TsuiType::Int },
    { 10, "TitleBarLeftImage", TsuiType::Str },
    { 11, "TitleBarClientImage", TsuiType::Str },
    { 12, "TitleBarRightImage", TsuiType::Str },
    { 13, "FormMinWidthInt", TsuiType::Int },
    { 14, "FormRoundCornerInt", TsuiType::Int },
    { 15, "FormBackgroundColor", TsuiType::Color },
    { 16, "FormBorderColor", TsuiType::Color },
    { 17, "FormBorderWidthInt", TsuiType::Int },
    { 18, "MenuSelectedBorderColor", TsuiType::Color },
    { 19, "MenuSelectedBackgroundColor", TsuiType::Color },
    { 20, "MenuSelectedFontColor", TsuiType::Color },
    { 21, "MenuBackgroundColor", TsuiType::Color },
    { 22, "MenuFontColor", TsuiType::Color },
    { 23, "MenuBarColor", TsuiType::Color },
    { 24, "ProgressBarImage", TsuiType::Str },
    { 25, "ControlBorderColor", TsuiType::Color },
    { 26, "ControlBackgroundColor", TsuiType::Color },
    { 27, "ControlFontColor", TsuiType::Color },
    { 28, "TrackBarBarImage", TsuiType::Str },
    { 29, "TrackBarSliderImage", TsuiType::Str },
    { 30, "TrackBarSliderVImage", TsuiType::Str },
    { 31, "ScrollBarBackgroundColor", TsuiType::Color },
    { 32, "ScrollBarButtonImage", TsuiType::Str },
    { 33, "ScrollBarSliderImage", TsuiType::Str },
    { 34, "CheckListBoxImage", TsuiType::Str },
    { 35, "ToolBarButtonBorderColor", TsuiType::Color },
    { 36, "ToolBarButtonBackgroundColor", TsuiType::Color },
    { 37, "ToolBarButtonDownBackgroundColor", TsuiType::Color },
    { 38, "ScrollButtonImage", TsuiType::Str },
    { 39, "TabControlTabImage", TsuiType::Str },
    { 40, "TabControlBarImage", TsuiType::Str },
    { 41, "SideChannelHandleImage", TsuiType::Str },
    { 42, "SideChannelBarImage", TsuiType::Str },
} };

// One row per item, columns MacOS, WinXP, DeepBlue, Protein, BlueGlass.
inline constexpr std::array<detail::Row, SUI_THEME_ITEM_COUNT> kBuiltinValues { {
    // clang-format off
    { detail::img("MACOS_BUTTON"), detail::img("WINXP_BUTTON"), detail::img("DEEPBLUE_BUTTON"), detail::img("PROTEIN_BUTTON"), detail::img("BLUEGLASS_BUTTON") },
    { detail::num(1), detail::num(0), detail::num(0), detail::num(0), detail::num(1) },
    { detail::img("MACOS_CHECKBOX"), detail::img("WINXP_CHECKBOX"), detail::img("DEEPBLUE_CHECKBOX"), detail::img("PROTEIN_CHECKBOX"), detail::img("BLUEGLASS_CHECKBOX") },
    { detail::img("MACOS_RADIOBUTTON"), detail::img("WINXP_RADIOBUTTON"), detail::img("DEEPBLUE_RADIOBUTTON"), detail::img("PROTEIN_RADIOBUTTON"), detail::img("BLUEGLASS_RADIOBUTTON") },
    { detail::img("MACOS_TITLEBTN"), detail::img("WINXP_TITLEBTN"), detail::img("DEEPBLUE_TITLEBTN"), detail::img("PROTEIN_TITLEBTN"), detail::img("BLUEGLASS_TITLEBTN") },
    { detail::num(0), detail::num(0), detail::num(0), detail::num(1), detail::num(1) },
    { detail::num(3), detail::num(2), detail::num(0), detail::num(0), detail::num(4) },
    { detail::num(-2), detail::num(-2), detail::num(0), detail::num(0), detail::num(-3) },
    { detail::num(4), detail::num(5), detail::num(2), detail::num(2), detail::num(6) },
    { detail::img("MACOS_TITLE_LEFT"), detail::img("WINXP_TITLE_LEFT"), detail::img("DEEPBLUE_TITLE_LEFT"), detail::img("PROTEIN_TITLE_LEFT"), detail::img("BLUEGLASS_TITLE_LEFT") },
    { detail::img("MACOS_TITLE_CLIENT"), detail::img("WINXP_TITLE_CLIENT"), detail::img("DEEPBLUE_TITLE_CLIENT"), detail::img("PROTEIN_TITLE_CLIENT"), detail::img("BLUEGLASS_TITLE_CLIENT") },
    { detail::img("MACOS_TITLE_RIGHT"), detail::img("WINXP_TITLE_RIGHT"), detail::img("DEEPBLUE_TITLE_RIGHT"), detail::img("PROTEIN_TITLE_RIGHT"), detail::img("BLUEGLASS_TITLE_RIGHT") },
    { detail::num(130), detail::num(150), detail::num(130), detail::num(130), detail::num(270) },
    { detail::num(0), detail::num(13), detail::num(0), detail::num(0), detail::num(11) },
    { detail::rgb(0xE7E7E7), detail::rgb(0xEFEBDE), detail::rgb(0xE8E8E8), detail::rgb(0xFBFBFB), detail::rgb(0xE7E7E7) },
    { detail::rgb(0x7F7F7F), detail::rgb(0x002CC8), detail::rgb(0x000000), detail::rgb(0x000000), detail::rgb(0x000000) },
    { detail::num(1), detail::num(3), detail::num(1), detail::num(1), detail::num(1) },
    { detail::rgb(0x3973C4), detail::rgb(0x3169C6), detail::rgb(0x444AA0), detail::rgb(0x2D30C4), detail::rgb(0x5E5EEC) },
    { detail::rgb(0x3973C4), detail::rgb(0xC6D3EF), detail::rgb(0x444AA0), detail::rgb(0x2D30C4), detail::rgb(0x5E5EEC) },
    { detail::rgb(0xFFFFFF), detail::rgb(0x000000), detail::rgb(0xFFFFFF), detail::rgb(0xFFFFFF), detail::rgb(0xFFFFFF) },
    // MacOS paints its menus from bitmaps, so its menu background and bar colours are never drawn.
    { detail::rgb(0x000000), detail::rgb(0xFFFFFF), detail::rgb(0xFFFFFF), detail::rgb(0xFFFFFF), detail::rgb(0xE7E7E7) },
    { detail::rgb(0x000000), detail::rgb(0x000000), detail::rgb(0x000000), detail::rgb(0x000000), detail::rgb(0x000000) },
    { detail::rgb(0x000000), detail::rgb(0xD6D3CE), detail::rgb(0xD6D3CE), detail::rgb(0xD6D3CE), detail::rgb(0xD6D3CE) },
    { detail::img("MACOS_PROGRESSBAR"), detail::img("WINXP_PROGRESSBAR"), detail::img("DEEPBLUE_PROGRESSBAR"), detail::img("PROTEIN_PROGRESSBAR"), detail::img("BLUEGLASS_PROGRESSBAR") },
    { detail::rgb(0x7F7F7F), detail::rgb(0x686868), detail::rgb(0x000000), detail::rgb(0x000000), detail::rgb(0x000000) },
    { detail::rgb(0xE7E7E7), detail::rgb(0xEFEBDE), detail::rgb(0xE8E8E8), detail::rgb(0xFBFBFB), detail::rgb(0xE7E7E7) },
    { detail::rgb(0x000000), detail::rgb(0x0246CF), detail::rgb(0x000000), detail::rgb(0x000000), detail::rgb(0x000000) },
    { detail::img("MACOS_TRACKBAR_BAR"), detail::img("WINXP_TRACKBAR_BAR"), detail::img("DEEPBLUE_TRACKBAR_BAR"), detail::img("PROTEIN_TRACKBAR_BAR"), detail::img("BLUEGLASS_TRACKBAR_BAR") },
    { detail::img("MACOS_TRACKBAR_SLIDER"), detail::img("WINXP_TRACKBAR_SLIDER"), detail::img("DEEPBLUE_TRACKBAR_SLIDER"), detail::img("PROTEIN_TRACKBAR_SLIDER"), detail::img("BLUEGLASS_TRACKBAR_SLIDER") },
    { detail::img("MACOS_TRACKBAR_SLIDER_V"), detail::img("WINXP_TRACKBAR_SLIDER_V"), detail::img("DEEPBLUE_TRACKBAR_SLIDER_V"), detail::img("PROTEIN_TRACKBAR_SLIDER_V"), detail::img("BLUEGLASS_TRACKBAR_SLIDER_V") },
    { detail::rgb(0xC9C9C9), detail::rgb(0xF9F9F9), detail::rgb(0xF5F5F5), detail::rgb(0xF5F5F5), detail::rgb(0xF4F4F4) },
    { detail::img("MACOS_SCROLLBAR_BUTTON"), detail::img("WINXP_SCROLLBAR_BUTTON"), detail::img("DEEPBLUE_SCROLLBAR_BUTTON"), detail::img("PROTEIN_SCROLLBAR_BUTTON"), detail::img("BLUEGLASS_SCROLLBAR_BUTTON") },
    { detail::img("MACOS_SCROLLBAR_TRACK"), detail::img("WINXP_SCROLLBAR_TRACK"), detail::img("DEEPBLUE_SCROLLBAR_TRACK"), detail::img("PROTEIN_SCROLLBAR_TRACK"), detail::img("BLUEGLASS_SCROLLBAR_TRACK") },
    { detail::img("MACOS_CHECKLIST"), detail::img("WINXP_CHECKLIST"), detail::img("DEEPBLUE_CHECKLIST"), detail::img("PROTEIN_CHECKLIST"), detail::img("BLUEGLASS_CHECKLIST") },
    { detail::rgb(0x474747), detail::rgb(0x3169C6), detail::rgb(0x474747), detail::rgb(0x474747), detail::rgb(0x474747) },
    { detail::rgb(0xEFEFEF), detail::rgb(0xC6D3EF), detail::rgb(0xEFEFEF), detail::rgb(0xEFEFEF), detail::rgb(0xEFEFEF) },
    { detail::rgb(0xD8D8D8), detail::rgb(0x93ACE1), detail::rgb(0xD8D8D8), detail::rgb(0xD8D8D8), detail::rgb(0xD8D8D8) },
    // Three styles share one picture here.
    { detail::img("MACOS_SCROLLBUTTON"), detail::img("WINXP_SCROLLBUTTON"), detail::img("MORE_SCROLLBUTTON"), detail::img("MORE_SCROLLBUTTON"), detail::img("MORE_SCROLLBUTTON") },
    { detail::img("MACOS_TAB"), detail::img("WINXP_TAB"), detail::img("DEEPBLUE_TAB"), detail::img("PROTEIN_TAB"), detail::img("BLUEGLASS_TAB") },
    { detail::img("MACOS_TAB_LINE"), detail::img("WINXP_TAB_LINE"), detail::img("DEEPBLUE_TAB_LINE"), detail::img("PROTEIN_TAB_LINE"), detail::img("BLUEGLASS_TAB_LINE") },
    // "CHENNEL" is how the resources are named; the keys spell "Channel".
    { detail::img("MACOS_SIDECHENNEL_HANDLE"), detail::img("WINXP_SIDECHENNEL_HANDLE"), detail::img("DEEPBLUE_SIDECHENNEL_HANDLE"), detail::img("PROTEIN_SIDECHENNEL_HANDLE"), detail::img("BLUEGLASS_SIDECHENNEL_HANDLE") },
    { detail::img("MACOS_SIDECHENNEL_BAR"), detail::img("WINXP_SIDECHENNEL_BAR"), detail::img("DEEPBLUE_SIDECHENNEL_BAR"), detail::img("PROTEIN_SIDECHENNEL_BAR"), detail::img("BLUEGLASS_SIDECHENNEL_BAR") },
    // clang-format on
} };

// The key of item `index`, or an empty view outside 1..42.
constexpr std::string_view ThemeItemKey(int index)
{
    return index >= 1 && index <= SUI_THEME_ITEM_COUNT ? kThemeItems[index - 1].key
                                                       : std::string_view {};
}

// The index whose key is `key` (exact, case-sensitive), or 0 when none is.
constexpr int ThemeItemIndex(std::string_view key)
{
    for (const auto& item : kThemeItems)
        if (item.key == key)
            return item.index;
    return 0;
}

} // namespace SuiThemes
