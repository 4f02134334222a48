#pragma once

#include <QString>

// Where an exported album's media go: Photos, Music or Movie by extension.
enum class ExportFolder { Photos, Music, Movie, None };
ExportFolder exportFolderOf(const QString &path);
// "Photos", "Music", "Movie"; empty for None.
QString exportFolderName(ExportFolder folder);

// A stored path as an exported manifest writes it: the escaped file name in
// the sibling media folder ("../Photos/a+b.jpg"), or the bare name.
QString ExportPath(const QString &path);

// A stored path as an exported playlist writes it: relative to the export
// root with backslashes ("System\Photos\a b.jpg"), empty for other files.
QString ExportPlaylistPath(const QString &path);
