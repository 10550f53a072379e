#include "runtime/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rt {

ArithmeticFault::ArithmeticFault(Fault kind)
    : std::runtime_error(faultText(kind)), m_kind(kind)
{
}

const char *faultText(Fault kind)
{
    switch (kind) {
    case Fault::DivisionByZero:
        return "Division by zero: the calculation had to divide by a value that is 0.\n"
               "Check that every value it needs is entered and is not 0.";
    case Fault::Overflow:
        return "Overflow: a number became too large to calculate with.\n"
               "Check the values entered for a misplaced point, an extra digit or a large exponent.";
    case Fault::InvalidArgument:
        break;
    }
    return "Invalid argument: these values cannot be worked out together "
           "(such as the square root of a negative number).\n"
           "Check that the values entered fit together.";
}

namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The decimal exponent of the first significant digit of a number read as
// digits[.digits][e exponent]; used only to tell overflow from underflow.
long long leadingExponent(const std::string &mantissa, long long exponent)
{
    const size_t point = mantissa.find('.');
    const size_t intLen = point == std::string::npos ? mantissa.size() : point;
    long long position = 0; // exponent of the current digit
    for (size_t i = 0; i < mantissa.size(); ++i) {
        if (mantissa[i] == '.')
            continue;
        position = i < intLen ? static_cast<long long>(intLen - 1 - i)
                              : -static_cast<long long>(i - intLen);
        if (mantissa[i] != '0')
            return position + exponent;
    }
    return 0;
}

} // namespace

double ReadNumber(const std::string &text)
{
    std::string s;
    s.reserve(text.size());
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    }

    size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    const size_t mantissaStart = i;
    size_t digits = 0;
    bool point = false;
    while (i < s.size()) {
        if (isDigit(s[i])) {
            ++digits;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (digits == 0)
        return 0.0;
    const std::string mantissa = s.substr(mantissaStart, i - mantissaStart);

    // An exponent counts only when digits follow the e and its sign.
    long long exponent = 0;
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        bool expNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            expNegative = s[j] == '-';
            ++j;
        }
        if (j < s.size() && isDigit(s[j])) {
            while (j < s.size() && isDigit(s[j])) {
                if (exponent < 1000000000LL)
                    exponent = exponent * 10 + (s[j] - '0');
                ++j;
            }
            if (expNegative)
                exponent = -exponent;
            end = j;
        }
    }

    const std::string number = s.substr(mantissaStart, end - mantissaStart);
    double value = 0.0;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        if (leadingExponent(mantissa, exponent) > 0)
            throw ArithmeticFault(Fault::Overflow);
        return 0.0; // too small to hold: nearest is zero
    }
    if (result.ec != std::errc() || std::isinf(value))
        throw ArithmeticFault(Fault::Overflow);
    return negative ? -value : value;
}

namespace {

// What a pattern writes: the places after the point, how many of them are
// always written ('0'; a '#' place only when significant), and whether a
// digit always stands before the point ('0').
struct NumberPattern {
    const char *text;
    int places;
    int writtenPlaces;
    bool digitBeforePoint;
};

const NumberPattern Patterns[] = {
    {"#0.00000", 5, 5, true},
    {"#0.0000", 4, 4, true},
    {"#0.000", 3, 3, true},
    {"#0.00", 2, 2, true},
    {"#0.0", 1, 1, true},
    {"#0.0####", 5, 1, true},
    {"###.###", 3, 0, false},
    {"##.##", 2, 0, false},
};

const NumberPattern &patternOf(const std::string &text)
{
    for (const NumberPattern &pattern : Patterns) {
        if (text == pattern.text)
            return pattern;
    }
    throw std::invalid_argument("unknown number pattern: " + text);
}

// A decimal without its sign: 0.digits x 10^point.
struct Decimal {
    std::string digits;
    int point = 1;
};

// The 15 significant digits a person would read off the value.
Decimal significantDigits(double value)
{
    Decimal decimal;
    if (value == 0.0) {
        decimal.digits = "0";
        return decimal;
    }
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    decimal.digits.assign(1, buf[0]);
    decimal.digits.append(buf + 2, 14);
    decimal.point = std::atoi(buf + 17) + 1;
    return decimal;
}

// Zeros before the first digit up to the point, and after the last up to
// `places` after the point; returns how many digits reach that place.
size_t padToPlaces(Decimal &decimal, int places)
{
    if (decimal.point < 0) {
        decimal.digits.insert(0, static_cast<size_t>(-decimal.point), '0');
        decimal.point = 0;
    }
    const size_t keep = static_cast<size_t>(decimal.point + places);
    if (decimal.digits.size() < keep)
        decimal.digits.append(keep - decimal.digits.size(), '0');
    return keep;
}

// The first `keep` digits, rounded half away from zero.
void roundHalfAway(Decimal &decimal, size_t keep)
{
    std::string &digits = decimal.digits;
    const bool roundUp = digits.size() > keep && digits[keep] >= '5';
    digits.resize(keep);
    if (!roundUp)
        return;
    size_t i = keep;
    while (i > 0 && digits[i - 1] == '9') {
        digits[i - 1] = '0';
        --i;
    }
    if (i == 0) {
        digits.insert(0, 1, '1');
        ++decimal.point;
    } else {
        ++digits[i - 1];
    }
}

// The rounded decimal as the pattern writes it: the whole part without
// leading zeros, the point, the fraction; a minus sign unless it is zero.
std::string written(const Decimal &decimal, const NumberPattern &pattern, bool negative)
{
    const std::string &digits = decimal.digits;
    std::string whole = digits.substr(0, static_cast<size_t>(decimal.point));
    std::string fraction = digits.substr(static_cast<size_t>(decimal.point));
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    const size_t firstSignificant = whole.find_first_not_of('0');
    whole = firstSignificant == std::string::npos ? std::string() : whole.substr(firstSignificant);
    if (whole.empty() && pattern.digitBeforePoint)
        whole = "0";
    const size_t last = fraction.find_last_not_of('0');
    fraction.resize(std::max(last == std::string::npos ? 0 : last + 1,
                             static_cast<size_t>(pattern.writtenPlaces)));
    return (negative && !zero ? "-" : "") + whole + "." + fraction;
}

} // namespace

std::string FormatNumber(double value, const std::string &pattern)
{
    const NumberPattern &shape = patternOf(pattern);
    checked(value);
    Decimal decimal = significantDigits(value);
    roundHalfAway(decimal, padToPlaces(decimal, shape.places));
    return written(decimal, shape, std::signbit(value));
}

std::string NumberToText(double value)
{
    checked(value);
    if (value == 0.0)
        return " 0";
    char buf[64];
    const auto result = std::to_chars(buf, buf + sizeof buf, value);
    std::string text(buf, result.ptr);
    return value < 0 ? text : " " + text;
}

int RoundToInteger(double value)
{
    if (std::isnan(value))
        throw ArithmeticFault(Fault::Overflow);
    const double nearest = std::nearbyint(value); // the default mode: halves to even
    if (nearest < -32768.0 || nearest > 32767.0)
        throw ArithmeticFault(Fault::Overflow);
    return static_cast<int>(nearest);
}

long long RoundToWhole(double value)
{
    constexpr double Exact = 9007199254740992.0; // 2^53
    if (!(std::fabs(value) <= Exact))
        throw ArithmeticFault(Fault::Overflow);
    return static_cast<long long>(std::nearbyint(value));
}

double checked(double value)
{
    if (std::isnan(value))
        throw ArithmeticFault(Fault::InvalidArgument);
    if (std::isinf(value))
        throw ArithmeticFault(Fault::Overflow);
    return value;
}

double divide(double num, double den)
{
    checked(num);
    checked(den);
    if (den == 0.0)
        throw ArithmeticFault(Fault::DivisionByZero);
    return checked(num / den);
}

double squareRoot(double value)
{
    checked(value);
    if (value < 0.0)
        throw ArithmeticFault(Fault::InvalidArgument);
    return std::sqrt(value);
}

} // namespace rt
