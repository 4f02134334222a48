#pragma once

#include <QString>

// Seconds as "HH:MM:SS": each part at least two digits, hours not wrapped.
QString FormatDuration(qint64 wholeSeconds);
// The text is parsed with the C locale and cut to whole seconds.
QString FormatDuration(const QString &secondsText);

// Seconds as the album stores them: a decimal text with up to 15 significant
// digits, e.g. 215.346575963719.
QString secondsText(double seconds);
