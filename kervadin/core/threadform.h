#pragma once
// The thread forms, one row each: the flank angle, the constants of the
// dimension over wires and of the basic pitch diameter, the wire sizes of
// the basic profile, how a thread of the form is named and the classes it
// offers. A family, a custom kind and a thread carry their form; a new form
// is one more row. No Qt here.
//
// With A the included angle and k the basic pitch diameter's factor
// (E = D − k × P), three wires over a thread of diameter D and pitch P give
// M = E + W × (1 + cosec(A ÷ 2)) − P ÷ 2 × cot(A ÷ 2), that is
// M = D − a × P + b × W with a = k + ½ cot(A ÷ 2) and b = 1 + cosec(A ÷ 2),
// the constants written to the places of each row.

#include "runtime/numbers.h"

namespace kervadin {

class ClassSystem;

// How a thread is named (designation.h): "1/4-20 UNC", "1-5 ACME" (a size
// and its threads per inch, then the series), "1/4 BSF (26 TPI)",
// "2 BA (0.81 mm)", "M12 × 1.75", "Tr 20×4".
enum class NameStyle { Unified, British, BritishAssociation, Metric, Trapezoidal };

struct ThreadForm {
    const char *name;          // as a working names the form
    const char *aThread;       // "a metric thread", as a message names a thread of it
    double angle;              // included flank angle, degrees
    const char *angleCaption;  // the record's thread angle
    const char *halfAngleText; // A ÷ 2, as a working writes it
    double pitchFactor;        // a
    double wireFactor;         // b
    double basicFactor;        // k
    const char *basicFactorText;
    // Wire sizes on the basic profile, × P: the best, touching the flanks
    // at the pitch line (½ sec(A ÷ 2)); the smallest, its top level with the
    // crest; the largest, touching the flank at the crest's corner.
    double bestWire;
    double smallestWire;
    double largestWire;
    // A thread of the form typed as a custom thread: its name's style and
    // the series its name ends in ("UN", "Whitworth form", "ACME").
    NameStyle naming;
    const char *series;
    // The classes its threads offer; nullptr: the limits are typed.
    const ClassSystem *(*classes)();
    // Lead screws: the lead angle is large, and the check works C out from
    // the wire's contact with the helicoidal flanks rather than the
    // handbook's term for small lead angles.
    bool exactLead;
};

// The class systems (classes.h).
const ClassSystem *unifiedClasses();
const ClassSystem *isoMetricClasses();
const ClassSystem *acmeClasses();
const ClassSystem *trapezoidalClasses();

inline constexpr ThreadForm WhitworthForm{
    "Whitworth", "a Whitworth thread", 55, "55°", "27.5°", 1.6008, 3.1657, 0.640327, "0.640327",
    0.563691, 0.505679, 0.939485, NameStyle::Unified, "Whitworth form", nullptr, false};
inline constexpr ThreadForm UnifiedForm{
    "unified", "a unified thread", 60, "60°", "30°", 1.5155, 3, 0.649519, "0.649519",
    0.577350, 0.505181, 1.010363, NameStyle::Unified, "UN", unifiedClasses, false};
inline constexpr ThreadForm MetricForm{
    "ISO metric", "a metric thread", 60, "60°", "30°", 1.5155, 3, 0.649519, "0.649519",
    0.577350, 0.505181, 1.010363, NameStyle::Metric, "", isoMetricClasses, false};
inline constexpr ThreadForm BritishAssociationForm{
    "British Association", "a B.A. thread", 47.5, "47.5°", "23.75°", 1.7363, 3.4829, 0.6, "0.6",
    0.546262, 0.498525, 0.834695, NameStyle::BritishAssociation, "", nullptr, false};

// Lead screws. Acme, general purpose (ASME B1.5), and ISO metric
// trapezoidal (ISO 2904): basic pitch diameter D − P ÷ 2, the crest a
// quarter of the pitch above the pitch line.
inline constexpr ThreadForm AcmeForm{
    "Acme", "an Acme thread", 29, "29°", "14.5°", 2.433357, 4.993929, 0.5, "0.5",
    0.516450, 0.487263, 0.650013, NameStyle::Unified, "ACME", acmeClasses, true};
inline constexpr ThreadForm TrapezoidalForm{
    "ISO trapezoidal", "a trapezoidal thread", 30, "30°", "15°", 2.366025, 4.863703, 0.5, "0.5",
    0.517638, 0.486466, 0.656339, NameStyle::Trapezoidal, "", trapezoidalClasses, true};

// Every form, for the rules that look a form up and the tests that check
// each row.
inline constexpr const ThreadForm *ThreadForms[] = {&WhitworthForm, &UnifiedForm, &MetricForm,
                                                    &BritishAssociationForm, &AcmeForm,
                                                    &TrapezoidalForm};

// The clearance ac of a trapezoidal external thread at its root (ISO 2904):
// its depth of thread is 0.5P + ac.
inline double trapezoidalClearance(double pitch)
{
    return pitch < 2 ? 0.15 : pitch <= 5 ? 0.25 : pitch <= 12 ? 0.5 : 1;
}

// E = D − k × P, unrounded. Throws rt::ArithmeticFault for a result beyond
// the double range.
inline double basicPitchDiameter(const ThreadForm &form, double diameter, double pitch)
{
    return rt::checked(diameter - rt::checked(form.basicFactor * pitch));
}

} // namespace kervadin
