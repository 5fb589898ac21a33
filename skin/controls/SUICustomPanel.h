// A panel that shows a picture (plain, stretched or tiled) under an optional caption, optionally
// over its parent's look. Painted off-screen and copied in one operation.
#pragma once

#include "framework/TPanel.h"
#include "skin/controls/OffscreenPaint.h"

#include <QImage>

class TsuiCustomPanel : public TPanel {
    Q_OBJECT
public:
    enum TsuiDrawStyle { suiNormal, suiStretch, suiTile };
    Q_ENUM(TsuiDrawStyle)

    explicit TsuiCustomPanel(QWidget* parent = nullptr);

    QImage Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    bool Transparent() const { return m_transparent; }
    virtual void SetTransparent(bool transparent);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    TsuiDrawStyle DrawStyle() const { return m_drawStyle; }
    void SetDrawStyle(TsuiDrawStyle style);
    // -1 in either places the caption by Alignment instead.
    int CaptionPosX() const { return m_captionPosX; }
    void SetCaptionPosX(int x);
    int CaptionPosY() const { return m_captionPosY; }
    void SetCaptionPosY(int y);

    // The panel's look (parent's look, picture, caption) painted into `rect` of any painter.
    void PaintPicturePanel(QPainter& painter, const QRect& rect) const;

protected:
    // Only a panel hosted in a foreign window fills itself here; every parent of ours is a
    // widget, which paints the panel's whole rectangle in PaintPicturePanel.
    virtual void ClearPanel() { }
    virtual void RepaintText(const QRect&) { }
    virtual void PictureChanged();

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void applyAutoSize();
    // The picture as drawn: with its bottom-left colour left out while the panel is transparent.
    std::optional<QRgb> pictureKey() const;

    QImage m_picture;
    OffscreenPaint m_offscreen;
    int m_captionPosX = -1;
    int m_captionPosY = -1;
    TsuiDrawStyle m_drawStyle = suiNormal;
    bool m_transparent = false;
    bool m_autoSize = false;
};
