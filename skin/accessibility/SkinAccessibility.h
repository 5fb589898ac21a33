// Screen readers see the skin's painted parts as what they are: caption buttons and menu titles
// as buttons and menu items, every control with its role and caption.
#pragma once

// Registers the skin's accessibility factory with Qt; called once by the skin's start-up, so a
// program need not call it. Calling it again does nothing.
void InstallSkinAccessibility();
