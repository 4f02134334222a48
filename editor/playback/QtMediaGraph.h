#pragma once

#include "MediaGraph.h"
#include "MediaPlayerBackend.h"

#include <functional>
#include <memory>

// A media graph over Qt Multimedia (through the media framework's plug-in):
// one player with its audio output. Loading and starting run on the
// player's own threads. The end of a stream comes from the player's
// end-of-media status; an error is logged (category "quillan.playback") and
// reported as failed(), so the engine can move on. The player is made
// when a file is first rendered: starting the media framework takes longer
// than showing the window. Without the plug-in no file renders.
class QtMediaGraph final : public MediaGraph
{
    Q_OBJECT

public:
    explicit QtMediaGraph(QObject *parent = nullptr);
    ~QtMediaGraph() override;

    bool render(const QString &file) override;
    void run() override;
    void pause() override;
    void stop() override;
    void clear() override;
    bool isActive() const override { return m_active; }
    State state() const override;
    void setVolume(int volume) override;
    int volume() const override { return m_volume; }

    // Where a video graph's pictures go (the framework's video widget),
    // asked for when the player is made.
    void setVideoOutput(std::function<QObject *()> output) { m_videoOutput = std::move(output); }

    // The linear gain of a graph volume: 10^((v - 10000) / 2000).
    static float gainOf(int volume);

private:
    MediaPlayerBackend *player();

    std::function<QObject *()> m_videoOutput;
    std::unique_ptr<MediaPlayerBackend> m_player;
    bool m_active = false;
    // failed() was sent for the file rendered last.
    bool m_failed = false;
    int m_volume = 10000;
};
