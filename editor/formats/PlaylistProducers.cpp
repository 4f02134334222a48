#include "PlaylistProducers.h"

#include "AlbumDocument.h"
#include "ExportPaths.h"
#include "PlaylistWriter.h"
#include "WholeFile.h"

#include <QFile>

namespace {

QByteArray build(const AlbumDocument &album, bool exporting, const ExportedMedia &media)
{
    const auto kept = [&media](const QStringList &files) {
        return std::none_of(files.begin(), files.end(),
            [&](const QString &f) { return media.leftOut.contains(f); });
    };
    const auto file = [exporting, &media](const QString &p) {
        return exporting ? ExportPlaylistPath(p, media) : p;
    };
    PlaylistWriter writer;
    writer.BeginPlaylist();
    for (const BackgroundMusicEntry &music : album.properties().backgroundMusic) {
        if ((!exporting && music.source.contains(u"Dev", Qt::CaseInsensitive))
            || !kept({music.musicFile}))
            continue;
        writer.WritePlaylistEntry(
            false, PlaylistWriter::MusicTrack, {file(music.musicFile)}, {}, {});
    }
    for (int i = 0; i < album.objectCount(); ++i) {
        const AlbumObject &o = album.object(i);
        if (!kept(QStringList{o.mainFile} + o.memberFiles))
            continue;
        if (o.kind == ObjectKind::Still)
            writer.WritePlaylistEntry(
                true, PlaylistWriter::Photo, {file(o.mainFile)}, o.durationSeconds, o.transition);
        else if (o.kind == ObjectKind::StillWithAudio && !o.memberFiles.isEmpty())
            writer.WritePlaylistEntry(true, PlaylistWriter::PhotoWithSound,
                {file(o.mainFile), file(o.memberFiles[0])}, o.durationSeconds, o.transition);
    }
    return writer.playlistBytes();
}

} // namespace

QByteArray SavedPlaylistBytes(const AlbumDocument &album)
{
    return build(album, false, {});
}

std::optional<QString> BuildExportPlaylist(
    const AlbumDocument &album, const QString &path, const ExportedMedia &media)
{
    // Made new and renamed over whatever the target held (a link there is
    // replaced): a plain file.
    return replaceWholeFile(path, build(album, true, media), ReadableByAll);
}
