#pragma once

#include "MediaGraph.h"
#include "PlaybackClock.h"
#include "PlaybackEngine.h"

#include <map>

#include <QStringList>

// A graph that records what it was asked and ends when the test says so.
class FakeGraph final : public MediaGraph
{
public:
    bool render(const QString &file) override;
    void run() override { m_state = State::Running; }
    void pause() override { m_state = State::Paused; }
    void stop() override { m_state = State::Stopped; }
    void clear() override;
    bool isActive() const override { return m_active; }
    State state() const override { return m_state; }
    void setVolume(int volume) override;
    int volume() const override { return m_volume; }
    void complete() { Q_EMIT completed(); }

    QStringList rendered;
    QList<int> volumes;
    // Files whose rendering fails.
    QStringList broken;

private:
    bool m_active = false;
    State m_state = State::Stopped;
    int m_volume = 10000;
};

// A clock that moves only when told, firing the due timers in order.
class ManualClock final : public PlaybackClock
{
public:
    qint64 nowMs() const override { return m_now; }
    void start(Timer timer, int ms) override { m_due[timer] = m_now + ms; }
    void stop(Timer timer) override { m_due.erase(timer); }
    bool running(Timer timer) const { return m_due.count(timer) != 0; }
    // Moves time on by ms, firing every timer that falls due on the way.
    void advance(qint64 ms);

    PlaybackEngine *engine = nullptr;

private:
    qint64 m_now = 0;
    std::map<Timer, qint64> m_due;
};
