#pragma once
// The standard thread families, one row each: the family's sizes, the rule
// its records are worked out by, how its sizes are named, and which of the
// unified classes' rules apply to them. Every number and text is used
// exactly as it stands in the rows. A new family is its name in Family and
// one more row here (and its windows' row, ui/familywindows); the counts
// follow from the rows, and the build fails when a row stands out of place.

#include "kervadin/core/threadrules.h"

#include <iterator>

namespace kervadin {

// In the order of the rows.
enum class Family { BSF, Whitworth, UNF, UNC, BA, Metric, UNEF, Acme, Trapezoidal };

struct StandardSize {
    const char *name;     // shown as the selected thread
    double diameter;      // in the family's unit
    double pitch;         // in the family's unit, as listed
    const char *helix;    // shown unchanged
};

struct FamilyRow {
    Family family;
    const StandardSize *sizes; // in size order
    int sizeCount;
    RecordRule rule;
    NameStyle style;
    const char *series; // the letters of the name: "UNC", "BSW"; empty for B.A. and metric
    // Unified classes: the length of engagement is D for the family's sizes
    // (the published limits of the coarse and fine series take it so); for
    // any other unified thread it is the smaller of D and 9P.
    bool engagementIsDiameter;
};

namespace families {

// Inch families: diameter and pitch in inches, the pitch as the fixed
// decimal of the threads per inch.
inline constexpr StandardSize BsfSizes[] = {
    {"1/4 B.S.F.", 0.25, 0.0385, "3° 7'"},
    {"5/16 B.S.F.", 0.3125, 0.0454, "2° 55'"},
    {"3/8 B.S.F.", 0.375, 0.05, "2° 39'"},
    {"7/16 B.S.F.", 0.4375, 0.0555, "2° 31'"},
    {"1/2 B.S.F.", 0.5, 0.0625, "2° 28'"},
    {"9/16 B.S.F.", 0.5625, 0.0625, "2° 10'"},
    {"5/8 B.S.F.", 0.625, 0.0714, "2° 5'"},
    {"3/4 B.S.F.", 0.75, 0.0833, "2° 11'"},
    {"7/8 B.S.F.", 0.875, 0.0909, "2° 2'"},
    {"1 inch B.S.F.", 1, 0.1, "1° 57'"},
};

inline constexpr StandardSize WhitworthSizes[] = {
    {"1/4 B.S.W.", 0.25, 0.05, "4° 10'"},
    {"5/16 B.S.W.", 0.3125, 0.0556, "3° 39'"},
    {"3/8 B.S.W.", 0.375, 0.0625, "3° 24'"},
    {"7/16 B.S.W.", 0.4375, 0.0714, "3° 19'"},
    {"1/2 B.S.W.", 0.5, 0.0833, "3° 24'"},
    {"9/16 B.S.W.", 0.5625, 0.0833, "2° 59'"},
    {"5/8 B.S.W.", 0.625, 0.0909, "2° 55'"},
    {"3/4 B.S.W.", 0.75, 0.1, "2° 39'"},
    {"7/8 B.S.W.", 0.875, 0.1111, "2° 31'"},
    {"1 inch", 1, 0.125, "2° 28'"},
};

inline constexpr StandardSize UncSizes[] = {
    // "1/4 U.N.C" and "3° 71'" are shown exactly so, as users know them; not to be tidied.
    {"1/4 U.N.C", 0.25, 0.05, "3° 71'"},
    {"5/16 U.N.C.", 0.3125, 0.05556, "3° 39'"},
    {"3/8 U.N.C.", 0.375, 0.0625, "3° 24'"},
    {"7/16 U.N.C.", 0.4375, 0.07143, "3° 20'"},
    {"1/2 U.N.C.", 0.5, 0.07692, "3° 07'"},
    {"9/16 U.N.C.", 0.5625, 0.08333, "2° 59'"},
    {"5/8 U.N.C.", 0.625, 0.09091, "2° 56'"},
    {"3/4 U.N.C.", 0.75, 0.1, "2° 40'"},
    {"7/8 U.N.C.", 0.875, 0.11111, "2° 31'"},
    {"1 inch U.N.C.", 1, 0.125, "2° 29'"},
};

inline constexpr StandardSize UnfSizes[] = {
    {"1/4 U.N.F.", 0.25, 0.03571, "2° 52'"},
    {"5/16 U.N.F.", 0.3125, 0.04167, "2° 39'"},
    {"3/8 U.N.F.", 0.375, 0.04167, "2° 11'"},
    {"7/16 U.N.F.", 0.4375, 0.05, "2° 15'"},
    {"1/2 U.N.F.", 0.5, 0.05, "1° 57'"},
    {"9/16 U.N.F.", 0.5625, 0.05556, "1° 55'"},
    {"5/8 U.N.F.", 0.625, 0.05556, "1° 43'"},
    {"3/4 U.N.F.", 0.75, 0.0625, "1° 36'"},
    {"7/8 U.N.F.", 0.875, 0.07143, "1° 34'"},
    {"1 inch U.N.F.", 1, 0.08333, "1° 35'"},
};

// Converted to inches; there is no 9 BA.
inline constexpr StandardSize BaSizes[] = {
    {"0 BA", 0.2362, 0.0394, "3° 22'"},
    {"1 BA", 0.2087, 0.0354, "3° 27'"},
    {"2 BA", 0.185, 0.0319, "3° 30'"},
    // "3° 38" is shown exactly so, as users know it; not to be tidied.
    {"3 BA", 0.1614, 0.0287, "3° 38"},
    {"4 BA", 0.1417, 0.026, "3° 45'"},
    {"5 BA", 0.126, 0.0232, "3° 47'"},
    {"6 BA", 0.1102, 0.0209, "3° 54'"},
    {"7 BA", 0.0984, 0.0189, "3° 58'"},
    {"8 BA", 0.0866, 0.0169, "4° 2'"},
    {"10 BA", 0.0669, 0.0138, "4° 17'"},
};

// Millimetres.
inline constexpr StandardSize MetricSizes[] = {
    {"2.5 mm", 2.5, 0.45, "3° 42'"},
    {"3 mm", 3, 0.5, "3° 25'"},
    {"4 mm", 4, 0.7, "3° 36'"},
    {"5 mm", 5, 0.8, "3° 15'"},
    {"6 mm", 6, 1, "3° 25'"},
    {"8 mm", 8, 1.25, "3° 10'"},
    {"10 mm", 10, 1.5, "3° 02'"},
    {"12 mm", 12, 1.75, "2° 56'"},
    {"14 mm", 14, 2, "2° 52'"},
    {"16 mm", 16, 2, "2° 29'"},
    {"18 mm", 18, 2.5, "2° 47'"},
    {"20 mm", 20, 2.5, "2° 29'"},
};

// U.N.E.F.: the extra-fine series up to an inch.
inline constexpr StandardSize UnefSizes[] = {
    {"1/4 U.N.E.F.", 0.25, 0.03125, "2° 29'"},
    {"5/16 U.N.E.F.", 0.3125, 0.03125, "1° 57'"},
    {"3/8 U.N.E.F.", 0.375, 0.03125, "1° 36'"},
    {"7/16 U.N.E.F.", 0.4375, 0.03571, "1° 34'"},
    {"1/2 U.N.E.F.", 0.5, 0.03571, "1° 22'"},
    {"9/16 U.N.E.F.", 0.5625, 0.04167, "1° 25'"},
    {"5/8 U.N.E.F.", 0.625, 0.04167, "1° 16'"},
    {"11/16 U.N.E.F.", 0.6875, 0.04167, "1° 9'"},
    {"3/4 U.N.E.F.", 0.75, 0.05, "1° 16'"},
    {"13/16 U.N.E.F.", 0.8125, 0.05, "1° 10'"},
    {"7/8 U.N.E.F.", 0.875, 0.05, "1° 5'"},
    {"15/16 U.N.E.F.", 0.9375, 0.05, "1° 0'"},
    {"1 inch U.N.E.F.", 1, 0.05, "0° 57'"},
};

// Acme, general purpose (ASME B1.5): the standard series in the order of
// the standard's table; the helix angle at the basic pitch diameter.
inline constexpr StandardSize AcmeSizes[] = {
    {"1/4-16 ACME", 0.25, 0.0625, "5° 12'"},     {"5/16-14 ACME", 0.3125, 0.07143, "4° 42'"},
    {"3/8-12 ACME", 0.375, 0.08333, "4° 33'"},   {"7/16-12 ACME", 0.4375, 0.08333, "3° 50'"},
    {"1/2-10 ACME", 0.5, 0.1, "4° 3'"},          {"5/8-8 ACME", 0.625, 0.125, "4° 3'"},
    {"3/4-6 ACME", 0.75, 0.16667, "4° 33'"},     {"7/8-6 ACME", 0.875, 0.16667, "3° 50'"},
    {"1-5 ACME", 1, 0.2, "4° 3'"},               {"1 1/8-5 ACME", 1.125, 0.2, "3° 33'"},
    {"1 1/4-5 ACME", 1.25, 0.2, "3° 10'"},       {"1 3/8-4 ACME", 1.375, 0.25, "3° 39'"},
    {"1 1/2-4 ACME", 1.5, 0.25, "3° 19'"},       {"1 3/4-4 ACME", 1.75, 0.25, "2° 48'"},
    {"2-4 ACME", 2, 0.25, "2° 26'"},             {"2 1/4-3 ACME", 2.25, 0.33333, "2° 55'"},
    {"2 1/2-3 ACME", 2.5, 0.33333, "2° 36'"},    {"2 3/4-3 ACME", 2.75, 0.33333, "2° 21'"},
    {"3-2 ACME", 3, 0.5, "3° 19'"},              {"3 1/2-2 ACME", 3.5, 0.5, "2° 48'"},
    {"4-2 ACME", 4, 0.5, "2° 26'"},              {"4 1/2-2 ACME", 4.5, 0.5, "2° 9'"},
    {"5-2 ACME", 5, 0.5, "1° 55'"},
};

// ISO metric trapezoidal (ISO 2904): the diameters of the first choice with
// their preferred pitch, in millimetres.
inline constexpr StandardSize TrapezoidalSizes[] = {
    {"Tr 8×1.5", 8, 1.5, "3° 46'"},    {"Tr 10×2", 10, 2, "4° 3'"},     {"Tr 12×3", 12, 3, "5° 12'"},
    {"Tr 16×4", 16, 4, "5° 12'"},      {"Tr 20×4", 20, 4, "4° 3'"},     {"Tr 24×5", 24, 5, "4° 14'"},
    {"Tr 28×5", 28, 5, "3° 34'"},      {"Tr 32×6", 32, 6, "3° 46'"},    {"Tr 36×6", 36, 6, "3° 19'"},
    {"Tr 40×7", 40, 7, "3° 30'"},      {"Tr 44×7", 44, 7, "3° 9'"},     {"Tr 48×8", 48, 8, "3° 19'"},
    {"Tr 52×8", 52, 8, "3° 2'"},       {"Tr 60×9", 60, 9, "2° 57'"},    {"Tr 70×10", 70, 10, "2° 48'"},
    {"Tr 80×10", 80, 10, "2° 26'"},    {"Tr 90×12", 90, 12, "2° 36'"},  {"Tr 100×12", 100, 12, "2° 20'"},
};

// The rules of the standard families:
// form, depth factor, diameter, depth and pitch patterns, B.A. wires, maximum,
// minimum and preferred wire factors, unit.
inline constexpr RecordRule Whitworth{&WhitworthForm, 0.64, "#0.0000", "#0.0000", "#0.0000", false, 0.76, 0.54, 0.564, Unit::Inch};
inline constexpr RecordRule Unified{&UnifiedForm, 0.6134, "#0.0000", "#0.0000", "#0.0000", false, 0.9, 0.56, 0.578, Unit::Inch};
inline constexpr RecordRule Metric{&MetricForm, 0.6134, "#0.0000", "#0.0000", "#0.0000", false, 0.9, 0.56, 0.577, Unit::Millimetre};
inline constexpr RecordRule Acme{&AcmeForm, 0.5, "#0.0000", "#0.0000", "#0.0000", false, AcmeForm.largestWire, AcmeForm.smallestWire, AcmeForm.bestWire, Unit::Inch};
inline constexpr RecordRule Trapezoidal{&TrapezoidalForm, 0.5, "#0.0000", "#0.0000", "#0.0000", false, TrapezoidalForm.largestWire, TrapezoidalForm.smallestWire, TrapezoidalForm.bestWire, Unit::Millimetre, trapezoidalClearance};
inline constexpr RecordRule BritishAssociation{&BritishAssociationForm, 0.6, "#0.0000", "#0.0000", "#0.0000", true, 0.73, 0, 0.546, Unit::Inch};

template <int N>
constexpr int count(const StandardSize (&)[N])
{
    return N;
}

} // namespace families

inline constexpr FamilyRow FamilyRows[] = {
    {Family::BSF, families::BsfSizes, families::count(families::BsfSizes), families::Whitworth,
     NameStyle::British, "BSF", false},
    {Family::Whitworth, families::WhitworthSizes, families::count(families::WhitworthSizes),
     families::Whitworth, NameStyle::British, "BSW", false},
    {Family::UNF, families::UnfSizes, families::count(families::UnfSizes), families::Unified,
     NameStyle::Unified, "UNF", true},
    {Family::UNC, families::UncSizes, families::count(families::UncSizes), families::Unified,
     NameStyle::Unified, "UNC", true},
    {Family::BA, families::BaSizes, families::count(families::BaSizes),
     families::BritishAssociation, NameStyle::BritishAssociation, "", false},
    {Family::Metric, families::MetricSizes, families::count(families::MetricSizes),
     families::Metric, NameStyle::Metric, "", false},
    {Family::UNEF, families::UnefSizes, families::count(families::UnefSizes), families::Unified,
     NameStyle::Unified, "UNEF", false},
    {Family::Acme, families::AcmeSizes, families::count(families::AcmeSizes), families::Acme,
     NameStyle::Unified, "ACME", false},
    {Family::Trapezoidal, families::TrapezoidalSizes, families::count(families::TrapezoidalSizes),
     families::Trapezoidal, NameStyle::Trapezoidal, "", false},
};

inline constexpr int FamilyCount = static_cast<int>(std::size(FamilyRows));

// Each row in the place of its family.
constexpr bool rowsInFamilyOrder()
{
    for (int i = 0; i < FamilyCount; ++i) {
        if (FamilyRows[i].family != static_cast<Family>(i))
            return false;
    }
    return true;
}
static_assert(rowsInFamilyOrder(), "the rows stand in the order of Family, one for each");

constexpr const FamilyRow &familyRow(Family family)
{
    return FamilyRows[static_cast<int>(family)];
}

// Whether a family's sizes are cut with a whole number of threads per inch:
// the inch families but B.A., whose sizes are metric sizes given in inches.
constexpr bool hasWholeThreadsPerInch(Family family)
{
    const NameStyle style = familyRow(family).style;
    return style == NameStyle::Unified || style == NameStyle::British;
}
// Such a size's threads per inch: the whole number nearest to 1 ÷ its
// listed pitch, which is given to a few places.
int wholeThreadsPerInch(const StandardSize &size);

// The record of a standard size.
ThreadRecord standardRecord(const FamilyRow &row, const StandardSize &size);

} // namespace kervadin
