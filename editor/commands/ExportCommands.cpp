#include "ExportCommands.h"

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "CommandPrompts.h"
#include "EditorState.h"
#include "ExportFileList.h"
#include "ExportLayout.h"
#include "ExportPlan.h"
#include "FileCommands.h"
#include "Texts.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

using namespace Qt::Literals::StringLiterals;

ExportCommands::ExportCommands(CommandContext context, FileCommands &files)
    : freeSpaceKB(&ExportCommands::FreeSpaceKB)
    , m_ctx(context)
    , m_files(files)
{ }

bool ExportCommands::canExport() const
{
    if (m_ctx.album.objectCount() == 0) {
        error(text(Texts::NoFileToExport));
        return false;
    }
    if (!ExportFileList::hasFiles(ExportFileList::BuildExportFileList(m_ctx.album))) {
        error(text(Texts::NotEnoughToExport));
        return false;
    }
    return true;
}

void ExportCommands::mnuExport_HDDClick()
{
    if (m_ctx.state.playing || !canExport())
        return;
    const QString path = m_files.askSaveName(QFileInfo(m_ctx.album.fileName()).completeBaseName());
    if (!path.isEmpty())
        exportToDisk(path);
}

qint64 ExportCommands::FreeSpaceKB(const QString &folder)
{
    // The folder may not exist yet: the disk is the one of its nearest
    // existing parent.
    QString existing = QDir::cleanPath(QFileInfo(folder).absoluteFilePath());
    while (!QFileInfo(existing).isDir() && existing != u"/")
        existing = QFileInfo(existing).absolutePath();
    const QStorageInfo storage(existing);
    return storage.isValid() ? storage.bytesAvailable() / 1024 : 0;
}

void ExportCommands::error(const QString &text) const
{
    m_ctx.confirm(text, UserPrompts::Buttons::Ok, UserPrompts::Icon::Error);
}

bool ExportCommands::exportToDisk(const QString &albumPath)
{
    const AlbumDocument &album = m_ctx.album;
    if (!canExport())
        return false;
    const QStringList list = ExportFileList::BuildExportFileList(album);
    const QFileInfo chosen(albumPath);
    const ExportLayout layout = ExportLayout::of(
        ExportLayout::Target::Disk, album.albumType(), chosen.absolutePath(), chosen.fileName());
    if (QFileInfo::exists(layout.albumFile)
        && !m_ctx.askYesNo(text(Texts::AlbumFileExists) + text(Texts::TwoLineBreaks)
            + layout.albumFile + text(Texts::TwoLineBreaks) + text(Texts::OverwriteQuestion)))
        return false;
    if (freeSpaceKB(chosen.absolutePath()) < album.accumulatedSizeKB()) {
        error(text(Texts::NotEnoughSpace));
        return false;
    }
    for (const QString &folder : layout.folders) {
        if (!QDir().mkpath(folder)) {
            error(u"The folder "_s + folder + u" could not be created."_s);
            return false;
        }
    }
    const QStringList failures
        = m_ctx.prompts.runCopies(ExportPlan::plan(list, layout.copyRoot)).failures;
    if (const auto error = AlbumFiles::exportForm(album, layout.albumFile)) {
        this->error(text(Texts::UnwritableAlbum) + text(Texts::TwoLineBreaks) + layout.albumFile
            + text(Texts::TwoLineBreaks) + *error);
        return false;
    }
    if (!failures.isEmpty()) {
        error(u"These files could not be copied:"_s + text(Texts::TwoLineBreaks)
            + failures.join(u"\r\n"_s));
        return false;
    }
    return true;
}
