#pragma once

#include "PlaybackClock.h"

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

// The engine's clock on the event loop: one single-shot QTimer per timer,
// each firing back through `fired`.
class QtPlaybackClock final : public PlaybackClock
{
public:
    explicit QtPlaybackClock(std::function<void(Timer)> fired);

    qint64 nowMs() const override { return m_clock.elapsed(); }
    void start(Timer timer, int ms) override { m_timers[timer].start(std::max(ms, 0)); }
    void stop(Timer timer) override { m_timers[timer].stop(); }

private:
    QElapsedTimer m_clock;
    QTimer m_timers[TimerCount];
};
