// Makes the push buttons, check boxes and radio buttons buildable from form descriptions.
#pragma once

// Safe to call more than once; the program calls it before reading its first description.
void RegisterSUIButtonComponents();
