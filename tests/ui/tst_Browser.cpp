// The file browser pane in the window: the album type's mask, the note
// column from the companion libraries, navigation and the preview of a
// clicked photo.

#include "BrowserModel.h"
#include "FileBrowserPane.h"
#include "FileBrowserRules.h"
#include "PreviewPlayer.h"
#include "TFrmMain.h"
#include "TestMedia.h"

#include <QAbstractItemView>
#include <QDir>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

using namespace Qt::Literals::StringLiterals;
using FileBrowserRules::ViewStyle;

namespace {

QStringList listed(FileBrowserPane &pane)
{
    const QAbstractItemView *view = pane.listView();
    const QModelIndex root = view->rootIndex();
    QStringList names;
    for (int row = 0; row < pane.model().rowCount(root); ++row)
        names.append(pane.model().index(row, 0, root).data().toString());
    names.sort();
    return names;
}

QString note(FileBrowserPane &pane, const QString &path)
{
    const QModelIndex index = pane.model().index(path);
    return pane.model()
        .index(index.row(), BrowserModel::NoteColumn, index.parent())
        .data()
        .toString();
}

} // namespace

class TestBrowser : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rulesOfThePane()
    {
        using namespace FileBrowserRules;
        QCOMPARE(maskPatterns(u"*.JPG;*.AVI;"_s), QStringList({u"*.JPG"_s, u"*.AVI"_s}));
        QCOMPARE(upFrom(u"/"_s), std::nullopt);
        QCOMPARE(upFrom(u"/usr/share"_s), u"/usr"_s);
        QCOMPARE(nextViewStyle(ViewStyle::Detail), ViewStyle::LargeIcon);
        QCOMPARE(noteSourceOf(u"/a/B.Mp3"_s), NoteSource::Id3);
        QCOMPARE(noteSourceOf(u"/a/b.jpeg"_s), NoteSource::None);
        QVERIFY(previewsOnClick(u"x.JPG"_s));
        QVERIFY(!previewsOnClick(u"x.png"_s));
    }

    void browsesWithTheAlbumsMask()
    {
        MediaCopies media;
        const QString photo = media.copy("large.jpg", u"pier.jpg"_s);
        const QString tune = media.copy("tagged.mp3");
        QDir().mkpath(media.path(u"sub"_s));
        media.copy("color.jpg", u"sub/inner.jpg"_s);
        media.copy("mono8.wav");
        TFrmMain window;
        window.companions().LoadCompanionLibraries(programFolder());
        window.resize(1100, 760);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        FileBrowserPane &pane = window.browser();
        window.state().applyAlbumType(AlbumType::Image, false);
        pane.navigate(QFileInfo(photo).absolutePath());

        // The folder tree opens the way to the folder and shows it.
        QTreeView *tree = nullptr;
        for (QTreeView *view : pane.findChildren<QTreeView *>()) {
            if (!qobject_cast<BrowserModel *>(view->model()))
                tree = view;
        }
        QVERIFY(tree);
        const auto *folders = qobject_cast<QFileSystemModel *>(tree->model());
        QTRY_COMPARE(folders->filePath(tree->currentIndex()), pane.folder());
        QTRY_VERIFY(tree->viewport()->rect().contains(tree->visualRect(tree->currentIndex())));

        // An image album lists photos and videos, folders and the parent.
        QTRY_COMPARE(listed(pane), QStringList({u".."_s, u"pier.jpg"_s, u"sub"_s}));
        QTRY_COMPARE(note(pane, photo), u"Taken from the pier"_s);
        QCOMPARE(pane.model().headerData(3, Qt::Horizontal).toString(), u"Date"_s);
        QCOMPARE(pane.model().headerData(4, Qt::Horizontal).toString(), u"Note"_s);

        // A music album lists sound; MP3s note their tags.
        window.state().applyAlbumType(AlbumType::Music, false);
        QTRY_COMPARE(
            listed(pane), QStringList({u".."_s, u"mono8.wav"_s, u"sub"_s, u"tagged.mp3"_s}));
        QVERIFY2(note(pane, tune).startsWith(u"Title: Morning Tune  Artist: The Testers"_s),
            qPrintable(note(pane, tune)));
        QCOMPARE(note(pane, media.path(u"mono8.wav"_s)), QString());

        // A click on a photo shows it; on anything else clears the preview.
        window.state().applyAlbumType(AlbumType::Image, false);
        QTRY_COMPARE(listed(pane).size(), 3);
        QSignalSpy shown(&pane, &FileBrowserPane::showPicture);
        QSignalSpy cleared(&pane, &FileBrowserPane::clearPicture);
        pane.setViewStyle(ViewStyle::Detail);
        QAbstractItemView *view = pane.listView();
        const QModelIndex photoIndex = pane.model().index(photo);
        QTRY_VERIFY(!view->visualRect(photoIndex).isEmpty());
        QTest::mouseClick(
            view->viewport(), Qt::LeftButton, {}, view->visualRect(photoIndex).center());
        QCOMPARE(shown.count(), 1);
        QCOMPARE(shown.first().first().toString(), photo);
        const auto *preview = window.findChild<PreviewPlayer *>()->findChild<QLabel *>();
        QVERIFY(preview && !preview->pixmap().isNull());
        QVERIFY(preview->pixmap().width() <= preview->contentsRect().width());

        // Into a folder and up again; moving on forgets the picture.
        const QModelIndex sub = pane.model().index(media.path(u"sub"_s));
        Q_EMIT view->doubleClicked(sub);
        QCOMPARE(pane.folder(), media.path(u"sub"_s));
        QVERIFY(preview->pixmap().isNull());
        QTRY_COMPARE(listed(pane), QStringList({u".."_s, u"inner.jpg"_s}));
        pane.sbUpClick();
        QCOMPARE(pane.folder(), QFileInfo(photo).absolutePath());
        pane.sbViewClick();
        QCOMPARE(pane.viewStyle(), ViewStyle::LargeIcon);
        // Files drag out of every view style (a static list turns it off).
        for (const ViewStyle style :
            {ViewStyle::LargeIcon, ViewStyle::SmallIcon, ViewStyle::List, ViewStyle::Detail}) {
            pane.setViewStyle(style);
            QVERIFY(pane.listView()->dragEnabled());
            QCOMPARE(pane.listView()->dragDropMode(), QAbstractItemView::DragOnly);
        }
        const QMimeData *dragged = pane.model().mimeData({pane.model().index(photo)});
        QCOMPARE(dragged->urls(), QList<QUrl>{QUrl::fromLocalFile(photo)});
        delete dragged;
        pane.navigate(u"/"_s);
        pane.sbUpClick();
        QCOMPARE(pane.folder(), u"/"_s);
    }
};

QTEST_MAIN(TestBrowser)
#include "tst_Browser.moc"
