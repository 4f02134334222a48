#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// One file of an export: where it comes from and where it goes.
struct CopyJob
{
    QString source;
    QString target;
};

// The copies an export list asks for below the copy root: photos to
// Photos, sound to Music, videos to Movie, and everything after the marker
// to System/Photos, each under the name the export gave it. A file that
// already is its own target is left out, and so is a file whose extension
// no folder takes (it has nowhere to go), an empty path, and a file listed
// again (it is copied once).
namespace ExportPlan {

std::vector<CopyJob> plan(const QStringList &exportList, const QString &copyRoot,
    const QHash<QString, QString> &renamed = {});

} // namespace ExportPlan
