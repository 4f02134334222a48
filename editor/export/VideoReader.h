#pragma once

#include "FfmpegInput.h"

#include <QImage>
#include <QRect>

struct AVCodecContext;
struct AVFrame;
struct AVPacket;
struct SwsContext;

// The pictures of a video file one after the other, each fitted to a box by
// the preview's fit rule (never enlarged), for the video renderer.
class VideoReader
{
public:
    VideoReader(const QString &path, QSize box);
    ~VideoReader();
    Q_DISABLE_COPY_MOVE(VideoReader)

    bool isOpen() const { return m_codec != nullptr; }
    // The picture showing at ms from the start of the file: the last one
    // once the video has ended, the first one before it starts. Null when
    // nothing could be decoded. Times only move forward.
    const QImage &frameAt(qint64 ms);
    // Where the picture sits in the box.
    QRect placement() const { return m_placement; }

private:
    bool decodeNext();
    void convertPending();

    FfmpegInput m_input;
    QSize m_box;
    int m_stream = -1;
    AVCodecContext *m_codec = nullptr;
    SwsContext *m_scaler = nullptr;
    AVPacket *m_packet = nullptr;
    AVFrame *m_pending = nullptr;
    bool m_hasPending = false;
    qint64 m_pendingMs = 0;
    bool m_ended = false;
    QImage m_current;
    QRect m_placement;
};
