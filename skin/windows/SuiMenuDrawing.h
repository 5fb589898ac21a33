// The drawing fields and item drawing shared by TsuiMainMenu and TsuiPopupMenu. Both classes
// derive from it next to their framework menu and publish its accessors as their properties.
#pragma once

#include "framework/TColor.h"
#include "skin/styles/SuiThemedControl.h"

#include <QFont>
#include <QRect>
#include <QString>

class ImageList;
class QPainter;
class TImageList;
class TMenuItem;

// The published drawing properties of both themed menus, in their stored order.
#define SUI_MENU_DRAWING_PROPERTIES                                                                \
    Q_PROPERTY(bool OwnerDraw READ OwnerDraw WRITE SetOwnerDraw)                                   \
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)                         \
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)                       \
    Q_PROPERTY(int MenuItemHeight READ MenuItemHeight WRITE SetHeight)                             \
    Q_PROPERTY(int SeparatorHeight READ SeparatorHeight WRITE SetSeparatorHeight)                  \
    Q_PROPERTY(int BarWidth READ BarWidth WRITE SetBarWidth)                                       \
    Q_PROPERTY(TColor BarColor READ BarColor WRITE SetBarColor)                                    \
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)                                             \
    Q_PROPERTY(TColor SeparatorColor READ SeparatorColor WRITE SetSeparatorColor)                  \
    Q_PROPERTY(TColor SelectedBorderColor READ SelectedBorderColor WRITE SetSelectedBorderColor)   \
    Q_PROPERTY(TColor SelectedColor READ SelectedColor WRITE SetSelectedColor)                     \
    Q_PROPERTY(TColor SelectedFontColor READ SelectedFontColor WRITE SetSelectedFontColor)         \
    Q_PROPERTY(TColor FontColor READ FontColor WRITE SetFontColor)                                 \
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)                           \
    Q_PROPERTY(bool FlatMenu READ FlatMenu WRITE SetFlatMenu)                                      \
    Q_PROPERTY(QString FontName READ FontName WRITE SetFontName)                                   \
    Q_PROPERTY(int FontSize READ FontSize WRITE SetFontSize)                                       \
    Q_PROPERTY(int FontCharset READ FontCharset WRITE SetFontCharset)                              \
    Q_PROPERTY(bool UseSystemFont READ UseSystemFont WRITE SetUseSystemFont)

class SuiMenuDrawing {
public:
    // `menu` is the component (for the themed-control pattern); the derived constructor ends
    // with initStyle() so the style of the owner's frame is applied once everything exists.
    explicit SuiMenuDrawing(QObject* menu);
    virtual ~SuiMenuDrawing();
    SuiMenuDrawing(const SuiMenuDrawing&) = delete;
    SuiMenuDrawing& operator=(const SuiMenuDrawing&) = delete;

    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }

    // Every item is owner-drawn: reads true, writes are ignored.
    bool OwnerDraw() const { return true; }
    void SetOwnerDraw(bool) { }

    int MenuItemHeight() const { return m_menuItemHeight; }
    // The MacOS pictures have fixed heights, so both heights keep their values in that style.
    void SetHeight(int height);
    int SeparatorHeight() const { return m_separatorHeight; }
    void SetSeparatorHeight(int height);
    int BarWidth() const { return m_barWidth; }
    void SetBarWidth(int width);
    TColor BarColor() const { return m_barColor; }
    void SetBarColor(TColor color);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TColor SeparatorColor() const { return m_separatorColor; }
    void SetSeparatorColor(TColor color);
    TColor SelectedBorderColor() const { return m_selectedBorderColor; }
    void SetSelectedBorderColor(TColor color);
    TColor SelectedColor() const { return m_selectedColor; }
    void SetSelectedColor(TColor color);
    TColor SelectedFontColor() const { return m_selectedFontColor; }
    void SetSelectedFontColor(TColor color);
    TColor FontColor() const { return m_fontColor; }
    void SetFontColor(TColor color);
    // Stored and written back; the flat border is black whatever it holds.
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    bool FlatMenu() const { return m_flatMenu; }
    void SetFlatMenu(bool flat);
    QString FontName() const { return m_fontName; }
    void SetFontName(const QString& name);
    int FontSize() const { return m_fontSize; }
    void SetFontSize(int points);
    // Kept for the descriptions; Qt chooses glyphs by the text itself.
    int FontCharset() const { return m_fontCharset; }
    void SetFontCharset(int charset);
    bool UseSystemFont() const { return m_useSystemFont; }
    void SetUseSystemFont(bool use);

    // The per-item handlers every item of the menu gets (Menu_SetItemEvent). Measuring gives the
    // item's height and the width the caption, the shortcut text and the bar need.
    void MeasureItem(TMenuItem* sender, QPainter& canvas, int& width, int& height) const;
    void DrawItem(TMenuItem* sender, QPainter& canvas, const QRect& rect, bool selected) const;

    // The font captions are drawn in (bold for the default item) and the font of a menu bar
    // showing this menu: the platform's menu font, or FontName, FontSize.
    QFont ItemFont(bool bold = false) const;

    // The drop-down around the items: its background under the items and the bar column, and
    // its frame (with the flat border when FlatMenu) in the `frameWidth` pixels at its edges.
    void DrawDropDownPanel(QPainter& canvas, const QRect& window, int frameWidth) const;
    void DrawDropDownFrame(QPainter& canvas, const QRect& window) const;
    // The colour that reads on the panel where no item is drawn (scroll arrows, submenu arrows).
    TColor TextColor(bool selected, bool enabled) const;

    // Where the items come from (file theme or the effective built-in style).
    const SuiThemedControl& theme() const { return m_theme; }

protected:
    void initStyle(QObject* owner) { m_theme.initFromOwner(owner); }
    // The image list and check mark the items are drawn with.
    virtual TImageList* itemImages() const = 0;
    virtual const ImageList& checkMarks() const = 0;
    // A field changed: repaint what shows the menu.
    virtual void lookChanged() = 0;

private:
    void applyStyle();
    bool hasImage(const TMenuItem* item) const;

    SuiThemedControl m_theme;
    int m_menuItemHeight = 21;
    int m_separatorHeight = 21;
    int m_barWidth = 0;
    TColor m_barColor = clBtnFace;
    TColor m_color = clWhite;
    TColor m_separatorColor = clGray;
    TColor m_selectedBorderColor = clHighlight;
    TColor m_selectedColor = clHighlight;
    TColor m_selectedFontColor = clWhite;
    TColor m_fontColor = clWhite;
    TColor m_borderColor = clBlack;
    bool m_flatMenu = false;
    QString m_fontName = QStringLiteral("MS Sans Serif");
    int m_fontSize = 8;
    int m_fontCharset = 1; // the default character set
    bool m_useSystemFont = true;
};

// The check mark the themed menus draw: "MENU_CHECKED" with white as its mask (at `scale` 2 the
// picture drawn at twice the size, the same 16 x 16 logical pixels).
void LoadMenuCheckMark(ImageList& list, int scale = 1);
// The check mark list drawn on dense screens (device pixel ratio 2 or more), shared by all menus.
const ImageList& denseCheckMarks();
