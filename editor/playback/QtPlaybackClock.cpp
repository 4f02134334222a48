#include "QtPlaybackClock.h"

QtPlaybackClock::QtPlaybackClock(std::function<void(Timer)> fired)
{
    m_clock.start();
    for (int t = 0; t < TimerCount; ++t) {
        m_timers[t].setSingleShot(true);
        m_timers[t].setTimerType(Qt::PreciseTimer);
        QObject::connect(&m_timers[t], &QTimer::timeout, [fired, t] { fired(Timer(t)); });
    }
}
