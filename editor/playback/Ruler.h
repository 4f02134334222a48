#pragma once

#include "TimeScale.h"

#include <vector>

#include <QString>

// The time ruler above the timeline: where it sits for a scroll position,
// and the marks and labels drawn on its picture.
namespace Ruler {

struct Placement
{
    int left;
    int origin;
};
// The ruler snaps to whole units left of the visible area.
Placement place(int scrollX);

struct Mark
{
    int x;
    int length;
    QString label; // empty for unlabelled marks
    int labelTop = 0;
};
// A mark every 5 px: short, longer at odd multiples of 25, longest and
// labelled ("h:m:s", no leading zeros) at multiples of 50.
std::vector<Mark> marks(int width, int height, int origin, const TimeScale &scale);

QString label(qint64 seconds);

} // namespace Ruler
