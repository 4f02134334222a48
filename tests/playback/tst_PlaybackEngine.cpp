// The playback engine against fake graphs and a clock moved by hand: how
// long each object shows, pause and resume, members and repeats, links,
// background music, the sound's fade, and the ends of playback.

#include "AlbumDocument.h"
#include "FakePlayback.h"
#include "ScriptedPrompts.h"
#include "TestMedia.h"
#include "Texts.h"

#include <QSignalSpy>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

AlbumObject still(const QString &seconds, const QString &file = testMedia("color.jpg"))
{
    AlbumObject o;
    o.kind = ObjectKind::Still;
    o.mainFile = file;
    o.durationSeconds = seconds;
    return o;
}

AlbumObject members(ObjectKind kind, const QStringList &durations)
{
    AlbumObject o;
    o.kind = kind;
    o.mainFile = testMedia("tagged.mp3");
    o.durationSeconds = u"9"_s;
    for (qsizetype i = 0; i < durations.size(); ++i)
        o.memberFiles.append(i % 2 ? testMedia("grey.jpg") : testMedia("color.jpg"));
    o.memberDurations = durations;
    return o;
}

struct Rig
{
    ScriptedPrompts prompts;
    AlbumDocument album{prompts};
    FakeGraph video, sound, back;
    ManualClock clock;
    PlaybackEngine engine;
    QStringList started; // "index" per object started
    QStringList pictures;

    explicit Rig(PlaybackRules rules = PlaybackRules::preview())
        : engine(album, {video, sound, back}, clock, prompts, rules)
    {
        clock.engine = &engine;
        album.ClearAlbum(u"Album"_s);
        QObject::connect(&engine, &PlaybackEngine::objectStarted,
            [this](int index) { started.append(QString::number(index)); });
        QObject::connect(&engine, &PlaybackEngine::pictureRequested,
            [this](const QString &file, int) { pictures.append(QFileInfo(file).baseName()); });
    }
    void add(const AlbumObject &o) { album.appendObject(o, OutlineNode{u"x"_s, {}}); }
    void music(const QStringList &files, const QStringList &durations)
    {
        AlbumProperties p = album.properties();
        for (qsizetype i = 0; i < files.size(); ++i)
            p.backgroundMusic.push_back({files[i], durations[i], u"PC"_s});
        album.setProperties(p);
    }
};

} // namespace

class tst_PlaybackEngine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aPausedStillResumesForWhatWasLeft()
    {
        Rig r;
        r.add(still(u"5"_s));
        r.add(still(u"5"_s));
        r.engine.play(0);
        r.clock.advance(3000);
        r.engine.pause();
        QCOMPARE(r.engine.state(), PlaybackEngine::State::Paused);
        r.clock.advance(60000);
        QCOMPARE(r.started, QStringList({u"0"_s}));
        r.engine.play(0);
        r.clock.advance(1999);
        QCOMPARE(r.started, QStringList({u"0"_s}));
        r.clock.advance(1);
        QCOMPARE(r.started, QStringList({u"0"_s, u"1"_s}));
    }

    void stillsShowWholeSecondsAndMembersTheirMilliseconds()
    {
        Rig r;
        r.add(still(u"4.7"_s));
        r.add(members(ObjectKind::StillMultiShotSequence, {u"0.25"_s, u"0"_s, u"2.6"_s}));
        r.add(still(u"1"_s));
        r.engine.play(0);
        r.clock.advance(3999);
        QCOMPARE(r.started.size(), 1);
        r.clock.advance(1); // 4 s, not 4.7
        QCOMPARE(r.started.size(), 2);
        QCOMPARE(r.engine.playingMember(), 0);
        r.clock.advance(249);
        QCOMPARE(r.engine.playingMember(), 0);
        r.clock.advance(1); // 250 ms
        QCOMPARE(r.engine.playingMember(), 1);
        r.clock.advance(499);
        QCOMPARE(r.engine.playingMember(), 1);
        r.clock.advance(1); // a member of 0 shows 500 ms
        QCOMPARE(r.engine.playingMember(), 2);
        r.clock.advance(2599);
        QCOMPARE(r.started.size(), 2);
        r.clock.advance(1); // 2.6 s to the millisecond
        QCOMPARE(r.started.size(), 3);

        // The slideshow cuts members to whole seconds.
        Rig s(PlaybackRules::slideshow());
        s.add(members(ObjectKind::StillMultiShotSequence, {u"2.6"_s}));
        s.add(still(u"1"_s));
        s.engine.play(0);
        s.clock.advance(1999);
        QCOMPARE(s.started.size(), 1);
        s.clock.advance(1);
        QCOMPARE(s.started.size(), 2);
    }

    void photosWithMusicRepeatOrKeepTheLast()
    {
        for (const bool repeat : {true, false}) {
            Rig r;
            AlbumObject o = members(ObjectKind::AudioWithStill, {u"1"_s, u"1"_s, u"1"_s});
            o.memberFiles = {testMedia("color.jpg"), testMedia("grey.jpg"), testMedia("large.jpg")};
            o.repeatMembers = repeat;
            r.add(o);
            r.add(still(u"1"_s));
            r.engine.play(0);
            QCOMPARE(r.sound.rendered, QStringList({testMedia("tagged.mp3")}));
            r.clock.advance(5000);
            // The object lasts as long as its sound.
            QCOMPARE(r.started.size(), 1);
            const QStringList expected = repeat ? QStringList({u"color"_s, u"grey"_s, u"large"_s,
                                             u"color"_s, u"grey"_s, u"large"_s})
                                                : QStringList({u"color"_s, u"grey"_s, u"large"_s});
            QCOMPARE(r.pictures, expected);
            r.sound.complete();
            QCOMPARE(r.started.size(), 2);
        }
    }

    void theSlideshowStartsAtTheChosenMember()
    {
        Rig s(PlaybackRules::slideshow());
        for (int i = 0; i < 3; ++i)
            s.add(still(u"1"_s));
        AlbumObject o = members(ObjectKind::AudioWithStill, {u"1"_s, u"1"_s, u"1"_s});
        o.memberFiles = {testMedia("color.jpg"), testMedia("grey.jpg"), testMedia("large.jpg")};
        s.add(o);
        s.engine.play(3, 2);
        QCOMPARE(s.started, QStringList({u"3"_s}));
        QCOMPARE(s.pictures, QStringList({u"large"_s}));
        // Pausing keeps what was left of the photo's second, here too.
        s.clock.advance(400);
        s.engine.pause();
        s.clock.advance(5000);
        s.engine.play(3);
        s.clock.advance(599);
        QCOMPARE(s.pictures.size(), 1);
        s.clock.advance(1);
        QCOMPARE(s.engine.playingMember(), 3);
    }

    void linksArePassedOverOrKeptAtTheEnd()
    {
        Rig r;
        AlbumObject link;
        link.kind = ObjectKind::ManifestLink;
        link.mainFile = u"/albums/other.pvm"_s;
        r.add(link);
        r.add(still(u"2"_s));
        r.add(link);
        r.engine.play(0);
        QCOMPARE(r.started, QStringList({u"0"_s, u"1"_s}));
        r.clock.advance(2000);
        QCOMPARE(r.started, QStringList({u"0"_s, u"1"_s, u"2"_s}));
        // The last link stays, with no timer to end it.
        r.clock.advance(600000);
        QCOMPARE(r.engine.state(), PlaybackEngine::State::Playing);
        QCOMPARE(r.engine.playingIndex(), 2);
        QVERIFY(!r.clock.running(PlaybackClock::Main));
    }

    void deviceMusicIsSkippedAfterASecond()
    {
        Rig r;
        r.add(still(u"10"_s));
        const QString device = testMedia("untagged.mp3");
        const QString pc = testMedia("tagged.mp3");
        r.music({device, pc}, {u"DEVICE"_s, u"00:00:02"_s});
        r.engine.play(0);
        QVERIFY(r.back.rendered.isEmpty());
        r.clock.advance(999);
        QVERIFY(r.back.rendered.isEmpty());
        r.clock.advance(1);
        QCOMPARE(r.back.rendered, QStringList({pc}));
        QCOMPARE(r.back.state(), MediaGraph::State::Running);
        // At its end the cursor wraps to the first entry, skipped again.
        r.back.complete();
        QVERIFY(r.clock.running(PlaybackClock::Back));

        // The slideshow tries every entry.
        Rig s(PlaybackRules::slideshow());
        s.add(still(u"10"_s));
        s.music({device, pc}, {u"DEVICE"_s, u"00:00:02"_s});
        s.engine.play(0);
        QCOMPARE(s.back.rendered, QStringList({device}));
        QCOMPARE(s.back.state(), MediaGraph::State::Running);
    }

    void musicThatFailsAfterRenderingIsSkippedAfterASecond()
    {
        for (const auto rules : {PlaybackRules::preview(), PlaybackRules::slideshow()}) {
            Rig r(rules);
            r.add(still(u"10"_s));
            const QString words = testMedia("words.mp3");
            const QString song = testMedia("tagged.mp3");
            r.music({words, song}, {u"00:00:02"_s, u"00:00:03"_s});
            r.engine.play(0);
            QCOMPARE(r.back.rendered, QStringList({words}));
            // The player finds out later that it cannot play it.
            Q_EMIT r.back.failed();
            r.clock.advance(999);
            QCOMPARE(r.back.rendered.size(), 1);
            r.clock.advance(1);
            QCOMPARE(r.back.rendered, QStringList({words, song}));
            QCOMPARE(r.back.state(), MediaGraph::State::Running);
        }
        // Stopped, a late report starts nothing.
        Rig r;
        r.add(still(u"10"_s));
        r.music({testMedia("words.mp3")}, {u"00:00:02"_s});
        r.engine.play(0);
        r.engine.stop();
        Q_EMIT r.back.failed();
        QVERIFY(!r.clock.running(PlaybackClock::Back));
    }

    void resumingRunsTheMusicOnlyWhereItWasPausedAndAllowed()
    {
        Rig r;
        AlbumObject o = still(u"6"_s);
        o.kind = ObjectKind::StillWithAudio;
        o.memberFiles = {testMedia("stereo16.wav")};
        r.add(still(u"4"_s));
        r.add(o);
        r.music({testMedia("untagged.mp3"), testMedia("v2only.mp3")}, {u"2"_s, u"3"_s});
        r.engine.play(0);
        r.clock.advance(1000);
        QCOMPARE(r.back.state(), MediaGraph::State::Running);
        // Paused during a still, the music resumes with it.
        r.engine.pause();
        QCOMPARE(r.back.state(), MediaGraph::State::Paused);
        r.engine.play(0);
        QCOMPARE(r.back.state(), MediaGraph::State::Running);
        // A photo with its own sound keeps the music paused through a
        // pause and a resume.
        r.clock.advance(3000);
        QCOMPARE(r.started, QStringList({u"0"_s, u"1"_s}));
        QCOMPARE(r.back.state(), MediaGraph::State::Paused);
        r.engine.pause();
        r.engine.play(0);
        QCOMPARE(r.back.state(), MediaGraph::State::Paused);
        QCOMPARE(r.sound.state(), MediaGraph::State::Running);
        QCOMPARE(r.back.rendered.size(), 1);
    }

    void clickingThePlayingObjectRestartsNothing()
    {
        Rig r;
        r.add(still(u"5"_s));
        r.add(still(u"5"_s));
        r.music({testMedia("untagged.mp3")}, {u"2"_s});
        r.engine.play(0);
        r.clock.advance(2000);
        r.engine.restartAt(0);
        QCOMPARE(r.started, QStringList({u"0"_s}));
        QCOMPARE(r.back.rendered.size(), 1);
        QCOMPARE(r.pictures.size(), 1);
        // It still ends when it would have.
        r.clock.advance(2999);
        QCOMPARE(r.started.size(), 1);
        r.clock.advance(1);
        QCOMPARE(r.started, QStringList({u"0"_s, u"1"_s}));
    }

    void photosWithMusicKeepTheirSoundAndPhotoTimesThroughTwoPauses()
    {
        Rig r;
        r.add(members(ObjectKind::AudioWithStill, {u"2"_s, u"2"_s, u"2"_s}));
        r.engine.play(0);
        r.clock.advance(1000);
        r.engine.pause();
        r.clock.advance(5000);
        r.engine.play(0);
        r.clock.advance(500);
        r.engine.pause();
        r.clock.advance(5000);
        r.engine.play(0);
        // The sound was paused and run again, never started over.
        QCOMPARE(r.sound.rendered.size(), 1);
        QCOMPARE(r.sound.state(), MediaGraph::State::Running);
        // 1.5 s of the first photo's 2 s have played.
        r.clock.advance(499);
        QCOMPARE(r.engine.playingMember(), 0);
        r.clock.advance(1);
        QCOMPARE(r.engine.playingMember(), 1);
        QCOMPARE(r.pictures.size(), 2);
    }

    void musicWaitsWhileAnObjectHasItsOwnSound()
    {
        Rig r;
        AlbumObject song;
        song.kind = ObjectKind::Audio;
        song.mainFile = testMedia("tagged.mp3");
        song.durationSeconds = u"3"_s;
        r.add(song);
        r.add(still(u"2"_s));
        r.music({testMedia("untagged.mp3")}, {u"00:00:02"_s});
        r.engine.play(0);
        QVERIFY(r.back.isActive());
        QVERIFY(r.back.state() != MediaGraph::State::Running);
        r.sound.complete();
        QCOMPARE(r.back.state(), MediaGraph::State::Running);
    }

    void nextWhilePlayingRestartsThere()
    {
        Rig r;
        for (int i = 0; i < 4; ++i)
            r.add(members(ObjectKind::StillMultiShotSequence, {u"1"_s, u"1"_s}));
        r.engine.play(0, 1);
        QCOMPARE(r.engine.playingMember(), 1);
        r.engine.restartAt(2);
        QCOMPARE(r.engine.playingIndex(), 2);
        QCOMPARE(r.engine.playingMember(), 0);
        QCOMPARE(r.engine.state(), PlaybackEngine::State::Playing);
    }

    void volumeReachesEveryGraphButTheSlideshowsStayFull()
    {
        Rig r;
        AlbumObject o = still(u"6"_s);
        o.kind = ObjectKind::StillWithAudio;
        o.memberFiles = {testMedia("tagged.mp3")};
        r.add(o);
        r.music({testMedia("untagged.mp3")}, {u"00:00:02"_s});
        r.engine.setVolume(7500);
        r.engine.play(0);
        r.engine.setVolume(10);
        QCOMPARE(r.sound.volume(), 10);
        QCOMPARE(r.back.volume(), 10);

        Rig s(PlaybackRules::slideshow());
        s.add(o);
        s.engine.setVolume(10);
        s.engine.play(0);
        QCOMPARE(s.sound.volume(), 10000);
    }

    void aStillsSoundFadesOutInThePreviewOnly()
    {
        Rig r;
        AlbumObject o = still(u"6"_s);
        o.kind = ObjectKind::StillWithAudio;
        o.memberFiles = {testMedia("tagged.mp3")};
        r.add(o);
        r.add(still(u"1"_s));
        r.engine.setVolume(7500);
        r.engine.play(0);
        // A sound that ends first keeps the still silent to its end.
        r.sound.complete();
        QCOMPARE(r.started.size(), 1);
        r.clock.advance(6000);
        QCOMPARE(r.started.size(), 1);
        r.clock.advance(500);
        QCOMPARE(r.sound.volumes, QList<int>({7500, 6000, 4500, 3000, 1500, 0}));
        QCOMPARE(r.started.size(), 2);
        QVERIFY(!r.sound.isActive());

        Rig s(PlaybackRules::slideshow());
        s.add(o);
        s.add(still(u"1"_s));
        s.engine.play(0);
        s.clock.advance(6000);
        QCOMPARE(s.started.size(), 2);
        QCOMPARE(s.sound.volumes, QList<int>({10000}));
    }

    void nothingMovesOnWhilePaused()
    {
        Rig r;
        AlbumObject o = still(u"2"_s);
        o.kind = ObjectKind::StillWithAudio;
        o.memberFiles = {testMedia("tagged.mp3")};
        r.add(o);
        r.add(still(u"5"_s));
        r.music({testMedia("untagged.mp3"), testMedia("tagged.mp3")}, {u"2"_s, u"3"_s});
        r.engine.play(0);
        r.clock.advance(2200); // two fade steps in
        r.engine.pause();
        r.clock.advance(10000);
        QCOMPARE(r.started.size(), 1);
        r.engine.play(0);
        r.clock.advance(300);
        QCOMPARE(r.started.size(), 2);
        QCOMPARE(r.back.state(), MediaGraph::State::Running);
        // A piece of music that ends while paused leaves the next one
        // waiting for Play.
        r.engine.pause();
        r.back.complete();
        QCOMPARE(r.back.rendered.last(), testMedia("tagged.mp3"));
        QVERIFY(r.back.state() != MediaGraph::State::Running);
        r.engine.play(0);
        QCOMPARE(r.back.state(), MediaGraph::State::Running);
    }

    void theEndsOfPlayback()
    {
        Rig r;
        r.engine.play(0);
        QCOMPARE(r.prompts.texts(), QStringList({QString::fromUtf16(Texts::NotEnoughToPlay)}));
        QCOMPARE(r.prompts.shown[0].icon, UserPrompts::Icon::Information);
        QCOMPARE(r.engine.state(), PlaybackEngine::State::Stopped);

        r.add(still(u"1"_s));
        QSignalSpy finished(&r.engine, &PlaybackEngine::finished);
        r.engine.play(0);
        r.clock.advance(1000);
        QCOMPARE(finished.size(), 1);
        QCOMPARE(r.engine.state(), PlaybackEngine::State::Stopped);
        QCOMPARE(r.engine.playingMember(), -1);

        // The slideshow keeps the last picture.
        Rig s(PlaybackRules::slideshow());
        s.add(still(u"1"_s));
        s.engine.play(0);
        s.clock.advance(5000);
        QCOMPARE(s.engine.state(), PlaybackEngine::State::Playing);
        QCOMPARE(s.pictures, QStringList({u"color"_s}));
        s.engine.stop();
        QVERIFY(!s.back.isActive() && !s.sound.isActive() && !s.video.isActive());
    }
};

QTEST_GUILESS_MAIN(tst_PlaybackEngine)
#include "tst_PlaybackEngine.moc"
