#pragma once

#include "MediaGraph.h"
#include "PlaybackClock.h"
#include "PlaybackRules.h"

#include <QObject>

class AlbumDocument;
struct AlbumObject;
class UserPrompts;

// Plays an album object after object: pictures with their transitions,
// videos, the objects' own sound and the album's background music, each
// object for its time. It owns no widget and no player: the graphs and the
// clock are handed in, what is to be seen leaves through signals.
class PlaybackEngine final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PlaybackEngine)

public:
    enum class State { Stopped, Playing, Paused };
    struct Graphs
    {
        MediaGraph &video;
        MediaGraph &sound;
        MediaGraph &back;
    };

    PlaybackEngine(const AlbumDocument &album, Graphs graphs, PlaybackClock &clock,
        UserPrompts &prompts, PlaybackRules rules = PlaybackRules::preview(),
        QObject *parent = nullptr);

    State state() const { return m_state; }
    bool playing() const { return m_state != State::Stopped; }
    int playingIndex() const { return m_index; }
    int playingMember() const { return m_member; }

    // Play: resumes when paused; otherwise starts at `from` ("Not enough
    // file to play." on an empty album).
    void play(int from, int member = 0);
    void pause();
    void stop();
    // While playing, another object restarts playback there.
    void restartAt(int index);
    // The graph volume 0..10000, applied to every graph at once.
    void setVolume(int volume);
    int volume() const { return m_volume; }

    // Inputs from the host.
    void timerFired(PlaybackClock::Timer timer);

Q_SIGNALS:
    void stateChanged(PlaybackEngine::State state);
    // Show a picture with a transition style (118, 4, 21); a missing file
    // shows nothing new.
    void pictureRequested(const QString &file, int style);
    // The video graph now plays and is to be seen.
    void videoShown();
    void objectStarted(int index);
    // Every 500 ms while an object plays: its index, member and half-seconds.
    void progressed(int index, int member, int ticks);
    // Played off the end (stopped with the preview's rules).
    void finished();

private:
    const AlbumObject &object(int index) const;
    void startObject(int index, int member);
    void next() { startObject(m_index + 1, 0); }
    void startMainTimer(const AlbumObject &o);
    void startMember(const AlbumObject &o, int member);
    void startTimer(PlaybackClock::Timer timer, int ms);
    void showPicture(const AlbumObject &o, const QString &file);
    void playSound(const QString &file);
    void playVideo(const QString &file);
    void startBackgroundMusic();
    void nextBackgroundMusic();
    void renderBackgroundMusic(int entry, bool runNow);
    void mainTimerFired();
    void memberTimerFired();
    void fadeStep();
    void soundCompleted();
    void stopGraphs();
    void setState(State state);
    int graphVolume() const;

    const AlbumDocument &m_album;
    Graphs m_graphs;
    PlaybackClock &m_clock;
    UserPrompts &m_prompts;
    PlaybackRules m_rules;
    State m_state = State::Stopped;
    int m_index = 0;
    int m_member = -1;
    int m_ticks = 0;
    int m_volume = 10000;
    int m_backCursor = 0;
    int m_fadeSteps = 0;
    // The play timers' intervals (0 when not set) and start ticks; a pause
    // keeps what was left of each.
    int m_interval[PlaybackClock::TimerCount] = {};
    qint64 m_started[PlaybackClock::TimerCount] = {};
};
