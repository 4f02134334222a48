#include "TimelineLayout.h"

#include "AlbumDocument.h"
#include "TimelineEdits.h"

#include <algorithm>

std::vector<int> TimelineLayout::measure(const AlbumDocument &album)
{
    std::vector<int> changed;
    std::vector<int> lefts{0};
    lefts.reserve(size_t(album.objectCount()) + 1);
    for (int i = 0; i < album.objectCount(); ++i) {
        const int width = m_scale.SecondsToPixels(album.object(i).durationValue);
        if (i < rowCount() && rowWidth(i) != width)
            changed.push_back(i);
        lefts.push_back(lefts.back() + width);
    }
    m_lefts = std::move(lefts);
    return changed;
}

void TimelineLayout::append(const AlbumObject &object)
{
    m_lefts.push_back(m_lefts.back() + m_scale.SecondsToPixels(object.durationValue));
}

int TimelineLayout::rowWidth(int index) const
{
    return m_lefts.at(size_t(index) + 1) - m_lefts.at(size_t(index));
}

bool TimelineLayout::rowWidthMatches(int index, const AlbumObject &object) const
{
    return index >= 0 && index < rowCount()
        && m_scale.SecondsToPixels(object.durationValue) == rowWidth(index);
}

QRect TimelineLayout::rowRect(int index) const
{
    return QRect(m_lefts.at(size_t(index)), RulerHeight, rowWidth(index), RowHeight);
}

QRect TimelineLayout::imageBlock(int index, bool ppl) const
{
    QRect r = rowRect(index);
    r.setHeight(ppl ? RowHeight : ImageTrackHeight);
    return r;
}

QRect TimelineLayout::audioBlock(int index) const
{
    QRect r = rowRect(index);
    r.setTop(r.top() + ImageTrackHeight);
    return r;
}

std::vector<QRect> TimelineLayout::memberBlocks(
    int index, const AlbumObject &object, bool ppl) const
{
    std::vector<QRect> blocks;
    if (object.kind == ObjectKind::StillWithAudio)
        return blocks;
    const QRect track = imageBlock(index, ppl);
    int left = track.left();
    for (qsizetype k = 0; k < object.memberFiles.size(); ++k) {
        const int width = m_scale.SecondsToPixels(object.memberDurations.value(k));
        const int clipped = std::min(width, track.right() - left + 1);
        if (clipped <= 0)
            break;
        blocks.emplace_back(left, track.top(), clipped, track.height());
        left += width + 1;
    }
    return blocks;
}

int TimelineLayout::firstRowAt(int x) const
{
    const auto after = std::upper_bound(m_lefts.begin(), m_lefts.end(), x);
    return std::max(0, int(after - m_lefts.begin()) - 1);
}

int TimelineLayout::indexAt(QPoint point) const
{
    if (point.y() < RulerHeight || point.y() >= RulerHeight + RowHeight || point.x() < 0)
        return -1;
    const int index = firstRowAt(point.x());
    return index < rowCount() ? index : -1;
}

TimelineLayout::Hit TimelineLayout::hit(QPoint point, const AlbumDocument &album) const
{
    Hit h;
    h.index = indexAt(point);
    if (h.index < 0 || h.index >= album.objectCount())
        return {};
    const AlbumObject &o = album.object(h.index);
    const bool ppl = album.pplMode();
    const std::vector<QRect> members = memberBlocks(h.index, o, ppl);
    for (size_t k = 0; k < members.size(); ++k) {
        if (members[k].contains(point)) {
            h.part = Hit::Member;
            h.member = int(k);
            h.block = members[k];
            h.resize = TimelineEdits::inResizeZone(point.x() - h.block.left(), h.block.width());
            return h;
        }
    }
    const QRect image = imageBlock(h.index, ppl);
    h.part = image.contains(point) ? Hit::ImageBlock : Hit::AudioBlock;
    h.block = h.part == Hit::ImageBlock ? image : audioBlock(h.index);
    h.resize = (o.kind == ObjectKind::StillWithAudio || ppl)
        && TimelineEdits::inResizeZone(point.x() - h.block.left(), h.block.width());
    return h;
}
