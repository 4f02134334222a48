// quillan-tool as scripts use it: the real binary, its output and exit codes.

#include "TestMedia.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct Run
{
    int exitCode;
    QByteArray out;
    QByteArray err;
};

Run runTool(const QStringList &arguments)
{
    QProcess process;
    process.start(programFolder() + u"quillan-tool"_s, arguments);
    if (!process.waitForFinished(60000))
        qFatal("quillan-tool did not finish");
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

} // namespace

class TestQuillanTool : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void probesAsJson()
    {
        const Run run = runTool({u"probe"_s, u"--json"_s, testMedia("clip.mpg"),
            testMedia("grey.jpg"), testMedia("tagged.mp3")});
        QCOMPARE(run.exitCode, 0);
        const QJsonArray results = QJsonDocument::fromJson(run.out).array();
        QCOMPARE(results.size(), 3);
        const QJsonObject clip = results[0].toObject();
        QCOMPARE(clip[u"file"_s].toString(), testMedia("clip.mpg"));
        QCOMPARE(clip[u"class"_s].toInt(), 2);
        QCOMPARE(clip[u"duration"_s].toString(), u"00:00:02"_s);
        QCOMPARE(clip[u"probeKind"_s].toString(), u"Movie"_s);
        QCOMPARE(
            clip[u"description"_s].toString(), u": 320X240, 24 bits-: 44100 Hz,16 Bits, 1 Ch"_s);
        const QJsonObject photo = results[1].toObject();
        QCOMPARE(photo[u"lengthText"_s].toString(), u"0"_s);
        QCOMPARE(photo[u"probeKind"_s].toString(), u"Image"_s);
        QCOMPARE(results[2].toObject()[u"class"_s].toInt(), 3);
    }

    void printsTextAndReportsMissingFiles()
    {
        const Run run = runTool({u"probe"_s, u"/no/such.wav"_s, testMedia("mono8.wav")});
        QCOMPARE(run.exitCode, 1);
        QVERIFY(run.err.contains("/no/such.wav"));
        QCOMPARE(QString::fromUtf8(run.out),
            testMedia("mono8.wav")
                + u"\n  class: 4\n  lengthText: 2\n  duration: 00:00:02\n"
                  "  probeKind: Audio\n  description: : 44100 Hz,8 Bits, 1 Ch\n"_s);
    }
};

QTEST_GUILESS_MAIN(TestQuillanTool)
#include "tst_QuillanTool.moc"
