// A themed slider: the bar stretched along the control, a thumb moved by clicks, drags and keys,
// tick marks, and an integer Position between Min and Max.
#pragma once

#include "framework/TControl.h"
#include "skin/controls/SuiProgressBarOrientation.h"
#include "skin/styles/SuiThemedControl.h"
#include "skin/styles/Suipublic.h"
#include "skin/controls/OffscreenPaint.h"

#include <QImage>
#include <cstdint>

class QTimer;
class TsuiImagePanel;

class TsuiTrackBar : public TControlBase<QWidget>, public SuiBackdrop {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(
        SuiBars::TsuiProgressBarOrientation Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(QImage BarImage READ BarImage WRITE SetBarImage)
    Q_PROPERTY(QImage SliderImage READ SliderImage WRITE SetSliderImage)
    Q_PROPERTY(int Max READ Max WRITE SetMax)
    Q_PROPERTY(int Min READ Min WRITE SetMin)
    Q_PROPERTY(int Position READ Position WRITE SetPosition)
    Q_PROPERTY(int PageSize READ PageSize WRITE SetPageSize)
    Q_PROPERTY(int LineSize READ LineSize WRITE SetLineSize)
    Q_PROPERTY(bool ShowTick READ ShowTick WRITE SetShowTick)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int Frequency READ Frequency WRITE SetFrequency)
    Q_PROPERTY(FormMethod OnChange READ onChangeHandler WRITE setOnChangeHandler)
public:
    explicit TsuiTrackBar(QWidget* parent = nullptr);
    ~TsuiTrackBar() override;

    Event<> OnChange;

    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme) { m_theme.setFileTheme(theme); }

    TsuiProgressBarOrientation Orientation() const { return m_orientation; }
    void SetOrientation(TsuiProgressBarOrientation orientation);
    QImage BarImage() const { return m_barImage; }
    void SetBarImage(const QImage& image);
    QImage SliderImage() const;
    virtual void SetSliderImage(const QImage& image);

    int Max() const { return m_max; }
    void SetMax(int value);
    int Min() const { return m_min; }
    void SetMin(int value);
    int Position() const { return m_position; }
    void SetPosition(int value);
    int PageSize() const { return m_pageSize; }
    void SetPageSize(int value);
    int LineSize() const { return m_lineSize; }
    void SetLineSize(int value);
    bool ShowTick() const { return m_showTick; }
    void SetShowTick(bool show);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    int Frequency() const { return m_frequency; }
    void SetFrequency(int frequency);
    // The difference at the latest OnChange (saturated to 32 bits).
    int LastChange() const { return m_lastChange; }

    FormMethod onChangeHandler() const { return OnChange.method(); }
    void setOnChangeHandler(const FormMethod& m) { OnChange.bind(m); }

    // The thumb's top-left for the current Position.
    QPoint SliderPlace() const;
    // The position under a point of the control, unclamped (64-bit: may lie outside 32 bits).
    int64_t PointToPosition(const QPoint& point) const;
    TsuiImagePanel* Slider() const { return m_slider; }
    bool hasRepeatTimer() const { return m_timer != nullptr; }
    bool isDragging() const { return m_dragging; }

    // The bar, focus cue and ticks at the control's size (the thumb is a child and paints itself).
    void PaintTrack(QPainter& painter, const QRect& rect) const;
    // The slider shows the track under it: the track paints itself into the slider's canvas.
    void PaintBackdrop(QPainter& canvas) const override { PaintTrack(canvas, rect()); }

    QSize sizeHint() const override { return size(); }

protected:
    virtual void UpdatePicture();
    virtual bool CustomPicture() const { return false; }
    virtual bool SliderTransparent() const { return m_orientation == suiHorizontal; }
    // Bitmap, size, thumb place, repaint: what most property writes need.
    void UpdateControl();

    void paintEvent(QPaintEvent* event) override;
    void resized() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    QImage m_barImage;

private:
    void styleReloaded();
    void prepareBarBitmap();
    void placeSlider(bool repaint);
    void announce();
    bool loading() const;
    void pageToward(const QPoint& point, int64_t step);
    void repeatTick();
    void stopRepeat();
    void setClamped(int64_t value);
    void paintTicks(QPainter& canvas, const QSize& size) const;
    // The whole look at the canvas's origin, without a clip of its own.
    void paintLook(QPainter& canvas, const QSize& size) const;
    // Painted off screen and copied in one draw: in its own image the focus outline is inverted
    // straight in memory, which costs a fraction of inverting it point by point on screen.
    OffscreenPaint m_offscreen;

    TsuiImagePanel* m_slider = nullptr;
    QTimer* m_timer = nullptr;
    QImage m_barBitmap;
    QPoint m_lastMouse;
    int m_min = 0;
    int m_max = 10;
    int m_position = 0;
    int m_lastReported = 0;
    int m_lastChange = 0;
    int m_pageSize = 2;
    int m_lineSize = 1;
    int m_frequency = 1;
    TsuiProgressBarOrientation m_orientation = suiHorizontal;
    bool m_showTick = true;
    bool m_transparent = false;
    bool m_dragging = false;
    bool m_updating = false;
    SuiThemedControl m_theme { this, [this] { styleReloaded(); } };
};
