// Start-up pieces: the volume setting and its slider rule, one editor per
// user, and the desktop registration of the album types.

#include "EditorSettings.h"
#include "FileTypeRegistration.h"
#include "SingleInstance.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
