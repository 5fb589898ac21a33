// The gallery's push buttons, check boxes and radio buttons: every kind in every state.
#pragma once

#include "skin/styles/SUIThemes.h"

class QWidget;

// Fill the two places (each a box whose layout ends with a stretch) with controls in `style`.
void AddPushButtons(QWidget* place, TsuiUIStyle style);
void AddCheckBoxesAndRadioButtons(QWidget* place, TsuiUIStyle style);
