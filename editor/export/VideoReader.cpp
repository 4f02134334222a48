#include "VideoReader.h"

#include "PreviewPicture.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libswscale/swscale.h>
}

VideoReader::VideoReader(const QString &path, QSize box)
    : m_input(path)
    , m_box(box)
{
    if (!m_input.isOpen())
        return;
    const AVCodec *decoder = nullptr;
    m_stream = av_find_best_stream(m_input.context(), AVMEDIA_TYPE_VIDEO, -1, -1, &decoder, 0);
    if (m_stream < 0 || !decoder)
        return;
    AVCodecContext *codec = avcodec_alloc_context3(decoder);
    if (!codec
        || avcodec_parameters_to_context(codec, m_input.context()->streams[m_stream]->codecpar) < 0
        || avcodec_open2(codec, decoder, nullptr) < 0) {
        avcodec_free_context(&codec);
        return;
    }
    m_codec = codec;
    m_packet = av_packet_alloc();
    m_pending = av_frame_alloc();
}

VideoReader::~VideoReader()
{
    av_frame_free(&m_pending);
    av_packet_free(&m_packet);
    sws_freeContext(m_scaler);
    avcodec_free_context(&m_codec);
}

bool VideoReader::decodeNext()
{
    while (!m_ended) {
        const int received = avcodec_receive_frame(m_codec, m_pending);
        if (received == 0) {
            const AVStream *stream = m_input.context()->streams[m_stream];
            const int64_t pts = m_pending->best_effort_timestamp;
            const int64_t start = stream->start_time == AV_NOPTS_VALUE ? 0 : stream->start_time;
            m_pendingMs = pts == AV_NOPTS_VALUE
                ? m_pendingMs
                : av_rescale_q(pts - start, stream->time_base, {1, 1000});
            m_hasPending = true;
            return true;
        }
        if (received == AVERROR_EOF) {
            m_ended = true;
            break;
        }
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

void VideoReader::convertPending()
{
    const QSize size(m_pending->width, m_pending->height);
    const QRect fitted = PreviewPicture::fit(size, m_box);
    if (fitted.isEmpty())
        return;
    m_scaler = sws_getCachedContext(m_scaler, size.width(), size.height(),
        AVPixelFormat(m_pending->format), fitted.width(), fitted.height(), AV_PIX_FMT_BGRA,
        SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!m_scaler)
        return;
    QImage picture(fitted.size(), QImage::Format_RGB32);
    uint8_t *planes[] = {picture.bits()};
    const int strides[] = {int(picture.bytesPerLine())};
    sws_scale(m_scaler, m_pending->data, m_pending->linesize, 0, size.height(), planes, strides);
    m_current = picture;
    m_placement = fitted;
}

const QImage &VideoReader::frameAt(qint64 ms)
{
    if (!isOpen())
        return m_current;
    if (!m_hasPending)
        decodeNext();
    // Each decoded picture waits as pending until its time has come.
    while (m_hasPending && (m_pendingMs <= ms || m_current.isNull())) {
        convertPending();
        av_frame_unref(m_pending);
        m_hasPending = false;
        if (!decodeNext())
            break;
    }
    return m_current;
}
