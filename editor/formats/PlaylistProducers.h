#pragma once

#include <optional>

#include <QSet>

#include <QString>

class AlbumDocument;

// Write a PPL album to path, as saved (stored paths, tracks from a player
// left out) or as exported (paths relative to the export root, every
// track). The error text when the file could not be written.
std::optional<QString> BuildSavePlaylist(const AlbumDocument &album, const QString &path);
// leftOut: media that did not reach the export; entries using them are not
// written.
std::optional<QString> BuildExportPlaylist(
    const AlbumDocument &album, const QString &path, const QSet<QString> &leftOut = {});
