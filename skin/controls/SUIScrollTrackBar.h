// The track of a scroll bar: a track bar whose bar and thumb pictures are given by the scroll bar
// instead of the theme.
#pragma once

#include "skin/controls/SUITrackBar.h"

class TsuiScrollTrackBar : public TsuiTrackBar {
    Q_OBJECT
public:
    explicit TsuiScrollTrackBar(QWidget* parent = nullptr);

    bool SliderVisible() const;
    void SetSliderVisible(bool visible);
    void UpdateSliderSize();

protected:
    bool CustomPicture() const override { return true; }
    bool SliderTransparent() const override { return false; }
};
