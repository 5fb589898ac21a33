// orlenda_gallery: one skinned window per built-in style; --screenshots DIR writes DIR/<Style>.png.
#include "skin/SkinComponents.h"
#include "tools/gallery/GalleryWindow.h"
#include "tools/gallery/Screenshot.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <cstdio>
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
    parser.process(app);

    if (parser.isSet(screenshots)) {
        const QDir dir(parser.value(screenshots));
        if (!QDir().mkpath(dir.path())) {
            std::fprintf(stderr, "cannot create %s\n", qPrintable(dir.path()));
            return 1;
        }
        for (TsuiUIStyle style : GalleryStyles()) {
            GalleryWindow window = CreateGalleryWindow(style);
            const QString file = dir.filePath(GalleryStyleName(style) + QStringLiteral(".png"));
            if (!GalleryScreenshot(window).save(file)) {
                std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
                return 1;
            }
        }
        return 0;
    }

    std::vector<GalleryWindow> windows;
    int offset = 0;
    for (TsuiUIStyle style : GalleryStyles()) {
        windows.push_back(CreateGalleryWindow(style));
        windows.back().form->move(40 + offset, 40 + offset);
        windows.back().form->show();
        offset += 36;
    }
    return app.exec();
}
