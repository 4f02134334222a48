#pragma once

#include "CopyEngine.h"
#include "DeviceChoice.h"
#include "UserPrompts.h"
#include "VideoRenderer.h"

#include <optional>

#include <QStringList>

#include <functional>

class ObjectDialogState;

// The device selection dialog: the players to choose from and, when
// exporting, the album name row.
struct DeviceAnswer
{
    int entry = 0;
    QString albumName;
};
struct DeviceRequest
{
    QString banner;
    bool albumNameRow = false;
    QString albumName;
    std::vector<DeviceChoice::Entry> entries;
    int selected = 0;
    // Asked on OK: false refuses the answer (the reason has been shown) and
    // the dialog stays open for another.
    std::function<bool(const DeviceAnswer &)> accepts;
};

// The player file chooser over one folder of the player.
struct PlayerFilesRequest
{
    enum class Mode { Delete, Open, Music };
    Mode mode = Mode::Open;
    QString caption;
    QString folder;
    // Name patterns, matched ignoring case like the player's file system.
    QStringList masks;
    // Delete mode: called with the chosen files and the two check boxes,
    // after which the chooser lists the folder again.
    std::function<void(const QStringList &files, bool images, bool audio)> deleteFiles;
};

// The video choices dialog: the sizes offered (the player's screen last)
// and the choices it opens with.
struct VideoFormatRequest
{
    QList<QSize> sizes;
    VideoFormat current;
};

// A video to render: the schedule, its format and the file.
struct RenderJob
{
    SlideshowSchedule schedule;
    VideoFormat format;
    QString path;
};

// The dialogs the commands open, beside the message boxes. The window shows
// real dialogs; tests script the answers.
class CommandPrompts : public UserPrompts
{
public:
    // The shared open dialog with a "description|patterns|" filter; the
    // chosen files in the dialog's order, empty when cancelled.
    virtual QStringList chooseOpenFiles(const QString &filter, bool multiple, const QString &title)
        = 0;
    // The save dialog; the name the user confirmed, empty when cancelled. The
    // commands check the name and ask again while they refuse it, which is
    // the dialog staying open.
    virtual QString chooseSaveFile(
        const QString &filter, const QString &defaultSuffix, const QString &suggestedName)
        = 0;
    // A folder dialog; the folder chosen, empty when cancelled.
    virtual QString chooseFolder(const QString &title) = 0;
    // The album type dialog: the choice clicked last (0 image, 1 music,
    // 2 PPL), or -1 for Cancel.
    virtual int chooseAlbumType() = 0;
    // The object property dialog over its working state; true for OK.
    virtual bool editObject(ObjectDialogState &state) = 0;
    // The overwrite dialog before a copy replaces `target`.
    using Overwrite = ::Overwrite;
    virtual Overwrite askOverwrite(const QString &target) = 0;
    // OK with a player chosen and the album name as typed; nothing for
    // Cancel. The commands check the name and ask again while they refuse it.
    virtual std::optional<DeviceAnswer> chooseDevice(const DeviceRequest &request) = 0;
    // The chosen files (open and music modes), empty for Close.
    virtual QStringList choosePlayerFiles(const PlayerFilesRequest &request) = 0;
    // The delete window: deletes the planned files one by one.
    virtual void runDeletes(
        const QStringList &files, const std::function<void(const QString &)> &remove)
    {
        for (const QString &file : files)
            remove(file);
    }
    // The update window, shown while `work` runs.
    virtual void runUpdate(const std::function<void()> &work) { work(); }
    // The size, rate and quality of a video; nothing for Cancel. Headless
    // prompts take the choices as they come.
    virtual std::optional<VideoFormat> chooseVideoFormat(const VideoFormatRequest &request)
    {
        return request.current;
    }
    // Renders with the progress window (frames, time left, Cancel), the
    // work off the window's thread. Headless prompts render in place.
    virtual VideoRenderer::Outcome runRender(const RenderJob &job)
    {
        const std::atomic_bool cancel = false;
        return VideoRenderer::render(job.schedule, job.format, job.path, {}, cancel);
    }
    // Copies an export's files with the copy window, asking askOverwrite()
    // before a file is replaced. Headless prompts copy in place.
    virtual CopyOutcome runCopies(const std::vector<CopyJob> &jobs)
    {
        return CopyEngine::run(
            jobs, {[this](const QString &target) { return askOverwrite(target); }, {}, {}});
    }
};
