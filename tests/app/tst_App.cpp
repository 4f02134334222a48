// Start-up pieces: the volume setting and its slider rule, one editor per
// user, and the desktop registration of the album types.

#include "EditorSettings.h"
#include "FileTypeRegistration.h"
#include "SingleInstance.h"

#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

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
        const QString key
            = u"quillan-test-"_s + QString::number(QCoreApplication::applicationPid());
        SingleInstance first(key);
        QVERIFY(first.tryBecomePrimary());
        QSignalSpy raised(&first, &SingleInstance::raiseRequested);
        SingleInstance second(key);
        QVERIFY(!second.tryBecomePrimary());
        QVERIFY(second.notifyPrimary());
        QVERIFY(raised.wait(2000));
        QCOMPARE(raised.count(), 1);
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
