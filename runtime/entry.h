#pragma once
// How a box that holds one number is read: its whole text must be one number,
// with blanks (spaces, tabs, carriage returns, line feeds) around it and
// nothing else. A number is an optional sign, digits with at most one point,
// and an optional exponent ("1.5e-3"). Every box of a form that takes one
// number reads it here, so each box takes the same texts. No Qt here.
//
// ReadNumber (numbers.h) is the other way: it takes the leading number of a
// text and ignores the rest, as the measurement window's boxes are read.

#include <cstddef>
#include <optional>
#include <string>

namespace rt {

enum class EntryForm {
    Empty,          // nothing but blanks
    Number,         // a number above 0
    Comma,          // a comma anywhere: a decimal comma, most likely
    NotANumber,     // no number at the start, or a number not above 0
    MoreThanNumber, // a number with more text after it ("0.2600 mm", "0.25.90")
    TooLong,        // more characters than any number typed to a useful precision
    TooLarge,       // beyond the range of the arithmetic ("1e400")
};

// The longest entry taken as a number, blanks around it aside.
constexpr std::size_t LongestEntry = 32;

struct EntryReading {
    EntryForm form = EntryForm::Empty;
    double value = 0;  // for a Number; else 0
    std::string text;  // the text without the blanks around it
};
EntryReading readEntry(const std::string &text);

// A text without the blanks around it, as an entry is read.
std::string withoutBlanks(const std::string &text);

// A whole number from `lowest` to `highest` ("2", " 2 ", "2.0", "2e0"); none
// for an entry that is not a Number or is another number.
std::optional<int> wholeEntry(const std::string &text, int lowest, int highest);

} // namespace rt
