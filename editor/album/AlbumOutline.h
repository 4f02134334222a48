#pragma once

#include <optional>
#include <vector>

#include <QString>

// A node of the album outline: a text and its children.
struct OutlineNode
{
    QString text;
    std::vector<OutlineNode> children;

    OutlineNode &add(const QString &childText);
};

// Append classes, derived from an entry's kind label.
enum class AppendClass { Full, Photo, Music, Sequence };
AppendClass AppendClassOf(const QString &kindLabel);

// The text from the first colon on; the whole text when it has none.
QString fromFirstColon(const QString &text);

// The album's outline: a root, one entry per object with five field nodes
// (number, duration, transition, kind label, main file), and member entries
// below field node 4 with five field nodes of their own.
class AlbumOutline
{
public:
    enum Field { NumberField = 0, DurationField, TransitionField, KindField, PathField };
    static constexpr int FieldCount = 5;

    bool hasRoot() const { return m_root.has_value(); }
    void reset(const QString &rootText) { m_root = OutlineNode{rootText, {}}; }

    OutlineNode &root() { return *m_root; }
    const OutlineNode &root() const { return *m_root; }

    int entryCount() const { return m_root ? int(m_root->children.size()) : 0; }
    OutlineNode &entry(int index) { return m_root->children.at(size_t(index)); }
    const OutlineNode &entry(int index) const { return m_root->children.at(size_t(index)); }

    // A field node's text; empty when the entry has no such field.
    static QString field(const OutlineNode &entry, int field);
    static void setField(OutlineNode &entry, int field, const QString &text);
    // The member entries below field node 4; null when the entry has none.
    static std::vector<OutlineNode> *members(OutlineNode &entry);

    void removeEntry(int index);
    // Inserted before the entry now at `to`, or appended when `to` is last.
    void moveEntry(int from, int to);
    // Entry i reads i + 1 followed by its text from the first colon on, and
    // its field node 0 holds i + 1.
    void renumber();

    // One line per node in tree order, one tab per level below the root.
    QString dump() const;

private:
    std::optional<OutlineNode> m_root;
};
