#pragma once

#include "AlbumDocument.h"
#include "CompanionLibraries.h"
#include "EditingCommands.h"
#include "EditorState.h"
#include "ExportCommands.h"
#include "FileCommands.h"
#include "HelpLibrary.h"
#include "LifecycleCommands.h"
#include "PlayerCommands.h"
#include "PropertyCommands.h"
#include "SlideCommands.h"
#include "TimelineCommands.h"
#include "UndoHistory.h"
#include "VideoExportCommands.h"
#include "WidgetPrompts.h"

#include <QMainWindow>

class QAction;
class PreviewPlayer;
class QLabel;
class WorkProgressBar;
class QMenu;
class FileBrowserPane;
class QSlider;
class ThumbnailStrip;
class TimelineView;
class TransportBar;

// The editor's main window: menus, tool buttons, the album page, the
// preview, the thumbnail strip and the status bar, bound to the commands
// and the album document. It holds no album data of its own.
class TFrmMain final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TFrmMain)

public:
    explicit TFrmMain(QWidget *parent = nullptr);

    AlbumDocument &album() { return m_album; }
    EditorState &state() { return m_state; }
    LifecycleCommands &lifecycle() { return m_lifecycle; }
    UndoHistory &history() { return m_history; }
    const CommandContext &context() const { return m_context; }
    FileCommands &files() { return m_files; }
    CommandPrompts &prompts() { return m_prompts; }
    CompanionLibraries &companions() { return m_companions; }
    FileBrowserPane &browser() { return *m_browser; }
    // Opens what the command line names and points the file browser at the
    // folder of the first file, or at the home folder.
    void startWith(const QStringList &arguments);
    // What a later start of the editor was given.
    void openFromAnotherStart(const QStringList &arguments);
    // Files dropped on the window from the desktop.
    void dropFiles(const QStringList &files);
    // The playback volume, 10..10000, as the slider gives it.
    int volume() const;
    void setVolume(int volume);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    using Handler = std::function<void()>;
    static void showsDel(QAction *action);
    QWidget *buildTimelineLabels();
    QAction *command(
        QMenu *menu, const QString &caption, const QKeySequence &shortcut, Handler handler);
    void buildMenus();
    void buildUndoCommands(QMenu *menu);
    void buildToolBar();
    QMenu *buildMusicMenu();
    QMenu *buildStripMenu();
    void bindState();
    void installHooks();
    void selectObject(int index, int mode);
    void showPreview(int index, int member);
    void showPicture(const QImage &picture);
    void bindTimeline();
    QWidget *buildStripBox();
    void transportPressed(int button);
    void showStatus();
    // Play down while playing, Pause down while paused, Stop while either.
    void showTransport();
    void bindPlayback();
    // The albums opened or saved last, each opening as Open opens it.
    void buildRecentMenu(QMenu *menu);
    // Shows the slideshow full screen from where the Slide command said.
    void slideshow(std::optional<SlideCommands::Start> start);

    WidgetPrompts m_prompts;
    AlbumDocument m_album;
    EditorState m_state;
    UndoHistory m_history;
    CommandContext m_context;
    FileCommands m_files;
    EditingCommands m_editing;
    PropertyCommands m_properties;
    TimelineCommands m_timelineCommands;
    LifecycleCommands m_lifecycle;
    ExportCommands m_export;
    VideoExportCommands m_video;
    PlayerCommands m_player;
    SlideCommands m_slides;
    HelpLibrary m_help;
    CompanionLibraries m_companions;

    ThumbnailStrip *m_strip = nullptr;
    TimelineView *m_timeline = nullptr;
    TransportBar *m_transport = nullptr;
    FileBrowserPane *m_browser = nullptr;
    QSlider *m_thumbSize = nullptr;
    QLabel *m_percent = nullptr;
    PreviewPlayer *m_preview = nullptr;
    QLabel *m_typeLabel = nullptr;
    QLabel *m_rowLabel = nullptr;
    QLabel *m_audioLane = nullptr;
    // Status panels counted from 0: 1 total time, 2 background music,
    // 4 the current object or the reading progress.
    QLabel *m_panels[5] = {};
    WorkProgressBar *m_work = nullptr;
    QMenu *m_objectMenu = nullptr;
    QHash<QString, QAction *> m_actions;
};
