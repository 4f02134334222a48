// The command line when the window is first shown, and the question before
// it closes.

#include "CommandFixture.h"
#include "LifecycleCommands.h"

#include <QDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {
struct Lifecycle : CommandFixture
{
    LifecycleCommands lifecycle{context, files, editing};
};
} // namespace

class TestLifecycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensWhatALaterStartWasGiven()
    {
        Lifecycle made;
        made.newAlbum(2);
        made.add(&EditingCommands::ImageMenuClick, {made.media.copy("color.jpg")});
        const QString playlist = made.media.path(u"show.ppl"_s);
        QVERIFY(!AlbumFiles::save(made.album, playlist));

        Lifecycle f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("grey.jpg")});
        // While another album is read, nothing is taken.
        f.album.setOpening(true);
        f.lifecycle.openFromAnotherStart({playlist});
        QCOMPARE(f.album.albumType(), AlbumType::Image);
        f.album.setOpening(false);

        f.prompts.answers = {UserPrompts::Answer::No};
        f.lifecycle.openFromAnotherStart({playlist});
        QCOMPARE(
            f.prompts.texts(), QStringList{u"There is data in the album. Do you want to save?"_s});
        QCOMPARE(f.album.albumType(), AlbumType::Ppl);
        QCOMPARE(f.album.filePath(), playlist);
        QCOMPARE(f.album.objectCount(), 1);
        QVERIFY(f.state.commands().deviceCommands);

        // Media files are added as if dropped: what the album takes.
        f.lifecycle.openFromAnotherStart(
            {f.media.copy("color.jpg", u"b.jpg"_s), f.media.copy("mono8.wav")});
        QCOMPARE(f.album.objectCount(), 2);
        QCOMPARE(f.album.object(1).mainFile, f.media.path(u"b.jpg"_s));
    }

    void opensAnAlbumNamedOnTheCommandLine()
    {
        Lifecycle made;
        made.newAlbum(0);
        made.add(&EditingCommands::ImageMenuClick, {made.media.copy("color.jpg")});
        const QString album = made.media.path(u"trip.PVM"_s);
        QVERIFY(!AlbumFiles::save(made.album, album));

        Lifecycle f;
        f.album.setAlbumType(AlbumType::Music);
        f.lifecycle.openCommandLine({album});
        QCOMPARE(f.prompts.typeDialogs, 0);
        QCOMPARE(f.album.albumType(), AlbumType::Image);
        QCOMPARE(f.album.objectCount(), 1);
        QCOMPARE(f.state.caption(), u"Harlowe Lumavine - trip.PVM"_s);
        QCOMPARE(f.state.typeLabel(), u"Image Album"_s);

        // A missing album: no album at all, and nothing is asked.
        Lifecycle g;
        g.lifecycle.openCommandLine({g.media.path(u"gone.ppl"_s)});
        QVERIFY(!g.album.outline().hasRoot());
        QCOMPARE(g.prompts.typeDialogs, 0);
        // Cancel in the type dialog after such a start keeps the editor.
        g.editing.NewAlnummenuClick();
        QCOMPARE(g.prompts.typeDialogs, 1);
        QVERIFY(!g.state.quitRequested);
        // Open then gives the album its type's commands (add was off).
        QVERIFY(!g.state.commands().addImage);
        g.prompts.openAnswers = {{album}};
        g.files.OpenAlbummenuClick();
        QCOMPARE(g.album.objectCount(), 1);
        QVERIFY(g.state.commands().addImage && g.state.commands().addMovie);
        QCOMPARE(g.state.typeLabel(), u"Image Album"_s);

        // ".pvm" in a folder name is enough to be read as an image album.
        Lifecycle h;
        QDir().mkpath(h.media.path(u"x.pvm.old"_s));
        const QString photo = h.media.path(u"x.pvm.old/photo.jpg"_s);
        QFile::copy(testMedia("color.jpg"), photo);
        h.album.setAlbumType(AlbumType::Ppl);
        h.lifecycle.openCommandLine({photo});
        QCOMPARE(h.album.albumType(), AlbumType::Image);
        QCOMPARE(h.album.filePath(), photo);
        QVERIFY(h.prompts.texts().first().startsWith(u"The album file can not be read."_s));
    }

    void addsMediaNamedOnTheCommandLine()
    {
        Lifecycle f;
        f.prompts.typeAnswers = {0};
        const QStringList files = {f.media.copy("color.jpg", u"a.jpg"_s), f.media.copy("mono8.wav"),
            f.media.copy("grey.jpg", u"b.jpg"_s)};
        f.lifecycle.openCommandLine(files);
        QCOMPARE(f.prompts.typeDialogs, 1);
        QCOMPARE(f.album.objectCount(), 2);
        QCOMPARE(f.album.outline().entry(1).text, u"2:b.jpg"_s);

        Lifecycle g;
        g.prompts.typeAnswers = {2};
        g.lifecycle.openCommandLine({g.media.copy("mono8.wav"), g.media.copy("clip.avi"),
            g.media.copy("color.jpg", u"c.JPG"_s)});
        QCOMPARE(g.album.objectCount(), 1);

        // Cancel in the first type dialog ends the editor.
        Lifecycle h;
        h.lifecycle.openCommandLine({});
        QVERIFY(h.state.quitRequested);
    }

    void asksBeforeClosing()
    {
        Lifecycle f;
        QVERIFY(f.lifecycle.FormCloseQuery()); // no album
        f.newAlbum(0);
        QVERIFY(f.lifecycle.FormCloseQuery()); // no objects
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.album.setModified(false);

        f.album.setOpening(true);
        QVERIFY(!f.lifecycle.FormCloseQuery());
        QCOMPARE(f.prompts.texts().last(), u"Opening album. Terminate when we open the album"_s);
        f.album.setOpening(false);

        // Asked even when nothing changed.
        f.prompts.clear();
        f.prompts.answers = {UserPrompts::Answer::Cancel};
        QVERIFY(!f.lifecycle.FormCloseQuery());
        QCOMPARE(f.prompts.shown[0].text, u"There is data in the album. Do you want to save?"_s);
        QCOMPARE(f.prompts.shown[0].buttons, UserPrompts::Buttons::YesNoCancel);
        QCOMPARE(f.prompts.shown[0].icon, UserPrompts::Icon::Question);
        f.prompts.answers = {UserPrompts::Answer::No};
        QVERIFY(f.lifecycle.FormCloseQuery());
        // Yes closes only when the save wrote the file.
        f.prompts.answers = {UserPrompts::Answer::Yes};
        QVERIFY(!f.lifecycle.FormCloseQuery());
        f.prompts.answers = {UserPrompts::Answer::Yes};
        f.prompts.saveAnswers = {f.media.path(u"kept.pvm"_s)};
        QVERIFY(f.lifecycle.FormCloseQuery());
        QVERIFY(QFile::exists(f.media.path(u"kept.pvm"_s)));
    }
};

QTEST_GUILESS_MAIN(TestLifecycle)
#include "tst_Lifecycle.moc"
