#include "ThumbnailMemory.h"

ThumbnailMemory &ThumbnailMemory::instance()
{
    // Never destroyed: thumbnails may outlive the end of main in statics.
    static auto *memory = new ThumbnailMemory;
    return *memory;
}

void ThumbnailMemory::setLimit(qint64 bytes)
{
    const std::lock_guard lock(m_mutex);
    m_limit = bytes;
    dropOldest();
}

qint64 ThumbnailMemory::limit() const
{
    const std::lock_guard lock(m_mutex);
    return m_limit;
}

qint64 ThumbnailMemory::bytesHeld() const
{
    const std::lock_guard lock(m_mutex);
    return m_bytes;
}

QImage ThumbnailMemory::find(quint64 key)
{
    const std::lock_guard lock(m_mutex);
    const auto held = m_held.find(key);
    if (held == m_held.end())
        return {};
    m_ages.splice(m_ages.end(), m_ages, held->second.age);
    return held->second.picture;
}

void ThumbnailMemory::keep(quint64 key, const QImage &picture)
{
    if (picture.isNull())
        return;
    const std::lock_guard lock(m_mutex);
    if (const auto held = m_held.find(key); held != m_held.end()) {
        m_bytes -= held->second.picture.sizeInBytes();
        m_ages.erase(held->second.age);
        m_held.erase(held);
    }
    m_ages.push_back(key);
    m_held.emplace(key, Held{picture, std::prev(m_ages.end())});
    m_bytes += picture.sizeInBytes();
    dropOldest();
}

void ThumbnailMemory::forget(quint64 key)
{
    const std::lock_guard lock(m_mutex);
    if (const auto held = m_held.find(key); held != m_held.end()) {
        m_bytes -= held->second.picture.sizeInBytes();
        m_ages.erase(held->second.age);
        m_held.erase(held);
    }
}

void ThumbnailMemory::dropOldest()
{
    // The newest stays whatever its size: it is about to be shown.
    while (m_bytes > m_limit && m_ages.size() > 1) {
        const auto oldest = m_held.find(m_ages.front());
        m_bytes -= oldest->second.picture.sizeInBytes();
        m_held.erase(oldest);
        m_ages.pop_front();
    }
}
