#pragma once

#include <QSet>

#include "AlbumObject.h"
#include "AlbumOutline.h"

// Pieces both album readers build objects from.
namespace ReaderObjects {

// The files a reading could not find, each once, in the order met.
class MissingFiles
{
public:
    void add(const QString &path)
    {
        if (!m_seen.contains(path)) {
            m_seen.insert(path);
            m_list.append(path);
        }
    }
    const QStringList &list() const { return m_list; }

private:
    QStringList m_list;
    QSet<QString> m_seen;
};

// An outline entry "text" with its five field nodes.
OutlineNode entry(const QString &text, int number, const QString &durationSeconds,
    const QString &transition, const QString &kindLabel, const QString &path);

// A member entry "k:name" below field node 4, with its five field nodes; the
// kind label is the member's probe kind (or `prefix`) and description.
void addMember(OutlineNode &entry, const QString &path, const QString &durationSeconds,
    const QString &transition, const QString &prefix = {});

// The captions the views show, from the object's files: the photo or video
// name, the music or sound name.
void setCaptions(AlbumObject &object);

// A duration text if it is a number (kept within 0 to 24 hours), else the
// fallback seconds.
QString durationOr(const QString &text, int fallbackSeconds);

} // namespace ReaderObjects
