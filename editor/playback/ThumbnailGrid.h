#pragma once

#include <QRect>

#include <optional>

// Where the thumbnail strip places object panels, for a thumbnail size of
// p percent (70..100): cells of 128 x 100 scaled by p, a horizontal pitch of
// 133 scaled by p, a margin of 4.
class ThumbnailGrid
{
public:
    explicit ThumbnailGrid(int percent = 100);

    int percent() const { return m_percent; }
    int cellWidth() const;
    int cellHeight() const;
    // Columns when objects are re-placed; never fewer than one.
    int columns(int stripWidth) const;
    // Columns a newly created panel is placed by (the full strip width).
    int creationColumns(int stripWidth) const;
    QRect cell(int index, int columns, int scrollY) const;
    // The grid index a panel dropped at (x, y) lands on.
    int DropCellIndex(int x, int y, int stripWidth, int scrollY) const;
    // Where a panel dragged from origin to drop lands; none when it moved
    // less than a cell each way (it goes back to its place).
    std::optional<int> dropTarget(QPoint origin, QPoint drop, int stripWidth, int scrollY) const;

private:
    double pitch() const;

    int m_percent;
};
