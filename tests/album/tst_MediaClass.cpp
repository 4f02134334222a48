// Classification by extension, acceptance per album type, durations and the
// rounding rules every size and total depends on.

#include "Duration.h"
#include "MediaClass.h"
#include "Rounding.h"
#include "TestMedia.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestMediaClass : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void classifies_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("expected");
        QTest::newRow("upper-case video") << u"/m/clip.MPG"_s << 2;
        QTest::newRow("wma") << u"/m/song.WMA"_s << 3;
        QTest::newRow("wav") << u"/m/take.wav"_s << 4;
        QTest::newRow("jpeg is not listed") << u"/m/scan.jpeg"_s << 1;
        QTest::newRow("unknown is a photo") << u"/m/notes.txt"_s << 1;
        QTest::newRow("dat video") << u"C:\\VCD\\AVSEQ01.DAT"_s << 2;
        QTest::newRow("dot in folder only") << u"/m/clips.avi/readme"_s << 1;
        QTest::newRow("windows folder dot") << u"C:\\a.mp3\\b"_s << 1;
        QTest::newRow("last dot wins") << u"/m/x.mp3.wav"_s << 4;
        // Every video extension of the table, each in its own row.
        for (const char *ext : {"asf", "wmv", "mov", "mpeg", "avi", "dat", "mpg"})
            QTest::newRow(ext) << u"/v/clip."_s + QString::fromLatin1(ext) << 2;
        QTest::newRow("mp3") << u"/m/song.mp3"_s << 3;
    }
    void classifies()
    {
        QFETCH(QString, path);
        QFETCH(int, expected);
        QCOMPARE(int(ClassifyExtension(path)), expected);
    }

    void acceptsPerAlbumType()
    {
        MediaCopies dir;
        const QString wav = dir.copy("mono8.wav", u"a.wav"_s);
        const QString mov = dir.copy("clip.mov", u"b.MOV"_s);
        const QString jpg = dir.copy("color.jpg", u"c.jpg"_s);
        const QString upperJpg = dir.copy("color.jpg", u"d.JPG"_s);
        const QString mp3 = dir.copy("tagged.mp3", u"e.mp3"_s);
        const QString png = dir.copy("scan.png", u"f.png"_s);

        QVERIFY(AcceptsFile(wav, AlbumType::Music));
        QVERIFY(AcceptsFile(mov, AlbumType::Music));
        QVERIFY(!AcceptsFile(jpg, AlbumType::Music));

        QVERIFY(AcceptsFile(jpg, AlbumType::Image));
        QVERIFY(AcceptsFile(mov, AlbumType::Image));
        QVERIFY(!AcceptsFile(mp3, AlbumType::Image));
        QVERIFY(!AcceptsFile(png, AlbumType::Image));

        QVERIFY(AcceptsFile(jpg, AlbumType::Ppl));
        QVERIFY(AcceptsFile(upperJpg, AlbumType::Ppl));
        QVERIFY(!AcceptsFile(mov, AlbumType::Ppl));
        QVERIFY(!AcceptsFile(wav, AlbumType::Ppl));

        for (AlbumType type : {AlbumType::Image, AlbumType::Music, AlbumType::Ppl})
            QVERIFY(!AcceptsFile(dir.path(u"missing.jpg"_s), type));
        QVERIFY(!AcceptsFile(dir.path(QString()), AlbumType::Image));
    }

    void formatsDurations_data()
    {
        QTest::addColumn<QString>("seconds");
        QTest::addColumn<QString>("expected");
        QTest::newRow("5") << u"5"_s << u"00:00:05"_s;
        QTest::newRow("fraction is cut") << u"215.9"_s << u"00:03:35"_s;
        QTest::newRow("an hour") << u"3600"_s << u"01:00:00"_s;
        QTest::newRow("zero") << u"0"_s << u"00:00:00"_s;
        QTest::newRow("hours are not wrapped") << u"360000"_s << u"100:00:00"_s;
        QTest::newRow("probe text") << u"215.346575963719"_s << u"00:03:35"_s;
        QTest::newRow("not a number") << u"DEVICE"_s << u"00:00:00"_s;
        QTest::newRow("negative") << u"-3"_s << u"00:00:00"_s;
        QTest::newRow("huge") << u"1e300"_s << u"00:00:00"_s;
    }
    void formatsDurations()
    {
        QFETCH(QString, seconds);
        QFETCH(QString, expected);
        QCOMPARE(FormatDuration(seconds), expected);
    }

    void keepsProbeTextsExact()
    {
        QCOMPARE(secondsText(215.346575963719), u"215.346575963719"_s);
        QCOMPARE(secondsText(0.0), u"0"_s);
        QCOMPARE(secondsText(2.6), u"2.6"_s);
        QCOMPARE(secondsText(5.0), u"5"_s);
    }

    void roundsHalvesToEven()
    {
        QCOMPARE(Rounding::halfEven(2.5), 2);
        QCOMPARE(Rounding::halfEven(3.5), 4);
        QCOMPARE(Rounding::halfEven(-2.5), -2);
        QCOMPARE(Rounding::halfEven(2.500001), 3);

        QCOMPARE(Rounding::kilobytes(0), 0);
        QCOMPARE(Rounding::kilobytes(499), 0);
        QCOMPARE(Rounding::kilobytes(500), 0);
        QCOMPARE(Rounding::kilobytes(1500), 2);
        QCOMPARE(Rounding::kilobytes(2500), 2);
        QCOMPARE(Rounding::kilobytes(2501), 3);
        QCOMPARE(Rounding::kilobytes(12'345'500), 12'346);
    }

    void mulDivRoundsHalfAwayFromZero()
    {
        QCOMPARE(Rounding::mulDiv(3, 1, 2), 2);
        QCOMPARE(Rounding::mulDiv(5, 1, 2), 3);
        QCOMPARE(Rounding::mulDiv(-3, 1, 2), -2);
        QCOMPARE(Rounding::mulDiv(640, 300, 480), 400);
        QCOMPARE(Rounding::mulDiv(1, 1, 0), -1);
    }

    void parsesDecimalsWithTheCLocale()
    {
        bool ok = true;
        QCOMPARE(Rounding::parseDecimal(u"2.6"_s, &ok), 2.6);
        QVERIFY(ok);
        QCOMPARE(Rounding::parseDecimal(u"2,6"_s, &ok), 0.0);
        QVERIFY(!ok);
        QCOMPARE(Rounding::parseDecimal(u"nan"_s, &ok), 0.0);
    }
};

QTEST_GUILESS_MAIN(TestMediaClass)
#include "tst_MediaClass.moc"
