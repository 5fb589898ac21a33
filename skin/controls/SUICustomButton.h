// What every skinned push button shares: hover/pressed state, keyboard and dialog keys, the
// auto-repeat timer, the off-screen paint pipeline, focus cue and modal result.
#pragma once

#include "framework/TControl.h"
#include "skin/controls/SUIDialogKeys.h"
#include "skin/styles/SuiThemedControl.h"
#include "skin/controls/OffscreenPaint.h"

#include <QImage>
#include <QPointer>

class QAction;
class QTimer;

class TsuiCustomButton : public TControlBase<QWidget>, public SuiDialogKeyClient {
    Q_OBJECT
    ORLENDA_CONTROL_PROPERTIES
    Q_PROPERTY(SuiThemes::TsuiUIStyle UIStyle READ UIStyle WRITE SetUIStyle)
    Q_PROPERTY(TsuiFileTheme* FileTheme READ FileTheme WRITE SetFileTheme)
    Q_PROPERTY(bool Cancel READ Cancel WRITE SetCancel)
    Q_PROPERTY(bool Default READ Default WRITE SetDefault)
    Q_PROPERTY(QAction* Action READ Action WRITE SetAction)
    Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)
    Q_PROPERTY(int ModalResult READ ModalResult WRITE SetModalResult)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(int FocusedRectMargin READ FocusedRectMargin WRITE SetFocusedRectMargin)
    Q_PROPERTY(int MouseContinuouslyDownInterval READ MouseContinuouslyDownInterval WRITE
            SetMouseContinuouslyDownInterval)
    Q_PROPERTY(FormMethod OnMouseEnter READ onMouseEnterHandler WRITE setOnMouseEnterHandler)
    Q_PROPERTY(FormMethod OnMouseExit READ onMouseExitHandler WRITE setOnMouseExitHandler)
    Q_PROPERTY(FormMethod OnMouseContinuouslyDown READ onMouseContinuouslyDownHandler WRITE
            setOnMouseContinuouslyDownHandler)
    Q_PROPERTY(uint ResHandle READ ResHandle WRITE SetResHandle)
public:
    explicit TsuiCustomButton(QWidget* parent = nullptr);
    ~TsuiCustomButton() override;

    Event<> OnMouseEnter;
    Event<> OnMouseExit;
    Event<> OnMouseContinuouslyDown;

    virtual TsuiUIStyle UIStyle() const { return m_theme.uiStyle(); }
    void SetUIStyle(TsuiUIStyle style);
    TsuiFileTheme* FileTheme() const { return m_theme.fileTheme(); }
    void SetFileTheme(TsuiFileTheme* theme);
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool cancel) { m_cancel = cancel; }
    bool Default() const { return m_default; }
    void SetDefault(bool value) { m_default = value; }
    QAction* Action() const { return m_action; }
    void SetAction(QAction* action);
    QString Caption() const { return m_caption; }
    void SetCaption(const QString& caption);
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool PicTransparent() const { return m_picTransparent; }
    void SetPicTransparent(bool transparent);
    int ModalResult() const { return m_modalResult; }
    void SetModalResult(int result) { m_modalResult = result; }
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    int FocusedRectMargin() const { return m_focusedRectMargin; }
    void SetFocusedRectMargin(int margin);
    int MouseContinuouslyDownInterval() const { return m_repeatInterval; }
    void SetMouseContinuouslyDownInterval(int interval) { m_repeatInterval = interval; }
    // Hides the control's own: see the .cpp.
    void setTabStop(bool stop);
    // Kept for descriptions that store it; the button holds no resource handle.
    uint ResHandle() const { return 0; }
    void SetResHandle(uint) { }

    FormMethod onMouseEnterHandler() const { return OnMouseEnter.method(); }
    void setOnMouseEnterHandler(const FormMethod& m) { OnMouseEnter.bind(m); }
    FormMethod onMouseExitHandler() const { return OnMouseExit.method(); }
    void setOnMouseExitHandler(const FormMethod& m) { OnMouseExit.bind(m); }
    FormMethod onMouseContinuouslyDownHandler() const { return OnMouseContinuouslyDown.method(); }
    void setOnMouseContinuouslyDownHandler(const FormMethod& m) { OnMouseContinuouslyDown.bind(m); }

    bool isHovered() const { return m_hover; }
    bool isPressed() const { return m_pressed; }
    bool hasRepeatTimer() const { return m_repeatTimer != nullptr; }
    // Whether Enter clicks this button now: the focused TsuiButton of the form alone, or, while
    // the focus is on anything else, the Default button.
    bool isActiveDefault() const;

    // Ends a press, writes ModalResult into the form, then OnClick or the action.
    void Click() override;

    // The button's whole look in its current state, drawn into `rect` of `painter` as if the
    // button were rect's size.
    void PaintButton(QPainter& painter, const QRect& rect) const;

    // Layouts keep the size the button was given (or sized itself to).
    QSize sizeHint() const override { return size(); }

    bool DialogKey(int key, Qt::KeyboardModifiers modifiers) override;
    bool DialogChar(QChar character) override;

protected:
    // What one paint carries between the steps (the focus cue may turn the caption bold, the
    // picture step places the caption).
    struct PaintState {
        QSize size;
        bool boldCaption = false;
        QPoint captionOrigin;
    };

    // The frame to show: disabled, else pressed, else hover, else normal.
    void FrameForState(QImage& frame) const;
    virtual void PaintButtonNormal(QImage& frame) const;
    virtual void PaintButtonMouseOn(QImage& frame) const;
    virtual void PaintButtonMouseDown(QImage& frame) const;
    virtual void PaintButtonDisabled(QImage& frame) const;
    virtual void PaintPic(QPainter& canvas, const QImage& frame, PaintState& state) const;
    virtual void PaintText(QPainter& canvas, const QString& text, PaintState& state) const;
    virtual void PaintFocus(QPainter& canvas, PaintState& state) const;

    virtual void AutoSizeChanged();
    virtual void CaptionChanged() { }
    virtual void FontChanged() { update(); }
    virtual void TransparentChanged() { SetPicTransparent(m_transparent); }
    virtual void EnableChanged() { }
    virtual void UIStyleChanged() { }
    virtual void ActionChange();
    // The items a style change reloads; the base keeps the three ButtonImage frames.
    virtual void ReloadTheme();

    const SuiThemedControl& theme() const { return m_theme; }
    SuiThemedControl& theme() { return m_theme; }
    // Whether the focus cue of a TsuiButton applies (the active-default rule asks it).
    virtual bool IsDialogButton() const { return false; }

    // The skin frame scaled over `size` by SpitDraw, kept for the next paint of the same frame
    // and size: hover and press switch between three frames at mouse speed.
    void DrawSkinFrame(QPainter& canvas, const QImage& frame, const QSize& size) const;

    // Draws a caption the way every button does without a glyph: centred, engraved when disabled.
    void PaintCenteredCaption(QPainter& canvas, const QString& text, const PaintState& state) const;

    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    QImage m_frames[3]; // ButtonImage frames 1..3 of the current style

private:
    void styleReloaded();
    void stopRepeat();
    void repeatTick();
    void setCaptionFromAction();

    SuiThemedControl m_theme { this, [this] { styleReloaded(); } };
    QString m_caption;
    int m_acceleratorId = 0;
    QPointer<QAction> m_action;
    QTimer* m_repeatTimer = nullptr;
    OffscreenPaint m_offscreen;
    struct ScaledFrame {
        qint64 key = 0;
        QSize size;
        bool transparent = false;
        QImage image;
    };
    mutable ScaledFrame m_scaled[3];
    int m_modalResult = 0;
    int m_repeatInterval = 100;
    int m_focusedRectMargin = 2;
    bool m_autoSize = false;
    bool m_cancel = false;
    bool m_default = false;
    bool m_transparent = false;
    bool m_picTransparent = false;
    bool m_hover = false;
    bool m_pressed = false;
    bool m_leftDown = false;
};
