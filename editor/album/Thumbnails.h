#pragma once

#include "Thumbnail.h"

#include <QImage>
#include <QSize>

// Every object's thumbnail picture has this size; views stretch it.
inline constexpr QSize ThumbnailSize(128, 100);

// A photo stretched over the whole thumbnail picture. JPEGs decode at the
// smallest DCT scale that still covers it; other pictures go through Qt's
// readers. A picture that cannot be read gives the unplayable picture.
QImage MakePhotoThumbnail(const QString &path);
// The same as an object keeps it: dropped from memory when not shown for a
// while, and made again then.
Thumbnail photoThumbnail(const QString &path);

// A photo decoded just large enough to cover `cover` (JPEGs at the smallest
// DCT scale that does), for previews; null when it cannot be read.
QImage decodePhotoCovering(const QString &path, QSize cover);

// A JPEG held in memory (a stored thumbnail), stretched the same way; null
// when it cannot be decoded.
QImage thumbnailFromJpegData(const QByteArray &jpeg);

struct VideoProbeResult
{
    qint64 milliseconds = 0;
    QImage thumbnail;
};

// The video's length and its first decodable frame. A path containing ".jpg"
// is a picture and measures 0. A file that cannot be opened gives the
// unplayable picture and 0.
VideoProbeResult ProbeVideoAndThumbnail(const QString &path);
// A video's first frame only, through the thumbnail cache.
QImage videoThumbnail(const QString &path);
