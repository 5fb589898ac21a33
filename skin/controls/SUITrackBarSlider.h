// The thumb of a track bar: a child that shows one picture at the picture's size. Presses pass
// through to the track bar, which tells a press on the thumb from one on the bar.
#pragma once

#include <QImage>
#include <QWidget>

class TsuiTrackBarSlider : public QWidget {
    Q_OBJECT
public:
    explicit TsuiTrackBarSlider(QWidget* parent);

    QImage Picture() const { return m_picture; }
    void SetPicture(const QImage& picture);
    // Leaves out the key colour (magenta) so the bar shows round a shaped thumb.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void fitPicture();

    QImage m_picture;
    bool m_transparent = false;
    bool m_autoSize = true;
};
