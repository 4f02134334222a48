#pragma once

#include <QString>

struct AVFormatContext;

// An opened FFmpeg demuxer; closed when the object ends.
class FfmpegInput
{
public:
    // The path is always opened as a plain file, never as a protocol or
    // a list that a hostile name could spell.
    explicit FfmpegInput(const QString &path);
    ~FfmpegInput();
    Q_DISABLE_COPY_MOVE(FfmpegInput)

    bool isOpen() const { return m_context != nullptr; }
    AVFormatContext *context() const { return m_context; }
    // Whether the demuxer reads single pictures (a still image has no length).
    bool isStillImage() const;

private:
    static int stopReading(void *input);

    AVFormatContext *m_context = nullptr;
    // While the streams are measured, reading stops past this many bytes.
    qint64 m_readLimit = 0;
};
