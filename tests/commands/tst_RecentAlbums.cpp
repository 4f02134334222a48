// The recent albums: every album opened or saved from the disk goes first,
// once, the list keeps eight, and albums on a player are not kept.

#include "CommandFixture.h"
#include "RecentAlbums.h"
#include "RecentlyUsed.h"

#include <QTemporaryDir>
#include <QTest>

#include <QUrl>
#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

class tst_RecentAlbums : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;
    QTemporaryDir m_data;

private Q_SLOTS:
    void initTestCase()
    {
        // Before the first settings object: the user's own list stays out.
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("XDG_DATA_HOME", m_data.path().toUtf8());
        QVERIFY(RecentAlbums::list().isEmpty());
        QCOMPARE(RecentlyUsed::defaultPath(), m_data.filePath(u"recently-used.xbel"_s));
    }

    void theListKeepsTheNewestEightOnceEach()
    {
        for (int i = 1; i <= 10; ++i)
            RecentAlbums::add(u"/albums/a%1.pvm"_s.arg(i));
        RecentAlbums::add(u"/albums/a5.pvm"_s);
        const QStringList albums = RecentAlbums::list();
        QCOMPARE(albums.size(), RecentAlbums::Limit);
        QCOMPARE(albums.first(), u"/albums/a5.pvm"_s);
        QCOMPARE(albums[1], u"/albums/a10.pvm"_s);
        QCOMPARE(albums.count(u"/albums/a5.pvm"_s), 1);
        QVERIFY(!albums.contains(u"/albums/a2.pvm"_s));
        // An album named relative to where the editor runs is kept by its
        // full path, so it opens again from anywhere.
        MediaCopies dir;
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path({})));
        RecentAlbums::add(u"sub/../trip.pvm"_s);
        QDir::setCurrent(before);
        QCOMPARE(
            RecentAlbums::list().first(), QFileInfo(dir.path(u"trip.pvm"_s)).absoluteFilePath());
        // The desktop's list planted as a link: replaced, never written
        // through.
        const QString victim = dir.path(u"victim.txt"_s);
        const QByteArray list = "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\"></xbel>\n";
        writeFile(victim, list);
        QFile::remove(RecentlyUsed::defaultPath());
        QVERIFY(QFile::link(victim, RecentlyUsed::defaultPath()));
        RecentAlbums::add(dir.path(u"again.pvm"_s));
        QCOMPARE(readFile(victim), list);
        QVERIFY(!QFileInfo(RecentlyUsed::defaultPath()).isSymLink());
        QVERIFY(readFile(RecentlyUsed::defaultPath()).contains("again.pvm"));
        // A FIFO or an endless device as the list: left alone, not waited
        // for, and the editor's own list still takes the album.
        QFile::remove(RecentlyUsed::defaultPath());
        QCOMPARE(::mkfifo(QFile::encodeName(RecentlyUsed::defaultPath()).constData(), 0600), 0);
        RecentAlbums::add(dir.path(u"piped.pvm"_s));
        QVERIFY(!QFileInfo(RecentlyUsed::defaultPath()).isFile());
        QCOMPARE(RecentAlbums::list().first(), dir.path(u"piped.pvm"_s));
        QFile::remove(RecentlyUsed::defaultPath());
        QVERIFY(QFile::link(u"/dev/zero"_s, RecentlyUsed::defaultPath()));
        RecentAlbums::add(dir.path(u"zero.pvm"_s));
        QCOMPARE(QFileInfo(RecentlyUsed::defaultPath()).symLinkTarget(), u"/dev/zero"_s);
        QFile::remove(RecentlyUsed::defaultPath());
    }

    void savingAndOpeningPutAnAlbumFirst()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        const QString saved = f.media.path(u"trip.pvm"_s);
        f.prompts.saveAnswers.append(saved);
        f.files.SaveAsAlbummenuClick();
        QCOMPARE(RecentAlbums::list().first(), saved);

        QVERIFY(QFile::copy(saved, f.media.path(u"other.pvm"_s)));
        f.prompts.openAnswers.append({f.media.path(u"other.pvm"_s)});
        f.files.OpenAlbummenuClick();
        QCOMPARE(
            RecentAlbums::list().mid(0, 2), QStringList({f.media.path(u"other.pvm"_s), saved}));

        // An album opened from a player is left out.
        QVERIFY(f.files.OpenAlbumFile(saved, f.media.path(QString())));
        QCOMPARE(RecentAlbums::list().first(), f.media.path(u"other.pvm"_s));
        // The desktop's list has both, under the editor's album type.
        const QByteArray xbel = readFile(RecentlyUsed::defaultPath());
        QVERIFY(xbel.contains(QUrl::fromLocalFile(saved).toEncoded()));
        QVERIFY(xbel.contains("<mime:mime-type type=\"application/x-quillan-pvm\""));
    }

    // The desktop's list: an entry per file whose count and times follow
    // each use, names percent-encoded as URLs, the entries of other
    // programs kept, and a list that is not XBEL left untouched.
    void theDesktopsListKeepsOthersEntries()
    {
        QTemporaryDir dir;
        const QString xbel = dir.filePath(u"recently-used.xbel"_s);
        // Another program's entry with what the editor does not know: a
        // comment, its own elements and attributes, spacing, CR LF.
        const QByteArray theirs
            = "<!-- kept by Writer -->\r\n"
              "<bookmark href=\"file:///home/u/letter.odt\" added=\"2026-01-01T00:00:00Z\" "
              "modified=\"2026-01-01T00:00:00Z\" visited=\"2026-01-01T00:00:00Z\" w:x=\"1\">\r\n"
              "  <title>Letter</title><info>"
              "<metadata owner=\"http://freedesktop.org\"><bookmark:applications>"
              "<bookmark:application name=\"Writer\" exec=\"'writer %u'\" count=\"3\"/>"
              "</bookmark:applications><bookmark:private/></metadata>"
              "<metadata owner=\"http://writer.example\"><w:page n=\"4\"/></metadata></info>"
              "</bookmark>";
        writeFile(xbel,
            "<?xml version=\"1.0\"?>\n<xbel version=\"1.0\" "
            "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\" "
            "xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                + theirs + "\n</xbel>\n");
        const QString album = u"/home/u/Trip Ä.ppl"_s;
        const QDateTime first(QDate(2026, 12, 10), QTime(7, 0), Qt::UTC);
        QVERIFY(RecentlyUsed::add(xbel, album, u"application/x-quillan-ppl"_s, first));
        QVERIFY(RecentlyUsed::add(xbel, album, u"application/x-quillan-ppl"_s, first.addSecs(60)));
        const QString text = QString::fromUtf8(readFile(xbel));
        QVERIFY2(readFile(xbel).contains(theirs), qPrintable(text));
        QVERIFY(text.contains(u"name=\"Writer\" exec=\"'writer %u'\" count=\"3\""_s));
        QCOMPARE(text.count(u"file:///home/u/Trip%20%C3%84.ppl"_s), 1);
        QVERIFY(
            text.contains(u"added=\"2026-12-10T07:00:00Z\" modified=\"2026-12-10T07:01:00Z\""_s));
        QVERIFY(text.contains(
            u"name=\"Quillan\" exec=\"'quillan %u'\" modified=\"2026-12-10T07:01:00Z\" count=\"2\""_s));

        writeFile(xbel, "not xml at all");
        QVERIFY(!RecentlyUsed::add(xbel, album, u"application/x-quillan-ppl"_s, first));
        QCOMPARE(readFile(xbel), QByteArray("not xml at all"));
    }
};

QTEST_GUILESS_MAIN(tst_RecentAlbums)
#include "tst_RecentAlbums.moc"
