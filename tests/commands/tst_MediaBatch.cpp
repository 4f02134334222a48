// Adding many files at once: probes and thumbnails made on every core, the
// album the same as adding the files one by one, and Cancel keeping the
// files prepared before it in their order.

#include "CommandFixture.h"
#include "Thumbnails.h"

#include <QTemporaryFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestMediaBatch : public QObject
{
    Q_OBJECT

    MediaCopies m_media;
    // A file where the thumbnail cache's folder would be: no cache can be
    // made below it, not even by root.
    QTemporaryFile m_noCache;

    // Photos of several kinds and sizes, a broken one, a video and songs,
    // each under its own name.
    QStringList mixedFiles()
    {
        QStringList files;
        const char *const kinds[] = {"color.jpg", "large.jpg", "grey.jpg", "scan.png",
            "corrupt.jpg", "clip.mpg", "tagged.mp3", "stereo16.wav"};
        for (int round = 0; round < 3; ++round) {
            for (const char *kind : kinds) {
                const QString name = u"%1-%2"_s.arg(round).arg(QString::fromLatin1(kind));
                files << m_media.copy(kind, name);
            }
        }
        return files;
    }

    static QByteArray savedBytes(const AlbumDocument &album)
    {
        QByteArray bytes;
        return AlbumFiles::savedForm(album, bytes) ? QByteArray() : bytes;
    }

private Q_SLOTS:
    void initTestCase()
    {
        // No thumbnail cache: the serial run must not take the parallel
        // run's thumbnails, it decodes each photo itself.
        QVERIFY(m_noCache.open());
        qputenv("XDG_CACHE_HOME", (m_noCache.fileName() + u"/cache"_s).toUtf8());
    }

    // Prepared on the pool, added in order: the saved file, the outline and
    // every thumbnail are those of adding the files one by one (a result
    // applied in the order the workers finished, or to the wrong file,
    // would show here).
    void theSameAlbumAsOneByOne()
    {
        const QStringList files = mixedFiles();
        CommandFixture parallel;
        parallel.newAlbum(0);
        parallel.add(&EditingCommands::ImageMenuClick, files);

        CommandFixture serial;
        serial.newAlbum(0);
        for (const QString &file : files) {
            serial.album.AddMediaFile(file, false, AlbumDocument::RootTarget);
            serial.album.CheckLastObject();
        }
        QVERIFY(serial.album.objectCount() > 12);
        QCOMPARE(parallel.album.objectCount(), serial.album.objectCount());
        QCOMPARE(savedBytes(parallel.album), savedBytes(serial.album));
        QCOMPARE(parallel.album.outlineDumpText(), serial.album.outlineDumpText());
        for (int i = 0; i < serial.album.objectCount(); ++i)
            QCOMPARE(parallel.album.object(i).thumbnail.image(),
                serial.album.object(i).thumbnail.image());
        // The broken photos told the same story.
        QCOMPARE(parallel.prompts.texts(), serial.prompts.texts());
    }

    // Opening leaves the photos' thumbnails for later and makes them on the
    // pool with their own progress: each object gets its own picture (one
    // given to another object would show), and those cancelled are made
    // when shown.
    void openingMakesTheThumbnailsOnThePool()
    {
        QStringList files;
        for (int i = 0; i < 60; ++i)
            files << m_media.copy(i % 2 ? "large.jpg" : "color.jpg", u"open%1.jpg"_s.arg(i));
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, files);
        const QString album = m_media.path(u"opened.pvm"_s);
        f.prompts.saveAnswers.append(album);
        f.files.SaveAsAlbummenuClick();
        QStringList formats;
        qsizetype total = 0;
        qsizetype cancelAt = -1;
        f.state.hooks.workProgress
            = [&](const QString &format, qsizetype done, qsizetype all, qint64) {
                  formats << format;
                  total = all;
                  return cancelAt >= 0 && done >= cancelAt;
              };
        const auto open = [&] {
            f.prompts.openAnswers.append({album});
            f.files.OpenAlbummenuClick();
            QCOMPARE(f.album.objectCount(), 60);
        };
        open();
        QVERIFY(formats.contains(u"Making thumbnails %v of %m"_s));
        QCOMPARE(total, 60);
        for (int i = 0; i < 60; ++i) {
            QVERIFY(!f.album.object(i).thumbnail.isPending());
            QCOMPARE(f.album.object(i).thumbnail.image(), MakePhotoThumbnail(files[i]));
        }

        cancelAt = 1;
        open();
        int pending = 0;
        for (int i = 0; i < 60; ++i)
            pending += f.album.object(i).thumbnail.isPending() ? 1 : 0;
        QVERIFY2(pending > 0 && pending < 60, qPrintable(QString::number(pending)));
        for (int i = 0; i < 60; ++i)
            QCOMPARE(f.album.object(i).thumbnail.image(), MakePhotoThumbnail(files[i]));
    }

    // Cancel stops the waiting work; the files prepared before it are
    // added, in their order, and the bar is taken away.
    void cancelKeepsWhatWasPrepared()
    {
        QStringList files;
        for (int i = 0; i < 60; ++i)
            files << m_media.copy("large.jpg", u"big%1.jpg"_s.arg(i, 2, 10, QChar(u'0')));
        CommandFixture f;
        f.newAlbum(0);
        qsizetype reportedTotal = 0;
        bool finished = false;
        f.state.hooks.workProgress = [&](const QString &, qsizetype done, qsizetype total, qint64) {
            reportedTotal = total;
            return done >= 2;
        };
        f.state.hooks.workFinished = [&] { finished = true; };
        f.add(&EditingCommands::ImageMenuClick, files);
        QCOMPARE(reportedTotal, 60);
        QVERIFY(finished);
        const int added = f.album.objectCount();
        QVERIFY2(added >= 2 && added < 60, qPrintable(QString::number(added)));
        for (int i = 0; i < added; ++i)
            QCOMPARE(f.album.object(i).mainFile, files[i]);
    }
};

QTEST_GUILESS_MAIN(TestMediaBatch)
#include "tst_MediaBatch.moc"
