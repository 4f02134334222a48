#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The names an export gives its media. Each keeps its own name unless a
// different file of the same export already has it in the same folder,
// ignoring case as the players' file systems do; it then takes the first
// free "name_2.ext", "name_3.ext", ... So no two files of an export share a
// target, and the same album exports under the same names each time.
// Thumbnails after the list's marker keep their names.
namespace ExportNames {

// The renamed media of an export list, by their paths.
QHash<QString, QString> assign(const QStringList &exportList);

} // namespace ExportNames
