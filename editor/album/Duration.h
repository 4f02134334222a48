#pragma once

#include <QString>

// Seconds as "HH:MM:SS": each part at least two digits, hours not wrapped.
QString FormatDuration(qint64 wholeSeconds);
// The text is parsed with the C locale and cut to whole seconds.
QString FormatDuration(const QString &secondsText);

// Seconds as the album stores them: a decimal text with up to 15 significant
// digits, e.g. 215.346575963719.
QString secondsText(double seconds);

// The longest an object may last: durations from files are kept between 0
// and this, so that no total or pixel width overflows.
inline constexpr double MaxObjectSeconds = 24 * 60 * 60;
// The seconds kept between 0 and MaxObjectSeconds (NaN gives 0).
double clampedSeconds(double seconds);
// A duration text as kept: unchanged when it is a number within that range,
// otherwise the clamped value; empty when it is no number at all.
QString clampedSecondsText(const QString &secondsText);
