// The readers over real files: round trips through the writers for every
// kind, exported albums beside their media folders, files from other
// programs and hostile or broken files.

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "MediaProbe.h"
#include "PlaylistReader.h"
#include "ScriptedPrompts.h"
#include "StandardPictures.h"
#include "TestMedia.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Opened
{
    ScriptedPrompts prompts;
    AlbumDocument album{prompts};
    bool read = false;
};

std::unique_ptr<Opened> open(const QString &path, const QString &playerRoot = {})
{
    auto o = std::make_unique<Opened>();
    o->album.setAlbumType(*AlbumFiles::typeOfPath(path));
    o->read = AlbumFiles::read(o->album, path, playerRoot);
    return o;
}

QStringList kinds(const AlbumDocument &album)
{
    QStringList k;
    for (int i = 0; i < album.objectCount(); ++i)
        k.append(QString::number(int(album.object(i).kind)));
    return k;
}

QString asset(const char *element, const char *id, const QByteArray &url)
{
    return QString::fromLatin1("<%1 mpv:id=\"%2\"><mpv:LastURL>%3</mpv:LastURL></%1>")
        .arg(QLatin1String(element), QLatin1String(id), QString::fromUtf8(url));
}

} // namespace

class TestReaders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // The legacy code page is a setting; these tests keep their own.
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    }

    void notesWhatItCouldNotFind()
    {
        MediaCopies dir;
        dir.copy("color.jpg", u"here.jpg"_s);
        const QString manifest = u"<M><mpvp:Album><mpvp:Foreground>"
                                 "<mpv:StillRef mpv:idRef=\"a\"/><mpv:StillRef mpv:idRef=\"b\"/>"
                                 "<mpv:StillMultiShotSequenceRef mpv:idRef=\"s\"/>"
                                 "<mpv:StillRef mpv:idRef=\"b\"/>"
                                 "</mpvp:Foreground></mpvp:Album><mpv:AssetList>"
                                 "<mpv:StillMultiShotSequence mpv:id=\"s\">"
                                 "<mpv:StillRef mpv:idRef=\"a\"/><mpv:StillRef mpv:idRef=\"c\"/>"
                                 "</mpv:StillMultiShotSequence>"_s
            + asset("mpv:Still", "b", "gone.jpg")
            + asset("mpv:Still", "c", "Photos/also%20gone.jpg")
            + u"<mpv:Still mpv:id=\"a\"><mpv:LastURL>here.jpg</mpv:LastURL>"
              "<mpv:Rendition mpv:Usage=\"thumbnail\"><mpv:R mpv:idRef=\"t\"/></mpv:Rendition>"
              "</mpv:Still>"_s
            + asset("mpv:Still", "t", "no-thumb.jpg") + u"</mpv:AssetList></M>"_s;
        writeFile(dir.path(u"holes.pvm"_s), manifest.toUtf8());
        const auto r = open(dir.path(u"holes.pvm"_s));
        QVERIFY(r->read);
        QCOMPARE(kinds(r->album), QStringList({u"1"_s, u"3"_s}));
        // Each missing file once; a missing thumbnail loses nothing.
        QCOMPARE(r->album.missingFiles(),
            QStringList({dir.path(u"gone.jpg"_s), dir.path(u"Photos/also gone.jpg"_s)}));
        QCOMPARE(AlbumFiles::missingFilesReport(r->album.missingFiles()),
            u"2 entries of this album could not be found and were left out:\r\n\r\n"_s
                + dir.path(u"gone.jpg"_s) + u"\r\n"_s + dir.path(u"Photos/also gone.jpg"_s));

        writeFile(dir.path(u"holes.ppl"_s),
            "<P><FOREGROUND><STILL>here.jpg</STILL><STILLWITHAUDIO><STILL>here.jpg</STILL>"
            "<AUDIO>mute.mp3</AUDIO></STILLWITHAUDIO></FOREGROUND></P>");
        const auto p = open(dir.path(u"holes.ppl"_s));
        QCOMPARE(p->album.objectCount(), 1);
        QCOMPARE(p->album.missingFiles(), QStringList{dir.path(u"mute.mp3"_s)});
        QStringList many;
        for (int i = 0; i < 7; ++i)
            many.append(u"/x/"_s + QString::number(i));
        QVERIFY(AlbumFiles::missingFilesReport(many).endsWith(u"/x/4\r\n..."_s));
        QVERIFY(AlbumFiles::missingFilesReport({u"/x"_s}).startsWith(
            u"1 entry of this album could not be found and was left out:"_s));

        // A complete album remembers nothing missing, nor does a cleared one.
        QCOMPARE(open(dir.path(u"holes.pvm"_s))->album.missingFiles().size(), 2);
        r->album.ClearAlbum(u"New album"_s);
        QVERIFY(r->album.missingFiles().isEmpty());
    }

    void decodesEscapedNamesOfLegacyCodePages()
    {
        MediaCopies dir;
        dir.copy("color.jpg", u"café.jpg"_s);
        dir.copy("grey.jpg", u"한글.jpg"_s);
        dir.copy("grey.jpg", u"ü.jpg"_s);
        const QString manifest = u"<M><mpvp:Album><mpvp:Foreground>"
                                 "<mpv:StillRef mpv:idRef=\"a\"/><mpv:StillRef mpv:idRef=\"b\"/>"
                                 "<mpv:StillRef mpv:idRef=\"c\"/>"
                                 "</mpvp:Foreground></mpvp:Album><mpv:AssetList>"_s
            + asset("mpv:Still", "a", "caf%E9.jpg") + asset("mpv:Still", "b", "%C7%D1%B1%DB.jpg")
            + asset("mpv:Still", "c", "%C3%BC.jpg") + u"</mpv:AssetList></M>"_s;
        writeFile(dir.path(u"escaped.pvm"_s), manifest.toUtf8());
        // UTF-8 first: %C3%BC is ü in any code page setting.
        const auto western = open(dir.path(u"escaped.pvm"_s));
        QCOMPARE(western->album.objectCount(), 2);
        QCOMPARE(western->album.object(0).mainFile, dir.path(u"café.jpg"_s));
        QCOMPARE(western->album.object(1).mainFile, dir.path(u"ü.jpg"_s));

        QSettings(QSettings::IniFormat, QSettings::UserScope, u"Harlowe"_s, u"Quillwright"_s)
            .setValue(u"LegacyCodePage"_s, u"CP949"_s);
        const auto korean = open(dir.path(u"escaped.pvm"_s));
        QSettings(QSettings::IniFormat, QSettings::UserScope, u"Harlowe"_s, u"Quillwright"_s)
            .remove(u"LegacyCodePage"_s);
        // A byte the code page leaves undefined stands for itself.
        QCOMPARE(korean->album.objectCount(), 3);
        QCOMPARE(korean->album.object(1).mainFile, dir.path(u"한글.jpg"_s));
        QCOMPARE(korean->album.object(2).mainFile, dir.path(u"ü.jpg"_s));
    }

    void findsRootedPathsBelowThePlayersRoot()
    {
        MediaCopies dir;
        // A copy of a player: the first spelling of the folder lacks the
        // file, the second holds it.
        const QString root = dir.path(u"stick"_s);
        QDir().mkpath(root + u"/System/Photos"_s);
        QDir().mkpath(root + u"/SYSTEM/PHOTOS"_s);
        QDir().mkpath(root + u"/System/PhotoList"_s);
        QFile::copy(testMedia("color.jpg"), root + u"/SYSTEM/PHOTOS/a.jpg"_s);
        QFile::copy(testMedia("grey.jpg"), root + u"/System/Photos/b.jpg"_s);
        const QByteArray playlist = "<P><FOREGROUND><STILL>/System/Photos/a.jpg</STILL>"
                                    "<STILL>E:\\SYSTEM\\photos\\b.jpg</STILL>"
                                    "<STILL>e:/System/Photos/b.jpg</STILL>"
                                    "<STILL>\\System\\Photos\\a.jpg</STILL>"
                                    "<STILL>System\\Photos\\a.jpg</STILL>"
                                    "</FOREGROUND></P>";
        const QString file = root + u"/System/PhotoList/x.ppl"_s;
        writeFile(file, playlist);
        const QStringList expected
            = {root + u"/SYSTEM/PHOTOS/a.jpg"_s, root + u"/System/Photos/b.jpg"_s,
                root + u"/System/Photos/b.jpg"_s, root + u"/SYSTEM/PHOTOS/a.jpg"_s};
        for (const QString &playerRoot : {QString(), root}) {
            const auto r = open(file, playerRoot);
            QStringList found;
            for (int i = 0; i < r->album.objectCount(); ++i)
                found.append(r->album.object(i).mainFile);
            // A relative path from System starts at the folder holding it,
            // on a player and on a disk copy alike.
            QCOMPARE(found, expected + QStringList{root + u"/SYSTEM/PHOTOS/a.jpg"_s});
        }
        QCOMPARE(ResolvePlayerPath(u"E:\\system\\PHOTOS\\A.JPG"_s, root),
            root + u"/SYSTEM/PHOTOS/a.jpg"_s);

        const QString manifest = u"<M><mpvp:Album><mpvp:Foreground>"
                                 "<mpv:StillRef mpv:idRef=\"a\"/></mpvp:Foreground></mpvp:Album>"
                                 "<mpv:AssetList>"_s
            + asset("mpv:Still", "a", "/System/Photos/b.jpg") + u"</mpv:AssetList></M>"_s;
        writeFile(root + u"/System/PhotoList/m.pvm"_s, manifest.toUtf8());
        QCOMPARE(open(root + u"/System/PhotoList/m.pvm"_s)->album.object(0).mainFile,
            root + u"/System/Photos/b.jpg"_s);
        // Outside a player's layout a rooted path means what it says.
        writeFile(dir.path(u"elsewhere/m.pvm"_s), manifest.toUtf8());
        QCOMPARE(open(dir.path(u"elsewhere/m.pvm"_s))->album.objectCount(), 0);
    }

    void readsOddValuesAsTheirDefaults()
    {
        MediaCopies dir;
        for (const char *name : {"p1.jpg", "p2.jpg", "p3.jpg"})
            dir.copy("grey.jpg", QString::fromLatin1(name));
        dir.copy("tagged.mp3", u"m.mp3"_s);
        const QString stills = u"<mpv:StillRef mpv:idRef=\"1\"/><mpv:StillRef mpv:idRef=\"2\"/>"
                               "<mpv:StillRef mpv:idRef=\"3\"/>"_s;
        const QString manifest
            = u"<M><mpvp:Album><nmf:Metadata><dc:Properties>"
              "<dc:title>\r\n\t  Two  spaces </dc:title><dc:creator> Kim</dc:creator>"
              "<dc:description>\tSea \t</dc:description></dc:Properties>"
              "<c:ControlProperties><t:TransitionFilter><t:Type></t:Type>"
              "</t:TransitionFilter></c:ControlProperties></nmf:Metadata><mpvp:Foreground>"
              "<mpv:StillMultiShotSequenceRef mpv:idRef=\"s1\"/>"
              "<mpv:StillMultiShotSequenceRef mpv:idRef=\"s2\"/>"
              "<mpv:AudioWithStillRef mpv:idRef=\"w\"/>"
              "<mpv:StillWithAudioRef mpv:idRef=\"x\"/>"
              "</mpvp:Foreground></mpvp:Album><mpv:AssetList>"
              "<mpv:StillMultiShotSequence mpv:id=\"s1\">"_s
            + stills
            + u"<mpv:CaptureRate>FrameToFrame:3;;5</mpv:CaptureRate>"
              "</mpv:StillMultiShotSequence><mpv:StillMultiShotSequence mpv:id=\"s2\">"_s
            + stills
            + u"<mpv:CaptureRate>FrameToFrame:3;  5 6</mpv:CaptureRate>"
              "</mpv:StillMultiShotSequence><mpv:AudioWithStill mpv:id=\"w\">"
              "<mpv:AudioRef mpv:idRef=\"m\"/>"_s
            + stills
            + u"<mpv:DisplayRate>FrameToFrame:7</mpv:DisplayRate></mpv:AudioWithStill>"
              "<mpv:StillWithAudio mpv:id=\"x\"><mpv:StillRef mpv:idRef=\"1\"/>"
              "<mpv:AudioRef mpv:idRef=\"m\"/><mpv:CaptureDur>1e308</mpv:CaptureDur>"
              "</mpv:StillWithAudio>"_s
            + asset("mpv:Still", "1", "p1.jpg") + asset("mpv:Still", "2", "p2.jpg")
            + asset("mpv:Still", "3", "p3.jpg") + asset("mpv:Audio", "m", "m.mp3")
            + u"</mpv:AssetList></M>"_s;
        writeFile(dir.path(u"odd.pvm"_s), manifest.toUtf8());
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.SelectTransitionByName(u"VERTICALWIPE"_s);
        QVERIFY(AlbumFiles::read(album, dir.path(u"odd.pvm"_s)));
        QCOMPARE(album.properties().title, u"  Two  spaces "_s);
        QCOMPARE(album.properties().creator, u" Kim"_s);
        QCOMPARE(album.properties().description, u"Sea "_s);
        QCOMPARE(album.properties().albumTransition, u"ALPHABLEND"_s);
        QCOMPARE(album.object(0).memberDurations, QStringList({u"3"_s, u"2"_s, u"5"_s}));
        QCOMPARE(album.object(1).memberDurations, QStringList({u"3"_s, u"5"_s, u"6"_s}));
        // Fewer rate values than photos: the rest last the still default.
        QCOMPARE(album.object(2).memberDurations, QStringList({u"7"_s, u"5"_s, u"5"_s}));
        QCOMPARE(album.object(3).durationSeconds, u"86400"_s);
        QCOMPARE(album.outline().entry(3).children[1].text, u"24:00:00"_s);

        const QByteArray playlist
            = "<P><FOREGROUND><STILL>p1.jpg<DURATION>soon</DURATION></STILL>"
              "<STILL>p2.jpg<DURATION>1e308</DURATION></STILL>"
              "<STILL>p3.jpg<DURATION>-4000</DURATION></STILL>"
              "<STILL>p1.jpg<DURATION>2500</DURATION><DURATION>x</DURATION></STILL>"
              "</FOREGROUND></P>";
        writeFile(dir.path(u"odd.ppl"_s), playlist);
        const auto r = open(dir.path(u"odd.ppl"_s));
        QStringList seconds;
        for (int i = 0; i < r->album.objectCount(); ++i)
            seconds.append(r->album.object(i).durationSeconds);
        QCOMPARE(seconds, QStringList({u"5"_s, u"86400"_s, u"0"_s, u"2"_s}));
    }

    void keepsBackslashesAndForeignBytesInNames()
    {
        MediaCopies dir;
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        const QString slash = dir.copy("color.jpg", u"a\\b.jpg"_s);
        // "lat\xe9.jpg" as an old FAT stick names it: no UTF-8.
        const QString latin
            = QFile::decodeName(QFile::encodeName(dir.path(QString())) + "/lat\xe9.jpg");
        QVERIFY(QFile::copy(testMedia("grey.jpg"), latin));
        album.AddMediaFile(slash, false, -1);
        album.AddMediaFile(latin, false, -1);
        QCOMPARE(album.objectCount(), 2);
        for (const char *name : {"k.pvm", "k.ppl"}) {
            const QString file = dir.path(QString::fromLatin1(name));
            album.setAlbumType(*AlbumFiles::typeOfPath(file));
            QVERIFY(!AlbumFiles::save(album, file));
            const auto r = open(file);
            QCOMPARE(r->album.objectCount(), 2);
            QCOMPARE(r->album.object(0).mainFile, slash);
            QCOMPARE(r->album.object(1).mainFile, latin);
        }
    }

    void roundTripsAnImageAlbum()
    {
        MediaCopies dir;
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        AlbumProperties p = album.properties();
        p.title = u"Fish & Chips <2>"_s;
        p.creator = u"Kim"_s;
        p.description = u"By the sea"_s;
        p.backgroundImage = dir.copy("grey.jpg", u"bg.jpg"_s);
        album.setProperties(p);
        album.AddBackgroundMusic(dir.copy("tagged.mp3", u"theme.mp3"_s));
        album.AddMediaFile(dir.copy("color.jpg", u"R&B 100%.jpg"_s), false, -1);
        album.AddMediaFile(dir.copy("grey.jpg", u"g.jpg"_s), false, -1);
        album.AddMediaFile(dir.copy("stereo16.wav", u"voice.wav"_s), true, 1);
        album.AddMediaFile(dir.copy("clip.mpg"), false, -1);
        album.SelectTransitionByName(u"HORIZONTALWIPE"_s);
        album.ApplyAlbumTransition();
        const QString file = dir.path(u"trip.pvm"_s);
        QVERIFY(!AlbumFiles::save(album, file));

        const auto r = open(file);
        QVERIFY(r->read);
        const AlbumDocument &back = r->album;
        QCOMPARE(kinds(back), QStringList({u"1"_s, u"2"_s, u"7"_s}));
        QCOMPARE(back.properties().title, p.title);
        QCOMPARE(back.properties().creator, u"Kim"_s);
        QCOMPARE(back.properties().description, u"By the sea"_s);
        QCOMPARE(back.properties().albumTransition, u"HORIZONTALWIPE"_s);
        QCOMPARE(back.properties().backgroundImage, p.backgroundImage);
        QCOMPARE(back.properties().backgroundMusic.size(), size_t(1));
        QCOMPARE(back.properties().backgroundMusic[0].source, u"PC"_s);
        QCOMPARE(back.properties().backgroundMusicSeconds, 3);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(back.object(i).mainFile, album.object(i).mainFile);
            QCOMPARE(back.object(i).transition, u"HORIZONTALWIPE"_s);
        }
        QCOMPARE(back.object(0).durationSeconds, u"5"_s);
        // The sound decides the duration, and its member carries it too.
        QCOMPARE(back.object(1).durationSeconds, u"2"_s);
        QCOMPARE(back.object(1).memberFiles, album.object(1).memberFiles);
        QCOMPARE(back.object(1).memberDurations, QStringList{u"2"_s});
        // A video read back lasts as long as the probe measures its first stream.
        QCOMPARE(back.object(2).durationSeconds, ProbeMedia(album.object(2).mainFile).lengthText);
        QCOMPARE(back.outline().root().text, u"Album"_s);
        QCOMPARE(back.outline().entry(1).text, u"2:g.jpg"_s);
        // The views' captions come from the files; a video shows its frame.
        QCOMPARE(back.object(0).imageCaption, u"R&B 100%.jpg"_s);
        QCOMPARE(back.object(1).audioCaption, u"voice.wav"_s);
        QCOMPARE(back.object(2).imageCaption, u"clip.mpg"_s);
        QVERIFY(back.object(2).thumbnail.image() != StandardPictures::unplayableVideo());
        QCOMPARE(back.outline().entry(1).children[3].text, u"Image-Audio:2"_s);
        QCOMPARE(back.outline().entry(1).children[4].children.size(), size_t(1));
        QCOMPARE(back.totalTimeText(), u"Total Time: 00:00:09"_s);
        QVERIFY(back.accumulatedSizeKB() > 0);
        QCOMPARE(r->prompts.texts(), QStringList());
    }

    void roundTripsSequencesMusicAndLinks()
    {
        MediaCopies dir;
        const QString a = dir.copy("color.jpg", u"a.jpg"_s);
        const QString b = dir.copy("grey.jpg", u"b.jpg"_s);
        const QString c = dir.copy("large-thumb.jpg", u"c.jpg"_s);
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.setAlbumType(AlbumType::Music);
        album.ClearAlbum(u"New album"_s);
        AlbumObject seq;
        seq.kind = ObjectKind::StillMultiShotSequence;
        seq.mainFile = a;
        seq.memberFiles = QStringList{a, b, c};
        seq.memberDurations = QStringList{u"3"_s, u"5"_s, u"2"_s};
        AlbumObject pano = seq;
        pano.kind = ObjectKind::StillPanoramaSequence;
        AlbumObject music;
        music.kind = ObjectKind::AudioWithStill;
        music.mainFile = dir.copy("stereo16.wav", u"s.wav"_s);
        music.durationSeconds = u"10"_s;
        music.memberFiles = QStringList{a, b};
        music.memberDurations = QStringList{u"3"_s, u"3"_s};
        music.repeatMembers = true;
        AlbumObject link;
        link.kind = ObjectKind::ManifestLink;
        link.mainFile = dir.copy("color.jpg", u"other.pvm"_s);
        for (const AlbumObject &o : {seq, pano, music, link})
            album.appendObject(o, OutlineNode{u"x"_s, {}});
        const QString file = dir.path(u"mix.mum"_s);
        QVERIFY(!AlbumFiles::save(album, file));

        const auto r = open(file);
        const AlbumDocument &back = r->album;
        QCOMPARE(kinds(back), QStringList({u"3"_s, u"4"_s, u"5"_s, u"9"_s}));
        QCOMPARE(back.object(0).memberDurations, QStringList({u"3"_s, u"5"_s, u"2"_s}));
        QCOMPARE(back.object(0).durationSeconds, u"10"_s);
        QCOMPARE(back.object(0).memberFiles, QStringList({a, b, c}));
        QCOMPARE(back.outline().entry(0).text, u"1:파노라마"_s);
        QCOMPARE(back.outline().entry(0).children[3].text, u"Panorama:3"_s);
        QCOMPARE(back.object(1).memberDurations, QStringList({u"2"_s, u"2"_s, u"2"_s}));
        QCOMPARE(back.object(1).durationSeconds, u"6"_s);
        // The repeated photos come back as plain members.
        QCOMPARE(back.object(2).memberFiles, QStringList({a, b, a, b}));
        QCOMPARE(back.object(2).repeatMembers, false);
        QCOMPARE(back.object(2).durationSeconds, u"2"_s);
        QCOMPARE(back.outline().entry(2).children[3].text, u"Audio-Image:4"_s);
        QCOMPARE(back.object(3).mainFile, link.mainFile);
        QCOMPARE(back.outline().entry(3).children[3].text, u"Album"_s);
    }

    void opensExportedAlbumsBesideTheirMedia()
    {
        MediaCopies dir;
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        album.AddMediaFile(dir.copy("color.jpg", u"a b.jpg"_s), false, -1);
        album.AddMediaFile(dir.copy("mono8.wav", u"tune #1.wav"_s), false, -1);
        const QString root = dir.path(u"export"_s);
        QDir().mkpath(root + u"/Album"_s);
        QVERIFY(!AlbumFiles::exportForm(album, root + u"/Album/trip.pvm"_s));
        QFile::copy(dir.path(u"a b.jpg"_s), root + u"/Photos/a b.jpg"_s);
        QDir().mkpath(root + u"/Photos"_s);
        QDir().mkpath(root + u"/Music"_s);
        QFile::copy(dir.path(u"a b.jpg"_s), root + u"/Photos/a b.jpg"_s);
        QFile::copy(dir.path(u"tune #1.wav"_s), root + u"/Music/tune #1.wav"_s);
        const auto r = open(root + u"/Album/trip.pvm"_s);
        QCOMPARE(kinds(r->album), QStringList({u"1"_s, u"6"_s}));
        QCOMPARE(r->album.object(0).mainFile, root + u"/Photos/a b.jpg"_s);
        QCOMPARE(r->album.object(1).mainFile, root + u"/Music/tune #1.wav"_s);
    }

    void readsManifestsOfOtherPrograms()
    {
        MediaCopies dir;
        dir.copy("color.jpg", u"photo.jpg"_s);
        QDir().mkpath(dir.path(u"PHOTOS"_s));
        QFile::copy(testMedia("grey.jpg"), dir.path(u"PHOTOS/Small.JPG"_s));
        QFile::copy(testMedia("large-thumb.jpg"), dir.path(u"PHOTOS/thumb.jpg"_s));
        const QString manifest
            = u"<?xml version=\"1.0\"?>\n<X:MANIFEST>\n"
              "<UNKNOWN><MPV:STILLREF mpv:idRef=\"z\"/></UNKNOWN>\n"
              "<MPVP:ALBUM>\n<NMF:METADATA><DC:PROPERTIES>"
              "<DC:TITLE>Caf&#233; &amp; Bar</DC:TITLE><DC:TITLE>Later</DC:TITLE>"
              "</DC:PROPERTIES><CTRL:CONTROLPROPERTIES><T:TRANSITIONFILTER>"
              "<T:TYPE>my VerticalWipe</T:TYPE></T:TRANSITIONFILTER>"
              "</CTRL:CONTROLPROPERTIES></NMF:METADATA>\n"
              "<MPVP:FOREGROUND>\n"
              "<MPV:STILLREF MPV:IDREF=\"id1\"/>\n"
              "<MPV:STILLREF MPV:IDREF=\"missing\"/>\n"
              "<mpv:StillRef mpv:idRef=\"cycle\"/>\n"
              "<mpv:StillMultiShotSequenceRef mpv:idRef=\"seq\"/>\n"
              "<mpv:Gadget mpv:idRef=\"id1\"/>\n"
              "</MPVP:FOREGROUND></MPVP:ALBUM>\n"
              "<MPV:ASSETLIST>\n"
              "<mpv:StillMultiShotSequence mpv:id=\"seq\">"
              "<mpv:StillRef mpv:idRef=\"id1\"/><mpv:StillRef mpv:idRef=\"id2\"/>"
              "<mpv:StillRef mpv:idRef=\"id3\"/>"
              "<mpv:CaptureRate>FrameToFrame:O4;0.5 \"7\"</mpv:CaptureRate>"
              "</mpv:StillMultiShotSequence>\n"
              "<mpv:Still mpv:id=\"cycle\"><mpv:X mpv:idRef=\"cycle\"/></mpv:Still>\n"_s
            + asset("mpv:Still", "ID2", "PHOTOS\\small.jpg")
            + u"<MPV:STILL MPV:ID=\"ID1\"><MPV:LASTURL NTFS=\"1\">photo.jpg</MPV:LASTURL>"
              "<mpv:Rendition mpv:Usage=\"thumbnail\"><mpv:Ref mpv:idRef=\"th\"/></mpv:Rendition>"
              "</MPV:STILL>\n"_s
            + asset("mpv:Still", "th", "photos/thumb.jpg")
            + u"<mpv:Still mpv:id=\"id3\"><mpv:LastURL other=\"x\">photo.jpg</mpv:LastURL>"
              "<mpv:LastURL>C:\\nowhere\\x.jpg</mpv:LastURL><mpv:LastURL>photo.jpg</mpv:LastURL>"
              "</mpv:Still>\n"
              "</MPV:ASSETLIST></X:MANIFEST>\n"_s;
        writeFile(dir.path(u"foreign.pvm"_s), manifest.toUtf8());
        const auto r = open(dir.path(u"foreign.pvm"_s));
        QVERIFY(r->read);
        const AlbumDocument &back = r->album;
        QCOMPARE(back.properties().title, u"Later"_s);
        QCOMPARE(back.properties().albumTransition, u"VERTICALWIPE"_s);
        QCOMPARE(kinds(back), QStringList({u"1"_s, u"3"_s}));
        QCOMPARE(back.object(0).mainFile, dir.path(u"photo.jpg"_s));
        QCOMPARE(back.object(0).thumbnailFile, dir.path(u"PHOTOS/thumb.jpg"_s));
        const AlbumObject &seq = back.object(1);
        QCOMPARE(seq.memberFiles,
            QStringList({dir.path(u"photo.jpg"_s), dir.path(u"PHOTOS/Small.JPG"_s),
                dir.path(u"photo.jpg"_s)}));
        QCOMPARE(seq.memberDurations, QStringList({u"4"_s, u"1"_s, u"7"_s}));
        QCOMPARE(seq.durationSeconds, u"12"_s);
        QCOMPARE(seq.memberThumbnails.first(), dir.path(u"PHOTOS/thumb.jpg"_s));
        QCOMPARE(r->prompts.texts(), QStringList());
    }

    void decodesLegacyCodePages()
    {
        MediaCopies dir;
        dir.copy("color.jpg", u"Café.jpg"_s);
        QByteArray manifest = "<M><mpvp:Album><nmf:Metadata><dc:Properties><dc:title>Caf\xe9"
                              "</dc:title></dc:Properties></nmf:Metadata><mpvp:Foreground>"
                              "<mpv:StillRef mpv:idRef=\"a\"/></mpvp:Foreground></mpvp:Album>"
                              "<mpv:AssetList><mpv:Still mpv:id=\"a\"><mpv:LastURL>Caf\xe9.jpg"
                              "</mpv:LastURL></mpv:Still></mpv:AssetList></M>";
        writeFile(dir.path(u"old.pvm"_s), manifest);
        const auto r = open(dir.path(u"old.pvm"_s));
        QCOMPARE(r->album.properties().title, u"Café"_s);
        QCOMPARE(kinds(r->album), QStringList{u"1"_s});
    }

    void failsWholeOnBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("truncated") << QByteArray("<file:Manifest><mpvp:Album><mpvp:Fore");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("malformed escape")
            << QByteArray("<M><mpvp:Album><mpvp:Foreground><mpv:StillRef mpv:idRef=\"a\"/>"
                          "</mpvp:Foreground></mpvp:Album><mpv:AssetList><mpv:Still mpv:id=\"a\">"
                          "<mpv:LastURL>a%zz.jpg</mpv:LastURL></mpv:Still></mpv:AssetList></M>");
    }
    void failsWholeOnBrokenFiles()
    {
        QFETCH(QByteArray, content);
        MediaCopies dir;
        writeFile(dir.path(u"bad.pvm"_s), content);
        const auto r = open(dir.path(u"bad.pvm"_s));
        QVERIFY(!r->read);
        QCOMPARE(r->album.objectCount(), 0);
        QCOMPARE(r->album.outline().entryCount(), 0);
        QCOMPARE(r->prompts.shown.size(), 1);
        QVERIFY(r->prompts.shown[0].text.startsWith(
            u"The album file can not be read.\r\n\r\n"_s + dir.path(u"bad.pvm"_s)));
        QCOMPARE(r->prompts.shown[0].icon, UserPrompts::Icon::Error);
    }

    void survivesHostileFiles()
    {
        MediaCopies dir;
        QByteArray deep;
        for (int i = 0; i < 20000; ++i)
            deep += "<mpvp:Album>";
        writeFile(dir.path(u"deep.pvm"_s), "<M>" + deep + "</M>");
        QVERIFY(!open(dir.path(u"deep.pvm"_s))->read);

        QByteArray attributes = "<M><mpvp:Album><mpvp:Foreground><mpv:StillRef";
        for (int i = 0; i < 50000; ++i)
            attributes += " a" + QByteArray::number(i) + "=\"idRef\"";
        attributes += "/></mpvp:Foreground></mpvp:Album><mpv:AssetList/></M>";
        writeFile(dir.path(u"wide.pvm"_s), attributes);
        const auto wide = open(dir.path(u"wide.pvm"_s));
        QVERIFY(wide->read);
        QCOMPARE(wide->album.objectCount(), 0);

        // Each link names the next one twice: 2^15 paths from 50 elements.
        dir.copy("grey.jpg", u"photo.jpg"_s);
        QByteArray fan = "<M><mpvp:Album><mpvp:Foreground><mpv:StillMultiShotSequenceRef "
                         "mpv:idRef=\"l0\"/></mpvp:Foreground></mpvp:Album><mpv:AssetList>";
        for (int i = 0; i < 15; ++i) {
            const QByteArray next = "\"l" + QByteArray::number(i + 1) + "\"/>";
            fan += "<mpv:Link mpv:id=\"l" + QByteArray::number(i) + "\"><mpv:R mpv:idRef=" + next
                + "<mpv:R mpv:idRef=" + next + "</mpv:Link>";
        }
        fan += asset("mpv:Still", "l15", "photo.jpg").toUtf8() + "</mpv:AssetList></M>";
        writeFile(dir.path(u"fan.pvm"_s), fan);
        const auto fanned = open(dir.path(u"fan.pvm"_s));
        QVERIFY(fanned->read);
        QCOMPARE(fanned->album.objectCount(), 1);
        const qsizetype members = fanned->album.object(0).memberFiles.size();
        QVERIFY2(members > 0 && members < 64 * 100, qPrintable(QString::number(members)));

        // A path of 100 KB is refused with the reader's message, whatever
        // the format; one of 4 KB (the most a path can be here) is read.
        for (const char *name : {"long.ppl", "long.pvm"}) {
            const QString file = dir.path(QString::fromLatin1(name));
            writeFile(file,
                "<PRESENTATION><FOREGROUND><STILL>/" + QByteArray(100 * 1024, 'a')
                    + ".jpg</STILL></FOREGROUND></PRESENTATION>");
            const auto refused = open(file);
            QVERIFY(!refused->read);
            QVERIFY2(
                refused->prompts.texts().value(0).contains(u"a text of more than 64 KB at byte"_s),
                qPrintable(refused->prompts.texts().value(0)));
        }
        writeFile(dir.path(u"path.ppl"_s),
            "<PRESENTATION><FOREGROUND><STILL>/" + QByteArray(4000, 'a')
                + ".jpg</STILL></FOREGROUND></PRESENTATION>");
        QVERIFY(open(dir.path(u"path.ppl"_s))->read);
    }

    void roundTripsPlaylists()
    {
        MediaCopies dir;
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.setAlbumType(AlbumType::Ppl);
        album.ClearAlbum(u"New album"_s);
        album.AddBackgroundMusic(dir.copy("tagged.mp3", u"pc.mp3"_s));
        AlbumProperties p = album.properties();
        p.backgroundMusic.push_back({u"System\\Music\\dev.mp3"_s, u"DEVICE"_s, u"Device"_s});
        album.setProperties(p);
        album.AddMediaFile(dir.copy("color.jpg", u"Rock & Roll.jpg"_s), false, -1);
        album.AddMediaFile(dir.copy("grey.jpg", u"b.jpg"_s), false, -1);
        album.AddMediaFile(dir.copy("song.wma"), true, 1);
        for (auto [index, seconds] : {std::pair{0, u"7.5"_s}, std::pair{1, u"2.5"_s}}) {
            AlbumObject o = album.object(index);
            o.durationSeconds = seconds;
            o.transition = u"VERTICALWIPE"_s;
            album.updateObject(index, o);
        }
        const QString file = dir.path(u"show.ppl"_s);
        QVERIFY(!AlbumFiles::save(album, file));

        const auto r = open(file);
        const AlbumDocument &back = r->album;
        QCOMPARE(kinds(back), QStringList({u"1"_s, u"2"_s}));
        QCOMPARE(back.object(0).mainFile, dir.path(u"Rock & Roll.jpg"_s));
        QCOMPARE(back.object(0).durationSeconds, u"8"_s);
        QCOMPARE(back.object(1).durationSeconds, u"2"_s);
        QCOMPARE(back.object(1).transition, u"VERTICALWIPE"_s);
        QCOMPARE(back.object(1).memberFiles, QStringList{dir.path(u"song.wma"_s)});
        QCOMPARE(back.object(1).memberDurations, QStringList{u"2"_s});
        QCOMPARE(back.outline().entry(1).children[3].text, u"Image-Audio:"_s);
        QCOMPARE(back.properties().backgroundMusic.size(), size_t(1));
        QCOMPARE(back.properties().backgroundMusic[0].musicFile, dir.path(u"pc.mp3"_s));
    }

    void readsPlaylistsFromPlayers()
    {
        MediaCopies dir;
        const QString player = dir.path(u"player"_s);
        QDir().mkpath(player + u"/SYSTEM/PHOTOS"_s);
        QDir().mkpath(player + u"/System/Music"_s);
        QFile::copy(testMedia("color.jpg"), player + u"/SYSTEM/PHOTOS/해변.jpg"_s);
        QFile::copy(testMedia("tagged.mp3"), player + u"/System/Music/a.mp3"_s);
        const QByteArray playlist = "<PRESENTATION>\r\n<BACKGROUND>\r\n\t<AUDIO>\r\n"
                                    "\t\tSystem\\Music\\a.mp3\r\n\t</AUDIO>\r\n\t<AUDIO>\r\n"
                                    "\t\tSystem\\Music\\gone.mp3\r\n\t</AUDIO>\r\n</BACKGROUND>\r\n"
                                    "<FOREGROUND>\r\n\t<STILL>\r\n\t\tSystem\\Photos\\해변.jpg\r\n"
                                    "\t\t<TRANSITIONEFFECT>SPIRAL</TRANSITIONEFFECT>\r\n"
                                    "\t</STILL>\r\n\t<AUDIO>System\\Music\\a.mp3</AUDIO>\r\n"
                                    "\t<FOO>System\\Photos\\해변.jpg</FOO>\r\n"
                                    "\t<STILL>System\\Photos\\none.jpg</STILL>\r\n"
                                    "</FOREGROUND>\r\n</PRESENTATION>\r\n";
        writeFile(player + u"/System/PhotoList/trip.ppl"_s, playlist);
        const auto r = open(player + u"/System/PhotoList/trip.ppl"_s, player);
        const AlbumDocument &back = r->album;
        QVERIFY(back.openedFromPlayer());
        QCOMPARE(kinds(back), QStringList({u"1"_s, u"6"_s, u"1"_s}));
        QCOMPARE(back.object(0).mainFile, player + u"/SYSTEM/PHOTOS/해변.jpg"_s);
        QCOMPARE(back.object(0).durationSeconds, u"5"_s);
        QCOMPARE(back.object(0).transition, u"ALPHABLEND"_s);
        QCOMPARE(back.object(1).durationSeconds, u"3.03020408163265"_s);
        QCOMPARE(back.properties().backgroundMusic.size(), size_t(1));
        QCOMPARE(r->prompts.shown.size(), 1);
        QVERIFY(r->prompts.shown[0].text.endsWith(
            u"\r\n\r\n"_s + player + u"/System/Music/gone.mp3"_s));
        QCOMPARE(r->prompts.shown[0].caption, u"Confirm"_s);

        // The same playlist opened from a copy on the disk resolves against
        // its own folder, where nothing is.
        writeFile(dir.path(u"copy/trip.ppl"_s), playlist);
        QCOMPARE(open(dir.path(u"copy/trip.ppl"_s))->album.objectCount(), 0);
    }

private:
    QTemporaryDir m_settings;
};

QTEST_GUILESS_MAIN(TestReaders)
#include "tst_Readers.moc"
