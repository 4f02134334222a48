#include "AlbumFiles.h"

#include "AlbumDocument.h"
#include "ManifestProducers.h"
#include "ManifestReader.h"
#include "ManifestWriter.h"
#include "MediaClass.h"
#include "PlaylistProducers.h"
#include "PlaylistReader.h"
#include "WholeFile.h"

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
// "1 entry", "3 entries".
QString entries(const QStringList &missing)
{
    return QString::number(missing.size()) + (missing.size() == 1 ? u" entry"_s : u" entries"_s);
}
QString wasOrWere(const QStringList &missing)
{
    return missing.size() == 1 ? u"was"_s : u"were"_s;
}
} // namespace

QString missingFilesReport(const QStringList &missing)
{
    constexpr qsizetype Shown = 5;
    QString text = entries(missing) + u" of this album could not be found and "_s
        + wasOrWere(missing) + u" left out:\r\n"_s;
    for (qsizetype i = 0; i < std::min(Shown, missing.size()); ++i)
        text += u"\r\n"_s + missing[i];
    if (missing.size() > Shown)
        text += u"\r\n..."_s;
    return text;
}

QString saveWithoutMissingQuestion(const QStringList &missing)
{
    return entries(missing) + u" of this album "_s + wasOrWere(missing)
        + u" not found when it was opened.\r\nSave the album without them? Its file then no "
          u"longer lists them."_s;
}

std::optional<QString> save(const AlbumDocument &album, const QString &path)
{
    QByteArray bytes;
    if (const auto refused = savedForm(album, bytes))
        return refused;
    return writeWholeFile(path, bytes);
}

std::optional<QString> savedForm(const AlbumDocument &album, QByteArray &bytes)
{
    if (album.pplMode()) {
        bytes = SavedPlaylistBytes(album);
        return std::nullopt;
    }
    ManifestWriter writer;
    writer.BeginManifest();
    if (const auto refused = BuildSaveManifest(writer, album))
        return refused;
    bytes = writer.manifestBytes();
    return std::nullopt;
}

std::optional<QString> exportForm(
    const AlbumDocument &album, const QString &path, const ExportedMedia &media)
{
    if (album.pplMode())
        return BuildExportPlaylist(album, path, media);
    ManifestWriter writer;
    writer.BeginManifest();
    if (const auto refused = BuildExportManifest(writer, album, media))
        return refused;
    // An export folder is anyone's: a link at the album file is replaced.
    return replaceWholeFile(path, writer.manifestBytes(), ReadableByAll);
}

} // namespace AlbumFiles
