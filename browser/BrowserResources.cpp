#include "browser/BrowserResources.h"

#include <QFont>
#include <QStringList>
#include <QtGlobal>

// Q_INIT_RESOURCE may not be used inside a namespace.
static void registerBrowserPictures()
{
    Q_INIT_RESOURCE(browser);
}

// The windows were laid out for a narrow sans serif; where it is missing, a metric-compatible
// or similarly narrow face keeps captions such as "Category" inside their designed widths.
static void registerDesignFonts()
{
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
        { QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"), QStringLiteral("Nimbus Sans"),
            QStringLiteral("Arial"), QStringLiteral("Helvetica") });
}

void initBrowserResources()
{
    static const bool done = (registerBrowserPictures(), registerDesignFonts(), true);
    (void)done;
}
