#pragma once

#include "StreamDecoder.h"

#include <vector>

#include <QString>

struct AVFrame;
struct SwrContext;

// The sound of a media file (a music file's, a video's) from a point on, as
// 48 kHz stereo float samples for the video renderer's mix.
class AudioReader
{
public:
    static constexpr int Rate = 48000;
    static constexpr int Channels = 2;

    AudioReader(const QString &path, qint64 offsetMs);
    ~AudioReader();
    Q_DISABLE_COPY_MOVE(AudioReader)

    // False when the file has no sound that can be decoded.
    bool isOpen() const { return m_resampler != nullptr; }
    // Up to `frames` sample frames, interleaved; fewer only at the end.
    int read(float *out, int frames);

    // How long a media file plays, in milliseconds; negative when it cannot
    // be read.
    static qint64 lengthMs(const QString &path);

private:
    bool decodeMore();
    void take(AVFrame *frame);

    StreamDecoder m_decoder;
    SwrContext *m_resampler = nullptr;
    AVFrame *m_frame = nullptr;
    qint64 m_offsetMs = 0;
    // Samples before the offset still to be dropped, once the first decoded
    // frame told where decoding started.
    qint64 m_drop = -1;
    std::vector<float> m_pending;
    size_t m_pendingAt = 0;
    bool m_ended = false;
};
