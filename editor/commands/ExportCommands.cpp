#include "ExportCommands.h"

#include "AlbumDocument.h"
#include "AlbumFiles.h"
#include "CommandPrompts.h"
#include "DeviceSelection.h"
#include "EditorState.h"
#include "ExportFileList.h"
#include "ExportLayout.h"
#include "ExportNames.h"
#include "ExportPaths.h"
#include "ExportPlan.h"
#include "FileCommands.h"
#include "MediaClass.h"
#include "PhotoHandOver.h"
#include "PlayerRefresh.h"
#include "RemovableMounts.h"
#include "Texts.h"

#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>
#include <QTemporaryDir>

using namespace Qt::Literals::StringLiterals;

namespace {

// The first folder from root down to folder (root excluded) that is a link,
// or empty.
QString linkBelow(const QString &root, const QString &folder)
{
    const QString base = QDir::cleanPath(root);
    const QString relative = QDir(base).relativeFilePath(folder);
    QString path = base;
    for (const QString &part : relative.split(u'/', Qt::SkipEmptyParts)) {
        path += u'/' + part;
        if (QFileInfo(path).isSymLink())
            return path;
    }
    return {};
}

} // namespace

ExportCommands::ExportCommands(CommandContext context, FileCommands &files)
    : freeSpaceKB(&ExportCommands::FreeSpaceKB)
    , removableMounts([] { return RemovableMounts::list(); })
    , m_ctx(context)
    , m_files(files)
{ }

bool ExportCommands::canExport() const
{
    if (m_ctx.refusedWhileOpening())
        return false;
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

bool ExportCommands::prepare(
    const ExportLayout &layout, const QString &spaceFolder, UserPrompts::Icon spaceIcon) const
{
    if (QFileInfo::exists(layout.albumFile)
        && !m_ctx.askYesNo(text(Texts::AlbumFileExists) + text(Texts::TwoLineBreaks)
            + layout.albumFile + text(Texts::TwoLineBreaks) + text(Texts::OverwriteQuestion)))
        return false;
    if (freeSpaceKB(spaceFolder) < m_ctx.album.accumulatedSizeKB()) {
        m_ctx.confirm(text(Texts::NotEnoughSpace), UserPrompts::Buttons::Ok, spaceIcon);
        return false;
    }
    for (const QString &folder : layout.folders) {
        // A link where a folder of the layout goes would take the media
        // anywhere: refused.
        if (const QString link = linkBelow(layout.root, folder); !link.isEmpty()) {
            error(u"The folder "_s + link + u" is a link to "_s + QFileInfo(link).symLinkTarget()
                + u"; the export writes nothing through it."_s);
            return false;
        }
        if (!QDir().mkpath(folder)) {
            error(u"The folder "_s + folder + u" could not be created."_s);
            return false;
        }
    }
    return true;
}

ExportCommands::Finished ExportCommands::finish(const ExportLayout &layout,
    const CopyOutcome &copied, const QHash<QString, QString> &renamed) const
{
    const QStringList &missing = copied.missingSources;
    const ExportedMedia media{QSet<QString>(missing.begin(), missing.end()), renamed};
    Finished finished;
    QStringList failures;
    if (const auto error = AlbumFiles::exportForm(m_ctx.album, layout.albumFile, media)) {
        failures.append(text(Texts::UnwritableAlbum) + text(Texts::TwoLineBreaks) + layout.albumFile
            + text(Texts::TwoLineBreaks) + *error);
        finished.albumWritten = false;
    }
    if (!copied.failures.isEmpty())
        failures.append(
            u"These files could not be copied, and the album file leaves out what uses them:"_s
            + text(Texts::TwoLineBreaks) + copied.failures.join(u"\r\n"_s));
    if (copied.cancelled)
        failures.append(
            u"The export was cancelled: the album file leaves out what was not copied."_s);
    // Whatever failed is told once, together.
    if (!failures.isEmpty())
        error(failures.join(text(Texts::TwoLineBreaks)));
    finished.complete = failures.isEmpty();
    return finished;
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
    if (!prepare(layout, chosen.absolutePath(), UserPrompts::Icon::Error))
        return false;
    const QHash<QString, QString> renamed = ExportNames::assign(list);
    return finish(
        layout, m_ctx.prompts.runCopies(ExportPlan::plan(list, layout.copyRoot, renamed)), renamed)
        .complete;
}

std::optional<QHash<QString, QString>> ExportCommands::stagePhotos(
    const QHash<QString, QString> &renamed, const QTemporaryDir &staging) const
{
    QHash<QString, QString> handedAs;
    for (auto it = renamed.begin(); it != renamed.end(); ++it) {
        if (exportFolderOf(it.key()) != ExportFolder::Photos)
            continue;
        const QString link = staging.filePath(it.value());
        QFile photo(it.key());
        if (!staging.isValid() || !photo.link(link)) {
            error(text(Texts::FileOpenError) + text(Texts::TwoLineBreaks) + it.key()
                + text(Texts::TwoLineBreaks)
                + (staging.isValid() ? photo.errorString() : staging.errorString()));
            return std::nullopt;
        }
        handedAs.insert(it.key(), link);
    }
    return handedAs;
}

void ExportCommands::mnuExport_EquipClick()
{
    if (m_ctx.state.playing || !canExport())
        return;
    DeviceSelection devices(m_ctx);
    devices.removableMounts = removableMounts;
    const auto chosen = devices.select(
        DeviceSelection::Purpose::Export, QFileInfo(m_ctx.album.fileName()).fileName());
    if (chosen)
        exportToPlayer(chosen->root, chosen->deviceName, chosen->albumName, chosen->device);
}

bool ExportCommands::exportToPlayer(const QString &root, const QString &deviceName,
    const QString &albumName, const QByteArray &device)
{
    const AlbumDocument &album = m_ctx.album;
    if (!canExport())
        return false;
    if (!device.isEmpty() && QStorageInfo(root).device() != device) {
        error(u"The player "_s + deviceName + u" is no longer at "_s + root
            + u": it was unplugged or its file system changed. Nothing was written."_s);
        return false;
    }
    m_ctx.state.playerRoot = root;
    // The hand-over's job text separates its parts with "|" and the
    // player's name from its command with ":".
    if (root.contains(u'|') || deviceName.contains(u'|') || deviceName.contains(u':')) {
        error(u"The player "_s + deviceName + u" at "_s + root
            + u" cannot be exported to: its folder or name holds \"|\" or \":\", which the "
              u"photo hand-over cannot take."_s);
        return false;
    }
    const QString suffix = FileFilters::albumExtension(album.albumType());
    const QString fileName = albumName.toLower().endsWith(suffix) ? albumName : albumName + suffix;
    const ExportLayout layout
        = ExportLayout::of(ExportLayout::Target::Player, album.albumType(), root, fileName);
    if (!prepare(layout, root, UserPrompts::Icon::Information))
        return false;
    const QStringList list = ExportFileList::BuildExportFileList(album);
    const QHash<QString, QString> renamed = ExportNames::assign(list);
    QTemporaryDir staging;
    const auto handedAs = stagePhotos(renamed, staging);
    if (!handedAs)
        return false;
    const PhotoHandOver::Split split = PhotoHandOver::split(list, root, deviceName, *handedAs);
    if (!split.photos.isEmpty()) {
        const auto handed
            = PhotoHandOver::run(split.job, m_ctx.state.programFolder, m_ctx.state.windowId);
        if (handed == PhotoHandOver::Result::LibraryMissing)
            error(PhotoHandOver::libraryPath(m_ctx.state.programFolder)
                + text(Texts::LibraryMissing));
        if (handed != PhotoHandOver::Result::Done)
            return false;
    }
    CopyOutcome copied;
    if (ExportFileList::hasFiles(split.rest))
        copied = m_ctx.prompts.runCopies(ExportPlan::plan(split.rest, layout.copyRoot, renamed));
    const Finished finished = finish(layout, copied, renamed);
    if (album.albumType() != AlbumType::Ppl)
        return finished.complete;
    // What arrived is made known to the player even when something failed;
    // only a whole export is called completed.
    if (finished.albumWritten)
        refreshMusicDatabase(m_ctx);
    if (finished.complete)
        m_ctx.confirm(
            text(Texts::ExportCompleted), UserPrompts::Buttons::Ok, UserPrompts::Icon::Information);
    return finished.complete;
}
