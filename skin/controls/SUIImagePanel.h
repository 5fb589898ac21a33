// The published picture panel; the track bar's thumb is one.
#pragma once

#include "skin/controls/SUICustomPanel.h"

class TsuiImagePanel : public TsuiCustomPanel {
    Q_OBJECT
    Q_PROPERTY(QImage Picture READ Picture WRITE SetPicture)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(TsuiCustomPanel::TsuiDrawStyle DrawStyle READ DrawStyle WRITE SetDrawStyle)
public:
    using TsuiCustomPanel::TsuiCustomPanel;
};
