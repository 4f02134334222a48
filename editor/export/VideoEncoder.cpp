#include "VideoEncoder.h"

#include <QFile>

#include <cstring>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/log.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int Rate = 48000;

QString reason(int error)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

} // namespace

VideoEncoder::~VideoEncoder()
{
    // Left before finish() (a Cancel or a failure): the encoders still hold
    // frames, which they only let go of when drained.
    if (m_fileOpen && m_packet) {
        for (AVCodecContext *codec : {m_video, m_audio}) {
            if (!codec || avcodec_send_frame(codec, nullptr) < 0)
                continue;
            while (avcodec_receive_packet(codec, m_packet) >= 0)
                av_packet_unref(m_packet);
        }
    }
    if (m_fileOpen)
        avio_closep(&m_format->pb);
    avformat_free_context(m_format);
    avcodec_free_context(&m_video);
    avcodec_free_context(&m_audio);
    av_frame_free(&m_picture);
    av_frame_free(&m_sound);
    av_packet_free(&m_packet);
    sws_freeContext(m_scaler);
}

QString VideoEncoder::open(const QString &path, const QString &container, const VideoFormat &format)
{
    // Failures come back as error codes and reach the user as messages;
    // the libraries' own log would only clutter the terminal.
    av_log_set_level(AV_LOG_QUIET);
    // The muxer knows its file by name: moving the MP4 index to the front
    // reads the file again.
    const QByteArray url = "file:" + QFile::encodeName(path);
    if (avformat_alloc_output_context2(
            &m_format, nullptr, container.toLatin1().constData(), url.constData())
        < 0)
        return u"the container %1 is not available"_s.arg(container);
    const bool mp4 = container == u"mp4";
    if (QString error = openVideo(mp4 ? "libx264" : "libvpx-vp9", format); !error.isEmpty())
        return error;
    if (QString error = openAudio(mp4 ? "aac" : "libopus"); !error.isEmpty())
        return error;
    m_packet = av_packet_alloc();
    if (const int opened = avio_open(&m_format->pb, url.constData(), AVIO_FLAG_WRITE); opened < 0)
        return reason(opened);
    m_fileOpen = true;
    AVDictionary *options = nullptr;
    // The index goes first, so players start before the whole file arrived.
    if (mp4)
        av_dict_set(&options, "movflags", "+faststart", 0);
    const int written = avformat_write_header(m_format, &options);
    av_dict_free(&options);
    if (written < 0)
        return reason(written);
    m_headerWritten = true;
    return {};
}

QString VideoEncoder::openVideo(const char *name, const VideoFormat &format)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(name);
    if (!codec)
        return u"the video encoder %1 is not available"_s.arg(QLatin1StringView(name));
    m_videoStream = avformat_new_stream(m_format, nullptr);
    m_video = avcodec_alloc_context3(codec);
    if (!m_videoStream || !m_video)
        return u"out of memory"_s;
    m_video->width = format.size.width();
    m_video->height = format.size.height();
    m_video->time_base = {1, format.fps};
    m_video->framerate = {format.fps, 1};
    m_video->pix_fmt = AV_PIX_FMT_YUV420P;
    m_video->gop_size = format.fps * 10;
    // Pictures are turned into video with BT.709's colours, and say so.
    m_video->colorspace = AVCOL_SPC_BT709;
    m_video->color_primaries = AVCOL_PRI_BT709;
    m_video->color_trc = AVCOL_TRC_BT709;
    m_video->color_range = AVCOL_RANGE_MPEG;
    if (m_format->oformat->flags & AVFMT_GLOBALHEADER)
        m_video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    AVDictionary *options = nullptr;
    av_dict_set_int(&options, "crf", format.crf, 0);
    if (std::strcmp(name, "libx264") == 0) {
        av_dict_set(&options, "preset", "veryfast", 0);
    } else {
        // VP9 needs a zero bit rate for constant quality; realtime speed.
        av_dict_set(&options, "b", "0", 0);
        av_dict_set(&options, "deadline", "realtime", 0);
        av_dict_set(&options, "cpu-used", "8", 0);
        av_dict_set(&options, "row-mt", "1", 0);
    }
    const int opened = avcodec_open2(m_video, codec, &options);
    av_dict_free(&options);
    if (opened < 0)
        return reason(opened);
    avcodec_parameters_from_context(m_videoStream->codecpar, m_video);
    m_videoStream->time_base = m_video->time_base;
    m_videoStream->avg_frame_rate = m_video->framerate;

    m_picture = av_frame_alloc();
    m_picture->format = m_video->pix_fmt;
    m_picture->width = m_video->width;
    m_picture->height = m_video->height;
    if (av_frame_get_buffer(m_picture, 0) < 0)
        return u"out of memory"_s;
    m_scaler = sws_getContext(m_video->width, m_video->height, AV_PIX_FMT_BGRA, m_video->width,
        m_video->height, AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr);
    if (!m_scaler)
        return u"the picture converter cannot be made"_s;
    const int *bt709 = sws_getCoefficients(SWS_CS_ITU709);
    sws_setColorspaceDetails(m_scaler, bt709, 1, bt709, 0, 0, 1 << 16, 1 << 16);
    return {};
}

QString VideoEncoder::openAudio(const char *name)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(name);
    if (!codec)
        return u"the sound encoder %1 is not available"_s.arg(QLatin1StringView(name));
    m_audioStream = avformat_new_stream(m_format, nullptr);
    m_audio = avcodec_alloc_context3(codec);
    if (!m_audioStream || !m_audio)
        return u"out of memory"_s;
    m_audio->sample_rate = Rate;
    m_audio->ch_layout = AV_CHANNEL_LAYOUT_STEREO;
    // Floats, planar or interleaved, as the encoder takes them.
    m_audio->sample_fmt = AV_SAMPLE_FMT_NONE;
    for (const AVSampleFormat *f = codec->sample_fmts; f && *f != AV_SAMPLE_FMT_NONE; ++f) {
        if (*f == AV_SAMPLE_FMT_FLTP || *f == AV_SAMPLE_FMT_FLT) {
            m_audio->sample_fmt = *f;
            break;
        }
    }
    if (m_audio->sample_fmt == AV_SAMPLE_FMT_NONE)
        return u"the sound encoder %1 takes no float samples"_s.arg(QLatin1StringView(name));
    m_audio->bit_rate = 160000;
    m_audio->time_base = {1, Rate};
    if (m_format->oformat->flags & AVFMT_GLOBALHEADER)
        m_audio->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (const int opened = avcodec_open2(m_audio, codec, nullptr); opened < 0)
        return reason(opened);
    avcodec_parameters_from_context(m_audioStream->codecpar, m_audio);
    m_audioStream->time_base = m_audio->time_base;
    m_sound = av_frame_alloc();
    m_sound->format = m_audio->sample_fmt;
    m_sound->sample_rate = Rate;
    m_sound->nb_samples = m_audio->frame_size > 0 ? m_audio->frame_size : 1024;
    av_channel_layout_copy(&m_sound->ch_layout, &m_audio->ch_layout);
    if (av_frame_get_buffer(m_sound, 0) < 0)
        return u"out of memory"_s;
    return {};
}

QString VideoEncoder::drain(AVCodecContext *codec, AVStream *stream, bool flushing)
{
    for (;;) {
        const int received = avcodec_receive_packet(codec, m_packet);
        if (received == AVERROR(EAGAIN) || (flushing && received == AVERROR_EOF))
            return {};
        if (received < 0)
            return reason(received);
        av_packet_rescale_ts(m_packet, codec->time_base, stream->time_base);
        m_packet->stream_index = stream->index;
        if (const int written = av_interleaved_write_frame(m_format, m_packet); written < 0)
            return reason(written);
    }
}

QString VideoEncoder::sendVideo()
{
    m_picture->pts = m_nextPicture++;
    if (const int sent = avcodec_send_frame(m_video, m_picture); sent < 0)
        return reason(sent);
    return drain(m_video, m_videoStream, false);
}

QString VideoEncoder::addPicture(const QImage &picture)
{
    if (av_frame_make_writable(m_picture) < 0)
        return u"out of memory"_s;
    const uint8_t *planes[] = {picture.constBits()};
    const int strides[] = {int(picture.bytesPerLine())};
    sws_scale(m_scaler, planes, strides, 0, picture.height(), m_picture->data, m_picture->linesize);
    return sendVideo();
}

QString VideoEncoder::repeatPicture()
{
    if (av_frame_make_writable(m_picture) < 0)
        return u"out of memory"_s;
    return sendVideo();
}

QString VideoEncoder::sendAudioFrame(int frames)
{
    m_sound->nb_samples = frames;
    m_sound->pts = m_nextSample;
    m_nextSample += frames;
    m_soundFill = 0;
    if (const int sent = avcodec_send_frame(m_audio, m_sound); sent < 0)
        return reason(sent);
    return drain(m_audio, m_audioStream, false);
}

QString VideoEncoder::addSound(const float *samples, int frames)
{
    const int capacity = m_audio->frame_size > 0 ? m_audio->frame_size : 1024;
    const bool planar = av_sample_fmt_is_planar(m_audio->sample_fmt);
    for (int i = 0; i < frames; ++i) {
        if (m_soundFill == 0 && av_frame_make_writable(m_sound) < 0)
            return u"out of memory"_s;
        for (int c = 0; c < 2; ++c) {
            const float value = samples[i * 2 + c];
            if (planar)
                reinterpret_cast<float *>(m_sound->data[c])[m_soundFill] = value;
            else
                reinterpret_cast<float *>(m_sound->data[0])[m_soundFill * 2 + c] = value;
        }
        if (++m_soundFill == capacity) {
            if (QString error = sendAudioFrame(capacity); !error.isEmpty())
                return error;
        }
    }
    return {};
}

QString VideoEncoder::finish()
{
    if (m_soundFill > 0) {
        // The last frame is filled with silence to the encoder's frame size.
        const int capacity = m_audio->frame_size > 0 ? m_audio->frame_size : 1024;
        const std::vector<float> silence(size_t(capacity - m_soundFill) * 2, 0.0f);
        if (QString error = addSound(silence.data(), capacity - m_soundFill); !error.isEmpty())
            return error;
    }
    for (auto [codec, stream] : {std::pair{m_video, m_videoStream}, {m_audio, m_audioStream}}) {
        avcodec_send_frame(codec, nullptr);
        if (QString error = drain(codec, stream, true); !error.isEmpty())
            return error;
    }
    if (const int written = av_write_trailer(m_format); written < 0)
        return reason(written);
    m_fileOpen = false;
    if (const int closed = avio_closep(&m_format->pb); closed < 0)
        return reason(closed);
    return {};
}
