#include "runtime/entry.h"

#include "runtime/numbers.h"

#include <cmath>

namespace rt {
namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// How much of the start of `text` is one number: 0 when none starts it.
std::size_t numberLength(const std::string &text)
{
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    std::size_t digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i]))
            ++digits;
        else if (text[i] == '.' && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return 0;
    // An exponent counts only with a digit after the e and its sign.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i;
}

} // namespace

std::string withoutBlanks(const std::string &text)
{
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;
    return text.substr(first, last - first);
}

EntryReading readEntry(const std::string &text)
{
    EntryReading entry;
    entry.text = withoutBlanks(text);
    const std::string &t = entry.text;
    if (t.empty())
        return entry;
    const std::size_t length = numberLength(t);
    if (t.find(',') != std::string::npos)
        entry.form = EntryForm::Comma;
    else if (length == 0)
        entry.form = EntryForm::NotANumber;
    else if (length < t.size())
        entry.form = EntryForm::MoreThanNumber;
    else if (t.size() > LongestEntry)
        entry.form = EntryForm::TooLong;
    if (entry.form != EntryForm::Empty)
        return entry;
    double value = 0;
    try {
        value = rt::ReadNumber(t);
    } catch (const rt::ArithmeticFault &) {
        entry.form = EntryForm::TooLarge;
        return entry;
    }
    entry.form = value > 0 ? EntryForm::Number : EntryForm::NotANumber;
    entry.value = value > 0 ? value : 0;
    return entry;
}

std::optional<int> wholeEntry(const std::string &text, int lowest, int highest)
{
    const EntryReading entry = readEntry(text);
    if (entry.form != EntryForm::Number || entry.value != std::floor(entry.value)
        || entry.value < lowest || entry.value > highest)
        return std::nullopt;
    return static_cast<int>(entry.value);
}

} // namespace rt
