// The titled collapsible panel: a skin title band with the caption and a push/pop button. Pushing
// animates the panel down to its title band, popping back to the stored height; the animation runs
// on a timer, so the event loop is never held up and a destroyed panel simply stops animating.
#pragma once

#include "framework/BitmapOps.h"
#include "framework/Event.h"
#include "framework/TPanel.h"
#include "skin/styles/SuiThemedControl.h"
#include "skin/controls/OffscreenPaint.h"

#include <QImage>
#include <QTimer>

class TsuiPanel : public TPanel {
    Q_OBJECT
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(QColor BorderColor READ BorderColor WRITE SetBorderColor)
    Q_PROPERTY(bool ShowButton READ ShowButton WRITE SetShowButton)
    // The full (popped) height, whatever the panel shows now.
    Q_PROPERTY(int Height READ StoredHeight WRITE SetStoredHeight)
    Q_PROPERTY(QColor CaptionFontColor READ CaptionFontColor WRITE SetCaptionFontColor)
    Q_PROPERTY(FormMethod OnPush READ onPushHandler WRITE setOnPushHandler)
    Q_PROPERTY(FormMethod OnPop READ onPopHandler WRITE setOnPopHandler)
public:
    // Pixels per animation step, and the time between steps.
    static constexpr int kAnimationStep = 15;
    static constexpr int kDefaultStepInterval = 10;

    explicit TsuiPanel(QWidget* parent = nullptr);

    Event<> OnPush;
    Event<> OnPop;

    TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style) { m_theme.setUIStyle(style); }
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme);
    QColor BorderColor() const { return m_borderColor; }
    void SetBorderColor(const QColor& color);
    bool ShowButton() const { return m_showButton; }
    void SetShowButton(bool show);
    int StoredHeight() const { return m_storedHeight; }
    void SetStoredHeight(int height);
    QColor CaptionFontColor() const { return m_captionFontColor; }
    void SetCaptionFontColor(const QColor& color);

    // Starts the animation down to the title band; refused (OrlendaException) for a panel docked
    // to the client area or a side. OnPush fires when it ends.
    void Push();
    // Starts the animation back to the stored height; OnPop fires when it ends.
    void Pop();
    bool GetPushed() const { return !m_expanded; }
    bool IsAnimating() const { return m_animating; }

    // One step of the running animation; false when none runs. The timer calls it; tests drive
    // the animation with it, step by step.
    bool AnimateStep();
    // Runs the rest of the animation at once.
    void FinishAnimation();
    int StepInterval() const { return m_timer.interval(); }
    void SetStepInterval(int milliseconds) { m_timer.setInterval(qMax(0, milliseconds)); }

    QImage TitleBitmap() const { return m_title; }
    int TitleHeight() const { return BitmapOps::logicalSize(m_title).height(); }
    // Where the push/pop button reacts to the mouse (all four edges included).
    QRect ButtonHitRect() const;
    bool ButtonHover() const { return m_buttonHover; }

    // The look at the current size, painted into `rect` of any painter.
    void PaintTitledPanel(QPainter& painter, const QRect& rect) const;

    FormMethod onPushHandler() const { return OnPush.method(); }
    void setOnPushHandler(const FormMethod& method) { OnPush.bind(method); }
    FormMethod onPopHandler() const { return OnPop.method(); }
    void setOnPopHandler(const FormMethod& method) { OnPop.bind(method); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resized() override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    enum class Motion { None, Pushing, Popping };

    void styleReloaded();
    bool buttonShown() const;
    void setCurrentHeight(int height);
    void finishMotion();

    SuiThemedControl m_theme { this, [this] { styleReloaded(); } };
    QImage m_title;
    QImage m_buttonStrip;
    QColor m_borderColor;
    QColor m_captionFontColor;
    QTimer m_timer;
    QMetaObject::Connection m_themeRemoval;
    OffscreenPaint m_offscreen;
    Motion m_motion = Motion::None;
    int m_storedHeight = 100;
    bool m_showButton = true;
    bool m_buttonHover = false;
    bool m_expanded = true;
    bool m_animating = false;
    bool m_assigningTheme = false;
};
