// Playback as the user meets it: the transport buttons and the progress
// marker in the window, the transition display and dialog, the Slide
// commands' start rules, and real media through the Qt Multimedia graphs
// (GStreamer plays them on a fake sink when there is no sound card).

#include "../commands/CommandFixture.h"
#include "AlbumFiles.h"
#include "PreviewPlayer.h"
#include "QtMediaGraph.h"
#include "SlideCommands.h"
#include "TFrmMain.h"
#include "TFrmSilder.h"
#include "TFrmTR.h"
#include "TImageSlide.h"
#include "TestMedia.h"
#include "ThumbnailStrip.h"
#include "TimelineView.h"
#include "TransportBar.h"

#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace Qt::Literals::StringLiterals;

class TestPlayback : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void transportPlaysPausesAndStopsWithTheMarker()
    {
        MediaCopies media;
        ScriptedPrompts prompts;
        AlbumDocument made(prompts);
        made.ClearAlbum(u"New album"_s);
        for (const char *name : {"color.jpg", "grey.jpg"})
            made.AddMediaFile(media.copy(name), false, AlbumDocument::RootTarget);
        const QString file = media.path(u"two.pvm"_s);
        QVERIFY(!AlbumFiles::save(made, file));

        TFrmMain window;
        window.resize(900, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.lifecycle().openCommandLine({file});
        auto *transport = window.findChild<TransportBar *>();
        QToolButton *play = transport->button(TransportBar::Play);
        QToolButton *pause = transport->button(TransportBar::Pause);
        QToolButton *stop = transport->button(TransportBar::Stop);
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(window.state().playing);
        QVERIFY(!window.state().editingEnabled());
        QVERIFY(play->isChecked() && pause->isEnabled() && !pause->isChecked());
        // The marker waits left of the ruler, then moves half a second
        // (25 px at the 1-second scale) a tick.
        auto *timeline = window.findChild<TimelineView *>();
        QCOMPARE(timeline->progressX(), -10);
        QTRY_COMPARE_WITH_TIMEOUT(timeline->progressX(), 25, 2000);
        // A click on another object restarts playback there.
        auto *strip = window.findChild<ThumbnailStrip *>();
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, strip->panelRect(1).center());
        QCOMPARE(window.album().currentObject(), 1);
        QVERIFY(window.state().playing);
        QTRY_COMPARE_WITH_TIMEOUT(timeline->progressX(), 250 + 25, 2000);
        QTest::mouseClick(pause, Qt::LeftButton);
        QVERIFY(pause->isChecked() && !play->isChecked());
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(play->isChecked() && !pause->isChecked());
        QTest::mouseClick(stop, Qt::LeftButton);
        QVERIFY(!window.state().playing);
        QVERIFY(window.state().editingEnabled());
        QVERIFY(!play->isChecked() && !pause->isEnabled() && !stop->isEnabled());
        QCOMPARE(timeline->progressX(), -1);
        QCOMPARE(window.album().currentObject(), 1);
    }

    void theRepeatBoxSetsPhotosWithMusicOnly()
    {
        CommandFixture f;
        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3")});
        QCOMPARE(f.album.object(0).kind, ObjectKind::Audio);
        f.album.setModified(false);
        f.properties.RepeatCheckClick(true);
        QVERIFY(!f.album.object(0).repeatMembers);
        QVERIFY(!f.album.modified());
        AlbumObject o = f.album.object(0);
        o.kind = ObjectKind::AudioWithStill;
        f.album.updateObject(0, o);
        f.album.setCurrentObject(-1);
        f.properties.RepeatCheckClick(true);
        QCOMPARE(f.album.currentObject(), 0);
        QVERIFY(f.album.object(0).repeatMembers);
        QVERIFY(f.album.modified());
    }

    void theTransitionDisplayRunsItsFrames()
    {
        for (const int step : {4, 5}) {
            TImageSlide slide;
            slide.setStep(step);
            slide.setDelay(1);
            QImage picture(8, 8, QImage::Format_RGB32);
            picture.fill(Qt::red);
            slide.setPicture(picture);
            slide.Execute();
            QVERIFY(slide.running());
            QTRY_VERIFY(!slide.running());
            QCOMPARE(slide.frames(), 100 / step);
            QCOMPARE(slide.shown().pixel(3, 3), qRgb(255, 0, 0));
        }
    }

    void theTransitionDialogSetsOneObject()
    {
        CommandFixture f;
        f.newAlbum(2);
        f.add(&EditingCommands::ImageMenuClick,
            {f.media.copy("color.jpg"), f.media.copy("grey.jpg")});
        f.album.setModified(false);
        {
            TFrmTR dialog(f.album, 1);
            dialog.show();
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
        }
        QCOMPARE(f.album.object(1).transition, u"ALPHABLEND"_s);
        QVERIFY(!f.album.modified());
        TFrmTR dialog(f.album, 1);
        dialog.show();
        QTest::mouseClick(&dialog, Qt::LeftButton, {}, QPoint(80, 2 * 40 + 20));
        QCOMPARE(f.album.object(1).transition, u"VERTICALWIPE"_s);
        QCOMPARE(f.album.object(0).transition, u"ALPHABLEND"_s);
        QVERIFY(f.album.outlineDumpText().contains(u"VERTICALWIPE"_s));
        QVERIFY(f.album.modified());
        QVERIFY(dialog.result() == QDialog::Accepted);
    }

    void slideshowsStartWhereTheCommandsSay()
    {
        CommandFixture f;
        SlideCommands slides(f.context);
        f.newAlbum(0);
        QVERIFY(!slides.firstslideClick());
        QCOMPARE(f.prompts.texts(), QStringList({u"Not enough file to play."_s}));
        QCOMPARE(f.prompts.shown[0].icon, UserPrompts::Icon::Information);
        f.add(&EditingCommands::ImageMenuClick,
            {f.media.copy("color.jpg"), f.media.copy("grey.jpg"), f.media.copy("large.jpg")});
        f.album.setCurrentObject(2);
        f.album.setCurrentMemberIndex(-1);
        const auto current = slides.CurrentMenuClick();
        QVERIFY(current);
        QCOMPARE(current->object, 2);
        QCOMPARE(current->member, 0);
        QCOMPARE(slides.firstslideClick()->object, 0);
        // Refused while the window plays.
        f.state.playing = true;
        f.prompts.clear();
        QVERIFY(!slides.CurrentMenuClick());
        QVERIFY(f.prompts.shown.isEmpty());
    }

    void theSlideshowTakesSpaceAndEscapeOnly()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick,
            {f.media.copy("color.jpg"), f.media.copy("grey.jpg")});
        TFrmSilder window(f.album, f.prompts, 1, 0);
        window.showFullScreen();
        PlaybackEngine &engine = window.player().engine();
        QTRY_COMPARE(engine.state(), PlaybackEngine::State::Playing);
        QCOMPARE(engine.playingIndex(), 1);
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
        QTest::keyClick(&window, Qt::Key_Space);
        QCOMPARE(engine.state(), PlaybackEngine::State::Paused);
        QTest::keyClick(&window, Qt::Key_Space);
        QCOMPARE(engine.state(), PlaybackEngine::State::Playing);
        QTest::keyClick(&window, Qt::Key_Return);
        QVERIFY(window.isVisible());
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.isVisible());
        QCOMPARE(engine.state(), PlaybackEngine::State::Stopped);
    }

    void realMediaPlayToTheirEnds()
    {
        QtMediaGraph sound;
        QSignalSpy ended(&sound, &MediaGraph::completed);
        QVERIFY(sound.render(testMedia("mono16.wav")));
        sound.setVolume(5000);
        sound.run();
        QTRY_COMPARE_WITH_TIMEOUT(ended.size(), 1, 15000);
        QVERIFY(qAbs(QtMediaGraph::gainOf(8000) - 0.1f) < 1e-6f);

        // A photo, a photo with a 2 s sound, a 2 s video, background music:
        // the engine reaches the end by the players' own end-of-media events.
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        AlbumObject withSound;
        withSound.kind = ObjectKind::StillWithAudio;
        withSound.mainFile = f.media.copy("grey.jpg");
        withSound.durationSeconds = u"2"_s;
        withSound.memberFiles = {f.media.copy("stereo16.wav")};
        f.album.appendObject(withSound, OutlineNode{u"2"_s, {}});
        f.add(&EditingCommands::moviemenuClick, {f.media.copy("clip.avi")});
        f.properties.addBackgroundMusicFiles({f.media.copy("untagged.mp3")});
        PreviewPlayer player(f.album, f.prompts, PlaybackRules::preview(), Qt::gray);
        player.resize(320, 240);
        player.show();
        PlaybackEngine &engine = player.engine();
        QSignalSpy finished(&engine, &PlaybackEngine::finished);
        QSignalSpy started(&engine, &PlaybackEngine::objectStarted);
        engine.play(0);
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 30000);
        QCOMPARE(started.size(), 3);
        QCOMPARE(engine.state(), PlaybackEngine::State::Stopped);
    }
};

QTEST_MAIN(TestPlayback)
#include "tst_Playback.moc"
