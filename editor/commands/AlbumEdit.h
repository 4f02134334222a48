#pragma once

#include "AlbumDocument.h"

#include <array>
#include <optional>
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
    // One node text of an outline entry: the entry itself (depth 0) or the
    // node reached from it through path[0..depth).
    struct TextChange
    {
        std::array<int, 3> path;
        int depth;
        QString before;
        QString after;
    };
    // An object changed in place, kept small: renumbering an album of
    // thousands of objects changes two texts of every entry.
    struct Replaced
    {
        int index;
        // When the record changed.
        std::optional<AlbumObject> recordBefore;
        std::optional<AlbumObject> recordAfter;
        // When the entry's nodes changed; otherwise the texts that did.
        std::optional<OutlineNode> entryBefore;
        std::optional<OutlineNode> entryAfter;
        std::vector<TextChange> texts;
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
    // What changed between two states of the object at `index`.
    static Replaced replacement(int index, const ObjectState &before, const ObjectState &after);
    // Equal in what an album file holds: thumbnails and captions aside.
    static bool sameRecord(const AlbumObject &a, const AlbumObject &b);
    static bool sameEntry(const OutlineNode &a, const OutlineNode &b);
    // The changes of a later step become part of this one.
    void append(const AlbumEdit &later);
    bool isEmpty() const { return m_changes.empty(); }

    void undo(AlbumDocument &album) const;
    void redo(AlbumDocument &album) const;
    // The lowest object index a change names; -1 when only the album's
    // properties changed.
    int firstObject() const;

private:
    std::vector<Change> m_changes;
};
