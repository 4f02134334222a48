#pragma once

#include "TimeScale.h"

#include <QRect>

#include <vector>

class AlbumDocument;
struct AlbumObject;

// Where the timeline's rows and blocks lie, in content coordinates (x from
// the start of the album, y from the top of the view), and what a point
// hits. The view paints and forwards input from it.
class TimelineLayout
{
public:
    static constexpr int RulerHeight = 25;
    static constexpr int RowHeight = 50;
    static constexpr int ImageTrackHeight = 19;

    struct Hit
    {
        enum Part { None, ImageBlock, AudioBlock, Member } part = None;
        int index = -1;
        int member = -1;
        QRect block; // the block hit
        // Within the right-edge zone of a block that may be resized there.
        bool resize = false;
    };

    const TimeScale &scale() const { return m_scale; }
    void setScale(int index) { m_scale = TimeScale(index); }

    // Measures every row; returns the rows whose width changed.
    std::vector<int> measure(const AlbumDocument &album);
    // Appends the last object's row.
    void append(const AlbumObject &object);
    int rowCount() const { return int(m_lefts.size()) - 1; }
    int width() const { return m_lefts.back(); }
    int rowWidth(int index) const;
    bool rowWidthMatches(int index, const AlbumObject &object) const;

    QRect rowRect(int index) const;
    QRect imageBlock(int index, bool ppl) const;
    QRect audioBlock(int index) const;
    // Member blocks of an object, clipped to its image track.
    std::vector<QRect> memberBlocks(int index, const AlbumObject &object, bool ppl) const;
    // The first row at or after x.
    int firstRowAt(int x) const;
    int indexAt(QPoint point) const;
    Hit hit(QPoint point, const AlbumDocument &album) const;

private:
    TimeScale m_scale;
    std::vector<int> m_lefts{0}; // row left edges, and the end as last entry
};
