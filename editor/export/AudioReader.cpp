#include "AudioReader.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswresample/swresample.h>
}

AudioReader::AudioReader(const QString &path, qint64 offsetMs)
    : m_input(path)
    , m_offsetMs(std::max<qint64>(0, offsetMs))
{
    if (!m_input.isOpen())
        return;
    AVFormatContext *format = m_input.context();
    const AVCodec *decoder = nullptr;
    m_stream = av_find_best_stream(format, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (m_stream < 0 || !decoder)
        return;
    AVStream *stream = format->streams[m_stream];
    m_codec = avcodec_alloc_context3(decoder);
    if (!m_codec || avcodec_parameters_to_context(m_codec, stream->codecpar) < 0
        || avcodec_open2(m_codec, decoder, nullptr) < 0)
        return;
    if (m_codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&m_codec->ch_layout, m_codec->ch_layout.nb_channels);
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (swr_alloc_set_opts2(&m_resampler, &stereo, AV_SAMPLE_FMT_FLT, Rate, &m_codec->ch_layout,
            m_codec->sample_fmt, m_codec->sample_rate, 0, nullptr)
            < 0
        || swr_init(m_resampler) < 0) {
        swr_free(&m_resampler);
        return;
    }
    m_packet = av_packet_alloc();
    m_frame = av_frame_alloc();
    if (m_offsetMs > 0) {
        const int64_t at = av_rescale_q(m_offsetMs, {1, 1000}, stream->time_base);
        if (av_seek_frame(format, m_stream, at, AVSEEK_FLAG_BACKWARD) >= 0)
            avcodec_flush_buffers(m_codec);
    }
}

AudioReader::~AudioReader()
{
    av_frame_free(&m_frame);
    av_packet_free(&m_packet);
    swr_free(&m_resampler);
    avcodec_free_context(&m_codec);
}

qint64 AudioReader::lengthMs(const QString &path)
{
    const FfmpegInput input(path);
    if (!input.isOpen() || input.isStillImage())
        return -1;
    const AVFormatContext *format = input.context();
    if (format->duration > 0)
        return format->duration / (AV_TIME_BASE / 1000);
    for (unsigned i = 0; i < format->nb_streams; ++i) {
        const AVStream *stream = format->streams[i];
        if (stream->duration > 0)
            return av_rescale_q(stream->duration, stream->time_base, {1, 1000});
    }
    return -1;
}

void AudioReader::take(AVFrame *frame)
{
    if (m_drop < 0) {
        const AVStream *stream = m_input.context()->streams[m_stream];
        const int64_t pts = frame->best_effort_timestamp;
        qint64 startMs = 0;
        if (pts != AV_NOPTS_VALUE) {
            const int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
            startMs = av_rescale_q(pts - start, stream->time_base, {1, 1000});
        }
        m_drop = std::max<qint64>(0, (m_offsetMs - startMs) * Rate / 1000);
    }
    const int room = swr_get_out_samples(m_resampler, frame ? frame->nb_samples : 0);
    if (room <= 0)
        return;
    const size_t at = m_pending.size();
    m_pending.resize(at + size_t(room) * Channels);
    auto *out = reinterpret_cast<uint8_t *>(m_pending.data() + at);
    const int made = swr_convert(m_resampler, &out, room,
        frame ? const_cast<const uint8_t **>(frame->extended_data) : nullptr,
        frame ? frame->nb_samples : 0);
    m_pending.resize(at + size_t(std::max(made, 0)) * Channels);
}

bool AudioReader::decodeMore()
{
    while (!m_ended) {
        const int received = avcodec_receive_frame(m_codec, m_frame);
        if (received == 0) {
            take(m_frame);
            av_frame_unref(m_frame);
            return true;
        }
        if (received == AVERROR_EOF) {
            take(nullptr);
            m_ended = true;
            return true;
        }
        // The decoder wants more: the next packet of the stream, or the end.
        for (;;) {
            const int read = av_read_frame(m_input.context(), m_packet);
            if (read < 0) {
                avcodec_send_packet(m_codec, nullptr);
                break;
            }
            const bool ours = m_packet->stream_index == m_stream;
            const int sent = ours ? avcodec_send_packet(m_codec, m_packet) : 0;
            av_packet_unref(m_packet);
            if (ours && sent != AVERROR(EAGAIN))
                break;
        }
    }
    return false;
}

int AudioReader::read(float *out, int frames)
{
    if (!isOpen())
        return 0;
    int done = 0;
    while (done < frames) {
        const size_t available = (m_pending.size() - m_pendingAt) / Channels;
        if (available == 0) {
            m_pending.clear();
            m_pendingAt = 0;
            if (!decodeMore())
                break;
            continue;
        }
        if (m_drop > 0) {
            const size_t dropped = std::min<size_t>(available, size_t(m_drop));
            m_pendingAt += dropped * Channels;
            m_drop -= qint64(dropped);
            continue;
        }
        const size_t n = std::min<size_t>(available, size_t(frames - done));
        std::memcpy(out + size_t(done) * Channels, m_pending.data() + m_pendingAt,
            n * Channels * sizeof(float));
        m_pendingAt += n * Channels;
        done += int(n);
    }
    return done;
}
