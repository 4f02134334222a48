#pragma once

#include "ReaderHooks.h"

class AlbumDocument;

// Rebuilds the album from an MPV manifest, the editor's own or another
// program's: elements are found by the words in their names, references are
// followed through the asset list, and whatever cannot be used (unknown
// elements, dangling references, missing files) is left out. A file that
// cannot be parsed, or a path that cannot be unescaped, leaves an empty
// album and a message; false then.
bool ReadManifest(AlbumDocument &album, const QString &path, const ReaderHooks &hooks = {});
