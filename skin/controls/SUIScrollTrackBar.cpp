#include "skin/controls/SUIScrollTrackBar.h"

#include "skin/controls/SUIImagePanel.h"

TsuiScrollTrackBar::TsuiScrollTrackBar(QWidget* parent)
    : TsuiTrackBar(parent)
{
    // The base loaded the theme's pictures while it was being built; a track shows only what
    // its scroll bar gives it.
    m_barImage = QImage();
    Slider()->SetPicture(QImage());
    UpdateControl();
}

bool TsuiScrollTrackBar::SliderVisible() const
{
    return !Slider()->isHidden();
}

void TsuiScrollTrackBar::SetSliderVisible(bool visible)
{
    if (visible != SliderVisible())
        Slider()->setVisible(visible);
}

void TsuiScrollTrackBar::UpdateSliderSize()
{
    Slider()->SetAutoSize(true);
}
