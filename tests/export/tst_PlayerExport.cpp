// Albums on a player, end to end against folders standing for players and
// the real connector's simulated back end: exporting onto a player with the
// photo hand-over, opening and deleting albums there, and taking background
// music from it.

#include "../commands/CommandFixture.h"
#include "AlbumDocument.h"
#include "ExportCommands.h"
#include "ExportFileList.h"
#include "MediaProbe.h"
#include "PhotoHandOver.h"
#include "PlayerDeletion.h"
#include "SmallDisk.h"
#include "TestMedia.h"
#include "Texts.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A folder standing for a player, announced to the connector.
struct Player
{
    QTemporaryDir dir;
    QTemporaryDir status;
    QString root() const { return dir.path() + u'/'; }
    QString path(const QString &relative) const { return dir.filePath(relative); }

    Player()
    {
        const QString devices = status.filePath(u"devices.ini"_s);
        writeFile(devices,
            "[Manager]\n[Device1]\nName=Harlowe / Tunewave KV-30\nDrive=" + dir.path().toUtf8()
                + "\n");
        qputenv("TETHERA_DEVICES", devices.toUtf8());
        qputenv("QUILLAN_STATUS_DIR", status.path().toUtf8());
    }
    ~Player()
    {
        qunsetenv("TETHERA_DEVICES");
        qunsetenv("QUILLAN_STATUS_DIR");
    }
};

struct Editor : CommandFixture
{
    ExportCommands exporting{context, files};

    Editor()
    {
        state.programFolder = programFolder();
        exporting.removableMounts = [] { return QStringList(); };
        player.removableMounts = [] { return QStringList(); };
        player.wait = [](int) {};
    }
    void choosePlayer(const QString &albumName = {})
    {
        prompts.deviceAnswers.append(DeviceAnswer{0, albumName});
    }
};

QSize imageSize(const QString &path)
{
    return QImageReader(path).size();
}

} // namespace

class tst_PlayerExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void photosAreHandedOverInReverseOrderAndTheRestCopied()
    {
        const QString root = u"/media/p/"_s;
        const PhotoHandOver::Split split = PhotoHandOver::split(
            {u"/pc/a.jpg"_s, u"/pc/song.mp3"_s, u"/pc/b.JPG"_s, u"/media/p/SYSTEM/Photos/c.jpg"_s,
                u"/pc/x|y.jpg"_s, QString::fromUtf16(ExportFileList::Marker), u"/pc/t.jpg"_s},
            root, u"KV-30"_s);
        QCOMPARE(
            split.job, u"/media/p/SYSTEM/PHOTOS/..|KV-30:COPY|/pc/t.jpg|/pc/b.JPG|/pc/a.jpg"_s);
        QCOMPARE(split.photos, QStringList({u"/pc/t.jpg"_s, u"/pc/b.JPG"_s, u"/pc/a.jpg"_s}));
        QCOMPARE(split.rest,
            QStringList(
                {u"/pc/song.mp3"_s, u"/pc/x|y.jpg"_s, QString::fromUtf16(ExportFileList::Marker)}));
    }

    void photosOfOneNameReachThePlayerApart()
    {
        Player player;
        Editor e;
        e.newAlbum(2);
        const QString cam1 = e.media.copy("color.jpg", u"cam1/DSC0001.JPG"_s);
        const QString cam2 = e.media.copy("grey.jpg", u"cam2/DSC0001.JPG"_s);
        const QString other = e.media.copy("large.jpg", u"cam3/dsc0001.jpg"_s);
        e.add(&EditingCommands::ImageMenuClick, {cam1, cam2, other});
        e.prompts.clear();
        e.choosePlayer(u"Cams"_s);
        e.exporting.mnuExport_EquipClick();
        QCOMPARE(e.prompts.texts(), QStringList({text(Texts::ExportCompleted)}));
        const QString photos = player.path(u"System/Photos/"_s);
        QCOMPARE(QDir(photos).entryList(QDir::Files),
            QStringList({u"DSC0001.JPG"_s, u"DSC0001_2.JPG"_s, u"dsc0001_3.jpg"_s}));
        // Each is the photo it stands for: colour, grey, and the large one
        // fitted to the screen.
        QCOMPARE(imageSize(photos + u"DSC0001.JPG"_s), QSize(320, 240));
        const QImage grey(photos + u"DSC0001_2.JPG"_s);
        QVERIFY(grey.isGrayscale() || grey.allGray());
        QVERIFY(!QImage(photos + u"DSC0001.JPG"_s).allGray());
        const QByteArray album = readFile(player.path(u"System/PhotoList/Cams.ppl"_s));
        QCOMPARE(album.count("System\\Photos\\DSC0001.JPG"), 1);
        QCOMPARE(album.count("System\\Photos\\DSC0001_2.JPG"), 1);
        QCOMPARE(album.count("System\\Photos\\dsc0001_3.jpg"), 1);
    }

    void aPlaylistGoesOntoThePlayerWithItsMedia()
    {
        Player player;
        Editor e;
        e.newAlbum(2);
        const QString accented = e.media.copy("color.jpg", u"Été.jpg"_s);
        e.add(&EditingCommands::ImageMenuClick,
            {e.media.copy("large.jpg"), accented, e.media.copy("large.jpg")});
        e.properties.addBackgroundMusicFiles({e.media.copy("untagged.mp3")});
        // Music that already lies on the player is never copied.
        const QString onPlayer = player.path(u"System/Music/tagged.mp3"_s);
        QDir().mkpath(QFileInfo(onPlayer).absolutePath());
        QFile::copy(testMedia("tagged.mp3"), onPlayer);
        e.player.addPlayerMusic({onPlayer});
        e.prompts.clear();
        e.choosePlayer(u"Trip"_s);
        e.exporting.mnuExport_EquipClick();

        QCOMPARE(e.prompts.texts(), QStringList({text(Texts::ExportCompleted)}));
        QCOMPARE(e.prompts.shown[0].icon, UserPrompts::Icon::Information);
        QCOMPARE(e.prompts.updates, 1);
        // Photos fitted to the screen, never enlarged, under their names.
        QCOMPARE(imageSize(player.path(u"System/Photos/large.jpg"_s)), QSize(320, 240));
        QCOMPARE(imageSize(player.path(u"System/Photos/Été.jpg"_s)), QSize(320, 240));
        QVERIFY(QFile::exists(player.path(u"System/Music/untagged.mp3"_s)));
        QCOMPARE(QDir(player.path(u"System/Music"_s)).entryList(QDir::Files).size(), 2);
        // The photo used twice was handed over, not copied: no question.
        QVERIFY(e.prompts.overwriteAsked.isEmpty());
        const QByteArray album = readFile(player.path(u"System/PhotoList/Trip.ppl"_s));
        QVERIFY(album.contains("System\\Photos\\\xc3\x89t\xc3\xa9.jpg"));
        QVERIFY(album.contains("System\\Music\\untagged.mp3"));
        QCOMPARE(album.count("System\\Photos\\large.jpg"), 2);
        QCOMPARE(e.state.playerRoot, player.root());
    }

    void otherAlbumTypesNeedNoRefreshAndNoMessage()
    {
        Player player;
        Editor e;
        e.newAlbum(0);
        e.add(&EditingCommands::ImageMenuClick, {e.media.copy("color.jpg")});
        e.prompts.clear();
        // The album name may already carry its extension, in any case.
        QVERIFY(e.exporting.exportToPlayer(player.root(), u"KV-30"_s, u"Trip.PVM"_s));
        QVERIFY(QFile::exists(player.path(u"System/PhotoList/Trip.PVM"_s)));
        QVERIFY(e.prompts.shown.isEmpty());
        QCOMPARE(e.prompts.updates, 0);
        // FAT ignores case: "Trip" is the album written before, and the
        // question names it as the player spells it.
        e.prompts.answers.append(UserPrompts::Answer::Yes);
        QVERIFY(e.exporting.exportToPlayer(player.root(), u"KV-30"_s, u"Trip"_s));
        QCOMPARE(e.prompts.texts().size(), 1);
        QVERIFY(e.prompts.texts()[0].contains(player.path(u"System/PhotoList/Trip.PVM"_s)));
        QVERIFY(!QFile::exists(player.path(u"System/PhotoList/Trip.pvm"_s)));
    }

    void theExportStopsBeforeWritingWhenItCannotGoOn()
    {
        Player player;
        Editor e;
        e.newAlbum(2);
        e.add(&EditingCommands::ImageMenuClick, {e.media.copy("color.jpg")});
        e.prompts.clear();
        e.exporting.freeSpaceKB = [](const QString &) { return qint64(0); };
        QVERIFY(!e.exporting.exportToPlayer(player.root(), u"P"_s, u"Trip"_s));
        QCOMPARE(e.prompts.texts(), QStringList({text(Texts::NotEnoughSpace)}));
        QCOMPARE(e.prompts.shown[0].icon, UserPrompts::Icon::Information);
        QVERIFY(!QDir(player.path(u"System"_s)).exists());

        // An existing album file: No keeps it as it was.
        e.exporting.freeSpaceKB = &ExportCommands::FreeSpaceKB;
        writeFile(player.path(u"System/PhotoList/Trip.ppl"_s), "old");
        e.prompts.clear();
        e.prompts.answers.append(UserPrompts::Answer::No);
        QVERIFY(!e.exporting.exportToPlayer(player.root(), u"P"_s, u"Trip"_s));
        QCOMPARE(e.prompts.texts(),
            QStringList({u"The album file exists.\r\n\r\n"_s
                + player.path(u"System/PhotoList/Trip.ppl"_s) + u"\r\n\r\nOverwrite it?"_s}));
        QCOMPARE(readFile(player.path(u"System/PhotoList/Trip.ppl"_s)), QByteArray("old"));

        // Without the hand-over library nothing reaches the player.
        QTemporaryDir bare;
        e.state.programFolder = bare.path() + u'/';
        e.prompts.clear();
        e.prompts.answers.append(UserPrompts::Answer::Yes);
        QVERIFY(!e.exporting.exportToPlayer(player.root(), u"P"_s, u"Trip"_s));
        QCOMPARE(
            e.prompts.texts().last(), bare.path() + u"/DLL/VoxImgDll.so 을 찾을 수 없습니다!"_s);
        QCOMPARE(readFile(player.path(u"System/PhotoList/Trip.ppl"_s)), QByteArray("old"));
        QVERIFY(QDir(player.path(u"System/Photos"_s)).isEmpty());
    }

    void aFailureIsToldOnceAndNeverCalledCompleted()
    {
        Player player;
        Editor e;
        e.newAlbum(2);
        e.add(&EditingCommands::ImageMenuClick, {e.media.copy("color.jpg")});
        e.properties.addBackgroundMusicFiles({e.media.copy("untagged.mp3")});
        // The album file's place is taken by a folder, and the music's by
        // a folder with a file in it.
        QDir().mkpath(player.path(u"System/PhotoList/Trip.ppl/x"_s));
        QDir().mkpath(player.path(u"System/Music/untagged.mp3/x"_s));
        e.prompts.clear();
        e.prompts.answers.append(UserPrompts::Answer::Yes);
        e.prompts.overwriteAnswers.append(CommandPrompts::Overwrite::Yes);
        QVERIFY(!e.exporting.exportToPlayer(player.root(), u"P"_s, u"Trip"_s));
        const QStringList texts = e.prompts.texts();
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[1].startsWith(text(Texts::UnwritableAlbum)), qPrintable(texts[1]));
        QVERIFY2(texts[1].contains(u"These files could not be copied"_s), qPrintable(texts[1]));
        QVERIFY(texts[1].contains(player.path(u"System/Music/untagged.mp3"_s)));
        QVERIFY(!texts.contains(text(Texts::ExportCompleted)));
        // Without an album file there is nothing new for the player's
        // database.
        QCOMPARE(e.prompts.updates, 0);

        // A name or folder the hand-over's job text cannot carry is refused
        // before anything is written.
        for (const auto &[root, name] :
            {std::pair{player.root(), u"KV|30"_s}, std::pair{player.root(), u"KV:30"_s},
                std::pair{QString(player.root() + u"a|b/"_s), u"P"_s}}) {
            e.prompts.clear();
            QVERIFY(!e.exporting.exportToPlayer(root, name, u"Other"_s));
            QCOMPARE(e.prompts.texts().size(), 1);
            QVERIFY2(e.prompts.texts()[0].contains(u"cannot be exported to"_s),
                qPrintable(e.prompts.texts()[0]));
        }
        QVERIFY(!QFile::exists(player.path(u"System/PhotoList/Other.ppl"_s)));
    }

    void aCancelledCopyLeavesTheUncopiedOutOfThePlaylist()
    {
        Player player;
        Editor e;
        e.newAlbum(2);
        e.add(&EditingCommands::ImageMenuClick, {e.media.copy("color.jpg")});
        e.properties.addBackgroundMusicFiles(
            {e.media.copy("untagged.mp3", u"first.mp3"_s), e.media.copy("tagged.mp3")});
        writeFile(player.path(u"System/Music/first.mp3"_s), "older");
        e.prompts.clear();
        e.prompts.overwriteAnswers.append(Overwrite::Cancel);
        e.exporting.exportToPlayer(player.root(), u"P"_s, u"Trip"_s);
        QCOMPARE(e.prompts.overwriteAsked, QStringList({player.path(u"System/Music/first.mp3"_s)}));
        QVERIFY(!QFile::exists(player.path(u"System/Music/tagged.mp3"_s)));
        const QByteArray album = readFile(player.path(u"System/PhotoList/Trip.ppl"_s));
        // The file kept on the player is named; the one never copied is not.
        QVERIFY(album.contains("System\\Music\\first.mp3"));
        QVERIFY(!album.contains("tagged.mp3"));
        QVERIFY(album.contains("System\\Photos\\color.jpg"));
    }

    void anAlbumOpensFromThePlayerWithItsRelativePaths()
    {
        Player player;
        Editor e;
        QFile::copy(testMedia("color.jpg"), player.path(u"p.jpg"_s));
        writeFile(player.path(u"SYSTEM/PHOTOS/p.jpg"_s), readFile(testMedia("color.jpg")));
        const QString album = player.path(u"SYSTEM/PHOTOLIST/a.ppl"_s);
        writeFile(album,
            "<PRESENTATION><FOREGROUND><STILL>System\\Photos\\p.jpg<DURATION>3000</DURATION>"
            "</STILL></FOREGROUND></PRESENTATION>");
        e.newAlbum(2);
        e.choosePlayer();
        e.prompts.playerFileAnswers.append({album});
        e.player.mnuAlbum_ImportClick();
        QCOMPARE(e.prompts.deviceRequests[0].banner, u"Select device to open album"_s);
        QVERIFY(!e.prompts.deviceRequests[0].albumNameRow);
        const PlayerFilesRequest &request = e.prompts.playerFileRequests[0];
        QCOMPARE(request.caption, u"Open album from Device"_s);
        QCOMPARE(request.folder, player.path(u"SYSTEM/PHOTOLIST"_s));
        QCOMPARE(request.masks, QStringList({u"*.ppl"_s}));
        QCOMPARE(e.album.objectCount(), 1);
        QCOMPARE(e.album.object(0).mainFile, player.path(u"SYSTEM/PHOTOS/p.jpg"_s));
        QVERIFY(e.album.openedFromPlayer());
        QVERIFY(!e.state.saveCommandsEnabled());
    }

    void aPlayerWithoutItsFoldersIsTriedAgainThenReported()
    {
        Player player;
        Editor e;
        int waits = 0;
        e.player.wait = [&waits](int ms) { waits += ms; };
        e.choosePlayer();
        e.player.mnuAlbum_ImportClick();
        QCOMPARE(waits, 5000);
        QCOMPARE(e.prompts.texts(), QStringList({text(Texts::DeviceNotConnected)}));
        // The chooser opens after the message all the same.
        QCOMPARE(e.prompts.playerFileRequests.size(), 1);
        QCOMPARE(e.prompts.playerFileRequests[0].folder, player.path(u"System/PhotoList"_s));

        // A chosen album that has gone: "The file is not exist." without an
        // icon.
        QDir().mkpath(player.path(u"System/PhotoList"_s));
        e.prompts.clear();
        e.choosePlayer();
        e.prompts.playerFileAnswers.append({player.path(u"System/PhotoList/gone.ppl"_s)});
        e.player.mnuAlbum_ImportClick();
        QCOMPARE(e.prompts.texts(), QStringList({text(Texts::FileNotExist)}));
        QCOMPARE(e.prompts.shown[0].icon, UserPrompts::Icon::None);
    }

    void linksOnThePlayerAreReplacedNeverWrittenThrough()
    {
        Player player;
        QTemporaryDir pc;
        Editor e;
        e.newAlbum(2);
        e.add(&EditingCommands::ImageMenuClick, {e.media.copy("large.jpg")});
        e.properties.addBackgroundMusicFiles({e.media.copy("untagged.mp3")});
        // Where the photo, the music and the album file go, links to files
        // outside the player.
        QStringList victims;
        for (const char *place :
            {"System/Photos/large.jpg", "System/Music/untagged.mp3", "System/PhotoList/Trip.ppl"}) {
            const QString victim = pc.filePath(QFileInfo(QString::fromLatin1(place)).fileName());
            writeFile(victim, "outside the player");
            QDir().mkpath(QFileInfo(player.path(QString::fromLatin1(place))).absolutePath());
            QVERIFY(QFile::link(victim, player.path(QString::fromLatin1(place))));
            victims.append(victim);
        }
        e.prompts.clear();
        e.prompts.answers.append(UserPrompts::Answer::Yes);
        e.prompts.overwriteAnswers.append(CommandPrompts::Overwrite::YesToAll);
        QVERIFY(e.exporting.exportToPlayer(player.root(), u"P"_s, u"Trip"_s));
        for (const QString &victim : victims)
            QCOMPARE(readFile(victim), QByteArray("outside the player"));
        QCOMPARE(imageSize(player.path(u"System/Photos/large.jpg"_s)), QSize(320, 240));
        QCOMPARE(readFile(player.path(u"System/Music/untagged.mp3"_s)),
            readFile(testMedia("untagged.mp3")));
        QVERIFY(readFile(player.path(u"System/PhotoList/Trip.ppl"_s)).contains("large.jpg"));
        QVERIFY(!QFileInfo(player.path(u"System/PhotoList/Trip.ppl"_s)).isSymLink());

        // A link in place of one of the layout's folders is refused.
        QVERIFY(QDir(player.path(u"System/Movie"_s)).removeRecursively());
        QVERIFY(QFile::link(pc.path(), player.path(u"System/Movie"_s)));
        e.prompts.clear();
        e.prompts.answers.append(UserPrompts::Answer::Yes);
        QVERIFY(!e.exporting.exportToPlayer(player.root(), u"P"_s, u"Trip"_s));
        QCOMPARE(e.prompts.texts().size(), 2);
        QCOMPARE(e.prompts.texts()[1],
            u"The folder "_s + player.path(u"System/Movie"_s) + u" is a link to "_s + pc.path()
                + u"; the export writes nothing through it."_s);
    }

    void aPlayerUnpluggedAfterItWasChosenGetsNothing()
    {
        SmallDisk stick(4096);
        if (!stick.mounted())
            QSKIP("no tmpfs can be mounted here");
        Editor e;
        e.newAlbum(2);
        e.add(&EditingCommands::ImageMenuClick, {e.media.copy("color.jpg")});
        const QString root = stick.path() + u'/';
        const QByteArray device = QStorageInfo(root).device();
        // Unplugged: the mount point is an empty folder on the system disk.
        QCOMPARE(QProcess::execute(u"umount"_s, {stick.path()}), 0);
        e.prompts.clear();
        QVERIFY(!e.exporting.exportToPlayer(root, u"KV-30"_s, u"Trip"_s, device));
        QCOMPARE(e.prompts.texts(),
            QStringList({u"The player KV-30 is no longer at "_s + root
                + u": it was unplugged or its file system changed. Nothing was written."_s}));
        QVERIFY(QDir(stick.path()).isEmpty());
    }

    void aNeighbourWhoseNameBeginsLikeThePlayersIsOutsideIt()
    {
        QTemporaryDir media;
        const QString root = media.filePath(u"KV30"_s);
        writeFile(root + u"/System/Photos/in.jpg"_s, "photo");
        writeFile(media.filePath(u"KV301/System/Photos/out.jpg"_s), "photo");
        writeFile(media.filePath(u"KV30.jpg"_s), "photo");
        for (const QString &playerRoot : {root, QString(root + u'/')}) {
            QVERIFY(PlayerDeletion::inside(root + u"/System/Photos/in.jpg"_s, playerRoot));
            QVERIFY(!PlayerDeletion::inside(
                media.filePath(u"KV301/System/Photos/out.jpg"_s), playerRoot));
            QVERIFY(!PlayerDeletion::inside(media.filePath(u"KV30.jpg"_s), playerRoot));
            QVERIFY(
                !PlayerDeletion::inside(root + u"/../KV301/System/Photos/out.jpg"_s, playerRoot));
        }
        QVERIFY(!PlayerDeletion::remove(media.filePath(u"KV301/System/Photos/out.jpg"_s), root));
        QVERIFY(QFile::exists(media.filePath(u"KV301/System/Photos/out.jpg"_s)));
    }

    void deletingNeverReachesOutsideThePlayer()
    {
        Player player;
        QTemporaryDir pc;
        Editor e;
        const QString outside = pc.filePath(u"original.jpg"_s);
        const QString linkedOut = pc.filePath(u"linked.jpg"_s);
        writeFile(outside, "photo");
        writeFile(linkedOut, "photo");
        writeFile(player.path(u"System/Photos/p.jpg"_s), "photo");
        writeFile(player.path(u"System/Photos/kept.jpg"_s), "photo");
        writeFile(player.path(u"System/Music/s.mp3"_s), "sound");
        QFile::link(linkedOut, player.path(u"System/Photos/link.jpg"_s));
        const QString a = player.path(u"System/PhotoList/a.ppl"_s);
        const QString b = player.path(u"System/PhotoList/b.ppl"_s);
        writeFile(a,
            "<PRESENTATION><BACKGROUND><AUDIO>System\\Music\\s.mp3</AUDIO></BACKGROUND>"
            "<FOREGROUND><STILL>System\\Photos\\p.jpg</STILL><STILL>"
                + outside.toUtf8() + "</STILL><STILL>System\\Photos\\link.jpg</STILL>"
                + "<STILL>../../../" + QFileInfo(outside).fileName().toUtf8()
                + "</STILL></FOREGROUND></PRESENTATION>");
        writeFile(b,
            "<PRESENTATION><FOREGROUND><STILL>System\\Photos\\kept.jpg</STILL>"
            "</FOREGROUND></PRESENTATION>");
        e.newAlbum(2);
        e.album.setOpenedFromPlayer(true);
        e.choosePlayer();
        // A first Delete answered No, then one with audio left out.
        e.prompts.playerFileAnswers = {{a}, {a}};
        e.prompts.deleteBoxes = {{true, true}, {true, false}};
        e.prompts.answers = {UserPrompts::Answer::No, UserPrompts::Answer::Yes};
        e.player.MnuDeleteAlbumClick();

        QCOMPARE(e.prompts.deviceRequests[0].banner, u"Select device to delete album"_s);
        QCOMPARE(e.prompts.playerFileRequests[0].caption, u"Delete album in Device"_s);
        QCOMPARE(e.prompts.texts().first(), text(Texts::DeleteAlbumQuestion));
        QCOMPARE(e.prompts.deleted, QStringList({player.path(u"System/Photos/p.jpg"_s), a}));
        QVERIFY(!QFile::exists(a));
        QVERIFY(QFile::exists(b));
        QVERIFY(QFile::exists(player.path(u"System/Photos/kept.jpg"_s)));
        QVERIFY(QFile::exists(player.path(u"System/Music/s.mp3"_s)));
        QVERIFY(QFile::exists(outside));
        QVERIFY(QFile::exists(linkedOut));
        QVERIFY(QFileInfo(player.path(u"System/Photos/link.jpg"_s)).isSymLink());
        const QString refusal = e.prompts.texts().last();
        QVERIFY(refusal.startsWith(u"These files lie outside the player and were not deleted:"_s));
        QVERIFY(refusal.contains(outside));
        QVERIFY(refusal.contains(player.path(u"System/Photos/link.jpg"_s)));
        QCOMPARE(e.prompts.updates, 1);
        QVERIFY(!e.album.openedFromPlayer());
    }

    void backgroundMusicComesFromThePlayerUnprobedWhereNeeded()
    {
        Player player;
        Editor e;
        const QString good = player.path(u"System/Music/tagged.mp3"_s);
        const QString bad = player.path(u"System/Music/drm.wma"_s);
        writeFile(good, readFile(testMedia("tagged.mp3")));
        writeFile(bad, QByteArray(4096, 'x'));
        e.newAlbum(2);
        e.choosePlayer();
        e.prompts.playerFileAnswers.append({good, bad});
        e.player.mnuAddBGMusic_DeviceClick();
        QCOMPARE(e.prompts.deviceRequests[0].banner, u"Select device"_s);
        const PlayerFilesRequest &request = e.prompts.playerFileRequests[0];
        QCOMPARE(request.caption, u"Add Music from Device"_s);
        QCOMPARE(request.masks, QStringList({u"*.mp3"_s, u"*.wma"_s}));
        const auto &music = e.album.properties().backgroundMusic;
        QCOMPARE(int(music.size()), 2);
        QCOMPARE(music[0].source, u"Device"_s);
        QVERIFY(music[0].durationText != u"DEVICE");
        QCOMPARE(music[1].durationText, u"DEVICE"_s);
        QCOMPARE(music[1].source, u"Device"_s);
        const double seconds = ProbeMedia(good).lengthText.toDouble();
        QCOMPARE(e.album.properties().backgroundMusicSeconds, int(seconds));
        QVERIFY(e.album.modified());
        // Such music stays on the player when the album is exported.
        QVERIFY(!ExportFileList::BuildExportFileList(e.album).contains(good));
    }
};

QTEST_GUILESS_MAIN(tst_PlayerExport)
#include "tst_PlayerExport.moc"
