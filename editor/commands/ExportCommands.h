#pragma once

#include "CommandContext.h"

#include "CopyEngine.h"
#include "ExportLayout.h"

#include <functional>
#include <optional>

#include <QHash>

#include <QStringList>

class DeviceSelection;
class QTemporaryDir;
class FileCommands;

// Export of the album with all its media to a folder on the disk or onto a
// player.
class ExportCommands
{
public:
    ExportCommands(CommandContext context, FileCommands &files);

    // Export to Harddisk: the save dialog (suggesting the album's name
    // without its extension), then exportToDisk().
    void mnuExport_HDDClick();
    // "No file to export." or "Not enough file to export": true when the
    // album has media to export.
    bool canExport() const;

    // Free space below a folder in units of 1024 bytes; replaceable so that
    // tests can ask for a full disk.
    std::function<qint64(const QString &folder)> freeSpaceKB;
    static qint64 FreeSpaceKB(const QString &folder);

    // Exports to the folder of albumPath, the album file taking its name:
    // the layout's folders, the media copied (asking before replacing a
    // file), then the album file. A copy that fails is reported at the end
    // in one list; true when everything was copied and written.
    bool exportToDisk(const QString &albumPath);

    // Export to Device: the device selection with the album name, then
    // exportToPlayer().
    void mnuExport_EquipClick();
    // Exports onto the player at root ("/" at the end): photos handed to
    // the hand-over library, the other media copied below System, the album
    // file in System/PhotoList (a PPL album then has the player rebuild its
    // music database). True when everything reached the player.
    // With `device`, the root must still be on that file system (the player
    // may have been unplugged since it was chosen, leaving its empty mount
    // point on the system's disk).
    bool exportToPlayer(const QString &root, const QString &deviceName, const QString &albumName,
        const QByteArray &device = {});

    // Replaceable so that tests choose among their own USB mounts.
    std::function<QStringList()> removableMounts;

private:
    void error(const QString &text) const;
    // The overwrite question for an existing album file, the free-space
    // test and the layout's folders; false when the export stops there.
    bool prepare(
        const ExportLayout &layout, const QString &spaceFolder, UserPrompts::Icon spaceIcon) const;
    struct Finished
    {
        bool albumWritten = true;
        // The album file written and every file copied.
        bool complete = true;
    };
    // Writes the album file without what did not reach the export, under
    // the names the export gave the media, and reports in one message what
    // failed: the album file, the files that could not be copied.
    Finished finish(const ExportLayout &layout, const CopyOutcome &copied,
        const QHash<QString, QString> &renamed) const;
    // Links in `staging` under their new names for the renamed photos, which
    // the hand-over library names after the file it reads; nothing (and the
    // reason shown) when one cannot be made.
    std::optional<QHash<QString, QString>> stagePhotos(
        const QHash<QString, QString> &renamed, const QTemporaryDir &staging) const;

    CommandContext m_ctx;
    FileCommands &m_files;
};
