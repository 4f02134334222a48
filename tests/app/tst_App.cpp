// Start-up pieces: the volume setting and its slider rule, one editor per
// user, and the desktop registration of the album types.

#include "EditorSettings.h"
#include "FileTypeRegistration.h"
#include "LocalMessageServer.h"
#include "SingleInstance.h"
#include "StartupWarmup.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <future>

#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

class TestApp : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_home.isValid());
        qputenv("XDG_CONFIG_HOME", m_home.filePath(u"config"_s).toUtf8());
        qputenv("XDG_DATA_HOME", m_home.filePath(u"data"_s).toUtf8());
        qputenv("XDG_CACHE_HOME", m_home.filePath(u"cache"_s).toUtf8());
        qputenv("PATH", "/nonexistent"); // no cache tools: only the files are written
    }

    void keepsTheVolume()
    {
        QCOMPARE(EditorSettings::readVolume(), 10000);
        QCOMPARE(EditorSettings::sliderFromVolume(10000), 5000);
        QCOMPARE(EditorSettings::sliderFromVolume(5000), 1);
        QCOMPARE(EditorSettings::sliderFromVolume(10), 1);
        QCOMPARE(EditorSettings::sliderFromVolume(7500), 2500);
        QCOMPARE(EditorSettings::volumeFromSlider(3), 10);
        QCOMPARE(EditorSettings::volumeFromSlider(4), 10);
        QCOMPARE(EditorSettings::volumeFromSlider(5), 5005);
        QCOMPARE(EditorSettings::volumeFromSlider(5000), 10000);
        EditorSettings::writeVolume(EditorSettings::volumeFromSlider(3));
        QCOMPARE(EditorSettings::readVolume(), 10);
        QVERIFY(QFile::exists(m_home.filePath(u"config/Harlowe/Quillwright.ini"_s)));
    }

    void allowsOneEditorPerUser()
    {
        QTemporaryDir runtime;
        const QString name = SingleInstance::defaultName();
        QCOMPARE(name, u"Quillan.exe-"_s + QString::number(::getuid()));
        // What a crashed editor leaves: a lock file nobody holds.
        QFile left(runtime.filePath(name + u".lock"_s));
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.write("12345\nquillan\n");
        left.close();
        SingleInstance first(runtime.path(), name);
        QVERIFY(first.tryBecomePrimary());
        QVERIFY(QFile::exists(runtime.filePath(name + u".lock"_s)));
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        QSignalSpy opened(&first, &SingleInstance::openRequested);
        SingleInstance second(runtime.path(), name);
        QVERIFY(!second.tryBecomePrimary());
        QVERIFY(second.notifyPrimary());
        QVERIFY(raised.wait(2000));
        QCOMPARE(raised.count(), 1);
        QCOMPARE(opened.count(), 0);
        // A later start hands over its files, odd names whole.
        const QString odd = u"/albums/a\nb %41 trip.pvm"_s;
        QVERIFY(second.notifyPrimary({odd, u"/p/photo.jpg"_s}));
        QVERIFY(opened.wait(2000));
        QCOMPARE(opened.first().first().toStringList(), QStringList({odd, u"/p/photo.jpg"_s}));

        // Where no lock can be made the editor still starts.
        SingleInstance homeless(u"/nonexistent-quillan-folder"_s, name);
        QVERIFY(homeless.tryBecomePrimary());
        // A lock file that names no owner (a crash while it was written)
        // does not keep the editor out for good; one that names a running
        // editor does.
        QTemporaryDir other;
        QFile empty(other.filePath(name + u".lock"_s));
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        SingleInstance afterCrash(other.path(), name);
        QVERIFY(afterCrash.tryBecomePrimary());
        SingleInstance later(other.path(), name);
        QVERIFY(!later.tryBecomePrimary());
    }

    // The channel a later start talks through: messages larger than the
    // socket's buffer and from two senders at once arrive whole and apart; a
    // socket a dead editor left is replaced; an oversized message is dropped
    // without taking the next; no server, or a path too long for a socket,
    // is a plain failure.
    void localMessagesArriveWholeAndApart()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(u"editor.socket"_s);
        QFile stale(path); // what a crashed editor leaves: a file in the way
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.close();
        QVERIFY(!LocalMessageServer::send(path, "nobody listens"));
        LocalMessageServer server;
        QVERIFY(server.listen(path));
        struct stat status;
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &status), 0);
        QCOMPARE(status.st_mode & 0777, mode_t(0600));
        QSignalSpy received(&server, &LocalMessageServer::messageReceived);

        // Other processes in real use: threads here, so the server can read
        // while they write.
        const QByteArray big(3 * 1024 * 1024 + 17, 'a');
        const QByteArray small = "raise\n/p/photo.jpg\n";
        auto first
            = std::async(std::launch::async, [&] { return LocalMessageServer::send(path, big); });
        auto second
            = std::async(std::launch::async, [&] { return LocalMessageServer::send(path, small); });
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 2, 10000);
        QVERIFY(first.get());
        QVERIFY(second.get());
        QList<QByteArray> messages{
            received.at(0).first().toByteArray(), received.at(1).first().toByteArray()};
        std::sort(messages.begin(), messages.end(),
            [](const QByteArray &a, const QByteArray &b) { return a.size() < b.size(); });
        QCOMPARE(messages.at(0), small);
        QCOMPARE(messages.at(1), big);

        const QByteArray huge(LocalMessageServer::MaximumMessage + 1, 'x');
        auto dropped
            = std::async(std::launch::async, [&] { LocalMessageServer::send(path, huge); });
        QTest::qWait(200);
        auto after
            = std::async(std::launch::async, [&] { return LocalMessageServer::send(path, small); });
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 3, 10000);
        QCOMPARE(received.at(2).first().toByteArray(), small);
        dropped.get();
        QVERIFY(after.get());

        const QString tooLong = folder.filePath(QString(200, u'n'));
        LocalMessageServer other;
        QVERIFY(!other.listen(tooLong));
        QVERIFY(!LocalMessageServer::send(tooLong, small));
    }

    // Without a session bus the start asks none (D-Bus would fork to start
    // one): the menu bar stays in the window and accessibility is pointed
    // nowhere while the window is built, and the environment is given back
    // once it shows, so programs the editor starts inherit what it was given.
    void asksNoBusThatIsNotThere()
    {
        const QByteArray savedBus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
        const QByteArray savedRuntime = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir runtime;
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        QVERIFY(!StartupWarmup::sessionBusRunning());
        QFile socket(runtime.filePath(u"bus"_s)); // where D-Bus looks without an address
        QVERIFY(socket.open(QIODevice::WriteOnly));
        QVERIFY(StartupWarmup::sessionBusRunning());
        QVERIFY(socket.remove());
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/run/user/1000/bus");
        QVERIFY(StartupWarmup::sessionBusRunning());
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");

        qunsetenv("AT_SPI_BUS_ADDRESS");
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar, false);
        {
            StartupWarmup warmup;
            warmup.applicationReady();
            QVERIFY(QCoreApplication::testAttribute(Qt::AA_DontUseNativeMenuBar));
            QVERIFY(!qgetenv("AT_SPI_BUS_ADDRESS").isEmpty());
            warmup.windowShown();
            QVERIFY(!qEnvironmentVariableIsSet("AT_SPI_BUS_ADDRESS"));
        }
        // An accessibility bus the editor was given stays as it was.
        qputenv("AT_SPI_BUS_ADDRESS", "unix:path=/mine");
        {
            StartupWarmup warmup;
            warmup.applicationReady();
            warmup.windowShown();
            QCOMPARE(qgetenv("AT_SPI_BUS_ADDRESS"), QByteArray("unix:path=/mine"));
        }
        qunsetenv("AT_SPI_BUS_ADDRESS");
        QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar, false);
        qputenv("XDG_RUNTIME_DIR", savedRuntime);
        if (!savedBus.isNull())
            qputenv("DBUS_SESSION_BUS_ADDRESS", savedBus);
    }

    void keepsTheLockInAFolderOfTheUser()
    {
        const QByteArray saved = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        QCOMPARE(SingleInstance::runtimeFolder(), runtime.path());
        qunsetenv("XDG_RUNTIME_DIR");
        qputenv("USER", "someone-else");
        const QString own = SingleInstance::runtimeFolder();
        qputenv("XDG_RUNTIME_DIR", saved);
        // Not the shared temporary folder: the user's own cache.
        QCOMPARE(own, m_home.filePath(u"cache/quillan"_s));
        // Group and others: no access at all.
        QVERIFY(!(QFile::permissions(own) & QFileDevice::Permissions(0x0077)));
        QVERIFY(!SingleInstance::defaultName().contains(u"someone-else"_s));
    }

    void registersTheAlbumTypes()
    {
        FileTypeRegistration::registerFor(u"/opt/Quillan Editor/quillan"_s);
        QFile mime(m_home.filePath(u"data/mime/packages/quillan.xml"_s));
        QVERIFY(mime.open(QIODevice::ReadOnly));
        const QByteArray xml = mime.readAll();
        for (const char *glob : {"*.pvm", "*.mum", "*.ppl"})
            QVERIFY(xml.contains(QByteArray(QByteArray("<glob pattern=\"") + glob + "\"/>")));
        QVERIFY(xml.contains("<comment>Quillan PPL</comment>"));
        QFile desktop(m_home.filePath(u"data/applications/quillan.desktop"_s));
        QVERIFY(desktop.open(QIODevice::ReadOnly));
        const QByteArray entry = desktop.readAll();
        QVERIFY(entry.contains("Exec=\"/opt/Quillan Editor/quillan\" %f\n"));
        QVERIFY(entry.contains("MimeType=application/x-quillan-pvm;application/x-quillan-mum;"
                               "application/x-quillan-ppl;\n"));
    }

private:
    QTemporaryDir m_home;
};

QTEST_GUILESS_MAIN(TestApp)
#include "tst_App.moc"
