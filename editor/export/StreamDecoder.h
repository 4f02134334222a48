#pragma once

#include "FfmpegInput.h"

#include <QString>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct AVStream;

// The best stream of one kind (sound or pictures) of a media file, decoded
// frame after frame, for the video renderer's readers.
class StreamDecoder
{
public:
    enum class Kind { Sound, Pictures };

    StreamDecoder(const QString &path, Kind kind);
    ~StreamDecoder();
    Q_DISABLE_COPY_MOVE(StreamDecoder)

    bool isOpen() const { return m_codec != nullptr; }
    AVCodecContext *codec() const { return m_codec; }
    // The next frame into `frame`; false once the stream has ended.
    bool next(AVFrame *frame);
    // Where a decoded frame sits, in milliseconds from the stream's start;
    // `fallback` when the frame does not say.
    qint64 timeOf(const AVFrame *frame, qint64 fallback) const;
    // Goes to the last key frame at or before ms.
    void seek(qint64 ms);

private:
    AVStream *stream() const;

    FfmpegInput m_input;
    int m_stream = -1;
    AVCodecContext *m_codec = nullptr;
    AVPacket *m_packet = nullptr;
    bool m_ended = false;
};
