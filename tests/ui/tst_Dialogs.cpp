// The two dialogs and the window's prompts, offscreen: texts, defaults, keys
// and the binding of the object dialog to its working state.

#include "../commands/CommandFixture.h"
#include "ApplicationIdentity.h"
#include "LibraryVersions.h"
#include "ObjectDialogState.h"
#include "PropertyPages.h"
#include "TFrmAbout.h"
#include "TFrmDelDevImg.h"
#include "TFrmMain.h"
#include "TFrmObjProp.h"
#include "TFrmOverWrite.h"
#include "TFrmSelDevice.h"
#include "TFrmSelect.h"
#include "TfrmProgress.h"
#include "VoxImgDll.h"
#include "WidgetPrompts.h"
#include "WorkProgressBar.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLibrary>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

namespace {
QPushButton *buttonNamed(QWidget &parent, const QString &text, int nth = 0)
{
    for (QPushButton *b : parent.findChildren<QPushButton *>()) {
        if (b->text() == text && nth-- == 0)
            return b;
    }
    return nullptr;
}
} // namespace

class TestDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void albumTypeDialog()
    {
        TFrmSelect dialog;
        QCOMPARE(dialog.windowTitle(), u"Making New Album"_s);
        QVERIFY(dialog.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(!(dialog.windowFlags() & Qt::WindowCloseButtonHint));
        QStringList labels;
        for (const QLabel *label : dialog.findChildren<QLabel *>())
            labels.append(label->text());
        QVERIFY(labels.contains(u"Select item for making new album"_s));
        QVERIFY(labels.contains(u"In case you make music album, please select this item.It enables "
                                "you to edit music and also you may add image by pressing right "
                                "button of mouse with selection of music one by one.Any completed "
                                "album will be stored onto *.mum and by selecting this music file, "
                                "you will see the edited image while listening music."_s));
        const auto radios = dialog.findChildren<QRadioButton *>();
        QCOMPARE(radios.size(), 3);
        QCOMPARE(radios[0]->text(), u"Making Image Album (*.pvm)"_s);
        QCOMPARE(radios[2]->text(), u"Making Album for the use of PPL(*.ppl)"_s);
        QVERIFY(radios[2]->isChecked());
        QCOMPARE(dialog.choice(), 2);
        QVERIFY(buttonNamed(dialog, u"OK"_s)->isDefault());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QTest::mouseClick(radios[1], Qt::LeftButton, {}, QPoint(6, radios[1]->height() / 2));
        QCOMPARE(dialog.choice(), 1);
        QCOMPARE(dialog.minimumSize(), dialog.maximumSize());
        QTest::keyClick(&dialog, Qt::Key_Escape);
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
    }

    void objectDialogShowsAndDrivesItsState()
    {
        CommandFixture f;
        f.newAlbum(1);
        f.add(&EditingCommands::audiomenuClick, {f.media.copy("tagged.mp3")});
        f.album.setCurrentObject(0);
        const QStringList photos
            = {f.media.copy("color.jpg", u"a.jpg"_s), f.media.copy("grey.jpg", u"b.jpg"_s)};
        f.prompts.openAnswers = {photos};
        f.editing.MovieAddMenuClick();

        ObjectDialogState state(f.album, 0);
        TFrmObjProp dialog(state, f.prompts);
        QCOMPARE(dialog.windowTitle(), u"Propety - Audio + Image"_s);
        QCOMPARE(dialog.entryList()->count(), 2);
        QCOMPARE(dialog.entryList()->item(1)->text(), u"b.jpg"_s);
        QVERIFY(!buttonNamed(dialog, u"Change"_s)->isEnabled());
        QVERIFY(buttonNamed(dialog, u"Add"_s)->isEnabled());
        QVERIFY(dialog.durationBox()->isEnabled());
        const auto fields = dialog.findChildren<QLineEdit *>();
        QVERIFY(std::any_of(fields.begin(), fields.end(),
            [](const QLineEdit *e) { return e->text() == u"tagged.mp3"_s; }));

        dialog.entryList()->item(1)->setSelected(true);
        dialog.entryList()->item(0)->setSelected(false);
        QCOMPARE(state.selected, QList<int>{1});
        QCOMPARE(state.pathField, photos[1]);
        QTest::mouseClick(buttonNamed(dialog, u"Up"_s), Qt::LeftButton);
        QCOMPARE(state.names, QStringList({u"b.jpg"_s, u"a.jpg"_s}));
        QCOMPARE(dialog.entryList()->item(0)->text(), u"b.jpg"_s);
        QVERIFY(state.entriesChanged);

        dialog.entryList()->selectAll();
        QTest::mouseClick(buttonNamed(dialog, u"Delete"_s), Qt::LeftButton);
        QCOMPARE(dialog.entryList()->count(), 1);
        QCOMPARE(f.prompts.texts().last(), u"At least there must be one image."_s);
    }

    void propertyTabsStayWhereTheUserPutThem()
    {
        CommandFixture f;
        PropertyPages pages(f.album, f.state, f.properties, f.player);
        f.newAlbum(0);
        QCOMPARE(pages.tabText(pages.currentIndex()), u"      Album"_s);
        pages.setCurrentIndex(3);
        // A caption, a save or a transition click changes state, not the tab.
        f.state.setCaption(u"x"_s);
        f.properties.Image5Click(1);
        f.state.setSaveCommandsEnabled(false);
        QCOMPARE(pages.currentIndex(), 3);
        // Applying an album type picks its page.
        f.newAlbum(2);
        QCOMPARE(pages.tabText(pages.currentIndex()), u"     BG Music"_s);
    }

    void overwriteDialogAnswersAndShortensThePath()
    {
        const QString target = u"/media/player/System/"_s + QString(200, u'x') + u"/song.mp3"_s;
        const std::pair<QString, CommandPrompts::Overwrite> cases[]
            = {{u"&Yes"_s, CommandPrompts::Overwrite::Yes},
                {u"Yes &All"_s, CommandPrompts::Overwrite::YesToAll},
                {u"&No"_s, CommandPrompts::Overwrite::No},
                {u"&Cancel"_s, CommandPrompts::Overwrite::Cancel}};
        for (const auto &[caption, answer] : cases) {
            TFrmOverWrite dialog(target);
            QCOMPARE(dialog.windowTitle(), u"Confirm"_s);
            QStringList lines;
            for (const QLabel *label : dialog.findChildren<QLabel *>())
                lines.append(label->text());
            QCOMPARE(lines.size(), 3);
            QCOMPARE(lines[0], u"Same file name exists."_s);
            QVERIFY(lines[1].contains(QChar(0x2026)) && lines[1].endsWith(u"song.mp3"_s));
            QCOMPARE(lines[2], u"Overwrite it?"_s);
            QVERIFY(buttonNamed(dialog, u"&Yes"_s)->isDefault());
            buttonNamed(dialog, caption)->click();
            QCOMPARE(dialog.answer(), answer);
        }
        TFrmOverWrite escaped(target);
        escaped.show();
        QTest::keyClick(&escaped, Qt::Key_Escape);
        QCOMPARE(escaped.answer(), CommandPrompts::Overwrite::Cancel);
    }

    void copyWindowCopiesOffItsThreadAndAsksOnIt()
    {
        MediaCopies media;
        const QString a = media.copy("color.jpg", u"a.jpg"_s);
        const QString b = media.copy("tagged.mp3", u"b.mp3"_s);
        const QString out = media.path(u"out"_s);
        QVERIFY(QDir().mkpath(out + u"/Music"_s));
        QFile old(out + u"/Music/b.mp3"_s);
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
        old.close();
        QList<Qt::HANDLE> askedOn;
        TfrmProgress window({{a, out + u"/Photos/a.jpg"_s}, {b, out + u"/Music/b.mp3"_s}},
            [&askedOn](const QString &) {
                askedOn.append(QThread::currentThreadId());
                return Overwrite::YesToAll;
            });
        QCOMPARE(window.windowTitle(), u"Export"_s);
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QCOMPARE(askedOn, QList<Qt::HANDLE>{QThread::currentThreadId()});
        QVERIFY(window.outcome().failures.isEmpty() && !window.outcome().cancelled);
        QCOMPARE(QFileInfo(out + u"/Music/b.mp3"_s).size(), QFileInfo(b).size());
        QVERIFY(QFile::exists(out + u"/Photos/a.jpg"_s));
        QStringList lines;
        for (const QLabel *label : window.findChildren<QLabel *>())
            lines.append(label->text());
        QCOMPARE(lines.last(), u"Copying file completed"_s);

        // Cancel in the overwrite question ends the copying.
        TfrmProgress again({{b, out + u"/Music/b.mp3"_s}, {a, out + u"/Photos/c.jpg"_s}},
            [](const QString &) { return Overwrite::Cancel; });
        again.exec();
        QVERIFY(again.outcome().cancelled);
        QVERIFY(!QFile::exists(out + u"/Photos/c.jpg"_s));
    }

    void convertsFiltersAndTexts()
    {
        QCOMPARE(WidgetPrompts::qtFilter(u"Image File(*.jpg)|*.jpg|"_s),
            u"Image File(*.jpg) (*.jpg *.JPG)"_s);
        QCOMPARE(WidgetPrompts::qtFilter(u"*.jpg|*.jpg"_s), u"*.jpg (*.jpg *.JPG)"_s);
        QCOMPARE(WidgetPrompts::qtFilter(u"Movie File(*.avi,*.mpg)|*.avi;*wmv|"_s),
            u"Movie File(*.avi,*.mpg) (*.avi *.AVI *wmv *WMV)"_s);
        QCOMPARE(WidgetPrompts::displayText(u"a\r\nb\r\rc"_s), u"a\nb\n\nc"_s);
    }

    void deviceDialogListsPlayersAndHidesTheNameRowWhenNotExporting()
    {
        DeviceRequest request;
        request.banner = u"Select device to open album"_s;
        request.entries = {{u"KV-30"_s, u"/media/kv30"_s}, {u"Mini"_s, QString()}};
        TFrmSelDevice open(request);
        open.show();
        QCOMPARE(open.windowTitle(), u"Select device"_s);
        auto *list = open.findChild<QTreeWidget *>();
        QCOMPARE(list->headerItem()->text(0), u"Removal Drive"_s);
        QCOMPARE(list->topLevelItem(0)->text(0), u"KV-30 (/media/kv30)"_s);
        // A player without a drive is shown but cannot be chosen.
        QVERIFY(!(list->topLevelItem(1)->flags() & Qt::ItemIsSelectable));
        QVERIFY(!open.findChild<QLineEdit *>()->isVisible());
        QVERIFY(buttonNamed(open, u"OK"_s)->isDefault());

        request.albumNameRow = true;
        request.albumName = u"Trip"_s;
        // A refused answer keeps the dialog open with what was typed.
        QStringList offered;
        request.accepts = [&offered](const DeviceAnswer &answer) {
            offered.append(answer.albumName);
            return !answer.albumName.contains(u'?');
        };
        TFrmSelDevice save(request);
        save.show();
        auto *name = save.findChild<QLineEdit *>();
        QVERIFY(name->isVisible());
        name->setText(u"Holi?day"_s);
        QTest::mouseClick(buttonNamed(save, u"OK"_s), Qt::LeftButton);
        QVERIFY(save.isVisible());
        QCOMPARE(name->text(), u"Holi?day"_s);
        name->setText(u"Holiday"_s);
        QTest::mouseClick(buttonNamed(save, u"OK"_s), Qt::LeftButton);
        QCOMPARE(save.result(), int(QDialog::Accepted));
        QCOMPARE(save.answer().entry, 0);
        QCOMPARE(save.answer().albumName, u"Holiday"_s);
        QCOMPARE(offered, QStringList({u"Holi?day"_s, u"Holiday"_s}));
    }

    void playerChooserHonoursItsPatternsAndItsMode()
    {
        QTemporaryDir folder;
        for (const QString &name : {u"a.ppl"_s, u"B.PPL"_s, u"c.mp3"_s}) {
            QFile file(folder.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        PlayerFilesRequest request;
        request.mode = PlayerFilesRequest::Mode::Open;
        request.caption = u"Open album from Device"_s;
        request.folder = folder.path();
        request.masks = {u"*.ppl"_s};
        QStringList deletedFiles;
        request.deleteFiles = [&](const QStringList &files, bool, bool) { deletedFiles = files; };
        TFrmDelDevImg open(request);
        open.show();
        auto *list = open.findChild<QTreeWidget *>();
        QCOMPARE(list->topLevelItemCount(), 2); // the mask ignores case
        QCOMPARE(list->headerItem()->text(4), u"Note"_s);
        list->topLevelItem(0)->setSelected(true);
        // Delete does nothing outside the delete mode.
        QTest::keyClick(list, Qt::Key_Delete);
        QVERIFY(deletedFiles.isEmpty());
        QTest::mouseClick(buttonNamed(open, u"&Open"_s), Qt::LeftButton);
        QCOMPARE(open.chosen(), QStringList({folder.filePath(u"a.ppl"_s)}));

        request.mode = PlayerFilesRequest::Mode::Delete;
        TFrmDelDevImg remove(request);
        remove.show();
        list = remove.findChild<QTreeWidget *>();
        QVERIFY(buttonNamed(remove, u"&Delete"_s));
        QVERIFY(!buttonNamed(remove, u"&Open"_s));
        list->topLevelItem(1)->setSelected(true);
        QTest::keyClick(list, Qt::Key_Delete);
        QCOMPARE(deletedFiles, QStringList({folder.filePath(u"B.PPL"_s)}));
        QVERIFY(remove.isVisible());
    }

    // The status bar's work bar stays away from work under half a second,
    // then shows the count; Cancel is reported until the work ends.
    void workBarShowsLateAndCancels()
    {
        QWidget window;
        auto *bar = new WorkProgressBar(&window);
        window.show();
        const QString adding = u"Adding %v of %m"_s;
        QVERIFY(!bar->progress(adding, 1, 10, 100));
        QVERIFY(bar->isHidden());
        QVERIFY(!bar->progress(adding, 3, 10, WorkProgressBar::ShowAfterMs));
        QVERIFY(bar->isVisible());
        QCOMPARE(bar->findChild<QProgressBar *>()->text(), u"Adding 3 of 10"_s);
        QTest::mouseClick(bar->findChild<QToolButton *>(), Qt::LeftButton);
        QVERIFY(bar->progress(adding, 4, 10, 700));
        bar->finish();
        QVERIFY(bar->isHidden());
        QVERIFY(
            !bar->progress(u"Making thumbnails %v of %m"_s, 1, 5, WorkProgressBar::ShowAfterMs));
        QCOMPARE(bar->findChild<QProgressBar *>()->text(), u"Making thumbnails 1 of 5"_s);
    }

    // Without an installed theme (as here) the window still gets the built-in
    // pictures at every size, and the desktop entry's name for Wayland.
    void windowCarriesTheApplicationIcon()
    {
        ApplicationIdentity::apply();
        QCOMPARE(QGuiApplication::desktopFileName(), u"quillan"_s);
        QCOMPARE(QGuiApplication::applicationVersion(), quillanVersion());
        TFrmMain window;
        // Given after the window exists, as the editor's start does.
        ApplicationIdentity::applyIcon();
        const QIcon icon = window.windowIcon();
        QVERIFY(!icon.isNull());
        for (const int size : {16, 22, 24, 32, 48, 64, 128, 256}) {
            const QImage picture = icon.pixmap(size, size).toImage();
            QCOMPARE(picture.size(), QSize(size, size));
            // Drawn, not blank: the middle of the card is opaque.
            QCOMPARE(qAlpha(picture.pixel(size / 2, size / 2)), 255);
        }
    }

    // Every library is named with a version (an empty one means the build
    // lost it), the run-time ones are those the program runs on, and the
    // Help menu reaches the box.
    void aboutBoxNamesTheLibrariesWithTheirVersions()
    {
        const QString details = TFrmAbout::details();
        QVERIFY(details.contains(u"GNU General Public License, version 3 or later"_s));
        const QStringList expected = {u"Qt"_s, u"FFmpeg"_s, u"libjpeg-turbo"_s, u"pugixml"_s,
            u"TagLib"_s, u"libexif"_s, u"OpenSSL"_s};
        QStringList named;
        for (const LibraryVersion &library : libraryVersions()) {
            named << library.name;
            QVERIFY2(library.version.contains(QRegularExpression(u"^[0-9n]"_s)),
                qPrintable(library.name + u": "_s + library.version));
            QVERIFY(details.contains(u"  "_s + library.name + u' ' + library.version));
        }
        QCOMPARE(named, expected);
        QVERIFY(details.contains(u"  Qt "_s + QString::fromLatin1(qVersion()) + u'\n'));
        QVERIFY(
            details.contains(u"  TagLib "_s + libraryVersions()[4].version + u" (built with)"_s));

        TFrmMain window;
        QMenu *help = nullptr;
        for (QAction *menu : window.menuBar()->actions()) {
            if (menu->text() == u"Help(&H)"_s)
                help = menu->menu();
        }
        QVERIFY(help);
        QStringList items;
        for (QAction *item : help->actions())
            items << item->text();
        QCOMPARE(items, QStringList({u"Help(&H)"_s, u"About Quillan(&A)..."_s}));
    }

    void escapeInThePhotoHandOverCancelsIt()
    {
        QLibrary library(programFolder() + u"DLL/VoxImgDll.so"_s);
        const auto resize
            = reinterpret_cast<decltype(&::ResizeImages)>(library.resolve("ResizeImages"));
        QVERIFY2(resize, qPrintable(library.errorString()));
        QTemporaryDir player;
        QStringList photos;
        for (int i = 0; i < 40; ++i) {
            const QString photo = player.filePath(u"pc/p%1.jpg"_s.arg(i));
            QDir().mkpath(QFileInfo(photo).absolutePath());
            QVERIFY(QFile::copy(testMedia("large.jpg"), photo));
            photos.append(photo);
        }
        // Escape as soon as the progress window shows; the message that
        // follows is read and closed.
        QString told;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            for (QWidget *w : QApplication::topLevelWidgets()) {
                if (!w->isVisible())
                    continue;
                if (auto *box = qobject_cast<QMessageBox *>(w)) {
                    told = box->text();
                    box->accept();
                } else if (qobject_cast<QDialog *>(w) && w->windowTitle() == u"Photos"_s) {
                    QTest::keyClick(w, Qt::Key_Escape);
                }
            }
        });
        watch.start(10);
        const QByteArray job
            = (player.path() + u"/SYSTEM/PHOTOS/..|KV-30:COPY|"_s + photos.join(u'|')).toUtf8();
        const int result = resize(job.constData(), programFolder().toUtf8().constData(),
            "SoftWare\\Harlowe\\Quillwright", "mk:@MSITStore:x::/y.htm", 0, 437);
        watch.stop();
        QCOMPARE(result, 0);
        QVERIFY2(told.startsWith(u"The export was cancelled: "_s), qPrintable(told));
        QVERIFY(QDir(player.filePath(u"SYSTEM/PHOTOS"_s)).entryList(QDir::Files).size() < 40);
    }
};

QTEST_MAIN(TestDialogs)
#include "tst_Dialogs.moc"
