#pragma once

#include <memory>

#include <QImage>
#include <QString>

// The picture an object shows in the views. A photo's is held in the
// bounded ThumbnailMemory and made again from its file (through the shared
// thumbnail cache) when it was dropped, so an album of any size keeps a
// bounded amount of pictures; any other picture (a video's first frame, the
// standard pictures) stays with the object. Copies share one picture.
class Thumbnail
{
public:
    Thumbnail() = default;
    // A picture that stays with the object.
    Thumbnail(const QImage &picture);
    // The thumbnail of the photo at `path`, made already.
    static Thumbnail ofPhoto(const QString &path, const QImage &picture);
    // The same, made when first shown (or ahead, on a worker thread).
    static Thumbnail ofPhotoLater(const QString &path);

    // Decoded again when it was dropped.
    QImage image() const;
    bool isNull() const;
    // A photo's picture that is not in memory now.
    bool isPending() const;
    // The same for copies of one thumbnail, different for any other.
    qint64 cacheKey() const;
    QSize size() const { return image().size(); }

private:
    struct Source;
    std::shared_ptr<const Source> m_source;
};
