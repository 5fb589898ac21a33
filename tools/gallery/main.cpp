// orlenda_gallery: one skinned window per built-in style; --screenshots DIR writes DIR/<Style>.png
// (with --scale 2, DIR/<Style>@2x.png). --theme FILE shows one window on that theme file instead.
#include "framework/OrlendaException.h"
#include "skin/SkinComponents.h"
#include "skin/windows/SUIForm.h"
#include "skin/windows/SUIMDIForm.h"
#include "tools/gallery/GalleryMDI.h"
#include "tools/gallery/GalleryWindow.h"
#include "tools/gallery/Screenshot.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QMdiSubWindow>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The value of --scale N (or --scale=N), read before the application exists: the device pixel
// ratio is fixed when the screens are made. 1 when absent, 0 when not a whole number from 1 to 4.
int scaleArgument(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const QByteArray arg(argv[i]);
        QByteArray value;
        if (arg == "--scale" || arg == "-scale")
            value = i + 1 < argc ? QByteArray(argv[i + 1]) : QByteArray();
        else if (arg.startsWith("--scale="))
            value = arg.mid(8);
        else
            continue;
        bool ok = false;
        const int scale = value.toInt(&ok);
        return ok && scale >= 1 && scale <= 4 ? scale : 0;
    }
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    const int scale = scaleArgument(argc, argv);
    if (scale == 0) {
        std::fprintf(stderr, "--scale takes a whole number from 1 to 4\n");
        return 2;
    }
    if (scale > 1)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orlenda_gallery"));
    RegisterSkinComponents();

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("The skin library in every style."));
    parser.addHelpOption();
    const QCommandLineOption screenshots(QStringLiteral("screenshots"),
        QStringLiteral("Write one PNG per style into <dir> and exit."), QStringLiteral("dir"));
    parser.addOption(screenshots);
    const QCommandLineOption themeOption(QStringLiteral("theme"),
        QStringLiteral("Show every control on the theme file <file>; with --screenshots write "
                       "<dir>/<file base name>.png."),
        QStringLiteral("file"));
    parser.addOption(themeOption);
    const QCommandLineOption scaleOption(QStringLiteral("scale"),
        QStringLiteral("Show the windows at device pixel ratio <n>; screenshots are named "
                       "<Style>@<n>x.png."),
        QStringLiteral("n"), QStringLiteral("1"));
    parser.addOption(scaleOption);
    parser.process(app);
    // "Name" at 1x, "Name@2x" at 2x, as the pictures themselves are named.
    const auto scaled = [scale](const QString& name) {
        return scale == 1 ? name : name + QStringLiteral("@%1x").arg(scale);
    };

    // One maker per window, so screenshots can take the windows one at a time.
    std::vector<std::pair<QString, std::function<GalleryWindow()>>> makers;
    if (parser.isSet(themeOption)) {
        const QString file = parser.value(themeOption);
        makers.emplace_back(
            GalleryThemeName(file), [file] { return CreateThemeGalleryWindow(file); });
    } else {
        for (TsuiUIStyle style : GalleryStyles())
            makers.emplace_back(
                GalleryStyleName(style), [style] { return CreateGalleryWindow(style); });
    }

    if (parser.isSet(screenshots)) {
        const QDir dir(parser.value(screenshots));
        if (!QDir().mkpath(dir.path())) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
        for (const auto& [name, make] : makers) {
            const QString file = dir.filePath(scaled(name) + QStringLiteral(".png"));
            GalleryWindow window;
            try {
                window = make();
            } catch (const OrlendaException& error) {
                std::fprintf(stderr, "%s\n", qPrintable(error.message()));
                return 1;
            }
            if (!GalleryScreenshot(window).save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
        if (!parser.isSet(themeOption)) {
            // The MDI window with a maximized child, and the notice beside it, in every style.
            for (TsuiUIStyle style : GalleryStyles()) {
                const QString name = GalleryStyleName(style);
                const QString mdiFile
                    = dir.filePath(scaled(QStringLiteral("MDI-%1").arg(name)) + ".png");
                const QString noticeFile
                    = dir.filePath(scaled(QStringLiteral("Notice-%1").arg(name)) + ".png");
                GalleryMDIWindow mdi = CreateGalleryMDIWindow(style);
                if (!GalleryMDIScreenshot(mdi).save(mdiFile)
                    || !GalleryNoticeScreenshot(mdi).save(noticeFile)) {
                    std::fprintf(
                        stderr, "cannot write the MDI screenshots of %s\n", qPrintable(name));
                    return 1;
                }
            }
        }
        return 0;
    }

    std::vector<GalleryWindow> windows;
    std::vector<GalleryMDIWindow> mdiWindows;
    int offset = 0;
    for (const auto& [name, make] : makers) {
        try {
            windows.push_back(make());
        } catch (const OrlendaException& error) {
            std::fprintf(stderr, "%s\n", qPrintable(error.message()));
            return 1;
        }
        GalleryWindow& window = windows.back();
        window.form->move(40 + offset, 40 + offset);
        window.form->show();
        offset += 36;
    }
    if (!parser.isSet(themeOption)) {
        // One MDI window, in the first style, with its children cascaded.
        mdiWindows.push_back(CreateGalleryMDIWindow(GalleryStyles().value(2)));
        GalleryMDIWindow& mdi = mdiWindows.back();
        mdi.form->move(80 + offset, 80 + offset);
        mdi.form->show();
        for (QMdiSubWindow* child : mdi.children)
            child->show();
        mdi.frame->Cascade();
    }
    return app.exec();
}
