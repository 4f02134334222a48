// Photo thumbnails held in memory within a limit: the longest unseen are
// dropped first, come back as the same picture when shown again, and an
// album larger than the limit keeps no more than it.

#include "AlbumDocument.h"
#include "StandardPictures.h"
#include "TestMedia.h"
#include "ThumbnailMemory.h"
#include "Thumbnails.h"
#include "UserPrompts.h"

#include <QGuiApplication>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

class Quiet final : public UserPrompts
{
public:
    Answer message(const QString &, const QString &, Buttons, Icon) override { return Answer::Ok; }
};

// The bytes of one decoded thumbnail.
qint64 oneThumbnail()
{
    return QImage(ThumbnailSize, QImage::Format_RGB32).sizeInBytes();
}

} // namespace

class TestThumbnailMemory : public QObject
{
    Q_OBJECT

    QTemporaryDir m_cache;
    MediaCopies m_media;

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8()); }

    void cleanup() { ThumbnailMemory::instance().setLimit(ThumbnailMemory::DefaultLimitBytes); }

    void theLongestUnseenGoFirstAndComeBackTheSame()
    {
        ThumbnailMemory &memory = ThumbnailMemory::instance();
        memory.setLimit(3 * oneThumbnail());
        const qint64 before = memory.bytesHeld();
        const QString colour = m_media.copy("color.jpg");
        const QString grey = m_media.copy("grey.jpg");
        const QImage colourPicture = MakePhotoThumbnail(colour);
        const QImage greyPicture = MakePhotoThumbnail(grey);

        std::vector<Thumbnail> shown;
        shown.push_back(photoThumbnail(colour));
        for (int i = 0; i < 2; ++i)
            shown.push_back(photoThumbnail(grey));
        QCOMPARE(memory.bytesHeld(), before + 3 * oneThumbnail());
        // Showing the first makes the second the longest unseen.
        QCOMPARE(shown[0].image(), colourPicture);
        shown.push_back(photoThumbnail(grey));
        QVERIFY(memory.bytesHeld() <= memory.limit());
        QVERIFY(!memory.find(quint64(shown[0].cacheKey())).isNull());
        QVERIFY(memory.find(quint64(shown[1].cacheKey())).isNull());

        // Dropped, it is made again from its photo: the very same picture.
        QCOMPARE(shown[1].image(), greyPicture);
        QVERIFY(!memory.find(quint64(shown[1].cacheKey())).isNull());
        QVERIFY(memory.bytesHeld() <= memory.limit());

        // Copies share one picture; the last copy gone frees it.
        const qint64 held = memory.bytesHeld();
        Thumbnail copy = shown[1];
        QCOMPARE(copy.cacheKey(), shown[1].cacheKey());
        shown.erase(shown.begin() + 1);
        QCOMPARE(memory.bytesHeld(), held);
        copy = Thumbnail();
        QCOMPARE(memory.bytesHeld(), held - oneThumbnail());
        shown.clear();
        QCOMPARE(memory.bytesHeld(), before);
    }

    void picturesThatAreNoPhotoStayWithTheirObject()
    {
        ThumbnailMemory &memory = ThumbnailMemory::instance();
        memory.setLimit(oneThumbnail());
        const qint64 before = memory.bytesHeld();
        const Thumbnail music(StandardPictures::music());
        const Thumbnail photo = photoThumbnail(m_media.copy("color.jpg"));
        const Thumbnail other = photoThumbnail(m_media.copy("grey.jpg"));
        QVERIFY(memory.bytesHeld() - before <= oneThumbnail());
        QCOMPARE(music.image(), StandardPictures::music());
        QVERIFY(!Thumbnail().cacheKey() && Thumbnail().isNull());
        QVERIFY(music.cacheKey() != photo.cacheKey() && photo.cacheKey() != other.cacheKey());
    }

    void aLargeAlbumKeepsNoMoreThanTheLimit()
    {
        ThumbnailMemory &memory = ThumbnailMemory::instance();
        memory.setLimit(10 * oneThumbnail());
        Quiet prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        for (int i = 0; i < 40; ++i)
            album.AddMediaFile(m_media.copy(i % 2 ? "color.jpg" : "grey.jpg", u"p%1.jpg"_s.arg(i)),
                false, AlbumDocument::RootTarget);
        QCOMPARE(album.objectCount(), 40);
        QVERIFY(memory.bytesHeld() <= 10 * oneThumbnail());
        // Every object still shows its own photo.
        const QImage grey = MakePhotoThumbnail(album.object(0).mainFile);
        const QImage colour = MakePhotoThumbnail(album.object(1).mainFile);
        for (int i = 0; i < 40; ++i)
            QCOMPARE(album.object(i).thumbnail.image(), i % 2 ? colour : grey);
        QVERIFY(memory.bytesHeld() <= 10 * oneThumbnail());
    }
};

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    TestThumbnailMemory test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ThumbnailMemory.moc"
