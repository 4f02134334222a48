#pragma once

#include "ReaderHooks.h"

class AlbumDocument;

// Rebuilds a PPL album from a playlist: background music tracks, then photos,
// photos with sound and (never written, but read) music tracks in the
// foreground. Entries whose files do not exist are left out. A file that
// cannot be parsed leaves an empty album and a message; false then.
//
// playerRoot: when the album is opened from a player, its root folder;
// relative paths are then resolved against it and texts are UTF-8.
bool ReadPlaylist(AlbumDocument &album, const QString &path, const QString &playerRoot = {},
    const ReaderHooks &hooks = {});

// A playlist entry's path: used unchanged when it holds ":\", else joined to
// the root (the player's root, or the album folder).
QString ResolvePlayerPath(const QString &text, const QString &root);
