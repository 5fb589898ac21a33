// Makes the edits and the tool bar buildable from form descriptions.
#pragma once

// Safe to call more than once; the program calls it before reading its first description.
void RegisterSUIEditComponents();
