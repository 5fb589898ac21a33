#include "browser/BrowserResources.h"

#include <QtGlobal>

// Q_INIT_RESOURCE may not be used inside a namespace.
static void registerBrowserPictures()
{
    Q_INIT_RESOURCE(browser);
}

void initBrowserResources()
{
    static const bool done = (registerBrowserPictures(), true);
    (void)done;
}
