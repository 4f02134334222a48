#pragma once

#include "AlbumTypeTables.h"

#include <functional>

#include <QObject>

class UndoHistory;

// What the window shows besides the album itself, kept by the commands: the
// caption, the enabled commands and pages, and the flags the commands share.
// The window binds its widgets to it and fills in the hooks.
class EditorState final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(EditorState)

public:
    explicit EditorState(QObject *parent = nullptr);

    // Hooks into the window; each does nothing until the window sets it.
    struct Hooks
    {
        std::function<void(bool)> busyCursor;
        std::function<void(bool)> suspendTimeline;
        std::function<void()> processEvents;
        std::function<void()> stopPlayback;
        std::function<void()> clearPreview;
        std::function<void(int, int)> selectObject; // index, mode
        std::function<void()> exportToDevice;
        std::function<void(const QString &)> statusProgress; // status panel 4
        // Long work: what it is ("Adding %v of %m"), done of total so far
        // and the time it has taken; true when the user asked to cancel.
        // workFinished() takes the bar away.
        std::function<bool(const QString &, qsizetype, qsizetype, qint64)> workProgress;
        std::function<void()> workFinished;
    };
    Hooks hooks;

    // The wait cursor and a timeline that does not repaint, for the span of
    // a long command.
    class Busy
    {
    public:
        explicit Busy(const EditorState &state)
            : m_state(state)
        {
            state.busyCursor(true);
            state.suspendTimeline(true);
        }
        ~Busy()
        {
            m_state.suspendTimeline(false);
            m_state.busyCursor(false);
        }
        Q_DISABLE_COPY_MOVE(Busy)

    private:
        const EditorState &m_state;
    };

    void busyCursor(bool on) const { call(hooks.busyCursor, on); }
    void suspendTimeline(bool on) const { call(hooks.suspendTimeline, on); }
    void processEvents() const { call(hooks.processEvents); }
    void stopPlayback() const { call(hooks.stopPlayback); }
    void clearPreview() const { call(hooks.clearPreview); }
    void selectObject(int index, int mode) const { call(hooks.selectObject, index, mode); }
    void exportToDevice() const { call(hooks.exportToDevice); }
    bool workProgress(
        const QString &format, qsizetype done, qsizetype total, qint64 elapsedMs) const
    {
        return hooks.workProgress && hooks.workProgress(format, done, total, elapsedMs);
    }
    void workFinished() const { call(hooks.workFinished); }

    // Set by the playback engine; most commands do nothing while it is.
    bool playing = false;
    bool typeDialogShown = false;
    bool saveCompleted = false;
    // Cancel in the first album type dialog ends the editor.
    bool quitRequested = false;
    // The shared open dialog keeps the selection mode the last command set.
    bool openMultiple = true;
    // Where the programs and plug-ins lie, ending with "/".
    QString programFolder;
    // The root of the player chosen last, ending with "/".
    QString playerRoot;
    // The main window, the parent of the plug-ins' own windows.
    quintptr windowId = 0;
    // The window's undo history; none for tools without a window.
    UndoHistory *history = nullptr;

    const QString &caption() const { return m_caption; }
    void setCaption(const QString &caption);
    const QString &typeLabel() const { return m_typeLabel; }
    const QString &browserMask() const { return m_browserMask; }
    const CommandAvailability &commands() const { return m_commands; }
    // The commands as the window offers them: while playing, the add and
    // delete commands are off whatever the album type allows.
    CommandAvailability enabledCommands() const;
    bool editingEnabled() const { return m_editingEnabled; }
    void SetEditingEnabled(bool enabled);
    const PageLayout &pages() const { return m_pages; }
    bool saveCommandsEnabled() const { return m_saveCommandsEnabled; }
    void setSaveCommandsEnabled(bool enabled);
    int transitionChoice() const { return m_transitionChoice; }
    void setTransitionChoice(int choice);

    // Makes a property page the active one.
    void showPage(PageLayout::Page page);

    // The commands, pages, labels and mask of an album type.
    void applyAlbumType(AlbumType type, bool afterSaveQuestion);

Q_SIGNALS:
    void changed();
    // The active page changes only when asked for: applying an album type or
    // showPage(); other state changes leave the page the user chose.
    void activePageRequested();

private:
    template <typename F, typename... Args> static void call(const F &hook, Args... args)
    {
        if (hook)
            hook(args...);
    }

    bool m_editingEnabled = true;
    QString m_caption;
    QString m_typeLabel;
    QString m_browserMask;
    CommandAvailability m_commands;
    PageLayout m_pages;
    bool m_saveCommandsEnabled = true;
    int m_transitionChoice = 0;
};
