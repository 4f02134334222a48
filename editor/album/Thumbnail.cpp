#include "Thumbnail.h"

#include "ThumbnailMemory.h"
#include "Thumbnails.h"

#include <atomic>

struct Thumbnail::Source
{
    Source(quint64 key, const QString &path, const QImage &kept)
        : key(key)
        , path(path)
        , kept(kept)
    { }
    ~Source()
    {
        if (!path.isEmpty())
            ThumbnailMemory::instance().forget(key);
    }
    Q_DISABLE_COPY_MOVE(Source)

    const quint64 key;
    // Empty for a picture kept here.
    const QString path;
    const QImage kept;
};

namespace {

quint64 newKey()
{
    static std::atomic<quint64> next{1};
    return next++;
}

} // namespace

Thumbnail::Thumbnail(const QImage &picture)
{
    if (!picture.isNull())
        m_source = std::make_shared<const Source>(newKey(), QString(), picture);
}

Thumbnail Thumbnail::ofPhoto(const QString &path, const QImage &picture)
{
    Thumbnail thumbnail = ofPhotoLater(path);
    ThumbnailMemory::instance().keep(thumbnail.m_source->key, picture);
    return thumbnail;
}

Thumbnail Thumbnail::ofPhotoLater(const QString &path)
{
    Thumbnail thumbnail;
    thumbnail.m_source = std::make_shared<const Source>(newKey(), path, QImage());
    return thumbnail;
}

QImage Thumbnail::image() const
{
    if (!m_source)
        return {};
    if (m_source->path.isEmpty())
        return m_source->kept;
    ThumbnailMemory &memory = ThumbnailMemory::instance();
    QImage picture = memory.find(m_source->key);
    if (picture.isNull()) {
        picture = MakePhotoThumbnail(m_source->path);
        memory.keep(m_source->key, picture);
    }
    return picture;
}

bool Thumbnail::isNull() const
{
    return !m_source;
}

bool Thumbnail::isPending() const
{
    return m_source && !m_source->path.isEmpty()
        && ThumbnailMemory::instance().find(m_source->key).isNull();
}

qint64 Thumbnail::cacheKey() const
{
    return m_source ? qint64(m_source->key) : 0;
}
