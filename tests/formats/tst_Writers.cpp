// The manifest and playlist writers against files written by hand from the
// format tables, the producers' choices, and the escaping of exported names.

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "ExportPaths.h"
#include "ManifestProducers.h"
#include "ManifestWriter.h"
#include "PlaylistWriter.h"
#include "ScriptedPrompts.h"
#include "SmallDisk.h"
#include "TestMedia.h"
#include "UrlCoding.h"
#include "WholeFile.h"

#include <QDir>

#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray crlf(const QStringList &lines)
{
    QByteArray out;
    for (const QString &line : lines)
        out += line.toUtf8() + "\r\n";
    return out;
}

const QStringList ManifestHead = {
    u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>"_s,
    u"<file:Manifest xmlns:file=\"http://ns.osta.org/manifest/1.0/\""_s,
    u"\txmlns:mpv=\"http://ns.osta.org/mpv/1.0/\""_s,
    u"\txmlns:mpvp=\"http://ns.osta.org/mpv/presentation/1.0/\""_s,
    u"\txmlns:mpvm=\"http://ns.osta.org/mpv/music/1.0/\""_s,
    u"\txmlns:dc=\"http://ns.osta.org/nmf/1.0/dc/\""_s,
    u"\txmlns:nmf=\"http://ns.osta.org/nmf/1.0/\""_s,
    u"\txmlns:mpvpCtrl=\"http://ns.osta.org/mpv/presentation/1.0/Control/\""_s,
    u"\txmlns:mpvpTrans=\"http://ns.osta.org/mpv/presentation/1.0/TransitionFilter/\""_s,
    u"\txmlns:dcterms=\"http://purl.org/dc/terms/\""_s,
    u"\txmlns:wbis=\"http://ns.i3a.org/cpxe/wbis/1.0/\">"_s,
    u"\t<nmf:Metadata>"_s,
    u"\t\t<ManifestProperties xmlns=\"http://ns.osta.org/manifest/1.0/\">"_s,
    u"\t\t\t<ProfileBag>"_s,
    u"\t\t\t\t<Profile>http://ns.osta.org/mpv/basic/1.0/</Profile>"_s,
    u"\t\t\t\t<Profile>http://ns.osta.org/mpv/presentation/1.0/</Profile>"_s,
    u"\t\t\t\t<Profile>http://ns.osta.org/mpv/music/1.0/</Profile>"_s,
    u"\t\t\t</ProfileBag>"_s,
    u"\t\t</ManifestProperties>"_s,
    u"\t</nmf:Metadata>"_s,
    u"\t<mpvp:Album mpv:id=\"ALB001\">"_s,
    u"\t\t<nmf:Metadata>"_s,
};

QStringList asset(const QString &element, int number, const QString &url)
{
    const QString id = u"ID00"_s + QString::number(number).rightJustified(10, u'0');
    return {u"\t\t<"_s + element + u" mpv:id=\""_s + id + u"\">"_s,
        u"\t\t\t<mpv:LastURL>"_s + url + u"</mpv:LastURL>"_s, u"\t\t</"_s + element + u'>'};
}

AlbumObject record(ObjectKind kind, const QString &main, const QString &duration = u"5"_s)
{
    AlbumObject o;
    o.kind = kind;
    o.mainFile = main;
    o.durationSeconds = duration;
    o.transition = u"ALPHABLEND"_s;
    return o;
}

// A document holding the given records, without touching any media.
void fill(AlbumDocument &album, const std::vector<AlbumObject> &objects)
{
    album.ClearAlbum(u"New album"_s);
    for (const AlbumObject &o : objects)
        album.appendObject(o, OutlineNode{u"x"_s, {}});
}

QString foregroundValue(const QByteArray &manifest, const char *element)
{
    const qsizetype at = manifest.indexOf(QByteArray(QByteArray("<") + element + ">"));
    if (at < 0)
        return {};
    const qsizetype start = manifest.indexOf('>', at) + 1;
    return QString::fromUtf8(manifest.mid(start, manifest.indexOf('<', start) - start));
}

} // namespace

class TestWriters : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesEveryObjectShape()
    {
        ManifestWriter w;
        w.BeginManifest();
        w.WriteAlbumProperties({}, {}, {}, {}, u"ALPHABLEND"_s);
        w.WriteObject(true, 1, {u"C:\\Photos\\bg.jpg"_s}, {});
        w.WriteObject(true, 6, {u"/m/a.mp3"_s}, {});
        w.WriteObject(false, 2, {u"/p/s.jpg"_s, u"/m/s.wav"_s}, u"3.5"_s);
        w.WriteObject(false, 3, {u"/p/1.jpg"_s, u"/p/2.jpg"_s, u"/p/3.jpg"_s}, u"3;5;2"_s);
        w.WriteObject(
            false, 5, {u"/m/song.mp3"_s, u"/p/a.jpg"_s, u"/p/b.jpg"_s, u"/p/c.jpg"_s}, u"5;5;5"_s);
        w.WriteObject(false, 9, {u"/al/trip.pvm"_s}, {});
        w.WriteObject(false, 7, {}, {});
        w.WriteObject(false, 4, {u"/p/x.jpg"_s}, u"2"_s);

        QStringList expected = ManifestHead;
        expected << u"\t\t\t<dc:Properties>"_s << u"\t\t\t</dc:Properties>"_s
                 << u"\t\t\t<mpvpCtrl:ControlProperties>"_s
                 << u"\t\t\t\t<mpvpTrans:TransitionFilter>"_s
                 << u"\t\t\t\t\t<mpvpTrans:Type>ALPHABLEND</mpvpTrans:Type>"_s
                 << u"\t\t\t\t</mpvpTrans:TransitionFilter>"_s
                 << u"\t\t\t</mpvpCtrl:ControlProperties>"_s << u"\t\t</nmf:Metadata>"_s
                 << u"\t\t<mpvp:Background>"_s
                 << u"\t\t\t<mpv:StillRef mpv:idRef=\"ID000000001000\"/>"_s
                 << u"\t\t\t<mpv:AudioRef mpv:idRef=\"ID000000002000\"/>"_s
                 << u"\t\t</mpvp:Background>"_s << u"\t\t<mpvp:Foreground>"_s
                 << u"\t\t<mpv:StillWithAudioRef mpv:idRef=\"ID000000003000\"/>"_s
                 << u"\t\t\t<mpv:StillMultiShotSequenceRef mpv:idRef=\"ID000000004000\"/>"_s
                 << u"\t\t\t<mpv:AudioWithStillRef mpv:idRef=\"ID000000005000\"/>"_s
                 << u"\t\t\t<mpv:ManifestLinkIDRef mpv:idRef=\"ID000000006000\"/>"_s
                 << u"\t\t\t<mpv:StillPanoramaSequenceRef mpv:idRef=\"ID000000008000\"/>"_s
                 << u"\t\t</mpvp:Foreground>"_s << u"\t</mpvp:Album>"_s << u"\t<mpv:AssetList>"_s;
        expected << asset(u"mpv:Still"_s, 1000, u"C:/Photos/bg.jpg"_s)
                 << asset(u"mpv:Audio"_s, 2000, u"/m/a.mp3"_s)
                 << u"\t\t<mpv:StillWithAudio mpv:id=\"ID000000003000\">"_s
                 << u"\t\t\t<mpv:StillRef mpv:idRef=\"ID000000003001\"/>"_s
                 << u"\t\t\t<mpv:AudioRef mpv:idRef=\"ID000000003002\"/>"_s
                 << u"\t\t\t<mpv:CaptureDur>3.5</mpv:CaptureDur>"_s
                 << u"\t\t</mpv:StillWithAudio>"_s << asset(u"mpv:Still"_s, 3001, u"/p/s.jpg"_s)
                 << asset(u"mpv:Audio"_s, 3002, u"/m/s.wav"_s)
                 << u"\t\t<mpv:StillMultiShotSequence mpv:id=\"ID000000004000\">"_s
                 << u"\t\t<mpv:StillRef mpv:idRef=\"ID000000004001\"/>"_s
                 << u"\t\t<mpv:StillRef mpv:idRef=\"ID000000004002\"/>"_s
                 << u"\t\t<mpv:StillRef mpv:idRef=\"ID000000004003\"/>"_s
                 << u"\t\t\t<mpv:CaptureRate>FrameToFrame:3;5;2</mpv:CaptureRate>"_s
                 << u"\t\t</mpv:StillMultiShotSequence>"_s
                 << asset(u"mpv:Still"_s, 4001, u"/p/1.jpg"_s)
                 << asset(u"mpv:Still"_s, 4002, u"/p/2.jpg"_s)
                 << asset(u"mpv:Still"_s, 4003, u"/p/3.jpg"_s)
                 << u"\t\t<mpv:AudioWithStill mpv:id=\"ID000000005000\">"_s
                 << u"\t\t<mpv:AudioRef mpv:idRef=\"ID000000005001\"/>"_s
                 << u"\t\t<mpv:StillRef mpv:idRef=\"ID000000005002\"/>"_s
                 << u"\t\t<mpv:StillRef mpv:idRef=\"ID000000005004\"/>"_s
                 << u"\t\t<mpv:StillRef mpv:idRef=\"ID000000005006\"/>"_s
                 << u"\t\t\t<mpv:DisplayRate>FrameToFrame:5;5;5</mpv:DisplayRate>"_s
                 << u"\t\t</mpv:AudioWithStill>"_s << asset(u"mpv:Audio"_s, 5001, u"/m/song.mp3"_s)
                 << asset(u"mpv:Still"_s, 5002, u"/p/a.jpg"_s)
                 << asset(u"mpv:Still"_s, 5004, u"/p/b.jpg"_s)
                 << asset(u"mpv:Still"_s, 5006, u"/p/c.jpg"_s)
                 << asset(u"mpv:ManifestLink"_s, 6000, u"/al/trip.pvm"_s)
                 << u"\t\t<mpv:StillPanoramaSequence mpv:id=\"ID000000008000\">"_s
                 << u"\t\t<mpv:StillRef mpv:idRef=\"ID000000008001\"/>"_s
                 << u"\t\t</mpv:StillPanoramaSequence>"_s
                 << asset(u"mpv:Still"_s, 8001, u"/p/x.jpg"_s) << u"\t</mpv:AssetList>"_s
                 << u"</file:Manifest>"_s;
        QCOMPARE(w.manifestBytes(), crlf(expected));
    }

    void writesAlbumPropertiesEscaped()
    {
        ManifestWriter w;
        w.BeginManifest();
        w.WriteAlbumProperties(
            u"Kim \"K\""_s, u"Fish & <chips>"_s, u"Trip"_s, u"Harlowe Lumavine"_s, {});
        const QByteArray bytes = w.manifestBytes();
        QVERIFY(
            bytes.contains("\t\t\t<dc:Properties>\r\n"
                           "\t\t\t\t<dc:description>Fish &amp; &lt;chips&gt;</dc:description>\r\n"
                           "\t\t\t\t<dc:creator>Kim &quot;K&quot;</dc:creator>\r\n"
                           "\t\t\t\t<dc:title>Trip</dc:title>\r\n"
                           "\t\t\t\t<dc:rights>Harlowe Lumavine</dc:rights>\r\n"
                           "\t\t\t</dc:Properties>\r\n"));
        // The transition line stands even when empty.
        QVERIFY(bytes.contains("\t\t\t\t\t<mpvpTrans:Type></mpvpTrans:Type>\r\n"));
    }

    void producesSavedAndExportedManifests()
    {
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        AlbumObject sequence = record(ObjectKind::StillMultiShotSequence, u"/p/1.jpg"_s, u"10"_s);
        sequence.memberFiles = QStringList{u"/p/1.jpg"_s, u"/p/2 b.jpg"_s};
        sequence.memberDurations = QStringList{u"3"_s, u"7"_s};
        AlbumObject music = record(ObjectKind::AudioWithStill, u"/m/Song.MP3"_s, u"10"_s);
        music.memberFiles = QStringList{u"/p/a.jpg"_s, u"/p/b.jpg"_s};
        music.memberDurations = QStringList{u"3"_s, u"3"_s};
        music.repeatMembers = true;
        fill(album,
            {record(ObjectKind::Still, u"C:\\Photos\\a b.jpg"_s), sequence, music,
                record(ObjectKind::ManifestLink, u"/al/trip.pvm"_s)});
        AlbumProperties p = album.properties();
        p.backgroundImage = testMedia("color.jpg");
        p.backgroundMusic = {
            {u"/m/1.mp3"_s, u"00:00:03"_s, u"PC"_s}, {u"/m/2.wma"_s, u"00:00:03"_s, u"Device"_s}};
        album.setProperties(p);

        ManifestWriter w;
        w.BeginManifest();
        QVERIFY(!BuildSaveManifest(w, album));
        const QByteArray saved = w.manifestBytes();
        // Image and two tracks come first, so the first object is 4000.
        QVERIFY(saved.contains("<mpv:StillRef mpv:idRef=\"ID000000004000\"/>"));
        QVERIFY(saved.contains("<mpv:LastURL>C:/Photos/a b.jpg</mpv:LastURL>"));
        QCOMPARE(foregroundValue(saved, "mpv:CaptureRate"), u"FrameToFrame:3;7"_s);
        // Repeating photos are listed until they cover the music: a, b, a, b.
        QCOMPARE(foregroundValue(saved, "mpv:DisplayRate"), u"FrameToFrame:3;3;3;3"_s);
        QCOMPARE(saved.count("<mpv:LastURL>/p/a.jpg</mpv:LastURL>"), 2);
        QVERIFY(!saved.contains("<dc:rights>"));

        w.BeginManifest();
        QVERIFY(!BuildExportManifest(w, album));
        const QByteArray exported = w.manifestBytes();
        QVERIFY(exported.contains("<dc:rights>Harlowe Lumavine</dc:rights>"));
        QVERIFY(exported.contains("<mpv:LastURL>../Photos/a+b.jpg</mpv:LastURL>"));
        QVERIFY(exported.contains("<mpv:LastURL>../Photos/2+b.jpg</mpv:LastURL>"));
        QVERIFY(exported.contains("<mpv:LastURL>../Music/Song.MP3</mpv:LastURL>"));
        QVERIFY(exported.contains("<mpv:LastURL>../Music/2.wma</mpv:LastURL>"));
        QVERIFY(exported.contains("<mpv:LastURL>trip.pvm</mpv:LastURL>"));
        // An exported sequence carries its total, not the member list.
        QCOMPARE(foregroundValue(exported, "mpv:CaptureRate"), u"FrameToFrame:10"_s);
    }

    void refusesObjectsThatCannotBeProducedWhole_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("durations");
        QTest::addColumn<bool>("repeat");
        QTest::newRow("duration not a number")
            << QStringList{u"/p/a.jpg"_s} << QStringList{u"abc"_s} << false;
        QTest::newRow("fewer files than durations")
            << QStringList{u"/p/a.jpg"_s} << QStringList{u"3"_s, u"4"_s} << false;
        QTest::newRow("repeat without durations") << QStringList{} << QStringList{} << true;
        QTest::newRow("repeat of zero durations")
            << QStringList{u"/p/a.jpg"_s} << QStringList{u"0"_s} << true;
        // The repeat would add 5 and take 10 for ever.
        QTest::newRow("repeat of a negative duration")
            << QStringList{u"/p/a.jpg"_s, u"/p/b.jpg"_s} << QStringList{u"5"_s, u"-10"_s} << true;
        QTest::newRow("negative duration")
            << QStringList{u"/p/a.jpg"_s, u"/p/b.jpg"_s} << QStringList{u"5"_s, u"-1"_s} << false;
        QTest::newRow("infinite duration")
            << QStringList{u"/p/a.jpg"_s} << QStringList{u"inf"_s} << true;
    }
    void refusesObjectsThatCannotBeProducedWhole()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, durations);
        QFETCH(bool, repeat);
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        AlbumObject music = record(ObjectKind::AudioWithStill, u"/m/s.mp3"_s, u"10"_s);
        music.memberFiles = files;
        music.memberDurations = durations;
        music.repeatMembers = repeat;
        fill(album, {record(ObjectKind::Still, u"/p/x.jpg"_s), music});
        MediaCopies dir;
        const QString path = dir.path(u"good.pvm"_s);
        QFile good(path);
        QVERIFY(good.open(QIODevice::WriteOnly));
        good.write("a good album");
        good.close();
        const auto error = AlbumFiles::save(album, path);
        QVERIFY(error);
        QVERIFY2(error->startsWith(u"Object 2: "_s), qPrintable(*error));
        QVERIFY(good.open(QIODevice::ReadOnly));
        QCOMPARE(good.readAll(), QByteArray("a good album"));
    }

    void reportsFilesThatCannotBeWritten()
    {
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        fill(album, {record(ObjectKind::Still, u"/p/x.jpg"_s)});
        QVERIFY(AlbumFiles::save(album, u"/no/such/folder/a.pvm"_s));
        album.setAlbumType(AlbumType::Ppl);
        QVERIFY(AlbumFiles::save(album, u"/no/such/folder/a.ppl"_s));
    }

    void escapesExportedNames()
    {
        QCOMPARE(UrlEncode(u"my pic #1.jpg"_s), u"my+pic+%231.jpg"_s);
        QCOMPARE(UrlEncode(u"a/b:c%d+e!$'()*-.@_"_s), u"a%2Fb%3Ac%25d%2Be!$'()*-.@_"_s);
        QCOMPARE(UrlEncode(u"é한"_s), u"%C3%A9%ED%95%9C"_s);
        // Only the listed marks stay: "~" and "," are escaped too.
        QCOMPARE(UrlEncode(u"a~b,c"_s), u"a%7Eb%2Cc"_s);
        QCOMPARE(UrlEncode(u"[x]&y=z;"_s), u"%5Bx%5D%26y%3Dz%3B"_s);
        for (const QString &text : {u"my pic #1.jpg"_s, u"é한 100%+"_s, QString()})
            QCOMPARE(UrlDecode(UrlEncode(text)), std::optional<QString>(text));
        QCOMPARE(UrlDecode(u"100%%"_s), std::optional<QString>(u"100%"_s));
        QCOMPARE(UrlDecode(u"%41%62"_s), std::optional<QString>(u"Ab"_s));
        for (const QString &bad : {u"%"_s, u"%4"_s, u"a%zz"_s, u"%G0"_s})
            QVERIFY2(!UrlDecode(bad), qPrintable(bad));

        QCOMPARE(ExportPath(u"C:\\Photos\\a b.jpg"_s), u"../Photos/a+b.jpg"_s);
        QCOMPARE(ExportPath(u"/m/song.MP3"_s), u"../Music/song.MP3"_s);
        QCOMPARE(ExportPath(u"/v/clip.Mpeg"_s), u"../Movie/clip.Mpeg"_s);
        QCOMPARE(ExportPath(u"/al/trip.pvm"_s), u"trip.pvm"_s);
        QCOMPARE(ExportPlaylistPath(u"D:\\Trip\\beach.JPG"_s), u"System\\Photos\\beach.JPG"_s);
        QCOMPARE(ExportPlaylistPath(u"/m/노래.mp3"_s), u"System\\Music\\노래.mp3"_s);
        QCOMPARE(ExportPlaylistPath(u"/p/scan.bmp"_s), QString());
    }

    void writesPlaylists()
    {
        PlaylistWriter w;
        w.BeginPlaylist();
        w.WritePlaylistEntry(false, PlaylistWriter::MusicTrack, {u"/m/a.mp3"_s}, {}, {});
        w.WritePlaylistEntry(true, PlaylistWriter::Photo, {u"/p/a.jpg"_s}, u"5"_s, u"ALPHABLEND"_s);
        w.WritePlaylistEntry(true, PlaylistWriter::PhotoWithSound,
            {u"/p/b.jpg"_s, u"/m/Rock & Roll.mp3"_s}, u"7.5"_s, u"VERTICALWIPE"_s);
        w.WritePlaylistEntry(true, PlaylistWriter::Photo, {u"/p/c.jpg"_s}, {}, {});
        QCOMPARE(w.playlistBytes(),
            crlf({u"<PRESENTATION>"_s, u"<BACKGROUND>"_s, u"\t<AUDIO>"_s, u"\t\t/m/a.mp3"_s,
                u"\t</AUDIO>"_s, u"</BACKGROUND>"_s, u"<FOREGROUND>"_s, u"\t<STILL>"_s,
                u"\t\t/p/a.jpg"_s, u"\t\t<DURATION>5000</DURATION>"_s,
                u"\t\t<TRANSITIONEFFECT>ALPHABLEND</TRANSITIONEFFECT>"_s, u"\t</STILL>"_s,
                u"\t<STILLWITHAUDIO>"_s, u"\t\t<STILL>"_s, u"\t\t\t/p/b.jpg"_s,
                u"\t\t\t<DURATION>7500</DURATION>"_s,
                u"\t\t\t<TRANSITIONEFFECT>VERTICALWIPE</TRANSITIONEFFECT>"_s, u"\t\t</STILL>"_s,
                u"\t\t<AUDIO>"_s, u"\t\t\t/m/Rock & Roll.mp3"_s, u"\t\t</AUDIO>"_s,
                u"\t</STILLWITHAUDIO>"_s, u"\t<STILL>"_s, u"\t\t/p/c.jpg"_s, u"\t</STILL>"_s,
                u"</FOREGROUND>"_s, u"</PRESENTATION>"_s}));
        w.EndPlaylist();
        w.BeginPlaylist();
        QCOMPARE(w.playlistBytes(),
            crlf({u"<PRESENTATION>"_s, u"<FOREGROUND>"_s, u"</FOREGROUND>"_s,
                u"</PRESENTATION>"_s}));
        QCOMPARE(PlaylistWriter::displayTime(u"215.3466"_s), u"215347"_s);
        QCOMPARE(PlaylistWriter::displayTime(u"2.5"_s), u"2500"_s);
        QCOMPARE(PlaylistWriter::displayTime(u"0.0005"_s), u"0"_s);
        QCOMPARE(PlaylistWriter::displayTime(u"soon"_s), u"1000"_s);
        // Texts that parse but are no finite number count as no number.
        QCOMPARE(PlaylistWriter::displayTime(u"nan"_s), u"1000"_s);
        QCOMPARE(PlaylistWriter::displayTime(u"inf"_s), u"1000"_s);
        // An object lasts 0 to 24 hours, whatever a file said.
        QCOMPARE(PlaylistWriter::displayTime(u"1e20"_s), u"86400000"_s);
        QCOMPARE(PlaylistWriter::displayTime(u"-3"_s), u"0"_s);
    }

    void keepsTheOldFileWhenTheDiskIsFull()
    {
        const SmallDisk disk(64);
        if (!disk.mounted())
            QSKIP("no tmpfs can be mounted here");
        const QString mount = disk.path();
        const QString path = mount + u"/trip.pvm"_s;
        QVERIFY(!writeWholeFile(path, "the album as it was"));

        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        // One page of the disk is left; either format of the album needs
        // more, yet fits in a write buffer.
        QVERIFY(!writeWholeFile(mount + u"/filler"_s, QByteArray(56 * 1024, 'f')));
        fill(album,
            std::vector<AlbumObject>(
                60, record(ObjectKind::Still, u"/p/"_s + QString(100, u'x') + u".jpg"_s)));
        for (const AlbumType type : {AlbumType::Image, AlbumType::Ppl}) {
            album.setAlbumType(type);
            const auto error = AlbumFiles::save(album, path);
            QVERIFY(error);
            QCOMPARE(*error, u"No space left on device"_s);
        }
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("the album as it was"));
        QCOMPARE(QDir(mount).entryList(QDir::Files | QDir::Hidden),
            QStringList({u"filler"_s, u"trip.pvm"_s}));
    }

    void savedPlaylistsLeaveOutPlayerTracks()
    {
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.setAlbumType(AlbumType::Ppl);
        AlbumObject withSound = record(ObjectKind::StillWithAudio, u"/p/b.jpg"_s, u"3"_s);
        withSound.memberFiles = QStringList{u"/m/s.wma"_s};
        fill(album,
            {record(ObjectKind::Still, u"/p/a.JPG"_s), withSound,
                record(ObjectKind::Audio, u"/m/never.mp3"_s)});
        AlbumProperties p = album.properties();
        p.backgroundMusic = {{u"/m/pc.mp3"_s, u"00:00:03"_s, u"PC"_s},
            {u"System\\Music\\dev.mp3"_s, u"DEVICE"_s, u"Device"_s}};
        album.setProperties(p);
        MediaCopies dir;
        const QString saved = dir.path(u"s.ppl"_s);
        const QString exported = dir.path(u"e.ppl"_s);
        QVERIFY(!AlbumFiles::save(album, saved));
        QVERIFY(!AlbumFiles::exportForm(album, exported));
        QFile s(saved);
        QFile e(exported);
        QVERIFY(s.open(QIODevice::ReadOnly) && e.open(QIODevice::ReadOnly));
        const QByteArray savedBytes = s.readAll();
        const QByteArray exportedBytes = e.readAll();
        QCOMPARE(savedBytes.count("<AUDIO>"), 2); // one track, one photo's sound
        QVERIFY(!savedBytes.contains("never.mp3"));
        QCOMPARE(exportedBytes.count("<AUDIO>"), 3);
        QVERIFY(exportedBytes.contains("\t\tSystem\\Photos\\a.JPG\r\n"));
        QVERIFY(exportedBytes.contains("\t\tSystem\\Music\\dev.mp3\r\n"));
        QVERIFY(exportedBytes.contains("\t\t\tSystem\\Music\\s.wma\r\n"));
    }
};

QTEST_GUILESS_MAIN(TestWriters)
#include "tst_Writers.moc"
