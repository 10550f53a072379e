#pragma once
// Checking a measured reading over three wires against the limits of the
// thread's pitch diameter. No Qt here: the thread and the wire come from
// the program's state, the rest as typed, and texts come out, so the window
// works out everything it will show before it writes any of it.
//
// Geometry, with D the diameter, P the pitch (both exact, state.h), A the
// thread angle and W the wire:
// - basic pitch diameter E = D − k × P, k by the thread form (threadform.h).
// - wire constant C = W × (1 + 1 ÷ sin(A ÷ 2)) − P ÷ 2 × cot(A ÷ 2): a reading
//   R over the wires is a pitch diameter of R − C.
// - corrected for the lead angle λ of the helix (the general three-wire
//   formula, meant for lead angles up to 5°), C gains
//   W ÷ 2 × tan²λ × cos(A ÷ 2) × cot(A ÷ 2), with tan λ = n × P ÷ (π × E)
//   for a thread of n starts, whose lead is n × P; a lead screw's C
//   instead comes from the wire's contact with the helicoidal flanks
//   (helicalwire.h), whose lead angles are too large for that term.
// Every value a later step uses is used as shown (four places).
//
// The limits are a class's (classes.h) or typed from the drawing; every
// reading is judged against them (verdict.h), and entries that cannot belong
// to the thread are refused before anything is shown.

#include "kervadin/core/checkentry.h"
#include "kervadin/core/decision.h"
#include "kervadin/core/state.h"
#include "kervadin/core/verdict.h"

#include <string>
#include <vector>

namespace kervadin {

// Every text the check shows, worked out before any is written. A
// "...Working" text is the formula with the values put in, for a tooltip.
struct CheckTexts {
    // False until there is a calculated dimension over wires: then only
    // thread, classes and note are given and nothing is computed.
    bool calculated = false;
    const ClassSystem *classes = nullptr; // the system of classes the thread offers
    std::vector<std::string> classNames;  // the classes of the system the thread has
    ToleranceClass toleranceClass; // the class whose limits are shown; none when none is
    // Why the class chosen or typed gives no limits for the thread ("6x" is
    // no class of ISO 965-1); empty when it gives them or there is none.
    std::string classProblem;
    std::string thread;
    std::string wire; // the calculated wire, as the thread line shows it
    int starts = 1;   // as typed; 1 while the box holds no count of starts
    std::string note;
    std::string basic, basicWorking;
    std::string constant, constantWorking;
    // When C is corrected: the lead angle ("8° 20'") and the term added to
    // C, as shown ("0.0005"); else empty.
    std::string leadAngle, leadCorrection;
    // What the limit boxes hold: a class's limits, or the typed texts; the
    // same for the major diameter's.
    std::string maximum, minimum, maximumWorking, minimumWorking;
    std::string majorMaximum, majorMinimum, majorMaximumWorking, majorMinimumWorking;
    // The texts below follow from the entries that can each be checked: the
    // range from limits that hold, a pitch diameter for each reading that
    // holds (empty for the others), their mean and spread.
    std::string range, rangeWorking;
    std::string readingDiameters[ReadingCount];
    // With the verdict only: how each reading's pitch diameter stands
    // against the limits, and the major diameter measured against its
    // limits (None: not judged).
    ReadingStanding standings[ReadingCount];
    ReadingStanding majorStanding;
    std::string mean, meanDiameter, spread;
    // The verdict, with the spread on a second line when it is too large;
    // its working names the thread with its class. Given only when there is
    // no refusal, limits and a reading.
    std::string verdict, verdictWorking;
    // The uncertainty's budget, as its window shows it, and U as the rule
    // uses it (empty when none is known), both from the entries that hold.
    std::string budget;
    std::string expanded;
    // With the verdict only: the zone of each reading and of the major
    // diameter under the rule.
    std::array<Zone, ReadingCount> zones{};
    Zone majorZone = Zone::None;
    // The zones drawn: whenever limits and a reading hold, verdict or not.
    ZonePicture picture;
    // What Check refuses, with the field to correct: the first entry that
    // cannot be checked, or what is missing (a reading; the limits of a
    // major diameter measured).
    CheckRefusal refusal;
};

// The texts without the verdict and the standings, as the window shows them
// while an entry is being typed: the verdict is given again by Check.
void dropVerdict(CheckTexts &texts);


// The starts typed: a whole number from 1 to 8, read as every box of the
// check is ("2", " 2\t", "2.0"); none for any other text.
std::optional<int> startsOf(const std::string &text);

// The thread as the check names it (its designation, with the class when one
// is given), as the thread line and the record show it.
std::string checkName(const Thread &thread,
                      const ToleranceClass &toleranceClass = ToleranceClass::None);

// The check of the state's thread and calculated wire with the entries.
// Throws rt::ArithmeticFault for a fault anywhere in the arithmetic.
[[nodiscard]] CheckTexts checkReadings(const State &state, const CheckEntry &entry);

} // namespace kervadin
