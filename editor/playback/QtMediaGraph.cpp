#include "QtMediaGraph.h"

#include "PlaybackLog.h"

#include "MediaFramework.h"

#include <QFileInfo>

#include <cmath>

QtMediaGraph::QtMediaGraph(QObject *parent)
    : MediaGraph(parent)
{ }

QtMediaGraph::~QtMediaGraph() = default;

MediaPlayerBackend *QtMediaGraph::player()
{
    if (m_player)
        return m_player.get();
    MediaFramework *framework = MediaFramework::instance();
    if (!framework)
        return nullptr;
    MediaFramework::Events events;
    events.ended = [this] {
        if (m_active)
            Q_EMIT completed();
    };
    events.failed = [this](const QString &file, const QString &why) {
        qCWarning(lcPlayback) << file << why;
        // A player may give several reasons for one file.
        if (m_active && !m_failed) {
            m_failed = true;
            Q_EMIT failed();
        }
    };
    m_player = framework->makePlayer(m_videoOutput ? m_videoOutput() : nullptr, std::move(events));
    m_player->setGain(gainOf(m_volume));
    return m_player.get();
}

bool QtMediaGraph::render(const QString &file)
{
    m_active = true;
    m_failed = false;
    if (!QFileInfo(file).isFile()) {
        qCWarning(lcPlayback) << file << "is not a file";
        if (m_player)
            m_player->setSource({});
        return false;
    }
    MediaPlayerBackend *backend = player();
    if (!backend)
        return false;
    backend->setSource(file);
    return true;
}

void QtMediaGraph::run()
{
    if (m_player && m_player->hasSource())
        m_player->play();
}

void QtMediaGraph::pause()
{
    if (m_player && m_player->hasSource())
        m_player->pause();
}

void QtMediaGraph::stop()
{
    if (m_player)
        m_player->stop();
}

void QtMediaGraph::clear()
{
    m_active = false;
    if (m_player) {
        m_player->stop();
        m_player->setSource({});
    }
}

MediaGraph::State QtMediaGraph::state() const
{
    if (!m_player)
        return State::Stopped;
    switch (m_player->state()) {
    case MediaPlayerBackend::State::Playing:
        return State::Running;
    case MediaPlayerBackend::State::Paused:
        return State::Paused;
    case MediaPlayerBackend::State::Stopped:
        break;
    }
    return State::Stopped;
}

float QtMediaGraph::gainOf(int volume)
{
    return float(std::pow(10.0, (std::clamp(volume, 0, 10000) - 10000) / 2000.0));
}

void QtMediaGraph::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, 10000);
    if (m_player)
        m_player->setGain(gainOf(m_volume));
}
