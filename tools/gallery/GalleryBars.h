// The gallery's scroll bars, progress bars and track bars: both orientations, several positions.
#pragma once

#include "skin/styles/SUIThemes.h"

class QWidget;

// Fill the places (each a box whose layout ends with a stretch) with controls in `style`.
void AddScrollBars(QWidget* place, TsuiUIStyle style);
void AddProgressBars(QWidget* place, TsuiUIStyle style);
void AddTrackBars(QWidget* place, TsuiUIStyle style);
