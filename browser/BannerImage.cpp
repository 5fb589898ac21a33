#include "browser/BannerImage.h"

#include <QFile>
#include <QSysInfo>

#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>

namespace BannerImage {

namespace {

// libjpeg's default error handler calls exit(); this one jumps back to the decoder instead.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void onMessage(j_common_ptr) { }

// Largest picture we agree to allocate for; a hostile header must not drive a huge allocation.
constexpr JDIMENSION kMaxSide = 8192;
// Even a picture of one flat colour costs a few bits per 8 x 8 block, so a header claiming far
// more pixels than its bytes can describe belongs to damaged or hostile data.
constexpr quint64 kMaxPixelsPerByte = 1024;

bool plausibleSize(JDIMENSION width, JDIMENSION height, qsizetype bytes)
{
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide
        && quint64(width) * height <= quint64(bytes) * kMaxPixelsPerByte;
}

} // namespace

QImage decodeJpeg(const QByteArray& bytes)
{
    if (bytes.isEmpty())
        return {};

    jpeg_decompress_struct info {};
    ErrorManager errors {};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onError;
    errors.base.output_message = onMessage;

    // Only a raw pointer lives across the jump, so longjmp skips no destructor.
    QImage* volatile image = nullptr;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        delete image;
        return {};
    }

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
        static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    // Checked before decompression starts: a progressive picture is buffered whole from there.
    if (!plausibleSize(info.image_width, info.image_height, bytes.size())) {
        jpeg_destroy_decompress(&info);
        return {};
    }
    // Decoded straight into QImage's RGB32 byte order with an opaque fourth byte, so the
    // picture needs no conversion pass afterwards.
    info.out_color_space
        = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&info);

    if (!plausibleSize(info.output_width, info.output_height, bytes.size())
        || info.output_components != 4) {
        jpeg_destroy_decompress(&info);
        return {};
    }

    image = new QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        delete image;
        return {};
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);

    QImage result = std::move(*image);
    delete image;
    return result;
}

QImage loadJpeg(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodeJpeg(file.readAll());
}

} // namespace BannerImage
