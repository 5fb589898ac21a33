// The published group box.
#pragma once

#include "skin/controls/SUICustomGroupBox.h"

class TsuiGroupBox : public TsuiCustomGroupBox {
    Q_OBJECT
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE SetBorderColor)
public:
    using TsuiCustomGroupBox::TsuiCustomGroupBox;
};
