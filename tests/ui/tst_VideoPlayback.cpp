// Real clips through the real media framework and the real windows: what
// the preview and the slideshow show is read from their pixels, clip after
// clip, run after run.

#include "AlbumDocument.h"
#include "PreviewPlayer.h"
#include "QtMediaGraph.h"
#include "ScriptedPrompts.h"
#include "TFrmSilder.h"
#include "TImageSlide.h"
#include "TestMedia.h"
#include "VideoView.h"

#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace {

AlbumObject clip(const char *name)
{
    AlbumObject o;
    o.kind = ObjectKind::Video;
    o.mainFile = testMedia(name);
    o.durationSeconds = u"1"_s;
    return o;
}

AlbumObject still(const char *name, const QString &seconds)
{
    AlbumObject o;
    o.kind = ObjectKind::Still;
    o.mainFile = testMedia(name);
    o.durationSeconds = seconds;
    return o;
}

void fill(AlbumDocument &album, const QList<AlbumObject> &objects)
{
    album.ClearAlbum(u"Clips"_s);
    for (const AlbumObject &o : objects)
        album.appendObject(o, OutlineNode{u"x"_s, {}});
}

// The colour at the middle of what a window shows: 'r'ed, 'b'lue or '-'.
char colourAtCentre(QWidget &window)
{
    const QImage shot = window.grab().toImage();
    const QColor c = shot.pixelColor(shot.rect().center());
    if (c.red() > 180 && c.green() < 80 && c.blue() < 80)
        return 'r';
    if (c.blue() > 180 && c.red() < 80 && c.green() < 80)
        return 'b';
    return '-';
}

// Watches a window and writes down each colour it changes to ("-r-b-").
class ColourLog
{
public:
    explicit ColourLog(QWidget &window)
    {
        QObject::connect(&m_poll, &QTimer::timeout, &window, [this, &window] {
            const char now = colourAtCentre(window);
            if (m_seen.isEmpty() || m_seen.back() != now)
                m_seen.append(now);
        });
        m_poll.start(20);
    }
    QByteArray seen() const { return m_seen; }
    void clear() { m_seen.clear(); }
    // Red came, then blue, whatever showed around them.
    bool sawRedThenBlue() const
    {
        const qsizetype red = m_seen.indexOf('r');
        return red >= 0 && m_seen.indexOf('b', red) > red;
    }

private:
    QTimer m_poll;
    QByteArray m_seen;
};

} // namespace

class tst_VideoPlayback : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void eachClipIsSeenAtItsOwnSizeRunAfterRun()
    {
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        PreviewPlayer player(album, prompts, PlaybackRules::preview(), Qt::gray);
        player.resize(320, 240);
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        PlaybackEngine &engine = player.engine();
        ColourLog log(player);
        bool sizeChecked = false;
        // Two clips back to back, and with a photo between them: each run
        // must reach the end by the clips' own ends and show both.
        for (int run = 0; run < 20; ++run) {
            if (run % 2)
                fill(album, {clip("red.avi"), still("grey.jpg", u"1"_s), clip("blue.wmv")});
            else
                fill(album, {clip("red.avi"), clip("blue.wmv")});
            QSignalSpy finished(&engine, &PlaybackEngine::finished);
            log.clear();
            engine.play(0);
            if (!sizeChecked) {
                QTRY_COMPARE_WITH_TIMEOUT(colourAtCentre(player), 'r', 5000);
                // 160x120 in 320x240: not enlarged, centred.
                QCOMPARE(player.video().pictureRect(), QRect(80, 60, 160, 120));
                sizeChecked = true;
            }
            QVERIFY2(QTest::qWaitFor([&] { return finished.size() == 1; }, 15000),
                qPrintable(u"run %1 stuck at object %2 after seeing %3"_s.arg(run)
                               .arg(engine.playingIndex())
                               .arg(QString::fromLatin1(log.seen()))));
            QVERIFY2(log.sawRedThenBlue(),
                qPrintable(u"run %1 showed %2"_s.arg(run).arg(QString::fromLatin1(log.seen()))));
        }
    }

    void theSlideshowShowsEachClipCentredAndNotEnlarged()
    {
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        fill(album, {clip("red.avi"), clip("blue.wmv")});
        TFrmSilder window(album, prompts, 0, 0);
        window.showFullScreen();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        ColourLog log(window);
        QTRY_COMPARE_WITH_TIMEOUT(colourAtCentre(window), 'r', 5000);
        const QRect shown = window.player().video().pictureRect();
        QCOMPARE(shown.size(), QSize(160, 120));
        QCOMPARE(shown.center(), window.rect().center());
        QTRY_VERIFY_WITH_TIMEOUT(log.sawRedThenBlue(), 5000);
        QTest::keyClick(&window, Qt::Key_Escape);
        QCOMPARE(window.player().engine().state(), PlaybackEngine::State::Stopped);
    }

    void theFirstSlideFillsTheScreenOnceTheWindowDoes()
    {
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        // 640x480: whole on any screen of this size or larger, shrunk in a
        // small window.
        fill(album, {still("color.jpg", u"5"_s)});
        TFrmSilder window(album, prompts, 0, 0);
        // The window manager gives the full-screen size after the window
        // shows: shown small first, then made full size.
        window.resize(200, 150);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.resize(window.screen()->size());
        QTRY_COMPARE(window.player().engine().state(), PlaybackEngine::State::Playing);
        QTRY_VERIFY(!window.player().slide().running());
        QCOMPARE(window.player().slide().shown().size(),
            QSize(640, 480)
                .scaled(window.screen()->size(), Qt::KeepAspectRatio)
                .boundedTo(QSize(640, 480)));
    }

    void aPictureOnShowFollowsThePreviewsSize()
    {
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        fill(album, {still("color.jpg", u"5"_s)});
        PreviewPlayer player(album, prompts, PlaybackRules::preview(), Qt::gray);
        player.resize(320, 240);
        player.show();
        QVERIFY(QTest::qWaitForWindowExposed(&player));
        player.engine().play(0);
        QTRY_VERIFY(!player.slide().running());
        QCOMPARE(player.slide().shown().size(), QSize(320, 240));
        player.resize(700, 600);
        QTRY_COMPARE(player.slide().shown().size(), QSize(640, 480));
        QCOMPARE(player.slide().geometry(), QRect(30, 60, 640, 480));
        player.engine().stop();
    }

    void musicThatCannotBePlayedIsReported()
    {
        QtMediaGraph graph;
        QSignalSpy failed(&graph, &MediaGraph::failed);
        QSignalSpy ended(&graph, &MediaGraph::completed);
        // The file exists, so it renders; the player then finds no music.
        QVERIFY(graph.render(testMedia("words.mp3")));
        graph.run();
        QTRY_COMPARE_WITH_TIMEOUT(failed.size(), 1, 10000);
        QCOMPARE(ended.size(), 0);
        // A cleared graph reports nothing of the file it had.
        QVERIFY(graph.render(testMedia("words.mp3")));
        graph.clear();
        QTest::qWait(500);
        QCOMPARE(failed.size(), 1);
    }
};

QTEST_MAIN(tst_VideoPlayback)
#include "tst_VideoPlayback.moc"
