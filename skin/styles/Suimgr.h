// File themes and the theme manager: the components a form description may name.
#pragma once

#include "skin/styles/TsuiBuiltInFileTheme.h"
#include "skin/styles/TsuiFileTheme.h"
#include "skin/styles/TsuiThemeManager.h"

// Registers TsuiFileTheme, TsuiBuiltInFileTheme and TsuiThemeManager for form descriptions; a
// program whose descriptions name them calls it once at start-up.
void RegisterSuimgrComponents();
