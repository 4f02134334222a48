#pragma once

#include <QHash>
#include <QSet>
#include <QString>

// Where an exported album's media go: Photos, Music or Movie by extension.
enum class ExportFolder { Photos, Music, Movie, None };
ExportFolder exportFolderOf(const QString &path);
// "Photos", "Music", "Movie"; empty for None.
QString exportFolderName(ExportFolder folder);

// What an export did with the album's media, as its album file must say.
struct ExportedMedia
{
    // Media that did not reach the export: what uses them is left out.
    QSet<QString> leftOut;
    // Media given another name than their own (another file of the export
    // had it), by their stored path.
    QHash<QString, QString> renamed;

    // The name the medium has in the export.
    QString nameOf(const QString &path) const;
};

// A stored path as an exported manifest writes it: the escaped file name in
// the sibling media folder ("../Photos/a+b.jpg"), or the bare name.
QString ExportPath(const QString &path, const ExportedMedia &media = {});

// A stored path as an exported playlist writes it: relative to the export
// root with backslashes ("System\Photos\a b.jpg"), empty for other files.
QString ExportPlaylistPath(const QString &path, const ExportedMedia &media = {});
