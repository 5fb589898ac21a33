// Makes the picture panels, collapsible panels, group boxes and check and radio groups buildable
// from form descriptions.
#pragma once

// Safe to call more than once; the program calls it before reading its first description.
void RegisterSUIPanelComponents();
