#include "Registry.h"

#include <QImageWriter>

namespace resgen {

namespace {
std::vector<Picture>& storage()
{
    // Function-local so registration from other files' static initialisers is order-safe.
    static std::vector<Picture> pictures;
    return pictures;
}
} // namespace

int registerPictures(std::vector<Picture> pictures)
{
    auto& all = storage();
    for (auto& picture : pictures)
        all.push_back(std::move(picture));
    return int(all.size());
}

const std::vector<Picture>& registeredPictures()
{
    return storage();
}

QString extensionOf(FileFormat format)
{
    switch (format) {
    case FileFormat::Bmp:
        return QStringLiteral("bmp");
    case FileFormat::Png:
        return QStringLiteral("png");
    case FileFormat::Jpeg:
        return QStringLiteral("jpg");
    case FileFormat::Ico:
        return QStringLiteral("ico");
    }
    return QStringLiteral("bin");
}

QString scaledName(const QString& name, int scale)
{
    return scale == 1 ? name : name + QStringLiteral("@%1x").arg(scale);
}

QString fileNameOf(const Picture& picture, int scale)
{
    return scaledName(picture.name, scale) + QLatin1Char('.') + extensionOf(picture.format);
}

bool savePicture(const Picture& picture, const QImage& image, const QString& path)
{
    QImageWriter writer(path, extensionOf(picture.format).toLatin1());
    if (picture.quality >= 0)
        writer.setQuality(picture.quality);
    // The file holds device pixels; a scaled picture's ratio is the loader's business.
    QImage stored = image;
    stored.setDevicePixelRatio(1);
    switch (picture.format) {
    case FileFormat::Bmp:
    case FileFormat::Jpeg:
        // No alpha in these files: flatten so the BMP writer emits 24-bit pixels.
        return writer.write(stored.convertToFormat(QImage::Format_RGB32));
    case FileFormat::Png:
    case FileFormat::Ico:
        break;
    }
    return writer.write(stored);
}

} // namespace resgen
