// orlenda_resgen: draws the program's pictures and writes them with one .qrc per group.
//   orlenda_resgen --out DIR [--group NAME]... [--sheet FILE.png [--scale 2]]
// Pictures marked `twice` are written a second time as NAME@2x, drawn at twice the size.
#include "ContactSheet.h"
#include "Paint.h"
#include "Registry.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>
#include <QXmlStreamWriter>
#include <cstdio>
#include <deque>
#include <map>

namespace {

bool writeQrc(const QString& outDir, const QString& group, const QStringList& files)
{
    QSaveFile qrc(outDir + QLatin1Char('/') + group + QStringLiteral(".qrc"));
    if (!qrc.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter xml(&qrc);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    xml.writeDTD(QStringLiteral("<!DOCTYPE RCC>"));
    xml.writeStartElement(QStringLiteral("RCC"));
    xml.writeStartElement(QStringLiteral("qresource"));
    xml.writeAttribute(QStringLiteral("prefix"), QLatin1Char('/') + group);
    for (const QString& file : files) {
        xml.writeStartElement(QStringLiteral("file"));
        xml.writeAttribute(QStringLiteral("alias"), file);
        xml.writeCharacters(group + QLatin1Char('/') + file);
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return qrc.commit();
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({ "out", "Output folder.", "dir" });
    parser.addOption({ "group", "Only this group (repeatable).", "name" });
    parser.addOption({ "sheet", "Also write a contact sheet of the selected pictures.", "png" });
    parser.addOption(
        { "scale", "Contact sheet of the pictures drawn at this scale (1 or 2).", "n", "1" });
    parser.process(app);
    if (!parser.isSet("out") && !parser.isSet("sheet")) {
        std::fprintf(stderr, "orlenda_resgen: --out or --sheet is required\n");
        return 2;
    }
    const QStringList groups = parser.values("group");

    std::vector<const resgen::Picture*> selected;
    for (const auto& picture : resgen::registeredPictures())
        if (groups.isEmpty() || groups.contains(picture.group))
            selected.push_back(&picture);

    const int sheetScale = parser.value("scale").toInt();
    if (sheetScale != 1 && sheetScale != 2) {
        std::fprintf(stderr, "orlenda_resgen: --scale is 1 or 2\n");
        return 2;
    }

    struct Drawn {
        const resgen::Picture* picture;
        int scale;
        QImage image;
    };
    std::vector<Drawn> drawn;
    for (const auto* picture : selected) {
        for (int scale : { 1, 2 }) {
            if (scale > 1 && !picture->twice)
                continue;
            const resgen::ScaleScope scope(scale);
            QImage image = picture->draw();
            const QSize logical = resgen::logicalSize(image);
            // A twin must keep the layout: anything but exactly doubled pixels would move the
            // frames and stretch rows the skin cuts by its 1x rules.
            if (image.isNull()
                || (scale > 1 && image.size() != drawn.back().image.size() * scale)) {
                std::fprintf(stderr, "orlenda_resgen: %s drew nothing at the size asked (%dx%d)\n",
                    qPrintable(resgen::scaledName(picture->name, scale)), logical.width(),
                    logical.height());
                return 1;
            }
            drawn.push_back({ picture, scale, std::move(image) });
        }
    }

    if (parser.isSet("out")) {
        const QString outDir = parser.value("out");
        std::map<QString, QStringList> filesByGroup;
        for (const QString& group : groups)
            filesByGroup[group]; // a selected group with no pictures still gets its (empty) qrc
        for (const auto& [picture, scale, image] : drawn) {
            const QString folder = outDir + QLatin1Char('/') + picture->group;
            QDir().mkpath(folder);
            const QString file = resgen::fileNameOf(*picture, scale);
            if (!resgen::savePicture(*picture, image, folder + QLatin1Char('/') + file)) {
                std::fprintf(stderr, "orlenda_resgen: cannot write %s\n", qPrintable(file));
                return 1;
            }
            filesByGroup[picture->group].append(file);
        }
        for (const auto& [group, files] : filesByGroup) {
            if (!writeQrc(outDir, group, files)) {
                std::fprintf(stderr, "orlenda_resgen: cannot write %s.qrc\n", qPrintable(group));
                return 1;
            }
        }
    }

    if (parser.isSet("sheet")) {
        // The sheet shows device pixels: a twin appears under its own name at twice the size.
        std::deque<resgen::Picture> renamed;
        std::vector<std::pair<const resgen::Picture*, QImage>> shown;
        for (const auto& [picture, scale, image] : drawn) {
            if (scale != sheetScale)
                continue;
            renamed.push_back(*picture);
            renamed.back().name = resgen::scaledName(picture->name, scale);
            QImage pixels = image;
            pixels.setDevicePixelRatio(1);
            shown.emplace_back(&renamed.back(), pixels);
        }
        const QImage sheet = resgen::drawContactSheet(shown);
        if (!sheet.save(parser.value("sheet"), "PNG")) {
            std::fprintf(stderr, "orlenda_resgen: cannot write the contact sheet\n");
            return 1;
        }
    }
    return 0;
}
