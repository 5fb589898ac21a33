// The gallery's edits and tool bar: text, selection, disabled and read-only states.
#pragma once

#include "skin/styles/SUIThemes.h"

class QWidget;

// Fill the place (a box whose layout ends with a stretch) with controls in `style`.
void AddEdits(QWidget* place, TsuiUIStyle style);
