#pragma once

#include "StreamDecoder.h"

#include <QImage>
#include <QRect>

struct AVFrame;
struct SwsContext;

// The pictures of a video file one after the other, each fitted to a box by
// the preview's fit rule (never enlarged), for the video renderer.
class VideoReader
{
public:
    VideoReader(const QString &path, QSize box);
    ~VideoReader();
    Q_DISABLE_COPY_MOVE(VideoReader)

    // The picture showing at ms from the start of the file: the last one
    // once the video has ended, the first one before it starts. Null when
    // nothing could be decoded. Times only move forward.
    const QImage &frameAt(qint64 ms);
    // Where the picture sits in the box.
    QRect placement() const { return m_placement; }

private:
    bool decodeNext();
    void convertPending();

    StreamDecoder m_decoder;
    QSize m_box;
    SwsContext *m_scaler = nullptr;
    AVFrame *m_pending = nullptr;
    bool m_hasPending = false;
    qint64 m_pendingMs = 0;
    QImage m_current;
    QRect m_placement;
};
