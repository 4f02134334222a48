#include "ThumbnailGrid.h"

#include <algorithm>
#include <cmath>

ThumbnailGrid::ThumbnailGrid(int percent)
    : m_percent(std::clamp(percent, 70, 100))
{ }

int ThumbnailGrid::cellWidth() const
{
    return int(std::trunc(m_percent / 100.0 * 128));
}

int ThumbnailGrid::cellHeight() const
{
    return int(std::trunc(m_percent / 100.0 * 100));
}

double ThumbnailGrid::pitch() const
{
    return m_percent * 133 / 100.0;
}

int ThumbnailGrid::columns(int stripWidth) const
{
    // A strip narrower than one cell still shows one column.
    return std::max(1, (stripWidth - 50) / (m_percent * 128 / 100));
}

int ThumbnailGrid::creationColumns(int stripWidth) const
{
    return std::max(1, stripWidth / (m_percent * 128 / 100));
}

QRect ThumbnailGrid::cell(int index, int columns, int scrollY) const
{
    const int c = std::max(1, columns);
    const int left = int(std::trunc(m_percent / 100.0 * 133 * (index % c) + 4));
    const int top = int(std::trunc(m_percent / 100.0 * 100 * (index / c) + 4)) - scrollY;
    return QRect(left, top, cellWidth(), cellHeight());
}

int ThumbnailGrid::DropCellIndex(int x, int y, int stripWidth, int scrollY) const
{
    const int d = int(std::trunc(stripWidth / pitch()));
    const int column = int(std::trunc(std::max(0.0, x / pitch()) + 0.5));
    const int row = int(std::trunc(std::max(0.0, double(y + scrollY) / m_percent) + 0.5));
    return column + d * row;
}

std::optional<int> ThumbnailGrid::dropTarget(
    QPoint origin, QPoint drop, int stripWidth, int scrollY) const
{
    if (std::abs(drop.x() - origin.x()) < cellWidth()
        && std::abs(drop.y() - origin.y()) < cellHeight())
        return std::nullopt;
    return DropCellIndex(drop.x(), drop.y(), stripWidth, scrollY);
}
