#pragma once

#include <QSet>

#include <optional>

#include <QString>

class AlbumDocument;
class ManifestWriter;

// Feed an image or music album into the writer, as saved (stored paths) or
// as exported (relative escaped paths, rights text). Nothing is fed when an
// object cannot be produced whole: the reason comes back instead, so that a
// good file is never replaced by a shortened one.
std::optional<QString> BuildSaveManifest(ManifestWriter &writer, const AlbumDocument &album);
// leftOut: media that did not reach the export; objects using them are not
// written.
std::optional<QString> BuildExportManifest(
    ManifestWriter &writer, const AlbumDocument &album, const QSet<QString> &leftOut = {});
