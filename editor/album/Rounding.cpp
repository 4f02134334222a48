#include "Rounding.h"

#include <cmath>
#include <cstdlib>

#include <QString>

namespace Rounding {

qint64 halfEven(double value)
{
    // A cast of a value qint64 cannot hold is undefined; such values come
    // only from hostile files, so they saturate (and NaN gives 0).
    if (!(value == value))
        return 0;
    constexpr double Limit = 9.2e18;
    if (value >= Limit)
        return static_cast<qint64>(Limit);
    if (value <= -Limit)
        return -static_cast<qint64>(Limit);
    return static_cast<qint64>(std::nearbyint(value));
}

qint64 kilobytes(qint64 bytes)
{
    const qint64 whole = bytes / 1000;
    const qint64 rest = bytes % 1000;
    if (rest > 500 || (rest == 500 && (whole % 2) == 1))
        return whole + 1;
    return whole;
}

int mulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const qint64 product = static_cast<qint64>(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const qint64 magnitude = (std::llabs(product) * 2 + std::llabs(c)) / (2 * std::llabs(c));
    return static_cast<int>(negative ? -magnitude : magnitude);
}

double parseDecimal(const QString &text, bool *ok)
{
    bool parsed = false;
    // QString::toDouble always uses the C locale, whatever the user's is.
    const double value = text.trimmed().toDouble(&parsed);
    // "inf" and "nan" parse, but are no durations or sizes.
    const bool finite = parsed && std::isfinite(value);
    if (ok)
        *ok = finite;
    return finite ? value : 0.0;
}

} // namespace Rounding
