// The program's start after the application object exists: title, main window, message loop.
#pragma once

// Creates the main window as the application's main form, runs the loop until it closes and
// returns 0; an exception escapes to the caller, which shows it (ApplicationExceptions).
int RunProgram();
