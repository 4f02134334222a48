#pragma once

#include <optional>

#include "ExportPaths.h"

#include <QString>

class AlbumDocument;

// A PPL album as saved (stored paths, tracks from a player left out).
QByteArray SavedPlaylistBytes(const AlbumDocument &album);
// Writes a PPL album to path as exported (paths relative to the export
// root, every track); the error text when the file could not be written.
// Media take the names the export gave them; entries using media that did
// not reach the export are not written.
std::optional<QString> BuildExportPlaylist(
    const AlbumDocument &album, const QString &path, const ExportedMedia &media = {});
