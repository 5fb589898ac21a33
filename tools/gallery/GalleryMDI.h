// The gallery's MDI window: a skinned MDI parent with three skinned children, a Window menu with
// tile and cascade, and a button that pops the notice.
#pragma once

#include "framework/TForm.h"
#include "skin/styles/SUIThemes.h"

#include <QImage>
#include <QList>
#include <memory>

class QMdiSubWindow;
class TsuiMDIForm;
class TsuiMSNPopForm;

struct GalleryMDIWindow {
    std::unique_ptr<TForm> form;
    TsuiMDIForm* frame = nullptr;
    TsuiMSNPopForm* notice = nullptr;
    QList<QMdiSubWindow*> children;
};

GalleryMDIWindow CreateGalleryMDIWindow(TsuiUIStyle style);

// The window with its second child maximized.
QImage GalleryMDIScreenshot(GalleryMDIWindow& window);
// The window with its children cascaded and the notice standing at its bottom-right corner, as
// it stands on the work area.
QImage GalleryNoticeScreenshot(GalleryMDIWindow& window);
