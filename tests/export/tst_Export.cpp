// The export core: which files an album takes along, where they go on a disk
// or a player, and copies that are whole or absent.

#include "../commands/CommandFixture.h"
#include "AlbumDocument.h"
#include "ExportCommands.h"
#include "ExportFileList.h"
#include "ExportLayout.h"
#include "ExportPlan.h"
#include "FileCopier.h"
#include "SmallDisk.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

AlbumObject record(ObjectKind kind, const QString &main)
{
    AlbumObject o;
    o.kind = kind;
    o.mainFile = main;
    o.durationSeconds = u"5"_s;
    return o;
}

} // namespace

class TestExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listsWhatTheAlbumTakesAlong()
    {
        MediaCopies dir;
        const QString a = dir.copy("color.jpg", u"a.jpg"_s);
        const QString b = dir.copy("grey.jpg", u"b.jpg"_s);
        const QString song = dir.copy("tagged.mp3", u"song.mp3"_s);
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        AlbumProperties p = album.properties();
        p.backgroundMusic = {{song, u"00:00:03"_s, u"PC"_s},
            {u"System\\Music\\dev.mp3"_s, u"DEVICE"_s, u"Device"_s}};
        p.backgroundImage = dir.path(u"gone.jpg"_s);
        album.setProperties(p);
        AlbumObject music = record(ObjectKind::AudioWithStill, song);
        music.memberFiles = {a, dir.path(u"missing member.jpg"_s)};
        // A thumbnail equal to its member or to the main file is no extra
        // file; another one is, also past the end of the members.
        music.memberThumbnails = {a, dir.path(u"thumb2.jpg"_s), song, dir.path(u"t4.jpg"_s)};
        for (const AlbumObject &o : {record(ObjectKind::Still, a), record(ObjectKind::Still, a),
                 record(ObjectKind::ManifestLink, dir.copy("color.jpg", u"x.pvm"_s)),
                 record(ObjectKind::ManifestLinkAsRead, dir.copy("color.jpg", u"y.pvm"_s)),
                 record(ObjectKind::Still, dir.path(u"moved.jpg"_s)), music})
            album.appendObject(o, OutlineNode{u"x"_s, {}});
        const QStringList list = ExportFileList::BuildExportFileList(album);
        QCOMPARE(list,
            QStringList({song, a, a, song, a, dir.path(u"missing member.jpg"_s), u"thumb"_s,
                dir.path(u"thumb2.jpg"_s), dir.path(u"t4.jpg"_s)}));
        QVERIFY(ExportFileList::hasFiles(list));

        p.backgroundImage = b;
        p.backgroundMusic.clear();
        album.setProperties(p);
        album.ClearAlbum(u"New album"_s);
        album.appendObject(record(ObjectKind::Still, dir.path(u"moved.jpg"_s)), {u"x"_s, {}});
        QCOMPARE(ExportFileList::BuildExportFileList(album), QStringList({b, u"thumb"_s}));
        p.backgroundImage.clear();
        album.setProperties(p);
        QVERIFY(!ExportFileList::hasFiles(ExportFileList::BuildExportFileList(album)));
    }

    void laysOutDisksAndPlayers()
    {
        QTemporaryDir root;
        const QString r = root.path();
        const ExportLayout image
            = ExportLayout::of(ExportLayout::Target::Disk, AlbumType::Image, r, u"trip.pvm"_s);
        QCOMPARE(image.folders,
            QStringList({r + u"/Music"_s, r + u"/Photos"_s, r + u"/Movie"_s, r + u"/PlayList"_s}));
        QCOMPARE(image.albumFile, r + u"/PlayList/trip.pvm"_s);
        QCOMPARE(image.copyRoot, r);
        // A playlist on a disk gets the player's layout, ready to copy over.
        const ExportLayout ppl
            = ExportLayout::of(ExportLayout::Target::Disk, AlbumType::Ppl, r, u"show.ppl"_s);
        QCOMPARE(ppl.albumFile, r + u"/System/PhotoList/show.ppl"_s);
        QCOMPARE(ppl.copyRoot, r + u"/System"_s);
        // A player's folders keep the spelling they have.
        QVERIFY(QDir().mkpath(r + u"/SYSTEM/photolist"_s));
        const ExportLayout player
            = ExportLayout::of(ExportLayout::Target::Player, AlbumType::Image, r, u"t.pvm"_s);
        QCOMPARE(player.folders,
            QStringList({r + u"/SYSTEM/Music"_s, r + u"/SYSTEM/Photos"_s,
                r + u"/SYSTEM/photolist"_s, r + u"/SYSTEM/Movie"_s}));
        QCOMPARE(player.albumFile, r + u"/SYSTEM/photolist/t.pvm"_s);
        QCOMPARE(player.copyRoot, r + u"/SYSTEM"_s);
    }

    void plansEachFileIntoItsFolder()
    {
        QTemporaryDir root;
        const QString r = root.path();
        const QStringList list = {u"/p/a.JPG"_s, u"/m/b.Mp3"_s, u"/m/c.wma"_s, u"/v/d.mpeg"_s,
            u"/v/e.asx"_s, u"/x/notes.txt"_s, r + u"/photos/own.jpg"_s, u"thumb"_s, u"/t/th.jpg"_s,
            u"/t/thumb"_s};
        QVERIFY(QDir().mkpath(r + u"/photos"_s));
        const std::vector<CopyJob> jobs = ExportPlan::plan(list, r);
        QStringList targets;
        for (const CopyJob &job : jobs)
            targets.append(job.source + u" > "_s + job.target);
        // No folder for a .txt; a file already in place is not copied onto
        // itself; after the marker everything goes to System/Photos, even a
        // second "thumb".
        QCOMPARE(targets,
            QStringList({u"/p/a.JPG > "_s + r + u"/photos/a.JPG"_s,
                u"/m/b.Mp3 > "_s + r + u"/Music/b.Mp3"_s, u"/m/c.wma > "_s + r + u"/Music/c.wma"_s,
                u"/v/d.mpeg > "_s + r + u"/Movie/d.mpeg"_s,
                u"/v/e.asx > "_s + r + u"/Movie/e.asx"_s,
                u"/t/th.jpg > "_s + r + u"/System/Photos/th.jpg"_s,
                u"/t/thumb > "_s + r + u"/System/Photos/thumb"_s}));
    }

    void copiesWholeOrNotAtAll()
    {
        MediaCopies dir;
        const QString source = dir.path(u"big.bin"_s);
        // Three steps of 8 MiB: 8, 16, then the last 4 MiB and 17 bytes.
        QByteArray bytes(20 * 1024 * 1024 + 17, Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            bytes[i] = char(i * 7);
        writeFile(source, bytes);
        QFile::setPermissions(source, QFileDevice::ReadOwner);
        const QDateTime old = QDateTime::currentDateTimeUtc().addDays(-400);
        {
            QFile f(source);
            QVERIFY(f.open(QIODevice::Append));
            QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
        }
        const QString target = dir.path(u"out/deep/big.bin"_s);
        QList<int> percents;
        QCOMPARE(
            FileCopier::copy(source, target, [&](int p) { percents.append(p); }), std::nullopt);
        QCOMPARE(readFile(target), bytes);
        QCOMPARE(QFileInfo(target).lastModified().toSecsSinceEpoch(), old.toSecsSinceEpoch());
        QVERIFY(QFileInfo(target).isWritable());
        QCOMPARE(percents, QList<int>({40, 80, 100}));

        // Cancelled after the first block: the old target stays, no part
        // file is left.
        writeFile(target, "the old copy");
        std::atomic_bool cancel = false;
        const auto error = FileCopier::copy(
            source, target, [&](int) { cancel = true; }, &cancel);
        QCOMPARE(error, std::optional<QString>(FileCopier::cancelledText()));
        QCOMPARE(readFile(target), QByteArray("the old copy"));
        QCOMPARE(QDir(dir.path(u"out/deep"_s)).entryList(QDir::Files | QDir::Hidden),
            QStringList{u"big.bin"_s});

        // Failures name the file and the reason.
        const auto missing = FileCopier::copy(dir.path(u"none"_s), target);
        QVERIFY(missing && missing->contains(dir.path(u"none"_s)));
        const QByteArray fifo = QFile::encodeName(dir.path(u"pipe"_s));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        const auto pipe = FileCopier::copy(QFile::decodeName(fifo), target);
        QVERIFY(pipe && pipe->endsWith(u"not a regular file"_s));
        QVERIFY(pipe->startsWith(u"파일 열기 에러! "_s + QFile::decodeName(fifo) + u": "_s));
        QCOMPARE(readFile(target), QByteArray("the old copy"));
        QFile::setPermissions(
            dir.path(u"out/deep"_s), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        if (!QFileInfo(dir.path(u"out/deep"_s)).isWritable()) {
            const auto refused = FileCopier::copy(source, dir.path(u"out/deep/new.bin"_s));
            QVERIFY(refused
                && refused->startsWith(u"파일 생성 에러! "_s + dir.path(u"out/deep/new.bin"_s)));
        }
        QFile::setPermissions(dir.path(u"out/deep"_s),
            QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    void namesAtTheLimitAndPlantedLinks()
    {
        MediaCopies dir;
        const QString source = dir.copy("tagged.mp3");
        // 255 bytes, the most a file name may have: the temporary name
        // beside it must not grow past that.
        const QString longest = dir.path(u"out/Music/"_s + QString(251, u'n') + u".mp3"_s);
        QCOMPARE(FileCopier::copy(source, longest), std::nullopt);
        QCOMPARE(readFile(longest), readFile(source));
        // A link where the copy goes is replaced, never written through.
        const QString victim = dir.path(u"victim.txt"_s);
        writeFile(victim, "not the player's");
        const QString target = dir.path(u"out/Music/song.mp3"_s);
        QVERIFY(QFile::link(victim, target));
        QCOMPARE(FileCopier::copy(source, target), std::nullopt);
        QCOMPARE(readFile(victim), QByteArray("not the player's"));
        QVERIFY(!QFileInfo(target).isSymLink());
        QCOMPARE(readFile(target), readFile(source));
        QCOMPARE(QDir(dir.path(u"out/Music"_s)).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    void aFullDiskLeavesNoHalfCopy()
    {
        const SmallDisk disk(64);
        if (!disk.mounted())
            QSKIP("no tmpfs can be mounted here");
        MediaCopies dir;
        const QString source = dir.path(u"big.bin"_s);
        writeFile(source, QByteArray(200 * 1024, 'x'));
        const QString target = disk.path() + u"/Music/big.bin"_s;
        const auto error = FileCopier::copy(source, target);
        QVERIFY(error);
        QVERIFY2(error->startsWith(u"파일 생성 에러! "_s + target + u": No space left on device"_s),
            qPrintable(*error));
        QCOMPARE(
            QDir(disk.path() + u"/Music"_s).entryList(QDir::Files | QDir::Hidden), QStringList());
    }

    void exportsAnAlbumToAFolder()
    {
        CommandFixture f;
        ExportCommands exporting(f.context, f.files);
        f.newAlbum(0);
        exporting.exportToDisk(f.media.path(u"out/none.pvm"_s));
        QCOMPARE(f.prompts.texts(), QStringList{u"No file to export."_s});
        QCOMPARE(f.prompts.shown.last().icon, UserPrompts::Icon::Error);

        const QString photo = f.media.copy("color.jpg", u"a.jpg"_s);
        f.add(&EditingCommands::ImageMenuClick, {photo, photo});
        f.add(&EditingCommands::moviemenuClick, {f.media.copy("clip.avi")});
        f.properties.addBackgroundMusicFiles({f.media.copy("tagged.mp3")});
        AlbumProperties p = f.album.properties();
        p.backgroundMusic.push_back({u"System\\Music\\dev.mp3"_s, u"DEVICE"_s, u"Device"_s});
        f.album.setProperties(p);
        f.prompts.clear();
        const QString out = f.media.path(u"out"_s);
        // The photo is listed twice and copied once, without a question
        // about the copy this export just made.
        QVERIFY(exporting.exportToDisk(out + u"/trip.pvm"_s));
        QCOMPARE(f.prompts.overwriteAsked, QStringList());
        QCOMPARE(f.prompts.texts(), QStringList());
        for (const char *file :
            {"Photos/a.jpg", "Movie/clip.avi", "Music/tagged.mp3", "PlayList/trip.pvm"})
            QVERIFY2(QFile::exists(out + u'/' + QString::fromLatin1(file)), file);
        QVERIFY(!QFile::exists(out + u"/Music/dev.mp3"_s));
        QVERIFY(QDir(out + u"/PlayList"_s).exists());
        ScriptedPrompts readerPrompts;
        AlbumDocument back(readerPrompts);
        QVERIFY(AlbumFiles::read(back, out + u"/PlayList/trip.pvm"_s));
        QCOMPARE(back.objectCount(), 3);
        QCOMPARE(back.object(0).mainFile, out + u"/Photos/a.jpg"_s);
        // Every copied medium is found; only the player's own track, which
        // stays on the player, is named without being there.
        QCOMPARE(back.missingFiles(), QStringList{out + u"/Music/dev.mp3"_s});

        // Again: the album file question, then Yes All replaces everything.
        writeFile(out + u"/Music/tagged.mp3"_s, "stale");
        f.prompts.clear();
        f.prompts.answers = {UserPrompts::Answer::Yes};
        f.prompts.overwriteAnswers = {CommandPrompts::Overwrite::YesToAll};
        QVERIFY(exporting.exportToDisk(out + u"/trip.pvm"_s));
        QCOMPARE(f.prompts.texts(),
            QStringList{u"The album file exists.\r\n\r\n"_s + out
                + u"/PlayList/trip.pvm\r\n\r\nOverwrite it?"_s});
        QCOMPARE(f.prompts.overwriteAsked.size(), 1);
        QCOMPARE(readFile(out + u"/Music/tagged.mp3"_s), readFile(testMedia("tagged.mp3")));
        // No to the album file question stops before anything is copied.
        writeFile(out + u"/Music/tagged.mp3"_s, "stale");
        f.prompts.clear();
        f.prompts.answers = {UserPrompts::Answer::No};
        QVERIFY(!exporting.exportToDisk(out + u"/trip.pvm"_s));
        QCOMPARE(readFile(out + u"/Music/tagged.mp3"_s), QByteArray("stale"));
        // Cancel ends the copying; the album file is still written.
        QVERIFY(QFile::remove(out + u"/PlayList/trip.pvm"_s));
        f.prompts.clear();
        f.prompts.overwriteAnswers = {CommandPrompts::Overwrite::Cancel};
        exporting.exportToDisk(out + u"/trip.pvm"_s);
        QCOMPARE(f.prompts.overwriteAsked.size(), 1);
        QVERIFY(QFile::exists(out + u"/PlayList/trip.pvm"_s));
    }

    void differentFilesOfOneNameStayApartAndTheAlbumNamesEach()
    {
        CommandFixture f;
        ExportCommands exporting(f.context, f.files);
        f.newAlbum(0);
        // Two cameras' first photos, a name differing only in case, and one
        // photo used twice.
        const QString cam1 = f.media.copy("color.jpg", u"cam1/DSC0001.JPG"_s);
        const QString cam2 = f.media.copy("grey.jpg", u"cam2/DSC0001.JPG"_s);
        const QString lower = f.media.copy("large-thumb.jpg", u"cam3/dsc0001.jpg"_s);
        f.add(&EditingCommands::ImageMenuClick, {cam1, cam2, lower, cam1});
        f.add(&EditingCommands::moviemenuClick,
            {f.media.copy("clip.avi", u"a/Clip.avi"_s),
                f.media.copy("silent.avi", u"b/clip.AVI"_s)});
        const QString out = f.media.path(u"out"_s);
        // A file from an earlier export is still asked about.
        writeFile(out + u"/Photos/DSC0001_2.JPG"_s, "earlier");
        f.prompts.clear();
        f.prompts.overwriteAnswers = {CommandPrompts::Overwrite::Yes};
        QVERIFY(exporting.exportToDisk(out + u"/cams.pvm"_s));
        QCOMPARE(f.prompts.overwriteAsked, QStringList{out + u"/Photos/DSC0001_2.JPG"_s});
        QCOMPARE(readFile(out + u"/Photos/DSC0001.JPG"_s), readFile(cam1));
        QCOMPARE(readFile(out + u"/Photos/DSC0001_2.JPG"_s), readFile(cam2));
        QCOMPARE(readFile(out + u"/Photos/dsc0001_3.jpg"_s), readFile(lower));
        QCOMPARE(readFile(out + u"/Movie/clip_2.AVI"_s), readFile(testMedia("silent.avi")));
        QCOMPARE(QDir(out + u"/Photos"_s).entryList(QDir::Files).size(), 3);
        ScriptedPrompts readerPrompts;
        AlbumDocument back(readerPrompts);
        QVERIFY(AlbumFiles::read(back, out + u"/PlayList/cams.pvm"_s));
        QStringList names;
        for (int i = 0; i < back.objectCount(); ++i)
            names.append(QFileInfo(back.object(i).mainFile).fileName());
        QCOMPARE(names,
            QStringList({u"DSC0001.JPG"_s, u"DSC0001_2.JPG"_s, u"dsc0001_3.jpg"_s, u"DSC0001.JPG"_s,
                u"Clip.avi"_s, u"clip_2.AVI"_s}));
        QVERIFY(back.missingFiles().isEmpty());
    }

    void membersReadBackFromTheFileExportWithoutFailures()
    {
        CommandFixture f;
        f.newAlbum(0);
        AlbumObject withSound = record(ObjectKind::StillWithAudio, f.media.copy("color.jpg"));
        withSound.memberFiles = {f.media.copy("stereo16.wav")};
        f.album.appendObject(withSound, OutlineNode{u"1"_s, {}});
        AlbumObject music = record(ObjectKind::AudioWithStill, f.media.copy("tagged.mp3"));
        music.memberFiles = {f.media.copy("grey.jpg"), f.media.copy("large-thumb.jpg")};
        music.memberDurations = {u"2"_s, u"3"_s};
        f.album.appendObject(music, OutlineNode{u"2"_s, {}});
        const QString saved = f.media.path(u"members.pvm"_s);
        QVERIFY(!AlbumFiles::save(f.album, saved));
        QVERIFY(AlbumFiles::read(f.album, saved));
        QCOMPARE(f.album.objectCount(), 2);
        f.prompts.clear();
        ExportCommands exporting(f.context, f.files);
        const QString out = f.media.path(u"out"_s);
        QVERIFY(exporting.exportToDisk(out + u"/members.pvm"_s));
        QCOMPARE(f.prompts.texts(), QStringList());
        for (const char *file : {"Photos/color.jpg", "Music/stereo16.wav", "Music/tagged.mp3",
                 "Photos/grey.jpg", "Photos/large-thumb.jpg"})
            QVERIFY2(QFile::exists(out + u'/' + QString::fromLatin1(file)), file);
    }

    void exportToHarddiskAsksForTheAlbumFile()
    {
        CommandFixture f;
        ExportCommands exporting(f.context, f.files);
        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3")});
        f.prompts.saveAnswers = {f.media.path(u"trip.mum"_s)};
        f.files.SaveAlbummenuClick();
        f.prompts.clear();
        // Cancelled: nothing is made.
        exporting.mnuExport_HDDClick();
        QCOMPARE(f.prompts.saveSuggestions, QStringList{u"trip"_s});
        QVERIFY(!QDir(f.media.path(u"PlayList"_s)).exists());
        f.prompts.saveAnswers = {f.media.path(u"disk/mine"_s)};
        QVERIFY(QDir().mkpath(f.media.path(u"disk"_s)));
        exporting.mnuExport_HDDClick();
        QVERIFY(QFile::exists(f.media.path(u"disk/PlayList/mine.mum"_s)));
        QVERIFY(QFile::exists(f.media.path(u"disk/Music/tagged.mp3"_s)));
        // Not while playing.
        f.state.playing = true;
        f.prompts.clear();
        exporting.mnuExport_HDDClick();
        QCOMPARE(f.prompts.saveSuggestions, QStringList());
    }

    void refusesWhatCannotBeExported()
    {
        CommandFixture f;
        ExportCommands exporting(f.context, f.files);
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg", u"a.jpg"_s)});
        const QString out = f.media.path(u"out"_s);
        exporting.freeSpaceKB = [](const QString &) { return qint64(0); };
        f.prompts.clear();
        QVERIFY(!exporting.exportToDisk(out + u"/trip.pvm"_s));
        QCOMPARE(f.prompts.texts(),
            QStringList{u"Not enough disk space.\r\nRetry after ensure disk space."_s});
        QVERIFY(!QDir(out).exists());

        exporting.freeSpaceKB = &ExportCommands::FreeSpaceKB;
        QVERIFY(QFile::remove(f.media.path(u"a.jpg"_s)));
        f.prompts.clear();
        QVERIFY(!exporting.exportToDisk(out + u"/trip.pvm"_s));
        QCOMPARE(f.prompts.texts(), QStringList{u"Not enough file to export\rAdd more files"_s});

        // A member that cannot be read is reported at the end, by name.
        AlbumObject music = record(ObjectKind::AudioWithStill, f.media.copy("tagged.mp3"));
        music.memberFiles = {f.media.path(u"gone.jpg"_s)};
        f.album.appendObject(music, OutlineNode{u"x"_s, {}});
        f.prompts.clear();
        QVERIFY(!exporting.exportToDisk(out + u"/trip.pvm"_s));
        QCOMPARE(f.prompts.texts().size(), 1);
        QVERIFY(f.prompts.texts().first().startsWith(
            u"These files could not be copied, and the album file leaves out what uses them:"_s));
        QVERIFY(f.prompts.texts().first().contains(f.media.path(u"gone.jpg"_s)));
        QVERIFY(QFile::exists(out + u"/Music/tagged.mp3"_s));
        // The album file names only what reached the folder: not the object
        // whose picture is missing, though its sound was copied.
        QFile written(out + u"/PlayList/trip.pvm"_s);
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray album = written.readAll();
        QVERIFY(!album.contains("tagged.mp3"));
    }

    void aPlaylistOnADiskGetsThePlayersLayout()
    {
        CommandFixture f;
        ExportCommands exporting(f.context, f.files);
        f.newAlbum(2);
        const QString photo = f.media.copy("large.jpg", u"big.jpg"_s);
        f.add(&EditingCommands::ImageMenuClick, {photo});
        const QString out = f.media.path(u"stick"_s);
        QVERIFY(exporting.exportToDisk(out + u"/show.ppl"_s));
        // Photos at full size, beside the playlist's folders.
        QCOMPARE(readFile(out + u"/System/Photos/big.jpg"_s), readFile(photo));
        QVERIFY(
            readFile(out + u"/System/PhotoList/show.ppl"_s).contains("System\\Photos\\big.jpg"));
        for (const char *folder : {"System/Music", "System/Movie"})
            QVERIFY(QDir(out + u'/' + QString::fromLatin1(folder)).exists());
        // Opened again from that folder, its paths start at the folder that
        // holds System, not beside the playlist.
        ScriptedPrompts readerPrompts;
        AlbumDocument back(readerPrompts);
        back.setAlbumType(AlbumType::Ppl);
        QVERIFY(AlbumFiles::read(back, out + u"/System/PhotoList/show.ppl"_s));
        QCOMPARE(back.objectCount(), 1);
        QCOMPARE(back.object(0).mainFile, out + u"/System/Photos/big.jpg"_s);
        QVERIFY(back.missingFiles().isEmpty());
        QCOMPARE(readerPrompts.texts(), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestExport)
#include "tst_Export.moc"
