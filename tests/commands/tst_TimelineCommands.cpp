// What drags and clicks on the strip and the timeline do to the album: the
// order, the durations, the member selection, and the refusals while playing
// or opening.

#include "CommandFixture.h"
#include "MediaClass.h"
#include "TimeScale.h"
#include "TimelineCommands.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

namespace {

QStringList names(const AlbumDocument &album)
{
    QStringList n;
    for (int i = 0; i < album.objectCount(); ++i)
        n.append(fileNameOf(album.object(i).mainFile));
    return n;
}

} // namespace

class TestTimelineCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void dropsReorderTheAlbum()
    {
        CommandFixture f;
        TimelineCommands t(f.context);
        QList<int> selected;
        f.state.hooks.selectObject
            = [&](int index, int mode) { selected.append(index * 10 + mode); };
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick,
            {f.media.copy("color.jpg", u"a.jpg"_s), f.media.copy("grey.jpg", u"b.jpg"_s),
                f.media.copy("color.jpg", u"c.jpg"_s)});
        f.album.setModified(false);
        selected.clear();

        // A drop past the last cell moves to the end and selects it.
        t.PanelMoveControl1Moved(0, 7);
        QCOMPARE(names(f.album), QStringList({u"b.jpg"_s, u"c.jpg"_s, u"a.jpg"_s}));
        QCOMPARE(AlbumOutline::field(f.album.outline().entry(2), 0), u"3"_s);
        QCOMPARE(f.album.currentObject(), 2);
        QCOMPARE(selected, QList<int>{22});
        QVERIFY(f.album.modified());

        // Onto its own cell: selected again, nothing moves.
        f.album.setModified(false);
        t.PanelMoveControl1Moved(1, 1);
        QCOMPARE(names(f.album), QStringList({u"b.jpg"_s, u"c.jpg"_s, u"a.jpg"_s}));
        QVERIFY(!f.album.modified());
        QCOMPARE(selected.last(), 12);

        // The last row dropped before the first becomes object 1.
        t.SizeControl1Moved(2, 0);
        QCOMPARE(names(f.album), QStringList({u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
        QCOMPARE(f.album.currentObject(), 0);

        f.state.playing = true;
        t.PanelMoveControl1Moved(0, 2);
        t.SizeControl1Moved(0, 2);
        f.state.playing = false;
        f.album.setOpening(true);
        t.PanelMoveControl1Moved(0, 2);
        f.album.setOpening(false);
        QCOMPARE(names(f.album), QStringList({u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
    }

    void resizesChangeDurations()
    {
        CommandFixture f;
        TimelineCommands t(f.context);
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.prompts.openAnswers = {{f.media.copy("stereo16.wav")}};
        f.album.setCurrentObject(0);
        f.editing.AddAudioClick();
        f.album.setModified(false);

        // 177 px at the 1-second scale is 4 s (3.54 rounded).
        t.resizeObject(0, 177, TimeScale(0));
        QCOMPARE(f.album.object(0).durationSeconds, u"4"_s);
        QCOMPARE(f.album.object(0).durationCaption, u"00:00:04"_s);
        QCOMPARE(AlbumOutline::field(f.album.outline().entry(0), 1), u"00:00:04"_s);
        QCOMPARE(f.album.totalTimeText(), u"Total Time: 00:00:04"_s);
        QVERIFY(f.album.modified());
        // 5 px at the 10-second scale is 1 s.
        t.PsResize(0, 5, TimeScale(1));
        QCOMPARE(f.album.object(0).durationSeconds, u"1"_s);

        f.state.playing = true;
        t.resizeObject(0, 500, TimeScale(0));
        QCOMPARE(f.album.object(0).durationSeconds, u"1"_s);
    }

    void membersResizeAndSelect()
    {
        CommandFixture f;
        TimelineCommands t(f.context);
        QList<int> modes;
        f.state.hooks.selectObject = [&](int, int mode) { modes.append(mode); };
        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3")});
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3", u"second.mp3"_s)});
        f.album.setCurrentObject(0);
        f.prompts.openAnswers
            = {{f.media.copy("color.jpg", u"p1.jpg"_s), f.media.copy("grey.jpg", u"p2.jpg"_s)}};
        f.editing.MovieAddMenuClick();
        f.album.setModified(false);

        t.resizeMember(0, 1, 151, TimeScale(0)); // 3.02 s
        QCOMPARE(f.album.object(0).memberDurations, QStringList({u"5"_s, u"3"_s}));
        const auto *members = AlbumOutline::members(f.album.outline().entry(0));
        QVERIFY(members);
        QCOMPARE(AlbumOutline::field(members->at(1), 1), u"00:00:03"_s);
        QVERIFY(f.album.modified());
        t.resizeMember(0, 2, 151, TimeScale(0)); // no such member
        t.resizeMember(0, 0, 999, TimeScale(0));
        QCOMPARE(f.album.object(0).memberDurations, QStringList({u"20"_s, u"3"_s}));

        // A member of another object selects that object; of the selected
        // one, shows the member.
        f.album.setCurrentObject(1);
        modes.clear();
        t.SubTimePanelClick(0, 1);
        QCOMPARE(f.album.object(0).imageCaption, u"p2.jpg"_s);
        QCOMPARE(f.album.object(0).currentMember, 1);
        QCOMPARE(f.album.currentMemberIndex(), 1);
        QCOMPARE(f.album.object(0).thumbnail.size(), QSize(128, 100));
        f.album.setCurrentObject(0);
        t.SubTimePanelClick(0, 0);
        QCOMPARE(modes, QList<int>({2, 3}));
        QCOMPARE(f.album.object(0).imageCaption, u"p1.jpg"_s);
    }
};

QTEST_GUILESS_MAIN(TestTimelineCommands)
#include "tst_TimelineCommands.moc"
