// Numbers written by each of the four patterns.
//
// Input: the first byte picks the pattern (its two low bits) and how the
// rest gives the number (bit 2): clear, the next 8 bytes are the double's
// bits; set, the rest is a decimal text read by strtod, so that the corpus
// can hold readable values such as ties at the last place.
//
// Checked on every finite value v:
// - the text has the pattern's shape: an optional '-', digits, one '.',
//   then the pattern's places ("#0.0000", "#0.000": a digit before the point
//   and all 4 or 3 places; "###.###", "##.##": at most 3 or 2 places, no
//   trailing '0', no leading '0' before the point);
// - a minus sign exactly when v is negative and some digit is not zero;
// - read back, the text is within half a unit of its last place of v taken
//   to 15 significant digits, and a tie at that place went away from zero;
// - reading it back and writing it again gives the same text.
// Infinity must raise Overflow, NaN InvalidArgument.

#include "runtime/numbers.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <string>

namespace {

struct Pattern {
    const char *text;
    int places;
    bool fixed; // every place and a digit before the point are always written
};

const Pattern patterns[4] = {
    {"#0.0000", 4, true},
    {"#0.000", 3, true},
    {"###.###", 3, false},
    {"##.##", 2, false},
};

[[noreturn]] void fail(double v, const Pattern &p, const std::string &out, const char *what)
{
    std::fprintf(stderr, "FormatNumber(%.17g, \"%s\") = \"%s\": %s\n", v, p.text, out.c_str(),
                 what);
    std::abort();
}

// The fault FormatNumber raised, or -1 for none; the text in out.
int format(double v, const Pattern &p, std::string &out)
{
    try {
        out = rt::FormatNumber(v, p.text);
    } catch (const rt::ArithmeticFault &fault) {
        return static_cast<int>(fault.kind());
    } catch (const std::exception &e) {
        fail(v, p, "", e.what());
    }
    return -1;
}

void checkShape(double v, const Pattern &p, const std::string &out)
{
    size_t i = 0;
    const bool minus = !out.empty() && out[0] == '-';
    if (minus)
        ++i;
    const size_t wholeStart = i;
    while (i < out.size() && out[i] >= '0' && out[i] <= '9')
        ++i;
    const std::string whole = out.substr(wholeStart, i - wholeStart);
    if (i == out.size() || out[i] != '.')
        fail(v, p, out, "no point after the whole part");
    ++i;
    const size_t fractionStart = i;
    while (i < out.size() && out[i] >= '0' && out[i] <= '9')
        ++i;
    if (i != out.size())
        fail(v, p, out, "a character that is neither a digit nor the one point");
    const std::string fraction = out.substr(fractionStart);

    if (p.fixed) {
        if (whole.empty())
            fail(v, p, out, "no digit before the point");
        if (whole.size() > 1 && whole[0] == '0')
            fail(v, p, out, "a leading zero");
        if (fraction.size() != static_cast<size_t>(p.places))
            fail(v, p, out, "not every place written");
    } else {
        if (!whole.empty() && whole[0] == '0')
            fail(v, p, out, "a leading zero");
        if (fraction.size() > static_cast<size_t>(p.places))
            fail(v, p, out, "more places than the pattern has");
        if (!fraction.empty() && fraction.back() == '0')
            fail(v, p, out, "a trailing zero after the point");
    }

    const bool allZero = (whole + fraction).find_first_not_of('0') == std::string::npos;
    if (allZero && minus)
        fail(v, p, out, "a minus sign on zero");
    if (!allZero && minus != (v < 0))
        fail(v, p, out, "the sign does not match the value");
}

void checkValue(double v, const Pattern &p, const std::string &out)
{
    // v to 15 significant digits, by a second writer (to_chars, not printf):
    // digits d0.d1...d14 x 10^exponent.
    char sci[64];
    const auto written = std::to_chars(sci, sci + sizeof sci, std::fabs(v),
                                       std::chars_format::scientific, 14);
    *written.ptr = '\0';
    const char *e = std::strchr(sci, 'e');
    const int exponent = std::atoi(e + 1);
    std::string digits(1, sci[0]);
    digits.append(sci + 2, 14);
    errno = 0;
    const double rounded15 = std::strtod(sci, nullptr); // nearest double, sign aside

    double back = 0.0;
    try {
        back = rt::ReadNumber(out);
    } catch (const rt::ArithmeticFault &fault) {
        // Only a value whose 15 digits lie beyond the double range reads
        // back as an overflow.
        if (fault.kind() == rt::Fault::Overflow && std::isinf(rounded15))
            return;
        fail(v, p, out, "does not read back");
    }
    if (std::isinf(rounded15))
        fail(v, p, out, "reads back although its 15 digits are beyond the double range");

    const double unit = std::pow(10.0, -p.places);
    const double magnitude = std::fmax(std::fabs(back), rounded15);
    // Two reads to the nearest double, each off by half a unit in the last
    // binary place at most.
    const double slack = 2 * (std::nextafter(magnitude, INFINITY) - magnitude);
    const double distance = std::fabs(std::fabs(back) - rounded15);
    if (distance > unit / 2 * (1 + 1e-12) + slack)
        fail(v, p, out, "more than half a unit of the last place from the 15-digit value");
    // And the 15-digit step itself is off by half a unit of the 15th digit.
    const double step15 = 0.5 * std::pow(10.0, exponent - 14);
    if (std::fabs(std::fabs(back) - std::fabs(v)) > unit / 2 * (1 + 1e-12) + step15 * (1 + 1e-12) + slack)
        fail(v, p, out, "further from the value than the two roundings allow");

    // A tie at the last place: the 15 digits end in 5 then zeros right after
    // the pattern's last place. It goes away from zero.
    const int tieIndex = exponent + 1 + p.places; // digit worth 10^-(places+1)
    if (tieIndex >= 0 && tieIndex < 15 && digits[tieIndex] == '5'
        && digits.find_first_not_of('0', tieIndex + 1) == std::string::npos) {
        if (!(std::fabs(back) > rounded15))
            fail(v, p, out, "a tie at the last place not rounded away from zero");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const Pattern &p = patterns[data[0] & 3];
    double v = 0.0;
    if (data[0] & 4) {
        const std::string text(reinterpret_cast<const char *>(data + 1), size - 1);
        char *end = nullptr;
        v = std::strtod(text.c_str(), &end);
        if (end == text.c_str())
            return 0;
    } else {
        if (size < 9)
            return 0;
        std::memcpy(&v, data + 1, sizeof v);
    }

    std::string out;
    const int fault = format(v, p, out);
    if (std::isnan(v)) {
        if (fault != static_cast<int>(rt::Fault::InvalidArgument))
            fail(v, p, out, "NaN did not raise InvalidArgument");
        return 0;
    }
    if (std::isinf(v)) {
        if (fault != static_cast<int>(rt::Fault::Overflow))
            fail(v, p, out, "infinity did not raise Overflow");
        return 0;
    }
    if (fault != -1)
        fail(v, p, out, "a finite value raised a fault");

    checkShape(v, p, out);
    checkValue(v, p, out);

    // Read back and written again, the text stays the same.
    double back = 0.0;
    try {
        back = rt::ReadNumber(out);
    } catch (const rt::ArithmeticFault &) {
        return 0; // beyond the double range, accepted by checkValue above
    }
    std::string again;
    if (format(back, p, again) != -1 || again != out)
        fail(v, p, out, ("written again as \"" + again + "\"").c_str());
    return 0;
}
