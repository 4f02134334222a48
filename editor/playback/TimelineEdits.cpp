#include "TimelineEdits.h"

#include <algorithm>

namespace TimelineEdits {

bool inResizeZone(int x, int blockWidth)
{
    return x > blockWidth - ResizeZone;
}

int rowWidthAfterResize(int x)
{
    return std::max(x + 4, 5);
}

int memberWidthAfterResize(int x, int blockLeft, int trackWidth, int otherMembersWidth)
{
    const int most = std::min(trackWidth - blockLeft, trackWidth - otherMembersWidth);
    return std::max(5, std::min(x + 4, most));
}

int rowDropTarget(const std::vector<int> &rowLefts, int source)
{
    const int moved = rowLefts.at(size_t(source));
    // Rows left of it come first, and so do the others sharing its edge.
    int target = 0;
    for (size_t i = 0; i < rowLefts.size(); ++i) {
        if (rowLefts[i] < moved || (rowLefts[i] == moved && int(i) != source))
            ++target;
    }
    return target;
}

bool rowDropMoves(int dropLeft, int rowLeft, int rowWidth, int previousRowLeft, bool first)
{
    const bool beyondEnd = dropLeft > rowLeft + rowWidth;
    return first ? beyondEnd : (beyondEnd || dropLeft < previousRowLeft);
}

} // namespace TimelineEdits
