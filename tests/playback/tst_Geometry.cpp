// The geometry of the thumbnail strip and the timeline: scales, the grid,
// drop targets, the ruler, the drag arithmetic, what a timeline point hits
// and where the preview puts a picture.

#include "AlbumDocument.h"
#include "PreviewPicture.h"
#include "Ruler.h"
#include "ScriptedPrompts.h"
#include "ThumbnailGrid.h"
#include "TimeScale.h"
#include "TimelineEdits.h"
#include "TimelineLayout.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void scalesTurnTimeIntoPixels()
    {
        QCOMPARE(TimeScale(0).SecondsToPixels(u"7"_s), 350);
        QCOMPARE(TimeScale(4).SecondsToPixels(u"7"_s), 6); // round(5.833)
        QCOMPARE(TimeScale(8).SecondsToPixels(u"7"_s), 1); // never 0
        QCOMPARE(TimeScale(8).SecondsToPixels(u"0"_s), 1);
        QCOMPARE(TimeScale(1).SecondsToPixels(u"25"_s), 125);
        QCOMPARE(TimeScale(2).SecondsToPixels(u"5"_s), 12); // 12.5 to even
        QCOMPARE(TimeScale(0).PixelsToSeconds(102), 2); // 2.04
        QCOMPARE(TimeScale(0).PixelsToSeconds(125), 2); // 2.5 to even
        QCOMPARE(TimeScale(1).PixelsToSeconds(125), 25);
        QCOMPARE(TimeScale(3).PixelsToSeconds(5), 3); // 5 / 1.666 = 3
        QCOMPARE(TimeScale(0).progressPixels(0.5), 25.0);
        QCOMPARE(TimeScale(0).snapProgress(37.4), 25.0);
        QCOMPARE(TimeScale(0).snapProgress(37.6), 50.0);
        QCOMPARE(TimeScale(1).snapProgress(6.3), 8.0); // round(round(2.52) x 2.5) = round(7.5)
        QCOMPARE(TimeScale(5).snapProgress(6.3), 6.3);
        QCOMPARE(TimeScale(9).index(), 0);
        QCOMPARE(TimeScale::itemTexts().last(), u"1 hour"_s);
    }

    void placesThumbnails()
    {
        const ThumbnailGrid grid(75);
        QCOMPARE(grid.cellWidth(), 96);
        QCOMPARE(grid.cellHeight(), 75);
        QCOMPARE(grid.columns(727), 7);
        QCOMPARE(grid.cell(0, 7, 0).left(), 4);
        QCOMPARE(grid.cell(1, 7, 0).left(), 103);
        QCOMPARE(grid.cell(2, 7, 0).left(), 203);
        QCOMPARE(grid.cell(3, 7, 0).left(), 303);
        QCOMPARE(grid.cell(7, 7, 0).topLeft(), QPoint(4, 79));
        QCOMPARE(grid.cell(7, 7, 30).top(), 49);
        const ThumbnailGrid full(100);
        QCOMPARE(full.cell(0, 1, 0), QRect(4, 4, 128, 100));
        // A new panel is placed with the columns of the full strip width.
        QCOMPARE(full.creationColumns(400), 3);
        QCOMPARE(full.columns(400), 2);
        QCOMPARE(full.columns(60), 1);
        QCOMPARE(ThumbnailGrid(10).percent(), 70);
    }

    void findsDropCells()
    {
        const ThumbnailGrid grid(100);
        QCOMPARE(grid.DropCellIndex(0, 0, 600, 0), 0);
        QCOMPARE(grid.DropCellIndex(140, 4, 600, 0), 1); // 1.05 + 0.5
        QCOMPARE(grid.DropCellIndex(60, 4, 600, 0), 0); // 0.45 + 0.5
        QCOMPARE(grid.DropCellIndex(70, 4, 600, 0), 1); // 0.53 + 0.5
        QCOMPARE(grid.DropCellIndex(4, 104, 600, 0), 4); // row 1 of 4 columns
        QCOMPARE(grid.DropCellIndex(4, 4, 600, 100), 4); // scrolled a row down
        QCOMPARE(grid.DropCellIndex(-50, -50, 600, 0), 0);

        // Less than a cell each way puts the panel back.
        QCOMPARE(grid.dropTarget({4, 4}, {130, 100}, 600, 0), std::nullopt);
        QCOMPARE(grid.dropTarget({4, 4}, {-120, -90}, 600, 0), std::nullopt);
        QCOMPARE(grid.dropTarget({4, 4}, {270, 4}, 600, 0), 2);
        QCOMPARE(grid.dropTarget({270, 4}, {4, 104}, 600, 0), 4);
    }

    void drawsTheRuler()
    {
        QCOMPARE(Ruler::place(0).left, 0);
        QCOMPARE(Ruler::place(0).origin, 0);
        QCOMPARE(Ruler::place(30).left, 20 - 50);
        QCOMPARE(Ruler::place(30).origin, -20);
        QCOMPARE(Ruler::place(80).left, -30);
        QCOMPARE(Ruler::place(80).origin, 30);
        QCOMPARE(Ruler::place(120).left, -20);
        QCOMPARE(Ruler::place(120).origin, 120);

        const auto tenSeconds = Ruler::marks(201, 25, 0, TimeScale(1));
        QStringList labels;
        for (const Ruler::Mark &m : tenSeconds) {
            if (!m.label.isEmpty())
                labels.append(QString::number(m.x) + u'=' + m.label);
        }
        QCOMPARE(labels,
            QStringList({u"50=0:0:10"_s, u"100=0:0:20"_s, u"150=0:0:30"_s, u"200=0:0:40"_s}));
        QCOMPARE(tenSeconds[0].x, 5);
        QCOMPARE(tenSeconds[0].length, 2); // round(2.5) to even
        QCOMPARE(tenSeconds[4].length, 5); // x = 25
        QCOMPARE(tenSeconds[9].length, 10); // x = 50
        const auto hours = Ruler::marks(151, 25, 0, TimeScale(8));
        QCOMPARE(hours[9].label, u"1:0:0"_s);
        QCOMPARE(hours[19].label, u"2:0:0"_s);
        QCOMPARE(Ruler::label(3725), u"1:2:5"_s);
    }

    void resizesAndMovesTimelineBlocks()
    {
        using namespace TimelineEdits;
        QVERIFY(inResizeZone(96, 100));
        QVERIFY(!inResizeZone(95, 100));
        QCOMPARE(rowWidthAfterResize(98), 102);
        QCOMPARE(rowWidthAfterResize(0), 5);
        QCOMPARE(rowWidthAfterResize(-40), 5);
        QCOMPARE(memberWidthAfterResize(96, 0, 300, 100), 100);
        QCOMPARE(memberWidthAfterResize(500, 0, 300, 100), 200);
        QCOMPARE(memberWidthAfterResize(500, 250, 300, 0), 50);
        QCOMPARE(memberWidthAfterResize(-3, 0, 300, 0), 5);

        // The last row dropped before the first becomes the first.
        QCOMPARE(rowDropTarget({0, 100, 200, -10}, 3), 0);
        QCOMPARE(rowDropTarget({0, 100, 200, 150}, 3), 2);
        QCOMPARE(rowDropTarget({0, 100, 200, 100}, 3), 2); // after an equal edge
        QCOMPARE(rowDropTarget({0, 100, 200}, 1), 1);
        QVERIFY(rowDropMoves(301, 100, 200, 0, false));
        QVERIFY(rowDropMoves(-1, 100, 200, 0, false));
        QVERIFY(!rowDropMoves(150, 100, 200, 0, false));
        QVERIFY(!rowDropMoves(-1, 0, 200, 0, true));
    }

    void hitsRowsBlocksAndMembers()
    {
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        const auto add = [&album](ObjectKind kind, const char *seconds, QStringList members) {
            AlbumObject o;
            o.kind = kind;
            o.durationSeconds = QString::fromLatin1(seconds);
            o.durationValue = o.durationSeconds.toDouble();
            o.memberFiles = members;
            for (qsizetype k = 0; k < members.size(); ++k)
                o.memberDurations.append(u"2"_s);
            album.appendObject(o, OutlineNode{u"x"_s, {}});
        };
        add(ObjectKind::Still, "2", {});
        add(ObjectKind::StillWithAudio, "3", {u"a.mp3"_s});
        add(ObjectKind::AudioWithStill, "5", {u"1.jpg"_s, u"2.jpg"_s, u"3.jpg"_s});
        TimelineLayout layout;
        QVERIFY(layout.measure(album).empty());
        QCOMPARE(layout.rowRect(2), QRect(250, 25, 250, 50));
        QCOMPARE(layout.width(), 500);

        using Hit = TimelineLayout::Hit;
        // A photo's block never resizes; a photo with sound's does, 5 px
        // from its right edge, on either track.
        const Hit still = layout.hit({97, 30}, album);
        QCOMPARE(still.part, Hit::ImageBlock);
        QVERIFY(!still.resize);
        QCOMPARE(layout.hit({247, 60}, album).part, Hit::AudioBlock);
        QVERIFY(layout.hit({247, 60}, album).resize);
        QVERIFY(!layout.hit({245, 60}, album).resize);
        QCOMPARE(layout.hit({10, 10}, album).index, -1); // the ruler
        QCOMPARE(layout.hit({600, 30}, album).index, -1); // past the end

        // Members: 100 px each, one pixel apart, the last clipped at 250.
        const std::vector<QRect> members = layout.memberBlocks(2, album.object(2), false);
        QCOMPARE(members.size(), size_t(3));
        QCOMPARE(members[1], QRect(351, 25, 100, 19));
        QCOMPARE(members[2], QRect(452, 25, 48, 19));
        const Hit member = layout.hit({449, 30}, album);
        QCOMPARE(member.part, Hit::Member);
        QCOMPARE(member.member, 1);
        QVERIFY(member.resize);
        QCOMPARE(layout.hit({449, 60}, album).part, Hit::AudioBlock);

        // In a playlist the image track fills the row and every block resizes.
        album.setAlbumType(AlbumType::Ppl);
        QVERIFY(layout.hit({97, 60}, album).resize);
        QCOMPARE(layout.hit({97, 60}, album).part, Hit::ImageBlock);

        layout.setScale(1);
        QCOMPARE(layout.measure(album), std::vector<int>({0, 1, 2}));
        QCOMPARE(layout.rowRect(1), QRect(10, 25, 15, 50));
    }

    void fitsPicturesIntoThePreview()
    {
        using PreviewPicture::fit;
        QCOMPARE(fit({200, 100}, {400, 300}), QRect(100, 100, 200, 100)); // never enlarged
        QCOMPARE(fit({800, 600}, {400, 200}), QRect(66, 0, 267, 200)); // MulDiv rounds 266.67
        QCOMPARE(fit({1000, 100}, {400, 300}), QRect(0, 130, 400, 40));
        QCOMPARE(fit({401, 300}, {400, 300}), QRect(0, 0, 400, 299)); // 299.25
        QCOMPARE(fit({3, 3}, {4, 4}), QRect(0, 0, 3, 3)); // halves toward zero
        QCOMPARE(fit({0, 0}, {4, 4}), QRect(2, 2, 0, 0));
    }
};

QTEST_GUILESS_MAIN(TestGeometry)
#include "tst_Geometry.moc"
