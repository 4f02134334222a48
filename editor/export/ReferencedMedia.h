#pragma once

#include <QString>
#include <QStringList>

// The media files a playlist on a player uses, read the way the playlist
// reader reads it: the background's sound files (whether or not they
// exist), then each entry's picture and sound (only those that exist).
// Relative paths resolve against the player's root. A file that cannot be
// read gives what was collected before the fault.
namespace ReferencedMedia {

QStringList of(const QString &albumPath, const QString &playerRoot);

} // namespace ReferencedMedia
