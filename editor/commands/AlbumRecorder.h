#pragma once

#include "AlbumEdit.h"

#include <functional>
#include <optional>

#include <QObject>

// Follows the album with a copy of its objects (their texts shared with the
// album's, so the copy costs little) to tell what a step changed: objects
// inserted, removed and moved are seen as they happen through the album's
// signals, changed contents by comparing the copy with the album when the
// step ends, object by object.
class AlbumRecorder final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AlbumRecorder)

public:
    explicit AlbumRecorder(AlbumDocument &album, QObject *parent = nullptr);

    // Brings the copy up to date; false when the album's contents changed
    // since it was last taken without being recorded. Thumbnails and the
    // selected member are no contents.
    bool catchUp();
    void start();
    bool recording() const { return m_recording; }
    // What changed since start(); nothing when the album went through a
    // change the copy could not follow.
    std::optional<AlbumEdit> finish();
    // Runs an undo or a redo on the album and takes its result as the copy.
    void replay(const std::function<void()> &apply);

Q_SIGNALS:
    // Objects were inserted, removed or moved outside any step (an album
    // opened, a new one begun): recorded steps no longer fit the album.
    void untrackedChange();

private:
    ObjectState current(int index) const;
    void inserted(int index);
    void removed(int index);
    void moved(int from, int to);
    void cleared();
    void structureChanged();
    // The copy lists the album's objects one for one.
    bool followed() const;
    // Compares the copy with the album, adds what differs to `edit` when it
    // is given, and takes the album's version; true when contents differed.
    bool compare(AlbumEdit *edit);

    AlbumDocument &m_album;
    std::vector<ObjectState> m_objects;
    QString m_root;
    AlbumProperties m_properties;
    QStringList m_missingFiles;
    std::optional<AlbumEdit> m_edit;
    bool m_recording = false;
    bool m_replaying = false;
    bool m_lost = false;
};
