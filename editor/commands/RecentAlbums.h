#pragma once

#include <QStringList>

// The albums opened or saved last, newest first, kept in the user's
// settings beside the volume.
namespace RecentAlbums {

inline constexpr qsizetype Limit = 8;

QStringList list();
// Puts the album first, once, and drops what falls past the limit; the
// desktop's recently used files list it too.
void add(const QString &path);

} // namespace RecentAlbums
