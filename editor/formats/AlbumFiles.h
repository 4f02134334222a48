#pragma once

#include <QSet>

#include "AlbumType.h"
#include "ExportPaths.h"
#include "ReaderHooks.h"

#include <optional>

class AlbumDocument;

// Reading and writing a whole album file by its type: the one place that
// picks the manifest or the playlist format.
namespace AlbumFiles {

// .pvm image, .mum music, .ppl PPL (case ignored); empty for anything else.
std::optional<AlbumType> typeOfPath(const QString &path);

// Reads the file with the reader of the album's type. With a player root
// the album counts as opened from that player. False when it could not be
// read (the album is then empty and the reason was shown).
bool read(AlbumDocument &album, const QString &path, const QString &playerRoot = {},
    const ReaderHooks &hooks = {});

// Writes the album in its saved form, whole or not at all; the reason when
// nothing was written.
std::optional<QString> save(const AlbumDocument &album, const QString &path);
// The saved form's bytes into `bytes`; the reason when the album cannot
// be written.
std::optional<QString> savedForm(const AlbumDocument &album, QByteArray &bytes);
// The form that goes with exported media: relative paths, under the names
// the export gave the media; what uses media it could not bring is left
// out.
std::optional<QString> exportForm(
    const AlbumDocument &album, const QString &path, const ExportedMedia &media = {});

// What opening left out: "N entries of this album could not be found and
// were left out:" and the first few paths.
QString missingFilesReport(const QStringList &missing);
// The question before an incomplete album is written over its file.
QString saveWithoutMissingQuestion(const QStringList &missing);

} // namespace AlbumFiles
