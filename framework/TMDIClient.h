// The client area of an MDI parent form: the docked area its child windows live in.
#pragma once

#include "framework/TControl.h"

#include <QMdiArea>

class TMDIClient : public TControlBase<QMdiArea> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
public:
    // Fills what its container leaves (alClient) unless told otherwise.
    explicit TMDIClient(QWidget* parent = nullptr);
};
