// libFuzzer target: the MPV manifest reader on any bytes.
#include "AlbumDocument.h"
#include "FuzzAlbum.h"
#include "ManifestReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    SilentPrompts prompts;
    AlbumDocument album(prompts);
    ReadManifest(album, fuzzInputFile(data, size, ".pvm"));
    return 0;
}
