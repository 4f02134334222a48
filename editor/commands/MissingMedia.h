#pragma once

#include <QHash>
#include <QStringList>

// Media an album names that have moved: found again by their file names
// below a folder, the names compared ignoring case. Of several files of one
// name, the one whose folders end like the missing path's folders wins
// (cam2/IMG_0001.JPG for /old/cam2/IMG_0001.JPG), then the first in name
// order.
namespace MissingMedia {

// Each missing path that was found -> where it is now.
QHash<QString, QString> findBelow(const QStringList &missing, const QString &folder);

} // namespace MissingMedia
