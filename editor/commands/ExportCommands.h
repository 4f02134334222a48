#pragma once

#include "CommandContext.h"

#include <functional>

#include <QStringList>

// Export of the album with all its media to a folder on the disk.
class ExportCommands
{
public:
    explicit ExportCommands(CommandContext context);

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
    // Copies every planned file; the sources that could not be copied,
    // with their reasons.
    QStringList copyFiles(const QStringList &exportList, const QString &copyRoot);
    void error(const QString &text) const;

    CommandContext m_ctx;
};
