// A list of equal-sized images, loaded from one picture strip cut into Width-wide images.
#pragma once

#include "framework/Component.h"

#include <QIcon>
#include <QImage>
#include <QList>
#include <QObject>

class TImageList : public QObject, public Component {
    Q_OBJECT
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    // Masked strips without alpha take the bottom-left pixel's colour as transparent.
    Q_PROPERTY(bool Masked READ Masked WRITE setMasked)
    Q_PROPERTY(QImage Bitmap READ Bitmap WRITE setBitmap)
public:
    explicit TImageList(QObject* owner = nullptr);

    int Width() const { return m_width; }
    void setWidth(int width);
    int Height() const { return m_height; }
    void setHeight(int height);
    bool Masked() const { return m_masked; }
    void setMasked(bool masked);
    // The strip the images were cut from (all images side by side).
    QImage Bitmap() const { return m_strip; }
    void setBitmap(const QImage& strip);

    int Count() const { return int(m_images.size()); }
    QImage image(int index) const { return m_images.value(index); }
    QIcon icon(int index) const;
    // Adds the whole Width x Height frames of `strip` (BitmapOps::stripFrames); a partial image
    // at the right end is dropped.
    void Add(const QImage& strip);
    void Clear();

Q_SIGNALS:
    void changed();

private:
    void rebuild();

    QImage m_strip;
    QList<QImage> m_images;
    // One icon per image, made on first use: a tree gives the same icon to hundreds of nodes.
    mutable QList<QIcon> m_icons;
    int m_width = 16;
    int m_height = 16;
    bool m_masked = true;
};
