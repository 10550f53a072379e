#pragma once
// The arithmetic the reading check shares: values as the check window shows
// them (four places) and read back as shown, and checked steps that throw
// rt::ArithmeticFault instead of giving inf or NaN.

#include "runtime/numbers.h"

#include <string>

namespace kervadin::checkmath {

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

} // namespace kervadin::checkmath
