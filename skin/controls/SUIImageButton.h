// A push button drawn entirely from four pictures; missing ones fall back to PicNormal.
#pragma once

#include "skin/controls/SUICustomButton.h"

class TsuiImageButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(bool DrawFocused READ DrawFocused WRITE SetDrawFocused)
    Q_PROPERTY(QImage PicNormal READ PicNormal WRITE SetPicNormal)
    Q_PROPERTY(QImage PicMouseOn READ PicMouseOn WRITE SetPicMouseOn)
    Q_PROPERTY(QImage PicMouseDown READ PicMouseDown WRITE SetPicMouseDown)
    Q_PROPERTY(QImage PicDisabled READ PicDisabled WRITE SetPicDisabled)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
public:
    explicit TsuiImageButton(QWidget* parent = nullptr);

    // Its pictures are its theme.
    TsuiUIStyle UIStyle() const override { return TsuiUIStyle::FromThemeFile; }

    bool DrawFocused() const { return m_drawFocused; }
    void SetDrawFocused(bool value);
    QImage PicNormal() const { return m_pics[0]; }
    void SetPicNormal(const QImage& picture) { setPicture(0, picture); }
    QImage PicMouseOn() const { return m_pics[1]; }
    void SetPicMouseOn(const QImage& picture) { setPicture(1, picture); }
    QImage PicMouseDown() const { return m_pics[2]; }
    void SetPicMouseDown(const QImage& picture) { setPicture(2, picture); }
    QImage PicDisabled() const { return m_pics[3]; }
    void SetPicDisabled(const QImage& picture) { setPicture(3, picture); }
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);

protected:
    void AutoSizeChanged() override;
    void ReloadTheme() override { }
    void PaintButtonNormal(QImage& frame) const override { frame = m_pics[0]; }
    void PaintButtonMouseOn(QImage& frame) const override { frame = orNormal(1); }
    void PaintButtonMouseDown(QImage& frame) const override { frame = orNormal(2); }
    void PaintButtonDisabled(QImage& frame) const override { frame = orNormal(3); }
    void PaintPic(QPainter& canvas, const QImage& frame, PaintState& state) const override;
    void PaintFocus(QPainter& canvas, PaintState& state) const override;

private:
    void setPicture(int which, const QImage& picture);
    QImage orNormal(int which) const { return m_pics[which].isNull() ? m_pics[0] : m_pics[which]; }

    QImage m_pics[4]; // normal, mouse on, mouse down, disabled
    bool m_stretch = false;
    bool m_drawFocused = false;
};
