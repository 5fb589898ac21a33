// The banner is stored as JPEG and decoded with libjpeg's own API.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace BannerImage {

inline constexpr const char* kResourcePath = ":/browser/BANNER.jpg";

// Decodes JPEG bytes into an RGB32 image; corrupt or truncated data gives a null image, never
// an exit of the program.
QImage decodeJpeg(const QByteArray& bytes);
// Reads and decodes a JPEG file or resource.
QImage loadJpeg(const QString& fileName);

} // namespace BannerImage
