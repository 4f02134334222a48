#include "StreamDecoder.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
}

StreamDecoder::StreamDecoder(const QString &path, Kind kind)
    : m_input(path)
{
    if (!m_input.isOpen())
        return;
    const AVCodec *decoder = nullptr;
    m_stream = av_find_best_stream(m_input.context(),
        kind == Kind::Sound ? AVMEDIA_TYPE_AUDIO : AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (m_stream < 0 || !decoder)
        return;
    AVCodecContext *codec = avcodec_alloc_context3(decoder);
    if (!codec || avcodec_parameters_to_context(codec, stream()->codecpar) < 0
        || avcodec_open2(codec, decoder, nullptr) < 0) {
        avcodec_free_context(&codec);
        return;
    }
    m_codec = codec;
    m_packet = av_packet_alloc();
}

StreamDecoder::~StreamDecoder()
{
    av_packet_free(&m_packet);
    avcodec_free_context(&m_codec);
}

AVStream *StreamDecoder::stream() const
{
    return m_input.context()->streams[m_stream];
}

bool StreamDecoder::next(AVFrame *frame)
{
    while (isOpen() && !m_ended) {
        const int received = avcodec_receive_frame(m_codec, frame);
        if (received == 0)
            return true;
        if (received == AVERROR_EOF) {
            m_ended = true;
            break;
        }
        // The decoder wants more: the next packet of the stream, or the end.
        for (;;) {
            if (av_read_frame(m_input.context(), m_packet) < 0) {
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

qint64 StreamDecoder::timeOf(const AVFrame *frame, qint64 fallback) const
{
    const int64_t pts = frame->best_effort_timestamp;
    if (pts == AV_NOPTS_VALUE)
        return fallback;
    const int64_t start = stream()->start_time == AV_NOPTS_VALUE ? 0 : stream()->start_time;
    return av_rescale_q(pts - start, stream()->time_base, {1, 1000});
}

void StreamDecoder::seek(qint64 ms)
{
    if (!isOpen() || ms <= 0)
        return;
    const int64_t start = stream()->start_time == AV_NOPTS_VALUE ? 0 : stream()->start_time;
    const int64_t at = start + av_rescale_q(ms, {1, 1000}, stream()->time_base);
    if (av_seek_frame(m_input.context(), m_stream, at, AVSEEK_FLAG_BACKWARD) >= 0)
        avcodec_flush_buffers(m_codec);
}
