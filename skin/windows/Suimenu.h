// Drawing helpers shared by the themed menus: frames, fills, separator lines, the MacOS pictures,
// the flat window border and the platform's menu font.
#pragma once

#include "framework/TColor.h"
#include "framework/TMenuItem.h"

#include <QRect>

class QFont;
class QPainter;

// Installs the measure and draw handlers on the item and on every item below it.
void Menu_SetItemEvent(TMenuItem* item,
    const decltype(TMenuItem::OnMeasureItem)::Handler& onMeasure,
    const decltype(TMenuItem::OnDrawItem)::Handler& onDraw);

// A one-pixel frame just inside the rectangle.
void Menu_DrawBorder(QPainter& canvas, const QRect& r, TColor color);
void Menu_DrawBackGround(QPainter& canvas, const QRect& r, TColor color);
// The separator line: one pixel high at r's top + 2, from r's left + barWidth + 4 up to (not
// including) r's right - 2, whatever the item's height.
void Menu_DrawLineItem(QPainter& canvas, const QRect& r, TColor color, int barWidth);

// The MacOS pictures, stretched over r: a separator ("MACOS_MENU_BAR", top 12 rows), a
// highlighted item ("MACOS_MENU_SELECT", top 20 rows) and a plain item ("MACOS_MENU_BAR",
// top 20 rows).
void Menu_DrawMacOSLineItem(QPainter& canvas, const QRect& r);
void Menu_DrawMacOSSelectedItem(QPainter& canvas, const QRect& r);
void Menu_DrawMacOSNonSelectedItem(QPainter& canvas, const QRect& r);

// The flat border of a drop-down whose whole window is `window` in the canvas's coordinates: a
// frame in color1 inset one row from the top and one column from the right and bottom, a white
// frame inside it, and a line in color2 along the top, right and bottom edges.
void Menu_DrawWindowBorder(QPainter& canvas, const QRect& window, TColor color1, TColor color2);

// The platform's menu font and, when asked, the colour of menu text. Always succeeds here.
bool Menu_GetSystemFont(QFont& font, TColor* color = nullptr);
