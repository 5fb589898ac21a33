#include "skin/windows/Suimenu.h"

#include "framework/BitmapOps.h"
#include "framework/FrameRect.h"
#include "skin/styles/SUIThemes.h"

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <vector>

namespace {

// The picture's top `rows` rows (fewer when it is shorter) stretched over r; nothing when the
// picture is missing.
void drawPictureTop(QPainter& canvas, const QRect& r, const char* name, int rows)
{
    const qreal ratio = canvas.device() ? canvas.device()->devicePixelRatioF() : 1.0;
    const QImage picture = GetSkinResource(QString::fromLatin1(name), SkinPictureScale(ratio));
    if (picture.isNull() || r.isEmpty())
        return;
    // `rows` logical rows, in the picture's own pixels.
    const int scale = BitmapOps::pictureScale(picture);
    const QRect source(0, 0, picture.width(), std::min(rows * scale, picture.height()));
    BitmapOps::drawStretched(canvas, r, picture, source);
}

} // namespace

void Menu_SetItemEvent(TMenuItem* item,
    const decltype(TMenuItem::OnMeasureItem)::Handler& onMeasure,
    const decltype(TMenuItem::OnDrawItem)::Handler& onDraw)
{
    // A work list rather than recursion: submenus may nest deeper than a stack likes.
    std::vector<TMenuItem*> pending { item };
    while (!pending.empty()) {
        TMenuItem* next = pending.back();
        pending.pop_back();
        if (!next)
            continue;
        next->OnMeasureItem = onMeasure;
        next->OnDrawItem = onDraw;
        for (TMenuItem* sub : next->Items())
            pending.push_back(sub);
    }
}

void Menu_DrawBorder(QPainter& canvas, const QRect& r, TColor color)
{
    FrameRect(canvas, r, color.toQColor());
}

void Menu_DrawBackGround(QPainter& canvas, const QRect& r, TColor color)
{
    canvas.fillRect(r, color.toQColor());
}

void Menu_DrawLineItem(QPainter& canvas, const QRect& r, TColor color, int barWidth)
{
    const int from = r.x() + barWidth + 4;
    const int to = r.x() + r.width() - 2; // not drawn, as a line's end point never is
    if (to > from)
        canvas.fillRect(QRect(from, r.y() + 2, to - from, 1), color.toQColor());
}

void Menu_DrawMacOSLineItem(QPainter& canvas, const QRect& r)
{
    drawPictureTop(canvas, r, "MACOS_MENU_BAR", 12);
}

void Menu_DrawMacOSSelectedItem(QPainter& canvas, const QRect& r)
{
    drawPictureTop(canvas, r, "MACOS_MENU_SELECT", 20);
}

void Menu_DrawMacOSNonSelectedItem(QPainter& canvas, const QRect& r)
{
    drawPictureTop(canvas, r, "MACOS_MENU_BAR", 20);
}

void Menu_DrawWindowBorder(QPainter& canvas, const QRect& window, TColor color1, TColor color2)
{
    const int l = window.x();
    const int t = window.y();
    const int r = window.x() + window.width();
    const int b = window.y() + window.height();
    if (r - l < 3 || b - t < 3)
        return;
    FrameRect(canvas, QRect(l, t + 1, r - 1 - l, b - 1 - (t + 1)), color1.toQColor());
    FrameRect(canvas, QRect(l + 1, t + 2, r - 2 - (l + 1), b - 2 - (t + 2)), Qt::white);
    // The polyline bottom-left -> bottom-right -> top-right -> top-left, each segment without its
    // end point: the bottom row stops short of the right column, the top row of the left one.
    const QColor line = color2.toQColor();
    canvas.fillRect(QRect(l, b - 1, r - 1 - l, 1), line);
    canvas.fillRect(QRect(r - 1, t, 1, b - t), line);
    canvas.fillRect(QRect(l + 1, t, r - 1 - (l + 1), 1), line);
}

bool Menu_GetSystemFont(QFont& font, TColor* color)
{
    font = QApplication::font("QMenu");
    if (color)
        *color = clMenuText;
    return true;
}
