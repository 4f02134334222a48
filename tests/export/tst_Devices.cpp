// Finding the players: the connector's status file, the entries and drive
// guesses made from it, the connector run itself, and the selection as the
// commands drive it against the real connector's simulated players.

#include "../commands/CommandFixture.h"
#include "ConnectorRun.h"
#include "DeviceChoice.h"
#include "DeviceSelection.h"
#include "DeviceStatusFile.h"
#include "RemovableMounts.h"
#include "TestMedia.h"
#include "Texts.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

using namespace Qt::Literals::StringLiterals;

namespace {

DeviceStatusFile status(int code, int count, const QStringList &names, const QString &drive)
{
    DeviceStatusFile s;
    s.processCount = code;
    s.deviceCount = count;
    s.names = names;
    s.firstDrive = drive;
    return s;
}

QStringList captions(const DeviceChoice &choice)
{
    QStringList list;
    for (const DeviceChoice::Entry &entry : choice.entries)
        list.append(entry.caption());
    return list;
}

} // namespace

class tst_Devices : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_status;
    QTemporaryDir m_scratch;

private Q_SLOTS:
    void initTestCase() { qputenv("QUILLAN_STATUS_DIR", m_status.path().toUtf8()); }

    void statusFileIsReadAsTheConnectorWritesIt()
    {
        const QString path = m_scratch.filePath(u"orvocomm.dat"_s);
        // The connector's bytes: LF line ends, a name with a comma, which
        // the INI reader would otherwise hand back as a list.
        writeFile(path,
            "[Default]\nDeviceCount=2\nProcessCount=100\nRefreshFolder=0\nRefreshDB=0\n\n"
            "[DeviceName]\nDevice1=Harlowe / Tunewave KV-30\nDevice2=Tunewave, Mini\n"
            "Device3=\n\n[DeviceDrive]\nDevice1=/media/kv30\nDevice2=\nDevice3=\n");
        const DeviceStatusFile s = DeviceStatusFile::read(path);
        QCOMPARE(s.processCount, 100);
        QCOMPARE(s.deviceCount, 2);
        QCOMPARE(
            s.names, QStringList({u"Harlowe / Tunewave KV-30"_s, u"Tunewave, Mini"_s, QString()}));
        QCOMPARE(s.firstDrive, u"/media/kv30"_s);
        // No file: code 0 and no players, which reads as "not connected".
        const DeviceStatusFile none = DeviceStatusFile::read(m_scratch.filePath(u"gone"_s));
        QCOMPARE(none.processCount, 0);
        QCOMPARE(DeviceChoice::fromStatus(none, {}).message, text(Texts::DeviceNotConnected));
        qputenv("QUILLAN_STATUS_DIR", "/run/x");
        QCOMPARE(DeviceStatusFile::path(), u"/run/x/orvocomm.dat"_s);
        // Without it, the runtime folder; without that, the cache folder.
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        const QByteArray cache = qgetenv("XDG_CACHE_HOME");
        const QByteArray home = qgetenv("HOME");
        qunsetenv("QUILLAN_STATUS_DIR");
        qputenv("XDG_RUNTIME_DIR", "/run/user/1000");
        qputenv("XDG_CACHE_HOME", "/c");
        QCOMPARE(DeviceStatusFile::path(), u"/run/user/1000/quillan/orvocomm.dat"_s);
        qunsetenv("XDG_RUNTIME_DIR");
        QCOMPARE(DeviceStatusFile::path(), u"/c/quillan/orvocomm.dat"_s);
        qunsetenv("XDG_CACHE_HOME");
        qputenv("HOME", "/home/u");
        QCOMPARE(DeviceStatusFile::path(), u"/home/u/.cache/quillan/orvocomm.dat"_s);
        qputenv("XDG_RUNTIME_DIR", runtime);
        qputenv("XDG_CACHE_HOME", cache);
        qputenv("HOME", home);
        qputenv("QUILLAN_STATUS_DIR", m_status.path().toUtf8());
    }

    void mountPointsAreReadToTheEndOfTheirLine()
    {
        const QString path = m_scratch.filePath(u"odd.dat"_s);
        // What an INI reader takes for a comment, a list and quoting.
        writeFile(path,
            "[Default]\nDeviceCount=1\nProcessCount=100\n\n[DeviceName]\n"
            "Device1=Tunewave; \"KV\", 30\n\n[DeviceDrive]\n"
            "Device1=/media/u/DATA;2,A,B \"x\" =y\n");
        const DeviceStatusFile s = DeviceStatusFile::read(path);
        QCOMPARE(s.firstDrive, u"/media/u/DATA;2,A,B \"x\" =y"_s);
        QCOMPARE(s.names.value(0), u"Tunewave; \"KV\", 30"_s);
        QCOMPARE(s.processCount, 100);
        // Something far larger than the connector writes is not its file.
        writeFile(path, "[Default]\nProcessCount=100\n" + QByteArray(200 * 1024, '#'));
        QCOMPARE(DeviceStatusFile::read(path).processCount, 0);
    }

    void statusCodesGiveTheirMessages()
    {
        const QStringList one{u"P"_s};
        QCOMPARE(DeviceChoice::fromStatus(status(1, 1, one, u"/m"_s), {}).message,
            u"Confirm whether WMDM became the install, or the device is connected"_s);
        QCOMPARE(DeviceChoice::fromStatus(status(2, 0, {}, {}), {}).message,
            u"The device is not connected, \ror PC connect mode is not MSC.\r(If the device "
            u"support MTP/MSC mode,\rSelect MSC at Setting->Transfer Mode)"_s);
        QCOMPARE(DeviceChoice::fromStatus(status(3, 1, one, {}), {}).message,
            u"The device is used another program.\r\rClose another program and try again."_s);
        QCOMPARE(DeviceChoice::fromStatus(status(4, 1, one, {}), {}).message,
            u"Windows Media Player is under the execution.\r\rClose Windows Media Player and "
            u"try again."_s);
        // 5 is the media player's code, but the editor shows code 2's text.
        QCOMPARE(DeviceChoice::fromStatus(status(5, 1, one, {}), {}).message,
            text(Texts::DeviceNotConnected));
        // 100 with no players counts as not connected.
        QCOMPARE(DeviceChoice::fromStatus(status(100, 0, {}, {}), {}).message,
            text(Texts::DeviceNotConnected));

        const DeviceChoice found = DeviceChoice::fromStatus(
            status(100, 1, {u"Harlowe / Tunewave KV-30"_s}, u"/media/kv30"_s), {});
        QVERIFY(found.message.isEmpty());
        QCOMPARE(captions(found), QStringList({u"Harlowe / Tunewave KV-30 (/media/kv30)"_s}));
        QCOMPARE(found.entries[0].root(), u"/media/kv30/"_s);
    }

    void furtherPlayersAreGuessedAmongTheUsbMounts()
    {
        const QStringList two{u"A"_s, u"B"_s};
        // Upward first: the next mount after the first player's.
        DeviceChoice c = DeviceChoice::fromStatus(
            status(100, 2, two, u"/media/e"_s), {u"/media/d"_s, u"/media/e"_s, u"/media/g"_s});
        QCOMPARE(captions(c), QStringList({u"A (/media/e)"_s, u"B (/media/g)"_s}));
        // Nothing above: downward, to the nearest mount below.
        c = DeviceChoice::fromStatus(
            status(100, 2, two, u"/media/e"_s), {u"/media/c"_s, u"/media/d"_s, u"/media/e"_s});
        QCOMPARE(captions(c), QStringList({u"A (/media/e)"_s, u"B (/media/d)"_s}));
        // Nothing at all: listed without a drive, which cannot be chosen.
        c = DeviceChoice::fromStatus(status(100, 2, two, u"/media/e"_s), {u"/media/e"_s});
        QCOMPARE(captions(c), QStringList({u"A (/media/e)"_s, u"B ()"_s}));
        QVERIFY(c.entries[1].root().isEmpty());
        // Equal second and third names make one entry; once the upward
        // search failed, later players are searched downward too.
        c = DeviceChoice::fromStatus(status(100, 3, {u"A"_s, u"B"_s, u"B"_s}, u"/media/e"_s),
            {u"/media/d"_s, u"/media/e"_s, u"/media/f"_s});
        QCOMPARE(captions(c), QStringList({u"A (/media/e)"_s, u"B (/media/f)"_s}));
        c = DeviceChoice::fromStatus(status(100, 3, {u"A"_s, u"B"_s, u"C"_s}, u"/media/e"_s),
            {u"/media/b"_s, u"/media/e"_s, u"/media/f"_s});
        QCOMPARE(
            captions(c), QStringList({u"A (/media/e)"_s, u"B (/media/f)"_s, u"C (/media/e)"_s}));
    }

    void albumNamesThatCannotBeFileNamesAreRefused()
    {
        QVERIFY(!DeviceChoice::albumNameRefusal(u"Summer 2026"_s));
        QVERIFY(!DeviceChoice::albumNameRefusal(u"Été.ppl"_s));
        QCOMPARE(DeviceChoice::albumNameRefusal(u"why?"_s), text(Texts::ForbiddenCharacters));
        // The slash would make a folder on the player.
        QCOMPARE(DeviceChoice::albumNameRefusal(u"a/b"_s), text(Texts::ForbiddenCharacters));
        QCOMPARE(DeviceChoice::albumNameRefusal(u"C:\\x"_s), text(Texts::ForbiddenCharacters));
        QCOMPARE(DeviceChoice::albumNameRefusal(u"  "_s), text(Texts::EmptyAlbumName));
    }

    void usbMountsComeFromMountinfoAndSysfs()
    {
        const QString sys = m_scratch.filePath(u"sys"_s);
        // 8:1 is a partition of a USB disk, 8:17 a SATA disk, 8:33 a USB
        // disk without partitions mounted at a path with a blank.
        const QString usb = sys + u"/devices/pci0/usb1/1-1"_s;
        writeFile(usb + u"/idVendor"_s, "1234\n");
        writeFile(usb + u"/idProduct"_s, "5678\n");
        writeFile(usb + u"/host0/block/sda/sda1/partition"_s, "1\n");
        writeFile(usb + u"/host1/block/sdc/size"_s, "1\n");
        writeFile(sys + u"/devices/pci0/ata1/block/sdb/sdb1/partition"_s, "1\n");
        QDir().mkpath(sys + u"/dev/block"_s);
        QFile::link(usb + u"/host0/block/sda/sda1"_s, sys + u"/dev/block/8:1"_s);
        QFile::link(sys + u"/devices/pci0/ata1/block/sdb/sdb1"_s, sys + u"/dev/block/8:17"_s);
        QFile::link(usb + u"/host1/block/sdc"_s, sys + u"/dev/block/8:33"_s);
        const QString mountinfo = m_scratch.filePath(u"mountinfo"_s);
        writeFile(mountinfo,
            "30 1 8:17 / / rw - ext4 /dev/sdb1 rw\n"
            "41 30 8:33 / /media/my\\040player rw - vfat /dev/sdc rw\n"
            "40 30 8:1 / /media/kv30 rw - vfat /dev/sda1 rw\n"
            "42 30 8:1 / /mnt/again rw - vfat /dev/sda1 rw\n");
        QCOMPARE(RemovableMounts::list(mountinfo, sys),
            QStringList({u"/media/kv30"_s, u"/media/my player"_s}));
        QVERIFY(RemovableMounts::list(m_scratch.filePath(u"none"_s), sys).isEmpty());
    }

    void aConnectorThatCannotRunOrHangsIsReportedNotWaitedFor()
    {
        QTemporaryDir empty;
        const auto missing = ConnectorRun::run(empty.path() + u'/', u"-GETCONNECT"_s);
        QVERIFY(missing && missing->notStarted);
        QVERIFY(missing->text.contains(empty.path() + u"/tethera could not be started"_s));

        QTemporaryDir folder;
        writeFile(folder.filePath(u"tethera"_s), "#!/bin/sh\nexec sleep 30\n");
        QFile::setPermissions(folder.filePath(u"tethera"_s), QFile::ReadOwner | QFile::ExeOwner);
        QElapsedTimer clock;
        clock.start();
        const auto hung = ConnectorRun::run(folder.path() + u'/', u"-GETCONNECT"_s, 300);
        QVERIFY(clock.elapsed() < 10000);
        QVERIFY(hung && !hung->notStarted);
        QVERIFY(hung->text.endsWith(u"did not finish within 0 seconds and was stopped."_s));

        // What it started is stopped with it: a shell that leaves a child
        // behind (which would keep writing to the status folder).
        const QString pidFile = folder.filePath(u"child.pid"_s);
        writeFile(folder.filePath(u"tethera"_s),
            "#!/bin/sh\nsleep 30 &\necho $! > '" + pidFile.toUtf8() + "'\nwait\n");
        QVERIFY(ConnectorRun::run(folder.path() + u'/', u"-GETCONNECT"_s, 300));
        const pid_t child = pid_t(readFile(pidFile).trimmed().toInt());
        QVERIFY(child > 0);
        QTRY_VERIFY(::kill(child, 0) != 0);

        // Where no connector can start, the device dialog says what the
        // connector's own "not connected" says.
        CommandFixture f;
        f.state.programFolder = empty.path() + u'/';
        DeviceSelection selection(f.context);
        QVERIFY(!selection.select(DeviceSelection::Purpose::Open));
        QCOMPARE(f.prompts.texts(), QStringList({text(Texts::DeviceNotConnected)}));
        QCOMPARE(f.prompts.shown[0].icon, UserPrompts::Icon::Error);
    }

    void selectionRunsTheConnectorAndReadsWhatItFound()
    {
        CommandFixture f;
        f.state.programFolder = programFolder();
        const QString player = m_scratch.filePath(u"player"_s);
        QDir().mkpath(player);
        const QString devices = m_scratch.filePath(u"devices.ini"_s);
        writeFile(devices,
            "[Manager]\n[Device1]\nName=Harlowe / Tunewave KV-30\nDrive=" + player.toUtf8() + "\n");
        qputenv("TETHERA_DEVICES", devices.toUtf8());
        // A stale file from an earlier run must not be read.
        writeFile(DeviceStatusFile::path(), "[Default]\nProcessCount=3\n");
        DeviceSelection selection(f.context);
        selection.removableMounts = [] { return QStringList(); };
        f.prompts.deviceAnswers = {DeviceAnswer{0, u"a?b"_s}, DeviceAnswer{0, u"Trip"_s}};
        const auto chosen = selection.select(DeviceSelection::Purpose::Export, u"x.ppl"_s);
        QVERIFY(chosen);
        QCOMPARE(chosen->root, player + u'/');
        QCOMPARE(chosen->deviceName, u"Harlowe / Tunewave KV-30"_s);
        QCOMPARE(chosen->albumName, u"Trip"_s);
        QCOMPARE(f.state.playerRoot, player + u'/');
        // The refused name was shown over the dialog, which stayed open
        // for the second answer.
        QCOMPARE(f.prompts.texts(), QStringList({text(Texts::ForbiddenCharacters)}));
        QCOMPARE(f.prompts.deviceRequests.size(), 1);
        QCOMPARE(f.prompts.deviceRequests[0].banner, u"Select device to save album"_s);
        QVERIFY(f.prompts.deviceRequests[0].albumNameRow);
        QCOMPARE(f.prompts.deviceRequests[0].albumName, u"x.ppl"_s);

        // No player connected: code 2's text, no dialog.
        f.prompts.clear();
        f.prompts.deviceRequests.clear();
        writeFile(devices, "[Manager]\n");
        QVERIFY(!selection.select(DeviceSelection::Purpose::Open));
        QCOMPARE(f.prompts.texts(), QStringList({text(Texts::DeviceNotConnected)}));
        QVERIFY(f.prompts.deviceRequests.isEmpty());
        // The connection fails: code 1.
        f.prompts.clear();
        writeFile(devices, "[Manager]\nOpenResult=-1\n");
        QVERIFY(!selection.select(DeviceSelection::Purpose::Delete));
        QCOMPARE(f.prompts.texts(), QStringList({text(Texts::DeviceManagerMissing)}));
        qunsetenv("TETHERA_DEVICES");
    }
};

QTEST_GUILESS_MAIN(tst_Devices)
#include "tst_Devices.moc"
