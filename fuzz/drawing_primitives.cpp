// Colour texts from form descriptions and skin drawing over any bitmap and target geometry: no
// input may read outside a bitmap or crash.
#include "framework/TColor.h"
#include "skin/styles/Suipublic.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstddef>
#include <cstdint>

namespace {

QGuiApplication* application()
{
    static int argc = 1;
    static char name[] = "fuzz_drawing_primitives";
    static char* argv[] = { name, nullptr };
    static QGuiApplication* app = new QGuiApplication(argc, argv);
    return app;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    application();
    const QString text = QString::fromLatin1(reinterpret_cast<const char*>(data), qsizetype(size));
    if (const auto colour = TColor::fromString(text))
        (void)TColor::fromString(colour->toString());
    if (size < 8)
        return 0;

    // Header: bitmap size (0..47), target position (-8..23) and size (-8..119), flags.
    const int bitmapWidth = data[0] % 48;
    const int bitmapHeight = data[1] % 48;
    const QRect target(int(data[2] % 32) - 8, int(data[3] % 32) - 8, int(data[4] % 128) - 8,
        int(data[5] % 128) - 8);
    const bool flag = data[6] & 1;
    const int frames = data[7] % 5;
    data += 8;
    size -= 8;

    QImage bitmap(bitmapWidth, bitmapHeight, QImage::Format_RGB32);
    for (int y = 0; y < bitmapHeight; ++y)
        for (int x = 0; x < bitmapWidth; ++x) {
            const size_t i = size_t(y * bitmapWidth + x);
            // Mostly magenta or not, so keyed runs of every shape occur.
            const uint8_t v = size ? data[i % size] : 0;
            bitmap.setPixel(x, y, (v & 1) ? 0xFFFF00FFu : qRgb(v, v / 2, 255 - v));
        }

    QImage canvas(128, 128, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::gray);
    {
        QPainter painter(&canvas);
        SpitDraw(bitmap, painter, target, flag);
        SpitDrawHorizontal(bitmap, painter, target, flag);
        TileDraw(painter, bitmap, target);
    }
    QImage frame;
    SpitBitmap(bitmap, frame, frames, size ? int(data[0] % 6) - 1 : 1);
    (void)BitmapWindowRegion(bitmap, 0xFFFF00FFu);
    QImage turned = bitmap;
    RoundPicture2(turned);
    RoundPicture(turned);
    RoundPicture3(turned);
    return 0;
}
