#include "QtMediaGraph.h"

#include "PlaybackLog.h"

#include <QFileInfo>
#include <QUrl>

#include <cmath>

QtMediaGraph::QtMediaGraph(QObject *parent)
    : MediaGraph(parent)
{
    m_player.setAudioOutput(&m_audio);
    connect(&m_player, &QMediaPlayer::mediaStatusChanged, this,
        [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia && m_active)
                Q_EMIT completed();
        });
    connect(&m_player, &QMediaPlayer::errorOccurred, this,
        [this](QMediaPlayer::Error, const QString &why) {
            qCWarning(lcPlayback) << m_player.source().toLocalFile() << why;
        });
}

bool QtMediaGraph::render(const QString &file)
{
    m_active = true;
    if (!QFileInfo(file).isFile()) {
        qCWarning(lcPlayback) << file << "is not a file";
        m_player.setSource({});
        return false;
    }
    m_player.setSource(QUrl::fromLocalFile(file));
    return true;
}

void QtMediaGraph::run()
{
    if (!m_player.source().isEmpty())
        m_player.play();
}

void QtMediaGraph::pause()
{
    if (!m_player.source().isEmpty())
        m_player.pause();
}

void QtMediaGraph::stop()
{
    m_player.stop();
}

void QtMediaGraph::clear()
{
    m_active = false;
    m_player.stop();
    m_player.setSource({});
}

MediaGraph::State QtMediaGraph::state() const
{
    switch (m_player.playbackState()) {
    case QMediaPlayer::PlayingState:
        return State::Running;
    case QMediaPlayer::PausedState:
        return State::Paused;
    case QMediaPlayer::StoppedState:
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
    m_audio.setVolume(gainOf(m_volume));
}
