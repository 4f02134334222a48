#pragma once

#include <QString>

// One player of the media framework with its sound output, as a media graph
// drives it. Made by the media framework's plug-in.
class MediaPlayerBackend
{
public:
    enum class State { Stopped, Playing, Paused };

    virtual ~MediaPlayerBackend() = default;

    // An empty name forgets the file.
    virtual void setSource(const QString &file) = 0;
    virtual bool hasSource() const = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual State state() const = 0;
    // Linear: 1 is full volume.
    virtual void setGain(float gain) = 0;
};
