#include "AlbumFiles.h"

#include "AlbumDocument.h"
#include "ManifestProducers.h"
#include "ManifestReader.h"
#include "ManifestWriter.h"
#include "MediaClass.h"
#include "PlaylistProducers.h"
#include "PlaylistReader.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

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

namespace {
// "3 entries ... were", "1 entry ... was".
QString entriesCount(const QStringList &missing, const char16_t *verbs[2])
{
    const bool one = missing.size() == 1;
    return QString::number(missing.size()) + (one ? u" entry"_s : u" entries"_s)
        + QString::fromUtf16(verbs[one ? 0 : 1]);
}
} // namespace

QString missingFilesReport(const QStringList &missing)
{
    constexpr qsizetype Shown = 5;
    const char16_t *verbs[2] = {u" of this album could not be found and was left out:",
        u" of this album could not be found and were left out:"};
    QString text = entriesCount(missing, verbs) + u"\r\n"_s;
    for (qsizetype i = 0; i < std::min(Shown, missing.size()); ++i)
        text += u"\r\n"_s + missing[i];
    if (missing.size() > Shown)
        text += u"\r\n..."_s;
    return text;
}

QString saveWithoutMissingQuestion(const QStringList &missing)
{
    const char16_t *verbs[2] = {u" of this album was not found when it was opened.",
        u" of this album were not found when it was opened."};
    return entriesCount(missing, verbs)
        + u"\r\nSave the album without them? Its file then no longer lists them."_s;
}

std::optional<QString> save(const AlbumDocument &album, const QString &path)
{
    return write(album, path, false);
}

std::optional<QString> exportForm(const AlbumDocument &album, const QString &path)
{
    return write(album, path, true);
}

} // namespace AlbumFiles
