#pragma once

#include "ExportPaths.h"

#include <optional>

#include <QString>

class AlbumDocument;
class ManifestWriter;

// Feed an image or music album into the writer, as saved (stored paths) or
// as exported (relative escaped paths, rights text). Nothing is fed when an
// object cannot be produced whole: the reason comes back instead, so that a
// good file is never replaced by a shortened one.
std::optional<QString> BuildSaveManifest(ManifestWriter &writer, const AlbumDocument &album);
// Exported, media take the names the export gave them, and objects using
// media that did not reach the export are not written.
std::optional<QString> BuildExportManifest(
    ManifestWriter &writer, const AlbumDocument &album, const ExportedMedia &media = {});
