#include "TimeScale.h"

#include "Rounding.h"

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {
constexpr int SecondsPerUnit[] = {1, 10, 20, 30, 60, 600, 1200, 1800, 3600};
}

const QStringList &TimeScale::itemTexts()
{
    static const QStringList texts = {u"1 sec"_s, u"10 sec"_s, u"20 sec"_s, u"30 sec"_s, u"1 min"_s,
        u"10 min"_s, u"20 min"_s, u"30 min"_s, u"1 hour"_s};
    return texts;
}

TimeScale::TimeScale(int index)
    : m_index(index >= 0 && index <= 8 ? index : 0)
{ }

double TimeScale::secondsPerUnit() const
{
    return SecondsPerUnit[m_index];
}

int TimeScale::SecondsToPixels(double seconds) const
{
    const qint64 pixels = Rounding::halfEven(seconds * UnitPixels / secondsPerUnit());
    return int(std::clamp<qint64>(pixels, 1, 1 << 30));
}

int TimeScale::SecondsToPixels(const QString &seconds) const
{
    return SecondsToPixels(Rounding::parseDecimal(seconds));
}

qint64 TimeScale::PixelsToSeconds(int x) const
{
    return Rounding::halfEven(x / (UnitPixels / secondsPerUnit()));
}

double TimeScale::progressPixels(double seconds) const
{
    return seconds * UnitPixels / secondsPerUnit();
}

double TimeScale::snapProgress(double x) const
{
    if (m_index == 0)
        return double(Rounding::halfEven(x / 25.0) * 25);
    if (m_index == 1)
        return double(Rounding::halfEven(double(Rounding::halfEven(x / 2.5)) * 2.5));
    return x;
}
