#pragma once

#include <QString>

class AlbumDocument;

// An album file that cannot be read leaves an empty album and says so,
// naming the file and the reason.
void reportUnreadableAlbum(AlbumDocument &album, const QString &path, const QString &reason);
