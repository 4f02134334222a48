#include "SlideshowSchedule.h"

#include "MediaGraph.h"
#include "PlaybackClock.h"
#include "PlaybackEngine.h"
#include "UserPrompts.h"

#include <map>
#include <optional>

namespace {

// No album plays for a day; a schedule that would is cut there.
constexpr qint64 LongestMs = 24LL * 3600 * 1000;

// A clock whose time moves only when the schedule moves it to the next event.
class JumpClock final : public PlaybackClock
{
public:
    qint64 nowMs() const override { return now; }
    void start(Timer timer, int ms) override { due[timer] = now + ms; }
    void stop(Timer timer) override { due.erase(timer); }

    qint64 now = 0;
    std::map<Timer, qint64> due;
};

// A graph that plays nothing: it knows each file's length and notes the
// stretches it ran, completing when its file would have ended.
class TimedGraph final : public MediaGraph
{
public:
    struct Notes
    {
        QList<SlideshowSchedule::Stretch> *pictures = nullptr;
        QList<SlideshowSchedule::Stretch> *sounds = nullptr;
        QStringList *skipped = nullptr;
        // A file that cannot play ends at once (the sound and video graphs),
        // so the show goes on past it instead of waiting for ever.
        bool failureEnds = false;
    };

    TimedGraph(const JumpClock &clock, const SlideshowSchedule::LengthOf &lengthOf, Notes notes)
        : m_clock(clock)
        , m_lengthOf(lengthOf)
        , m_notes(notes)
    { }

    bool render(const QString &file) override
    {
        clear();
        m_active = true;
        m_file = file;
        m_length = m_lengthOf(file);
        if (m_length >= 0)
            return true;
        if (!m_notes.skipped->contains(file))
            m_notes.skipped->append(file);
        if (m_notes.failureEnds)
            m_failedEnd = m_clock.now;
        return false;
    }
    void run() override
    {
        if (!m_active || m_length < 0 || m_state == State::Running)
            return;
        if (m_position >= m_length)
            m_position = 0;
        m_state = State::Running;
        m_runStart = m_clock.now;
        m_runOffset = m_position;
    }
    void pause() override
    {
        if (m_state == State::Running) {
            note();
            m_position = m_runOffset + m_clock.now - m_runStart;
        }
        if (m_active)
            m_state = State::Paused;
    }
    void stop() override
    {
        note();
        m_position = 0;
        m_state = State::Stopped;
    }
    void clear() override
    {
        stop();
        m_active = false;
        m_failedEnd.reset();
    }
    bool isActive() const override { return m_active; }
    State state() const override { return m_state; }
    void setVolume(int volume) override { m_volume = volume; }
    int volume() const override { return m_volume; }

    // When the graph completes, if it is going to.
    std::optional<qint64> completionDue() const
    {
        if (m_failedEnd)
            return m_failedEnd;
        if (m_state == State::Running)
            return m_runStart + m_length - m_runOffset;
        return std::nullopt;
    }
    void complete()
    {
        if (m_failedEnd) {
            m_failedEnd.reset();
        } else {
            note();
            m_position = m_length;
            m_state = State::Stopped;
        }
        Q_EMIT completed();
    }

private:
    // The stretch run since run(), if any time passed.
    void note()
    {
        if (m_state != State::Running || m_clock.now <= m_runStart)
            return;
        const SlideshowSchedule::Stretch stretch{m_runStart, m_clock.now, m_file, m_runOffset};
        m_notes.sounds->append(stretch);
        if (m_notes.pictures)
            m_notes.pictures->append(stretch);
        m_state = State::Paused;
    }

    const JumpClock &m_clock;
    const SlideshowSchedule::LengthOf &m_lengthOf;
    Notes m_notes;
    bool m_active = false;
    State m_state = State::Stopped;
    QString m_file;
    qint64 m_length = 0;
    qint64 m_position = 0;
    qint64 m_runStart = 0;
    qint64 m_runOffset = 0;
    std::optional<qint64> m_failedEnd;
    int m_volume = 10000;
};

// The engine asks nothing of an album that has objects.
class NoPrompts final : public UserPrompts
{
public:
    Answer message(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

} // namespace

SlideshowSchedule SlideshowSchedule::of(const AlbumDocument &album, const LengthOf &lengthOf)
{
    SlideshowSchedule schedule;
    JumpClock clock;
    TimedGraph video(
        clock, lengthOf, {&schedule.videos, &schedule.sounds, &schedule.skipped, true});
    TimedGraph sound(clock, lengthOf, {nullptr, &schedule.sounds, &schedule.skipped, true});
    TimedGraph back(clock, lengthOf, {nullptr, &schedule.sounds, &schedule.skipped, false});
    NoPrompts prompts;
    PlaybackEngine engine(album, {video, sound, back}, clock, prompts, PlaybackRules::slideshow());
    QObject::connect(
        &engine, &PlaybackEngine::pictureRequested, &engine, [&](const QString &file, int style) {
            schedule.pictures.append({clock.now, file, style});
        });
    engine.play(0);

    TimedGraph *const graphs[] = {&video, &sound, &back};
    for (;;) {
        // The show goes on while something is due to move it on; the
        // progress marker and the music's cycling alone do not.
        std::optional<qint64> next;
        std::optional<PlaybackClock::Timer> timer;
        TimedGraph *graph = nullptr;
        bool movesOn = false;
        for (const auto &[t, due] : clock.due) {
            if (t == PlaybackClock::Progress || (next && *next <= due))
                continue;
            next = due;
            timer = t;
            movesOn |= t != PlaybackClock::Back;
        }
        for (TimedGraph *g : graphs) {
            const auto due = g->completionDue();
            if (!due)
                continue;
            movesOn |= g != &back;
            if (next && *next <= *due)
                continue;
            next = due;
            timer.reset();
            graph = g;
        }
        for (const auto &[t, due] : clock.due)
            movesOn |= t != PlaybackClock::Progress && t != PlaybackClock::Back;
        if (!movesOn || !next || *next > LongestMs)
            break;
        clock.now = std::max(clock.now, *next);
        if (graph) {
            graph->complete();
        } else {
            clock.due.erase(*timer);
            engine.timerFired(*timer);
        }
    }
    schedule.lengthMs = clock.now;
    engine.stop();
    return schedule;
}
