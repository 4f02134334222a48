#pragma once

#include <QtGlobal>

// The engine's time: a millisecond clock and its one-shot timers, which the
// host fires back into the engine. Tests drive it by hand.
class PlaybackClock
{
public:
    enum Timer {
        Main, // ends stills and stills with sound
        Member, // steps through member photos
        Progress, // the progress marker, every 500 ms while it runs
        Back, // skips background music that cannot be played
        Fade, // one step of a sound's fade-out
        TimerCount
    };

    virtual ~PlaybackClock() = default;
    virtual qint64 nowMs() const = 0;
    // Starts or restarts a timer to fire once after ms.
    virtual void start(Timer timer, int ms) = 0;
    virtual void stop(Timer timer) = 0;
};
