// The album document's operations over real media, with the outline and the
// records checked against each other after every step.

#include "AlbumDocument.h"
#include "ScriptedPrompts.h"
#include "StandardPictures.h"
#include "TestMedia.h"
#include "Thumbnails.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

#include <sys/stat.h>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Drm = u"This file is DRM file or has any problem.\r\nTo use the DRM file in album, "
                    "the file should be added after transfering to the device."_s;

QStringList fieldTexts(const OutlineNode &entry)
{
    QStringList texts;
    for (const OutlineNode &field : entry.children)
        texts.append(field.text);
    return texts;
}

QStringList entryTexts(const AlbumDocument &doc)
{
    QStringList texts;
    for (int i = 0; i < doc.outline().entryCount(); ++i)
        texts.append(doc.outline().entry(i).text);
    return texts;
}

// The invariants that hold after every model operation.
void checkInvariants(const AlbumDocument &doc)
{
    const AlbumOutline &outline = doc.outline();
    QVERIFY(outline.hasRoot());
    QCOMPARE(outline.entryCount(), doc.objectCount());
    for (int i = 0; i < doc.objectCount(); ++i) {
        const OutlineNode &entry = outline.entry(i);
        const AlbumObject &record = doc.object(i);
        const QString number = QString::number(i + 1);
        QVERIFY2(entry.text.startsWith(number + u':'), qPrintable(entry.text));
        QCOMPARE(entry.children.size(), size_t(5));
        QCOMPARE(entry.children[0].text, number);
        for (const OutlineNode &field : entry.children)
            QVERIFY(!field.text.isEmpty());
        QCOMPARE(entry.children[4].text, record.mainFile);
        QCOMPARE(record.memberDurations.size(), record.memberFiles.size());
        QCOMPARE(record.memberSizesKB.size(), record.memberFiles.size());
        QCOMPARE(qsizetype(entry.children[4].children.size()), record.memberFiles.size());
        QCOMPARE(record.thumbnail.isNull(), false);
    }
}

QString unreadableFile(MediaCopies &dir)
{
    // Root reads every ordinary file whatever its mode; this one it cannot.
    if (::geteuid() == 0)
        return u"/proc/sys/vm/compact_memory"_s;
    const QString path = dir.copy("color.jpg", u"locked.jpg"_s);
    QFile::setPermissions(path, QFileDevice::Permissions());
    return path;
}

} // namespace

class TestAlbumDocument : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_prompts.clear();
        m_doc = std::make_unique<AlbumDocument>(m_prompts);
        m_doc->ClearAlbum(u"New album"_s);
    }

    void addsPhotosAsStills()
    {
        QSignalSpy inserted(m_doc.get(), &AlbumDocument::objectInserted);
        const QStringList files = {m_media.copy("color.jpg", u"a.jpg"_s),
            m_media.copy("grey.jpg", u"b.jpg"_s), m_media.copy("large.jpg", u"c.jpg"_s)};
        for (const QString &file : files) {
            m_doc->AddMediaFile(file, false, AlbumDocument::RootTarget);
            m_doc->CheckLastObject();
            checkInvariants(*m_doc);
        }
        QCOMPARE(entryTexts(*m_doc), QStringList({u"1:a.jpg"_s, u"2:b.jpg"_s, u"3:c.jpg"_s}));
        QCOMPARE(fieldTexts(m_doc->outline().entry(1)),
            QStringList(
                {u"2"_s, u"00:00:05"_s, u"ALPHABLEND"_s, u"Image: 320X240, 8 bits"_s, files[1]}));
        for (int i = 0; i < 3; ++i) {
            const AlbumObject &o = m_doc->object(i);
            QCOMPARE(o.kind, ObjectKind::Still);
            QCOMPARE(o.durationSeconds, u"5"_s);
            QCOMPARE(o.durationCaption, u"00:00:05"_s);
            QCOMPARE(o.transition, u"ALPHABLEND"_s);
            QCOMPARE(o.memberThumbnails, QStringList{files[i]});
            QVERIFY(o.memberFiles.isEmpty());
        }
        QCOMPARE(m_doc->object(0).imageCaption, u"a.jpg"_s);
        QCOMPARE(inserted.count(), 3);
        QCOMPARE(m_doc->totalTimeText(), u"Total Time: 00:00:15"_s);
        QCOMPARE(m_doc->totalBackgroundMusicText(), u"Total BG Music : 00:00:00"_s);
        // The total follows a changed duration, a move and an append alike.
        AlbumObject shorter = m_doc->object(1);
        shorter.durationSeconds = u"2.5"_s;
        m_doc->updateObject(1, shorter);
        m_doc->RefreshTotals();
        QCOMPARE(m_doc->totalTimeText(), u"Total Time: 00:00:12"_s); // 12.5 to even
        m_doc->MoveObject(1, 2);
        m_doc->RefreshTotals();
        QCOMPARE(m_doc->totalTimeText(), u"Total Time: 00:00:12"_s);
        shorter.durationSeconds = u"5"_s;
        m_doc->updateObject(2, shorter);
        m_doc->RefreshTotals();
        QCOMPARE(m_doc->totalTimeText(), u"Total Time: 00:00:15"_s);
        QVERIFY(m_doc->modified());
        QCOMPARE(m_prompts.texts(), QStringList());
        qint64 expectedKB = 0;
        for (const QString &file : files)
            expectedKB += (QFileInfo(file).size() + 500) / 1000;
        QVERIFY(std::abs(m_doc->accumulatedSizeKB() - expectedKB) <= 3);
    }

    void refusesWithExactMessages()
    {
        AlbumDocument noAlbum(m_prompts);
        noAlbum.AddMediaFile(testMedia("color.jpg"), false, AlbumDocument::RootTarget);
        QCOMPARE(m_prompts.shown.size(), 1);
        QCOMPARE(m_prompts.shown[0].text, u"There is no album. New album or Open a album"_s);
        QCOMPARE(m_prompts.shown[0].caption, u"Append error"_s);
        QCOMPARE(m_prompts.shown[0].icon, UserPrompts::Icon::Error);
        m_prompts.clear();

        m_doc->AddMediaFile(m_media.path(u"absent.jpg"_s), false, AlbumDocument::RootTarget);
        QCOMPARE(m_prompts.shown.size(), 0);

        const QString locked = unreadableFile(m_media);
        m_doc->AddMediaFile(locked, false, AlbumDocument::RootTarget);
        QCOMPARE(m_prompts.texts(), QStringList{u"This file name can not add.\r\n\r\n"_s + locked});
        QCOMPARE(m_prompts.shown[0].caption, u"Append error"_s);
        QCOMPARE(m_doc->objectCount(), 0);
        QVERIFY(!m_doc->modified());

        // A FIFO would block the open until a writer came: refused at once.
        m_prompts.clear();
        const QByteArray fifo = QFile::encodeName(m_media.path(u"pipe.jpg"_s));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        m_doc->AddMediaFile(QFile::decodeName(fifo), false, AlbumDocument::RootTarget);
        QCOMPARE(m_prompts.texts(),
            QStringList{u"This file name can not add.\r\n\r\n"_s + QFile::decodeName(fifo)});
        QCOMPARE(m_doc->objectCount(), 0);
    }

    void waveFilesAndAlbumTypes()
    {
        const QString wav = m_media.copy("mono8.wav", u"take.wav"_s);
        m_doc->setAlbumType(AlbumType::Ppl);
        m_doc->AddMediaFile(wav, false, AlbumDocument::RootTarget);
        QCOMPARE(
            m_prompts.texts(), QStringList{u"The file of this type can not add\r\n\r\n"_s + wav});
        QCOMPARE(m_prompts.shown[0].caption, u"Append error"_s);
        QCOMPARE(m_doc->objectCount(), 0);
        QCOMPARE(m_doc->accumulatedSizeKB(), 0);

        m_doc->setAlbumType(AlbumType::Music);
        m_doc->AddMediaFile(wav, false, AlbumDocument::RootTarget);
        m_doc->CheckLastObject();
        checkInvariants(*m_doc);
        const AlbumObject &o = m_doc->object(0);
        QCOMPARE(o.kind, ObjectKind::Audio);
        QCOMPARE(o.audioCaption, u"take.wav"_s);
        QCOMPARE(o.durationSeconds, u"2"_s);
        QCOMPARE(o.thumbnail.image(), StandardPictures::music());
        QCOMPARE(
            AlbumOutline::field(m_doc->outline().entry(0), 3), u"Audio: 44100 Hz,8 Bits, 1 Ch"_s);
        // A music album shows no background music total.
        QCOMPARE(m_doc->totalBackgroundMusicText(), QString());
    }

    void unknownExtensionIsAPhoto()
    {
        m_doc->AddMediaFile(
            m_media.copy("scan.png", u"scan.png"_s), false, AlbumDocument::RootTarget);
        m_doc->CheckLastObject();
        QCOMPARE(m_doc->objectCount(), 1);
        QCOMPARE(m_doc->object(0).kind, ObjectKind::Still);
    }

    void dropsUnreadablePhotosWithTheDrmMessage()
    {
        m_doc->AddMediaFile(
            m_media.copy("color.jpg", u"ok.jpg"_s), false, AlbumDocument::RootTarget);
        m_doc->CheckLastObject();
        QSignalSpy removed(m_doc.get(), &AlbumDocument::objectRemoved);
        const qint64 before = m_doc->accumulatedSizeKB();
        for (const char *bad : {"empty.jpg", "corrupt.jpg"}) {
            m_prompts.clear();
            m_doc->AddMediaFile(m_media.copy(bad), false, AlbumDocument::RootTarget);
            QCOMPARE(m_doc->objectCount(), 2);
            m_doc->CheckLastObject();
            QCOMPARE(m_prompts.texts(), QStringList{Drm});
            QCOMPARE(m_prompts.shown[0].caption, u"Confirm"_s);
            QCOMPARE(m_prompts.shown[0].icon, UserPrompts::Icon::Error);
            checkInvariants(*m_doc);
            QCOMPARE(m_doc->objectCount(), 1);
        }
        QCOMPARE(removed.count(), 2);
        QCOMPARE(m_doc->totalTimeText(), u"Total Time: 00:00:05"_s);
        QVERIFY(m_doc->accumulatedSizeKB() >= before);
    }

    void keepsAudioAndVideoThatDoNotProbe()
    {
        m_doc->setAlbumType(AlbumType::Music);
        m_doc->AddMediaFile(
            m_media.copy("empty.jpg", u"silent.mp3"_s), false, AlbumDocument::RootTarget);
        m_doc->CheckLastObject();
        m_doc->AddMediaFile(m_media.copy("broken.avi"), false, AlbumDocument::RootTarget);
        m_doc->CheckLastObject();
        QCOMPARE(m_prompts.texts(), QStringList());
        checkInvariants(*m_doc);
        for (int i = 0; i < 2; ++i) {
            QCOMPARE(m_doc->object(i).durationSeconds, u"5"_s);
            QCOMPARE(AlbumOutline::field(m_doc->outline().entry(i), 1), u"00:00:00"_s);
        }
        QCOMPARE(m_doc->object(1).kind, ObjectKind::Video);
        QCOMPARE(m_doc->object(1).thumbnail.image(), StandardPictures::unplayableVideo());
    }

    void addsVideos()
    {
        const QString clip = m_media.copy("clip.avi");
        m_doc->AddMediaFile(clip, false, AlbumDocument::RootTarget);
        m_doc->CheckLastObject();
        checkInvariants(*m_doc);
        const AlbumObject &o = m_doc->object(0);
        QCOMPARE(o.kind, ObjectKind::Video);
        QCOMPARE(o.durationSeconds, u"2"_s);
        QCOMPARE(o.imageCaption, u"clip.avi"_s);
        QCOMPARE(fieldTexts(m_doc->outline().entry(0)),
            QStringList({u"1"_s, u"00:00:02"_s, u"ALPHABLEND"_s,
                u"Movie: 320X240, 24 bits-: 44100 Hz,16 Bits, 1 Ch"_s, clip}));
    }

    void appendsSoundToAPhoto()
    {
        const QString photo = m_media.copy("color.jpg");
        const QString sound = m_media.copy("stereo16.wav");
        m_doc->AddMediaFile(photo, false, AlbumDocument::RootTarget);
        m_doc->AddMediaFile(sound, true, 0);
        m_doc->CheckLastObject();
        checkInvariants(*m_doc);
        const AlbumObject &o = m_doc->object(0);
        QCOMPARE(o.kind, ObjectKind::StillWithAudio);
        QCOMPARE(o.durationSeconds, u"2"_s);
        QCOMPARE(o.memberFiles, QStringList{sound});
        QCOMPARE(o.memberDurations, QStringList{u"5"_s});
        QCOMPARE(
            o.memberSizesKB, QStringList{QString::number((QFileInfo(sound).size() + 500) / 1000)});
        QCOMPARE(o.audioCaption, u"stereo16.wav"_s);
        QCOMPARE(o.imageCaption, u"color.jpg"_s);
        const OutlineNode &member = m_doc->outline().entry(0).children[4].children[0];
        QCOMPARE(member.text, u"1:stereo16.wav"_s);
        QCOMPARE(fieldTexts(member),
            QStringList({u"1"_s, u"00:00:05"_s, u"ALPHABLEND"_s, u"Audio: 44100 Hz,16 Bits, 2 Ch"_s,
                sound}));
        QCOMPARE(
            AppendClassOf(AlbumOutline::field(m_doc->outline().entry(0), 3)), AppendClass::Photo);
    }

    void appendsPhotosToMusic()
    {
        m_doc->setAlbumType(AlbumType::Music);
        const QString song = m_media.copy("tagged.mp3");
        const QString first = m_media.copy("color.jpg", u"first.jpg"_s);
        const QString second = m_media.copy("grey.jpg", u"second.jpg"_s);
        m_doc->AddMediaFile(song, false, AlbumDocument::RootTarget);
        QSignalSpy thumbnails(m_doc.get(), &AlbumDocument::thumbnailChanged);
        m_doc->AddMediaFile(first, true, 0);
        // Until the next renumbering the entry names the photo first.
        QCOMPARE(m_doc->outline().entry(0).text, u"first.jpg-1:tagged.mp3"_s);
        m_doc->AddMediaFile(second, true, 0);
        m_doc->RenumberObjects();
        checkInvariants(*m_doc);
        QCOMPARE(m_doc->outline().entry(0).text, u"1:tagged.mp3"_s);
        const AlbumObject &o = m_doc->object(0);
        QCOMPARE(o.kind, ObjectKind::AudioWithStill);
        QCOMPARE(o.memberFiles, QStringList({first, second}));
        QCOMPARE(o.memberThumbnails, QStringList({first, second}));
        QCOMPARE(o.memberDurations, QStringList({u"5"_s, u"5"_s}));
        QCOMPARE(o.imageCaption, u"second.jpg"_s);
        QCOMPARE(o.thumbnail.image(), MakePhotoThumbnail(second));
        QCOMPARE(thumbnails.count(), 2);
        const auto &members = m_doc->outline().entry(0).children[4].children;
        QCOMPARE(members[1].text, u"2:second.jpg"_s);
        QCOMPARE(members[1].children[3].text, u"Image: 320X240, 8 bits"_s);
        // A video appended to anything changes nothing.
        m_doc->AddMediaFile(m_media.copy("clip.mpg"), true, 0);
        QCOMPARE(m_doc->object(0).memberFiles.size(), 2);
        checkInvariants(*m_doc);
    }

    void addsMembersBelowFieldNode4()
    {
        m_doc->setAlbumType(AlbumType::Music);
        m_doc->AddMediaFile(m_media.copy("tagged.mp3"), false, AlbumDocument::RootTarget);
        const QString photo = m_media.copy("grey.jpg");
        m_doc->AddMediaFile(photo, false, 0);
        checkInvariants(*m_doc);
        const AlbumObject &o = m_doc->object(0);
        // The kind is the caller's to set.
        QCOMPARE(o.kind, ObjectKind::Audio);
        QCOMPARE(o.memberFiles, QStringList{photo});
        QCOMPARE(o.thumbnail.image(), MakePhotoThumbnail(photo));
        QCOMPARE(fieldTexts(m_doc->outline().entry(0).children[4].children[0]),
            QStringList(
                {u"1"_s, u"00:00:05"_s, u"ALPHABLEND"_s, u"Image: 320X240, 8 bits"_s, photo}));
    }

    void removesMovesAndRenumbers()
    {
        addThree();
        m_doc->setModified(false);
        m_doc->RemoveObjectAt(1);
        checkInvariants(*m_doc);
        QCOMPARE(entryTexts(*m_doc), QStringList({u"1:a.jpg"_s, u"2:c.jpg"_s}));

        addThree();
        const qint64 size = m_doc->accumulatedSizeKB();
        m_doc->setModified(false);
        m_doc->MoveObject(4, 0);
        checkInvariants(*m_doc);
        QCOMPARE(entryTexts(*m_doc),
            QStringList({u"1:c.jpg"_s, u"2:a.jpg"_s, u"3:c.jpg"_s, u"4:a.jpg"_s, u"5:b.jpg"_s}));
        QCOMPARE(m_doc->currentObject(), 0);
        QVERIFY(!m_doc->modified());
        m_doc->MoveObject(0, 4);
        checkInvariants(*m_doc);
        QCOMPARE(entryTexts(*m_doc).last(), u"5:c.jpg"_s);

        QSignalSpy cleared(m_doc.get(), &AlbumDocument::previewCleared);
        while (m_doc->objectCount() > 0) {
            m_doc->RemoveObjectAt(m_doc->objectCount() / 2);
            checkInvariants(*m_doc);
        }
        QCOMPARE(cleared.count(), 5);
        QCOMPARE(m_doc->totalTimeText(), u"Total Time: 00:00:00"_s);
        QCOMPARE(m_doc->accumulatedSizeKB(), size);
        addThree();
        QVERIFY(m_doc->accumulatedSizeKB() > size);
    }

    void clearsTheAlbum()
    {
        addThree();
        m_doc->setCurrentObject(2);
        m_doc->ClearAlbum(u"Album"_s);
        QCOMPARE(m_doc->objectCount(), 0);
        QCOMPARE(m_doc->outline().root().text, u"Album"_s);
        QCOMPARE(m_doc->outline().entryCount(), 0);
        QCOMPARE(m_doc->currentObject(), -1);
        QVERIFY(m_doc->accumulatedSizeKB() > 0);
    }

    void totalsRoundHalvesToEven()
    {
        addThree();
        for (int i = 0; i < 3; ++i) {
            AlbumObject o = m_doc->object(i);
            o.durationSeconds = u"0.5"_s;
            m_doc->updateObject(i, o);
        }
        m_doc->RefreshTotals();
        QCOMPARE(m_doc->totalTimeText(), u"Total Time: 00:00:02"_s);
        QCOMPARE(m_doc->object(0).durationCaption, u"00:00:00"_s);
        AlbumProperties p = m_doc->properties();
        p.backgroundMusicSeconds = 3725;
        m_doc->setProperties(p);
        m_doc->RefreshTotals();
        QCOMPARE(m_doc->totalBackgroundMusicText(), u"Total BG Music : 01:02:05"_s);
    }

    void appendClasses_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("expected");
        QTest::newRow("several photos") << u"Image-Audio:3"_s << int(AppendClass::Full);
        QTest::newRow("music") << u"Audio: 44100 Hz,16 Bits, 2 Ch"_s << int(AppendClass::Music);
        QTest::newRow("panorama") << u"Panorama:4"_s << int(AppendClass::Sequence);
        QTest::newRow("movie") << u"Movie: 320X240, 24 bits"_s << int(AppendClass::Full);
        QTest::newRow("photo") << u"Image: 640X480, 24 bits"_s << int(AppendClass::Photo);
        QTest::newRow("case ignored") << u"image:"_s << int(AppendClass::Photo);
        QTest::newRow("album link") << u"Album"_s << int(AppendClass::Full);
        QTest::newRow("read audio with stills") << u"Audio-Image:2"_s << int(AppendClass::Full);
    }
    void appendClasses()
    {
        QFETCH(QString, label);
        QFETCH(int, expected);
        QCOMPARE(int(AppendClassOf(label)), expected);
    }

    void dumpsTheOutline()
    {
        const QString photo = m_media.copy("color.jpg", u"one.jpg"_s);
        m_doc->AddMediaFile(photo, false, AlbumDocument::RootTarget);
        const QString dump = m_media.path(u"album.pvm-Altreeview.txt"_s);
        QCOMPARE(m_doc->DumpOutline(dump), std::nullopt);
        QFile file(dump);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(file.readAll()),
            u"New album\r\n\t1:one.jpg\r\n\t\t1\r\n\t\t00:00:05\r\n\t\tALPHABLEND\r\n"
            "\t\tImage: 640X480, 24 bits\r\n\t\t"_s
                + photo + u"\r\n"_s);
    }

private:
    void addThree()
    {
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg"}) {
            const QString target = m_media.path(QString::fromLatin1(name));
            if (!QFile::exists(target))
                m_media.copy("color.jpg", QString::fromLatin1(name));
            m_doc->AddMediaFile(target, false, AlbumDocument::RootTarget);
            m_doc->CheckLastObject();
        }
    }

    MediaCopies m_media;
    ScriptedPrompts m_prompts;
    std::unique_ptr<AlbumDocument> m_doc;
};

QTEST_GUILESS_MAIN(TestAlbumDocument)
#include "tst_AlbumDocument.moc"
