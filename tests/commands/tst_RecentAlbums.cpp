// The recent albums: every album opened or saved from the disk goes first,
// once, the list keeps eight, and albums on a player are not kept.

#include "CommandFixture.h"
#include "RecentAlbums.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_RecentAlbums : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;

private Q_SLOTS:
    void initTestCase()
    {
        // Before the first settings object: the user's own list stays out.
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        QVERIFY(RecentAlbums::list().isEmpty());
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
    }
};

QTEST_GUILESS_MAIN(tst_RecentAlbums)
#include "tst_RecentAlbums.moc"
