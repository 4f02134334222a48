#pragma once

#include "AlbumDocument.h"

#include <variant>
#include <vector>

// An object as the album holds it: its record and its outline entry.
struct ObjectState
{
    AlbumObject record;
    OutlineNode entry;
};

// What one editing step did to the album, change by change in the order it
// happened, with only the objects it touched; undo() puts the album back as
// it was before the step, redo() does the step again.
class AlbumEdit
{
public:
    struct Inserted
    {
        int index;
        ObjectState object;
    };
    struct Removed
    {
        int index;
        ObjectState object;
    };
    struct Moved
    {
        int from;
        int to;
    };
    struct Replaced
    {
        int index;
        ObjectState before;
        ObjectState after;
    };
    struct Cleared
    {
        QString rootBefore;
        QString rootAfter;
        std::vector<ObjectState> objects;
        QStringList missingFiles;
    };
    struct PropertiesChanged
    {
        AlbumProperties before;
        AlbumProperties after;
    };
    struct RootRenamed
    {
        QString before;
        QString after;
    };
    using Change
        = std::variant<Inserted, Removed, Moved, Replaced, Cleared, PropertiesChanged, RootRenamed>;

    void add(Change change) { m_changes.push_back(std::move(change)); }
    // The changes of a later step become part of this one.
    void append(AlbumEdit &&later);
    bool isEmpty() const { return m_changes.empty(); }

    void undo(AlbumDocument &album) const;
    void redo(AlbumDocument &album) const;
    // The lowest object index a change names; -1 when only the album's
    // properties changed.
    int firstObject() const;

private:
    std::vector<Change> m_changes;
};
