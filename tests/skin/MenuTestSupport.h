// Shared by the themed-menu tests: a menu with the items the drawing rules speak of.
#pragma once

#include "framework/ShortCut.h"
#include "framework/TMenuItem.h"

#include <QImage>
#include <QObject>
#include <QTest>

inline TMenuItem* addItem(QObject* parent, const QString& caption, int shortCut = 0)
{
    auto* item = new TMenuItem(parent);
    item->setCaption(caption);
    item->setShortCut(shortCut);
    return item;
}

// A canvas filled with a colour no menu uses, so untouched pixels show.
inline QImage blankCanvas(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(0x12, 0x34, 0x56));
    return image;
}

inline QRgb rgbOf(uint32_t bbggrr)
{
    return qRgb(int(bbggrr & 0xFF), int((bbggrr >> 8) & 0xFF), int((bbggrr >> 16) & 0xFF));
}

inline QRgb at(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000u;
}
