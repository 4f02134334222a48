#include "AlbumRecorder.h"

#include <algorithm>

namespace {

// What choosing a member photo changes; no album file holds it.
bool sameLook(const AlbumObject &a, const AlbumObject &b)
{
    return a.currentMember == b.currentMember && a.thumbnail.cacheKey() == b.thumbnail.cacheKey()
        && a.imageCaption == b.imageCaption && a.audioCaption == b.audioCaption;
}

} // namespace

AlbumRecorder::AlbumRecorder(AlbumDocument &album, QObject *parent)
    : QObject(parent)
    , m_album(album)
{
    connect(&album, &AlbumDocument::objectInserted, this, &AlbumRecorder::inserted);
    connect(&album, &AlbumDocument::objectRemoved, this, &AlbumRecorder::removed);
    connect(&album, &AlbumDocument::objectMoved, this, &AlbumRecorder::moved);
    connect(&album, &AlbumDocument::albumCleared, this, &AlbumRecorder::cleared);
    catchUp();
}

ObjectState AlbumRecorder::current(int index) const
{
    const AlbumOutline &outline = m_album.outline();
    return {
        m_album.object(index), index < outline.entryCount() ? outline.entry(index) : OutlineNode{}};
}

bool AlbumRecorder::followed() const
{
    return !m_lost && m_objects.size() == size_t(m_album.objectCount())
        && m_album.outline().entryCount() == m_album.objectCount();
}

void AlbumRecorder::structureChanged()
{
    if (!m_recording && !m_replaying)
        Q_EMIT untrackedChange();
}

void AlbumRecorder::inserted(int index)
{
    ObjectState object = current(index);
    if (m_recording)
        m_edit->add(AlbumEdit::Inserted{index, object});
    m_objects.insert(m_objects.begin() + index, std::move(object));
    structureChanged();
}

void AlbumRecorder::removed(int index)
{
    if (size_t(index) >= m_objects.size()) {
        m_lost = true;
        return;
    }
    if (m_recording)
        m_edit->add(AlbumEdit::Removed{index, std::move(m_objects[size_t(index)])});
    m_objects.erase(m_objects.begin() + index);
    structureChanged();
}

void AlbumRecorder::moved(int from, int to)
{
    if (size_t(std::max(from, to)) >= m_objects.size()) {
        m_lost = true;
        return;
    }
    ObjectState object = std::move(m_objects[size_t(from)]);
    m_objects.erase(m_objects.begin() + from);
    m_objects.insert(m_objects.begin() + to, std::move(object));
    if (m_recording)
        m_edit->add(AlbumEdit::Moved{from, to});
    structureChanged();
}

void AlbumRecorder::cleared()
{
    const QString root = m_album.outline().hasRoot() ? m_album.outline().root().text : QString();
    if (m_recording)
        m_edit->add(AlbumEdit::Cleared{m_root, root, std::move(m_objects), m_missingFiles});
    m_objects.clear();
    m_root = root;
    m_missingFiles = m_album.missingFiles();
    structureChanged();
}

bool AlbumRecorder::compare(AlbumEdit *edit)
{
    bool differed = false;
    for (int i = 0; i < m_album.objectCount(); ++i) {
        ObjectState &copy = m_objects[size_t(i)];
        const AlbumObject &record = m_album.object(i);
        const OutlineNode &entry = m_album.outline().entry(i);
        const bool contentsSame
            = AlbumEdit::sameRecord(copy.record, record) && AlbumEdit::sameEntry(copy.entry, entry);
        if (contentsSame && sameLook(copy.record, record))
            continue;
        ObjectState now = current(i);
        if (!contentsSame) {
            differed = true;
            if (edit)
                edit->add(AlbumEdit::replacement(i, copy, now));
        }
        copy = std::move(now);
    }
    if (m_properties != m_album.properties()) {
        differed = true;
        if (edit)
            edit->add(AlbumEdit::PropertiesChanged{m_properties, m_album.properties()});
        m_properties = m_album.properties();
    }
    const QString root = m_album.outline().hasRoot() ? m_album.outline().root().text : QString();
    if (m_root != root) {
        differed = true;
        if (edit)
            edit->add(AlbumEdit::RootRenamed{m_root, root});
        m_root = root;
    }
    m_missingFiles = m_album.missingFiles();
    return differed;
}

bool AlbumRecorder::catchUp()
{
    if (!followed()) {
        m_objects.clear();
        for (int i = 0; i < m_album.objectCount(); ++i)
            m_objects.push_back(current(i));
        m_lost = false;
        compare(nullptr);
        return false;
    }
    return !compare(nullptr);
}

void AlbumRecorder::start()
{
    m_edit.emplace();
    m_recording = true;
}

std::optional<AlbumEdit> AlbumRecorder::finish()
{
    m_recording = false;
    std::optional<AlbumEdit> edit = std::move(m_edit);
    m_edit.reset();
    if (!followed()) {
        catchUp();
        return std::nullopt;
    }
    compare(&*edit);
    return edit;
}

void AlbumRecorder::replay(const std::function<void()> &apply)
{
    m_replaying = true;
    apply();
    m_replaying = false;
    catchUp();
}
