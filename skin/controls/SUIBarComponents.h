// Makes the progress bars, track bars and scroll bars buildable from form descriptions.
#pragma once

// Safe to call more than once; the program calls it before reading its first description.
void RegisterSUIBarComponents();
