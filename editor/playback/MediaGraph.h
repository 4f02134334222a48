#pragma once

#include <QObject>
#include <QString>

// One media player as the playback engine drives it: a file rendered into
// it, run, paused and stopped asynchronously, its volume on the 0..10000
// scale (0 dB at 10000), and one completed() when the stream has reached
// its end. A graph is active from render() until clear().
class MediaGraph : public QObject
{
    Q_OBJECT

public:
    enum class State { Stopped, Paused, Running };

    using QObject::QObject;

    // Loads the file; false when it cannot be played. The graph is active
    // either way, as a graph that failed to render is.
    virtual bool render(const QString &file) = 0;
    virtual void run() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    // Stops and forgets the file: the graph is no longer active.
    virtual void clear() = 0;
    virtual bool isActive() const = 0;
    virtual State state() const = 0;
    virtual void setVolume(int volume) = 0;
    virtual int volume() const = 0;

Q_SIGNALS:
    void completed();
    // The file rendered turned out not to be playable (the player said so
    // after render() had taken it).
    void failed();
};
