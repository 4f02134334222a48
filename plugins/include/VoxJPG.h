#pragma once

// C entry points of the JPEG companion library (DLL/VoxJPG.so). Paths are
// 8-bit zero-terminated texts in the file system's encoding.
#ifdef __cplusplus
extern "C" {
#endif

// A stored thumbnail: the JPEG stream of the photo's EXIF thumbnail.
typedef struct VoxPicture
{
    const unsigned char *jpegData;
    unsigned long jpegSize;
} VoxPicture;

// The photo's comment: the JPEG comment marker, else the EXIF image
// description; "" when it has none. The text stays valid until the next call
// from the same thread.
const char *ReadFileComment(const char *path);

// The photo's stored thumbnail, or null. Give it back with ReleaseThumb.
VoxPicture *ReadThumb(const char *path);
void ReleaseThumb(VoxPicture *picture);

#ifdef __cplusplus
}
#endif
