#pragma once

#include <list>
#include <mutex>
#include <unordered_map>

#include <QImage>

// The photo thumbnails held decoded, most recently shown last, within a
// limit of bytes: past it the longest unseen ones are dropped and made
// again from the thumbnail cache when shown. Shared by every album of the
// process and safe to use from any thread.
class ThumbnailMemory
{
public:
    static constexpr qint64 DefaultLimitBytes = qint64(256) << 20;

    static ThumbnailMemory &instance();

    void setLimit(qint64 bytes);
    qint64 limit() const;
    qint64 bytesHeld() const;
    // Null when the picture was dropped (or never kept).
    QImage find(quint64 key);
    void keep(quint64 key, const QImage &picture);
    void forget(quint64 key);

private:
    struct Held
    {
        QImage picture;
        std::list<quint64>::iterator age;
    };
    void dropOldest();

    mutable std::mutex m_mutex;
    std::unordered_map<quint64, Held> m_held;
    // Least recently shown first.
    std::list<quint64> m_ages;
    qint64 m_bytes = 0;
    qint64 m_limit = DefaultLimitBytes;
};
