#include "FfmpegLibraries.h"

#if QUILLAN_LAZY_FFMPEG

#include <array>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#include <dlfcn.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/pixdesc.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

namespace {

enum Library { AvUtil, AvCodec, AvFormat, SwScale, SwResample, LibraryCount };

// The major versions the editor was built against: the only ones whose
// structures it knows.
constexpr std::array<const char *, LibraryCount> Sonames = {
    "libavutil.so." AV_STRINGIFY(LIBAVUTIL_VERSION_MAJOR),
    "libavcodec.so." AV_STRINGIFY(LIBAVCODEC_VERSION_MAJOR),
    "libavformat.so." AV_STRINGIFY(LIBAVFORMAT_VERSION_MAJOR),
    "libswscale.so." AV_STRINGIFY(LIBSWSCALE_VERSION_MAJOR),
    "libswresample.so." AV_STRINGIFY(LIBSWRESAMPLE_VERSION_MAJOR),
};

struct Loaded
{
    void *handle = nullptr;
    std::string error;
};

// Worker threads probe media too: each library is opened once.
const Loaded &load(Library library)
{
    static std::array<Loaded, LibraryCount> loaded;
    static std::array<std::once_flag, LibraryCount> once;
    std::call_once(once[library], [library] {
        Loaded &l = loaded[library];
        l.handle = dlopen(Sonames[library], RTLD_NOW | RTLD_LOCAL);
        if (!l.handle)
            l.error = dlerror();
    });
    return loaded[library];
}

[[noreturn]] void fail(const std::string &why)
{
    std::fprintf(stderr, "quillan: cannot load FFmpeg: %s\n", why.c_str());
    std::abort();
}

void *resolve(Library library, const char *name)
{
    const Loaded &l = load(library);
    if (!l.handle)
        fail(l.error);
    void *function = dlsym(l.handle, name);
    if (!function)
        fail(std::string(name) + " is not in " + Sonames[library]);
    return function;
}

} // namespace

// Each function the editor calls, with the signature of its header; the
// real function is looked up on the first call.
#define QUILLAN_LAZY(library, result, name, parameters, arguments)                                 \
    extern "C" result name parameters                                                              \
    {                                                                                              \
        static const auto real = reinterpret_cast<decltype(&name)>(resolve(library, #name));       \
        return real arguments;                                                                     \
    }

QUILLAN_LAZY(AvUtil, int, av_channel_layout_copy,
    (AVChannelLayout * dst, const AVChannelLayout *src), (dst, src))
QUILLAN_LAZY(AvUtil, void, av_channel_layout_default,
    (AVChannelLayout * ch_layout, int nb_channels), (ch_layout, nb_channels))
QUILLAN_LAZY(AvUtil, void, av_dict_free, (AVDictionary * *m), (m))
QUILLAN_LAZY(AvUtil, int, av_dict_set,
    (AVDictionary * *pm, const char *key, const char *value, int flags), (pm, key, value, flags))
QUILLAN_LAZY(AvUtil, int, av_dict_set_int,
    (AVDictionary * *pm, const char *key, int64_t value, int flags), (pm, key, value, flags))
QUILLAN_LAZY(AvFormat, int, av_find_best_stream,
    (AVFormatContext * ic, enum AVMediaType type, int wanted_stream_nb, int related_stream,
        const AVCodec **decoder_ret, int flags),
    (ic, type, wanted_stream_nb, related_stream, decoder_ret, flags))
QUILLAN_LAZY(AvUtil, AVFrame *, av_frame_alloc, (), ())
QUILLAN_LAZY(AvUtil, void, av_frame_free, (AVFrame * *frame), (frame))
QUILLAN_LAZY(AvUtil, int, av_frame_get_buffer, (AVFrame * frame, int align), (frame, align))
QUILLAN_LAZY(AvUtil, int, av_frame_make_writable, (AVFrame * frame), (frame))
QUILLAN_LAZY(AvUtil, void, av_frame_unref, (AVFrame * frame), (frame))
QUILLAN_LAZY(AvCodec, int, av_get_bits_per_sample, (enum AVCodecID codec_id), (codec_id))
QUILLAN_LAZY(
    AvFormat, int, av_interleaved_write_frame, (AVFormatContext * s, AVPacket *pkt), (s, pkt))
QUILLAN_LAZY(AvUtil, void, av_log_set_level, (int level), (level))
QUILLAN_LAZY(AvCodec, AVPacket *, av_packet_alloc, (), ())
QUILLAN_LAZY(AvCodec, void, av_packet_free, (AVPacket * *pkt), (pkt))
QUILLAN_LAZY(AvCodec, void, av_packet_rescale_ts,
    (AVPacket * pkt, AVRational tb_src, AVRational tb_dst), (pkt, tb_src, tb_dst))
QUILLAN_LAZY(AvCodec, void, av_packet_unref, (AVPacket * pkt), (pkt))
QUILLAN_LAZY(AvUtil, const AVPixFmtDescriptor *, av_pix_fmt_desc_get, (enum AVPixelFormat pix_fmt),
    (pix_fmt))
QUILLAN_LAZY(AvFormat, int, av_read_frame, (AVFormatContext * s, AVPacket *pkt), (s, pkt))
QUILLAN_LAZY(AvUtil, int64_t, av_rescale_q, (int64_t a, AVRational bq, AVRational cq), (a, bq, cq))
QUILLAN_LAZY(AvUtil, int, av_sample_fmt_is_planar, (enum AVSampleFormat sample_fmt), (sample_fmt))
QUILLAN_LAZY(AvFormat, int, av_seek_frame,
    (AVFormatContext * s, int stream_index, int64_t timestamp, int flags),
    (s, stream_index, timestamp, flags))
QUILLAN_LAZY(AvUtil, int, av_strerror, (int errnum, char *errbuf, size_t errbuf_size),
    (errnum, errbuf, errbuf_size))
QUILLAN_LAZY(AvUtil, const char *, av_version_info, (), ())
QUILLAN_LAZY(AvFormat, int, av_write_trailer, (AVFormatContext * s), (s))
QUILLAN_LAZY(AvCodec, AVCodecContext *, avcodec_alloc_context3, (const AVCodec *codec), (codec))
QUILLAN_LAZY(AvCodec, const AVCodec *, avcodec_find_encoder_by_name, (const char *name), (name))
QUILLAN_LAZY(AvCodec, void, avcodec_flush_buffers, (AVCodecContext * avctx), (avctx))
QUILLAN_LAZY(AvCodec, void, avcodec_free_context, (AVCodecContext * *avctx), (avctx))
QUILLAN_LAZY(AvCodec, int, avcodec_open2,
    (AVCodecContext * avctx, const AVCodec *codec, AVDictionary **options), (avctx, codec, options))
QUILLAN_LAZY(AvCodec, int, avcodec_parameters_from_context,
    (AVCodecParameters * par, const AVCodecContext *codec), (par, codec))
QUILLAN_LAZY(AvCodec, int, avcodec_parameters_to_context,
    (AVCodecContext * codec, const AVCodecParameters *par), (codec, par))
QUILLAN_LAZY(
    AvCodec, int, avcodec_receive_frame, (AVCodecContext * avctx, AVFrame *frame), (avctx, frame))
QUILLAN_LAZY(
    AvCodec, int, avcodec_receive_packet, (AVCodecContext * avctx, AVPacket *avpkt), (avctx, avpkt))
QUILLAN_LAZY(AvCodec, int, avcodec_send_frame, (AVCodecContext * avctx, const AVFrame *frame),
    (avctx, frame))
QUILLAN_LAZY(AvCodec, int, avcodec_send_packet, (AVCodecContext * avctx, const AVPacket *avpkt),
    (avctx, avpkt))
QUILLAN_LAZY(AvCodec, unsigned, avcodec_version, (), ())
QUILLAN_LAZY(AvFormat, AVFormatContext *, avformat_alloc_context, (), ())
QUILLAN_LAZY(AvFormat, int, avformat_alloc_output_context2,
    (AVFormatContext * *ctx, const AVOutputFormat *oformat, const char *format_name,
        const char *filename),
    (ctx, oformat, format_name, filename))
QUILLAN_LAZY(AvFormat, void, avformat_close_input, (AVFormatContext * *s), (s))
QUILLAN_LAZY(AvFormat, int, avformat_find_stream_info,
    (AVFormatContext * ic, AVDictionary **options), (ic, options))
QUILLAN_LAZY(AvFormat, void, avformat_free_context, (AVFormatContext * s), (s))
QUILLAN_LAZY(
    AvFormat, AVStream *, avformat_new_stream, (AVFormatContext * s, const AVCodec *c), (s, c))
QUILLAN_LAZY(AvFormat, int, avformat_open_input,
    (AVFormatContext * *ps, const char *url, const AVInputFormat *fmt, AVDictionary **options),
    (ps, url, fmt, options))
QUILLAN_LAZY(AvFormat, int, avformat_write_header, (AVFormatContext * s, AVDictionary **options),
    (s, options))
QUILLAN_LAZY(AvFormat, int, avio_closep, (AVIOContext * *s), (s))
QUILLAN_LAZY(
    AvFormat, int, avio_open, (AVIOContext * *s, const char *url, int flags), (s, url, flags))
QUILLAN_LAZY(AvFormat, int64_t, avio_seek, (AVIOContext * s, int64_t offset, int whence),
    (s, offset, whence))
QUILLAN_LAZY(SwResample, int, swr_alloc_set_opts2,
    (struct SwrContext * *ps, AVChannelLayout *out_ch_layout, enum AVSampleFormat out_sample_fmt,
        int out_sample_rate, AVChannelLayout *in_ch_layout, enum AVSampleFormat in_sample_fmt,
        int in_sample_rate, int log_offset, void *log_ctx),
    (ps, out_ch_layout, out_sample_fmt, out_sample_rate, in_ch_layout, in_sample_fmt,
        in_sample_rate, log_offset, log_ctx))
QUILLAN_LAZY(SwResample, int, swr_convert,
    (struct SwrContext * s, uint8_t **out, int out_count, const uint8_t **in, int in_count),
    (s, out, out_count, in, in_count))
QUILLAN_LAZY(SwResample, void, swr_free, (struct SwrContext * *s), (s))
QUILLAN_LAZY(
    SwResample, int, swr_get_out_samples, (struct SwrContext * s, int in_samples), (s, in_samples))
QUILLAN_LAZY(SwResample, int, swr_init, (struct SwrContext * s), (s))
QUILLAN_LAZY(SwScale, void, sws_freeContext, (struct SwsContext * swsContext), (swsContext))
QUILLAN_LAZY(SwScale, struct SwsContext *, sws_getCachedContext,
    (struct SwsContext * context, int srcW, int srcH, enum AVPixelFormat srcFormat, int dstW,
        int dstH, enum AVPixelFormat dstFormat, int flags, SwsFilter *srcFilter,
        SwsFilter *dstFilter, const double *param),
    (context, srcW, srcH, srcFormat, dstW, dstH, dstFormat, flags, srcFilter, dstFilter, param))
QUILLAN_LAZY(SwScale, const int *, sws_getCoefficients, (int colorspace), (colorspace))
QUILLAN_LAZY(SwScale, struct SwsContext *, sws_getContext,
    (int srcW, int srcH, enum AVPixelFormat srcFormat, int dstW, int dstH,
        enum AVPixelFormat dstFormat, int flags, SwsFilter *srcFilter, SwsFilter *dstFilter,
        const double *param),
    (srcW, srcH, srcFormat, dstW, dstH, dstFormat, flags, srcFilter, dstFilter, param))
QUILLAN_LAZY(SwScale, int, sws_scale,
    (struct SwsContext * c, const uint8_t *const srcSlice[], const int srcStride[], int srcSliceY,
        int srcSliceH, uint8_t *const dst[], const int dstStride[]),
    (c, srcSlice, srcStride, srcSliceY, srcSliceH, dst, dstStride))
QUILLAN_LAZY(SwScale, int, sws_setColorspaceDetails,
    (struct SwsContext * c, const int inv_table[4], int srcRange, const int table[4], int dstRange,
        int brightness, int contrast, int saturation),
    (c, inv_table, srcRange, table, dstRange, brightness, contrast, saturation))

QString FfmpegLibraries::preload()
{
    for (int library = 0; library < LibraryCount; ++library) {
        if (const Loaded &l = load(Library(library)); !l.handle)
            return QString::fromStdString(l.error);
    }
    return {};
}

#else

QString FfmpegLibraries::preload()
{
    return {};
}

#endif
