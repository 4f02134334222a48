// quillan-tool as scripts use it: the real binary, its output and exit codes.

#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

#include <csignal>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Run
{
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Run runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(programFolder() + u"quillan-tool"_s, arguments);
    if (!process.waitForFinished(60000))
        qFatal("quillan-tool did not finish");
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestQuillanTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void probesAsJson()
    {
        const Run run = runTool({u"probe"_s, u"--json"_s, testMedia("clip.mpg"),
            testMedia("grey.jpg"), testMedia("tagged.mp3")});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray results = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(results.size(), 3);
        const QJsonObject clip = results[0].toObject();
        QCOMPARE(clip[u"file"_s].toString(), testMedia("clip.mpg"));
        QCOMPARE(clip[u"class"_s].toInt(), 2);
        QCOMPARE(clip[u"duration"_s].toString(), u"00:00:02"_s);
        QCOMPARE(clip[u"probeKind"_s].toString(), u"Movie"_s);
        QCOMPARE(
            clip[u"description"_s].toString(), u": 320X240, 24 bits-: 44100 Hz,16 Bits, 1 Ch"_s);
        const QJsonObject photo = results[1].toObject();
        QCOMPARE(photo[u"lengthText"_s].toString(), u"0"_s);
        QCOMPARE(photo[u"probeKind"_s].toString(), u"Image"_s);
        QCOMPARE(results[2].toObject()[u"class"_s].toInt(), 3);
    }

    void printsTextAndReportsMissingFiles()
    {
        const Run run = runTool({u"probe"_s, u"/no/such.wav"_s, testMedia("mono8.wav")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("/no/such.wav"));
        QCOMPARE(QString::fromUtf8(run.out),
            testMedia("mono8.wav") + u": Audio, 00:00:02, 44100 Hz,8 Bits, 1 Ch\n"_s);
    }

    void buildsDumpsAndResavesAlbums()
    {
        MediaCopies dir;
        const QString out = dir.path(u"made.pvm"_s);
        Run run = runTool({u"new"_s, u"--type"_s, u"image"_s, u"--title"_s, u"A & B"_s,
            u"--transition"_s, u"verticalwipe"_s, u"--keep-going"_s, u"--bg-music"_s,
            dir.copy("tagged.mp3"), u"-o"_s, out, dir.copy("color.jpg"), dir.copy("clip.avi"),
            dir.copy("empty.jpg"), dir.copy("mono8.wav")});
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains("Confirm: This file is DRM file or has any problem."));
        const QByteArray skipped
            = "skipped (not accepted by this album type: " + dir.path(u"mono8.wav"_s).toUtf8();
        QVERIFY(run.err.contains(skipped));

        run = runTool({u"dump"_s, out});
        QCOMPARE(run.exitCode, 0);
        const QJsonObject album = QJsonDocument::fromJson(run.out).object();
        QCOMPARE(album[u"albumType"_s].toInt(), 0);
        QCOMPARE(album[u"title"_s].toString(), u"A & B"_s);
        QCOMPARE(album[u"albumTransition"_s].toString(), u"VERTICALWIPE"_s);
        const QJsonArray objects = album[u"objects"_s].toArray();
        QCOMPARE(objects.size(), 2);
        QCOMPARE(objects[0].toObject()[u"kind"_s].toInt(), 1);
        QCOMPARE(objects[0].toObject()[u"mainFile"_s].toString(), dir.path(u"color.jpg"_s));
        QCOMPARE(objects[1].toObject()[u"kind"_s].toInt(), 7);
        QCOMPARE(objects[1].toObject()[u"transition"_s].toString(), u"VERTICALWIPE"_s);
        QCOMPARE(album[u"backgroundMusic"_s].toArray().size(), 1);
        QCOMPARE(album[u"backgroundMusicSeconds"_s].toInt(), 3);
        QCOMPARE(album[u"messages"_s].toArray().size(), 0);
        QVERIFY(
            album[u"outline"_s].toString().startsWith(u"Album\r\n\t1:color.jpg\r\n\t\t1\r\n"_s));

        // The saved form is stable through a read and a save.
        const QString again = dir.path(u"again.pvm"_s);
        QCOMPARE(runTool({u"resave"_s, out, again}).exitCode, 0);
        QFile a(out);
        QFile b(again);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        QCOMPARE(b.readAll(), a.readAll());

        run = runTool({u"resave"_s, out, dir.path(u"x.ppl"_s)});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("album types differ"));

        const QString exported = dir.path(u"exported.pvm"_s);
        QCOMPARE(runTool({u"export-manifest"_s, out, exported}).exitCode, 0);
        QFile e(exported);
        QVERIFY(e.open(QIODevice::ReadOnly));
        const QByteArray bytes = e.readAll();
        QVERIFY(bytes.contains("<mpv:LastURL>../Photos/color.jpg</mpv:LastURL>"));
        QVERIFY(bytes.contains("<mpv:LastURL>../Movie/clip.avi</mpv:LastURL>"));
        QVERIFY(bytes.contains("<dc:rights>Harlowe Lumavine</dc:rights>"));
    }

    void reportsAlbumsItCannotRead()
    {
        MediaCopies dir;
        const QString bad = dir.copy("corrupt.jpg", u"bad.ppl"_s);
        Run run = runTool({u"dump"_s, bad});
        QCOMPARE(run.exitCode, 1);
        const QJsonArray messages
            = QJsonDocument::fromJson(run.out).object()[u"messages"_s].toArray();
        QCOMPARE(messages.size(), 1);
        QVERIFY(
            messages[0].toString().startsWith(u"The album file can not be read.\r\n\r\n"_s + bad));
        QCOMPARE(runTool({u"dump"_s, dir.path(u"none.pvm"_s)}).exitCode, 1);
        QCOMPARE(runTool({u"dump"_s, dir.copy("color.jpg")}).exitCode, 1);
        run = runTool({u"new"_s, u"--type"_s, u"ppl"_s, u"-o"_s, u"/no/such/dir/a.ppl"_s,
            dir.copy("color.jpg")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("cannot write /no/such/dir/a.ppl"));
    }

    void endsWithAStatusAScriptCanTrust()
    {
        MediaCopies dir;
        const QString photo = dir.copy("color.jpg");
        const QString out = dir.path(u"a.pvm"_s);
        const auto newAlbum = [&](const QStringList &more) {
            return runTool(QStringList{u"new"_s, u"--type"_s, u"image"_s, u"-o"_s, out} + more);
        };
        Run run = newAlbum({photo, dir.path(u"gone.jpg"_s)});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains(
            QByteArray(QByteArray("missing: ") + dir.path(u"gone.jpg"_s).toUtf8())));
        QVERIFY(!QFile::exists(out));
        run = newAlbum({photo, dir.copy("mono8.wav")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("not accepted by this album type: "));
        // A file the album refuses once it has looked at it.
        QCOMPARE(newAlbum({dir.copy("empty.jpg")}).exitCode, 1);
        QCOMPARE(newAlbum({photo, dir.copy("empty.jpg"), u"--keep-going"_s}).exitCode, 0);
        QVERIFY(QFile::exists(out));
        QCOMPARE(newAlbum({u"--transition"_s, u"spiral"_s, photo}).exitCode, 2);
        run = runTool({u"new"_s, u"--type"_s, u"ppl"_s, u"-o"_s, dir.path(u"p.ppl"_s),
            u"--bg-music"_s, dir.copy("stereo16.wav"), photo});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(!QFile::exists(dir.path(u"p.ppl"_s)));
        // A manifest is not written into a playlist's name.
        run = runTool({u"new"_s, u"--type"_s, u"image"_s, u"-o"_s, dir.path(u"x.ppl"_s), photo});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!QFile::exists(dir.path(u"x.ppl"_s)));
        run = runTool({});
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.contains("usage"));

        // Probe: one readable line a file by default.
        run = runTool({u"probe"_s, testMedia("clip.mpg"), testMedia("tagged.mp3")});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(QString::fromUtf8(run.out),
            testMedia("clip.mpg")
                + u": Movie, 00:00:02, 320X240, 24 bits, 44100 Hz,16 Bits, 1 Ch\n"_s
                + testMedia("tagged.mp3") + u": Audio, 00:00:03, 44100 Hz,16 Bits, 2 Ch\n"_s);
    }

    void specialFilesAreNamedForWhatTheyAre()
    {
        MediaCopies dir;
        const QString fifo = dir.path(u"pipe.mp3"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        const QString album = dir.path(u"pipe.pvm"_s);
        QCOMPARE(::mkfifo(QFile::encodeName(album).constData(), 0600), 0);
        const Run probe = runTool({u"probe"_s, fifo});
        QCOMPARE(probe.exitCode, 1);
        QCOMPARE(probe.err, (u"quillan-tool: not a regular file: "_s + fifo + u'\n').toUtf8());
        for (const char *command : {"dump", "render"}) {
            QStringList arguments{QString::fromLatin1(command), album};
            if (qstrcmp(command, "render") == 0)
                arguments << u"-o"_s << dir.path(u"out.mp4"_s);
            const Run run = runTool(arguments);
            QCOMPARE(run.exitCode, 1);
            QVERIFY2(run.err.contains((u"not a regular file: "_s + album).toUtf8()), run.err);
        }
        QVERIFY(runTool({u"probe"_s, dir.path(u"gone.mp3"_s)}).err.contains("no such file: "));
    }

    void aRenderEndedBySignalsLeavesNoFile()
    {
        MediaCopies dir;
        const QString album = dir.path(u"long.pvm"_s);
        QStringList photos;
        for (int i = 0; i < 12; ++i)
            photos.append(dir.copy("color.jpg", u"p%1.jpg"_s.arg(i)));
        QCOMPARE(runTool(QStringList{u"new"_s, u"--type"_s, u"image"_s, u"-o"_s, album} + photos)
                     .exitCode,
            0);
        for (const auto signal : {SIGTERM, SIGHUP}) {
            QProcess render;
            render.setProcessChannelMode(QProcess::MergedChannels);
            render.start(programFolder() + u"quillan-tool"_s,
                {u"render"_s, album, u"-o"_s, dir.path(u"film.mp4"_s)});
            QVERIFY(render.waitForStarted());
            // Once it writes frames, the signal.
            QTRY_VERIFY_WITH_TIMEOUT(
                QDir(dir.path({}))
                        .entryList({u".quillan-render-*"_s}, QDir::Files | QDir::Hidden)
                        .size()
                    == 1,
                20000);
            ::kill(pid_t(render.processId()), signal);
            QVERIFY(render.waitForFinished(20000));
            QVERIFY(render.exitCode() != 0);
            QVERIFY(QDir(dir.path({}))
                        .entryList({u".quillan-render-*"_s}, QDir::Files | QDir::Hidden)
                        .isEmpty());
            QVERIFY(!QFile::exists(dir.path(u"film.mp4"_s)));
        }
    }

    void exportsToAFolder()
    {
        MediaCopies dir;
        const QString album = dir.path(u"trip.pvm"_s);
        QCOMPARE(runTool({u"new"_s, u"--type"_s, u"image"_s, u"-o"_s, album, dir.copy("color.jpg"),
                             dir.copy("clip.mpg")})
                     .exitCode,
            0);
        const QString out = dir.path(u"out"_s);
        QCOMPARE(runTool({u"export"_s, album, u"--to"_s, out}).exitCode, 0);
        QVERIFY(QFile::exists(out + u"/Photos/color.jpg"_s));
        QVERIFY(QFile::exists(out + u"/Movie/clip.mpg"_s));
        QVERIFY(QFile::exists(out + u"/PlayList/trip.pvm"_s));
        // Again with --overwrite none: the album file question is answered
        // Yes by the console, the media are left as they are.
        QFile stale(out + u"/Photos/color.jpg"_s);
        QVERIFY(stale.open(QIODevice::WriteOnly) && stale.write("stale") == 5);
        stale.close();
        QCOMPARE(
            runTool({u"export"_s, album, u"--to"_s, out, u"--overwrite"_s, u"none"_s}).exitCode, 0);
        QVERIFY(stale.open(QIODevice::ReadOnly));
        QCOMPARE(stale.readAll(), QByteArray("stale"));
        stale.close();
        QCOMPARE(
            runTool({u"export"_s, album, u"--to"_s, out, u"--overwrite"_s, u"all"_s}).exitCode, 0);
        QCOMPARE(QFileInfo(stale.fileName()).size(), QFileInfo(testMedia("color.jpg")).size());
        // Asking with no terminal to answer on is an error, not a cancel
        // that reads as success.
        const Run asked = runTool({u"export"_s, album, u"--to"_s, out});
        QCOMPARE(asked.exitCode, 2);
        QVERIFY2(asked.err.contains("choose --overwrite all or --overwrite none"), asked.err);
        QCOMPARE(runTool({u"export"_s, album}).exitCode, 2);
        QCOMPARE(
            runTool({u"export"_s, album, u"--to"_s, out, u"--overwrite"_s, u"maybe"_s}).exitCode,
            2);
    }

    void exportsOntoAPlayer()
    {
        MediaCopies dir;
        const QString album = dir.path(u"trip.ppl"_s);
        QCOMPARE(runTool({u"new"_s, u"--type"_s, u"ppl"_s, u"--bg-music"_s,
                             dir.copy("untagged.mp3"), u"-o"_s, album, dir.copy("large.jpg")})
                     .exitCode,
            0);
        const QString player = dir.path(u"player"_s);
        QVERIFY(QDir().mkpath(player));
        // The refresh goes to the simulated player through the connector.
        const QString log = dir.path(u"commands.log"_s);
        QFile devices(dir.path(u"devices.ini"_s));
        QVERIFY(devices.open(QIODevice::WriteOnly));
        devices.write("[Manager]\nCommandLog=" + log.toUtf8()
            + "\n[Device1]\nName=Harlowe / Tunewave KV-30\nDrive=" + player.toUtf8() + "\n");
        devices.close();
        qputenv("TETHERA_DEVICES", devices.fileName().toUtf8());
        qputenv("QUILLAN_STATUS_DIR", dir.path(u"status"_s).toUtf8());
        const Run run = runTool({u"export"_s, album, u"--player"_s, player});
        qunsetenv("TETHERA_DEVICES");
        qunsetenv("QUILLAN_STATUS_DIR");
        QCOMPARE(run.exitCode, 0);
        QVERIFY(run.err.contains("Exporting completed!"));
        QVERIFY(QFile::exists(player + u"/System/PhotoList/trip.ppl"_s));
        QVERIFY(QFile::exists(player + u"/System/Music/untagged.mp3"_s));
        QCOMPARE(QImage(player + u"/System/Photos/large.jpg"_s).size(), QSize(320, 240));
        QFile commands(log);
        QVERIFY(commands.open(QIODevice::ReadOnly));
        QCOMPARE(commands.readAll().count('\n'), 2); // the drive query, the refresh
        QCOMPARE(runTool({u"export"_s, album, u"--player"_s, dir.path(u"none"_s)}).exitCode, 1);
        QCOMPARE(
            runTool({u"export"_s, album, u"--player"_s, player, u"--to"_s, player}).exitCode, 2);
    }

    void refusesToDropWhatItCouldNotFind()
    {
        MediaCopies dir;
        const QString out = dir.path(u"holes.pvm"_s);
        const QString moved = dir.copy("grey.jpg", u"moved.jpg"_s);
        QCOMPARE(
            runTool({u"new"_s, u"--type"_s, u"image"_s, u"-o"_s, out, dir.copy("color.jpg"), moved})
                .exitCode,
            0);
        QVERIFY(QFile::remove(moved));
        Run run = runTool({u"dump"_s, out});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray messages
            = QJsonDocument::fromJson(run.out).object()[u"messages"_s].toArray();
        QCOMPARE(messages.size(), 1);
        QVERIFY(messages[0].toString().contains(moved));

        const QString again = dir.path(u"again.pvm"_s);
        run = runTool({u"resave"_s, out, again});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("--drop-missing"));
        QVERIFY(!QFile::exists(again));
        QCOMPARE(runTool({u"resave"_s, out, again, u"--drop-missing"_s}).exitCode, 0);
        QCOMPARE(QJsonDocument::fromJson(runTool({u"dump"_s, again}).out)
                     .object()[u"objects"_s]
                     .toArray()
                     .size(),
            1);
    }

    void opensPlaylistsAsFromAPlayer()
    {
        MediaCopies dir;
        QDir().mkpath(dir.path(u"player/System/Photos"_s));
        QFile::copy(testMedia("color.jpg"), dir.path(u"player/System/Photos/a.jpg"_s));
        const QString list = dir.path(u"list.ppl"_s);
        QFile file(list);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<PRESENTATION><FOREGROUND><STILL>System\\Photos\\a.jpg<DURATION>2500</DURATION>"
                   "</STILL></FOREGROUND></PRESENTATION>");
        file.close();
        const Run run = runTool({u"dump"_s, list, u"--player-root"_s, dir.path(u"player"_s)});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray objects
            = QJsonDocument::fromJson(run.out).object()[u"objects"_s].toArray();
        QCOMPARE(objects.size(), 1);
        QCOMPARE(objects[0].toObject()[u"mainFile"_s].toString(),
            dir.path(u"player/System/Photos/a.jpg"_s));
        QCOMPARE(objects[0].toObject()[u"durationSeconds"_s].toString(), u"2"_s);
        QCOMPARE(runTool({u"dump"_s, list}).exitCode, 0);
    }
};

QTEST_GUILESS_MAIN(TestQuillanTool)
#include "tst_QuillanTool.moc"
