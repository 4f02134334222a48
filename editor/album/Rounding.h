#pragma once

#include <QtGlobal>

class QString;

// The three rounding rules the album code relies on. Each has its own helper
// so that no call site rounds "by hand" with a rule that only looks alike.
namespace Rounding {

// Nearest integer, halves to even (kilobytes, totals, timeline pixels).
// Values beyond about +-9.2e18 saturate; NaN gives 0.
qint64 halfEven(double value);

// Bytes to kilobytes of 1000 bytes, halves to even, computed exactly.
qint64 kilobytes(qint64 bytes);

// a * b / c rounded half away from zero, as the fit rule's MulDiv does;
// -1 when c is 0.
int mulDiv(int a, int b, int c);

// Parses a decimal text with the C locale ("215.346575963719", "5").
// Texts that are not finite numbers ("x", "inf", "nan") give 0 and set
// *ok to false.
double parseDecimal(const QString &text, bool *ok = nullptr);

} // namespace Rounding
