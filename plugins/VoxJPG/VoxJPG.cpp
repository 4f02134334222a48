#include "VoxJPG.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <libexif/exif-data.h>

namespace {

using ExifPtr = std::unique_ptr<ExifData, decltype(&exif_data_unref)>;

ExifPtr loadExif(const char *path)
{
    return ExifPtr(path ? exif_data_new_from_file(path) : nullptr, &exif_data_unref);
}

// Walks the marker segments in front of the first scan and returns the
// first comment segment's text.
bool findCommentMarker(const char *path, std::string &comment)
{
    std::unique_ptr<FILE, decltype(&std::fclose)> file(std::fopen(path, "rb"), &std::fclose);
    if (!file || std::fgetc(file.get()) != 0xFF || std::fgetc(file.get()) != 0xD8)
        return false;
    while (true) {
        int byte = std::fgetc(file.get());
        if (byte != 0xFF)
            return false;
        int marker;
        do
            marker = std::fgetc(file.get());
        while (marker == 0xFF);
        if (marker == EOF || marker == 0xDA || marker == 0xD9)
            return false;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7))
            continue;
        const int high = std::fgetc(file.get());
        const int low = std::fgetc(file.get());
        if (high == EOF || low == EOF)
            return false;
        const long length = (long(high) << 8 | low) - 2;
        if (length < 0)
            return false;
        if (marker == 0xFE) {
            std::vector<char> text(size_t(length) + 1, '\0');
            const size_t got = std::fread(text.data(), 1, size_t(length), file.get());
            comment.assign(text.data(), std::min(got, std::char_traits<char>::length(text.data())));
            return true;
        }
        if (std::fseek(file.get(), length, SEEK_CUR) != 0)
            return false;
    }
}

std::string exifDescription(const char *path)
{
    const ExifPtr exif = loadExif(path);
    if (!exif)
        return {};
    ExifEntry *entry = exif_data_get_entry(exif.get(), EXIF_TAG_IMAGE_DESCRIPTION);
    if (!entry)
        return {};
    char value[1024] = {};
    exif_entry_get_value(entry, value, sizeof value);
    return value;
}

} // namespace

extern "C" {

const char *ReadFileComment(const char *path)
{
    thread_local std::string comment;
    comment.clear();
    if (path && !findCommentMarker(path, comment))
        comment = exifDescription(path);
    return comment.c_str();
}

VoxPicture *ReadThumb(const char *path)
{
    const ExifPtr exif = loadExif(path);
    if (!exif || !exif->data || exif->size == 0)
        return nullptr;
    auto *bytes = new unsigned char[exif->size];
    std::copy(exif->data, exif->data + exif->size, bytes);
    return new VoxPicture{bytes, exif->size};
}

void ReleaseThumb(VoxPicture *picture)
{
    if (!picture)
        return;
    delete[] picture->jpegData;
    delete picture;
}

} // extern "C"
