// The editing commands headless: the album type dialog and its tables, the
// add, append and delete commands, their refusals and exact texts.

#include "CommandFixture.h"
#include "MenuRules.h"
#include "StandardPictures.h"

#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestEditingCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theFirstTypeDialogEndsTheEditorOnCancel()
    {
        CommandFixture f;
        f.editing.NewAlnummenuClick();
        QVERIFY(f.state.quitRequested);
        QVERIFY(f.state.typeDialogShown);
        QVERIFY(!f.album.outline().hasRoot());

        CommandFixture g;
        g.prompts.typeAnswers = {0};
        g.editing.NewAlnummenuClick();
        QVERIFY(!g.state.quitRequested);
        QCOMPARE(g.album.albumType(), AlbumType::Image);
        QCOMPARE(g.album.fileName(), u"NoName"_s);
        QCOMPARE(g.state.caption(), u"Harlowe Lumavine - NoName"_s);
        QCOMPARE(g.state.typeLabel(), u"Image Album"_s);
        QCOMPARE(g.album.outline().root().text, u"New album"_s);
        QVERIFY(!g.album.modified());
        // A later Cancel keeps the album and the editor.
        g.editing.NewAlnummenuClick();
        QVERIFY(!g.state.quitRequested);
        QCOMPARE(g.album.albumType(), AlbumType::Image);
    }

    void albumTypesSetCommandsPagesAndMasks()
    {
        CommandFixture f;
        f.newAlbum(0);
        CommandAvailability image = f.state.commands();
        QVERIFY(image.addMovie && image.addImage && !image.addMusic && image.addBackgroundMusic
            && image.addAlbum && image.exportToHardDisk && !image.deviceCommands);
        QCOMPARE(f.state.pages().activePage, PageLayout::AlbumPage);
        QVERIFY(f.state.pages().albumPage && !f.state.pages().backgroundImagePage
            && f.state.pages().backgroundMusicPage);
        QCOMPARE(f.state.pages().rowLabel, u"Image\r\n/\r\nAudio"_s);
        QCOMPARE(f.state.browserMask(), u"*.JPG;*.AVI;*.MPG;*.MPEG;*.MOV;*.ASF;*.WMV;*.DAT"_s);

        f.newAlbum(1);
        const CommandAvailability music = f.state.commands();
        QVERIFY(music.addMovie && !music.addImage && music.addMusic && !music.addBackgroundMusic
            && music.addAlbum && music.exportToHardDisk && !music.deviceCommands);
        QVERIFY(f.state.pages().backgroundImagePage && !f.state.pages().backgroundMusicPage);
        QCOMPARE(f.state.typeLabel(), u"Audio Album"_s);
        QCOMPARE(f.state.browserMask(), u"*.WAV;*.WMA;*.MP3;*.AVI;*.MPG;*.MOV;*.ASF;*.WMV;*.DAT"_s);

        f.newAlbum(2);
        const CommandAvailability ppl = f.state.commands();
        QVERIFY(!ppl.addMovie && ppl.addImage && !ppl.addMusic && ppl.addBackgroundMusic
            && !ppl.addAlbum && !ppl.exportToHardDisk && ppl.deviceCommands);
        QVERIFY(ppl.addMusicButton && ppl.deleteObjects);
        QCOMPARE(f.state.pages().activePage, PageLayout::BackgroundMusicPage);
        QVERIFY(!f.state.pages().albumPage && !f.state.pages().audioLaneLabel);
        QCOMPARE(f.state.pages().rowLabel, u"Image"_s);
        QVERIFY(f.album.pplMode());

        // After the save question a music album's mask also lists MPEG.
        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("mono8.wav")});
        f.prompts.answers = {UserPrompts::Answer::No};
        f.prompts.typeAnswers = {1};
        f.editing.NewAlnummenuClick();
        QCOMPARE(
            f.prompts.texts(), QStringList{u"There is data in the album. Do you want to save?"_s});
        QCOMPARE(f.state.browserMask(),
            u"*.WAV;*.WMA;*.MP3;*.AVI;*.MPG;*.MPEG;*.MOV;*.ASF;*.WMV;*.DAT"_s);
    }

    void newAlbumAsksToSaveFirst()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        QVERIFY(f.album.modified());
        // No, then Cancel: the old album stays.
        f.prompts.answers = {UserPrompts::Answer::No};
        f.editing.NewAlnummenuClick();
        QVERIFY(!f.state.quitRequested);
        QCOMPARE(f.album.objectCount(), 1);
        // Yes saves first: the save dialog proposes NoName.
        f.prompts.clear();
        f.prompts.answers = {UserPrompts::Answer::Yes};
        f.prompts.saveAnswers = {f.media.path(u"first.pvm"_s)};
        f.prompts.typeAnswers = {0};
        f.editing.NewAlnummenuClick();
        QCOMPARE(f.prompts.saveSuggestions, QStringList{u"NoName"_s});
        QVERIFY(QFile::exists(f.media.path(u"first.pvm"_s)));
        QCOMPARE(f.album.objectCount(), 0);
        QCOMPARE(f.album.fileName(), u"NoName"_s);
    }

    void addsPhotosInDialogOrderAndSelectsTheFirst()
    {
        CommandFixture f;
        f.newAlbum(0);
        QList<int> selected;
        QList<bool> busy;
        f.state.hooks.selectObject = [&](int index, int) { selected.append(index); };
        f.state.hooks.busyCursor = [&](bool on) { busy.append(on); };
        QStringList photos;
        for (int i = 5; i >= 1; --i)
            photos.append(f.media.copy("color.jpg", QString::number(i) + u".jpg"_s));
        f.add(&EditingCommands::ImageMenuClick, photos);
        QCOMPARE(f.album.objectCount(), 5);
        QCOMPARE(f.album.outline().entry(0).text, u"1:5.jpg"_s);
        QCOMPARE(f.album.outline().entry(4).text, u"5:1.jpg"_s);
        QCOMPARE(selected, QList<int>{0});
        QCOMPARE(busy, QList<bool>({true, false}));
        QCOMPARE(f.prompts.openRequests.first().filter, u"Image File(*.jpg)|*.jpg|"_s);
        QVERIFY(f.prompts.openRequests.first().multiple);
    }

    void commandsWaitWhilePlaying()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.state.playing = true;
        f.prompts.clear();
        for (auto command : {&EditingCommands::moviemenuClick, &EditingCommands::ImageMenuClick,
                 &EditingCommands::audiomenuClick, &EditingCommands::albumAddClick,
                 &EditingCommands::AddAudioClick, &EditingCommands::MovieAddMenuClick,
                 &EditingCommands::DelMenuClick})
            (f.editing.*command)();
        QCOMPARE(f.prompts.openRequests.size(), 0);
        QCOMPARE(f.prompts.shown.size(), 0);
        // Delete all has no guard of its own.
        f.prompts.answers = {UserPrompts::Answer::Yes};
        f.editing.mnuDeleteListAllClick();
        QCOMPARE(f.album.objectCount(), 0);
    }

    void pplAlbumsRefuseWhatTheyCannotHold()
    {
        CommandFixture f;
        f.newAlbum(2);
        f.prompts.openAnswers = {{f.media.copy("color.jpg", u"x.pvm"_s)}};
        f.editing.albumAddClick();
        QCOMPARE(f.prompts.openRequests.size(), 0);
        f.editing.dropFiles({f.media.copy("mono8.wav"), f.media.copy("color.jpg", u"a.JPG"_s)});
        QCOMPARE(f.album.objectCount(), 1);
        f.add(&EditingCommands::audiomenuClick, {});
        QCOMPARE(f.prompts.openRequests.last().filter, u"Audio File(*.mp3;*.wma)|*.mp3;*.wma|"_s);
    }

    void appendsAudioAndPhotos()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::moviemenuClick, {f.media.copy("clip.avi")});
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.album.setCurrentObject(0);
        f.editing.AddAudioClick();
        QCOMPARE(f.prompts.shown.last().text, u"You can not do the append any more."_s);
        QCOMPARE(f.prompts.shown.last().caption, u"Confirm"_s);
        QCOMPARE(f.prompts.shown.last().icon, UserPrompts::Icon::None);

        f.album.setCurrentObject(1);
        const QString sound = f.media.copy("stereo16.wav");
        f.prompts.openAnswers = {{sound}};
        f.editing.AddAudioClick();
        QVERIFY(!f.prompts.openRequests.last().multiple);
        QCOMPARE(f.prompts.openRequests.last().filter,
            u"Audio File(*.wav;*.wma;*.mp3)|*.wav;*.wma;*.mp3|"_s);
        QCOMPARE(f.album.object(1).kind, ObjectKind::StillWithAudio);
        QCOMPARE(f.album.object(1).memberFiles, QStringList{sound});

        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3")});
        f.album.setCurrentObject(0);
        const QStringList photos = {f.media.copy("color.jpg", u"p1.jpg"_s),
            f.media.copy("grey.jpg", u"p2.jpg"_s), f.media.copy("color.jpg", u"p3.jpg"_s)};
        f.prompts.openAnswers = {photos};
        f.editing.MovieAddMenuClick();
        const AlbumObject &o = f.album.object(0);
        QCOMPARE(o.kind, ObjectKind::AudioWithStill);
        QCOMPARE(o.memberFiles, photos);
        QCOMPARE(o.memberDurations, QStringList({u"5"_s, u"5"_s, u"5"_s}));
        QCOMPARE(o.imageCaption, u"p1.jpg"_s);
        QCOMPARE(AlbumOutline::field(f.album.outline().entry(0), 3), u"Image-Audio:4"_s);
        QCOMPARE(f.album.outline().entry(0).children[4].children.size(), size_t(3));
        // A music object with photos takes no more.
        f.editing.AddAudioClick();
        QCOMPARE(f.prompts.shown.last().text, u"You can not do the append any more."_s);
    }

    void appendsOnlyWhereTheObjectTakesIt()
    {
        CommandFixture f;
        f.newAlbum(0);
        const QString photo = f.media.copy("color.jpg");
        f.add(&EditingCommands::ImageMenuClick, {photo});
        f.add(&EditingCommands::moviemenuClick, {f.media.copy("clip.avi")});
        // Append Image on a photo or a video: no dialog, no change, whichever
        // way the command is reached (F8 works whatever the menu showed).
        for (int index : {0, 1}) {
            f.album.setCurrentObject(index);
            const AlbumObject before = f.album.object(index);
            f.prompts.clear();
            f.prompts.openAnswers = {{photo}};
            f.editing.MovieAddMenuClick();
            QCOMPARE(f.prompts.openRequests.size(), 0);
            QCOMPARE(f.album.object(index).kind, before.kind);
            QCOMPARE(f.album.object(index).memberFiles, before.memberFiles);
        }

        // A sequence takes nothing: Append Audio shows nothing at all.
        AlbumObject sequence;
        sequence.kind = ObjectKind::StillMultiShotSequence;
        sequence.mainFile = photo;
        sequence.memberFiles = QStringList{photo, photo};
        sequence.memberDurations = QStringList{u"2"_s, u"2"_s};
        OutlineNode entry{u"3:파노라마"_s, {}};
        for (const QString &field :
            {u"3"_s, u"00:00:04"_s, u"ALPHABLEND"_s, u"Panorama:2"_s, photo})
            entry.add(field);
        f.album.appendObject(sequence, std::move(entry));
        f.album.setCurrentObject(2);
        f.prompts.clear();
        f.editing.AddAudioClick();
        f.editing.MovieAddMenuClick();
        QCOMPARE(f.prompts.shown.size(), 0);
        QCOMPARE(f.prompts.openRequests.size(), 0);
        QCOMPARE(f.album.object(2).kind, ObjectKind::StillMultiShotSequence);
        QCOMPARE(f.album.object(2).memberFiles.size(), 2);
    }

    void addsAlbumLinks()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.properties.Image5Click(1);
        const QString link = f.media.copy("color.jpg", u"trip.pvm"_s);
        f.prompts.openAnswers = {{link}};
        f.editing.albumAddClick();
        const AlbumObject &o = f.album.object(0);
        QCOMPARE(o.kind, ObjectKind::ManifestLink);
        QCOMPARE(o.transition, QString());
        QCOMPARE(o.durationSeconds, u"5"_s);
        QCOMPARE(o.thumbnail.image(), StandardPictures::albumLink());
        const OutlineNode &entry = f.album.outline().entry(0);
        QCOMPARE(entry.children[2].text, u"ALPHABLEND"_s);
        QCOMPARE(entry.children[3].text, u"Album"_s);
        QCOMPARE(f.album.accumulatedSizeKB(), 0);
        QCOMPARE(f.prompts.openRequests.last().filter, u"Album File(*.pvm)|*.pvm|"_s);
    }

    void menusFollowTheObjectAndTheAlbum()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.add(&EditingCommands::moviemenuClick, {f.media.copy("clip.avi")});
        f.album.setCurrentObject(0);
        MenuRules::ObjectMenu still = MenuRules::DRPopupPopup(f.album, f.state);
        QVERIFY(!still.appendImage && still.appendAudio && still.deleteObject && still.property);
        QCOMPARE(still.tag, 0);
        QVERIFY(MenuRules::PMAudioPopup(f.album));
        f.album.setCurrentObject(1);
        const MenuRules::ObjectMenu video = MenuRules::DRPopupPopup(f.album, f.state);
        QVERIFY(!video.appendImage && !video.appendAudio);
        QCOMPARE(video.tag, -1);
        QVERIFY(!MenuRules::PMAudioPopup(f.album));
        QVERIFY(!MenuRules::N1Click(f.album));
        const MenuRules::StripMenu strip = MenuRules::PopupMenu1Popup(f.album, f.state);
        QVERIFY(strip.addMovie && strip.addImage && !strip.addMusic && strip.addAlbum
            && strip.deleteAll);
        f.state.playing = true;
        QVERIFY(!MenuRules::DRPopupPopup(f.album, f.state).property);
        QVERIFY(!MenuRules::PopupMenu1Popup(f.album, f.state).deleteAll);
        QVERIFY(!MenuRules::N2Click(f.state));

        f.state.playing = false;
        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3")});
        f.album.setCurrentObject(0);
        const MenuRules::ObjectMenu music = MenuRules::DRPopupPopup(f.album, f.state);
        QVERIFY(music.appendImage && !music.appendAudio);
        QCOMPARE(music.tag, 2);
        f.newAlbum(2);
        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg")});
        f.album.setCurrentObject(0);
        QVERIFY(!MenuRules::DRPopupPopup(f.album, f.state).appendAudio);
        QVERIFY(MenuRules::N1Click(f.album));
        const MenuRules::StripMenu ppl = MenuRules::PopupMenu1Popup(f.album, f.state);
        QVERIFY(!ppl.addMovie && ppl.addImage && !ppl.addMusic && !ppl.addAlbum && ppl.deleteAll);
        // An empty album has nothing to delete.
        f.newAlbum(2);
        QVERIFY(!MenuRules::PopupMenu1Popup(f.album, f.state).deleteAll);
        QVERIFY(MenuRules::PopupMenu1Popup(f.album, f.state).addImage);
    }

    void deletesObjects()
    {
        CommandFixture f;
        f.newAlbum(0);
        f.add(&EditingCommands::ImageMenuClick,
            {f.media.copy("color.jpg", u"a.jpg"_s), f.media.copy("color.jpg", u"b.jpg"_s)});
        AlbumProperties p = f.album.properties();
        p.title = u"Kept"_s;
        f.album.setProperties(p);
        f.album.AddBackgroundMusic(f.media.copy("tagged.mp3"));
        f.album.setCurrentObject(1);
        f.prompts.answers = {UserPrompts::Answer::No};
        f.editing.DelMenuClick();
        QCOMPARE(f.prompts.texts(), QStringList{u"Do you want to delete object?"_s});
        QCOMPARE(f.album.objectCount(), 2);
        f.prompts.answers = {UserPrompts::Answer::Yes};
        f.editing.DelMenuClick();
        QCOMPARE(f.album.objectCount(), 1);
        QCOMPARE(f.album.currentObject(), 0);

        f.add(&EditingCommands::ImageMenuClick, {f.media.copy("color.jpg", u"c.jpg"_s)});
        f.prompts.clear();
        f.prompts.answers = {UserPrompts::Answer::No, UserPrompts::Answer::Yes};
        f.editing.mnuDeleteListAllClick();
        QCOMPARE(f.album.objectCount(), 2);
        f.editing.mnuDeleteListAllClick();
        QCOMPARE(f.prompts.texts().last(), u"Do you want to delete all object?"_s);
        QCOMPARE(f.album.objectCount(), 0);
        QVERIFY(f.album.outline().hasRoot());
        QCOMPARE(f.album.properties().title, u"Kept"_s);
        QCOMPARE(f.album.properties().backgroundMusic.size(), size_t(1));
        QCOMPARE(f.album.currentMemberIndex(), -1);
        QVERIFY(f.album.modified());
    }
};

QTEST_GUILESS_MAIN(TestEditingCommands)
#include "tst_EditingCommands.moc"
