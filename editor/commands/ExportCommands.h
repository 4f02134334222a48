#pragma once

#include "CommandContext.h"

#include <functional>

class FileCommands;

#include <QStringList>

// Export of the album with all its media to a folder on the disk.
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

private:
    void error(const QString &text) const;

    CommandContext m_ctx;
    FileCommands &m_files;
};
