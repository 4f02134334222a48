// The connector's building blocks where a fault would not show in a whole
// run: the authentication code against an independent HMAC, the GUID byte
// layout, UTF-16 texts, profile files and mount paths.

#include "Connector.h"
#include "DeviceCommand.h"
#include "DeviceStatusRecord.h"
#include "IniFile.h"
#include "SecureChannel.h"
#include "SmallDisk.h"
#include "SysfsDeviceManager.h"
#include "Utf16.h"

#include <QDir>
#include <QFile>
#include <QMessageAuthenticationCode>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

class TestTetheraParts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void codeIsHmacSha256CutTo8Bytes()
    {
        const std::vector<uint8_t> key = {'s', 'e', 'c', 'r', 'e', 't', 0x00, 0xff};
        const auto guid = DeviceCommands::identifier(DeviceCommand::RefreshFolder);
        std::vector<uint8_t> data(536, 0);
        data[0] = 'x';
        QByteArray message(reinterpret_cast<const char *>(guid.data()), 16);
        message += QByteArray::fromHex("18020000"); // 536, little-endian
        message += QByteArray(reinterpret_cast<const char *>(data.data()), 536);
        const QByteArray expected = QMessageAuthenticationCode::hash(message,
            QByteArray(reinterpret_cast<const char *>(key.data()), qsizetype(key.size())),
            QCryptographicHash::Sha256)
                                        .left(8);
        const auto mac = SecureChannel::computeWithKey(key, guid, data);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(mac.data()), 8), expected);
        // The compiled-in key gives another code, and any change of data too.
        QVERIFY(SecureChannel::compute(guid, data) != mac);
        data[535] = 1;
        QVERIFY(SecureChannel::computeWithKey(key, guid, data) != mac);
    }

    void identifiersUseTheGuidMemoryLayout()
    {
        const auto bytes = DeviceCommands::identifier(DeviceCommand::RefreshMusic);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(bytes.data()), 16).toHex(),
            QByteArray("1654d38bd372f24ba5d88043298c2eb8"));
        for (auto command :
            {DeviceCommand::RefreshMusic, DeviceCommand::DriveQuery, DeviceCommand::RefreshFolder})
            QCOMPARE(DeviceCommands::textOf(DeviceCommands::identifier(command)),
                DeviceCommands::identifierText(command));
    }

    void utf16Texts()
    {
        const std::string text = "/media/Ünï 音楽 \xF0\x9F\x8E\xB5";
        const std::vector<uint8_t> bytes = Utf16::encode(text);
        QCOMPARE(bytes.size(), size_t((14 + 2 + 1) * 2)); // 14 units, a surrogate pair, the zero
        QCOMPARE(bytes[bytes.size() - 2], 0);
        QCOMPARE(Utf16::decode(bytes.data(), bytes.size()), text);
        QCOMPARE(QString::fromUtf16(reinterpret_cast<const char16_t *>(bytes.data())),
            QString::fromStdString(text));
        // Reading stops at the terminator, or at the end of the block.
        const uint8_t block[] = {'E', 0, ':', 0, 0, 0, 'x', 0};
        QCOMPARE(Utf16::decode(block, sizeof block), std::string("E:"));
        QCOMPARE(Utf16::decode(block, 3), std::string("E"));
    }

    void splitsArguments()
    {
        using V = std::vector<std::string>;
        QVERIFY(Connector::splitArguments({"-REFRESHMUSIC "}) == V{"-REFRESHMUSIC"});
        QVERIFY(Connector::splitArguments({"  -A", "b  c"}) == V({"-A", "b", "c"}));
        QVERIFY(Connector::splitArguments({"a\tb"}) == V{"a\tb"});
        QVERIFY(Connector::splitArguments({}).empty());
        // No limit of ten arguments or nineteen characters.
        V many(12, std::string(40, 'f'));
        QVERIFY(Connector::splitArguments(many) == many);
    }

    void readsProfilesAsWindowsDoes()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"p.ini"_s);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(
            "; comment\n[Configuration]\r\n  DEVICENAMES  =  \"A;B\"  \r\nDeviceNames=second\n"
            "[Device1]\nName=x ; note\nSendResult=-5\nBad=\n");
        file.close();
        const std::string p = path.toStdString();
        const IniFile keep = IniFile::load(p);
        QCOMPARE(keep.value("configuration", "devicenames", "?"), std::string("A;B"));
        QCOMPARE(keep.value("Device1", "Name", "?"), std::string("x ; note"));
        const IniFile strip = IniFile::load(p, IniFile::InlineComments::Strip);
        QCOMPARE(strip.value("Device1", "Name", "?"), std::string("x"));
        QCOMPARE(strip.number("Device1", "SendResult", 0), -5L);
        QCOMPARE(strip.number("Device1", "Bad", 7), 7L);
        QVERIFY(!strip.value("Nowhere", "Name"));
        QVERIFY(!IniFile::load(p + "-missing").hasSection("Configuration"));
    }

    void readsProfilesInEveryEncodingAWindowsEditorSaves()
    {
        QTemporaryDir dir;
        const QString text = u"[Configuration]\r\nDeviceNames=Tönet 5;Plä\r\n"_s;
        const QByteArray utf16
            = QByteArray(reinterpret_cast<const char *>(text.utf16()), text.size() * 2);
        QByteArray utf16be;
        for (qsizetype i = 0; i + 1 < utf16.size(); i += 2)
            utf16be += QByteArray() + utf16[i + 1] + utf16[i];
        const std::pair<const char *, QByteArray> files[] = {
            {"bom8", "\xEF\xBB\xBF" + text.toUtf8()},
            {"utf16le", "\xFF\xFE" + utf16},
            {"utf16be", "\xFE\xFF" + utf16be},
        };
        for (const auto &[name, bytes] : files) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
            file.close();
            QCOMPARE(IniFile::load(file.fileName().toStdString())
                         .value("Configuration", "DeviceNames", "?"),
                std::string("Tönet 5;Plä"));
        }
        // A FIFO would wait for a writer for ever: it reads as no profile.
        const std::string fifo = dir.filePath(u"fifo.ini"_s).toStdString();
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        QVERIFY(!IniFile::load(fifo).hasSection("Configuration"));
    }

    void statusFileHoldsNoControlCharacters()
    {
        DeviceStatusRecord record;
        record.deviceCount = 1;
        record.deviceName[0] = "Evil\n[DeviceDrive]\nDevice1=/etc";
        record.deviceDrive[0] = "/media/a\rb\tc";
        const std::string text = record.text();
        // Three sections still, each on a line of its own.
        qsizetype sections = 0;
        for (size_t at = text.find("\n["); at != std::string::npos; at = text.find("\n[", at + 1))
            ++sections;
        QCOMPARE(sections, 2);
        QVERIFY(text.find("Device1=Evil?[DeviceDrive]?Device1=/etc\n") != std::string::npos);
        QVERIFY(text.find("Device1=/media/a?b?c\n") != std::string::npos);
        QVERIFY(text.find('\r') == std::string::npos && text.find('\t') == std::string::npos);
    }

    void theFirstBlockingProgramInTheListDecides()
    {
        using List = std::vector<std::string>;
        QCOMPARE(Connector::blockingProgram({"bash", "Orvodesk.exe"}), std::optional<int32_t>(3));
        QCOMPARE(Connector::blockingProgram({"orvodesk.EXE"}), std::optional<int32_t>(3));
        // Both running: whichever the process list names first, both ways.
        QCOMPARE(Connector::blockingProgram(List{"wmplayer.exe", "Orvodesk.exe"}),
            std::optional<int32_t>(5));
        QCOMPARE(Connector::blockingProgram(List{"Orvodesk.exe", "wmplayer.exe"}),
            std::optional<int32_t>(3));
        QCOMPARE(Connector::blockingProgram(List{"x", "manager.exe", "wmplayer.exe"}),
            std::optional<int32_t>(4));
        QCOMPARE(Connector::blockingProgram(List{"Orvodesk", "wmplayer.exe.old"}), std::nullopt);
    }

    void aFullDiskKeepsTheOldStatusFile()
    {
        const SmallDisk disk(16);
        if (!disk.mounted())
            QSKIP("no tmpfs can be mounted here");
        const QString mount = disk.path();
        QFile old(mount + u"/orvocomm.dat"_s);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QFile filler(mount + u"/filler"_s);
        QVERIFY(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(4096, 'f')) > 0 && filler.flush()) { }
        filler.close();
        DeviceStatusRecord record;
        record.deviceName[0] = std::string(8000, 'n');
        QVERIFY(!writeStatusFile(mount.toStdString(), record));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old"));
        QCOMPARE(QDir(mount).entryList(QDir::Files | QDir::Hidden),
            QStringList({u"filler"_s, u"orvocomm.dat"_s}));
    }

    void unescapesMountPaths()
    {
        QCOMPARE(SysfsDeviceManager::unescapeMountPath("/media/My\\040Player\\011x\\134y"),
            std::string("/media/My Player\tx\\y"));
        QCOMPARE(SysfsDeviceManager::unescapeMountPath("/a\\04"), std::string("/a\\04"));
        QCOMPARE(SysfsDeviceManager::unescapeMountPath("/a\\9xx"), std::string("/a\\9xx"));
    }
};

QTEST_GUILESS_MAIN(TestTetheraParts)
#include "tst_TetheraParts.moc"
