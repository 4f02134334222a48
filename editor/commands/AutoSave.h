#pragma once

#include "AlbumType.h"

#include <optional>

#include <QMutex>
#include <QObject>
#include <QThreadPool>
#include <QTimer>

class AlbumDocument;
class FileCommands;
struct CommandContext;

// Autosave and recovery: while the album is modified, its saved form is
// written every interval to a recovery copy in the user's state folder,
// off the window's thread and whole or not at all. Saving, a clean close or
// a No at the close question removes the copy; a copy found at start was
// left by an editor that did not end, and is offered back.
class AutoSave final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AutoSave)

public:
    static constexpr int DefaultSeconds = 60;

    // The copy and what it was taken from.
    struct Copy
    {
        QString file;
        QString original;
        AlbumType type = AlbumType::Image;
        // What it says of itself (may be missing).
        QString info;
    };

    AutoSave(const AlbumDocument &album, QString folder, QObject *parent = nullptr);
    ~AutoSave() override;

    // $XDG_STATE_HOME/quillan/recovery, else ~/.local/state/quillan/recovery.
    static QString defaultFolder();
    // The interval from the settings (AutosaveSeconds, 60 when unset).
    static int intervalSeconds();

    // Copies every `seconds` from now on, and drops the copy whenever the
    // album turns unmodified. Started after the recovery was offered.
    void start(int seconds);
    // Takes the album's saved form now when it is modified; the writing
    // runs on a worker.
    void saveNow();
    // Waits for a copy being written.
    void wait();
    // Removes the copy; a copy being written is dropped.
    void discard();

    // A copy in the folder left by an editor that does not run any more
    // (copies of running editors, here or on another host, are passed
    // over), if any.
    static std::optional<Copy> leftBehind(const QString &folder);
    // At start: "The album ... was not saved when the editor last ended.
    // Recover it?" Yes opens the copy as the album it was (its path and
    // type, modified) and takes the work over; No deletes it. Nothing else
    // is ever removed here.
    void offerRecovery(const CommandContext &context, FileCommands &files);

private:
    const AlbumDocument &m_album;
    QString m_folder;
    // This editor's own name in the folder: host, process, start.
    QString m_id;
    QTimer m_timer;
    QThreadPool m_writer;
    // Guards the copy's files and the generation: a discard makes the
    // writes taken before it stale.
    QMutex m_mutex;
    quint64 m_generation = 0;
    bool m_watching = false;
};
