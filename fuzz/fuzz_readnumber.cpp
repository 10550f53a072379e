// Any bytes typed into a box, read as a number.
//
// Checked on every input:
// - ReadNumber returns a finite value or throws the Overflow fault, nothing else;
// - a text with no leading number reads 0;
// - otherwise the value is the double nearest the number part of the text,
//   as the C library's strtod reads that part (a second, independent reader);
// - a finite value written shortest (std::to_chars) reads back to itself.

#include "runtime/numbers.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

std::string printable(const std::string &s)
{
    std::string out;
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02x", c);
            out += buf;
        }
    }
    return out;
}

[[noreturn]] void fail(const char *what, const std::string &text, const char *detail = "")
{
    std::fprintf(stderr, "ReadNumber(\"%s\"): %s %s\n", printable(text).c_str(), what, detail);
    std::abort();
}

bool digit(char c)
{
    return c >= '0' && c <= '9';
}

// The number part of a text by the reading rules, written out separately
// from the unit: blanks, tabs and line feeds dropped; sign, digits with at
// most one point (one digit at least), then e/E, optional sign and one digit
// or more. Empty when the text has no leading number.
std::string numberPart(const std::string &text)
{
    std::string s;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    }
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        ++i;
    bool anyDigit = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (digit(s[i]))
            anyDigit = true;
        else if (s[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (!anyDigit)
        return std::string();
    size_t end = i;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ++j;
        if (j < s.size() && digit(s[j])) {
            while (j < s.size() && digit(s[j]))
                ++j;
            end = j;
        }
    }
    return s.substr(0, end);
}

// What reading gave: a value or the fault's kind.
struct Outcome {
    bool threw = false;
    double value = 0.0;
};

Outcome read(const std::string &text)
{
    Outcome o;
    try {
        o.value = rt::ReadNumber(text);
    } catch (const rt::ArithmeticFault &fault) {
        if (fault.kind() != rt::Fault::Overflow)
            fail("threw a fault other than Overflow:", text, fault.what());
        o.threw = true;
    } catch (const std::exception &e) {
        fail("threw", text, e.what());
    } catch (...) {
        fail("threw something unknown", text);
    }
    if (!o.threw && !std::isfinite(o.value))
        fail("gave a value that is not finite", text);
    return o;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string text(reinterpret_cast<const char *>(data), size);
    const Outcome got = read(text);

    const std::string part = numberPart(text);
    if (part.empty()) {
        if (got.threw || got.value != 0.0)
            fail("has no leading number but did not read 0", text);
        return 0;
    }

    errno = 0;
    const double expected = std::strtod(part.c_str(), nullptr);
    const bool overflows = errno == ERANGE && std::isinf(expected);
    if (overflows != got.threw) {
        fail(overflows ? "did not report the overflow of" : "reported an overflow for", text,
             part.c_str());
    }
    if (got.threw)
        return 0;
    // Zero's sign is never shown, so -0 and 0 count as one value here.
    if (got.value != expected) {
        char detail[96];
        std::snprintf(detail, sizeof detail, "gave %.17g, the nearest double is %.17g", got.value,
                      expected);
        fail("is not the nearest double:", text, detail);
    }

    char shortest[64];
    const auto written = std::to_chars(shortest, shortest + sizeof shortest, got.value);
    const std::string again(shortest, written.ptr);
    const Outcome back = read(again);
    if (back.threw || back.value != got.value || std::signbit(back.value) != std::signbit(got.value))
        fail("does not read back from its shortest form", text, again.c_str());
    return 0;
}
