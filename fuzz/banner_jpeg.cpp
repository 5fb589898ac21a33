// The banner decoder on arbitrary bytes: libjpeg's errors must come back as a null image, and a
// header must never drive an allocation its bytes cannot justify.
#include "browser/BannerImage.h"

#include <QByteArray>
#include <QImage>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes
        = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const QImage image = BannerImage::decodeJpeg(bytes);
    if (!image.isNull()) {
        // A decoded picture is opaque RGB32 of a plausible size.
        if (image.format() != QImage::Format_RGB32 || image.width() > 8192 || image.height() > 8192)
            std::abort();
        volatile QRgb corner = image.pixel(image.width() - 1, image.height() - 1);
        (void)corner;
    }
    return 0;
}
