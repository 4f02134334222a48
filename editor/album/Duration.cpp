#include "Duration.h"

#include "Rounding.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

QString FormatDuration(qint64 wholeSeconds)
{
    const qint64 t = std::max<qint64>(wholeSeconds, 0);
    const qint64 seconds = t % 60;
    const qint64 minutes = (t / 60) % 60;
    const qint64 hours = (t / 60) / 60;
    char text[64];
    std::snprintf(text, sizeof text, "%2.2lld:%2.2lld:%2.2lld", static_cast<long long>(hours),
        static_cast<long long>(minutes), static_cast<long long>(seconds));
    return QString::fromLatin1(text);
}

QString FormatDuration(const QString &secondsText)
{
    const double value = Rounding::parseDecimal(secondsText);
    // Values beyond what qint64 holds are not durations anyone can play.
    if (!(value < 9.2e18))
        return FormatDuration(qint64(0));
    return FormatDuration(static_cast<qint64>(std::trunc(value)));
}

QString secondsText(double seconds)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.15g", seconds);
    return QString::fromLatin1(text);
}

double clampedSeconds(double seconds)
{
    if (!(seconds > 0))
        return 0;
    return std::min(seconds, MaxObjectSeconds);
}

QString clampedSecondsText(const QString &text)
{
    bool ok = false;
    const double value = Rounding::parseDecimal(text, &ok);
    if (!ok)
        return {};
    const double kept = clampedSeconds(value);
    return kept == value ? text.trimmed() : secondsText(kept);
}
