// The gallery's panels, group boxes and check and radio groups, in every state.
#pragma once

#include "skin/styles/SUIThemes.h"

class QWidget;

// Fill the two places (each a box whose layout ends with a stretch) with controls in `style`.
void AddPanelsAndGroupBoxes(QWidget* place, TsuiUIStyle style);
void AddCheckAndRadioGroups(QWidget* place, TsuiUIStyle style);
