#include "skin/windows/SuiMenuDrawing.h"

#include "framework/FrameRect.h"
#include "framework/ImageList.h"
#include "framework/PainterStateGuard.h"
#include "framework/ShortCut.h"
#include "framework/TImageList.h"
#include "framework/TMenuItem.h"
#include "framework/TextDraw.h"
#include "skin/styles/Suiresdef.h"
#include "skin/windows/Suimenu.h"

#include <QFontMetrics>
#include <QPainter>

namespace {

constexpr TColor separatorGrey { 0x848284 };
constexpr TColor disabledGrey { 0x808080 };

} // namespace

SuiMenuDrawing::SuiMenuDrawing(QObject* menu)
    : m_theme(menu, [this] { applyStyle(); })
{
}

SuiMenuDrawing::~SuiMenuDrawing() = default;

void SuiMenuDrawing::applyStyle()
{
    m_barWidth = 26;
    if (UIStyle() == TsuiUIStyle::MacOS) {
        m_menuItemHeight = 20;
        m_separatorHeight = 12;
        m_separatorColor = clBlack;
    } else {
        m_menuItemHeight = 21;
        m_separatorHeight = 5;
        m_separatorColor = separatorGrey;
    }
    m_barColor = TColor(m_theme.color(SuiThemes::SuiItem::MenuBarColor));
    m_color = TColor(m_theme.color(SuiThemes::SuiItem::MenuBackgroundColor));
    m_fontColor = TColor(m_theme.color(SuiThemes::SuiItem::MenuFontColor));
    m_selectedBorderColor = TColor(m_theme.color(SuiThemes::SuiItem::MenuSelectedBorderColor));
    m_selectedColor = TColor(m_theme.color(SuiThemes::SuiItem::MenuSelectedBackgroundColor));
    m_selectedFontColor = TColor(m_theme.color(SuiThemes::SuiItem::MenuSelectedFontColor));
    lookChanged();
}

void SuiMenuDrawing::SetHeight(int height)
{
    if (UIStyle() == TsuiUIStyle::MacOS || m_menuItemHeight == height)
        return;
    m_menuItemHeight = height;
    lookChanged();
}

void SuiMenuDrawing::SetSeparatorHeight(int height)
{
    if (UIStyle() == TsuiUIStyle::MacOS || m_separatorHeight == height)
        return;
    m_separatorHeight = height;
    lookChanged();
}

// The plain writers share one shape: store when different, then show it.
#define SUI_MENU_WRITER(Name, Type, field)                                                         \
    void SuiMenuDrawing::Set##Name(Type value)                                                     \
    {                                                                                              \
        if (field == value)                                                                        \
            return;                                                                                \
        field = value;                                                                             \
        lookChanged();                                                                             \
    }

SUI_MENU_WRITER(BarWidth, int, m_barWidth)
SUI_MENU_WRITER(BarColor, TColor, m_barColor)
SUI_MENU_WRITER(Color, TColor, m_color)
SUI_MENU_WRITER(SeparatorColor, TColor, m_separatorColor)
SUI_MENU_WRITER(SelectedBorderColor, TColor, m_selectedBorderColor)
SUI_MENU_WRITER(SelectedColor, TColor, m_selectedColor)
SUI_MENU_WRITER(SelectedFontColor, TColor, m_selectedFontColor)
SUI_MENU_WRITER(FontColor, TColor, m_fontColor)
SUI_MENU_WRITER(BorderColor, TColor, m_borderColor)
SUI_MENU_WRITER(FlatMenu, bool, m_flatMenu)
SUI_MENU_WRITER(FontName, const QString&, m_fontName)
SUI_MENU_WRITER(FontSize, int, m_fontSize)
SUI_MENU_WRITER(FontCharset, int, m_fontCharset)
SUI_MENU_WRITER(UseSystemFont, bool, m_useSystemFont)

#undef SUI_MENU_WRITER

QFont SuiMenuDrawing::ItemFont(bool bold) const
{
    QFont font;
    if (m_useSystemFont) {
        Menu_GetSystemFont(font);
    } else {
        font = QFont(m_fontName);
        // A size of 0 or less has no glyphs; such a menu keeps the framework's 8 points.
        font.setPointSize(m_fontSize > 0 ? m_fontSize : 8);
    }
    font.setBold(bold);
    return font;
}

TColor SuiMenuDrawing::TextColor(bool selected, bool enabled) const
{
    if (!enabled)
        return disabledGrey;
    return selected ? m_selectedFontColor : m_fontColor;
}

bool SuiMenuDrawing::hasImage(const TMenuItem* item) const
{
    const TImageList* images = itemImages();
    return images && item->ImageIndex() >= 0 && item->ImageIndex() < images->Count();
}

void SuiMenuDrawing::MeasureItem(TMenuItem* sender, QPainter& canvas, int& width, int& height) const
{
    if (!sender)
        return;
    height = sender->IsSeparator() ? m_separatorHeight : m_menuItemHeight;
    // Measured in the font the caption is drawn in, so a bold default item or a larger custom
    // font is never cut off at the right.
    const QFontMetrics metrics(ItemFont(sender->Default()), canvas.device());
    width = metrics.horizontalAdvance(sender->Caption())
        + metrics.horizontalAdvance(ShortCutToText(sender->ShortCut())) + m_barWidth + 40;
}

void SuiMenuDrawing::DrawItem(
    TMenuItem* sender, QPainter& canvas, const QRect& rect, bool selected) const
{
    if (!sender)
        return;
    PainterStateGuard guard(canvas);
    const bool mac = UIStyle() == TsuiUIStyle::MacOS;
    const int left = rect.x();
    const int top = rect.y();
    const int right = rect.x() + rect.width();
    const int bottom = rect.y() + rect.height();

    auto plainBackground = [&] {
        if (mac) {
            Menu_DrawMacOSNonSelectedItem(canvas, rect);
        } else if (m_barWidth > 0) {
            Menu_DrawBackGround(canvas, QRect(left, top, m_barWidth, rect.height()), m_barColor);
            Menu_DrawBackGround(canvas,
                QRect(left + m_barWidth, top, right - left - m_barWidth, rect.height()), m_color);
        } else {
            // Without a bar the item still needs its background, or the highlight it had a
            // moment ago would stay on screen.
            Menu_DrawBackGround(canvas, rect, m_color);
        }
    };

    if (sender->IsSeparator()) {
        if (mac) {
            Menu_DrawMacOSLineItem(canvas, rect);
        } else {
            plainBackground();
            Menu_DrawLineItem(canvas, rect, m_separatorColor, m_barWidth);
        }
        return;
    }

    const bool enabled = sender->Enabled();
    if (selected && enabled) {
        if (mac) {
            Menu_DrawMacOSSelectedItem(canvas, rect);
        } else {
            Menu_DrawBackGround(canvas, rect, m_selectedColor);
            Menu_DrawBorder(canvas, rect, m_selectedBorderColor);
        }
    } else {
        plainBackground();
    }

    canvas.setFont(ItemFont(sender->Default()));
    canvas.setBrush(Qt::NoBrush);
    canvas.setPen(TextColor(selected, enabled).toQColor());

    QRect caption(
        left + m_barWidth + 4, top + 4, right - (left + m_barWidth + 4), bottom - (top + 4));
    DrawText(canvas, sender->Caption(), caption, DT_SINGLELINE);

    const QString shortCut = ShortCutToText(sender->ShortCut());
    if (!shortCut.isEmpty()) {
        const int textWidth = canvas.fontMetrics().horizontalAdvance(shortCut);
        QRect at(right - textWidth - 16, top + 4, textWidth, bottom - (top + 4));
        DrawText(canvas, shortCut, at, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    }

    const bool image = hasImage(sender);
    const QPoint imageAt(left + 4, top + 3);
    if (sender->Checked()) {
        if (image) {
            Menu_DrawBorder(canvas, QRect(left + 2, top + 1, 19, 19), clBlack);
            Menu_DrawBackGround(canvas, QRect(left + 3, top + 2, 17, 17), m_selectedColor);
        } else {
            const qreal ratio = canvas.device() ? canvas.device()->devicePixelRatioF() : 1.0;
            (SkinPictureScale(ratio) == 2 ? denseCheckMarks() : checkMarks())
                .draw(canvas, imageAt, 0, enabled);
        }
    }
    if (image) {
        const QImage picture = itemImages()->image(sender->ImageIndex());
        if (enabled) {
            canvas.drawImage(imageAt, picture);
        } else {
            // The framework's greyed look, through a one-image list of the picture's size.
            ImageList greyed(picture.width(), picture.height());
            greyed.add(picture);
            greyed.draw(canvas, imageAt, 0, false);
        }
    }
}

void SuiMenuDrawing::DrawDropDownPanel(QPainter& canvas, const QRect& window, int frameWidth) const
{
    if (UIStyle() == TsuiUIStyle::MacOS) {
        // The plain item picture's top row, so the border rows continue the first item.
        const QImage picture = GetSkinResource(QStringLiteral("MACOS_MENU_BAR"));
        canvas.fillRect(
            window, picture.isNull() ? QColor(0xF4, 0xF4, 0xF4) : picture.pixelColor(0, 0));
        return;
    }
    canvas.fillRect(window, m_color.toQColor());
    if (m_barWidth > 0)
        canvas.fillRect(QRect(window.x(), window.y(), frameWidth + m_barWidth, window.height()),
            m_barColor.toQColor());
}

void SuiMenuDrawing::DrawDropDownFrame(QPainter& canvas, const QRect& window) const
{
    // One outline rule for every drop-down: a darker shade of the style's highlight frame (a
    // neutral grey for MacOS, whose highlight is a picture).
    const QColor outline = UIStyle() == TsuiUIStyle::MacOS
        ? QColor(0x8E, 0x8E, 0x8E)
        : m_selectedBorderColor.toQColor().darker(135);
    FrameRect(canvas, window, outline);
    if (m_flatMenu)
        Menu_DrawWindowBorder(canvas, window, clBlack,
            TColor(m_theme.color(SuiThemes::SuiItem::FormBackgroundColor)));
}

void LoadMenuCheckMark(ImageList& list, int scale)
{
    list.addMasked(GetSkinResource(QStringLiteral("MENU_CHECKED"), scale), qRgb(0xFF, 0xFF, 0xFF));
}

const ImageList& denseCheckMarks()
{
    // Menus keep their own 1x list; a dense screen draws this one in its place.
    static const ImageList list = [] {
        ImageList marks(16, 16);
        LoadMenuCheckMark(marks, 2);
        return marks;
    }();
    return list;
}
