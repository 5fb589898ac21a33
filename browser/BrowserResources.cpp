#include "browser/BrowserResources.h"

#include "browser/BannerImage.h"
#include "skin/SkinComponents.h"

#include <QCoreApplication>
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
    static const bool done
        = (registerBrowserPictures(), registerDesignFonts(), RegisterSkinComponents(), true);
    (void)done;
}

namespace {

// Pixmaps must go before the GUI does; a post routine runs while the application still exists.
QIcon*& cachedIcon()
{
    static QIcon* icon = nullptr;
    return icon;
}

void dropCachedIcon()
{
    delete cachedIcon();
    cachedIcon() = nullptr;
}

} // namespace

QIcon programIcon()
{
    initBrowserResources();
    QIcon*& icon = cachedIcon();
    if (!icon) {
        icon = new QIcon(QStringLiteral(":/browser/MAINICON.png"));
        qAddPostRoutine(dropCachedIcon);
    }
    return *icon;
}

QImage bannerPicture()
{
    initBrowserResources();
    // A plain image needs no application to live or die, so a static may keep it.
    static const QImage banner
        = BannerImage::loadJpeg(QString::fromLatin1(BannerImage::kResourcePath));
    return banner;
}
