// The main window offscreen: its menus, the strip bound to the album, and
// selection by clicking.

#include "../commands/CommandFixture.h"
#include "AlbumFiles.h"
#include "PropertyPages.h"
#include "RecentAlbums.h"
#include "ScriptedPrompts.h"
#include "TFrmMain.h"
#include "TFrmTR.h"
#include "TestMedia.h"
#include "ThumbnailStrip.h"
#include "TimelineView.h"
#include "TransportBar.h"

#include <QApplication>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QSlider>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace Qt::Literals::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_config;

    // An image album of a.jpg and b.jpg, the first selected, shown; true
    // once the window is on the screen.
    static bool showTwoPhotos(TFrmMain &window, MediaCopies &media)
    {
        AlbumDocument &album = window.album();
        album.ClearAlbum(u"New album"_s);
        for (const char *name : {"a.jpg", "b.jpg"})
            album.AddMediaFile(media.copy("color.jpg", QString::fromLatin1(name)), false,
                AlbumDocument::RootTarget);
        window.state().applyAlbumType(AlbumType::Image, false);
        album.setCurrentObject(0);
        window.show();
        return QTest::qWaitForWindowExposed(&window);
    }

private Q_SLOTS:
    void initTestCase()
    {
        // The window's settings and recent albums stay out of the user's.
        qputenv("XDG_CONFIG_HOME", m_config.path().toUtf8());
    }

    void recentAlbumsGreyThoseThatHaveGone()
    {
        MediaCopies media;
        const QString kept = media.copy("color.jpg", u"kept.pvm"_s);
        RecentAlbums::add(media.path(u"gone.pvm"_s));
        RecentAlbums::add(kept);
        TFrmMain window;
        QMenu *recent = nullptr;
        for (QAction *action : window.menuBar()->actions().first()->menu()->actions()) {
            if (action->text() == u"Recent Albums(&R)"_s)
                recent = action->menu();
        }
        QVERIFY(recent);
        Q_EMIT recent->aboutToShow();
        const QList<QAction *> items = recent->actions();
        QCOMPARE(items.size(), 2);
        QCOMPARE(items[0]->text(), u"&1 kept.pvm"_s);
        QCOMPARE(items[0]->toolTip(), kept);
        QVERIFY(items[0]->isEnabled());
        QCOMPARE(items[1]->text(), u"&2 gone.pvm"_s);
        QVERIFY(!items[1]->isEnabled());
    }
    void opensAnAlbumAndSelectsByClicking()
    {
        MediaCopies media;
        ScriptedPrompts prompts;
        AlbumDocument made(prompts);
        made.ClearAlbum(u"New album"_s);
        for (const char *name : {"color.jpg", "grey.jpg", "clip.avi"})
            made.AddMediaFile(media.copy(name), false, AlbumDocument::RootTarget);
        const QString file = media.path(u"three.pvm"_s);
        QVERIFY(!AlbumFiles::save(made, file));

        TFrmMain window;
        window.resize(900, 700);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.lifecycle().openCommandLine({file});
        QCOMPARE(window.windowTitle(), u"Harlowe Lumavine - three.pvm"_s);
        QCOMPARE(window.album().objectCount(), 3);
        QStringList statusTexts;
        for (const QLabel *label : window.statusBar()->findChildren<QLabel *>())
            statusTexts.append(label->text());
        QVERIFY(statusTexts.contains(u"Total Time: 00:00:12"_s));
        QVERIFY(statusTexts.contains(u"1 / 3 Objects"_s));

        auto *strip = window.findChild<ThumbnailStrip *>();
        QVERIFY(strip);
        const QRect second = strip->panelRect(1);
        QTest::mouseClick(strip->viewport(), Qt::LeftButton, {}, second.center());
        QCOMPARE(window.album().currentObject(), 1);
        QCOMPARE(strip->indexAt(second.center()), 1);
        QCOMPARE(strip->indexAt(QPoint(second.right() + 2, second.top() + 2)), -1);

        // The object menu follows the selected object: no photos for a photo.
        QTest::mouseClick(strip->viewport(), Qt::RightButton, {}, strip->panelRect(0).center());
        QMenu *objectMenu = nullptr;
        for (QMenu *menu : window.findChildren<QMenu *>()) {
            if (menu->isVisible())
                objectMenu = menu;
        }
        QVERIFY(objectMenu);
        QCOMPARE(window.album().currentObject(), 0);
        const auto actions = objectMenu->actions();
        QCOMPARE(actions[0]->text(), u"Append Image(&I)"_s);
        QVERIFY(!actions[0]->isEnabled());
        QVERIFY(actions[1]->isEnabled());
        objectMenu->hide();

        // Ctrl+F12 writes the outline next to the album and says so.
        QString told;
        QTimer::singleShot(0, [&told] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                told = box->text();
                box->accept();
            }
        });
        QTest::keyClick(&window, Qt::Key_F12, Qt::ControlModifier);
        QVERIFY(QFile::exists(file + u"-Altreeview.txt"_s));
        QCOMPARE(told, u"The album outline was written to\n\n"_s + file + u"-Altreeview.txt"_s);
    }

    void theNumberBoxSelectsAndTheTitleBarOpensTheDialog()
    {
        MediaCopies media;
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        album.AddMediaFile(media.copy("color.jpg"), false, AlbumDocument::RootTarget);
        ThumbnailStrip strip(album);
        strip.resize(400, 200);
        strip.show();
        QVERIFY(QTest::qWaitForWindowExposed(&strip));
        QSignalSpy titles(&strip, &ThumbnailStrip::titleClicked);
        QSignalSpy objects(&strip, &ThumbnailStrip::objectClicked);
        const QRect panel = strip.panelRect(0);
        QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, panel.topLeft() + QPoint(10, 8));
        QCOMPARE(titles.count(), 0);
        QCOMPARE(objects.count(), 1);
        QTest::mouseClick(strip.viewport(), Qt::LeftButton, {}, panel.topLeft() + QPoint(60, 8));
        QCOMPARE(titles.count(), 1);
    }

    void timelineRowsFollowTheScale()
    {
        MediaCopies media;
        ScriptedPrompts prompts;
        AlbumDocument album(prompts);
        album.ClearAlbum(u"New album"_s);
        album.AddMediaFile(media.copy("color.jpg"), false, AlbumDocument::RootTarget);
        album.AddMediaFile(media.copy("grey.jpg"), false, AlbumDocument::RootTarget);
        TimelineView timeline(album);
        timeline.resize(600, 120);
        timeline.show();
        QVERIFY(QTest::qWaitForWindowExposed(&timeline));
        QCOMPARE(timeline.rowRect(0), QRect(0, 25, 250, 50));
        QCOMPARE(timeline.rowRect(1).left(), 250);
        QSignalSpy clicked(&timeline, &TimelineView::objectClicked);
        QTest::mouseClick(timeline.viewport(), Qt::LeftButton, {}, QPoint(300, 40));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.first().first().toInt(), 1);
        QCOMPARE(timeline.indexAt(QPoint(300, 10)), -1); // the ruler
        timeline.setScale(4);
        QCOMPARE(timeline.rowRect(1), QRect(4, 25, 4, 50)); // round(4.17)

        // A double-click arms the width-to-duration mode: a row that changes
        // width reports it, until the scale changes.
        timeline.setScale(1);
        QSignalSpy widths(&timeline, &TimelineView::rowWidthChanged);
        AlbumObject o = album.object(1);
        o.durationSeconds = u"7.3"_s;
        album.updateObject(1, o);
        QCOMPARE(widths.count(), 0);
        QTest::mouseDClick(timeline.viewport(), Qt::LeftButton, {}, QPoint(30, 40));
        QVERIFY(timeline.widthToDuration());
        o.durationSeconds = u"9.1"_s;
        album.updateObject(1, o);
        QCOMPARE(widths.count(), 1);
        QCOMPARE(widths.first(), QVariantList({1, 46})); // 45.5 to even is 46
        // Rows that only trade places keep their widths.
        album.MoveObject(1, 0);
        QCOMPARE(widths.count(), 1);
        timeline.setScale(0);
        QVERIFY(!timeline.widthToDuration());
        o.durationSeconds = u"3"_s;
        album.updateObject(1, o);
        QCOMPARE(widths.count(), 1);
    }

    void propertyPagesFollowTheAlbumType()
    {
        CommandFixture f;
        PropertyPages pages(f.album, f.state, f.properties, f.player);
        f.newAlbum(2);
        QVERIFY(!pages.isTabVisible(PropertyPages::AlbumTab));
        QVERIFY(pages.isTabVisible(PropertyPages::MusicTab));
        QCOMPARE(pages.currentIndex(), int(PropertyPages::MusicTab));
        QCOMPARE(pages.tabText(PropertyPages::TransitionTab), u"   Transition"_s);
        f.newAlbum(1);
        QVERIFY(pages.isTabVisible(PropertyPages::ImageTab));
        QVERIFY(!pages.isTabVisible(PropertyPages::MusicTab));
        QCOMPARE(pages.currentIndex(), int(PropertyPages::AlbumTab));
        pages.show();
        QVERIFY(QTest::qWaitForWindowExposed(&pages));
        auto *title = pages.widget(PropertyPages::AlbumTab)->findChildren<QLineEdit *>().first();
        QTest::keyClicks(title, u"Trip"_s);
        QCOMPARE(f.album.properties().title, u"Trip"_s);
        QVERIFY(!f.album.modified());
        pages.findChildren<QRadioButton *>().at(1)->click();
        QCOMPARE(f.album.properties().albumTransition, u"HORIZONTALWIPE"_s);

        // A page first shown after the album changed shows the album as it
        // is: each page is built when first shown.
        PropertyPages later(f.album, f.state, f.properties, f.player);
        AlbumProperties p = f.album.properties();
        p.backgroundImage = u"/p/sky.jpg"_s;
        p.backgroundMusic = {{u"/m/a.mp3"_s, u"00:03:10"_s, u"PC"_s}};
        f.album.setProperties(p);
        QVERIFY(later.findChildren<QTreeWidget *>().isEmpty());
        later.setCurrentIndex(PropertyPages::MusicTab);
        const auto *music = later.findChild<QTreeWidget *>();
        QVERIFY(music);
        QCOMPARE(music->topLevelItemCount(), 1);
        QCOMPARE(music->topLevelItem(0)->text(1), u"00:03:10"_s);
        later.setCurrentIndex(PropertyPages::ImageTab);
        QCOMPARE(later.widget(PropertyPages::ImageTab)->findChild<QLineEdit *>()->text(),
            u"/p/sky.jpg"_s);
        later.setCurrentIndex(PropertyPages::TransitionTab);
        QVERIFY(later.findChildren<QRadioButton *>().at(1)->isChecked());
        QCOMPARE(later.widget(PropertyPages::AlbumTab)->findChildren<QLineEdit *>().first()->text(),
            u"Trip"_s);
    }

    void showsTheTextsOfTheWindow()
    {
        TFrmMain window;
        window.state().applyAlbumType(AlbumType::Image, false);
        const auto labelTexts = [&window] {
            QStringList texts;
            for (const QLabel *label : window.findChildren<QLabel *>()) {
                if (!label->isHidden())
                    texts.append(label->text());
            }
            return texts;
        };
        QStringList texts = labelTexts();
        for (const QString &text : {u"Album Editor"_s, u"Time Unit"_s, u"Image"_s, u"Audio"_s,
                 u"Image\r\n/\r\nAudio"_s, u"Thumbnail Size"_s, u"Path"_s})
            QVERIFY2(texts.contains(text), qPrintable(text));
        QStringList hints;
        for (const QWidget *w : window.findChildren<QWidget *>())
            hints.append(w->toolTip());
        for (const QString &hint : {u"Up"_s, u"View Style"_s, u"Time Unit"_s})
            QVERIFY2(hints.contains(hint), qPrintable(hint));
        // The background image's page, built when shown.
        window.findChild<PropertyPages *>()->setCurrentIndex(PropertyPages::ImageTab);
        QPushButton *select = nullptr;
        for (QPushButton *b : window.findChildren<QPushButton *>()) {
            if (b->text() == u"Select"_s)
                select = b;
        }
        QVERIFY(select && !select->isEnabled());
        // The transport buttons show icons and keep their hints; Pause and
        // Stop wait for playing.
        auto *transport = window.findChild<TransportBar *>();
        QVERIFY(transport && transport->button(TransportBar::Play)->isEnabled());
        QVERIFY(!transport->button(TransportBar::Play)->icon().isNull());
        QCOMPARE(transport->button(TransportBar::Play)->toolTip(), u"Play"_s);
        QVERIFY(!transport->button(TransportBar::Pause)->isEnabled());
        QVERIFY(!transport->button(TransportBar::Stop)->isEnabled());
        int deletes = 0;
        for (const QAction *a : window.findChildren<QAction *>()) {
            if (a->text() == u"Delete(&D)"_s) {
                QCOMPARE(a->shortcut(), QKeySequence(Qt::Key_Delete));
                ++deletes;
            }
        }
        QCOMPARE(deletes, 2);

        // A playlist album: one row label, no audio lane.
        window.state().applyAlbumType(AlbumType::Ppl, false);
        texts = labelTexts();
        QVERIFY(!texts.contains(u"Image\r\n/\r\nAudio"_s));
        QVERIFY(!texts.contains(u"Audio"_s));
        QCOMPARE(texts.count(u"Image"_s), 2);
    }

    void hasTheMenusOfTheWindow()
    {
        TFrmMain window;
        QStringList menus;
        for (const QAction *action : window.menuBar()->actions())
            menus.append(action->text());
        QCOMPARE(menus,
            QStringList({u"Album(&F)"_s, u"Edit Album(&E)"_s, u"Slide(&R)"_s, u"Help(&H)"_s}));
        QStringList items;
        for (const QAction *action : window.menuBar()->actions().first()->menu()->actions())
            items.append(action->text() + u'|' + action->shortcut().toString());
        QVERIFY(items.contains(u"New Album(&N)|Ctrl+N"_s));
        QVERIFY(items.contains(u"Save Album(&S)|Ctrl+S"_s));
        QVERIFY(items.contains(u"Export(&E)|"_s));
        QVERIFY(items.contains(u"Delete Album From Device(&D)|"_s));
        // The device commands follow the album type: a playlist goes to the
        // player, the other albums to the disk.
        QMenu *albumMenu = window.menuBar()->actions().first()->menu();
        window.state().applyAlbumType(AlbumType::Image, false);
        Q_EMIT albumMenu->aboutToShow();
        QAction *fromDevice = nullptr;
        for (QAction *action : albumMenu->actions()) {
            if (action->text() == u"Open Album From Device(&P)"_s)
                fromDevice = action;
        }
        QVERIFY(fromDevice && !fromDevice->isEnabled());
        QAction *toDisk = nullptr;
        for (QAction *action : window.findChildren<QAction *>()) {
            if (action->text() == u"Export to Harddisk(&H)"_s)
                toDisk = action;
        }
        QVERIFY(toDisk && toDisk->isEnabled());
        window.album().setAlbumType(AlbumType::Ppl);
        window.state().applyAlbumType(AlbumType::Ppl, false);
        Q_EMIT albumMenu->aboutToShow();
        QVERIFY(fromDevice->isEnabled());
        QVERIFY(!toDisk->isEnabled());
        QStringList slides;
        for (const QAction *action : window.menuBar()->actions().at(2)->menu()->actions())
            slides.append(action->text() + u'|' + action->shortcut().toString());
        QCOMPARE(
            slides, QStringList({u"Slide From First(&F)|F6"_s, u"Slide From Current(&C)|F7"_s}));
        QStringList edit;
        for (const QAction *action : window.menuBar()->actions().at(1)->menu()->actions())
            edit.append(action->text() + u'|' + action->shortcut().toString());
        QVERIFY(edit.contains(u"Add Movie(&V)|F2"_s));
        QVERIFY(edit.contains(u"Add Album(&A)|F5"_s));
        // The Add Music button opens its own menu, enabled in every album type.
        const auto tools = window.findChildren<QToolBar *>();
        QVERIFY(!tools.isEmpty());
        QAction *music = nullptr;
        for (QAction *action : tools.first()->actions()) {
            if (action->text() == u"Add Music"_s)
                music = action;
        }
        QVERIFY(music && music->menu());
        QStringList items2;
        for (const QAction *action : music->menu()->actions())
            items2.append(action->text());
        QCOMPARE(items2,
            QStringList({u"Add Music(&M)"_s, u"Append Audio(&A)"_s, u"Add BG Music(&B)"_s}));
        QVERIFY(music->isEnabled());
    }

    void playingDisablesEditingAndSlidersApply()
    {
        MediaCopies media;
        TFrmMain window;
        window.state().applyAlbumType(AlbumType::Image, false);
        QHash<QString, QAction *> actions;
        for (QAction *menu : window.menuBar()->actions()) {
            for (QAction *action : menu->menu()->actions())
                actions.insert(action->text(), action);
        }
        for (QAction *action : window.findChildren<QToolBar *>().first()->actions())
            actions.insert(action->text(), action);
        QVERIFY(actions.value(u"Add Image(&I)"_s)->isEnabled());
        window.state().SetEditingEnabled(false);
        for (const QString &caption :
            {u"Add Image(&I)"_s, u"Add Music(&M)"_s, u"Add Movie(&V)"_s, u"Add Album(&A)"_s,
                u"Delete(&D)"_s, u"Delete All List(&L)"_s, u"Add Image"_s, u"Add Music"_s})
            QVERIFY2(!actions.value(caption)->isEnabled(), qPrintable(caption));
        QVERIFY(actions.value(u"Save Album(&S)"_s)->isEnabled());
        window.state().SetEditingEnabled(true);
        QVERIFY(actions.value(u"Add Image"_s)->isEnabled());
        QVERIFY(actions.value(u"Delete(&D)"_s)->isEnabled());

        // The thumbnail size applies only to an album with objects.
        auto *strip = window.findChild<ThumbnailStrip *>();
        QSlider *size = nullptr;
        for (QSlider *slider : window.findChildren<QSlider *>()) {
            if (slider->minimum() == 70)
                size = slider;
        }
        QVERIFY(size);
        size->setValue(80);
        QCOMPARE(strip->percent(), 100);
        window.album().ClearAlbum(u"New album"_s);
        window.album().AddMediaFile(media.copy("color.jpg"), false, AlbumDocument::RootTarget);
        size->setValue(75);
        QCOMPARE(strip->percent(), 75);
        QCOMPARE(strip->panelRect(0).size(), QSize(96, 75));
        bool shown = false;
        for (const QLabel *label : window.findChildren<QLabel *>())
            shown = shown || label->text() == u"75%"_s;
        QVERIFY(shown);

        // Stored volumes of 5000 and below come back as 10.
        window.setVolume(7500);
        QCOMPARE(window.volume(), 7500);
        window.setVolume(5000);
        QCOMPARE(window.volume(), 10);
    }

    void delAsksUnlessATextFieldHasTheFocus()
    {
        MediaCopies media;
        TFrmMain window;
        AlbumDocument &album = window.album();
        QVERIFY(showTwoPhotos(window, media));

        QLineEdit *title = window.findChildren<QLineEdit *>().first();
        title->setFocus();
        QTest::keyClick(title, Qt::Key_Delete);
        QCOMPARE(album.objectCount(), 2);

        // Elsewhere Del asks first; the answer decides.
        QString asked;
        const auto answer = [&asked](QMessageBox::StandardButton button) {
            QTimer::singleShot(0, [&asked, button] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                if (!box)
                    return;
                asked = box->text();
                box->button(button)->click();
            });
        };
        auto *strip = window.findChild<ThumbnailStrip *>();
        strip->setFocus();
        answer(QMessageBox::No);
        QTest::keyClick(strip, Qt::Key_Delete);
        QCOMPARE(asked, u"Do you want to delete object?"_s);
        QCOMPARE(album.objectCount(), 2);
        answer(QMessageBox::Yes);
        QTest::keyClick(strip, Qt::Key_Delete);
        QCOMPARE(album.objectCount(), 1);
        QCOMPARE(QFileInfo(album.object(0).mainFile).fileName(), u"b.jpg"_s);
        // Del with a modifier is not Del.
        asked.clear();
        answer(QMessageBox::Yes);
        QTest::keyClick(strip, Qt::Key_Delete, Qt::ShiftModifier);
        QCoreApplication::processEvents();
        QCOMPARE(album.objectCount(), 1);
        QVERIFY(asked.isEmpty());
    }

    void undoAndRedoFromTheMenuAndTheKeys()
    {
        MediaCopies media;
        TFrmMain window;
        AlbumDocument &album = window.album();
        QVERIFY(showTwoPhotos(window, media));
        QMenu *edit = window.menuBar()->actions().at(1)->menu();
        QAction *undo = edit->actions().at(0);
        QAction *redo = edit->actions().at(1);
        QCOMPARE(undo->text() + u'|' + undo->shortcut().toString(), u"Undo|Ctrl+Z"_s);
        QCOMPARE(redo->shortcuts(),
            QList<QKeySequence>({QKeySequence(u"Ctrl+Y"_s), QKeySequence(u"Ctrl+Shift+Z"_s)}));
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());

        QTimer::singleShot(0, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Yes)->click();
        });
        auto *strip = window.findChild<ThumbnailStrip *>();
        strip->setFocus();
        QTest::keyClick(strip, Qt::Key_Delete);
        QCOMPARE(album.objectCount(), 1);
        QCOMPARE(undo->text(), u"Undo Delete"_s);
        QVERIFY(undo->isEnabled());
        // The question box took the activation with it.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        strip->setFocus();
        QTest::keyClick(strip, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(album.objectCount(), 2);
        QCOMPARE(QFileInfo(album.object(0).mainFile).fileName(), u"a.jpg"_s);
        QCOMPARE(redo->text(), u"Redo Delete"_s);
        QTest::keyClick(strip, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(album.objectCount(), 1);
        QTest::keyClick(strip, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(strip, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(album.objectCount(), 1);

        // Typing a title is one step, undone as a whole.
        album.setModified(false);
        auto *pages = window.findChild<PropertyPages *>();
        pages->setCurrentIndex(PropertyPages::AlbumTab);
        auto *title = pages->widget(PropertyPages::AlbumTab)->findChildren<QLineEdit *>().first();
        QTest::keyClicks(title, u"Trip"_s);
        QCOMPARE(album.properties().title, u"Trip"_s);
        QVERIFY(album.modified());
        QCOMPARE(undo->text(), u"Undo Title"_s);
        undo->trigger();
        QCOMPARE(album.properties().title, QString());
        QCOMPARE(title->text(), QString());
        QVERIFY(!album.modified());

        // The strip's transition dialog is a step too.
        QTimer::singleShot(0, [] {
            if (auto *dialog = qobject_cast<TFrmTR *>(QApplication::activeModalWidget()))
                QTest::mouseClick(dialog, Qt::LeftButton, {}, QPoint(80, 2 * 40 + 20));
        });
        Q_EMIT strip->transitionClicked(0);
        QCOMPARE(album.object(0).transition, u"VERTICALWIPE"_s);
        QCOMPARE(undo->text(), u"Undo Transition"_s);
        undo->trigger();
        QCOMPARE(album.object(0).transition, u"ALPHABLEND"_s);

        // Playing turns both off, as it does editing.
        window.state().playing = true;
        window.state().SetEditingEnabled(false);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QTest::keyClick(strip, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(album.objectCount(), 1);
        window.state().playing = false;
        window.state().SetEditingEnabled(true);
        QVERIFY(undo->isEnabled() && redo->isEnabled());
    }

    void selectingBringsTheObjectIntoViewAndPicksItsMember()
    {
        MediaCopies media;
        TFrmMain window;
        AlbumDocument &album = window.album();
        album.ClearAlbum(u"New album"_s);
        album.AddMediaFile(media.copy("color.jpg"), false, AlbumDocument::RootTarget);
        const AlbumObject photo = album.object(0);
        for (int i = 1; i < 300; ++i)
            album.appendObject(photo, OutlineNode{QString::number(i + 1), {}});
        // Two photos-with-music objects at the end, their current photos
        // the third and the second.
        AlbumObject music = photo;
        music.kind = ObjectKind::AudioWithStill;
        music.memberFiles = {photo.mainFile, photo.mainFile, photo.mainFile};
        music.memberDurations = {u"2"_s, u"2"_s, u"2"_s};
        music.currentMember = 2;
        album.appendObject(music, OutlineNode{u"301"_s, {}});
        music.currentMember = 1;
        album.appendObject(music, OutlineNode{u"302"_s, {}});
        album.setCurrentObject(0);
        window.resize(1000, 760);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *transport = window.findChild<TransportBar *>();
        auto *strip = window.findChild<ThumbnailStrip *>();
        auto *timeline = window.findChild<TimelineView *>();
        const auto inView = [](QAbstractScrollArea *area, const QRect &r) {
            return area->viewport()->rect().contains(r.center());
        };
        QTest::mouseClick(transport->button(TransportBar::Last), Qt::LeftButton);
        QCOMPARE(album.currentObject(), 301);
        QVERIFY(inView(strip, strip->panelRect(301)));
        QVERIFY(inView(timeline, timeline->rowRect(301)));
        QCOMPARE(album.currentMemberIndex(), 1);
        // Shown highlighted: its name bar is navy.
        const QRect panel = strip->panelRect(301);
        const QImage shot = strip->viewport()->grab().toImage();
        QCOMPARE(shot.pixelColor(panel.center().x(), panel.bottom() - 8), QColor(0, 0, 128));
        // Pre selects the other one's own photo, not the member before.
        QTest::mouseClick(transport->button(TransportBar::Previous), Qt::LeftButton);
        QCOMPARE(album.currentObject(), 300);
        QCOMPARE(album.currentMemberIndex(), 2);
        QTest::mouseClick(transport->button(TransportBar::First), Qt::LeftButton);
        QVERIFY(inView(strip, strip->panelRect(0)));
        QCOMPARE(timeline->horizontalScrollBar()->value(), 0);
    }

    void theTransportAndTheRulerAreLaidOutAsTheWindowsRulesSay()
    {
        TFrmMain window;
        window.resize(1000, 760);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto *bar = window.findChild<TransportBar *>();
        bar->resize(601, bar->height());
        const int play = bar->button(TransportBar::Play)->x();
        QCOMPARE(play, (601 - bar->button(TransportBar::Play)->width()) / 2);
        QCOMPARE(bar->button(TransportBar::Pause)->x(), play + 40);
        QCOMPARE(bar->button(TransportBar::Stop)->x(), play + 70);
        QVERIFY(bar->button(TransportBar::Previous)->geometry().right() < play);
        QVERIFY(bar->button(TransportBar::Next)->x()
            > bar->button(TransportBar::Stop)->geometry().right());
        QCOMPARE(bar->findChild<QSlider *>()->x(), 601 - 75);
        QLabel *speaker = nullptr;
        for (QLabel *label : bar->findChildren<QLabel *>()) {
            if (label->toolTip() == u"Volume"_s)
                speaker = label;
        }
        QVERIFY(speaker);
        QCOMPARE(speaker->x(), 601 - 90);

        // Marks of 2, 5 and 10 px of the 25 px ruler (10, 20 and 40 %
        // rounded), the label's top at 10 px.
        auto *timeline = window.findChild<TimelineView *>();
        const QImage ruler = timeline->viewport()->grab().toImage();
        const auto dark = [&ruler](int x, int y) { return qGray(ruler.pixel(x, y)) < 128; };
        const auto markLength = [&dark](int x) {
            int y = 0;
            while (dark(x, y))
                ++y;
            return y;
        };
        QCOMPARE(markLength(5), 2);
        QCOMPARE(markLength(75), 5);
        QCOMPARE(markLength(50), 10);
        QCOMPARE(markLength(150), 10);
        int top = 25;
        for (int x = 30; x < 70; ++x) {
            for (int y = 0; y < 25 && x % 5 != 0; ++y) {
                if (dark(x, y))
                    top = std::min(top, y);
            }
        }
        const QFontMetrics metrics(timeline->font());
        QCOMPARE(top, 10 + metrics.ascent() + metrics.tightBoundingRect(u"0:0:1"_s).top());
    }

    void dragsReorderAndResize()
    {
        MediaCopies media;
        TFrmMain window;
        AlbumDocument &album = window.album();
        album.ClearAlbum(u"New album"_s);
        for (const char *name : {"a.jpg", "b.jpg", "c.jpg"})
            album.AddMediaFile(media.copy("color.jpg", QString::fromLatin1(name)), false,
                AlbumDocument::RootTarget);
        album.setModified(false);
        window.resize(1000, 760);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto order = [&album] {
            QString o;
            for (int i = 0; i < album.objectCount(); ++i)
                o += QFileInfo(album.object(i).mainFile).baseName();
            return o;
        };

        // Only the selected panel drags; a short drag snaps back.
        auto *strip = window.findChild<ThumbnailStrip *>();
        QWidget *cells = strip->viewport();
        const QPoint first = strip->panelRect(0).center();
        QTest::mouseClick(cells, Qt::LeftButton, {}, first);
        QCOMPARE(album.currentObject(), 0);
        QTest::mousePress(cells, Qt::LeftButton, {}, first);
        QTest::mouseMove(cells, first + QPoint(40, 10));
        QTest::mouseRelease(cells, Qt::LeftButton, {}, first + QPoint(40, 10));
        QCOMPARE(order(), u"abc"_s);
        QVERIFY(!album.modified());
        const QPoint third = strip->panelRect(2).center();
        QTest::mousePress(cells, Qt::LeftButton, {}, first);
        QTest::mouseMove(cells, third);
        QTest::mouseRelease(cells, Qt::LeftButton, {}, third);
        QCOMPARE(order(), u"bca"_s);
        QCOMPARE(album.currentObject(), 2);
        QVERIFY(album.modified());

        // The last row dragged before the first becomes object 1.
        auto *timeline = window.findChild<TimelineView *>();
        QWidget *rows = timeline->viewport();
        const QPoint last = timeline->rowRect(2).center();
        QTest::mousePress(rows, Qt::LeftButton, {}, last);
        QTest::mouseMove(rows, QPoint(2, last.y()));
        QTest::mouseRelease(rows, Qt::LeftButton, {}, QPoint(2, last.y()));
        QCOMPARE(order(), u"abc"_s);

        // A photo's block does not resize; with sound it does, at its edge.
        album.setCurrentObject(0);
        const QRect row = timeline->rowRect(0);
        const QPoint edge(row.right() - 2, row.top() + 5);
        QTest::mousePress(rows, Qt::LeftButton, {}, edge);
        QTest::mouseMove(rows, edge - QPoint(100, 0));
        QTest::mouseRelease(rows, Qt::LeftButton, {}, edge - QPoint(100, 0));
        QCOMPARE(album.object(0).durationSeconds, u"5"_s);
        AlbumObject o = album.object(0);
        o.kind = ObjectKind::StillWithAudio;
        album.updateObject(0, o);
        QTest::mousePress(rows, Qt::LeftButton, {}, edge);
        const QPoint released(row.left() + 98, edge.y());
        QTest::mouseMove(rows, released);
        // The marker: black, 3 px wide, as high as the row, at x + 1.
        const QImage during = rows->grab().toImage();
        for (int x = 0; x < 3; ++x)
            QCOMPARE(during.pixel(released.x() + 1 + x, row.center().y()), qRgb(0, 0, 0));
        QVERIFY(during.pixel(released.x() + 4, row.top() + 30) != qRgb(0, 0, 0));
        QTest::mouseRelease(rows, Qt::LeftButton, {}, released);
        QCOMPARE(album.object(0).durationSeconds, u"2"_s); // 102 px
        QCOMPARE(timeline->rowRect(0).width(), 100);
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
