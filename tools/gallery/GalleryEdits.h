// The gallery's edits and tool bar: text, selection, disabled and read-only states.
#pragma once

#include "skin/styles/SUIThemes.h"

class QWidget;

// Fill the place (a box whose layout ends with a stretch) with controls in `style`.
void AddEdits(QWidget* place, TsuiUIStyle style);
// Two tool bars (images with captions below, captions beside): hot, pressed, checked and
// drop-down buttons.
void AddToolBars(QWidget* place, TsuiUIStyle style);
