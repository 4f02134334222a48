#include "VideoReader.h"

#include "PreviewPicture.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libswscale/swscale.h>
}

VideoReader::VideoReader(const QString &path, QSize box)
    : m_decoder(path, StreamDecoder::Kind::Pictures)
    , m_box(box)
    , m_pending(av_frame_alloc())
{ }

VideoReader::~VideoReader()
{
    av_frame_free(&m_pending);
    sws_freeContext(m_scaler);
}

bool VideoReader::decodeNext()
{
    m_hasPending = m_decoder.next(m_pending);
    if (m_hasPending)
        m_pendingMs = m_decoder.timeOf(m_pending, m_pendingMs);
    return m_hasPending;
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
    if (!m_hasPending)
        decodeNext();
    // Each decoded picture waits as pending until its time has come.
    while (m_hasPending && (m_pendingMs <= ms || m_current.isNull())) {
        convertPending();
        av_frame_unref(m_pending);
        if (!decodeNext())
            break;
    }
    return m_current;
}
