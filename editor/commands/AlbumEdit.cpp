#include "AlbumEdit.h"

#include <algorithm>

namespace {

template <class... F> struct Overloaded : F...
{
    using F::operator()...;
};

void insert(AlbumDocument &album, int index, const ObjectState &object)
{
    album.insertObjectAt(index, object.record, object.entry);
}

// Texts copied from one another share their data: equal without reading it.
template <class T> bool same(const T &a, const T &b)
{
    return (a.constData() == b.constData() && a.size() == b.size()) || a == b;
}

constexpr int DeepestText = std::tuple_size_v<decltype(AlbumEdit::TextChange::path)>;

// The same nodes, none deeper than a text change can name.
bool sameShape(const OutlineNode &a, const OutlineNode &b, int depth = 0)
{
    if (a.children.size() != b.children.size() || (depth == DeepestText && !a.children.empty()))
        return false;
    for (size_t i = 0; i < a.children.size(); ++i) {
        if (!sameShape(a.children[i], b.children[i], depth + 1))
            return false;
    }
    return true;
}

void collectTexts(const OutlineNode &before, const OutlineNode &after, AlbumEdit::TextChange at,
    std::vector<AlbumEdit::TextChange> &texts)
{
    if (!same(before.text, after.text))
        texts.push_back({at.path, at.depth, before.text, after.text});
    for (size_t i = 0; i < before.children.size(); ++i) {
        AlbumEdit::TextChange below = at;
        below.path[size_t(below.depth++)] = int(i);
        collectTexts(before.children[i], after.children[i], below, texts);
    }
}

OutlineNode &nodeAt(OutlineNode &entry, const AlbumEdit::TextChange &change)
{
    OutlineNode *node = &entry;
    for (int level = 0; level < change.depth; ++level)
        node = &node->children.at(size_t(change.path[size_t(level)]));
    return *node;
}

void apply(AlbumDocument &album, const AlbumEdit::Replaced &c, bool forward)
{
    const auto &record = forward ? c.recordAfter : c.recordBefore;
    const auto &entry = forward ? c.entryAfter : c.entryBefore;
    OutlineNode node = entry ? *entry : album.outline().entry(c.index);
    for (const AlbumEdit::TextChange &text : c.texts)
        nodeAt(node, text).text = forward ? text.after : text.before;
    album.replaceObject(c.index, record ? *record : album.object(c.index), node);
}

void restore(AlbumDocument &album, const AlbumEdit::Cleared &cleared)
{
    album.ClearAlbum(cleared.rootBefore);
    for (size_t i = 0; i < cleared.objects.size(); ++i)
        insert(album, int(i), cleared.objects[i]);
    album.setMissingFiles(cleared.missingFiles);
}

} // namespace

void AlbumEdit::append(const AlbumEdit &later)
{
    m_changes.insert(m_changes.end(), later.m_changes.begin(), later.m_changes.end());
}

bool AlbumEdit::sameRecord(const AlbumObject &a, const AlbumObject &b)
{
    return a.kind == b.kind && a.repeatMembers == b.repeatMembers && same(a.mainFile, b.mainFile)
        && same(a.durationSeconds, b.durationSeconds) && same(a.transition, b.transition)
        && same(a.thumbnailFile, b.thumbnailFile) && same(a.mediaInfo, b.mediaInfo)
        && same(a.memberFiles, b.memberFiles) && same(a.memberDurations, b.memberDurations)
        && same(a.memberSizesKB, b.memberSizesKB) && same(a.memberThumbnails, b.memberThumbnails);
}

bool AlbumEdit::sameEntry(const OutlineNode &a, const OutlineNode &b)
{
    if (!same(a.text, b.text) || a.children.size() != b.children.size())
        return false;
    for (size_t i = 0; i < a.children.size(); ++i) {
        if (!sameEntry(a.children[i], b.children[i]))
            return false;
    }
    return true;
}

AlbumEdit::Replaced AlbumEdit::replacement(
    int index, const ObjectState &before, const ObjectState &after)
{
    Replaced change{index, {}, {}, {}, {}, {}};
    if (!sameRecord(before.record, after.record)) {
        change.recordBefore = before.record;
        change.recordAfter = after.record;
    }
    if (sameShape(before.entry, after.entry)) {
        collectTexts(before.entry, after.entry, TextChange{{}, 0, {}, {}}, change.texts);
    } else {
        change.entryBefore = before.entry;
        change.entryAfter = after.entry;
    }
    return change;
}

void AlbumEdit::undo(AlbumDocument &album) const
{
    for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change) {
        std::visit(Overloaded{
                       [&](const Inserted &c) { album.takeObjectAt(c.index); },
                       [&](const Removed &c) { insert(album, c.index, c.object); },
                       [&](const Moved &c) { album.relocateObject(c.to, c.from); },
                       [&](const Replaced &c) { apply(album, c, false); },
                       [&](const Cleared &c) { restore(album, c); },
                       [&](const PropertiesChanged &c) { album.setProperties(c.before); },
                       [&](const RootRenamed &c) { album.setRootText(c.before); },
                   },
            *change);
    }
}

void AlbumEdit::redo(AlbumDocument &album) const
{
    for (const Change &change : m_changes) {
        std::visit(Overloaded{
                       [&](const Inserted &c) { insert(album, c.index, c.object); },
                       [&](const Removed &c) { album.takeObjectAt(c.index); },
                       [&](const Moved &c) { album.relocateObject(c.from, c.to); },
                       [&](const Replaced &c) { apply(album, c, true); },
                       [&](const Cleared &c) { album.ClearAlbum(c.rootAfter); },
                       [&](const PropertiesChanged &c) { album.setProperties(c.after); },
                       [&](const RootRenamed &c) { album.setRootText(c.after); },
                   },
            change);
    }
}

int AlbumEdit::firstObject() const
{
    int first = -1;
    const auto take = [&first](int index) { first = first < 0 ? index : std::min(first, index); };
    for (const Change &change : m_changes) {
        std::visit(Overloaded{
                       [&](const Inserted &c) { take(c.index); },
                       [&](const Removed &c) { take(c.index); },
                       [&](const Moved &c) { take(std::min(c.from, c.to)); },
                       [&](const Replaced &c) { take(c.index); },
                       [&](const Cleared &) { take(0); },
                       [](const PropertiesChanged &) {},
                       [](const RootRenamed &) {},
                   },
            change);
    }
    return first;
}
