#include "QtMultimediaPlayer.h"

#include <QUrl>

QtMultimediaPlayer::QtMultimediaPlayer(QObject *videoOutput, MediaFramework::Events events)
{
    m_player.setAudioOutput(&m_audio);
    if (videoOutput)
        m_player.setVideoOutput(videoOutput);
    // Both reports wait until the player's own handling of its status is
    // over: the engine answers an end by setting the next file, and doing
    // that from inside the player's status change raced its video output
    // (the next clip now and then never showed and never ended). A report
    // about a file no longer loaded is dropped.
    QObject::connect(&m_player, &QMediaPlayer::mediaStatusChanged, &m_player,
        [this, ended = std::move(events.ended)](QMediaPlayer::MediaStatus status) {
            if (status != QMediaPlayer::EndOfMedia)
                return;
            QMetaObject::invokeMethod(
                &m_player,
                [this, ended] {
                    if (m_player.mediaStatus() == QMediaPlayer::EndOfMedia)
                        ended();
                },
                Qt::QueuedConnection);
        });
    QObject::connect(&m_player, &QMediaPlayer::errorOccurred, &m_player,
        [this, failed = std::move(events.failed)](QMediaPlayer::Error, const QString &why) {
            const QUrl source = m_player.source();
            QMetaObject::invokeMethod(
                &m_player,
                [this, failed, source, why] {
                    if (m_player.source() == source)
                        failed(source.toLocalFile(), why);
                },
                Qt::QueuedConnection);
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
