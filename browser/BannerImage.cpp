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
    // Decoded straight into QImage's RGB32 byte order with an opaque fourth byte, so the
    // picture needs no conversion pass afterwards.
    info.out_color_space
        = QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;
    jpeg_start_decompress(&info);

    if (info.output_width == 0 || info.output_height == 0 || info.output_width > kMaxSide
        || info.output_height > kMaxSide || info.output_components != 4) {
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
