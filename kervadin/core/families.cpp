#include "kervadin/core/families.h"

#include <iterator>

namespace kervadin {
namespace {

// Inch families: diameter and pitch in inches, the pitch as the fixed
// decimal of the threads per inch.
constexpr StandardSize BsfSizes[] = {
    {"optBSF1", "1/4", "1/4 B.S.F.", 0.25, 0.0385, "3° 7'"},
    {"optBSF2", "5/16", "5/16 B.S.F.", 0.3125, 0.0454, "2° 55'"},
    {"optBSF3", "3/8", "3/8 B.S.F.", 0.375, 0.05, "2° 39'"},
    {"optBSF4", "7/16", "7/16 B.S.F.", 0.4375, 0.0555, "2° 31'"},
    {"optBSF5", "1/2", "1/2 B.S.F.", 0.5, 0.0625, "2° 28'"},
    {"optBSF6", "9/16", "9/16 B.S.F.", 0.5625, 0.0625, "2° 10'"},
    {"optBSF7", "5/8", "5/8 B.S.F.", 0.625, 0.0714, "2° 5'"},
    {"optBSF8", "3/4", "3/4 B.S.F.", 0.75, 0.0833, "2° 11'"},
    {"optBSF9", "7/8", "7/8 B.S.F.", 0.875, 0.0909, "2° 2'"},
    {"optBSF10", "1 inch", "1 inch B.S.F.", 1, 0.1, "1° 57'"},
};

constexpr StandardSize WhitworthSizes[] = {
    {"optWhit1", "1/4", "1/4 B.S.W.", 0.25, 0.05, "4° 10'"},
    {"optWhit2", "5/16", "5/16 B.S.W.", 0.3125, 0.0556, "3° 39'"},
    {"optWhit3", "3/8", "3/8 B.S.W.", 0.375, 0.0625, "3° 24'"},
    {"optWhit4", "7/16", "7/16 B.S.W.", 0.4375, 0.0714, "3° 19'"},
    {"optWhit5", "1/2", "1/2 B.S.W.", 0.5, 0.0833, "3° 24'"},
    {"optWhit6", "9/16", "9/16 B.S.W.", 0.5625, 0.0833, "2° 59'"},
    {"optWhit7", "5/8", "5/8 B.S.W.", 0.625, 0.0909, "2° 55'"},
    {"optWhit8", "3/4", "3/4 B.S.W.", 0.75, 0.1, "2° 39'"},
    {"optWhit9", "7/8", "7/8 B.S.W.", 0.875, 0.1111, "2° 31'"},
    {"optWhit10", "1 inch", "1 inch", 1, 0.125, "2° 28'"},
};

constexpr StandardSize UncSizes[] = {
    // "1/4 U.N.C" and "3° 71'" are shown exactly so, as users know them; not to be tidied.
    {"optUnc1", "1/4", "1/4 U.N.C", 0.25, 0.05, "3° 71'"},
    {"optUNC2", "5/16", "5/16 U.N.C.", 0.3125, 0.05556, "3° 39'"},
    {"optUNC3", "3/8", "3/8 U.N.C.", 0.375, 0.0625, "3° 24'"},
    {"optUNC4", "7/16", "7/16 U.N.C.", 0.4375, 0.07143, "3° 20'"},
    {"optUNC5", "1/2", "1/2 U.N.C.", 0.5, 0.07692, "3° 07'"},
    {"optUNC6", "9/16", "9/16 U.N.C.", 0.5625, 0.08333, "2° 59'"},
    {"optUNC7", "5/8", "5/8 U.N.C.", 0.625, 0.09091, "2° 56'"},
    {"optUNC8", "3/4", "3/4 U.N.C.", 0.75, 0.1, "2° 40'"},
    {"optUNC9", "7/8", "7/8 U.N.C.", 0.875, 0.11111, "2° 31'"},
    {"optUNC10", "1 inch", "1 inch U.N.C.", 1, 0.125, "2° 29'"},
};

constexpr StandardSize UnfSizes[] = {
    {"optUNF1", "1/4", "1/4 U.N.F.", 0.25, 0.03571, "2° 52'"},
    {"optUNF2", "5/16", "5/16 U.N.F.", 0.3125, 0.04167, "2° 39'"},
    {"optUNF3", "3/8", "3/8 U.N.F.", 0.375, 0.04167, "2° 11'"},
    {"optUNF4", "7/16", "7/16 U.N.F.", 0.4375, 0.05, "2° 15'"},
    {"optUNF5", "1/2", "1/2 U.N.F.", 0.5, 0.05, "1° 57'"},
    {"optUNF6", "9/16", "9/16 U.N.F.", 0.5625, 0.05556, "1° 55'"},
    {"optUNF7", "5/8", "5/8 U.N.F.", 0.625, 0.05556, "1° 43'"},
    {"optUNF8", "3/4", "3/4 U.N.F.", 0.75, 0.0625, "1° 36'"},
    {"optUNF9", "7/8", "7/8 U.N.F.", 0.875, 0.07143, "1° 34'"},
    {"optUNF10", "1 inch", "1 inch U.N.F.", 1, 0.08333, "1° 35'"},
};

// Converted to inches; there is no 9 BA.
constexpr StandardSize BaSizes[] = {
    {"optBA1", "0 BA", "0 BA", 0.2362, 0.0394, "3° 22'"},
    {"optBA2", "1 BA", "1 BA", 0.2087, 0.0354, "3° 27'"},
    {"optBA3", "2 BA", "2 BA", 0.185, 0.0319, "3° 30'"},
    // "3° 38" is shown exactly so, as users know it; not to be tidied.
    {"optBA4", "3 BA", "3 BA", 0.1614, 0.0287, "3° 38"},
    {"optBA5", "4 BA", "4 BA", 0.1417, 0.026, "3° 45'"},
    {"optBA6", "5 BA", "5 BA", 0.126, 0.0232, "3° 47'"},
    {"optBA7", "6 BA", "6 BA", 0.1102, 0.0209, "3° 54'"},
    {"optBA8", "7 BA", "7 BA", 0.0984, 0.0189, "3° 58'"},
    {"optBA9", "8 BA", "8 BA", 0.0866, 0.0169, "4° 2'"},
    {"optBA10", "10 BA", "10 BA", 0.0669, 0.0138, "4° 17'"},
};

// Millimetres.
constexpr StandardSize MetricSizes[] = {
    {"optMet1", "2.5", "2.5 mm", 2.5, 0.45, "3° 42'"},
    {"optMet2", "3", "3 mm", 3, 0.5, "3° 25'"},
    {"optMet3", "4", "4 mm", 4, 0.7, "3° 36'"},
    {"optMet4", "5", "5 mm", 5, 0.8, "3° 15'"},
    {"optMet5", "6", "6 mm", 6, 1, "3° 25'"},
    {"optMet6", "8", "8 mm", 8, 1.25, "3° 10'"},
    {"optMet7", "10", "10 mm", 10, 1.5, "3° 02'"},
    {"optMet8", "12", "12 mm", 12, 1.75, "2° 56'"},
    {"optMet9", "14", "14 mm", 14, 2, "2° 52'"},
    {"optMet10", "16", "16 mm", 16, 2, "2° 29'"},
    {"optMet11", "18", "18 mm", 18, 2.5, "2° 47'"},
    {"optMet12", "20", "20 mm", 20, 2.5, "2° 29'"},
};

template <int N>
constexpr int count(const StandardSize (&)[N])
{
    return N;
}

// The rules of the standard families:
// angle and its caption, depth factor, diameter, depth and pitch patterns, B.A. wires, maximum,
// minimum and preferred wire factors, unit.
constexpr RecordRule Whitworth{55, "55°", 0.64, "#0.0000", "#0.0000", "#0.0000", false, 0.76, 0.54, 0.564, Unit::Inch};
constexpr RecordRule Unified{60, "60°", 0.6134, "#0.0000", "#0.0000", "#0.0000", false, 0.9, 0.56, 0.578, Unit::Inch};
constexpr RecordRule Metric{60, "60°", 0.6134, "#0.0000", "#0.0000", "#0.0000", false, 0.9, 0.56, 0.577, Unit::Millimetre};
constexpr RecordRule BritishAssociation{47.5, "47.5°", 0.6, "#0.0000", "#0.0000", "#0.0000", true, 0.73, 0, 0.546, Unit::Inch};

constexpr FamilyRow Rows[] = {
    {Family::BSF, "cmdBSF", "B.S.F.", 2400, 2040, "frmBSFsize", "B.S.F. Size", "cmdAppBSF",
     "cmdBackBSF", 1800, SizeLayout::TenSizes, 840, BsfSizes, count(BsfSizes), Whitworth},
    {Family::Whitworth, "cmdWhit", "Whitworth", 4200, 2040, "frmWhitsize", "Whitworth Size",
     "cmdAppWhit", "cmdBackwhit", 1800, SizeLayout::TenSizes, 840, WhitworthSizes,
     count(WhitworthSizes), Whitworth},
    {Family::UNF, "cmdUNF", "U.N.F.", 1560, 3720, "frmUNFsize", "U.N.F. Size", "cmdAppUNF",
     "cmdBackUNF", 1800, SizeLayout::TenSizes, 840, UnfSizes, count(UnfSizes), Unified},
    {Family::UNC, "cmdUNC", "U.N.C.", 3360, 3720, "frmUNCsize", "U.N.C. Size", "cmdAppUNC",
     "cmdBackUNC", 1800, SizeLayout::TenSizes, 840, UncSizes, count(UncSizes), Unified},
    {Family::BA, "cmdBA", "B.A.", 600, 2040, "frmBAsize", "B.A. Size", "cmdAppBA", "cmdBackBA",
     1920, SizeLayout::TenSizes, 855, BaSizes, count(BaSizes), BritishAssociation},
    {Family::Metric, "cmdMetric", "Metric", 6000, 2040, "frmMetsize", "Metric Size", "btnAppmet",
     "cmdBackmet", 1800, SizeLayout::Grid, 735, MetricSizes, count(MetricSizes), Metric},
};

// One row for every family, each in its own place.
static_assert(std::size(Rows) == FamilyCount, "every family has exactly one row");
constexpr bool rowsInFamilyOrder()
{
    for (int i = 0; i < FamilyCount; ++i) {
        if (Rows[i].family != static_cast<Family>(i))
            return false;
    }
    return true;
}
static_assert(rowsInFamilyOrder(), "the rows stand in the order of Family");

constexpr bool layoutsFit()
{
    for (const FamilyRow &row : Rows) {
        if (row.sizeCount != (row.layout == SizeLayout::Grid ? 12 : 10))
            return false;
    }
    return true;
}
static_assert(layoutsFit(), "a TenSizes window has ten sizes, a Grid twelve");

} // namespace

const FamilyRow &familyRow(Family family)
{
    return Rows[static_cast<int>(family)];
}

const FamilyRow *familyRows()
{
    return Rows;
}

ThreadRecord standardRecord(const FamilyRow &row, const StandardSize &size)
{
    return threadRecord(row.rule, size.name, size.diameter, size.pitch, size.helix);
}

} // namespace kervadin
