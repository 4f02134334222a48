#pragma once

#include <QImage>
#include <QSize>
#include <QString>

struct AVCodecContext;
struct AVFormatContext;
struct AVFrame;
struct AVPacket;
struct AVStream;
struct SwsContext;

// The size, rate and quality of a rendered video.
struct VideoFormat
{
    QSize size{1280, 720};
    int fps = 25;
    // Constant rate factor: lower is better and larger (0..51).
    int crf = 23;
};

// Writes pictures and 48 kHz stereo sound into a video file through
// FFmpeg's libraries: H.264 and AAC in MP4, or VP9 and Opus in Matroska or
// WebM, chosen by the container.
class VideoEncoder
{
public:
    VideoEncoder() = default;
    ~VideoEncoder();
    Q_DISABLE_COPY_MOVE(VideoEncoder)

    // `container` is "mp4", "matroska" or "webm". Each call returns an
    // empty text, or why the file cannot be written.
    QString open(const QString &path, const QString &container, const VideoFormat &format);
    // The next picture, RGB32 at the format's size.
    QString addPicture(const QImage &picture);
    // The same picture as the one before, without converting it again.
    QString repeatPicture();
    // Interleaved stereo samples; any count.
    QString addSound(const float *samples, int frames);
    // Flushes the encoders and completes the file.
    QString finish();

private:
    QString openVideo(const char *codec, const VideoFormat &format);
    QString openAudio(const char *codec);
    QString sendVideo();
    QString sendAudioFrame(int frames);
    QString drain(AVCodecContext *codec, AVStream *stream, bool flushing);

    AVFormatContext *m_format = nullptr;
    AVCodecContext *m_video = nullptr;
    AVCodecContext *m_audio = nullptr;
    AVStream *m_videoStream = nullptr;
    AVStream *m_audioStream = nullptr;
    AVFrame *m_picture = nullptr;
    AVFrame *m_sound = nullptr;
    AVPacket *m_packet = nullptr;
    SwsContext *m_scaler = nullptr;
    int64_t m_nextPicture = 0;
    int64_t m_nextSample = 0;
    int m_soundFill = 0;
    bool m_headerWritten = false;
    bool m_fileOpen = false;
};
