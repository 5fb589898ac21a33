// The program's title, shared by the application object and the main window.
#pragma once

inline constexpr const char* kProgramTitle = "Orlenda System Value Reference";
