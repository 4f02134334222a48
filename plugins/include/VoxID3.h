#pragma once

#include <stdint.h>

// C entry points of the tag companion library (DLL/VoxID3.so).
#ifdef __cplusplus
extern "C" {
#endif

// Filled by the library; zeroed by the caller before the first call. The
// texts stay valid until the next call from the same thread; `rights` may be
// null.
typedef struct ID3InfoRecord
{
    int32_t found;
    int32_t reserved;
    const char *title;
    const char *artist;
    const char *album;
    const char *year;
    const char *rights;
    const char *comment;
    const char *genre;
} ID3InfoRecord;

// ID3 version 1 tag.
void ReadID3Info(ID3InfoRecord *record, const char *path);
// ID3 version 2 tag.
void ReadID3Info2(ID3InfoRecord *record, const char *path);

#ifdef __cplusplus
}
#endif
