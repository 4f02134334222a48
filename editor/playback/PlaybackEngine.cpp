#include "PlaybackEngine.h"

#include "AlbumDocument.h"
#include "Rounding.h"
#include "Texts.h"
#include "UserPrompts.h"

#include <QFileInfo>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ProgressMs = 500;
constexpr int BackRetryMs = 1000;
constexpr int FadeStepMs = 100;
constexpr int FadeSteps = 5;
constexpr int FullVolume = 10000;

bool runsBackgroundMusic(ObjectKind kind)
{
    return kind == ObjectKind::Still || kind == ObjectKind::StillMultiShotSequence
        || kind == ObjectKind::StillPanoramaSequence;
}

bool steppedByMembers(ObjectKind kind)
{
    return kind == ObjectKind::StillMultiShotSequence || kind == ObjectKind::StillPanoramaSequence
        || kind == ObjectKind::AudioWithStill;
}

// The duration text as a number; anything unreadable counts as 0.
double secondsOf(const QString &text)
{
    const double seconds = Rounding::parseDecimal(text);
    return std::isfinite(seconds) && seconds > 0 ? seconds : 0;
}

} // namespace

PlaybackEngine::PlaybackEngine(const AlbumDocument &album, Graphs graphs, PlaybackClock &clock,
    UserPrompts &prompts, PlaybackRules rules, QObject *parent)
    : QObject(parent)
    , m_album(album)
    , m_graphs(graphs)
    , m_clock(clock)
    , m_prompts(prompts)
    , m_rules(rules)
{
    connect(&m_graphs.sound, &MediaGraph::completed, this, &PlaybackEngine::soundCompleted);
    connect(&m_graphs.video, &MediaGraph::completed, this, [this] {
        if (playing())
            next();
    });
    connect(&m_graphs.back, &MediaGraph::completed, this, &PlaybackEngine::nextBackgroundMusic);
    // Music that exists but cannot be played is skipped a second later, as
    // one that cannot be rendered is.
    connect(&m_graphs.back, &MediaGraph::failed, this, [this] {
        if (playing())
            m_clock.start(PlaybackClock::Back, BackRetryMs);
    });
}

const AlbumObject &PlaybackEngine::object(int index) const
{
    return m_album.object(index);
}

int PlaybackEngine::graphVolume() const
{
    return m_rules.fullVolume ? FullVolume : m_volume;
}

void PlaybackEngine::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    Q_EMIT stateChanged(state);
}

void PlaybackEngine::setVolume(int volume)
{
    m_volume = std::clamp(volume, 0, FullVolume);
    for (MediaGraph *graph : {&m_graphs.video, &m_graphs.sound, &m_graphs.back}) {
        if (graph->isActive())
            graph->setVolume(graphVolume());
    }
}

void PlaybackEngine::play(int from, int member)
{
    if (m_state == State::Paused) {
        const ObjectKind kind = object(m_index).kind;
        for (MediaGraph *graph : {&m_graphs.back, &m_graphs.video, &m_graphs.sound}) {
            if (graph == &m_graphs.back && !runsBackgroundMusic(kind))
                continue;
            if (graph->isActive() && graph->state() == MediaGraph::State::Paused)
                graph->run();
        }
        m_clock.start(PlaybackClock::Progress, ProgressMs);
        for (auto timer : {PlaybackClock::Main, PlaybackClock::Member, PlaybackClock::Fade}) {
            if (m_interval[timer] != 0)
                startTimer(timer, m_interval[timer]);
        }
        setState(State::Playing);
        return;
    }
    if (m_state == State::Playing)
        return;
    if (m_album.objectCount() == 0) {
        m_prompts.message(QString::fromUtf16(Texts::NotEnoughToPlay),
            QString::fromUtf16(Texts::CaptionConfirm), UserPrompts::Buttons::Ok,
            UserPrompts::Icon::Information);
        return;
    }
    const int start = from >= 0 && from < m_album.objectCount() ? from : 0;
    setState(State::Playing);
    m_graphs.video.clear();
    m_index = start;
    m_graphs.back.clear();
    m_backCursor = 0;
    startBackgroundMusic();
    startObject(start, std::max(member, 0));
}

void PlaybackEngine::startBackgroundMusic()
{
    const auto &music = m_album.properties().backgroundMusic;
    if (music.empty() || !QFileInfo(music.front().musicFile).isFile())
        return;
    // It waits for an object that lets background music run.
    renderBackgroundMusic(0, false);
}

void PlaybackEngine::renderBackgroundMusic(int entry, bool runNow)
{
    const auto &music = m_album.properties().backgroundMusic[size_t(entry)];
    // Player files that could not be probed read "DEVICE".
    if (m_rules.skipDeviceMusic && music.durationText.toUpper().contains(u'D')) {
        m_clock.start(PlaybackClock::Back, BackRetryMs);
        return;
    }
    m_graphs.back.clear();
    if (!m_graphs.back.render(music.musicFile)) {
        m_clock.start(PlaybackClock::Back, BackRetryMs);
        return;
    }
    m_graphs.back.setVolume(graphVolume());
    if (runNow)
        m_graphs.back.run();
}

void PlaybackEngine::nextBackgroundMusic()
{
    if (!playing())
        return;
    const auto &music = m_album.properties().backgroundMusic;
    if (music.empty())
        return;
    m_backCursor = (m_backCursor + 1) % int(music.size());
    // A file that is gone ends the music for the rest of the run.
    if (!QFileInfo(music[size_t(m_backCursor)].musicFile).isFile()) {
        m_graphs.back.clear();
        return;
    }
    renderBackgroundMusic(m_backCursor, m_state == State::Playing);
    // Paused, the next piece waits paused for Play.
    if (m_state == State::Paused && m_graphs.back.isActive())
        m_graphs.back.pause();
}

void PlaybackEngine::startTimer(PlaybackClock::Timer timer, int ms)
{
    m_interval[timer] = ms;
    m_started[timer] = m_clock.nowMs();
    m_clock.start(timer, ms);
}

void PlaybackEngine::startObject(int index, int member)
{
    for (auto timer : {PlaybackClock::Main, PlaybackClock::Member, PlaybackClock::Fade}) {
        m_clock.stop(timer);
        m_interval[timer] = 0;
    }
    if (index >= m_album.objectCount()) {
        if (m_rules.stopAfterLast) {
            stop();
            Q_EMIT finished();
        }
        return;
    }
    const AlbumObject &o = object(index);
    if (m_graphs.back.isActive()) {
        if (!runsBackgroundMusic(o.kind))
            m_graphs.back.pause();
        else if (m_graphs.back.state() != MediaGraph::State::Running)
            m_graphs.back.run();
    }
    m_index = index;
    m_member = member;
    m_ticks = 0;
    m_clock.stop(PlaybackClock::Progress);
    Q_EMIT objectStarted(index);
    switch (o.kind) {
    case ObjectKind::Still:
        startMainTimer(o);
        showPicture(o, o.mainFile);
        break;
    case ObjectKind::Audio:
        startMainTimer(o);
        if (!m_album.properties().backgroundImage.isEmpty())
            showPicture(o, m_album.properties().backgroundImage);
        playSound(o.mainFile);
        break;
    case ObjectKind::Video:
        startMainTimer(o);
        playVideo(o.mainFile);
        break;
    case ObjectKind::ManifestLink:
        // A link plays nothing; the last one stays until the user moves on.
        if (index + 1 < m_album.objectCount())
            next();
        break;
    case ObjectKind::StillWithAudio:
        showPicture(o, o.mainFile);
        if (!o.memberFiles.isEmpty())
            playSound(o.memberFiles.front());
        startMainTimer(o);
        break;
    case ObjectKind::StillMultiShotSequence:
    case ObjectKind::StillPanoramaSequence:
        startMember(o, member);
        break;
    case ObjectKind::AudioWithStill:
        startMember(o, member);
        playSound(o.mainFile);
        break;
    default:
        // A link as the manifest reader leaves it starts nothing.
        break;
    }
}

void PlaybackEngine::startMainTimer(const AlbumObject &o)
{
    m_ticks = 0;
    m_clock.start(PlaybackClock::Progress, ProgressMs);
    startTimer(PlaybackClock::Main, int(secondsOf(o.durationSeconds)) * 1000);
}

void PlaybackEngine::startMember(const AlbumObject &o, int member)
{
    const int count = int(o.memberFiles.size());
    if (count == 0)
        return;
    m_member = member;
    const int shown = member % count;
    if (shown == member)
        m_ticks = 0;
    m_clock.start(PlaybackClock::Progress, ProgressMs);
    const double seconds = secondsOf(o.memberDurations.value(shown));
    int ms = m_rules.wholeSecondMembers ? int(seconds) * 1000 : int(seconds * 1000);
    if (ms == 0)
        ms = 500;
    startTimer(PlaybackClock::Member, ms);
    showPicture(o, o.memberFiles[shown]);
}

void PlaybackEngine::showPicture(const AlbumObject &o, const QString &file)
{
    if (QFileInfo(file).isFile())
        Q_EMIT pictureRequested(file, Transitions::displayStyle(o.transition));
}

void PlaybackEngine::playSound(const QString &file)
{
    MediaGraph &sound = m_graphs.sound;
    sound.clear();
    if (!sound.render(file))
        return;
    m_clock.start(PlaybackClock::Progress, ProgressMs);
    sound.setVolume(graphVolume());
    sound.run();
}

void PlaybackEngine::playVideo(const QString &file)
{
    MediaGraph &video = m_graphs.video;
    video.clear();
    Q_EMIT videoShown();
    if (!video.render(file))
        return;
    m_clock.start(PlaybackClock::Progress, ProgressMs);
    video.setVolume(graphVolume());
    video.run();
}

void PlaybackEngine::timerFired(PlaybackClock::Timer timer)
{
    switch (timer) {
    case PlaybackClock::Main:
        mainTimerFired();
        break;
    case PlaybackClock::Member:
        memberTimerFired();
        break;
    case PlaybackClock::Progress:
        if (m_state == State::Playing) {
            Q_EMIT progressed(m_index, m_member, ++m_ticks);
            m_clock.start(PlaybackClock::Progress, ProgressMs);
        }
        break;
    case PlaybackClock::Back:
        nextBackgroundMusic();
        break;
    case PlaybackClock::Fade:
        fadeStep();
        break;
    case PlaybackClock::TimerCount:
        break;
    }
}

void PlaybackEngine::mainTimerFired()
{
    m_clock.stop(PlaybackClock::Main);
    m_interval[PlaybackClock::Main] = 0;
    if (m_state != State::Playing || m_index >= m_album.objectCount())
        return;
    const ObjectKind kind = object(m_index).kind;
    if (kind == ObjectKind::Still) {
        next();
    } else if (kind == ObjectKind::StillWithAudio) {
        if (m_rules.fadeOut && m_graphs.sound.isActive()) {
            m_fadeSteps = 0;
            fadeStep();
            return;
        }
        m_graphs.sound.clear();
        next();
    }
}

void PlaybackEngine::fadeStep()
{
    MediaGraph &sound = m_graphs.sound;
    if (m_fadeSteps < FadeSteps) {
        ++m_fadeSteps;
        sound.setVolume(std::max(0, sound.volume() - graphVolume() / FadeSteps));
        startTimer(PlaybackClock::Fade, FadeStepMs);
        return;
    }
    m_interval[PlaybackClock::Fade] = 0;
    sound.clear();
    next();
}

void PlaybackEngine::memberTimerFired()
{
    m_clock.stop(PlaybackClock::Member);
    m_interval[PlaybackClock::Member] = 0;
    if (m_state != State::Playing || m_index >= m_album.objectCount())
        return;
    const AlbumObject &o = object(m_index);
    if (!steppedByMembers(o.kind))
        return;
    if (m_member + 1 >= int(o.memberFiles.size())) {
        if (o.kind != ObjectKind::AudioWithStill) {
            m_member = 0;
            next();
            return;
        }
        if (!o.repeatMembers) {
            // The last photo stays until the sound ends.
            ++m_member;
            return;
        }
    }
    startMember(o, m_member + 1);
}

void PlaybackEngine::soundCompleted()
{
    if (!playing() || m_index >= m_album.objectCount())
        return;
    const ObjectKind kind = object(m_index).kind;
    // A still's sound that ends first leaves the still silent until its
    // timer ends.
    if (kind == ObjectKind::AudioWithStill || kind == ObjectKind::Audio) {
        m_graphs.sound.clear();
        next();
    }
}

void PlaybackEngine::pause()
{
    if (m_state != State::Playing)
        return;
    for (MediaGraph *graph : {&m_graphs.video, &m_graphs.sound, &m_graphs.back}) {
        if (graph->isActive())
            graph->pause();
    }
    m_clock.stop(PlaybackClock::Progress);
    const qint64 now = m_clock.nowMs();
    for (auto timer : {PlaybackClock::Main, PlaybackClock::Member, PlaybackClock::Fade}) {
        m_clock.stop(timer);
        if (m_interval[timer] != 0)
            m_interval[timer]
                = int(std::max<qint64>(1, m_interval[timer] + m_started[timer] - now));
    }
    setState(State::Paused);
}

void PlaybackEngine::stopGraphs()
{
    for (int timer = 0; timer < PlaybackClock::TimerCount; ++timer) {
        m_clock.stop(PlaybackClock::Timer(timer));
        m_interval[timer] = 0;
    }
    for (MediaGraph *graph : {&m_graphs.back, &m_graphs.video, &m_graphs.sound})
        graph->clear();
}

void PlaybackEngine::stop()
{
    stopGraphs();
    m_index = 0;
    m_member = -1;
    setState(State::Stopped);
}

void PlaybackEngine::restartAt(int index)
{
    if (!playing() || index == m_index)
        return;
    stopGraphs();
    m_state = State::Stopped;
    play(index);
}
