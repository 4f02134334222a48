// Undo and redo through the commands as the window calls them: every
// editing command comes back to the exact album it started from (outline,
// saved bytes, records) and goes forward to the exact album it made; the
// modified flag follows the saved point; steps never apply to an album they
// were not recorded on.

#include "CommandFixture.h"
#include "ObjectDialogState.h"
#include "TimeScale.h"
#include "TimelineCommands.h"
#include "UndoHistory.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

struct History
{
    CommandFixture f;
    UndoHistory history{f.album, f.state};
    TimelineCommands timeline{f.context};

    // An image album: two photos, a music object with two photos, a song
    // as background music, a background picture, saved.
    explicit History(bool save = true)
    {
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick,
            {f.media.copy("color.jpg", u"a.jpg"_s), f.media.copy("grey.jpg", u"b.jpg"_s),
                f.media.copy("tagged.mp3")});
        f.album.setCurrentObject(2);
        f.prompts.openAnswers.append(
            {f.media.copy("color.jpg", u"c.jpg"_s), f.media.copy("grey.jpg", u"d.jpg"_s)});
        f.editing.MovieAddMenuClick();
        f.properties.addBackgroundMusicFiles({f.media.copy("stereo16.wav")});
        f.prompts.openAnswers.append({f.media.copy("grey.jpg", u"back.jpg"_s)});
        f.properties.BtnAddBGImageClick();
        f.album.setCurrentObject(0);
        if (save) {
            f.prompts.saveAnswers.append(f.media.path(u"album.pvm"_s));
            f.files.SaveAsAlbummenuClick();
        }
        f.prompts.clear();
    }
};

// Everything an undo must bring back, as the user and the files see it.
QString look(const AlbumDocument &album)
{
    QByteArray saved;
    if (album.objectCount() > 0)
        AlbumFiles::savedForm(album, saved);
    QString records;
    for (int i = 0; i < album.objectCount(); ++i) {
        const AlbumObject &o = album.object(i);
        records += o.mainFile + u'|' + o.durationSeconds + u'|' + o.durationCaption + u'|'
            + o.transition + u'|' + o.memberFiles.join(u',') + u'|' + o.memberDurations.join(u',')
            + u'|' + QString::number(int(o.kind)) + QString::number(o.repeatMembers) + u'\n';
    }
    const AlbumProperties &p = album.properties();
    return album.outlineDumpText() + QString::fromUtf8(saved) + records + p.title
        + p.backgroundImage + QString::number(p.backgroundMusic.size())
        + QString::number(p.backgroundMusicSeconds) + p.albumTransition + album.totalTimeText()
        + album.totalBackgroundMusicText();
}

} // namespace

class TestUndoHistory : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyEditUndoesAndRedoesExactly_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<std::function<void(History &)>>("edit");
        const auto row
            = [](const char *tag, const QString &name, std::function<void(History &)> edit) {
                  QTest::newRow(tag) << name << edit;
              };
        row("add image", u"Add Image"_s, [](History &h) {
            h.f.add(&EditingCommands::ImageMenuClick, {h.f.media.copy("grey.jpg", u"e.jpg"_s)});
        });
        row("add music", u"Add Music"_s, [](History &h) {
            h.f.add(&EditingCommands::audiomenuClick, {h.f.media.copy("mono8.wav")});
        });
        row("add album link", u"Add Album"_s, [](History &h) {
            h.f.add(&EditingCommands::albumAddClick, {h.f.media.path(u"other.pvm"_s)});
        });
        row("append audio", u"Append Audio"_s, [](History &h) {
            h.f.album.setCurrentObject(1);
            h.f.prompts.openAnswers.append({h.f.media.copy("mono8.wav")});
            h.f.editing.AddAudioClick();
        });
        row("append images", u"Append Image"_s, [](History &h) {
            h.f.album.setCurrentObject(2);
            h.f.prompts.openAnswers.append(
                {h.f.media.copy("color.jpg", u"h.jpg"_s), h.f.media.copy("grey.jpg", u"i.jpg"_s)});
            h.f.editing.MovieAddMenuClick();
        });
        row("delete", u"Delete"_s, [](History &h) {
            h.f.album.setCurrentObject(1);
            h.f.prompts.answers.append(UserPrompts::Answer::Yes);
            h.f.editing.DelMenuClick();
        });
        row("delete all", u"Delete All"_s, [](History &h) {
            h.f.prompts.answers.append(UserPrompts::Answer::Yes);
            h.f.editing.mnuDeleteListAllClick();
        });
        row("drop", u"Drop"_s, [](History &h) {
            h.f.editing.dropFiles(
                {h.f.media.copy("color.jpg", u"f.jpg"_s), h.f.media.copy("mono8.wav")});
        });
        row("move on the strip", u"Move"_s,
            [](History &h) { h.timeline.PanelMoveControl1Moved(0, 2); });
        row("move on the timeline", u"Move"_s,
            [](History &h) { h.timeline.SizeControl1Moved(2, 0); });
        row("resize", u"Resize"_s, [](History &h) {
            TimeScale scale;
            h.timeline.resizeObject(1, 400, scale);
        });
        row("resize a member", u"Resize"_s, [](History &h) {
            TimeScale scale;
            h.timeline.resizeMember(2, 1, 300, scale);
        });
        row("width to duration", u"Resize"_s, [](History &h) {
            TimeScale scale;
            h.timeline.PsResize(0, 500, scale);
        });
        row("delete background image", u"Delete Background Image"_s,
            [](History &h) { h.f.properties.BtnDeleteBGImageClick(); });
        row("background image", u"Background Image"_s, [](History &h) {
            h.f.prompts.openAnswers.append({h.f.media.copy("color.jpg", u"bg.jpg"_s)});
            h.f.properties.BtnAddBGImageClick();
        });
        row("background music", u"Background Music"_s, [](History &h) {
            h.f.properties.addBackgroundMusicFiles({h.f.media.copy("tagged.mp3")});
        });
        row("delete background music", u"Delete Background Music"_s,
            [](History &h) { h.f.properties.btnDeleteBGMusicClick(0); });
        row("transition", u"Transition"_s, [](History &h) { h.f.properties.Image5Click(2); });
        row("object dialog", u"Properties"_s, [](History &h) {
            h.f.album.setCurrentObject(2);
            h.f.prompts.onEditObject = [&h](ObjectDialogState &s) {
                s.addImages({h.f.media.copy("color.jpg", u"g.jpg"_s)});
                s.LBImageClick({2});
                s.BtnMoveUPClick();
                return true;
            };
            h.f.properties.mnuPropertyClick();
        });
        row("repeat", u"Repeat"_s, [](History &h) {
            h.f.album.setCurrentObject(2);
            h.f.properties.RepeatCheckClick(true);
        });
    }

    void everyEditUndoesAndRedoesExactly()
    {
        QFETCH(QString, name);
        QFETCH(std::function<void(History &)>, edit);
        History h;
        const QString before = look(h.f.album);
        const int steps = h.history.count();
        edit(h);
        const QString after = look(h.f.album);
        QVERIFY2(after != before, "the edit changed nothing");
        QVERIFY(h.f.album.modified());
        QCOMPARE(h.history.count(), steps + 1);
        QCOMPARE(h.history.undoCaption(), u"Undo "_s + name);

        h.history.undo();
        QCOMPARE(look(h.f.album), before);
        QVERIFY(!h.f.album.modified());
        QCOMPARE(h.history.redoCaption(), u"Redo "_s + name);
        h.history.redo();
        QCOMPARE(look(h.f.album), after);
        QVERIFY(h.f.album.modified());
        h.history.undo();
        QCOMPARE(look(h.f.album), before);

        // The album undone to is a working album: saving writes what was
        // saved before the edit.
        QByteArray saved;
        QVERIFY(!AlbumFiles::savedForm(h.f.album, saved));
        QFile file(h.f.media.path(u"album.pvm"_s));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(saved, file.readAll());
    }

    void stepsStackUpAndTheSavedPointIsUnmodified()
    {
        History h;
        const QString saved = look(h.f.album);
        const int steps = h.history.count();
        h.timeline.PanelMoveControl1Moved(0, 1);
        const QString moved = look(h.f.album);
        h.f.prompts.answers.append(UserPrompts::Answer::Yes);
        h.f.editing.DelMenuClick();
        QCOMPARE(h.history.count(), steps + 2);
        QCOMPARE(h.history.undoCaption(), u"Undo Delete"_s);

        h.history.undo();
        QCOMPARE(look(h.f.album), moved);
        QVERIFY(h.f.album.modified());
        // Saving here makes this the unmodified point.
        h.f.files.SaveAlbummenuClick();
        QVERIFY(!h.f.album.modified());
        h.history.undo();
        QCOMPARE(look(h.f.album), saved);
        QVERIFY(h.f.album.modified());
        h.history.redo();
        QVERIFY(!h.f.album.modified());
        QCOMPARE(look(h.f.album), moved);

        // A new edit drops what could be redone.
        h.f.properties.Image5Click(1);
        QVERIFY(!h.history.canRedo());
        QCOMPARE(h.history.redoCaption(), u"Redo"_s);
    }

    void newAndOpenForgetTheSteps()
    {
        History h;
        h.f.properties.Image5Click(1);
        h.f.files.SaveAlbummenuClick();
        h.f.properties.Image5Click(2);
        QVERIFY(h.history.canUndo());
        h.f.prompts.openAnswers.append({h.f.media.path(u"album.pvm"_s)});
        h.f.prompts.answers.append(UserPrompts::Answer::No); // no save first
        h.f.files.OpenAlbummenuClick();
        QCOMPARE(h.f.album.objectCount(), 3);
        QVERIFY(!h.history.canUndo());
        QCOMPARE(h.history.count(), 0);
        QVERIFY(!h.f.album.modified());

        // The first step after opening undoes to the unmodified album.
        h.f.properties.Image5Click(0);
        h.history.undo();
        QVERIFY(!h.f.album.modified());

        h.f.properties.Image5Click(0);
        h.f.prompts.answers.append(UserPrompts::Answer::No);
        h.f.newAlbum(0);
        QCOMPARE(h.f.album.objectCount(), 0);
        QCOMPARE(h.history.count(), 0);
    }

    void aRecoveredAlbumStaysModifiedThroughUndo()
    {
        History h;
        // Modified by something no step holds, as recovery and relinking do.
        h.f.album.setModified(true);
        h.f.properties.Image5Click(1);
        h.history.undo();
        QVERIFY(h.f.album.modified());
    }

    void typingInOneFieldIsOneStep()
    {
        History h;
        const QString before = h.f.album.properties().title;
        const int steps = h.history.count();
        const auto type = [&h](const QString &title, UndoHistory::MergeKey key) {
            const UndoHistory::Step step(h.f.state, u"Title"_s, key);
            AlbumProperties p = h.f.album.properties();
            p.title = title;
            h.f.album.setProperties(p);
        };
        for (const QString &t : {u"T"_s, u"Tr"_s, u"Tri"_s})
            type(t, UndoHistory::TitleTyping);
        QCOMPARE(h.history.count(), steps + 1);
        h.timeline.PanelMoveControl1Moved(0, 1);
        type(u"Trip"_s, UndoHistory::TitleTyping);
        QCOMPARE(h.history.count(), steps + 3);
        h.history.undo();
        QCOMPARE(h.f.album.properties().title, u"Tri"_s);
        h.history.undo();
        h.history.undo();
        QCOMPARE(h.f.album.properties().title, before);
        QVERIFY(!h.f.album.modified());
    }

    // Adding many files and cancelling keeps what was added so far as one
    // step, which one undo takes back whole.
    void aCancelledAddIsOneStep()
    {
        History h;
        const QString before = look(h.f.album);
        const int steps = h.history.count();
        QStringList files;
        for (int i = 0; i < 60; ++i)
            files << h.f.media.copy("large.jpg", u"many%1.jpg"_s.arg(i));
        h.f.state.hooks.workProgress
            = [](const QString &, qsizetype done, qsizetype, qint64) { return done >= 2; };
        h.f.add(&EditingCommands::ImageMenuClick, files);
        const int added = h.f.album.objectCount() - 3;
        QVERIFY2(added >= 2 && added < 60, qPrintable(QString::number(added)));
        QCOMPARE(h.history.count(), steps + 1);
        h.history.undo();
        QCOMPARE(look(h.f.album), before);
    }

    void refusedWhilePlayingOrInsideAStep()
    {
        History h;
        h.f.properties.Image5Click(1);
        const QString edited = look(h.f.album);
        h.f.state.playing = true;
        QVERIFY(!h.history.canUndo());
        h.history.undo();
        QCOMPARE(look(h.f.album), edited);
        h.f.state.playing = false;
        {
            const UndoHistory::Step step(h.f.state, u"Add"_s);
            QVERIFY(!h.history.canUndo());
            h.history.undo();
            QCOMPARE(look(h.f.album), edited);
        }
        QVERIFY(h.history.canUndo());
    }

    void aChangeNobodyRecordedForgetsInsteadOfUndoingTheWrongObject()
    {
        History h;
        h.f.album.setCurrentObject(0);
        h.f.prompts.answers.append(UserPrompts::Answer::Yes);
        h.f.editing.DelMenuClick(); // b.jpg is object 0 now
        AlbumObject o = h.f.album.object(0);
        o.durationSeconds = u"9"_s;
        h.f.album.updateObject(0, o); // outside any step
        const QString changed = look(h.f.album);
        h.history.undo();
        QCOMPARE(look(h.f.album), changed);
        QCOMPARE(h.history.count(), 0);
        QVERIFY(h.f.album.modified());

        // Choosing a member photo is no edit: the history stays.
        h.f.properties.Image5Click(1);
        h.timeline.SubTimePanelClick(1, 1);
        QVERIFY(h.history.canUndo());
        h.history.undo();
        QCOMPARE(h.f.album.object(0).transition, u"ALPHABLEND"_s);
    }
};

QTEST_MAIN(TestUndoHistory)
#include "tst_UndoHistory.moc"
