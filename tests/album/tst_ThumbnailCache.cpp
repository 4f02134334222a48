// The shared thumbnail cache: entries named and tagged as the desktop's
// standard says, used on the next open instead of decoding the photo,
// rebuilt when the photo changed, and a failure noted once.

#include "StandardPictures.h"
#include "TestMedia.h"
#include "ThumbnailCache.h"
#include "Thumbnails.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImageReader>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

#include <utime.h>

using namespace Qt::Literals::StringLiterals;

class TestThumbnailCache : public QObject
{
    Q_OBJECT

    QTemporaryDir m_cache;
    MediaCopies m_media;

    static void setModified(const QString &path, qint64 seconds)
    {
        const utimbuf times{time_t(seconds), time_t(seconds)};
        QCOMPARE(utime(QFile::encodeName(path).constData(), &times), 0);
    }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
        QCOMPARE(ThumbnailCache::folder(), m_cache.filePath(u"thumbnails"_s));
    }

    // The entry is normal/<md5 of the URI>.png, at most 128 px, readable by
    // its owner only, tagged with the URI (spaces and non-ASCII
    // percent-encoded) and the modification time.
    void entriesFollowTheStandard()
    {
        const QString photo = m_media.copy("large.jpg", u"Harbour at Dusk ä.jpg"_s);
        setModified(photo, 1700000000);
        MakePhotoThumbnail(photo);
        const QByteArray uri = QUrl::fromLocalFile(photo).toEncoded();
        QVERIFY(uri.contains("Harbour%20at%20Dusk%20%C3%A4.jpg"));
        const QString entry = m_cache.filePath(u"thumbnails/normal/"_s
            + QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex())
            + u".png"_s);
        QCOMPARE(ThumbnailCache::entryOf(photo), entry);
        QImageReader reader(entry);
        QVERIFY(reader.canRead());
        // As other programs read it: plain tEXt chunks before the picture.
        const QByteArray png = readFile(entry);
        const auto chunk = [](const QByteArray &key, const QByteArray &value) -> QByteArray {
            return "tEXt" + key + QByteArray(1, '\0') + value;
        };
        const qsizetype picture = png.indexOf("IDAT");
        const qsizetype uriAt = png.indexOf(chunk("Thumb::URI", uri));
        const qsizetype mtimeAt = png.indexOf(chunk("Thumb::MTime", "1700000000"));
        QVERIFY(uriAt > 0 && uriAt < picture);
        QVERIFY(mtimeAt > 0 && mtimeAt < picture);
        QVERIFY(!ThumbnailCache::lookup(photo).isNull());
        // 4000x3000 keeps its shape: 128x96.
        QCOMPARE(reader.size(), QSize(128, 96));
        QCOMPARE(QFile::permissions(entry) & (QFile::ReadGroup | QFile::ReadOther),
            QFile::Permissions());
    }

    void specialFilesAsEntriesAreIgnoredNotWaitedFor()
    {
        const QString photo = m_media.copy("color.jpg", u"special-entry.jpg"_s);
        const QString entry = ThumbnailCache::entryOf(photo);
        QDir().mkpath(QFileInfo(entry).absolutePath());
        // A FIFO no one writes to: opening it would wait for ever.
        QCOMPARE(::mkfifo(QFile::encodeName(entry).constData(), 0600), 0);
        QVERIFY(ThumbnailCache::lookup(photo).isNull());
        QVERIFY(QFile::remove(entry));
        // A device without end.
        QVERIFY(QFile::link(u"/dev/zero"_s, entry));
        QVERIFY(ThumbnailCache::lookup(photo).isNull());
        const QString fail = ThumbnailCache::failureEntryOf(photo);
        QDir().mkpath(QFileInfo(fail).absolutePath());
        QVERIFY(QFile::link(u"/dev/zero"_s, fail));
        QVERIFY(!ThumbnailCache::knownToFail(photo));
        QFile::remove(entry);
        QFile::remove(fail);
    }

    void linksPlantedInTheCacheAreNeverWrittenThrough()
    {
        const QString photo = m_media.copy("color.jpg", u"linked-entry.jpg"_s);
        const QString victim = m_media.path(u"victim.txt"_s);
        writeFile(victim, "someone else's");
        QFile::setPermissions(victim, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
        const QString entry = ThumbnailCache::entryOf(photo);
        QDir().mkpath(QFileInfo(entry).absolutePath());
        QVERIFY(QFile::link(victim, entry));
        MakePhotoThumbnail(photo);
        QCOMPARE(readFile(victim), QByteArray("someone else's"));
        QVERIFY(QFile::permissions(victim) & QFile::ReadOther);
        QVERIFY(!QFileInfo(entry).isSymLink());
        QVERIFY(QImageReader(entry).canRead());

        // A folder linked in place of the cache's own is left as it is and
        // nothing is stored through it.
        const QString elsewhere = m_media.path(u"elsewhere"_s);
        QDir().mkpath(elsewhere);
        QFile::setPermissions(elsewhere,
            QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                | QFile::ExeOther);
        const QString normal = QFileInfo(entry).absolutePath();
        QVERIFY(QDir(normal).removeRecursively());
        QVERIFY(QFile::link(elsewhere, normal));
        MakePhotoThumbnail(m_media.copy("grey.jpg", u"through-link.jpg"_s));
        QVERIFY(QDir(elsewhere).isEmpty());
        QVERIFY(QFile::permissions(elsewhere) & QFile::ReadOther);
        QFile::remove(normal);
    }

    // A second open takes the cached picture (painted over here so it
    // shows), until the photo changes: then it is decoded and stored anew.
    void reusedUntilThePhotoChanges()
    {
        const QString photo = m_media.copy("color.jpg", u"reused.jpg"_s);
        setModified(photo, 1700000000);
        const QImage first = MakePhotoThumbnail(photo);
        QImage marked = ThumbnailCache::lookup(photo);
        QVERIFY(!marked.isNull());
        marked.fill(QColor(1, 2, 3));
        QVERIFY(!ThumbnailCache::store(photo, marked).isNull());
        QCOMPARE(MakePhotoThumbnail(photo).pixel(64, 50), QColor(1, 2, 3).rgb());

        setModified(photo, 1700000100);
        QVERIFY(ThumbnailCache::lookup(photo).isNull());
        // Decoded again, it is the picture the first open showed.
        QCOMPARE(MakePhotoThumbnail(photo), first);
        QVERIFY(!ThumbnailCache::lookup(photo).isNull());
    }

    // A video's first frame is stored too, with the video's shape, and
    // used by the next probe and the album readers instead of decoding.
    void videosAreCachedToo()
    {
        const QString clip = m_media.copy("clip.avi", u"cached.avi"_s);
        const VideoProbeResult first = ProbeVideoAndThumbnail(clip);
        QVERIFY(first.milliseconds > 0);
        QImage stored = ThumbnailCache::lookup(clip);
        QVERIFY(!stored.isNull());
        QCOMPARE(std::max(stored.width(), stored.height()), ThumbnailCache::NormalSize);
        QCOMPARE(videoThumbnail(clip), first.thumbnail);
        stored.fill(QColor(4, 5, 6));
        QVERIFY(!ThumbnailCache::store(clip, stored).isNull());
        QCOMPARE(videoThumbnail(clip).pixel(64, 50), QColor(4, 5, 6).rgb());
        const VideoProbeResult again = ProbeVideoAndThumbnail(clip);
        QCOMPARE(again.thumbnail.pixel(64, 50), QColor(4, 5, 6).rgb());
        QCOMPARE(again.milliseconds, first.milliseconds);

        // No frame to show: noted once, the unplayable picture shown.
        const QString empty = m_media.copy("corrupt.jpg", u"broken.avi"_s);
        QCOMPARE(videoThumbnail(empty), StandardPictures::unplayableVideo());
        QVERIFY(ThumbnailCache::knownToFail(empty));
    }

    // A photo that cannot be decoded is noted under fail/ and not tried
    // again while it stays the same.
    void failuresAreNotedOnce()
    {
        const QString broken = m_media.copy("corrupt.jpg", u"broken.jpg"_s);
        QVERIFY(!ThumbnailCache::knownToFail(broken));
        MakePhotoThumbnail(broken);
        QVERIFY(ThumbnailCache::failureEntryOf(broken).contains(u"/thumbnails/fail/quillan-"_s));
        QVERIFY(QFileInfo::exists(ThumbnailCache::failureEntryOf(broken)));
        QVERIFY(ThumbnailCache::knownToFail(broken));
        QVERIFY(ThumbnailCache::lookup(broken).isNull());
    }
};

QTEST_MAIN(TestThumbnailCache)
#include "tst_ThumbnailCache.moc"
