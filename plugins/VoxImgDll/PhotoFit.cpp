#include "PhotoFit.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSaveFile>
#include <QTransform>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <memory>

#include <jpeglib.h>
#include <libexif/exif-data.h>

using namespace Qt::Literals::StringLiterals;

namespace {

// Photos above this many pixels are refused rather than decoded.
constexpr qint64 MaxPixels = 200'000'000;
constexpr int Quality = 90;

struct ErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpOnError(j_common_ptr info)
{
    auto *errors = reinterpret_cast<ErrorManager *>(info->err);
    info->err->format_message(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void ignoreMessage(j_common_ptr) { }

int orientationOf(const QByteArray &data)
{
    std::unique_ptr<ExifData, decltype(&exif_data_unref)> exif(
        exif_data_new_from_data(
            reinterpret_cast<const unsigned char *>(data.constData()), unsigned(data.size())),
        &exif_data_unref);
    if (!exif)
        return 1;
    ExifEntry *entry = exif_data_get_entry(exif.get(), EXIF_TAG_ORIENTATION);
    if (!entry || entry->format != EXIF_FORMAT_SHORT || entry->components < 1)
        return 1;
    const int value = exif_get_short(entry->data, exif_data_get_byte_order(exif.get()));
    return value >= 1 && value <= 8 ? value : 1;
}

QImage upright(const QImage &image, int orientation)
{
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.transformed(QTransform().rotate(180));
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return image.transformed(QTransform().rotate(90));
    case 7:
        return image.transformed(QTransform().rotate(90)).mirrored(false, true);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

bool swapsSides(int orientation)
{
    return orientation >= 5;
}

// Decodes at the smallest DCT scale that still covers `cover`. Only
// trivially destructible locals live in this frame, which setjmp guards.
// With no image, reads the header alone.
bool decode(const QByteArray &data, QSize cover, QImage *image, QSize *size, char *why)
{
    jpeg_decompress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = ignoreMessage;
    if (setjmp(errors.jump)) {
        std::snprintf(why, JMSG_LENGTH_MAX, "%s", errors.message);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char *>(data.constData()),
        static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    *size = QSize(int(info.image_width), int(info.image_height));
    if (!image) {
        jpeg_destroy_decompress(&info);
        return true;
    }
    if (qint64(info.image_width) * info.image_height > MaxPixels) {
        std::snprintf(why, JMSG_LENGTH_MAX, "the picture is larger than %lld pixels",
            static_cast<long long>(MaxPixels));
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (!cover.isEmpty()) {
        info.scale_num = 1;
        for (unsigned denom : {8u, 4u, 2u, 1u}) {
            if ((info.image_width + denom - 1) / denom >= unsigned(cover.width())
                && (info.image_height + denom - 1) / denom >= unsigned(cover.height())) {
                info.scale_denom = denom;
                break;
            }
        }
    }
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    *image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    while (!image->isNull() && info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (image->isNull())
        std::snprintf(why, JMSG_LENGTH_MAX, "not enough memory for the picture");
    return !image->isNull();
}

bool encode(const QImage &image, QByteArray *out)
{
    jpeg_compress_struct info;
    ErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = jumpOnError;
    errors.base.output_message = ignoreMessage;
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    if (setjmp(errors.jump)) {
        jpeg_destroy_compress(&info);
        std::free(buffer);
        return false;
    }
    jpeg_create_compress(&info);
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(image.width());
    info.image_height = JDIMENSION(image.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, Quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<uchar *>(image.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    *out = QByteArray(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return true;
}

QString written(const QString &target, const QByteArray &bytes)
{
    // Every step is checked before the rename: a short write, a failed
    // flush or an error left on the file cancels it, and the old target
    // (if any) stays as it was. A QSaveFile writes where a link points; a
    // link on the player is anyone's, so it goes and the photo takes its
    // place.
    if (QFileInfo(target).isSymLink() && !QFile::remove(target))
        return QStringLiteral("a link in its place cannot be removed");
    QSaveFile file(target);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(bytes) != bytes.size() || !file.flush()
        || file.error() != QFileDevice::NoError) {
        const QString why = file.errorString();
        file.cancelWriting();
        return why;
    }
    if (!file.commit())
        return file.errorString();
    return {};
}

} // namespace

namespace PhotoFit {

QSize fitted(QSize size, QSize screen)
{
    if (size.isEmpty() || screen.isEmpty())
        return size;
    const double scale = std::min(
        {double(screen.width()) / size.width(), double(screen.height()) / size.height(), 1.0});
    return QSize(std::max(1, int(std::lround(size.width() * scale))),
        std::max(1, int(std::lround(size.height() * scale))));
}

QString fitPhoto(const QString &source, const QString &target, QSize screen)
{
    QFile in(source);
    if (!QFileInfo(source).isFile())
        return u"it is not a file"_s;
    if (!in.open(QIODevice::ReadOnly))
        return in.errorString();
    const QByteArray data = in.readAll();
    const int orientation = orientationOf(data);
    QImage image;
    QSize stored;
    char why[JMSG_LENGTH_MAX] = {};
    if (!decode(data, {}, nullptr, &stored, why))
        return QString::fromLocal8Bit(why);
    const QSize shown = swapsSides(orientation) ? stored.transposed() : stored;
    const QSize size = fitted(shown, screen);
    if (size == shown && orientation == 1)
        return written(target, data);
    const QSize decoded = swapsSides(orientation) ? size.transposed() : size;
    if (!decode(data, decoded, &image, &stored, why))
        return QString::fromLocal8Bit(why);
    image = upright(
        image.scaled(decoded, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), orientation);
    QByteArray out;
    if (!encode(image, &out))
        return u"the picture could not be encoded"_s;
    return written(target, out);
}

} // namespace PhotoFit
