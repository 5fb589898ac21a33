// The gallery's pictures: a whole skinned window, shaped by its mask, with its first menu down.
#pragma once

#include <QImage>

class QWidget;
struct GalleryWindow;

// The widget as it shows, at its device pixel ratio (twice the size under --scale 2), with
// every pixel outside its window region transparent, as nothing of it is on screen there.
QImage GrabShaped(QWidget* window);
// The size of a grabbed image in the window's logical pixels.
QSize LogicalSize(const QImage& shot);

// Shows the window, drops its first menu down and composes both into one image (the drop-down is
// a window of its own, grabbed separately and laid over the window where it stands).
QImage GalleryScreenshot(GalleryWindow& window);
