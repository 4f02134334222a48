// libFuzzer target: the PPL playlist reader on any bytes, from disk and as
// if from a player.
#include "AlbumDocument.h"
#include "FuzzAlbum.h"
#include "PlaylistReader.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SilentPrompts prompts;
    AlbumDocument album(prompts);
    album.setAlbumType(AlbumType::Ppl);
    const QString path = fuzzInputFile(data, size, ".ppl");
    ReadPlaylist(album, path, size % 2 ? QDir::tempPath() : QString());
    return 0;
}
