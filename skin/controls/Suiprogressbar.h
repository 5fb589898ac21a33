// A skinned progress bar: 1-pixel frame, the fill stretched from ProgressBarImage, the empty part
// in a plain colour and a centred percentage caption; also the orientation the bars share.
#pragma once

#include "framework/TColor.h"
#include "framework/TControl.h"
#include "skin/controls/SuiProgressBarOrientation.h"
#include "skin/styles/SuiThemedControl.h"

#include <QImage>
#include <cstdint>

class TsuiProgressBar : public TControlBase<QWidget> {
    Q_OBJECT
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(ControlTypes::TAlign Align READ Align WRITE setAlign)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TColor CaptionColor READ CaptionColor WRITE SetCaptionColor)
    Q_PROPERTY(bool ShowCaption READ ShowCaption WRITE SetShowCaption)
    Q_PROPERTY(bool SmartShowCaption READ SmartShowCaption WRITE SetSmartShowCaption)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(
        SuiBars::TsuiProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Visible READ isShownWithParent WRITE setVisible)
    Q_PROPERTY(FormMethod OnClick READ onClickHandler WRITE setOnClickHandler)
public:
    explicit TsuiProgressBar(QWidget* parent = nullptr);

    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }

    int Max() const { return m_max; }
    void SetMax(int value);
    int Min() const { return m_min; }
    void SetMin(int value);
    int Position() const { return m_position; }
    void SetPosition(int value);
    void StepIt() { StepBy(1); }
    // Saturates at the ends of the 32-bit range instead of wrapping.
    void StepBy(int delta);

    TsuiProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TsuiProgressBarOrientation orientation);
    TColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(TColor color);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    TColor CaptionColor() const { return m_captionColor; }
    void SetCaptionColor(TColor color);
    bool ShowCaption() const { return m_showCaption; }
    void SetShowCaption(bool show);
    bool SmartShowCaption() const { return m_smartShowCaption; }
    void SetSmartShowCaption(bool smart);
    QImage Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);

    // The control text: the percentage followed by "%".
    QString Caption() const { return m_caption; }

    // The filled length for an available length (the fill rule, 64-bit so no range overflows).
    int FilledLength(int available) const;
    // The whole look at the control's size, drawn into `painter` at rect's top-left.
    void PaintBar(QPainter& painter, const QRect& rect) const;

    QSize sizeHint() const override { return size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void reloadSkin();
    void updateCaption();
    void updateBar(int length);

    int m_max = 100;
    int m_min = 0;
    int m_position = 50;
    TsuiProgressBarOrientation m_orientation = suiHorizontal;
    TColor m_borderColor = clBlack;
    TColor m_color = clBtnFace;
    QImage m_picture;
    bool m_showCaption = true;
    TColor m_captionColor = clBlack;
    bool m_smartShowCaption = false;
    QString m_caption = QStringLiteral("50%");
    SuiThemedControl m_theme { this, [this] { reloadSkin(); } };
};
