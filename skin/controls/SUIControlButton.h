// A push button whose frames are frames of any theme item, picked by ThemeID, PicIndex, PicCount.
#pragma once

#include "skin/controls/SUICustomButton.h"

class TsuiControlButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(int ThemeID READ ThemeID WRITE SetThemeID)
    Q_PROPERTY(int PicIndex READ PicIndex WRITE SetPicIndex)
    Q_PROPERTY(int PicCount READ PicCount WRITE SetPicCount)
    Q_PROPERTY(bool PicTransparent READ PicTransparent WRITE SetPicTransparent)
public:
    explicit TsuiControlButton(QWidget* parent = nullptr);

    int ThemeID() const { return m_themeId; }
    void SetThemeID(int id);
    int PicIndex() const { return m_picIndex; }
    void SetPicIndex(int index);
    int PicCount() const { return m_picCount; }
    void SetPicCount(int count);

protected:
    void ReloadTheme() override { }
    void UIStyleChanged() override;
    void PaintButtonNormal(QImage& frame) const override;
    void PaintButtonMouseOn(QImage& frame) const override { fetch(frame, m_picIndex + 1); }
    void PaintButtonMouseDown(QImage& frame) const override { fetch(frame, m_picIndex); }
    void PaintButtonDisabled(QImage& frame) const override { fetch(frame, m_picIndex); }
    void PaintPic(QPainter& canvas, const QImage& frame, PaintState& state) const override;

private:
    void fetch(QImage& frame, int number) const;
    void fitTo(const QImage& frame) const;
    // The button takes the size of its normal frame.
    void fitNow();

    int m_themeId = 0;
    int m_picIndex = 0;
    int m_picCount = 0;
};
