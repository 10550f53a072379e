#pragma once
// The thread rules, without any window: the thread record of a standard or
// custom thread, the custom thread's choices, the helix angle, and the
// dimension over wires with its wire-limit checks.
//
// Texts in, texts out. Every text is worked out as it will be shown, and a
// value a later step needs is read back from its shown text, so a window can
// write what a function returns at once, or, when the function throws an
// rt::ArithmeticFault, write nothing at all.

#include "kervadin/core/threadform.h"
#include "runtime/refusal.h"

#include <string>

namespace kervadin {

// The unit every length of a thread is in.
enum class Unit { Inch, Millimetre };

// The unit in words, "inches" or "millimeters", as the windows name it.
const char *unitName(Unit unit);
// The unit as a record gives it: "inch" or "mm".
const char *unitSymbol(Unit unit);

// How a thread record follows from a diameter and a pitch: the thread form,
// the depth of thread, the places shown, the wire-size factors and the unit.
struct RecordRule {
    const ThreadForm *form;       // its angle is the record's thread angle
    double depthFactor;           // depth of thread = factor × P (+ the crest clearance)
    const char *diameterPattern;  // FormatNumber patterns
    const char *depthPattern;
    const char *pitchPattern;
    // Wire sizes are factor × P; B.A. alone takes 0.73 ÷ (1 ÷ P) and P ÷ 2.
    bool threadsPerUnitWires;
    double maxFactor;
    double minFactor;
    double preferredFactor;
    Unit unit;
    // The clearance a form's external thread leaves at its root, added to
    // the depth of thread; nullptr for none.
    double (*crestClearance)(double pitch) = nullptr;
};

// The depth of thread of a rule at a pitch, unrounded.
double depthOfThread(const RecordRule &rule, double pitch);

// The texts of the thread record as the measurement window shows them, and
// the wire sizes' formulas in P ("0.9 × P"; for B.A. "0.73 ÷ (1 ÷ P)" and
// "P ÷ 2"), which the wire-size fields show as tooltips.
struct ThreadRecord {
    std::string name;
    std::string diameter;
    // The diameter's number as shown, without a unit: a custom metric
    // thread's as typed, every other the same as diameter.
    std::string diameterNumber;
    std::string depth;
    std::string pitch;
    std::string angle;
    std::string helix;
    Unit unit = Unit::Inch;  // of every length of the record
    std::string maximum;
    std::string minimum;
    std::string preferred;
    std::string maximumFormula;
    std::string minimumFormula;
    std::string preferredFormula;
};

// The record of a thread by a rule. The diameter is shown by the rule's
// pattern unless diameterText is given: a custom metric thread shows its
// diameter as typed, followed by " mm". The helix caption is given.
ThreadRecord threadRecord(const RecordRule &rule, const std::string &name, double diameter,
                          double pitch, const std::string &helix,
                          const std::string &diameterText = {});

// The helix caption of a custom thread. The helix angle in whole minutes of
// arc: E = D − k × P, then (P ÷ E) × 1094 rounded to the nearest whole
// number, halves to even; E = 0 throws DivisionByZero, a count outside
// −32768..32767 Overflow. Then degrees and minutes, each cut toward zero and
// carrying the sign of the count, written with a blank (or the minus sign)
// before each number: 204 minutes give " 3 ° 24 '", −7798 give "-129 °-58 '".
std::string Helangle(double diameter, double pitch, double depthFactor);

// A custom thread as typed: which of the custom threads it is, its name,
// diameter and pitch, or why it is refused. The checks, in order: an empty
// diameter box, an empty pitch box. Then the unit: as chosen, or with none
// chosen, millimetres for a diameter above 2 and inches otherwise. In
// millimetres the pitch is a length, and the thread is metric (60°) unless
// a 29° or 30° angle is chosen, or with the unit chosen a 55° one; in inches
// a pitch entry above 1 is threads per inch, and the angle must be chosen.
enum class CustomAngle { None, Deg55, Deg60, Deg29, Deg30 };
enum class CustomUnit { None, Inch, Millimetre };
enum class CustomKind {
    Whitworth,
    Metric,
    Unified,
    WhitworthMillimetre,
    Acme,
    AcmeMillimetre,
    Trapezoidal,
    TrapezoidalInch,
};

struct CustomThread {
    // The entries as typed.
    std::string diameterText;
    std::string pitchText;
    CustomAngle angle = CustomAngle::None;
    // Why the entries are refused; refuses nothing when they are accepted.
    rt::Refusal refusal;
    CustomKind kind = CustomKind::Whitworth;
    std::string name;
    double diameter = 0;
    double pitch = 0;          // exact: 1 ÷ the threads per inch when they were typed
    double threadsPerInch = 0; // as typed; 0 when a pitch was typed
};
[[nodiscard]] CustomThread customThread(const std::string &diameterText,
                                        const std::string &pitchText, CustomAngle angle,
                                        CustomUnit unit = CustomUnit::None);

// The rule of a custom thread.
const RecordRule &customRule(CustomKind kind);

// The record of an accepted custom thread: its rule, its worked-out helix
// angle, and in millimetres the diameter as typed followed by " mm".
ThreadRecord customRecord(const CustomThread &thread);

// Calculate: the record as shown, and the diameter's number as the working
// writes it (the record's diameterNumber).
struct ShownRecord {
    std::string diameter;
    std::string pitch;
    std::string minimum;
    std::string maximum;
    std::string diameterNumber;
};

struct Measurement {
    // A wire box left empty, or a wire outside the limits shown.
    rt::Refusal refusal;
    // False with no thread: nothing is shown then.
    bool measured = false;
    double wire = 0;          // as read from the wire box
    std::string overWires;    // "#0.0000"
    // The formula, then the same with the values put in: "M = D − 1.5155 ×
    // P + 3 × W = 6.0000 − 1.5155 × 1.0000 + 3 × 0.5770" (the diameter
    // without its unit, the wire as read, to four places).
    std::string working;
};

// Reads the wire and the record first (a number that overflows throws),
// then refuses an empty wire box, a wire below the minimum shown or above
// the maximum shown, and works out M = D − a × P + b × W by the form of the
// thread applied (none before the first: nothing is worked out).
[[nodiscard]] Measurement measure(const ThreadForm *form, const ShownRecord &shown,
                                  const std::string &wireText);

} // namespace kervadin
