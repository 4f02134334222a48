// The main window offscreen: its menus, the strip bound to the album, and
// selection by clicking.

#include "AlbumFiles.h"
#include "ScriptedPrompts.h"
#include "TFrmMain.h"
#include "TestMedia.h"
#include "ThumbnailStrip.h"

#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>

using namespace Qt::Literals::StringLiterals;

class TestMainWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
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
    }

    void hasTheMenusOfTheWindow()
    {
        TFrmMain window;
        QStringList menus;
        for (const QAction *action : window.menuBar()->actions())
            menus.append(action->text());
        QCOMPARE(menus, QStringList({u"Album(&F)"_s, u"Edit Album(&E)"_s}));
        QStringList items;
        for (const QAction *action : window.menuBar()->actions().first()->menu()->actions())
            items.append(action->text() + u'|' + action->shortcut().toString());
        QVERIFY(items.contains(u"New Album(&N)|Ctrl+N"_s));
        QVERIFY(items.contains(u"Save Album(&S)|Ctrl+S"_s));
        QStringList edit;
        for (const QAction *action : window.menuBar()->actions().last()->menu()->actions())
            edit.append(action->text() + u'|' + action->shortcut().toString());
        QVERIFY(edit.contains(u"Add Movie(&V)|F2"_s));
        QVERIFY(edit.contains(u"Add Album(&A)|F5"_s));
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_MainWindow.moc"
