#include "AlbumFiles.h"

#include "AlbumDocument.h"
#include "ManifestProducers.h"
#include "ManifestReader.h"
#include "ManifestWriter.h"
#include "MediaClass.h"
#include "PlaylistProducers.h"
#include "PlaylistReader.h"

#include <QFileInfo>

namespace AlbumFiles {

std::optional<AlbumType> typeOfPath(const QString &path)
{
    const QString ext = fileExtension(path).toLower();
    for (AlbumType type : {AlbumType::Image, AlbumType::Music, AlbumType::Ppl}) {
        if (ext == FileFilters::albumExtension(type))
            return type;
    }
    return std::nullopt;
}

bool read(
    AlbumDocument &album, const QString &path, const QString &playerRoot, const ReaderHooks &hooks)
{
    album.setFilePath(path);
    album.setAlbumFolder(QFileInfo(path).absolutePath() + u'/');
    album.setOpenedFromPlayer(!playerRoot.isEmpty());
    if (album.pplMode())
        return ReadPlaylist(album, path, playerRoot, hooks);
    return ReadManifest(album, path, hooks);
}

namespace {
std::optional<QString> write(const AlbumDocument &album, const QString &path, bool exporting)
{
    if (album.pplMode())
        return exporting ? BuildExportPlaylist(album, path) : BuildSavePlaylist(album, path);
    ManifestWriter writer;
    writer.BeginManifest();
    const auto refused
        = exporting ? BuildExportManifest(writer, album) : BuildSaveManifest(writer, album);
    if (refused)
        return refused;
    return writer.FinishManifest(path);
}
} // namespace

std::optional<QString> save(const AlbumDocument &album, const QString &path)
{
    return write(album, path, false);
}

std::optional<QString> exportForm(const AlbumDocument &album, const QString &path)
{
    return write(album, path, true);
}

} // namespace AlbumFiles
