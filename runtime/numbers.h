#pragma once
// Reading and writing the numbers the windows show, and the checked
// arithmetic the computations use. No Qt here: this unit is tested and
// fuzzed on its own.
//
// Every arithmetic fault (division by zero, square root of a negative
// number, a result beyond the double range, a whole number out of the
// 16-bit range, a number read that overflows) throws ArithmeticFault; the
// window layer catches it at the handler and reports it once.

#include <stdexcept>
#include <string>

namespace rt {

enum class Fault { DivisionByZero, Overflow, InvalidArgument };

class ArithmeticFault : public std::runtime_error {
public:
    explicit ArithmeticFault(Fault kind);
    Fault kind() const { return m_kind; }

private:
    Fault m_kind;
};

// What the user is shown for a fault: a first line naming what happened
// ("Division by zero: ...", "Overflow: ...", "Invalid argument: ...") and a
// second saying what to check. Short and generic: the same fault comes from
// several calculations.
const char *faultText(Fault kind);

// The leading number of a text. Blanks, tabs and line feeds are removed
// first; then an optional sign, digits with at most one '.', and an optional
// exponent (e/E, optional sign, at least one digit). Reading stops at the
// first character that does not fit; no leading number gives 0. The decimal
// point is always '.'. A magnitude beyond the double range throws Overflow.
double ReadNumber(const std::string &text);

// A number as text by one of the patterns "#0.00000", "#0.0000", "#0.000",
// "#0.00", "#0.0", "#0.0####", "###.###", "##.##". The value is first taken to 15 significant digits, then rounded
// half away from zero to the pattern's places. '#' after the point is only
// written when significant; the point is always written; a value that rounds
// to zero carries no minus sign. Infinity throws Overflow, NaN
// InvalidArgument. An unknown pattern throws std::invalid_argument.
std::string FormatNumber(double value, const std::string &pattern);

// The shortest decimal text of a number, with one leading blank when it is
// not negative (" 3", "-129").
std::string NumberToText(double value);

// To the nearest whole number, halves to the even neighbour; outside
// -32768..32767 (or NaN) throws Overflow.
int RoundToInteger(double value);

// To the nearest whole number, halves to the even neighbour, with no 16-bit
// step: for lengths and tolerances in small units (355 mm is 355 000 µm).
// Beyond ±2^53, where a double holds no halves, or NaN, throws Overflow.
long long RoundToWhole(double value);

// Checked arithmetic. Each throws the fault its operation can raise and
// otherwise returns the plain double result.
double checked(double value);             // inf: Overflow, NaN: InvalidArgument
double divide(double num, double den);    // den == 0 (0/0 too): DivisionByZero
double squareRoot(double value);          // value < 0: InvalidArgument

} // namespace rt
