#include "Thumbnails.h"

#include "AlbumLog.h"
#include "FfmpegInput.h"
#include "JpegCodec.h"
#include "MappedFile.h"
#include "StandardPictures.h"
#include "ThumbnailCache.h"

#include <functional>

#include <QFileInfo>
#include <QImageReader>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

namespace {

QImage stretched(const QImage &picture)
{
    if (picture.isNull())
        return {};
    return picture.scaled(ThumbnailSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32);
}

// Owns what decoding one frame needs.
struct FrameDecoder
{
    AVCodecContext *codec = nullptr;
    AVPacket *packet = av_packet_alloc();
    AVFrame *frame = av_frame_alloc();

    ~FrameDecoder()
    {
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
    }
};

// The frame at most 128 pixels wide and high, its aspect kept: the size the
// thumbnail cache stores.
QImage frameToThumbnail(const AVFrame *frame)
{
    const QSize size
        = QSize(frame->width, frame->height)
              .scaled(ThumbnailCache::NormalSize, ThumbnailCache::NormalSize, Qt::KeepAspectRatio)
              .expandedTo(QSize(1, 1));
    SwsContext *sws = sws_getContext(frame->width, frame->height, AVPixelFormat(frame->format),
        size.width(), size.height(), AV_PIX_FMT_BGRA, SWS_BILINEAR, nullptr, nullptr, nullptr);
    if (!sws)
        return {};
    QImage image(size, QImage::Format_RGB32);
    uint8_t *planes[1] = {image.bits()};
    const int strides[1] = {int(image.bytesPerLine())};
    sws_scale(sws, frame->data, frame->linesize, 0, frame->height, planes, strides);
    sws_freeContext(sws);
    return image;
}

QImage firstFrame(AVFormatContext *ctx)
{
    const AVCodec *decoder = nullptr;
    const int index = av_find_best_stream(ctx, AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (index < 0 || !decoder)
        return {};
    FrameDecoder d;
    d.codec = avcodec_alloc_context3(decoder);
    if (!d.codec || !d.packet || !d.frame
        || avcodec_parameters_to_context(d.codec, ctx->streams[index]->codecpar) < 0
        || avcodec_open2(d.codec, decoder, nullptr) < 0)
        return {};
    bool flushed = false;
    while (true) {
        const int got = avcodec_receive_frame(d.codec, d.frame);
        if (got == 0)
            return frameToThumbnail(d.frame);
        if (got != AVERROR(EAGAIN) || flushed)
            return {};
        if (av_read_frame(ctx, d.packet) < 0) {
            avcodec_send_packet(d.codec, nullptr);
            flushed = true;
            continue;
        }
        if (d.packet->stream_index == index)
            avcodec_send_packet(d.codec, d.packet);
        av_packet_unref(d.packet);
    }
}

// The file's thumbnail through the desktop's cache: the cached one (so
// reopening an album decodes nothing again), else the picture `make` gives,
// stored; a file that gives none is noted once and shows the unplayable
// picture. Always made from the cached size, so the first and the next
// opens show the very same picture.
QImage throughCache(const QString &path, const std::function<QImage()> &make)
{
    if (const QImage cached = ThumbnailCache::lookup(path); !cached.isNull())
        return stretched(cached);
    if (!ThumbnailCache::knownToFail(path)) {
        if (const QImage picture = make(); !picture.isNull())
            return stretched(ThumbnailCache::store(path, picture));
        qCDebug(lcAlbum) << "thumbnail: cannot decode" << path;
        ThumbnailCache::storeFailure(path);
    }
    return StandardPictures::unplayableVideo();
}

// JPEGs at the smallest DCT scale that covers the thumbnail, anything else
// (or a JPEG libjpeg refuses) through Qt's readers.
QImage decodePhoto(const QString &path)
{
    QImage picture;
    {
        const MappedFile file(path);
        if (file.isValid() && JpegCodec::looksLikeJpeg(file.data(), file.size()))
            picture = JpegCodec::decode(file.data(), file.size(), ThumbnailSize);
    }
    if (!picture.isNull())
        return picture;
    QImageReader reader(path);
    const QSize size = reader.size();
    if (size.isValid())
        reader.setScaledSize(size.scaled(ThumbnailSize, Qt::KeepAspectRatioByExpanding));
    return JpegCodec::tooLarge(size) ? QImage() : reader.read();
}

} // namespace

QImage MakePhotoThumbnail(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return StandardPictures::unplayableVideo();
    return throughCache(path, [&path] { return decodePhoto(path); });
}

Thumbnail photoThumbnail(const QString &path)
{
    return Thumbnail::ofPhoto(path, MakePhotoThumbnail(path));
}

QImage decodePhotoCovering(const QString &path, QSize cover)
{
    {
        const MappedFile file(path);
        if (file.isValid() && JpegCodec::looksLikeJpeg(file.data(), file.size())) {
            const QImage picture = JpegCodec::decode(file.data(), file.size(), cover);
            if (!picture.isNull())
                return picture;
        }
    }
    QImageReader reader(path);
    const QSize size = reader.size();
    if (JpegCodec::tooLarge(size))
        return {};
    if (size.isValid() && !cover.isEmpty())
        reader.setScaledSize(size.scaled(cover, Qt::KeepAspectRatioByExpanding).boundedTo(size));
    return reader.read();
}

QImage thumbnailFromJpegData(const QByteArray &jpeg)
{
    return stretched(JpegCodec::decode(
        reinterpret_cast<const uchar *>(jpeg.constData()), jpeg.size(), ThumbnailSize));
}

VideoProbeResult ProbeVideoAndThumbnail(const QString &path)
{
    if (path.contains(u".jpg", Qt::CaseInsensitive))
        return {0, MakePhotoThumbnail(path)};
    FfmpegInput input(path);
    if (!input.isOpen()) {
        qCDebug(lcAlbum) << "video probe: FFmpeg cannot open" << path;
        return {0, StandardPictures::unplayableVideo()};
    }
    AVFormatContext *ctx = input.context();
    VideoProbeResult result;
    if (ctx->duration != AV_NOPTS_VALUE && ctx->duration > 0)
        result.milliseconds = ctx->duration / 1000;
    result.thumbnail = throughCache(path, [ctx] { return firstFrame(ctx); });
    return result;
}

QImage videoThumbnail(const QString &path)
{
    return throughCache(path, [&path] {
        FfmpegInput input(path);
        return input.isOpen() ? firstFrame(input.context()) : QImage();
    });
}
