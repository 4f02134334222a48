#include "FfmpegInput.h"

#include <cstring>

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

namespace {
// Far beyond what measuring any real media file reads (FFmpeg's probe size
// is 5 MB).
constexpr qint64 ReadLimit = 64 * 1024 * 1024;
} // namespace

FfmpegInput::FfmpegInput(const QString &path)
{
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    Q_UNUSED(quiet);
    const QByteArray url = "file:" + QFile::encodeName(path);
    // Media files tell what they hold in their first megabytes. A parser that
    // finds no frame (a gigabyte of zeros named .mp3) would otherwise read
    // the whole file into memory while the window waits: past the limit the
    // reading is interrupted and the file does not probe.
    m_context = avformat_alloc_context();
    if (!m_context)
        return;
    m_context->interrupt_callback = {&FfmpegInput::stopReading, this};
    m_readLimit = ReadLimit;
    if (avformat_open_input(&m_context, url.constData(), nullptr, nullptr) < 0) {
        m_context = nullptr;
        return;
    }
    if (avformat_find_stream_info(m_context, nullptr) < 0)
        avformat_close_input(&m_context);
    m_readLimit = 0;
}

int FfmpegInput::stopReading(void *input)
{
    const auto *self = static_cast<const FfmpegInput *>(input);
    return self->m_readLimit > 0 && self->m_context && self->m_context->pb
        && avio_tell(self->m_context->pb) > self->m_readLimit;
}

FfmpegInput::~FfmpegInput()
{
    if (m_context)
        avformat_close_input(&m_context);
}

bool FfmpegInput::isStillImage() const
{
    const char *name = m_context->iformat->name;
    const size_t length = std::strlen(name);
    return std::strcmp(name, "image2") == 0
        || (length > 5 && std::strcmp(name + length - 5, "_pipe") == 0);
}
