// A picture control: shows its Picture at its size, stretched, or centred.
#pragma once

#include "framework/TControl.h"

#include <QImage>

class TImage : public TControlBase<QWidget> {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE setCenter)
    Q_PROPERTY(QImage Picture READ Picture WRITE setPicture)
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
public:
    explicit TImage(QWidget* parent = nullptr);

    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    bool Center() const { return m_center; }
    void setCenter(bool center);
    QImage Picture() const { return m_picture; }
    // With AutoSize the control takes the picture's size.
    void setPicture(const QImage& picture);
    bool Stretch() const { return m_stretch; }
    void setStretch(bool stretch);
    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    // Where the picture lands inside `rect` under Stretch and Center.
    QRect pictureRect(const QRect& rect) const;
    void paintImage(QPainter& painter, const QRect& rect) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitToPicture();

    QImage m_picture;
    bool m_autoSize = false;
    bool m_center = false;
    bool m_stretch = false;
    bool m_transparent = false;
};
