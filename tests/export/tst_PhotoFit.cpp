// The photo hand-over library: photos fitted to the player's screen (aspect
// kept, never enlarged, EXIF orientation applied), written under their names
// into the player's photo folder, and every failure named.

#include "PhotoFit.h"
#include "TestMedia.h"
#include "VoxImgDll.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLibrary>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

// A JPEG with a red square in its stored top-left corner on blue, carrying
// an EXIF orientation when one is given.
QByteArray markedJpeg(QSize size, int orientation)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::blue);
    for (int y = 0; y < size.height() / 5; ++y) {
        for (int x = 0; x < size.width() / 5; ++x)
            image.setPixel(x, y, qRgb(255, 0, 0));
    }
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 95);
    if (orientation == 0)
        return jpeg;
    // APP1 "Exif": a little-endian TIFF header and one IFD entry, 0x0112.
    QByteArray app1 = QByteArray::fromHex("FFE10022") + QByteArray("Exif\0\0", 6)
        + QByteArray::fromHex("49492A0008000000"
                              "0100"
                              "120103000100000000000000"
                              "00000000");
    app1[4 + 6 + 8 + 2 + 8] = char(orientation);
    return jpeg.left(2) + app1 + jpeg.mid(2);
}

bool reddish(QRgb c)
{
    return qRed(c) > 180 && qBlue(c) < 80;
}

bool bluish(QRgb c)
{
    return qBlue(c) > 180 && qRed(c) < 80;
}

} // namespace

class tst_PhotoFit : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_dir.filePath(u"config"_s).toUtf8()); }

    void sizesKeepTheAspectAndNeverGrow()
    {
        const QSize screen(320, 240);
        QCOMPARE(PhotoFit::fitted({4000, 3000}, screen), QSize(320, 240));
        QCOMPARE(PhotoFit::fitted({3000, 4000}, screen), QSize(180, 240));
        QCOMPARE(PhotoFit::fitted({1000, 200}, screen), QSize(320, 64));
        QCOMPARE(PhotoFit::fitted({100, 50}, screen), QSize(100, 50));
        // Halves round away from zero: 5 x 0.5 is 3, not 2.
        QCOMPARE(PhotoFit::fitted({640, 5}, screen), QSize(320, 3));
        QCOMPARE(PhotoFit::fitted({640, 7}, screen), QSize(320, 4));
        // A side never vanishes.
        QCOMPARE(PhotoFit::fitted({10000, 1}, screen), QSize(320, 1));
    }

    void orientationTurnsThePhotoUprightBeforeItIsFitted()
    {
        struct Case
        {
            int orientation;
            QSize size;
            QPoint red; // where the stored top-left corner must show
        };
        // 400x200 stored; 6 and 8 stand it up (200x400 fits as 120x240).
        const Case cases[]
            = {{1, {320, 160}, {10, 10}}, {3, {320, 160}, {310, 150}}, {6, {120, 240}, {110, 10}},
                {8, {120, 240}, {10, 230}}, {2, {320, 160}, {310, 10}}, {5, {120, 240}, {10, 10}}};
        for (const Case &c : cases) {
            const QString source = m_dir.filePath(u"o%1.jpg"_s.arg(c.orientation));
            const QString target = m_dir.filePath(u"out/o%1.jpg"_s.arg(c.orientation));
            writeFile(source, markedJpeg({400, 200}, c.orientation));
            QDir().mkpath(m_dir.filePath(u"out"_s));
            QCOMPARE(PhotoFit::fitPhoto(source, target, {320, 240}), QString());
            const QImage out(target);
            QCOMPARE(out.size(), c.size);
            QVERIFY2(reddish(out.pixel(c.red)), qPrintable(QString::number(c.orientation)));
            // The opposite corner stays blue.
            const QPoint other(out.width() - 1 - c.red.x(), out.height() - 1 - c.red.y());
            QVERIFY(bluish(out.pixel(other)));
        }
    }

    void aSmallUprightPhotoIsCopiedAsItIs()
    {
        const QString source = m_dir.filePath(u"small.jpg"_s);
        const QByteArray bytes = markedJpeg({200, 100}, 0);
        writeFile(source, bytes);
        const QString target = m_dir.filePath(u"small-out.jpg"_s);
        QCOMPARE(PhotoFit::fitPhoto(source, target, {320, 240}), QString());
        QFile out(target);
        QVERIFY(out.open(QIODevice::ReadOnly));
        QCOMPARE(out.readAll(), bytes);
        // Turned, it is re-encoded but not enlarged.
        writeFile(source, markedJpeg({200, 100}, 6));
        QCOMPARE(PhotoFit::fitPhoto(source, target, {320, 240}), QString());
        QCOMPARE(QImage(target).size(), QSize(100, 200));
    }

    void theLibraryPutsEveryPhotoOnThePlayerOrSaysWhichNot()
    {
        QLibrary library(programFolder() + u"DLL/VoxImgDll.so"_s);
        const auto resize
            = reinterpret_cast<decltype(&::ResizeImages)>(library.resolve("ResizeImages"));
        QVERIFY2(resize, qPrintable(library.errorString()));
        const QString player = m_dir.filePath(u"player"_s);
        // The player already spells its photo folder its own way.
        QDir().mkpath(player + u"/system/PHOTOS"_s);
        const QString large = testMedia("large.jpg");
        const QString color = testMedia("color.jpg");
        const auto run = [&](const QStringList &photos) {
            const QByteArray job
                = (player + u"/SYSTEM/PHOTOS/..|KV-30:COPY|"_s + photos.join(u'|')).toUtf8();
            return resize(job.constData(), programFolder().toUtf8().constData(),
                "SoftWare\\Harlowe\\Quillwright", "mk:@MSITStore:x::/y.htm", 0, 437);
        };
        QCOMPARE(run({large, color}), 1);
        QCOMPARE(QImage(player + u"/system/PHOTOS/large.jpg"_s).size(), QSize(320, 240));
        QCOMPARE(QImage(player + u"/system/PHOTOS/color.jpg"_s).size(), QSize(320, 240));
        QVERIFY(!QDir(player + u"/System"_s).exists());

        // One photo that cannot be read: the others still arrive, the
        // result says not all did.
        QFile::remove(player + u"/system/PHOTOS/large.jpg"_s);
        QCOMPARE(run({testMedia("corrupt.jpg"), large, m_dir.filePath(u"missing.jpg"_s)}), 0);
        QVERIFY(QFile::exists(player + u"/system/PHOTOS/large.jpg"_s));
        QVERIFY(!QFile::exists(player + u"/system/PHOTOS/corrupt.jpg"_s));
        QVERIFY(!QFile::exists(player + u"/system/PHOTOS/missing.jpg"_s));
        // Only the file itself, not a leftover beside it.
        QCOMPARE(
            QDir(player + u"/system/PHOTOS"_s).entryList(QDir::Files | QDir::Hidden).size(), 2);

        // The screen size comes from the editor's settings.
        {
            QSettings settings(
                QSettings::IniFormat, QSettings::UserScope, u"Harlowe"_s, u"Quillwright"_s);
            settings.setValue(u"PlayerScreenWidth"_s, 160);
            settings.setValue(u"PlayerScreenHeight"_s, 128);
        }
        QCOMPARE(run({large}), 1);
        QCOMPARE(QImage(player + u"/system/PHOTOS/large.jpg"_s).size(), QSize(160, 120));

        // Not a copy job, or a player that is not there.
        QCOMPARE(resize("nonsense", "", "", "", 0, 437), 0);
        const QByteArray gone = "/nonexistent/SYSTEM/PHOTOS/..|P:COPY|" + large.toUtf8();
        QCOMPARE(resize(gone.constData(), "", "", "", 0, 437), 0);
    }
};

QTEST_GUILESS_MAIN(tst_PhotoFit)
#include "tst_PhotoFit.moc"
