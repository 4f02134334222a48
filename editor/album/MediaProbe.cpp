#include "MediaProbe.h"

#include "AlbumLog.h"
#include "Duration.h"
#include "FfmpegInput.h"
#include "JpegCodec.h"
#include "MappedFile.h"

#include <QFile>
#include <QFileInfo>

#include <vector>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/pixdesc.h>
}

namespace {

QString pictureDetails(int width, int height, int bits)
{
    return QString::asprintf("%dX%d, %d bits", width, height, bits);
}

// The bit count of the picture once decoded to RGB: grey and palette
// pictures keep 8, pictures with alpha 32, every other colour picture 24.
int decodedPictureBits(int pixelFormat)
{
    const AVPixFmtDescriptor *desc = av_pix_fmt_desc_get(AVPixelFormat(pixelFormat));
    if (!desc)
        return 24;
    if (desc->nb_components == 1 || (desc->flags & AV_PIX_FMT_FLAG_PAL))
        return 8;
    return (desc->flags & AV_PIX_FMT_FLAG_ALPHA) ? 32 : 24;
}

QString streamDetails(const AVCodecParameters *par)
{
    if (par->codec_type == AVMEDIA_TYPE_VIDEO)
        return pictureDetails(par->width, par->height, decodedPictureBits(par->format));
    // Compressed audio decodes to 16-bit PCM; PCM keeps its own sample size.
    const int pcmBits = av_get_bits_per_sample(par->codec_id);
    return QString::asprintf("%d Hz,%d Bits, %d Ch", par->sample_rate, pcmBits > 0 ? pcmBits : 16,
        par->ch_layout.nb_channels);
}

double streamSeconds(const AVFormatContext *ctx, const AVStream *stream)
{
    if (stream->duration != AV_NOPTS_VALUE && stream->duration > 0)
        return double(stream->duration) * av_q2d(stream->time_base);
    if (ctx->duration != AV_NOPTS_VALUE && ctx->duration > 0)
        return double(ctx->duration) / AV_TIME_BASE;
    return 0.0;
}

QString kindFor(size_t streamCount, const QString &lengthText)
{
    if (streamCount == 2)
        return QStringLiteral("Movie");
    if (streamCount == 1)
        return lengthText == u"0" ? QStringLiteral("Image") : QStringLiteral("Audio");
    return {};
}

// JPEG photos are measured from their frame header alone, which is what
// makes adding thousands of photos quick. The header nearly always lies in
// the first 64 KiB, so those are read; a file whose metadata pushes it
// further is mapped whole.
constexpr qint64 HeadBytes = 64 * 1024;

void probeJpeg(const QString &path, QFile &file, const QByteArray &head, MediaProbeResult &result)
{
    auto header
        = JpegCodec::readHeader(reinterpret_cast<const uchar *>(head.constData()), head.size());
    if (!header && file.size() > head.size()) {
        const MappedFile whole(path);
        if (whole.isValid())
            header = JpegCodec::readHeader(whole.data(), whole.size());
    }
    if (!header) {
        qCDebug(lcAlbum) << "probe: libjpeg rejects the JPEG header";
        return;
    }
    result.description
        = u": " + pictureDetails(header->width, header->height, header->components == 1 ? 8 : 24);
    result.probeKind = kindFor(1, result.lengthText);
}

} // namespace

MediaProbeResult ProbeMedia(const QString &path)
{
    MediaProbeResult result;
    // A FIFO would block the open, a device never end: neither is media.
    if (!QFileInfo(path).isFile())
        return result;
    {
        QFile file(path);
        const QByteArray head
            = file.open(QIODevice::ReadOnly) ? file.read(HeadBytes) : QByteArray();
        // A JPEG that libjpeg rejects is not handed to FFmpeg, whose parser
        // would report a picture of no size instead of a failure.
        if (JpegCodec::looksLikeJpeg(
                reinterpret_cast<const uchar *>(head.constData()), head.size())) {
            probeJpeg(path, file, head, result);
            return result;
        }
    }
    const FfmpegInput input(path);
    if (!input.isOpen()) {
        qCDebug(lcAlbum) << "probe: FFmpeg cannot open" << path;
        return result;
    }
    const AVFormatContext *ctx = input.context();
    std::vector<const AVStream *> streams;
    for (unsigned i = 0; i < ctx->nb_streams; ++i) {
        const AVStream *s = ctx->streams[i];
        const auto type = s->codecpar->codec_type;
        if ((type == AVMEDIA_TYPE_AUDIO || type == AVMEDIA_TYPE_VIDEO)
            && !(s->disposition & AV_DISPOSITION_ATTACHED_PIC))
            streams.push_back(s);
    }
    if (!streams.empty() && !input.isStillImage())
        result.lengthText = secondsText(streamSeconds(ctx, streams.front()));
    for (size_t i = 0; i < streams.size(); ++i) {
        if (i == 1)
            result.description += u'-';
        result.description += u": " + streamDetails(streams[i]->codecpar);
    }
    result.probeKind = kindFor(streams.size(), result.lengthText);
    return result;
}
