// The skinned button with a small up or down triangle and never a caption (spin buttons).
#pragma once

#include "skin/controls/SUICustomButton.h"

class TsuiArrowButton : public TsuiCustomButton {
    Q_OBJECT
    Q_PROPERTY(TsuiArrowButtonType Arrow READ Arrow WRITE SetArrow)
public:
    enum TsuiArrowButtonType { suiUp, suiDown };
    Q_ENUM(TsuiArrowButtonType)

    explicit TsuiArrowButton(QWidget* parent = nullptr);

    TsuiArrowButtonType Arrow() const { return m_arrow; }
    void SetArrow(TsuiArrowButtonType arrow);

protected:
    void UIStyleChanged() override;
    void PaintPic(QPainter& canvas, const QImage& frame, PaintState& state) const override;
    void PaintText(QPainter&, const QString&, PaintState&) const override { }

private:
    TsuiArrowButtonType m_arrow = suiUp;
};
