#pragma once

#include <optional>

#include <QImage>
#include <QSize>

// JPEG decoding on libjpeg-turbo with an error manager that returns instead
// of ending the process, and DCT-domain scaling for small pictures.
namespace JpegCodec {

struct Header
{
    int width = 0;
    int height = 0;
    int components = 0;
};

// Pictures declaring more pixels are refused before anything is decoded: a
// progressive JPEG holds every coefficient of its full size in memory
// whatever the scale, and a file of a few hundred bytes may claim gigabytes.
inline constexpr qint64 MaxPixels = 100'000'000;
inline bool tooLarge(QSize size)
{
    return qint64(size.width()) * qint64(size.height()) > MaxPixels;
}

bool looksLikeJpeg(const uchar *data, qsizetype size);

// Reads only the frame header: no pixel is decoded.
std::optional<Header> readHeader(const uchar *data, qsizetype size);

// Decodes at the smallest DCT scale whose picture still covers `cover`
// (the whole picture when `cover` is empty). A null image on failure; a
// truncated file decodes as far as its data goes.
QImage decode(const uchar *data, qsizetype size, QSize cover = {});

} // namespace JpegCodec
