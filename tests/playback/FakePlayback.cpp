#include "FakePlayback.h"

bool FakeGraph::render(const QString &file)
{
    m_active = true;
    m_state = State::Stopped;
    rendered.append(file);
    return !broken.contains(file);
}

void FakeGraph::clear()
{
    m_active = false;
    m_state = State::Stopped;
}

void FakeGraph::setVolume(int volume)
{
    m_volume = volume;
    volumes.append(volume);
}

void ManualClock::advance(qint64 ms)
{
    const qint64 end = m_now + ms;
    while (true) {
        auto first = m_due.end();
        for (auto it = m_due.begin(); it != m_due.end(); ++it) {
            if (it->second <= end && (first == m_due.end() || it->second < first->second))
                first = it;
        }
        if (first == m_due.end())
            break;
        const Timer timer = first->first;
        m_now = first->second;
        m_due.erase(first);
        engine->timerFired(timer);
    }
    m_now = end;
}
