#include "Ruler.h"

#include "Rounding.h"

namespace Ruler {

Placement place(int scrollX)
{
    int left = int(Rounding::halfEven(scrollX / 50.0) * 50) - scrollX;
    if (left > 0)
        return {left - 50, scrollX - 50};
    return {left, scrollX};
}

QString label(qint64 seconds)
{
    return QString::number(seconds / 3600) + u':' + QString::number((seconds / 60) % 60) + u':'
        + QString::number(seconds % 60);
}

std::vector<Mark> marks(int width, int height, int origin, const TimeScale &scale)
{
    std::vector<Mark> out;
    const auto share = [height](double part) { return int(Rounding::halfEven(height * part)); };
    for (int x = 5; x < width; x += 5) {
        if (x % 50 == 0) {
            const qint64 units = Rounding::halfEven((x + origin) / 50.0);
            out.push_back(
                {x, share(0.4), label(units * qint64(scale.secondsPerUnit())), share(0.4)});
        } else if (x % 25 == 0) {
            out.push_back({x, share(0.2), {}});
        } else {
            out.push_back({x, share(0.1), {}});
        }
    }
    return out;
}

} // namespace Ruler
