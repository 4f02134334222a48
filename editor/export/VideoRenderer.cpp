#include "VideoRenderer.h"

#include "AudioReader.h"
#include "ProcessIdentity.h"
#include "SlideshowFrames.h"
#include "SoundMixer.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

using namespace Qt::Literals::StringLiterals;

QString VideoRenderer::containerOf(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"mp4" || suffix == u"m4v")
        return u"mp4"_s;
    if (suffix == u"mkv")
        return u"matroska"_s;
    if (suffix == u"webm")
        return u"webm"_s;
    return {};
}

qint64 VideoRenderer::frameCount(qint64 lengthMs, int fps)
{
    return (lengthMs * fps + 500) / 1000;
}

qint64 VideoRenderer::lengthOf(const QString &file)
{
    return AudioReader::lengthMs(file);
}

namespace {

// The frames and the sound, frame by frame, into the encoder.
QString encode(const SlideshowSchedule &schedule, const VideoFormat &format, VideoEncoder &encoder,
    const VideoRenderer::Progress &progress, const std::atomic_bool &cancel)
{
    SlideshowFrames frames(schedule, format.size);
    SoundMixer sound(schedule.sounds);
    std::vector<float> samples;
    const qint64 total = VideoRenderer::frameCount(schedule.lengthMs, format.fps);
    for (qint64 n = 0; n < total; ++n) {
        if (cancel.load(std::memory_order_relaxed))
            return {};
        const bool changed = frames.advanceTo(n * 1000 / format.fps);
        QString error
            = changed || n == 0 ? encoder.addPicture(frames.canvas()) : encoder.repeatPicture();
        if (!error.isEmpty())
            return error;
        // The sound of this frame's time, to the sample.
        const qint64 from = n * AudioReader::Rate / format.fps;
        const int count = int((n + 1) * AudioReader::Rate / format.fps - from);
        samples.resize(size_t(count) * AudioReader::Channels);
        sound.mix(samples.data(), count);
        if (error = encoder.addSound(samples.data(), count); !error.isEmpty())
            return error;
        if (progress)
            progress(n + 1, total);
    }
    return encoder.finish();
}

// The hidden file a render writes before it is whole names the output
// (by a short hash of its name) and the process writing it, so a later
// render of the same output can tell one abandoned by a process that has
// gone (killed, the machine turned off) from one still being written.
QString hiddenPrefix(const QFileInfo &target)
{
    const QByteArray name = QFile::encodeName(target.fileName());
    return u".quillan-render-"_s
        + QString::fromLatin1(
            QCryptographicHash::hash(name, QCryptographicHash::Sha1).toHex().left(8))
        + u'-';
}

void removeAbandoned(const QString &folder, const QString &prefix)
{
    const QStringList earlier
        = QDir(folder).entryList({prefix + u'*'}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : earlier) {
        bool isNumber = false;
        const qint64 pid = name.mid(prefix.size()).section(u'-', 0, 0).toLongLong(&isNumber);
        if (!isNumber || pid <= 0)
            continue;
        if (!ProcessIdentity::runs(pid))
            QFile::remove(folder + u'/' + name);
    }
}

} // namespace

VideoRenderer::Outcome VideoRenderer::render(const SlideshowSchedule &schedule,
    const VideoFormat &format, const QString &path, const Progress &progress,
    const std::atomic_bool &cancel)
{
    const QString container = containerOf(path);
    if (container.isEmpty())
        return {Result::Failed, u"%1: a video file ends in .mp4, .mkv or .webm"_s.arg(path)};
    const QFileInfo target(path);
    const QString prefix = hiddenPrefix(target);
    removeAbandoned(target.absolutePath(), prefix);
    QTemporaryFile beside(target.absolutePath() + u'/' + prefix
        + QString::number(QCoreApplication::applicationPid()) + u"-XXXXXX."_s + target.suffix());
    beside.setAutoRemove(false);
    if (!beside.open())
        return {Result::Failed, u"%1: %2"_s.arg(target.absolutePath(), beside.errorString())};
    const QString part = beside.fileName();
    beside.close();

    QString error;
    {
        VideoEncoder encoder;
        error = encoder.open(part, container, format);
        if (error.isEmpty())
            error = encode(schedule, format, encoder, progress, cancel);
    }
    if (cancel.load() && error.isEmpty()) {
        QFile::remove(part);
        return {Result::Cancelled, {}};
    }
    if (!error.isEmpty()) {
        QFile::remove(part);
        return {Result::Failed, u"%1: %2"_s.arg(path, error)};
    }
    QFile::setPermissions(
        part, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(path).constData())
        != 0) {
        const QString why = QString::fromLocal8Bit(std::strerror(errno));
        QFile::remove(part);
        return {Result::Failed, u"%1: %2"_s.arg(path, why)};
    }
    return {Result::Done, {}};
}
