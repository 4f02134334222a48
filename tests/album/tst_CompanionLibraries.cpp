// The two companion libraries as the editor loads them: the plugins this
// project builds, and what a missing library costs.

#include "CompanionLibraries.h"
#include "ScriptedPrompts.h"
#include "StandardPictures.h"
#include "TestMedia.h"
#include "Thumbnails.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestCompanionLibraries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_prompts.clear();
        m_libraries.LoadCompanionLibraries(programFolder());
    }

    void loadsWithoutComplaint() { QCOMPARE(m_prompts.texts(), QStringList()); }

    void readsPhotoComments()
    {
        // The comment marker wins over the EXIF description.
        QCOMPARE(m_libraries.ReadFileComment(testMedia("large.jpg")), u"Taken from the pier"_s);
        QCOMPARE(
            m_libraries.ReadFileComment(testMedia("described.jpg")), u"Only an EXIF description"_s);
        QCOMPARE(m_libraries.ReadFileComment(testMedia("color.jpg")), QString());
        QCOMPARE(m_libraries.ReadFileComment(testMedia("corrupt.jpg")), QString());
        QCOMPARE(m_libraries.ReadFileComment(testMedia("empty.jpg")), QString());
    }

    void readsStoredThumbnails()
    {
        const QImage thumb = m_libraries.ReadThumb(testMedia("large.jpg"));
        QCOMPARE(thumb.size(), ThumbnailSize);
        const QImage direct = MakePhotoThumbnail(testMedia("large-thumb.jpg"));
        QCOMPARE(thumb.pixel(64, 50), direct.pixel(64, 50));
        QVERIFY(m_libraries.ReadThumb(testMedia("color.jpg")).isNull());
        QVERIFY(m_libraries.ReadThumb(testMedia("truncated.jpg")).isNull());
    }

    void buildsTagNotes()
    {
        // Version 1 tags carry no rights text, so no copyright line.
        QCOMPARE(m_libraries.id3Note(testMedia("tagged.mp3")),
            u"Title: Morning Tune\r\nArtist: The Testers\r\nAlbum: Fixtures\r\n"
            "Year: 2024\r\nComment: made for tests\r\nGenre: Pop"_s);
        // Only a version 2 tag: read by the second call, rights included.
        QCOMPARE(m_libraries.id3Note(testMedia("v2only.mp3")),
            u"Title: Only Version Two\r\nArtist: V2 Band\r\nAlbum: \r\nYear: \r\n"
            "Copyright: (c) V2\r\nComment: \r\nGenre: "_s);
        QCOMPARE(m_libraries.id3Note(testMedia("untagged.mp3")), u"정보없음"_s);
        QCOMPARE(m_libraries.id3Note(testMedia("no-such.mp3")), u"정보없음"_s);
    }

    void missingLibrariesCostOnlyTheirFunctions()
    {
        QTemporaryDir empty;
        ScriptedPrompts prompts;
        CompanionLibraries libraries(prompts);
        const QString folder = empty.path() + u'/';
        libraries.LoadCompanionLibraries(folder);
        QCOMPARE(prompts.texts(),
            QStringList({folder + u"DLL/VoxJPG.so 을 찾을 수 없습니다!"_s,
                folder + u"DLL/VoxID3.so 을 찾을 수 없습니다!"_s}));
        QCOMPARE(prompts.shown.first().caption, u"Quillan"_s);
        QCOMPARE(libraries.ReadFileComment(testMedia("large.jpg")), QString());
        QVERIFY(libraries.ReadThumb(testMedia("large.jpg")).isNull());
        QCOMPARE(libraries.id3Note(testMedia("tagged.mp3")), u"정보없음"_s);
    }

    void unloadForgetsAndReloads()
    {
        m_libraries.UnloadCompanionLibraries();
        QCOMPARE(m_libraries.ReadFileComment(testMedia("large.jpg")), QString());
        m_libraries.LoadCompanionLibraries(programFolder());
        QCOMPARE(m_libraries.ReadFileComment(testMedia("large.jpg")), u"Taken from the pier"_s);
    }

private:
    ScriptedPrompts m_prompts;
    CompanionLibraries m_libraries{m_prompts};
};

QTEST_GUILESS_MAIN(TestCompanionLibraries)
#include "tst_CompanionLibraries.moc"
