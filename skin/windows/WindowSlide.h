// A window sliding up out of its own bottom edge and back down into it, by moving the window and
// masking what lies below that edge; the event loop keeps running while it slides.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <functional>

class QWidget;

// Where a window whose resting place is `home` stands when `visibleHeight` rows of it show: its
// top `visibleHeight` rows just above home's bottom edge, the rest masked away below that edge.
struct SlideFrame {
    QRect geometry; // the window's geometry at this step
    QRect visible; // the unmasked part, in window coordinates (empty: nothing shows)
};
// `progress` runs from 0 (nothing shows) to 1 (the window rests at `home`); values outside are
// clamped. Rows are whole: floor(height x progress).
SlideFrame SlideFrameAt(const QRect& home, double progress);

class WindowSlide : public QObject {
    Q_OBJECT
public:
    enum class Direction { In, Out };
    // Milliseconds on a monotonic clock; tests put time under their own control.
    using Clock = std::function<qint64()>;

    explicit WindowSlide(QWidget* window);
    ~WindowSlide() override;

    // Starts sliding the window in (from what shows now, hidden counting as nothing) or out,
    // over `duration` ms for the whole height; `done` runs once when it has ended. A duration of
    // 0 or less ends at once. A slide already running is replaced without its `done` running.
    void start(Direction direction, int duration, std::function<void()> done);
    // Ends the running slide at once at its end position and runs its `done`.
    void finish();
    // Stops without reaching the end and without `done`; the window keeps what it shows.
    void stop();
    bool running() const { return m_running; }
    Direction direction() const { return m_direction; }

    // The resting place; changing it while sliding moves the slide there.
    void setHome(const QRect& home);
    QRect home() const { return m_home; }
    // How far in the window is (0 .. 1): the share of its height that shows.
    double progress() const { return m_progress; }

    void setClock(Clock clock);
    qint64 now() const;
    // One step at the clock's time; the timer calls it every kStepInterval ms.
    void tick();
    // Geometry updates made since the window was given (for benchmarks).
    int steps() const { return m_steps; }
    const QTimer& timer() const { return m_timer; }

    // 10 ms between steps: 100 updates a second, well above what the eye follows.
    static constexpr int kStepInterval = 10;

private:
    void apply();
    void end();

    QPointer<QWidget> m_window;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
    Clock m_clock;
    QRect m_home;
    Direction m_direction = Direction::In;
    std::function<void()> m_done;
    double m_progress = 0;
    double m_startProgress = 0;
    qint64 m_startTime = 0;
    int m_duration = 0;
    int m_steps = 0;
    bool m_running = false;
};
