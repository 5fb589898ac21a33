// The generator's list of pictures: each family file registers what it draws, main() writes them.
#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

namespace resgen {

enum class FileFormat { Bmp, Png, Jpeg, Ico };

struct Picture {
    QString name; // resource name; the file is name + the format's extension
    QString group; // output folder, qrc prefix and rcc name ("skin", "browser")
    QString family; // heading on the contact sheet ("MacOS", "Shared", ...)
    FileFormat format = FileFormat::Bmp;
    std::function<QImage()> draw;
    int quality = -1; // JPEG quality; -1 leaves Qt's default
    // Also drawn at twice the size as NAME@2x beside it, for high-density screens.
    bool twice = false;
};

// The name of a picture's twin drawn at `scale` ("NAME@2x"); the name itself at scale 1.
QString scaledName(const QString& name, int scale);

// Called from a static initialiser in each family file:
//   static const int registered = resgen::registerPictures({ {...}, {...} });
int registerPictures(std::vector<Picture> pictures);
const std::vector<Picture>& registeredPictures();

QString extensionOf(FileFormat format); // "bmp", "png", "jpg", "ico"
QString fileNameOf(const Picture& picture, int scale = 1);

// Writes `image` in the picture's format; BMP is always 24-bit so colours stay exact.
bool savePicture(const Picture& picture, const QImage& image, const QString& path);

} // namespace resgen
