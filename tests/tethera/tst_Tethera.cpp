// The real tethera binary over simulated players: every status code, the
// status file byte for byte, the commands the players receive.

#include "TetheraRun.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTest>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString Model = u"Harlowe / Tunewave KV-30"_s;
const QByteArray OnePlayer = "[Device1]\nName=Harlowe / Tunewave KV-30\nDrive=/media/kv30\n";
constexpr int EFail = -2147467259;

// A copy of `sleep` under another name, running until the object ends.
class NamedProcess
{
public:
    NamedProcess(const QString &folder, const QString &name)
    {
        const QString program = folder + u'/' + name;
        QFile::copy(u"/bin/sleep"_s, program);
        m_process.start(program, {u"60"_s});
        if (!m_process.waitForStarted())
            qFatal("cannot start %s", qPrintable(name));
    }
    ~NamedProcess()
    {
        m_process.kill();
        m_process.waitForFinished();
    }

private:
    QProcess m_process;
};

} // namespace

class TestTethera : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void writesTheStatusFileOfOnePlayer()
    {
        TetheraRun t;
        t.writeDevices(OnePlayer);
        const auto r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.statusFile,
            QByteArray("[Default]\n"
                       "DeviceCount=1\n"
                       "ProcessCount=100\n"
                       "RefreshFolder=0\n"
                       "RefreshDB=0\n"
                       "\n"
                       "[DeviceName]\n"
                       "Device1=Harlowe / Tunewave KV-30\n"
                       "Device2=\n"
                       "Device3=\n"
                       "\n"
                       "[DeviceDrive]\n"
                       "Device1=/media/kv30\n"
                       "Device2=\n"
                       "Device3=\n"));
        QCOMPARE(QFile::permissions(t.statusFolder()) & QFileDevice::ReadOther, 0);
    }

    void reportsFailuresWithStatusCodes()
    {
        TetheraRun t;
        t.writeDevices({});
        auto r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.exitCode, 129);
        QCOMPARE(r.statusFile, expectedStatus(0, 2, 0, 0, {}, {}));

        t.writeDevices(OnePlayer, "OpenResult=-2147467259\n");
        r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.exitCode, 129);
        QCOMPARE(r.statusFile, expectedStatus(0, 1, 0, 0, {}, {}));

        // Letter case counts in player names.
        t.writeDevices("[Device1]\nName=harlowe / tunewave kv-30\nDrive=/m\n");
        r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.statusFile, expectedStatus(0, 2, 0, 0, {}, {}));
    }

    void readsTheModelList()
    {
        TetheraRun t;
        t.writeModelList("[configuration]\ndevicenames=;;Zeta Player;; Beta;\n");
        t.writeDevices("[Device1]\nName=Zeta Player\nDrive=/z\n"
                       "[Device2]\nName=Beta\nDrive=/b\n"
                       "[Device3]\nName=\" Beta\"\nDrive=/sb\n"
                       "[Device4]\nName=Harlowe / Tunewave KV-30\nDrive=/h\n");
        const auto r = t.run({u"-GETCONNECT"_s});
        // Blanks belong to the names: only " Beta" matches, not "Beta"; the
        // default model is gone once a list is configured. " Beta" sorts
        // before "Zeta Player", so it is the addressed player.
        QCOMPARE(
            r.statusFile, expectedStatus(2, 100, 0, 0, {u"Zeta Player"_s, u" Beta"_s}, u"/sb"_s));
    }

    void addressesTheFirstNameInSortedOrder()
    {
        TetheraRun t;
        t.writeModelList("[Configuration]\nDeviceNames=zeta;Harlowe / Tunewave KV-30\n");
        t.writeDevices("[Device1]\nName=zeta\nDrive=/z\n"
                       "[Device2]\nName=Harlowe / Tunewave KV-30\nDrive=/h\n");
        const auto r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.statusFile, expectedStatus(2, 100, 0, 0, {u"zeta"_s, Model}, u"/h"_s));
    }

    void twoPlayersOfOneModelUseTheLastEnumerated()
    {
        TetheraRun t;
        t.writeDevices("[Device1]\nName=Harlowe / Tunewave KV-30\nDrive=/first\n"
                       "[Device2]\nName=Harlowe / Tunewave KV-30\nDrive=/second\n");
        const auto r = t.run({u"-REFRESHMUSIC"_s});
        QCOMPARE(r.statusFile, expectedStatus(2, 100, 0, 0, {Model, Model}, u"/second"_s));
        QVERIFY(
            t.commandLog().startsWith("Device2\t{6038A31B-F0E0-4332-953E-64DE2DC38D5A}\t16\t\n"
                                      "Device2\t{8BD35416-72D3-4BF2-A5D8-8043298C2EB8}\t16\t\n"));
    }

    void countsEveryMatch()
    {
        TetheraRun t;
        t.writeModelList("[Configuration]\nDeviceNames=A;A\n");
        t.writeDevices("[Device1]\nName=A\nDrive=/a\n[Device2]\nName=A\nDrive=/b\n");
        auto r = t.run({u"-GETCONNECT"_s});
        // One player listed twice counts twice; a fourth match still counts.
        QCOMPARE(r.statusFile, expectedStatus(4, 100, 0, 0, {u"A"_s, u"A"_s, u"A"_s}, u"/b"_s));

        const QString longName(80, u'n');
        t.writeModelList("[Configuration]\nDeviceNames=" + longName.toUtf8() + "\n");
        t.writeDevices("[Device1]\nNameUnreadable=1\nName=" + longName.toUtf8()
            + "\n[Device2]\nName=" + longName.toUtf8() + "\nDrive=/long\n");
        r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.statusFile, expectedStatus(1, 100, 0, 0, {longName}, u"/long"_s));
    }

    void ignoresUnauthenticatedDriveReplies()
    {
        TetheraRun t;
        t.writeDevices("[Device1]\nName=Harlowe / Tunewave KV-30\nDrive=/m\nBadMac=1\n");
        auto r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.statusFile, expectedStatus(1, 100, 0, 0, {Model}, {}));

        t.writeDevices("[Device1]\nName=Harlowe / Tunewave KV-30\nDrive=\n");
        r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.statusFile, expectedStatus(1, 100, 0, 0, {Model}, {}));
    }

    void reportsFailingCommandsAsNumbers()
    {
        TetheraRun t;
        t.writeDevices("[Device1]\nName=Harlowe / Tunewave KV-30\nDrive=/m\nSendResult=-5\n");
        auto r = t.run({u"-REFRESHMUSIC"_s});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.statusFile, expectedStatus(1, 100, 0, EFail, {Model}, {}));
        r = t.run({u"-REFRESHFOLDER"_s, u"/music"_s});
        QCOMPARE(r.statusFile, expectedStatus(1, 100, -5, 0, {Model}, {}));

        t.writeDevices("[Device1]\nName=Harlowe / Tunewave KV-30\nDrive=/m\nSendResult=7\n");
        r = t.run({u"-REFRESHMUSIC"_s});
        QCOMPARE(r.statusFile, expectedStatus(1, 100, 0, 7, {Model}, u"/m"_s));
    }

    void refreshesFolders()
    {
        TetheraRun t;
        t.writeDevices(OnePlayer);
        auto r = t.run({u"-REFRESHFOLDER"_s});
        QCOMPARE(r.statusFile, expectedStatus(1, 100, 0, 0, {Model}, u"/media/kv30"_s));

        const QString longFolder = u"/media/kv30/System/Photos/"_s + QString(40, u'x');
        r = t.run({u"-REFRESHFOLDER"_s, u"/media/kv30/Music"_s, longFolder, u"/Ünïcode"_s});
        QCOMPARE(r.exitCode, 0);
        const QList<QByteArray> lines = t.commandLog().split('\n');
        const QByteArray folder = "Device1\t{0DEADC97-B31D-4B8D-9CBC-14083B0CB80D}\t536\t";
        QCOMPARE(lines.mid(2, 3),
            QList<QByteArray>(
                {folder + "/media/kv30/Music", folder + longFolder.toUtf8(), folder + "/Ünïcode"}));
    }

    void splitsTheCommandLineAtBlanks()
    {
        TetheraRun t;
        t.writeDevices(OnePlayer);
        // As the editor writes it: the switch with a trailing blank.
        auto r = t.run({u"-REFRESHMUSIC "_s});
        QCOMPARE(r.statusFile, expectedStatus(1, 100, 0, 0, {Model}, u"/media/kv30"_s));
        r = t.run({u"-REFRESHFOLDER  /a   /b"_s});
        QVERIFY(t.commandLog().endsWith(
            "\t/a\nDevice1\t{0DEADC97-B31D-4B8D-9CBC-14083B0CB80D}\t536\t/b\n"));
        // A tab does not separate, so this is not a switch.
        r = t.run({u"-GETCONNECT\t"_s});
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!r.fileWritten);
    }

    void writesNothingWithoutASwitch()
    {
        TetheraRun t;
        t.writeDevices(OnePlayer);
        for (const QStringList &arguments : {QStringList{u"-getconnect"_s}, QStringList{}}) {
            const auto r = t.run(arguments);
            QCOMPARE(r.exitCode, 0);
            QVERIFY(!r.fileWritten);
        }
    }

    void findsBlockingPrograms()
    {
        TetheraRun t;
        t.writeDevices(OnePlayer);
        {
            const NamedProcess player(t.folder(), u"WMPLAYER.EXE"_s);
            const auto r = t.run({u"-GETCONNECT"_s});
            QCOMPARE(r.exitCode, 129);
            QCOMPARE(r.statusFile, expectedStatus(1, 5, 0, 0, {Model}, {}));
        }
        {
            // The first in the snapshot decides, not the first in the list.
            const NamedProcess manager(t.folder(), u"manager.exe"_s);
            const NamedProcess desktop(t.folder(), u"Orvodesk.exe"_s);
            const auto r = t.run({u"-GETCONNECT"_s});
            QCOMPARE(r.statusFile, expectedStatus(1, 4, 0, 0, {Model}, {}));
        }
        {
            const NamedProcess player(t.folder(), u"wmplayer.exe"_s);
            t.writeDevices({});
            const auto r = t.run({u"-GETCONNECT"_s});
            QCOMPARE(r.statusFile, expectedStatus(0, 2, 0, 0, {}, {}));
        }
    }

    void aSecondRunEndsAtOnce()
    {
        TetheraRun t;
        t.writeDevices(OnePlayer);
        QDir().mkpath(t.statusFolder());
        const QByteArray lockPath
            = (t.statusFolder() + u"/Ravelin Single Instance Only!"_s).toUtf8();
        const int fd = ::open(lockPath.constData(), O_RDWR | O_CREAT, 0600);
        QVERIFY(fd >= 0);
        QCOMPARE(::flock(fd, LOCK_EX | LOCK_NB), 0);
        const auto r = t.run({u"-GETCONNECT"_s});
        ::close(fd);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(!r.fileWritten);
        QVERIFY(t.commandLog().isEmpty());
        QCOMPARE(t.run({u"-GETCONNECT"_s}).exitCode, 0);
    }

    void failsWhenTheStatusFileCannotBeCreated()
    {
        TetheraRun t;
        t.writeDevices(OnePlayer);
        QFile blocker(t.folder() + u"/not-a-folder"_s);
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        t.environment.insert(u"QUILLAN_STATUS_DIR"_s, blocker.fileName() + u"/status"_s);
        const auto r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.errors.contains("파일 열기 실패"));
        QVERIFY(r.errors.contains("실패"));
    }

    void replacesAPlantedLinkInsteadOfFollowingIt()
    {
        TetheraRun t;
        t.writeDevices(OnePlayer);
        QDir().mkpath(t.statusFolder());
        const QString victim = t.folder() + u"/victim.txt"_s;
        QFile file(victim);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("keep me");
        file.close();
        // run() removes the old file first, so plant the link by hand here.
        QVERIFY(QFile::link(victim, t.statusFile()));
        QProcess process;
        process.setProcessEnvironment(t.environment);
        process.start(t.folder() + u"/tethera"_s, {u"-GETCONNECT"_s});
        QVERIFY(process.waitForFinished());
        QVERIFY(!QFileInfo(t.statusFile()).isSymLink());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("keep me"));
    }
};

QTEST_GUILESS_MAIN(TestTethera)
#include "tst_Tethera.moc"
