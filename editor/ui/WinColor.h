#pragma once

#include <QColor>

// Colours are given as Windows colour numbers, blue-green-red from the high
// byte down: 8388608 is navy.
inline QColor winColor(unsigned number)
{
    return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}

namespace WinColors {
inline constexpr unsigned Navy = 8388608;
inline constexpr unsigned LightGreen = 9235143;
inline constexpr unsigned LightBlue = 15190436;
inline constexpr unsigned Grey = 8421504;
inline constexpr unsigned TitleBar = 16183786;
inline constexpr unsigned NumberBox = 9266746;
} // namespace WinColors
