// The object property dialog's working state for every kind, and what OK
// applies to the album.

#include "CommandFixture.h"
#include "ObjectDialogState.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestObjectDialog : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aPplPhotoChangesItsDuration()
    {
        CommandFixture f;
        f.newAlbum(2);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.prompts.onEditObject = [](ObjectDialogState &s) {
            [&] {
                QCOMPARE(s.caption, u"Propety - Image"_s);
                QVERIFY(s.durationEnabled);
                QVERIFY(!s.audioButtonsEnabled && !s.imageButtonsEnabled);
                QCOMPARE(s.durationBox, 5);
            }();
            s.spinDurTimeEnter();
            s.spinDurTimeChange(12);
            s.spinDurTimeExit();
            return true;
        };
        f.properties.mnuPropertyClick();
        QCOMPARE(f.album.object(0).durationSeconds, u"12"_s);
        QVERIFY(f.album.modified());
        QCOMPARE(f.album.totalTimeText(), u"Total Time: 00:00:12"_s);
    }

    void aPhotoGainsAndLosesItsSound()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        ObjectDialogState s(f.album, 0);
        QVERIFY(!s.durationEnabled);
        QVERIFY(s.audioButtonsEnabled);
        QVERIFY(!s.audioFieldsEnabled);
        const QString sound = f.media.copy("stereo16.wav");
        f.prompts.openAnswers = {{sound}};
        s.BtnAddAudioClick(f.prompts);
        QCOMPARE(f.prompts.openRequests.last().title, u"Append audio"_s);
        QCOMPARE(s.audioName, u"stereo16.wav"_s);
        s.BtnOKClick(f.album, f.state);
        const AlbumObject &o = f.album.object(0);
        QCOMPARE(o.kind, ObjectKind::StillWithAudio);
        QCOMPARE(o.durationSeconds, u"2"_s);
        QCOMPARE(o.memberFiles, QStringList{sound});
        QCOMPARE(o.audioCaption, u"stereo16.wav"_s);
        const OutlineNode &entry = f.album.outline().entry(0);
        QCOMPARE(entry.children[3].text, u"Image-Audio:"_s);
        const OutlineNode &member = entry.children[4].children.back();
        QCOMPARE(member.text, u"stereo16.wav"_s);
        QCOMPARE(member.children[0].text, u"0"_s);
        QCOMPARE(member.children[2].text, u"AlphaBlend"_s);
        QCOMPARE(member.children[3].text, u"Audio:"_s);

        ObjectDialogState again(f.album, 0);
        QCOMPARE(again.caption, u"Propety - Image + Audio"_s);
        QCOMPARE(again.audioPath, sound);
        again.BtnDeleteAudioClick();
        again.BtnOKClick(f.album, f.state);
        QCOMPARE(f.album.object(0).kind, ObjectKind::Still);
        QCOMPARE(f.album.object(0).durationSeconds, u"5"_s);
        QVERIFY(f.album.object(0).memberFiles.isEmpty());
        QCOMPARE(f.album.outline().entry(0).children[3].text, u"Image:"_s);
        QVERIFY(f.album.outline().entry(0).children[4].children.empty());
    }

    void editsThePhotosOfAMusicObject()
    {
        CommandFixture f;
        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3")});
        const QStringList photos = {f.media.copy("color.jpg", u"a.jpg"_s),
            f.media.copy("grey.jpg", u"b.jpg"_s), f.media.copy("color.jpg", u"c.jpg"_s)};
        f.album.setCurrentObject(0);
        f.prompts.openAnswers = {photos};
        f.editing.MovieAddMenuClick();
        const QString duration = f.album.object(0).durationSeconds;

        ObjectDialogState s(f.album, 0);
        QCOMPARE(s.caption, u"Propety - Audio + Image"_s);
        QCOMPARE(s.names, QStringList({u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
        QVERIFY(!s.audioButtonsEnabled);
        QCOMPARE(s.audioName, u"tagged.mp3"_s);
        // Down on the last entry and Up on the first change nothing.
        s.LBImageClick({2});
        s.BtnMoveDownClick();
        s.LBImageClick({0});
        s.BtnMoveUPClick();
        QCOMPARE(s.names, QStringList({u"a.jpg"_s, u"b.jpg"_s, u"c.jpg"_s}));
        QCOMPARE(s.selected, QList<int>{0});
        s.LBImageClick({1});
        QCOMPARE(s.pathField, photos[1]);
        QCOMPARE(s.previewFile, photos[1]);
        s.BtnMoveUPClick();
        QCOMPARE(s.selected, QList<int>{0});
        s.spinDurTimeEnter();
        s.spinDurTimeChange(9);
        s.spinDurTimeExit();
        s.BtnOKClick(f.album, f.state);
        const AlbumObject &o = f.album.object(0);
        QCOMPARE(o.memberFiles, QStringList({photos[1], photos[0], photos[2]}));
        QCOMPARE(o.memberDurations, QStringList({u"9"_s, u"5"_s, u"5"_s}));
        QCOMPARE(o.memberThumbnails, o.memberFiles);
        QCOMPARE(o.memberSizesKB.size(), 3);
        QCOMPARE(o.durationSeconds, duration);
        const OutlineNode &entry = f.album.outline().entry(0);
        QCOMPARE(entry.children[4].text, o.mainFile);
        QCOMPARE(entry.children[4].children[0].text, u"1b.jpg"_s);
        QCOMPARE(entry.children[4].children[0].children[1].text, u"9"_s);
        // The label carries the object's media information, empty for
        // objects made in the editor.
        QCOMPARE(entry.children[4].children[0].children[3].text, u"Image:"_s);
    }

    void keepsAtLeastOnePhoto()
    {
        CommandFixture f;
        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3")});
        f.album.setCurrentObject(0);
        f.prompts.openAnswers = {{f.media.copy("color.jpg", u"a.jpg"_s),
            f.media.copy("grey.jpg", u"b.jpg"_s), f.media.copy("color.jpg", u"c.jpg"_s)}};
        f.editing.MovieAddMenuClick();
        f.prompts.clear();

        ObjectDialogState two(f.album, 0);
        two.LBImageClick({0, 2});
        QVERIFY(!two.upDownEnabled);
        two.BtnDeleteImageClick(f.prompts);
        QCOMPARE(two.names, QStringList{u"b.jpg"_s});
        QCOMPARE(f.prompts.shown.size(), 0);

        ObjectDialogState all(f.album, 0);
        all.LBImageClick({0, 1, 2});
        all.BtnDeleteImageClick(f.prompts);
        QCOMPARE(all.names, QStringList{u"a.jpg"_s});
        QCOMPARE(f.prompts.texts(), QStringList{u"At least there must be one image."_s});
        QCOMPARE(f.prompts.shown[0].caption, u"Confirm"_s);
        all.BtnDeleteImageClick(f.prompts);
        QCOMPARE(f.prompts.shown.size(), 2);
        QCOMPARE(all.names.size(), 1);
    }

    void sequencesSumTheirDurations()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.album.ClearAlbum(u"Album"_s);
        AlbumObject seq;
        seq.kind = ObjectKind::StillPanoramaSequence;
        seq.mainFile = f.media.copy("color.jpg", u"s1.jpg"_s);
        seq.memberFiles = QStringList{seq.mainFile, f.media.copy("grey.jpg", u"s2.jpg"_s)};
        seq.memberDurations = QStringList{u"2"_s, u"2.5"_s};
        seq.memberThumbnails = QStringList{QString(), QString()};
        seq.memberSizesKB = QStringList{u"21"_s, u"5"_s};
        OutlineNode entry{u"1:파노라마"_s, {}};
        for (const char16_t *field : {u"1", u"00:00:04", u"ALPHABLEND", u"Panorama:2", u"/"})
            entry.add(QString::fromUtf16(field));
        f.album.appendObject(seq, entry);
        ObjectDialogState s(f.album, 0);
        QCOMPARE(s.caption, u"Propety - Panorama"_s);
        QCOMPARE(s.durationBox, 2);
        f.prompts.openAnswers = {{f.media.copy("color.jpg", u"s3.jpg"_s)}};
        s.BtnAddImageClick(f.prompts);
        QCOMPARE(f.prompts.openRequests.last().title, u"Append image"_s);
        QCOMPARE(f.prompts.openRequests.last().filter, u"*.jpg|*.jpg"_s);
        s.BtnOKClick(f.album, f.state);
        const AlbumObject &o = f.album.object(0);
        QCOMPARE(o.memberDurations, QStringList({u"2"_s, u"2.5"_s, u"5"_s}));
        QCOMPARE(o.durationSeconds, u"9"_s);
        // Untouched photos keep their thumbnails and sizes.
        QCOMPARE(o.memberThumbnails, QStringList({QString(), QString(), o.memberFiles[2]}));
        QCOMPARE(o.memberSizesKB.mid(0, 2), QStringList({u"21"_s, u"5"_s}));
    }

    void cancelChangesNothing()
    {
        CommandFixture f;
        f.newAlbum(2);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.album.setModified(false);
        f.prompts.onEditObject = [](ObjectDialogState &s) {
            s.spinDurTimeEnter();
            s.spinDurTimeChange(30);
            s.spinDurTimeExit();
            return false;
        };
        f.properties.mnuPropertyClick();
        QCOMPARE(f.album.object(0).durationSeconds, u"5"_s);
        QVERIFY(!f.album.modified());
    }
};

QTEST_GUILESS_MAIN(TestObjectDialog)
#include "tst_ObjectDialog.moc"
