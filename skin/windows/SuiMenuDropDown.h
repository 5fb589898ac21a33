// The drop-down of a themed menu: a QMenu whose every item, frame and background our code draws.
//
// Why a QProxyStyle on a real QMenu rather than a popup of our own: QMenu already behaves as
// users expect of a menu (keyboard navigation, "&" mnemonics, submenus that open on hover and
// close with the pointer's movement, placement against the screen edges, scrolling when there
// are more items than fit, accessibility), and a style is the one place QMenu asks for every
// pixel and every size. The style is one hook: it maps each QStyleOptionMenuItem back to its
// TMenuItem and calls the item's OnMeasureItem and OnDrawItem with a painter, the item
// rectangle and the selected state, which the themed menu installed (MeasureItem, DrawItem).
#pragma once

#include <QHash>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>

class SuiMenuDrawing;
class TMenuItem;

class SuiMenuDropDown : public QMenu {
    Q_OBJECT
public:
    // Shows the items below `source` (a TMenuItem or a popup menu); re-read each time it opens.
    SuiMenuDropDown(const SuiMenuDrawing* look, QObject* source, QWidget* parent = nullptr);

    const SuiMenuDrawing* look() const { return m_look; }
    QObject* source() const { return m_source.data(); }
    TMenuItem* itemOf(const QAction* action) const;

    // Rebuilds the actions from the source's items now (opening does it as well).
    void rebuild();

    // The drop-down's own border, where the flat border is drawn.
    static constexpr int FrameWidth = 3;

protected:
    // Hands the style the action each option is made for, so it can find the item.
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;

private:
    const SuiMenuDrawing* m_look;
    QPointer<QObject> m_source;
    QHash<const QAction*, QPointer<TMenuItem>> m_items;
};

// Repaints the drop-down and its submenus that are on screen, after the menu's look changed.
void RepaintOpenDropDowns(SuiMenuDropDown* dropDown);

// The style of every themed drop-down; it keeps no state, the drop-down tells it what to draw.
class SuiMenuStyle : public QProxyStyle {
    Q_OBJECT
public:
    static SuiMenuStyle* instance();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
        const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
        const QWidget* widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
        const QWidget* widget = nullptr, QStyleHintReturn* returnData = nullptr) const override;

private:
    SuiMenuStyle();
};
