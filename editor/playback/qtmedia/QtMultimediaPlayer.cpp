#include "QtMultimediaPlayer.h"

#include <QUrl>

QtMultimediaPlayer::QtMultimediaPlayer(QObject *videoOutput, MediaFramework::Events events)
{
    m_player.setAudioOutput(&m_audio);
    if (videoOutput)
        m_player.setVideoOutput(videoOutput);
    QObject::connect(&m_player, &QMediaPlayer::mediaStatusChanged, &m_player,
        [ended = std::move(events.ended)](QMediaPlayer::MediaStatus status) {
            if (status == QMediaPlayer::EndOfMedia)
                ended();
        });
    QObject::connect(&m_player, &QMediaPlayer::errorOccurred, &m_player,
        [this, failed = std::move(events.failed)](QMediaPlayer::Error, const QString &why) {
            failed(m_player.source().toLocalFile(), why);
        });
}

void QtMultimediaPlayer::setSource(const QString &file)
{
    m_player.setSource(file.isEmpty() ? QUrl() : QUrl::fromLocalFile(file));
}

MediaPlayerBackend::State QtMultimediaPlayer::state() const
{
    switch (m_player.playbackState()) {
    case QMediaPlayer::PlayingState:
        return State::Playing;
    case QMediaPlayer::PausedState:
        return State::Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return State::Stopped;
}
