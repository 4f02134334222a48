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

bool looksLikeJpeg(const uchar *data, qsizetype size);

// Reads only the frame header: no pixel is decoded.
std::optional<Header> readHeader(const uchar *data, qsizetype size);

// Decodes at the smallest DCT scale whose picture still covers `cover`
// (the whole picture when `cover` is empty). A null image on failure; a
// truncated file decodes as far as its data goes.
QImage decode(const uchar *data, qsizetype size, QSize cover = {});

} // namespace JpegCodec
