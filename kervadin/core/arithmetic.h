#pragma once
// The arithmetic the thread rules share: values as the windows show them
// (four places) and read back as shown, checked steps that throw
// rt::ArithmeticFault instead of giving inf or NaN, and the shortest text of
// a number for a formula.

#include "runtime/numbers.h"

#include <cstddef>
#include <string>

namespace kervadin::arithmetic {

inline constexpr double Pi = 3.14159265358979323846;

inline double radians(double degrees)
{
    return degrees * Pi / 180;
}

inline std::string shown(double value)
{
    return rt::FormatNumber(value, "#0.0000");
}

// A value as the window shows it, read back: what a later step uses.
inline double asShown(double value)
{
    return rt::ReadNumber(shown(value));
}

inline double add(double a, double b) { return rt::checked(a + b); }
inline double subtract(double a, double b) { return rt::checked(a - b); }
inline double multiply(double a, double b) { return rt::checked(a * b); }

// A number as its shortest text, without the blank before it.
inline std::string shortest(double value)
{
    std::string text = rt::NumberToText(value);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text;
}

// A number to at most three places, without a trailing point or zeros:
// "12", "1.75", "0.45".
inline std::string plain(double value)
{
    std::string text = rt::FormatNumber(value, "###.###");
    if (!text.empty() && text.back() == '.')
        text.pop_back();
    if (text.empty() || text.front() == '.')
        text.insert(0, "0");
    return text;
}

// A text as a message quotes it, in double quotes: past `longest` bytes it
// is cut short (never inside a character) and ends in an ellipsis.
inline std::string quotedPiece(const std::string &text, std::size_t longest)
{
    if (text.size() <= longest)
        return "\"" + text + "\"";
    std::size_t end = longest;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return "\"" + text.substr(0, end) + "…\"";
}

// An angle in degrees and whole minutes, the minutes left out when there are
// none: "30°", "27° 30'", "8° 20'".
inline std::string degreesAndMinutes(double degrees)
{
    const int minutes = rt::RoundToInteger(rt::checked(degrees * 60));
    const std::string whole = std::to_string(minutes / 60) + "°";
    return minutes % 60 == 0 ? whole : whole + " " + std::to_string(minutes % 60) + "'";
}

} // namespace kervadin::arithmetic
