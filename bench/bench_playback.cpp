// Playback as the window runs it, measured from inside:
//   bench_playback latency PHOTO...   time from Play to the first picture
//       on screen, and from one object's end to the next one's first frame
//   bench_playback engine MUSIC SECONDS   a still album with background
//       music played through the engine for SECONDS
//   bench_playback bare MUSIC SECONDS     the same music on a bare
//       QMediaPlayer, the reference
// The CPU time of the last two is what the script compares.

#include "AlbumDocument.h"
#include "PreviewPlayer.h"
#include "TImageSlide.h"
#include "UserPrompts.h"

#include <QApplication>
#include <QAudioOutput>
#include <QElapsedTimer>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>

#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace {

class SilentPrompts final : public UserPrompts
{
public:
    Answer message(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

void addStill(AlbumDocument &album, const QString &file, const QString &seconds)
{
    AlbumObject o;
    o.kind = ObjectKind::Still;
    o.mainFile = file;
    o.durationSeconds = seconds;
    album.appendObject(o, OutlineNode{file, {}});
}

// Waits until the slide has drawn the first frame of a new picture.
qint64 untilFirstFrame(TImageSlide &slide, QElapsedTimer &clock)
{
    while (slide.frames() == 0 && clock.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    return clock.nsecsElapsed() / 1000;
}

int latency(const QStringList &photos)
{
    SilentPrompts prompts;
    AlbumDocument album(prompts);
    album.ClearAlbum(u"Album"_s);
    for (const QString &photo : photos)
        addStill(album, photo, u"1"_s);
    PreviewPlayer player(album, prompts, PlaybackRules::preview(), Qt::gray);
    player.resize(640, 480);
    player.show();
    QCoreApplication::processEvents();
    TImageSlide &slide = player.slide();
    QElapsedTimer clock;
    clock.start();
    player.engine().play(0);
    std::printf("play to first picture: %.1f ms\n", double(untilFirstFrame(slide, clock)) / 1000);
    // The next object starts when the main timer of this one ends.
    QElapsedTimer next;
    QObject::connect(&player.engine(), &PlaybackEngine::objectStarted, [&](int) { next.start(); });
    while (!next.isValid())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    std::printf(
        "object end to next first frame: %.1f ms\n", double(untilFirstFrame(slide, next)) / 1000);
    player.engine().stop();
    return 0;
}

int engine(const QString &music, int seconds)
{
    SilentPrompts prompts;
    AlbumDocument album(prompts);
    album.ClearAlbum(u"Album"_s);
    addStill(album, u"/nonexistent.jpg"_s, QString::number(seconds + 5));
    AlbumProperties p = album.properties();
    p.backgroundMusic.push_back({music, u"00:01:00"_s, u"PC"_s});
    album.setProperties(p);
    PreviewPlayer player(album, prompts, PlaybackRules::preview(), Qt::gray);
    player.engine().play(0);
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    return QCoreApplication::exec();
}

int bare(const QString &music, int seconds)
{
    QMediaPlayer player;
    QAudioOutput output;
    player.setAudioOutput(&output);
    player.setSource(QUrl::fromLocalFile(music));
    player.play();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    return QCoreApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 3 && args[0] == u"engine")
        return engine(args[1], args[2].toInt());
    if (args.size() >= 3 && args[0] == u"bare")
        return bare(args[1], args[2].toInt());
    if (args.size() >= 3 && args[0] == u"latency")
        return latency(args.mid(1));
    std::fputs(
        "usage: bench_playback latency PHOTO PHOTO... | engine|bare MUSIC SECONDS\n", stderr);
    return 2;
}
