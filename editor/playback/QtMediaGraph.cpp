#include "QtMediaGraph.h"

#include "PlaybackLog.h"

#include <QAudioOutput>
#include <QFileInfo>
#include <QMediaPlayer>
#include <QUrl>

#include <cmath>

QtMediaGraph::QtMediaGraph(QObject *parent)
    : MediaGraph(parent)
{ }

QtMediaGraph::~QtMediaGraph() = default;

QMediaPlayer &QtMediaGraph::player()
{
    if (m_player)
        return *m_player;
    m_audio = std::make_unique<QAudioOutput>();
    m_audio->setVolume(gainOf(m_volume));
    m_player = std::make_unique<QMediaPlayer>();
    m_player->setAudioOutput(m_audio.get());
    if (m_videoOutput)
        m_player->setVideoOutput(m_videoOutput());
    connect(m_player.get(), &QMediaPlayer::mediaStatusChanged, this,
        [this](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia && m_active)
                Q_EMIT completed();
        });
    connect(m_player.get(), &QMediaPlayer::errorOccurred, this,
        [this](QMediaPlayer::Error, const QString &why) {
            qCWarning(lcPlayback) << m_player->source().toLocalFile() << why;
        });
    return *m_player;
}

bool QtMediaGraph::render(const QString &file)
{
    m_active = true;
    if (!QFileInfo(file).isFile()) {
        qCWarning(lcPlayback) << file << "is not a file";
        if (m_player)
            m_player->setSource({});
        return false;
    }
    player().setSource(QUrl::fromLocalFile(file));
    return true;
}

void QtMediaGraph::run()
{
    if (m_player && !m_player->source().isEmpty())
        m_player->play();
}

void QtMediaGraph::pause()
{
    if (m_player && !m_player->source().isEmpty())
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
    switch (m_player->playbackState()) {
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
    if (m_audio)
        m_audio->setVolume(gainOf(m_volume));
}
