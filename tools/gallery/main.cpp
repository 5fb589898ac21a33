// orlenda_gallery: one skinned window per built-in style; --screenshots DIR writes DIR/<Style>.png.
// --theme FILE shows one window on that theme file instead (DIR/<file base name>.png).
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

int main(int argc, char** argv)
{
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
    parser.process(app);

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
            const QString file = dir.filePath(name + QStringLiteral(".png"));
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
                const QString mdiFile = dir.filePath(QStringLiteral("MDI-%1.png").arg(name));
                const QString noticeFile = dir.filePath(QStringLiteral("Notice-%1.png").arg(name));
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
