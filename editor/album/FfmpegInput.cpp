#include "FfmpegInput.h"

#include <cstring>

#include <QFile>

extern "C" {
#include <libavformat/avformat.h>
#include <libavutil/log.h>
}

FfmpegInput::FfmpegInput(const QString &path)
{
    static const bool quiet = [] {
        av_log_set_level(AV_LOG_QUIET);
        return true;
    }();
    Q_UNUSED(quiet);
    const QByteArray url = "file:" + QFile::encodeName(path);
    if (avformat_open_input(&m_context, url.constData(), nullptr, nullptr) < 0) {
        m_context = nullptr;
        return;
    }
    if (avformat_find_stream_info(m_context, nullptr) < 0)
        avformat_close_input(&m_context);
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
