#pragma once

#include "MediaFramework.h"

#include <QAudioOutput>
#include <QMediaPlayer>

// A QMediaPlayer with its audio output.
class QtMultimediaPlayer final : public MediaPlayerBackend
{
public:
    QtMultimediaPlayer(QObject *videoOutput, MediaFramework::Events events);

    void setSource(const QString &file) override;
    bool hasSource() const override { return !m_player.source().isEmpty(); }
    void play() override { m_player.play(); }
    void pause() override { m_player.pause(); }
    void stop() override { m_player.stop(); }
    State state() const override;
    void setGain(float gain) override { m_audio.setVolume(gain); }

private:
    QAudioOutput m_audio;
    QMediaPlayer m_player;
};
