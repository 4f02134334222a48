// Save, Save As and Open headless: dialogs, name checks, overwrite questions,
// failures that must change nothing, and the property pages.

#include "CommandFixture.h"
#include "ExportCommands.h"
#include "SlideCommands.h"
#include "VideoExportCommands.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

using namespace Qt::Literals::StringLiterals;

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class TestFileCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void savesANewAlbumThenSavesAgainWithoutAsking()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.files.SaveAlbummenuClick();
        QCOMPARE(f.prompts.shown.last().text, u"No file to save."_s);
        QCOMPARE(f.prompts.shown.last().icon, UserPrompts::Icon::Error);
        f.files.SaveAsAlbummenuClick();
        QCOMPARE(f.prompts.shown.last().icon, UserPrompts::Icon::None);

        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.prompts.saveAnswers = {f.media.path(u"trip"_s)};
        f.files.SaveAlbummenuClick();
        QCOMPARE(f.prompts.saveSuggestions, QStringList{u"NoName"_s});
        QCOMPARE(f.album.filePath(), f.media.path(u"trip.pvm"_s));
        QCOMPARE(f.state.caption(), u"Harlowe Lumavine - trip.pvm"_s);
        QVERIFY(f.state.saveCompleted);
        QVERIFY(!f.album.modified());
        QVERIFY(contents(f.media.path(u"trip.pvm"_s)).contains("mpv:StillRef"));

        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("grey.jpg")});
        f.prompts.clear();
        f.files.SaveAlbummenuClick();
        QCOMPARE(f.prompts.saveSuggestions.size(), 0);
        QCOMPARE(contents(f.media.path(u"trip.pvm"_s)).count("mpv:StillRef"), 2);
        // Save As always shows the dialog.
        f.prompts.saveAnswers = {f.media.path(u"copy.pvm"_s)};
        f.files.SaveAsAlbummenuClick();
        QCOMPARE(f.prompts.saveSuggestions, QStringList{u"trip.pvm"_s});
        QCOMPARE(f.album.fileName(), u"copy.pvm"_s);
    }

    void commandsThatTakeTheWholeAlbumWaitForTheOpening()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        ExportCommands exporting(f.context, f.files);
        SlideCommands slides(f.context);
        VideoExportCommands video(f.context);
        // Still being read: what is there is not the whole album.
        f.album.setOpening(true);
        f.prompts.clear();
        f.prompts.saveAnswers
            = {f.media.path(u"a.pvm"_s), f.media.path(u"b.pvm"_s), f.media.path(u"c.mp4"_s)};
        f.files.SaveAlbummenuClick();
        f.files.SaveAsAlbummenuClick();
        exporting.mnuExport_HDDClick();
        QVERIFY(!exporting.exportToDisk(f.media.path(u"out/d.pvm"_s)));
        QVERIFY(!exporting.exportToPlayer(f.media.path(u"player/"_s), u"KV-30"_s, u"e"_s));
        QVERIFY(!slides.firstslideClick());
        QVERIFY(!slides.CurrentMenuClick());
        video.mnuExport_VideoClick();
        QCOMPARE(f.prompts.texts(),
            QStringList(8, u"Opening album. Terminate when we open the album"_s));
        QCOMPARE(f.prompts.saveAnswers.size(), 3);
        QVERIFY(QDir(f.media.path({})).entryList({u"*.pvm"_s}).isEmpty());
        QVERIFY(!QFileInfo::exists(f.media.path(u"out"_s)));
        QVERIFY(!QFileInfo::exists(f.media.path(u"player"_s)));
        // Once read, they run.
        f.album.setOpening(false);
        f.prompts.clear();
        f.files.SaveAlbummenuClick();
        QVERIFY(QFileInfo::exists(f.media.path(u"a.pvm"_s)));
    }

    void checksNamesAndAsksBeforeOverwriting()
    {
        CommandFixture f;
        f.newAlbum(2);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        const QString existing = f.media.copy("color.jpg", u"old.ppl"_s);
        const QByteArray before = contents(existing);
        f.prompts.saveAnswers = {f.media.path(u"bad:name.ppl"_s), existing};
        f.prompts.answers
            = {UserPrompts::Answer::Ok, UserPrompts::Answer::Yes, UserPrompts::Answer::No};
        f.files.SaveAlbummenuClick();
        QCOMPARE(f.prompts.texts(),
            QStringList({u" The next character can not use to the file name.\r\r\\ / : * ? < > |"_s,
                u"Same file name exists. Do you want to save?"_s,
                u"The album file exists.\r\n\r\n"_s + existing + u"\r\n\r\nOverwrite it?"_s}));
        QCOMPARE(f.prompts.shown[0].icon, UserPrompts::Icon::Error);
        QCOMPARE(f.prompts.shown[1].buttons, UserPrompts::Buttons::YesNo);
        QCOMPARE(contents(existing), before);
        QCOMPARE(f.album.fileName(), u"NoName"_s);
        QVERIFY(!f.state.saveCompleted);

        // No to the dialog's question keeps it open for another name.
        f.prompts.clear();
        f.prompts.saveAnswers = {existing, f.media.path(u"new.ppl"_s)};
        f.prompts.answers = {UserPrompts::Answer::No};
        f.files.SaveAlbummenuClick();
        QCOMPARE(f.album.fileName(), u"new.ppl"_s);
        QVERIFY(contents(f.media.path(u"new.ppl"_s)).startsWith("<PRESENTATION>"));

        // Each refused character on its own, "|" as much as ":".
        for (const QChar c : u"<>*?\\|:"_s) {
            QVERIFY2(!f.files.checkSaveName(f.media.path(u"a"_s + c + u"b.ppl"_s)),
                qPrintable(QString(c)));
        }
        QVERIFY(f.files.checkSaveName(f.media.path(u"a;b.ppl"_s)));
    }

    void aFailedWriteChangesNothing()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.prompts.saveAnswers = {u"/no/such/folder/a.pvm"_s};
        f.files.SaveAlbummenuClick();
        QVERIFY(f.prompts.shown.last().text.startsWith(
            u"The album file can not be written.\r\n\r\n/no/such/folder/a.pvm\r\n\r\n"_s));
        QCOMPARE(f.album.fileName(), u"NoName"_s);
        QCOMPARE(f.album.filePath(), QString());
        QCOMPARE(f.state.caption(), u"Harlowe Lumavine - NoName"_s);
        QVERIFY(f.album.modified());
        QVERIFY(!f.state.saveCompleted);
    }

    void opensAlbums()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.prompts.saveAnswers = {f.media.path(u"trip.pvm"_s)};
        f.files.SaveAlbummenuClick();

        // From a music album, a chosen .pvm opens as an image album with
        // the image album's commands, pages and label.
        f.properties.Image5Click(2);
        f.prompts.saveAnswers = {f.media.path(u"wipe.pvm"_s)};
        f.files.SaveAsAlbummenuClick();
        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3")});
        AlbumProperties p = f.album.properties();
        p.title = u"Old"_s;
        f.album.setProperties(p);
        QList<bool> busy;
        f.state.hooks.busyCursor = [&](bool on) { busy.append(on); };
        f.prompts.clear();
        f.prompts.answers = {UserPrompts::Answer::No};
        f.prompts.openAnswers = {{f.media.path(u"trip.pvm"_s)}};
        f.files.OpenAlbummenuClick();
        QCOMPARE(
            f.prompts.texts(), QStringList{u"There is data in the album. Do you want to save?"_s});
        QCOMPARE(f.prompts.openRequests.first().filter,
            u"Album File(*.mum)|*.mum|All albums (*.pvm *.mum *.ppl)|*.pvm;*.mum;*.ppl|"_s);
        QCOMPARE(f.album.albumType(), AlbumType::Image);
        QVERIFY(f.state.commands().addImage && !f.state.commands().addMusic);
        QCOMPARE(f.state.typeLabel(), u"Image Album"_s);
        QCOMPARE(f.state.pages(), ApplyAlbumTypePages(AlbumType::Image));
        QCOMPARE(f.album.objectCount(), 1);
        QCOMPARE(f.album.object(0).kind, ObjectKind::Still);
        QCOMPARE(f.album.properties().title, QString());
        QCOMPARE(f.state.caption(), u"Harlowe Lumavine - trip.pvm"_s);
        QVERIFY(!f.album.modified());
        QVERIFY(!f.album.opening());
        QCOMPARE(busy, QList<bool>({true, false}));
        QCOMPARE(f.state.transitionChoice(), 0);
        f.prompts.openAnswers = {{f.media.path(u"wipe.pvm"_s)}};
        f.files.OpenAlbummenuClick();
        QCOMPARE(f.album.properties().albumTransition, u"VERTICALWIPE"_s);
        QCOMPARE(f.state.transitionChoice(), 2);

        // Unmodified: no question. A file gone since: its message.
        f.prompts.clear();
        f.prompts.openAnswers = {{f.media.path(u"gone.mum"_s)}};
        f.files.OpenAlbummenuClick();
        QCOMPARE(f.prompts.texts(), QStringList{u"The file is not exist."_s});
        QCOMPARE(f.prompts.shown[0].icon, UserPrompts::Icon::Error);
        QVERIFY(!f.album.opening());
    }

    void anIncompleteAlbumAsksBeforeItsFileLosesEntries()
    {
        CommandFixture f;
        f.newAlbum(0);
        const QString kept = f.media.copy("color.jpg", u"kept.jpg"_s);
        const QString moved = f.media.copy("grey.jpg", u"moved.jpg"_s);
        f.add(&EditingCommands::ImageMenuClick, {kept, moved});
        const QString trip = f.media.path(u"trip.pvm"_s);
        f.prompts.saveAnswers = {trip};
        f.files.SaveAlbummenuClick();
        const QByteArray whole = contents(trip);
        QVERIFY(QFile::remove(moved));

        f.prompts.clear();
        f.prompts.openAnswers = {{trip}};
        f.files.OpenAlbummenuClick();
        QCOMPARE(f.album.objectCount(), 1);
        QCOMPARE(f.prompts.texts(),
            QStringList{
                u"1 entry of this album could not be found and was left out:\r\n\r\n"_s + moved});
        QCOMPARE(f.prompts.shown[0].caption, u"Confirm"_s);
        QCOMPARE(f.prompts.shown[0].icon, UserPrompts::Icon::Warning);

        // No keeps the file as it was; the save did not complete.
        f.prompts.clear();
        f.state.saveCompleted = false;
        f.prompts.answers = {UserPrompts::Answer::No};
        f.files.SaveAlbummenuClick();
        QCOMPARE(f.prompts.texts(),
            QStringList{u"1 entry of this album was not found when it was opened.\r\nSave the "
                        "album without them? Its file then no longer lists them."_s});
        QCOMPARE(f.prompts.shown[0].buttons, UserPrompts::Buttons::YesNo);
        QCOMPARE(contents(trip), whole);
        QVERIFY(!f.state.saveCompleted);

        // Another file loses nothing, so Save As does not ask, and the
        // album then stands for that file.
        f.prompts.clear();
        const QString copy = f.media.path(u"copy.pvm"_s);
        f.prompts.saveAnswers = {copy};
        f.files.SaveAsAlbummenuClick();
        QCOMPARE(f.prompts.texts(), QStringList());
        QVERIFY(QFile::exists(copy));
        QCOMPARE(contents(trip), whole);

        f.prompts.openAnswers = {{trip}};
        f.files.OpenAlbummenuClick();
        f.prompts.clear();
        f.prompts.answers = {UserPrompts::Answer::Yes};
        f.files.SaveAlbummenuClick();
        QCOMPARE(f.prompts.texts().size(), 1);
        QVERIFY(contents(trip) != whole);
        QVERIFY(f.state.saveCompleted);
        f.prompts.clear();
        f.files.SaveAlbummenuClick();
        QCOMPARE(f.prompts.texts(), QStringList());
    }

    void writesTheOutlineDumpWhereItSays()
    {
        CommandFixture f;
        QTemporaryDir home;
        qputenv("HOME", home.path().toUtf8());
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        // Unsaved: the documents folder, never the current directory.
        const QString documents
            = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        QVERIFY(documents.startsWith(home.path()));
        f.files.dumpOutline();
        const QString unsaved = documents + u"/NoName-Altreeview.txt"_s;
        QVERIFY(contents(unsaved).startsWith("New album"));
        QCOMPARE(f.prompts.texts().last(), u"The album outline was written to\r\n\r\n"_s + unsaved);
        QVERIFY(!QFile::exists(u"-Altreeview.txt"_s));

        f.prompts.saveAnswers = {f.media.path(u"trip.pvm"_s)};
        f.files.SaveAlbummenuClick();
        f.files.dumpOutline();
        QVERIFY(QFile::exists(f.media.path(u"trip.pvm-Altreeview.txt"_s)));

        // A folder where the dump should go: the reason is named.
        QVERIFY(QFile::remove(f.media.path(u"trip.pvm-Altreeview.txt"_s)));
        QVERIFY(QDir().mkpath(f.media.path(u"trip.pvm-Altreeview.txt"_s)));
        f.files.dumpOutline();
        QVERIFY(f.prompts.texts().last().startsWith(
            u"The album outline could not be written to\r\n\r\n"_s
            + f.media.path(u"trip.pvm-Altreeview.txt"_s) + u"\r\n\r\n"_s));
        QCOMPARE(f.prompts.shown.last().icon, UserPrompts::Icon::Error);
    }

    void aModifiedPlayerAlbumIsExportedBeforeOpening()
    {
        CommandFixture f;
        f.newAlbum(2);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.album.setOpenedFromPlayer(true);
        int exports = 0;
        f.state.hooks.exportToDevice = [&] { ++exports; };
        f.prompts.answers = {UserPrompts::Answer::Yes};
        f.prompts.openAnswers = {{f.media.path(u"none.ppl"_s)}};
        f.files.OpenAlbummenuClick();
        QCOMPARE(exports, 1);
        QVERIFY(!f.album.openedFromPlayer());
        QVERIFY(f.state.saveCommandsEnabled());
    }

    void aMalformedFileLeavesAnEmptyAlbum()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.album.setModified(false);
        f.prompts.clear();
        f.prompts.openAnswers = {{f.media.copy("corrupt.jpg", u"broken.pvm"_s)}};
        f.files.OpenAlbummenuClick();
        QCOMPARE(f.prompts.shown.size(), 1);
        QVERIFY(f.prompts.shown[0].text.startsWith(u"The album file can not be read."_s));
        QCOMPARE(f.album.objectCount(), 0);
        QVERIFY(!f.album.opening());
    }

    void editsBackgroundAndTransition()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick,
            {f.media.copy("color.jpg", u"a.jpg"_s), f.media.copy("color.jpg", u"b.jpg"_s),
                f.media.copy("color.jpg", u"c.jpg"_s)});
        f.album.setModified(false);
        f.properties.Image5Click(1);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(f.album.object(i).transition, u"HORIZONTALWIPE"_s);
            QCOMPARE(f.album.outline().entry(i).children[2].text, u"HORIZONTALWIPE"_s);
        }
        QVERIFY(f.album.modified());
        QCOMPARE(f.state.transitionChoice(), 1);

        f.prompts.openAnswers = {{f.media.copy("tagged.mp3"), f.media.copy("stereo16.wav")}};
        f.properties.mnuAddBGMusic_PCClick();
        const auto &music = f.album.properties().backgroundMusic;
        QCOMPARE(music.size(), size_t(2));
        QCOMPARE(music[0].durationText, u"00:00:03"_s);
        QCOMPARE(music[1].source, u"PC"_s);
        QCOMPARE(f.album.properties().backgroundMusicSeconds, 5);
        QCOMPARE(f.album.totalBackgroundMusicText(), u"Total BG Music : 00:00:05"_s);
        f.properties.btnDeleteBGMusicClick(0);
        QCOMPARE(f.album.properties().backgroundMusicSeconds, 2);
        QCOMPARE(f.album.properties().backgroundMusic.size(), size_t(1));
        f.properties.btnDeleteBGMusicClick(0);
        // Whole seconds are cut per track, never rounded: 61.9 + 120.2 is
        // 61 + 120 = 181 (182 if rounded, either per track or in sum).
        f.prompts.openAnswers = {{f.media.copy("long61.wav"), f.media.copy("long120.wav")}};
        f.properties.mnuAddBGMusic_PCClick();
        QCOMPARE(music[0].durationText, u"00:01:01"_s);
        QCOMPARE(music[1].durationText, u"00:02:00"_s);
        QCOMPARE(f.album.properties().backgroundMusicSeconds, 181);
        QCOMPARE(f.album.totalBackgroundMusicText(), u"Total BG Music : 00:03:01"_s);
        f.properties.btnDeleteBGMusicClick(0);
        QCOMPARE(f.album.properties().backgroundMusicSeconds, 120);
        // A FIFO is refused at once rather than waited on.
        const QByteArray fifo = QFile::encodeName(f.media.path(u"pipe.mp3"_s));
        QCOMPARE(::mkfifo(fifo.constData(), 0600), 0);
        f.prompts.openAnswers = {{QFile::decodeName(fifo)}};
        f.properties.mnuAddBGMusic_PCClick();
        QCOMPARE(f.prompts.shown.last().text,
            u"This file name can not add.\r\n\r\n"_s + QFile::decodeName(fifo));
        QCOMPARE(f.album.properties().backgroundMusic.size(), size_t(1));

        f.prompts.openAnswers = {{u"/proc/sys/vm/compact_memory"_s}};
        f.properties.BtnAddBGImageClick();
        QCOMPARE(f.prompts.shown.last().text,
            u"This file name can not add.\r\n\r\n/proc/sys/vm/compact_memory"_s);
        QCOMPARE(f.prompts.shown.last().caption, u"Append error"_s);
        f.prompts.openAnswers = {{f.media.path(u"a.jpg"_s)}};
        f.properties.BtnAddBGImageClick();
        QCOMPARE(f.album.properties().backgroundImage, f.media.path(u"a.jpg"_s));
        f.properties.BtnDeleteBGImageClick();
        QCOMPARE(f.album.properties().backgroundImage, QString());

        f.newAlbum(2);
        const QString wav = f.media.copy("mono8.wav");
        f.prompts.openAnswers = {{wav}};
        f.properties.mnuAddBGMusic_PCClick();
        QCOMPARE(
            f.prompts.texts(), QStringList{u"The file of this type can not add\r\n\r\n"_s + wav});
        QCOMPARE(f.prompts.openRequests.last().filter, u"Audio File(*.mp3;*.wma)|*.mp3;*.wma|"_s);
        QCOMPARE(f.state.pages().activePage, PageLayout::BackgroundMusicPage);
    }
};

QTEST_GUILESS_MAIN(TestFileCommands)
#include "tst_FileCommands.moc"
