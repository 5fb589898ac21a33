// The gallery's pictures: a whole skinned window, shaped by its mask, with its first menu down.
#pragma once

#include <QImage>

struct GalleryWindow;

// Shows the window, drops its first menu down and composes both into one image (the drop-down is
// a window of its own, grabbed separately and laid over the window where it stands).
QImage GalleryScreenshot(GalleryWindow& window);
