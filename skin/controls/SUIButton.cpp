#include "skin/controls/SUIButton.h"

#include "framework/ImageList.h"
#include "framework/TextDraw.h"
#include "skin/styles/Suipublic.h"
#include "skin/styles/Suiresdef.h"

#include <QAction>
#include <QFontMetrics>
#include <QPainter>

using namespace SuiThemes;

TsuiButton::TsuiButton(QWidget* parent)
    : TsuiCustomButton(parent)
{
    setBounds(QRect(x(), y(), 80, 27));
    // The base ran its own style reaction while it was being built.
    UIStyleChanged();
}

void TsuiButton::SetGlyph(const QImage& glyph)
{
    m_glyph = glyph;
    update();
}

void TsuiButton::SetLayout(TButtonLayout layout)
{
    m_layout = layout;
    update();
}

void TsuiButton::SetSpacing(int spacing)
{
    m_spacing = spacing;
    update();
}

void TsuiButton::UIStyleChanged()
{
    SetTransparent(theme().flag(SuiItem::ButtonTransparentBool));
}

void TsuiButton::ActionChange()
{
    TsuiCustomButton::ActionChange();
    QAction* action = Action();
    if (!action || !m_glyph.isNull() || action->icon().isNull())
        return;
    const QList<QSize> sizes = action->icon().availableSizes();
    const QSize size = sizes.isEmpty() ? QSize(16, 16) : sizes.first();
    m_glyph = action->icon().pixmap(size).toImage();
    update();
}

TsuiButton::GlyphPlacement TsuiButton::PlaceGlyph(const QSize& size) const
{
    const QFontMetrics metrics(font());
    // The caption is measured as written, "&" included.
    const QSize caption(metrics.horizontalAdvance(Caption()), metrics.height());
    return PlaceGlyph(m_layout, size, caption, m_glyph.size(), m_spacing);
}

TsuiButton::GlyphPlacement TsuiButton::PlaceGlyph(
    TButtonLayout layout, const QSize& size, const QSize& caption, const QSize& glyph, int spacing)
{
    GlyphPlacement p;
    const int tw = caption.width();
    const int th = caption.height();
    int gw = glyph.width();
    const int gh = glyph.height();
    // A glyph twice as wide as high holds the enabled and the disabled image side by side.
    p.twoImages = gh > 0 && gw == 2 * gh;
    if (p.twoImages)
        gw = gh;
    p.glyphSize = QSize(gw, gh);
    const int w = size.width();
    const int h = size.height();
    const int s = spacing;
    switch (layout) {
    case blGlyphLeft:
        p.glyph = QPoint((w - (tw + gw + s)) / 2, (h - gh) / 2);
        p.caption = QPoint(p.glyph.x() + gw + s, (h - th) / 2);
        break;
    case blGlyphRight:
        p.glyph = QPoint((w + tw + s - gw) / 2, (h - gh) / 2);
        p.caption = QPoint(p.glyph.x() - tw - s, (h - th) / 2);
        break;
    case blGlyphTop:
        p.glyph = QPoint((w - gw) / 2, (h - (th + gh + s)) / 2);
        p.caption = QPoint((w - tw) / 2, p.glyph.y() + gh + s);
        break;
    case blGlyphBottom:
        p.glyph = QPoint((w - gw) / 2, (h + th + s - gh) / 2);
        p.caption = QPoint((w - tw) / 2, p.glyph.y() - th - s);
        break;
    }
    return p;
}

void TsuiButton::PaintPic(QPainter& canvas, const QImage& frame, PaintState& state) const
{
    DrawSkinFrame(canvas, frame, state.size);
    if (m_glyph.isNull())
        return;
    const GlyphPlacement p = PlaceGlyph(state.size);
    state.captionOrigin = p.caption;
    if (p.glyphSize.isEmpty())
        return;
    QPoint at = p.glyph;
    if (isPressed())
        at += QPoint(1, 1);
    ImageList list(p.glyphSize.width(), p.glyphSize.height());
    list.addMasked(m_glyph, m_glyph.pixel(0, 0));
    if (p.twoImages)
        list.draw(canvas, at, isEnabled() ? 0 : 1, true);
    else
        list.draw(canvas, at, 0, isEnabled());
}

void TsuiButton::PaintText(QPainter& canvas, const QString& text, PaintState& state) const
{
    if (m_glyph.isNull()) {
        TsuiCustomButton::PaintText(canvas, text, state);
        return;
    }
    canvas.setFont(font());
    QPoint origin = state.captionOrigin;
    if (isEnabled() && isPressed())
        origin += QPoint(1, 1);
    const QPoint far(state.size.width(), state.size.height());
    QColor color = palette().color(QPalette::Active, foregroundRole());
    if (!isEnabled()) {
        QRect engraved(origin + QPoint(1, 1), far - QPoint(1, 1));
        canvas.setPen(QColor(255, 255, 255));
        DrawText(canvas, text, engraved, DT_SINGLELINE);
        color = QColor(128, 128, 128);
    }
    QRect r(origin, far - QPoint(1, 1));
    canvas.setPen(color);
    DrawText(canvas, text, r, DT_SINGLELINE);
    state.boldCaption = false;
}

void TsuiButton::PaintFocus(QPainter& canvas, PaintState& state) const
{
    // The rounded styles show focus by a bold caption, which a rectangle would cut across.
    const TsuiUIStyle style = UIStyle();
    if (style == TsuiUIStyle::MacOS || style == TsuiUIStyle::BlueGlass)
        state.boldCaption = true;
    else
        TsuiCustomButton::PaintFocus(canvas, state);
}
