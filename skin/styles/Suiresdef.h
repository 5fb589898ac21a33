// The 42 theme items: one labelled row each (index, key, kind, built-in value per style).
// The lookups, the theme tool and the picture generator all read this table.
#pragma once

#include "skin/styles/SUIThemes.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace SuiThemes {

inline constexpr int SUI_THEME_ITEM_COUNT = 42;
inline constexpr int SUI_BUILTIN_STYLE_COUNT = 5; // MacOS .. BlueGlass

// One built-in value: a number (integer, 0x00BBGGRR colour, 0/1 flag) or a resource name.
struct TsuiBuiltinValue {
    int32_t number = 0;
    std::string_view image;
};

// Columns MacOS, WinXP, DeepBlue, Protein, BlueGlass: the style's value minus one.
using TsuiBuiltinRow = std::array<TsuiBuiltinValue, SUI_BUILTIN_STYLE_COUNT>;

struct TsuiThemeItem {
    int index; // 1-based; there is no item 0
    std::string_view key; // what a theme file stores the item under
    TsuiType kind;
    TsuiBuiltinRow builtin;
};

namespace detail {
// Each row is made by the function of its kind, so a value can only be of the row's kind.
template <typename T> using PerStyle = std::array<T, SUI_BUILTIN_STYLE_COUNT>;

constexpr TsuiThemeItem image(int index, std::string_view key, PerStyle<std::string_view> names)
{
    TsuiThemeItem item { index, key, TsuiType::Str, {} };
    for (size_t s = 0; s < names.size(); ++s)
        item.builtin[s].image = names[s];
    return item;
}
// Written #RRGGBB as people read colours, stored red-low as the drawing layer and theme files
// use them.
constexpr TsuiThemeItem color(int index, std::string_view key, PerStyle<uint32_t> rrggbb)
{
    TsuiThemeItem item { index, key, TsuiType::Color, {} };
    for (size_t s = 0; s < rrggbb.size(); ++s) {
        const uint32_t c = rrggbb[s];
        item.builtin[s].number = int32_t(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF));
    }
    return item;
}
constexpr TsuiThemeItem integer(int index, std::string_view key, PerStyle<int32_t> values)
{
    TsuiThemeItem item { index, key, TsuiType::Int, {} };
    for (size_t s = 0; s < values.size(); ++s)
        item.builtin[s].number = values[s];
    return item;
}
constexpr TsuiThemeItem flag(int index, std::string_view key, PerStyle<bool> values)
{
    TsuiThemeItem item { index, key, TsuiType::Bool, {} };
    for (size_t s = 0; s < values.size(); ++s)
        item.builtin[s].number = values[s] ? 1 : 0;
    return item;
}
} // namespace detail

// The order is the index. Style columns: MacOS, WinXP, DeepBlue, Protein, BlueGlass.
inline constexpr std::array<TsuiThemeItem, SUI_THEME_ITEM_COUNT> kThemeItems { {
    // clang-format off
    detail::image(1, "ButtonImage", { "MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON", "PROTEIN_BUTTON", "BLUEGLASS_BUTTON" }),
    detail::flag(2, "ButtonTransparentBool", { true, false, false, false, true }),
    detail::image(3, "CheckBoxImage", { "MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX", "PROTEIN_CHECKBOX", "BLUEGLASS_CHECKBOX" }),
    detail::image(4, "RadioButtonImage", { "MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON", "DEEPBLUE_RADIOBUTTON", "PROTEIN_RADIOBUTTON", "BLUEGLASS_RADIOBUTTON" }),
    detail::image(5, "TitleBarButtonImage", { "MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN", "PROTEIN_TITLEBTN", "BLUEGLASS_TITLEBTN" }),
    detail::flag(6, "TitleBarButtonTransparentBool", { false, false, false, true, true }),
    detail::integer(7, "TitleBarButtonLeftOffsetInt", { 3, 2, 0, 0, 4 }),
    detail::integer(8, "TitleBarButtonRightOffsetInt", { -2, -2, 0, 0, -3 }),
    detail::integer(9, "TitleBarButtonTopInt", { 4, 5, 2, 2, 6 }),
    detail::image(10, "TitleBarLeftImage", { "MACOS_TITLE_LEFT", "WINXP_TITLE_LEFT", "DEEPBLUE_TITLE_LEFT", "PROTEIN_TITLE_LEFT", "BLUEGLASS_TITLE_LEFT" }),
    detail::image(11, "TitleBarClientImage", { "MACOS_TITLE_CLIENT", "WINXP_TITLE_CLIENT", "DEEPBLUE_TITLE_CLIENT", "PROTEIN_TITLE_CLIENT", "BLUEGLASS_TITLE_CLIENT" }),
    detail::image(12, "TitleBarRightImage", { "MACOS_TITLE_RIGHT", "WINXP_TITLE_RIGHT", "DEEPBLUE_TITLE_RIGHT", "PROTEIN_TITLE_RIGHT", "BLUEGLASS_TITLE_RIGHT" }),
    detail::integer(13, "FormMinWidthInt", { 130, 150, 130, 130, 270 }),
    detail::integer(14, "FormRoundCornerInt", { 0, 13, 0, 0, 11 }),
    detail::color(15, "FormBackgroundColor", { 0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 }),
    detail::color(16, "FormBorderColor", { 0x7F7F7F, 0x002CC8, 0x000000, 0x000000, 0x000000 }),
    detail::integer(17, "FormBorderWidthInt", { 1, 3, 1, 1, 1 }),
    detail::color(18, "MenuSelectedBorderColor", { 0x3973C4, 0x3169C6, 0x444AA0, 0x2D30C4, 0x5E5EEC }),
    detail::color(19, "MenuSelectedBackgroundColor", { 0x3973C4, 0xC6D3EF, 0x444AA0, 0x2D30C4, 0x5E5EEC }),
    detail::color(20, "MenuSelectedFontColor", { 0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF }),
    // MacOS paints its menus from bitmaps, so its menu background and bar colours are never drawn.
    detail::color(21, "MenuBackgroundColor", { 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7 }),
    detail::color(22, "MenuFontColor", { 0x000000, 0x000000, 0x000000, 0x000000, 0x000000 }),
    detail::color(23, "MenuBarColor", { 0x000000, 0xD6D3CE, 0xD6D3CE, 0xD6D3CE, 0xD6D3CE }),
    detail::image(24, "ProgressBarImage", { "MACOS_PROGRESSBAR", "WINXP_PROGRESSBAR", "DEEPBLUE_PROGRESSBAR", "PROTEIN_PROGRESSBAR", "BLUEGLASS_PROGRESSBAR" }),
    detail::color(25, "ControlBorderColor", { 0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000 }),
    detail::color(26, "ControlBackgroundColor", { 0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7 }),
    detail::color(27, "ControlFontColor", { 0x000000, 0x0246CF, 0x000000, 0x000000, 0x000000 }),
    detail::image(28, "TrackBarBarImage", { "MACOS_TRACKBAR_BAR", "WINXP_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_BAR", "PROTEIN_TRACKBAR_BAR", "BLUEGLASS_TRACKBAR_BAR" }),
    detail::image(29, "TrackBarSliderImage", { "MACOS_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER", "DEEPBLUE_TRACKBAR_SLIDER", "PROTEIN_TRACKBAR_SLIDER", "BLUEGLASS_TRACKBAR_SLIDER" }),
    detail::image(30, "TrackBarSliderVImage", { "MACOS_TRACKBAR_SLIDER_V", "WINXP_TRACKBAR_SLIDER_V", "DEEPBLUE_TRACKBAR_SLIDER_V", "PROTEIN_TRACKBAR_SLIDER_V", "BLUEGLASS_TRACKBAR_SLIDER_V" }),
    detail::color(31, "ScrollBarBackgroundColor", { 0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4 }),
    detail::image(32, "ScrollBarButtonImage", { "MACOS_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_BUTTON", "DEEPBLUE_SCROLLBAR_BUTTON", "PROTEIN_SCROLLBAR_BUTTON", "BLUEGLASS_SCROLLBAR_BUTTON" }),
    detail::image(33, "ScrollBarSliderImage", { "MACOS_SCROLLBAR_TRACK", "WINXP_SCROLLBAR_TRACK", "DEEPBLUE_SCROLLBAR_TRACK", "PROTEIN_SCROLLBAR_TRACK", "BLUEGLASS_SCROLLBAR_TRACK" }),
    detail::image(34, "CheckListBoxImage", { "MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST", "PROTEIN_CHECKLIST", "BLUEGLASS_CHECKLIST" }),
    detail::color(35, "ToolBarButtonBorderColor", { 0x474747, 0x3169C6, 0x474747, 0x474747, 0x474747 }),
    detail::color(36, "ToolBarButtonBackgroundColor", { 0xEFEFEF, 0xC6D3EF, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF }),
    detail::color(37, "ToolBarButtonDownBackgroundColor", { 0xD8D8D8, 0x93ACE1, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8 }),
    // Three styles share one picture here.
    detail::image(38, "ScrollButtonImage", { "MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON" }),
    detail::image(39, "TabControlTabImage", { "MACOS_TAB", "WINXP_TAB", "DEEPBLUE_TAB", "PROTEIN_TAB", "BLUEGLASS_TAB" }),
    detail::image(40, "TabControlBarImage", { "MACOS_TAB_LINE", "WINXP_TAB_LINE", "DEEPBLUE_TAB_LINE", "PROTEIN_TAB_LINE", "BLUEGLASS_TAB_LINE" }),
    // "CHENNEL" is how the resources are named; the keys spell "Channel".
    detail::image(41, "SideChannelHandleImage", { "MACOS_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_HANDLE", "DEEPBLUE_SIDECHENNEL_HANDLE", "PROTEIN_SIDECHENNEL_HANDLE", "BLUEGLASS_SIDECHENNEL_HANDLE" }),
    detail::image(42, "SideChannelBarImage", { "MACOS_SIDECHENNEL_BAR", "WINXP_SIDECHENNEL_BAR", "DEEPBLUE_SIDECHENNEL_BAR", "PROTEIN_SIDECHENNEL_BAR", "BLUEGLASS_SIDECHENNEL_BAR" }),
    // clang-format on
} };

static_assert(
    [] {
        for (size_t i = 0; i < kThemeItems.size(); ++i)
            if (kThemeItems[i].index != int(i) + 1 || kThemeItems[i].key.empty())
                return false;
        return true;
    }(),
    "every row carries the index of its place");

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

// The row of `index` answering in `style`; null for FromThemeFile or outside 1..42.
constexpr const TsuiBuiltinValue* BuiltinValue(TsuiUIStyle style, int index)
{
    const int column = int(style) - 1;
    if (column < 0 || column >= SUI_BUILTIN_STYLE_COUNT || index < 1
        || index > SUI_THEME_ITEM_COUNT)
        return nullptr;
    return &kThemeItems[size_t(index - 1)].builtin[size_t(column)];
}

// The same values as rows of style columns, for callers that walk the table by position.
inline constexpr std::array<TsuiBuiltinRow, SUI_THEME_ITEM_COUNT> kBuiltinValues = [] {
    std::array<TsuiBuiltinRow, SUI_THEME_ITEM_COUNT> rows {};
    for (size_t i = 0; i < rows.size(); ++i)
        rows[i] = kThemeItems[i].builtin;
    return rows;
}();

namespace detail {
// A key that names no row stops the build instead of answering item 0.
consteval int itemNamed(std::string_view key)
{
    const int index = ThemeItemIndex(key);
    if (index == 0)
        throw "no theme item has this key";
    return index;
}
} // namespace detail

// Item names for callers, so code reads SuiItem::ButtonImage rather than 1; each is looked up
// from its row, so the numbers live only in the table.
namespace SuiItem {
#define SUI_ITEM(KEY) inline constexpr int KEY = detail::itemNamed(#KEY)
SUI_ITEM(ButtonImage);
SUI_ITEM(ButtonTransparentBool);
SUI_ITEM(CheckBoxImage);
SUI_ITEM(RadioButtonImage);
SUI_ITEM(TitleBarButtonImage);
SUI_ITEM(TitleBarButtonTransparentBool);
SUI_ITEM(TitleBarButtonLeftOffsetInt);
SUI_ITEM(TitleBarButtonRightOffsetInt);
SUI_ITEM(TitleBarButtonTopInt);
SUI_ITEM(TitleBarLeftImage);
SUI_ITEM(TitleBarClientImage);
SUI_ITEM(TitleBarRightImage);
SUI_ITEM(FormMinWidthInt);
SUI_ITEM(FormRoundCornerInt);
SUI_ITEM(FormBackgroundColor);
SUI_ITEM(FormBorderColor);
SUI_ITEM(FormBorderWidthInt);
SUI_ITEM(MenuSelectedBorderColor);
SUI_ITEM(MenuSelectedBackgroundColor);
SUI_ITEM(MenuSelectedFontColor);
SUI_ITEM(MenuBackgroundColor);
SUI_ITEM(MenuFontColor);
SUI_ITEM(MenuBarColor);
SUI_ITEM(ProgressBarImage);
SUI_ITEM(ControlBorderColor);
SUI_ITEM(ControlBackgroundColor);
SUI_ITEM(ControlFontColor);
SUI_ITEM(TrackBarBarImage);
SUI_ITEM(TrackBarSliderImage);
SUI_ITEM(TrackBarSliderVImage);
SUI_ITEM(ScrollBarBackgroundColor);
SUI_ITEM(ScrollBarButtonImage);
SUI_ITEM(ScrollBarSliderImage);
SUI_ITEM(CheckListBoxImage);
SUI_ITEM(ToolBarButtonBorderColor);
SUI_ITEM(ToolBarButtonBackgroundColor);
SUI_ITEM(ToolBarButtonDownBackgroundColor);
SUI_ITEM(ScrollButtonImage);
SUI_ITEM(TabControlTabImage);
SUI_ITEM(TabControlBarImage);
SUI_ITEM(SideChannelHandleImage);
SUI_ITEM(SideChannelBarImage);
#undef SUI_ITEM
} // namespace SuiItem

} // namespace SuiThemes
