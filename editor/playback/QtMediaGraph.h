#pragma once

#include "MediaGraph.h"

#include <QAudioOutput>
#include <QMediaPlayer>

// A media graph over Qt Multimedia: one QMediaPlayer with its audio output.
// Loading and starting run on the player's own threads. The end of a
// stream comes from the player's end-of-media status; errors are logged
// (category "quillan.playback") and otherwise swallowed, as the engine
// expects of a graph.
class QtMediaGraph final : public MediaGraph
{
    Q_OBJECT

public:
    explicit QtMediaGraph(QObject *parent = nullptr);

    bool render(const QString &file) override;
    void run() override;
    void pause() override;
    void stop() override;
    void clear() override;
    bool isActive() const override { return m_active; }
    State state() const override;
    void setVolume(int volume) override;
    int volume() const override { return m_volume; }

    // Where a video graph's pictures go (a QVideoWidget or a QVideoSink).
    QMediaPlayer &player() { return m_player; }

    // The linear gain of a graph volume: 10^((v - 10000) / 2000).
    static float gainOf(int volume);

private:
    QMediaPlayer m_player;
    QAudioOutput m_audio;
    bool m_active = false;
    int m_volume = 10000;
};
