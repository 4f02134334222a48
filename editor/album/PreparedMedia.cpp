#include "PreparedMedia.h"

#include "MediaClass.h"
#include "Thumbnails.h"

#include <QFileInfo>

std::optional<PreparedMedia::File> PreparedMedia::prepare(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    File file;
    file.probe = ProbeMedia(path);
    switch (ClassifyExtension(path)) {
    case MediaClass::Photo:
        file.thumbnail = photoThumbnail(path);
        break;
    case MediaClass::Video: {
        const VideoProbeResult video = ProbeVideoAndThumbnail(path);
        file.thumbnail = video.thumbnail;
        file.videoMs = video.milliseconds;
        break;
    }
    default:
        break;
    }
    return file;
}

const PreparedMedia::File *PreparedMedia::find(const QString &path) const
{
    const auto found = m_files.constFind(path);
    return found == m_files.cend() ? nullptr : &*found;
}
