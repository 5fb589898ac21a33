// Must not compile: framework/ sits below skin/ and cannot see its headers.
#include "skin/styles/Suipublic.h"
