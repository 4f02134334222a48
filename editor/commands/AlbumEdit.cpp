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

void restore(AlbumDocument &album, const AlbumEdit::Cleared &cleared)
{
    album.ClearAlbum(cleared.rootBefore);
    for (size_t i = 0; i < cleared.objects.size(); ++i)
        insert(album, int(i), cleared.objects[i]);
    album.setMissingFiles(cleared.missingFiles);
}

} // namespace

void AlbumEdit::append(AlbumEdit &&later)
{
    std::move(later.m_changes.begin(), later.m_changes.end(), std::back_inserter(m_changes));
    later.m_changes.clear();
}

void AlbumEdit::undo(AlbumDocument &album) const
{
    for (auto change = m_changes.rbegin(); change != m_changes.rend(); ++change) {
        std::visit(Overloaded{
                       [&](const Inserted &c) { album.takeObjectAt(c.index); },
                       [&](const Removed &c) { insert(album, c.index, c.object); },
                       [&](const Moved &c) { album.relocateObject(c.to, c.from); },
                       [&](const Replaced &c) {
                           album.replaceObject(c.index, c.before.record, c.before.entry);
                       },
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
                       [&](const Replaced &c) {
                           album.replaceObject(c.index, c.after.record, c.after.entry);
                       },
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
