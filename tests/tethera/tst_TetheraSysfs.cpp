// The sysfs back end of the real tethera binary against fake /sys and
// mountinfo trees: which mounts are players, their names and drives.

#include "TetheraRun.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int ENotImpl = -2147467263;
constexpr int EFail = -2147467259;

// A fake sysfs: device folders with attribute files, and /dev/block links.
class FakeSysfs
{
public:
    explicit FakeSysfs(const QString &root)
        : m_root(root)
    { }

    void attribute(const QString &device, const char *name, const QByteArray &value)
    {
        const QString dir = m_root + u"/devices/"_s + device;
        QDir().mkpath(dir);
        QFile file(dir + u'/' + QString::fromLatin1(name));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write attribute");
        file.write(value + '\n');
    }

    // /sys/dev/block/MAJ:MIN -> ../../devices/<device>, relative as in sysfs.
    void block(const QString &majorMinor, const QString &device)
    {
        QDir().mkpath(m_root + u"/devices/"_s + device);
        QDir().mkpath(m_root + u"/dev/block"_s);
        QFile::link(u"../../devices/"_s + device, m_root + u"/dev/block/"_s + majorMinor);
    }

    // A disk's "device" link to the SCSI device two levels up.
    void disk(const QString &device)
    {
        QDir().mkpath(m_root + u"/devices/"_s + device);
        QFile::link(u"../.."_s, m_root + u"/devices/"_s + device + u"/device"_s);
    }

private:
    QString m_root;
};

const QString UsbHost = u"pci0000:00/0000:00:14.0/usb1"_s;

} // namespace

class TestTetheraSysfs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString root = m_tree.path() + u"/sys"_s;
        FakeSysfs sys(root);
        // A player on USB with a partition: named by its USB strings.
        const QString stick = UsbHost + u"/1-1"_s;
        sys.attribute(stick, "idVendor", "1234");
        sys.attribute(stick, "idProduct", "5678");
        sys.attribute(stick, "manufacturer", "  Harlowe ");
        sys.attribute(stick, "product", "Tunewave KV-30");
        const QString stickDisk = stick + u"/1-1:1.0/host6/target6:0:0/6:0:0:0"_s;
        sys.attribute(stickDisk, "vendor", "HARLOWE ");
        sys.attribute(stickDisk, "model", "KV30 STORAGE    ");
        sys.disk(stickDisk + u"/block/sdb"_s);
        sys.attribute(stickDisk + u"/block/sdb/sdb1"_s, "partition", "1");
        sys.block(u"8:17"_s, stickDisk + u"/block/sdb/sdb1"_s);
        // A whole-disk player without USB strings: the SCSI names serve.
        const QString bare = UsbHost + u"/1-2"_s;
        sys.attribute(bare, "idVendor", "abcd");
        sys.attribute(bare, "idProduct", "0001");
        const QString bareDisk = bare + u"/1-2:1.0/host7/target7:0:0/7:0:0:0"_s;
        sys.attribute(bareDisk, "vendor", "Zeta    ");
        sys.attribute(bareDisk, "model", "Player Z1       ");
        sys.disk(bareDisk + u"/block/sdc"_s);
        sys.block(u"8:32"_s, bareDisk + u"/block/sdc"_s);
        // A SATA disk holding the system: never a player.
        const QString sata = u"pci0000:00/0000:00:1f.2/ata1/host1/target1:0:0/1:0:0:0"_s;
        sys.attribute(sata, "vendor", "ATA");
        sys.attribute(sata, "model", "Harlowe / Tunewave KV-30");
        sys.attribute(sata + u"/block/sda/sda1"_s, "partition", "1");
        sys.block(u"8:1"_s, sata + u"/block/sda/sda1"_s);
        m_sysfs = root;
    }

    void findsUsbPlayersByName()
    {
        TetheraRun t;
        t.writeModelList(
            "[Configuration]\nDeviceNames=Harlowe / Tunewave KV-30;Zeta / Player Z1\n");
        t.useSysfs(mountInfo("21 1 8:1 / / rw - ext4 /dev/sda1 rw\n"
                             "22 1 0:5 / /proc rw - proc proc rw\n"
                             "40 21 8:17 / /media/user/My\\040Player rw - vfat /dev/sdb1 rw\n"
                             "41 21 8:17 / /mnt/again rw - vfat /dev/sdb1 rw\n"
                             "42 21 8:32 / /media/user/Z1 rw - vfat /dev/sdc rw\n"),
            m_sysfs);
        const auto r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.statusFile,
            expectedStatus(2, 100, 0, 0, {u"Harlowe / Tunewave KV-30"_s, u"Zeta / Player Z1"_s},
                u"/media/user/My Player"_s));
    }

    void refreshCommandsAreNotImplemented()
    {
        TetheraRun t;
        t.useSysfs(mountInfo("40 21 8:17 / /media/kv30 rw - vfat /dev/sdb1 rw\n"), m_sysfs);
        auto r = t.run({u"-REFRESHMUSIC"_s});
        QCOMPARE(r.statusFile,
            expectedStatus(1, 100, 0, EFail, {u"Harlowe / Tunewave KV-30"_s}, u"/media/kv30"_s));
        r = t.run({u"-REFRESHFOLDER"_s, u"/media/kv30/Music"_s});
        QCOMPARE(r.statusFile,
            expectedStatus(1, 100, ENotImpl, 0, {u"Harlowe / Tunewave KV-30"_s}, u"/media/kv30"_s));
    }

    void aSystemDiskIsNoPlayer()
    {
        TetheraRun t;
        t.useSysfs(mountInfo("21 1 8:1 / / rw - ext4 /dev/sda1 rw\n"), m_sysfs);
        QCOMPARE(t.run({u"-GETCONNECT"_s}).statusFile, expectedStatus(0, 2, 0, 0, {}, {}));
    }

    void unreadableMountTableFailsTheConnection()
    {
        TetheraRun t;
        t.useSysfs(m_tree.path() + u"/no-mountinfo"_s, m_sysfs);
        const auto r = t.run({u"-GETCONNECT"_s});
        QCOMPARE(r.exitCode, 129);
        QCOMPARE(r.statusFile, expectedStatus(0, 1, 0, 0, {}, {}));
    }

private:
    QString mountInfo(const QByteArray &lines)
    {
        const QString path = m_tree.path() + u"/mountinfo-"_s + QString::number(++m_files);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write mountinfo");
        file.write(lines);
        return path;
    }

    QTemporaryDir m_tree;
    QString m_sysfs;
    int m_files = 0;
};

QTEST_GUILESS_MAIN(TestTetheraSysfs)
#include "tst_TetheraSysfs.moc"
