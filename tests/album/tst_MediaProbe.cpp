// The media probe, the video probe and the photo thumbnails over real files
// made by ffmpeg, including files that must fail without taking the process
// down.

#include "MediaClass.h"
#include "MediaProbe.h"
#include "StandardPictures.h"
#include "TestMedia.h"
#include "Thumbnails.h"

#include <QFile>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Mean absolute difference per channel between two pictures of one size.
double meanDifference(const QImage &a, const QImage &b)
{
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    double sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        for (int col = 0; col < x.width(); ++col) {
            const QRgb p = x.pixel(col, row);
            const QRgb q = y.pixel(col, row);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q))
                + std::abs(qBlue(p) - qBlue(q));
        }
    }
    return sum / (3.0 * x.width() * x.height());
}

QImage reference(const char *name)
{
    return QImage(testMedia(name))
        .scaled(ThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

class TestMediaProbe : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void probes_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("description");
        QTest::addColumn<double>("seconds");
        QTest::newRow("colour photo")
            << u"color.jpg"_s << u"Image"_s << u": 640X480, 24 bits"_s << 0.0;
        QTest::newRow("grey photo") << u"grey.jpg"_s << u"Image"_s << u": 320X240, 8 bits"_s << 0.0;
        QTest::newRow("12 megapixels")
            << u"large.jpg"_s << u"Image"_s << u": 4000X3000, 24 bits"_s << 0.0;
        QTest::newRow("png photo") << u"scan.png"_s << u"Image"_s << u": 200X150, 24 bits"_s << 0.0;
        QTest::newRow("truncated jpeg keeps its header")
            << u"truncated.jpg"_s << u"Image"_s << u": 640X480, 24 bits"_s << 0.0;
        QTest::newRow("8-bit mono wave")
            << u"mono8.wav"_s << u"Audio"_s << u": 44100 Hz,8 Bits, 1 Ch"_s << 2.0;
        QTest::newRow("16-bit stereo wave")
            << u"stereo16.wav"_s << u"Audio"_s << u": 44100 Hz,16 Bits, 2 Ch"_s << 2.0;
        QTest::newRow("22 kHz wave")
            << u"mono16.wav"_s << u"Audio"_s << u": 22050 Hz,16 Bits, 1 Ch"_s << 1.0;
        QTest::newRow("mp3 decodes to 16 bits")
            << u"tagged.mp3"_s << u"Audio"_s << u": 44100 Hz,16 Bits, 2 Ch"_s << 3.0;
        QTest::newRow("cover picture is no stream")
            << u"cover.mp3"_s << u"Audio"_s << u": 44100 Hz,16 Bits, 1 Ch"_s << 3.0;
        QTest::newRow("wma") << u"song.wma"_s << u"Audio"_s << u": 44100 Hz,16 Bits, 2 Ch"_s << 2.0;
        QTest::newRow("mpg") << u"clip.mpg"_s << u"Movie"_s
                             << u": 320X240, 24 bits-: 44100 Hz,16 Bits, 1 Ch"_s << 2.0;
        QTest::newRow("avi") << u"clip.avi"_s << u"Movie"_s
                             << u": 320X240, 24 bits-: 44100 Hz,16 Bits, 1 Ch"_s << 2.0;
        QTest::newRow("wmv") << u"clip.wmv"_s << u"Movie"_s
                             << u": 320X240, 24 bits-: 44100 Hz,16 Bits, 1 Ch"_s << 2.0;
        QTest::newRow("mov") << u"clip.mov"_s << u"Movie"_s
                             << u": 320X240, 24 bits-: 44100 Hz,16 Bits, 1 Ch"_s << 2.0;
        // One stream with a length: the probe calls it audio, as it always has.
        QTest::newRow("video without sound")
            << u"silent.avi"_s << u"Audio"_s << u": 320X240, 24 bits"_s << 2.0;
    }
    void probes()
    {
        QFETCH(QString, file);
        QFETCH(QString, kind);
        QFETCH(QString, description);
        QFETCH(double, seconds);
        const MediaProbeResult r = ProbeMedia(testMedia(file.toUtf8().constData()));
        QCOMPARE(r.probeKind, kind);
        QCOMPARE(r.description, description);
        if (seconds == 0.0)
            QCOMPARE(r.lengthText, u"0"_s);
        else
            QVERIFY2(std::abs(r.lengthText.toDouble() - seconds) < 0.1, qPrintable(r.lengthText));
    }

    void failsQuietlyOnBadFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("zero bytes") << u"empty.jpg"_s;
        QTest::newRow("rejected by libjpeg") << u"corrupt.jpg"_s;
        QTest::newRow("not a video") << u"broken.avi"_s;
        QTest::newRow("missing") << u"no-such-file.mp3"_s;
    }
    void failsQuietlyOnBadFiles()
    {
        QFETCH(QString, file);
        const QString path = testMedia(file.toUtf8().constData());
        const MediaProbeResult r = ProbeMedia(path);
        QCOMPARE(r.lengthText, u"0"_s);
        QCOMPARE(r.probeKind, QString());
        QCOMPARE(r.description, QString());
        const VideoProbeResult v = ProbeVideoAndThumbnail(path);
        QCOMPARE(v.milliseconds, 0);
        QCOMPARE(v.thumbnail, StandardPictures::unplayableVideo());
        QCOMPARE(MakePhotoThumbnail(path), StandardPictures::unplayableVideo());
    }

    void grabsTheFirstVideoFrame_data()
    {
        QTest::addColumn<QString>("file");
        for (const char *name : {"clip.mpg", "clip.avi", "clip.wmv", "clip.mov", "silent.avi"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }
    void grabsTheFirstVideoFrame()
    {
        QFETCH(QString, file);
        const VideoProbeResult v = ProbeVideoAndThumbnail(testMedia(file.toUtf8().constData()));
        QVERIFY2(
            std::abs(v.milliseconds - 2000) < 100, qPrintable(QString::number(v.milliseconds)));
        QCOMPARE(v.thumbnail.size(), ThumbnailSize);
        // ffmpeg's test pattern: a colourful frame, far from the grey
        // unplayable picture and close to the pattern's first frame.
        QVERIFY(meanDifference(v.thumbnail, StandardPictures::unplayableVideo()) > 40);
        QVERIFY(meanDifference(v.thumbnail, reference("color.jpg")) < 25);
    }

    void picturePathsAreNotVideos()
    {
        const VideoProbeResult v = ProbeVideoAndThumbnail(testMedia("color.jpg"));
        QCOMPARE(v.milliseconds, 0);
        QVERIFY(meanDifference(v.thumbnail, reference("color.jpg")) < 6);
    }

    void photoThumbnailsCoverTheCell_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<double>("tolerance");
        QTest::newRow("colour") << u"color.jpg"_s << 6.0;
        QTest::newRow("grey") << u"grey.jpg"_s << 6.0;
        QTest::newRow("12 megapixels, DCT scaled") << u"large.jpg"_s << 8.0;
        QTest::newRow("png through Qt") << u"scan.png"_s << 6.0;
    }
    void photoThumbnailsCoverTheCell()
    {
        QFETCH(QString, file);
        QFETCH(double, tolerance);
        const QByteArray name = file.toUtf8();
        const QImage thumbnail = MakePhotoThumbnail(testMedia(name.constData()));
        QCOMPARE(thumbnail.size(), ThumbnailSize);
        QVERIFY(meanDifference(thumbnail, reference(name.constData())) < tolerance);
    }

    void findsAHeaderBehindLargeMetadata()
    {
        // Two full application segments push the frame header past 128 KiB.
        QFile source(testMedia("color.jpg"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        const QByteArray jpeg = source.readAll();
        QByteArray padded = jpeg.left(2);
        for (int i = 0; i < 2; ++i)
            padded += QByteArray("\xff\xef\xff\xff", 4) + QByteArray(0xFFFF - 2, 'x');
        padded += jpeg.mid(2);
        MediaCopies dir;
        QFile out(dir.path(u"metadata.jpg"_s));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(padded);
        out.close();
        const MediaProbeResult r = ProbeMedia(out.fileName());
        QCOMPARE(r.probeKind + r.description,
            ProbeMedia(testMedia("color.jpg")).probeKind
                + ProbeMedia(testMedia("color.jpg")).description);
        QCOMPARE(r.probeKind, u"Image"_s);
    }

    void truncatedJpegStillGivesAPicture()
    {
        const QImage thumbnail = MakePhotoThumbnail(testMedia("truncated.jpg"));
        QCOMPARE(thumbnail.size(), ThumbnailSize);
        QVERIFY(thumbnail != StandardPictures::unplayableVideo());
        // The top rows decoded before the data ran out match the photo.
        const QImage top = thumbnail.copy(0, 0, 128, 10);
        QVERIFY(meanDifference(top, reference("color.jpg").copy(0, 0, 128, 10)) < 10);
    }

    void previewsDecodeOnlyWhatTheyShow()
    {
        // 4000x3000 covers 320x240 at 1/8 scale: 500x375.
        QCOMPARE(
            decodePhotoCovering(testMedia("large.jpg"), QSize(320, 240)).size(), QSize(500, 375));
        QCOMPARE(decodePhotoCovering(testMedia("large.jpg"), QSize(1200, 900)).size(),
            QSize(2000, 1500));
        QCOMPARE(decodePhotoCovering(testMedia("scan.png"), QSize(100, 75)).size(), QSize(100, 75));
        QVERIFY(decodePhotoCovering(testMedia("corrupt.jpg"), QSize(100, 75)).isNull());
    }

    void refusesWhatWouldHangOrExhaustMemory()
    {
        MediaCopies dir;
        // A FIFO would block the first open, a device never end.
        QStringList hostile;
        for (const char *name : {"pipe.mp3", "pipe.jpg"}) {
            const QByteArray fifo = QFile::encodeName(dir.path(QString::fromLatin1(name)));
            QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
            hostile.append(QFile::decodeName(fifo));
        }
        QVERIFY(QFile::link(u"/dev/zero"_s, dir.path(u"zero.mp3"_s)));
        hostile.append(dir.path(u"zero.mp3"_s));
        // Eight gigabytes of zeros (sparse): a parser that finds no frame
        // would read them all into memory.
        QFile zeros(dir.path(u"zeros.mp3"_s));
        QVERIFY(zeros.open(QIODevice::WriteOnly) && zeros.resize(8LL << 30));
        zeros.close();
        for (const QString &path : std::as_const(hostile) + QStringList{zeros.fileName()}) {
            QCOMPARE(ProbeMedia(path).lengthText, u"0"_s);
            QVERIFY2(
                !AcceptsFile(path, AlbumType::Music) || path == zeros.fileName(), qPrintable(path));
        }
        for (const QString &path : std::as_const(hostile))
            QCOMPARE(MakePhotoThumbnail(path), StandardPictures::unplayableVideo());

        // A photo declaring 40000x40000 pixels is not decoded at all.
        QFile source(testMedia("color.jpg"));
        QVERIFY(source.open(QIODevice::ReadOnly));
        QByteArray jpeg = source.readAll();
        const qsizetype sof = jpeg.indexOf("\xff\xc0");
        QVERIFY(sof > 0);
        for (const qsizetype at : {sof + 5, sof + 7}) {
            jpeg[at] = char(40000 >> 8);
            jpeg[at + 1] = char(40000 & 0xFF);
        }
        QFile huge(dir.path(u"huge.jpg"_s));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write(jpeg) == jpeg.size());
        huge.close();
        QCOMPARE(ProbeMedia(huge.fileName()).probeKind, u"Image"_s);
        QCOMPARE(MakePhotoThumbnail(huge.fileName()), StandardPictures::unplayableVideo());
        QVERIFY(decodePhotoCovering(huge.fileName(), QSize(320, 240)).isNull());
    }

    void standardPicturesDiffer()
    {
        const QImage music = StandardPictures::music();
        QCOMPARE(music.size(), ThumbnailSize);
        QVERIFY(music != StandardPictures::unplayableVideo());
        QVERIFY(music != StandardPictures::albumLink());
        QVERIFY(StandardPictures::albumLink() != StandardPictures::unplayableVideo());
    }
};

QTEST_GUILESS_MAIN(TestMediaProbe)
#include "tst_MediaProbe.moc"
