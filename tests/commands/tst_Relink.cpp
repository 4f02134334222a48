// Find Missing Files: media moved to another folder (renamed in case, in
// sub-folders) are found by name and the album is read again with them.

#include "CommandFixture.h"
#include "MissingMedia.h"

#include <QDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class tst_Relink : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void movedMediaAreFoundAgain()
    {
        CommandFixture f;
        const QString album = f.media.path(u"trip.pvm"_s);
        {
            ScriptedPrompts prompts;
            AlbumDocument made(prompts);
            made.ClearAlbum(u"New album"_s);
            for (const char *name : {"color.jpg", "grey.jpg", "large.jpg"})
                made.AddMediaFile(f.media.copy(name), false, AlbumDocument::RootTarget);
            QVERIFY(!AlbumFiles::save(made, album));
        }
        // The photos move away: one into a sub-folder with its name in
        // capitals, one deeper, one is gone for good.
        const QString moved = f.media.path(u"moved/deeper"_s);
        QVERIFY(QDir().mkpath(moved));
        QVERIFY(QFile::rename(f.media.path(u"color.jpg"_s), f.media.path(u"moved/COLOR.JPG"_s)));
        QVERIFY(QFile::rename(f.media.path(u"grey.jpg"_s), moved + u"/grey.jpg"_s));
        QVERIFY(QFile::remove(f.media.path(u"large.jpg"_s)));

        f.prompts.openAnswers.append({album});
        f.files.OpenAlbummenuClick();
        QCOMPARE(f.album.objectCount(), 0);
        QCOMPARE(f.album.missingFiles().size(), 3);
        f.prompts.clear();
        f.prompts.folderAnswers.append(f.media.path(u"moved"_s));
        f.files.FindMissingFilesClick();
        QCOMPARE(f.album.objectCount(), 2);
        QCOMPARE(f.album.object(0).mainFile, f.media.path(u"moved/COLOR.JPG"_s));
        QCOMPARE(f.album.object(1).mainFile, moved + u"/grey.jpg"_s);
        QCOMPARE(f.album.missingFiles(), QStringList({f.media.path(u"large.jpg"_s)}));
        QVERIFY(f.album.modified());
        QCOMPARE(f.prompts.texts().last(),
            u"2 of 3 missing files were found below "_s + f.media.path(u"moved"_s)
                + u"; 1 is still missing."_s);

        // A folder that holds none of them changes nothing.
        f.prompts.clear();
        f.prompts.folderAnswers.append(moved);
        f.files.FindMissingFilesClick();
        QCOMPARE(f.prompts.texts(),
            QStringList({u"The missing file was not found below "_s + moved + u'.'}));
        QCOMPARE(f.album.objectCount(), 2);
    }

    void photosOfOneNameFindTheirOwnFolders()
    {
        MediaCopies dir;
        // Sorted first, cam1 would win for both.
        for (const char *camera : {"cam1", "cam2"})
            dir.copy("color.jpg", u"new/"_s + QString::fromLatin1(camera) + u"/IMG_0001.JPG"_s);
        dir.copy("color.jpg", u"new/other/deep/cam2/img_0001.jpg"_s);
        const auto moved = MissingMedia::findBelow(
            {u"/old/cam1/IMG_0001.JPG"_s, u"/old/cam2/IMG_0001.JPG"_s,
                u"C:\\Pictures\\deep\\CAM2\\IMG_0001.JPG"_s, u"/old/elsewhere/IMG_0001.JPG"_s},
            dir.path(u"new"_s));
        QCOMPARE(moved.value(u"/old/cam1/IMG_0001.JPG"_s), dir.path(u"new/cam1/IMG_0001.JPG"_s));
        QCOMPARE(moved.value(u"/old/cam2/IMG_0001.JPG"_s), dir.path(u"new/cam2/IMG_0001.JPG"_s));
        // Two folders in common beat one; case and backslashes aside.
        QCOMPARE(moved.value(u"C:\\Pictures\\deep\\CAM2\\IMG_0001.JPG"_s),
            dir.path(u"new/other/deep/cam2/img_0001.jpg"_s));
        // None in common: the first in name order.
        QCOMPARE(
            moved.value(u"/old/elsewhere/IMG_0001.JPG"_s), dir.path(u"new/cam1/IMG_0001.JPG"_s));
    }
};

QTEST_GUILESS_MAIN(tst_Relink)
#include "tst_Relink.moc"
