#include "AudioReader.h"

#include <algorithm>
#include <cstring>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libswresample/swresample.h>
}

AudioReader::AudioReader(const QString &path, qint64 offsetMs)
    : m_decoder(path, StreamDecoder::Kind::Sound)
    , m_offsetMs(std::max<qint64>(0, offsetMs))
{
    AVCodecContext *codec = m_decoder.codec();
    if (!codec)
        return;
    if (codec->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&codec->ch_layout, codec->ch_layout.nb_channels);
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    if (swr_alloc_set_opts2(&m_resampler, &stereo, AV_SAMPLE_FMT_FLT, Rate, &codec->ch_layout,
            codec->sample_fmt, codec->sample_rate, 0, nullptr)
            < 0
        || swr_init(m_resampler) < 0) {
        swr_free(&m_resampler);
        return;
    }
    m_frame = av_frame_alloc();
    m_decoder.seek(m_offsetMs);
}

AudioReader::~AudioReader()
{
    av_frame_free(&m_frame);
    swr_free(&m_resampler);
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
        const qint64 startMs = frame ? m_decoder.timeOf(frame, 0) : 0;
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
    if (m_ended)
        return false;
    if (m_decoder.next(m_frame)) {
        take(m_frame);
        av_frame_unref(m_frame);
    } else {
        // The resampler gives back what it still holds.
        take(nullptr);
        m_ended = true;
    }
    return true;
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
