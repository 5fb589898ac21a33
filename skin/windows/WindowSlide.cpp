#include "skin/windows/WindowSlide.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <utility>

SlideFrame SlideFrameAt(const QRect& home, double progress)
{
    const double p = std::clamp(progress, 0.0, 1.0);
    const int height = std::max(0, home.height());
    const int shown = std::min(height, int(std::floor(height * p + 1e-9)));
    SlideFrame frame;
    frame.geometry = QRect(home.left(), home.top() + height - shown, home.width(), height);
    if (shown > 0 && home.width() > 0)
        frame.visible = QRect(0, 0, home.width(), shown);
    return frame;
}

WindowSlide::WindowSlide(QWidget* window)
    : QObject(window)
    , m_window(window)
{
    m_timer.setTimerType(Qt::PreciseTimer);
    m_timer.setInterval(kStepInterval);
    connect(&m_timer, &QTimer::timeout, this, &WindowSlide::tick);
    m_elapsed.start();
}

WindowSlide::~WindowSlide() = default;

void WindowSlide::setClock(Clock clock)
{
    m_clock = std::move(clock);
}

qint64 WindowSlide::now() const
{
    return m_clock ? m_clock() : m_elapsed.elapsed();
}

void WindowSlide::start(Direction direction, int duration, std::function<void()> done)
{
    m_direction = direction;
    m_done = std::move(done);
    m_startProgress = m_progress;
    m_startTime = now();
    // The whole height takes `duration`; a slide that starts part of the way takes its share.
    m_duration = std::max(0, duration);
    m_running = true;
    if (m_duration == 0) {
        end();
        return;
    }
    apply();
    // One timer for the window, restarted, never one per slide.
    if (!m_timer.isActive())
        m_timer.start();
}

void WindowSlide::tick()
{
    if (!m_running)
        return;
    const qint64 elapsed = std::max<qint64>(0, now() - m_startTime);
    const double step = double(elapsed) / double(m_duration);
    const double target = m_direction == Direction::In ? 1.0 : 0.0;
    m_progress = m_direction == Direction::In ? std::min(1.0, m_startProgress + step)
                                              : std::max(0.0, m_startProgress - step);
    if (m_progress == target) {
        end();
        return;
    }
    apply();
}

void WindowSlide::finish()
{
    if (m_running)
        end();
}

void WindowSlide::stop()
{
    m_running = false;
    m_timer.stop();
    m_done = nullptr;
}

void WindowSlide::end()
{
    m_progress = m_direction == Direction::In ? 1.0 : 0.0;
    m_running = false;
    m_timer.stop();
    apply();
    // The callback may start another slide or delete the window: nothing of this runs after it.
    if (auto done = std::exchange(m_done, nullptr))
        done();
}

void WindowSlide::setHome(const QRect& home)
{
    m_home = home;
    if (m_window && (m_running || m_window->isVisible()))
        apply();
}

void WindowSlide::apply()
{
    QWidget* window = m_window;
    if (!window)
        return;
    ++m_steps;
    const SlideFrame frame = SlideFrameAt(m_home, m_progress);
    if (frame.visible.isEmpty()) {
        // An empty mask would show the whole window: nothing shows means hidden.
        window->hide();
        window->clearMask();
        window->setGeometry(m_home);
        return;
    }
    window->setGeometry(frame.geometry);
    if (frame.visible.size() == m_home.size())
        window->clearMask();
    else
        window->setMask(QRegion(frame.visible));
    if (!window->isVisible())
        window->show();
}
