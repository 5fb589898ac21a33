#include "browser/ProgramTitle.h"
