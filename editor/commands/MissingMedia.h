#pragma once

#include <QHash>
#include <QStringList>

// Media an album names that have moved: found again by their file names
// below a folder, the names compared ignoring case (the first in name order
// wins when several match).
namespace MissingMedia {

// Each missing path that was found -> where it is now.
QHash<QString, QString> findBelow(const QStringList &missing, const QString &folder);

} // namespace MissingMedia
