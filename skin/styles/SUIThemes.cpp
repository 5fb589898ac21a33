#include "skin/styles/SUIThemes.h"
