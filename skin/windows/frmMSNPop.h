// The notice window: a borderless stay-on-top picture with a title line and a centred,
// word-wrapped message, sliding up out of its bottom edge, staying, and sliding away.
#pragma once

#include "framework/TForm.h"
#include "framework/TLabel.h"
#include "skin/windows/WindowSlide.h"

#include <QImage>
#include <QTimer>
#include <functional>

class TfrmMSNPopForm : public TForm {
    Q_OBJECT
public:
    // Where it stands: sliding in, resting, sliding out, or not on screen.
    enum class State { Hidden, SlidingIn, Shown, SlidingOut };

    explicit TfrmMSNPopForm(QWidget* owner = nullptr);
    ~TfrmMSNPopForm() override;

    TLabel* lbl_title = nullptr;
    TLabel* lbl_text = nullptr;
    // Checks every 100 ms whether the stay is over.
    QTimer* Timer1 = nullptr;

    // Copied from the component before showing.
    int AnimateTime() const { return m_animateTime; }
    void SetAnimateTime(int time) { m_animateTime = time; }
    int StayTime() const { return m_stayTime; }
    void SetStayTime(int time) { m_stayTime = time; }
    bool ClickHide() const { return m_clickHide; }
    void SetClickHide(bool hide) { m_clickHide = hide; }

    // The resting place's top-left corner (screen pixels); a sliding window follows it.
    void SetHome(const QPoint& topLeft);
    QRect Home() const { return m_slide->home(); }
    // The window's default place: on the bottom of the work area, 18 pixels from its right
    // edge, and never further left or up than the work area's own corner.
    static QPoint AutoHome(const QRect& workArea, const QSize& size);

    // Slides in (or, while sliding out, ends that hide and slides in again); while in, the
    // window only moves to its new home and the stay goes on.
    void ShowNotice();
    // Stops the stay and slides out; nothing when it is not on screen or already going.
    void HideNotice();
    // Takes it off screen at once, without the slide.
    void HideNow();
    State state() const { return m_state; }

    // Run when the window has left the screen, after the slide-out or at once.
    std::function<void()> OnHidden;
    // A click on the window itself (not on a label), and on the two labels.
    std::function<void()> OnFormClick;
    std::function<void()> OnTextClick;
    std::function<void()> OnTitleClick;

    // The close box of the picture: presses inside close the window at once.
    static QRect CloseBox() { return QRect(162, 6, 14, 14); }

    // Time: the slide and the stay read one clock, which tests replace.
    void SetClock(WindowSlide::Clock clock);
    WindowSlide* Slide() const { return m_slide; }
    // The tick count at the end of the slide-in.
    qint64 ShownAt() const { return m_shownAt; }
    // The timer's check, as it runs every 100 ms.
    void Timer1Timer();

    // The window's picture with its labels, as the screen shows it at rest.
    void PaintNotice(QPainter& painter) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void Click() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    void FormHide();
    void hidden();

    WindowSlide* m_slide = nullptr;
    QImage m_background;
    qint64 m_shownAt = 0;
    int m_animateTime = 400;
    int m_stayTime = 2000;
    bool m_closedByCloseBox = false;
    bool m_clickHide = false;
    State m_state = State::Hidden;
};
