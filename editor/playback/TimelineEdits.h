#pragma once

#include <vector>

// The arithmetic of the timeline's drags, apart from any widget.
namespace TimelineEdits {

// Pixels within this distance of a block's right edge resize it.
inline constexpr int ResizeZone = 5;
inline constexpr int MarkerWidth = 3;

bool inResizeZone(int x, int blockWidth);

// A row released after a resize at x: max(x + 4, 5) pixels wide.
int rowWidthAfterResize(int x);

// A member block released at x: x + 4, at least 5, at most what the track
// leaves it (trackWidth - blockLeft, and the room the other blocks leave).
int memberWidthAfterResize(int x, int blockLeft, int trackWidth, int otherMembersWidth);

// Where a row dropped at a new left edge lands: its position among all rows
// ordered by their left edges (the last of equal ones).
int rowDropTarget(const std::vector<int> &rowLefts, int source);

// Whether a row dropped at dropLeft moves at all: beyond its own right end,
// or (after the first) left of the previous row's start.
bool rowDropMoves(int dropLeft, int rowLeft, int rowWidth, int previousRowLeft, bool first);

} // namespace TimelineEdits
