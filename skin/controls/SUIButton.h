// The dialog push button: skin frame, caption and an optional glyph placed by Layout and Spacing.
#pragma once

#include "skin/controls/SUICustomButton.h"

class TsuiButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(QImage Glyph READ Glyph WRITE SetGlyph)
    Q_PROPERTY(TButtonLayout Layout READ Layout WRITE SetLayout)
    Q_PROPERTY(int Spacing READ Spacing WRITE SetSpacing)
public:
    enum TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
    Q_ENUM(TButtonLayout)

    explicit TsuiButton(QWidget* parent = nullptr);

    QImage Glyph() const { return m_glyph; }
    void SetGlyph(const QImage& glyph);
    TButtonLayout Layout() const { return m_layout; }
    void SetLayout(TButtonLayout layout);
    int Spacing() const { return m_spacing; }
    void SetSpacing(int spacing);

    // Where the glyph and the caption go in a button of `size`, not yet moved by a press.
    struct GlyphPlacement {
        QPoint glyph;
        QPoint caption;
        QSize glyphSize; // one image of the glyph
        bool twoImages = false;
    };
    GlyphPlacement PlaceGlyph(const QSize& size) const;
    // The rule itself: a button of `size`, a caption of `caption` pixels, the glyph bitmap's size.
    static GlyphPlacement PlaceGlyph(TButtonLayout layout, const QSize& size, const QSize& caption,
        const QSize& glyph, int spacing);

protected:
    void UIStyleChanged() override;
    void ActionChange() override;
    bool IsDialogButton() const override { return true; }
    void PaintPic(QPainter& canvas, const QImage& frame, PaintState& state) const override;
    void PaintText(QPainter& canvas, const QString& text, PaintState& state) const override;
    void PaintFocus(QPainter& canvas, PaintState& state) const override;

private:
    QImage m_glyph;
    TButtonLayout m_layout = blGlyphLeft;
    int m_spacing = 4;
};
