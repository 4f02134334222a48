// Autosave and recovery: the recovery copy is the album's saved form, whole,
// written while the album is modified and gone once it is saved or declined;
// a copy left by an editor that did not end is offered back as the album it
// was.

#include "AutoSave.h"
#include "CommandFixture.h"
#include "ProcessIdentity.h"
#include "RecentAlbums.h"

#include <QDir>
#include <QProcess>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestAutoSave : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    QTemporaryDir m_state;
    // The songs outlive the editors of each test, as a user's files do.
    MediaCopies m_media;

    QString folder() const { return m_state.filePath(u"quillan/recovery"_s); }

    // A music album of two songs named `path`, modified since.
    void makeAlbum(CommandFixture &f, const QString &path)
    {
        f.newAlbum(1);
        f.album.AddMediaFile(m_media.copy("tagged.mp3"), false, AlbumDocument::RootTarget);
        f.album.AddMediaFile(m_media.copy("v2only.mp3"), false, AlbumDocument::RootTarget);
        f.album.setFilePath(path);
        f.album.setModified(true);
    }

    // An editor that copied its album and then did not end cleanly.
    void leaveCopyBehind(const QString &original)
    {
        CommandFixture crashed;
        makeAlbum(crashed, original);
        AutoSave autosave(crashed.album, folder());
        autosave.saveNow();
    }

    // The next start: a new empty album, and the recovery offered.
    static void answerRecovery(CommandFixture &f, AutoSave &autosave, UserPrompts::Answer answer)
    {
        f.newAlbum(0);
        f.prompts.answers.append(answer);
        autosave.offerRecovery(f.context, f.files);
    }

    QStringList filesLeft() const { return QDir(folder()).entryList(QDir::Files | QDir::Hidden); }

private Q_SLOTS:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
        qputenv("XDG_STATE_HOME", m_state.path().toUtf8());
        QCOMPARE(AutoSave::defaultFolder(), folder());
    }

    void cleanup() { QDir(folder()).removeRecursively(); }

    // The copy holds the bytes a save would write and says where the album
    // came from; an album without changes is not copied.
    void aModifiedAlbumIsCopiedWhole()
    {
        CommandFixture f;
        makeAlbum(f, u"/albums/Road trip.mum"_s);
        AutoSave autosave(f.album, folder());
        autosave.saveNow();
        autosave.wait();
        QByteArray saved;
        QVERIFY(!AlbumFiles::savedForm(f.album, saved));
        const auto copy = AutoSave::leftBehind(folder());
        QVERIFY(copy);
        QCOMPARE(readFile(copy->file), saved);
        QVERIFY(copy->file.endsWith(u".mum"_s));
        QCOMPARE(copy->original, u"/albums/Road trip.mum"_s);
        QCOMPARE(copy->type, AlbumType::Music);
        // The album names the user's files: the user's alone.
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup
            | QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(folder()) & others, QFile::Permissions());
        QVERIFY(QFileInfo(folder()).isWritable());
        for (const QString &file : filesLeft())
            QCOMPARE(QFile::permissions(folder() + u'/' + file) & others, QFile::Permissions());
        // A link planted as the copy is replaced, never written through.
        const QString victim = m_state.filePath(u"victim.txt"_s);
        writeFile(victim, "not the editor's");
        QVERIFY(QFile::remove(copy->file));
        QVERIFY(QFile::link(victim, copy->file));
        autosave.saveNow();
        autosave.wait();
        QCOMPARE(readFile(victim), QByteArray("not the editor's"));
        QVERIFY(!QFileInfo(copy->file).isSymLink());
        QCOMPARE(readFile(copy->file), saved);

        autosave.discard();
        f.album.setModified(false);
        autosave.saveNow();
        autosave.wait();
        QVERIFY(filesLeft().isEmpty());
    }

    // Saving (the album turns unmodified) removes the copy; a copy taken
    // just before a discard is never written after it.
    void savingOrDiscardingRemovesTheCopy()
    {
        CommandFixture f;
        makeAlbum(f, u"/albums/a.mum"_s);
        AutoSave autosave(f.album, folder());
        autosave.start(3600);
        autosave.saveNow();
        autosave.wait();
        QCOMPARE(filesLeft().size(), 2);
        f.album.setModified(false);
        QVERIFY(filesLeft().isEmpty());

        f.album.setModified(true);
        for (int i = 0; i < 20; ++i) {
            autosave.saveNow();
            autosave.discard();
        }
        autosave.wait();
        QVERIFY(filesLeft().isEmpty());
    }

    // After a crash (the copy stays behind): Yes opens it as the album it
    // was, modified, its path and type restored and the copy's own path
    // kept out of the recent albums; No deletes it and leaves the editor as
    // it was.
    void aCopyLeftBehindIsOfferedBack()
    {
        const QString original = m_config.filePath(u"Road trip.mum"_s);
        leaveCopyBehind(original);
        CommandFixture f;
        AutoSave autosave(f.album, folder());
        answerRecovery(f, autosave, UserPrompts::Answer::Yes);
        QCOMPARE(f.prompts.texts().value(0),
            u"The album "_s + original
                + u" was not saved when the editor last ended. Recover it?"_s);
        QCOMPARE(f.album.objectCount(), 2);
        QCOMPARE(f.album.albumType(), AlbumType::Music);
        QCOMPARE(f.album.filePath(), original);
        QVERIFY(f.album.modified());
        QVERIFY(!RecentAlbums::list().contains(AutoSave::leftBehind(folder())->file));
        // The recovered work stays recoverable until it is saved.
        autosave.wait();
        QVERIFY(AutoSave::leftBehind(folder()));

        CommandFixture other;
        AutoSave declined(other.album, folder());
        answerRecovery(other, declined, UserPrompts::Answer::No);
        QCOMPARE(other.album.objectCount(), 0);
        QVERIFY(filesLeft().isEmpty());

        // Nothing left behind: nothing is asked.
        declined.offerRecovery(other.context, other.files);
        QCOMPARE(other.prompts.texts().size(), 1);
    }

    // An album never saved comes back nameless. A copy whose info is
    // missing or odd is offered as the type its extension says, never
    // deleted unasked; an info file without a copy offers nothing.
    void namelessAlbumsAndBrokenCopies()
    {
        leaveCopyBehind(QString());
        {
            CommandFixture f;
            AutoSave autosave(f.album, folder());
            answerRecovery(f, autosave, UserPrompts::Answer::Yes);
            QVERIFY(f.prompts.texts().value(0).startsWith(u"The album NoName was not saved"_s));
            QVERIFY(f.album.filePath().isEmpty());
            QCOMPARE(f.album.objectCount(), 2);
            autosave.discard();
        }
        QVERIFY(filesLeft().isEmpty());

        writeFile(folder() + u"/album.ini"_s, "[Recovery]\nType=7\n");
        QVERIFY(!AutoSave::leftBehind(folder()));
        // The older naming with an odd type, and a copy without its info.
        leaveCopyBehind(u"/albums/Kept.mum"_s);
        const QString copy = AutoSave::leftBehind(folder())->file;
        QVERIFY(QFile::rename(copy, folder() + u"/album.mum"_s));
        const auto odd = AutoSave::leftBehind(folder());
        QVERIFY(odd);
        QCOMPARE(odd->file, folder() + u"/album.mum"_s);
        QCOMPARE(odd->type, AlbumType::Music);
        QVERIFY(odd->original.isEmpty());
        CommandFixture f;
        AutoSave next(f.album, folder());
        answerRecovery(f, next, UserPrompts::Answer::Yes);
        QCOMPARE(f.album.objectCount(), 2);
        QCOMPARE(f.album.albumType(), AlbumType::Music);
    }

    // Two editors of one user (two sessions sharing a home): the copy of
    // one that still runs is neither offered to the other nor removed by
    // it; once that editor is gone, it is offered.
    void anotherRunningEditorsCopyIsLeftAlone()
    {
        QProcess running;
        running.start(u"sleep"_s, {u"30"_s});
        QVERIFY(running.waitForStarted());
        const QString theirs = folder() + u"/album-"_s + ProcessIdentity::hostName() + u'-'
            + QString::number(running.processId()) + u"-1700000000000.pvm"_s;
        writeFile(theirs, "their unsaved work");
        writeFile(folder() + u"/album-other.host-42-1700000000000.pvm"_s, "a second host's");
        CommandFixture f;
        makeAlbum(f, u"/albums/Mine.mum"_s);
        {
            AutoSave mine(f.album, folder());
            QVERIFY(!AutoSave::leftBehind(folder()));
            mine.offerRecovery(f.context, f.files);
            QVERIFY(f.prompts.texts().isEmpty());
            mine.saveNow();
            mine.wait();
            QCOMPARE(filesLeft().size(), 4);
            mine.discard();
        }
        QCOMPARE(readFile(theirs), QByteArray("their unsaved work"));
        QCOMPARE(filesLeft().size(), 2);
        running.kill();
        QVERIFY(running.waitForFinished());
        const auto orphaned = AutoSave::leftBehind(folder());
        QVERIFY(orphaned);
        QCOMPARE(orphaned->file, theirs);
    }
};

QTEST_GUILESS_MAIN(TestAutoSave)
#include "tst_AutoSave.moc"
