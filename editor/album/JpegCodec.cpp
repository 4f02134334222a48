#include "JpegCodec.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace {

// libjpeg's default error_exit calls exit(); this one jumps back instead.
struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void jumpOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<ErrorManager *>(info->err)->jump, 1);
}

void ignoreMessage(j_common_ptr) { }

int coveringDenominator(const jpeg_decompress_struct &info, QSize cover)
{
    if (cover.isEmpty())
        return 1;
    for (int denom : {8, 4, 2}) {
        const auto w = (info.image_width + denom - 1) / denom;
        const auto h = (info.image_height + denom - 1) / denom;
        if (w >= JDIMENSION(cover.width()) && h >= JDIMENSION(cover.height()))
            return denom;
    }
    return 1;
}

// Only trivially destructible locals live in the frames that setjmp guards:
// the jump skips no destructor, and the image lives in the caller's frame.
bool decodeInto(QImage *image, const uchar *data, qsizetype size, QSize cover, bool headerOnly,
    JpegCodec::Header *header)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = ignoreMessage;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    jpeg_read_header(&info, TRUE);
    header->width = int(info.image_width);
    header->height = int(info.image_height);
    header->components = info.num_components;
    if (headerOnly || JpegCodec::tooLarge(QSize(header->width, header->height))) {
        jpeg_destroy_decompress(&info);
        return headerOnly;
    }
    info.scale_num = 1;
    info.scale_denom = coveringDenominator(info, cover);
    info.out_color_space = JCS_EXT_BGRX; // QImage::Format_RGB32 byte order
    if (!cover.isEmpty()) {
        info.dct_method = JDCT_IFAST;
        info.do_fancy_upsampling = FALSE;
    }
    jpeg_start_decompress(&info);
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    if (image->isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        if (jpeg_read_scanlines(&info, &row, 1) != 1)
            break;
    }
    jpeg_abort_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

namespace JpegCodec {

bool looksLikeJpeg(const uchar *data, qsizetype size)
{
    return size >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

std::optional<Header> readHeader(const uchar *data, qsizetype size)
{
    QImage unused;
    Header header;
    if (!looksLikeJpeg(data, size) || !decodeInto(&unused, data, size, {}, true, &header))
        return std::nullopt;
    return header;
}

QImage decode(const uchar *data, qsizetype size, QSize cover)
{
    QImage image;
    Header header;
    if (!looksLikeJpeg(data, size) || !decodeInto(&image, data, size, cover, false, &header))
        return {};
    return image;
}

} // namespace JpegCodec
