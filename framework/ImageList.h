// A row of equal-sized images drawn opaque or with a key-colour mask, and greyed when disabled.
#pragma once

#include "framework/TColor.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QtGui/qrgb.h>
#include <vector>

class QPainter;

class ImageList {
public:
    ImageList(int width, int height);

    int width() const { return m_size.width(); }
    int height() const { return m_size.height(); }
    int count() const { return int(m_images.size()); }

    // Adds the strip's whole frames of the list's size (BitmapOps::stripFrames: columns left
    // over belong to no image, rows the strip lacks are black). Returns the index of the first,
    // or -1 when nothing was added. Masked images leave out their key-colour pixels when drawn.
    int add(const QImage& strip);
    int addMasked(const QImage& strip, QRgb key);

    // Draws image `index` with its top-left corner at `at`; a bad index draws nothing. Disabled
    // drawing is the embossed grey look: the image's shape (pixels neither masked out nor white) in
    // button-highlight colour one pixel down and right, then in button-shadow colour in place.
    void draw(QPainter& painter, const QPoint& at, int index, bool enabled = true) const;

    // The image as a plain bitmap of the list's size, key-colour pixels kept as they were.
    QImage image(int index) const;
    bool isMasked(int index) const;

    void clear() { m_images.clear(); }

private:
    struct Entry {
        QImage plain; // RGB32 or ARGB32 as the strip came, what image() returns
        QImage drawn; // ARGB32_Premultiplied, masked pixels transparent
        bool masked = false;
        QRgb key = 0;
    };
    int append(const QImage& strip, bool masked, QRgb key);

    QSize m_size;
    std::vector<Entry> m_images;
};
