#include "kervadin/core/classes.h"

#include "kervadin/core/arithmetic.h"
#include "kervadin/core/threadform.h"
#include "runtime/numbers.h"

#include <cmath>
#include <cstdlib>

namespace kervadin {
namespace {

using namespace arithmetic;

// ISO 965-1 (ISO general purpose metric screw threads, tolerances: principles
// and basic data) tabulates, for external threads, the fundamental deviation
// es of each tolerance position by pitch, the major-diameter tolerance Td of
// each grade by pitch, and the pitch-diameter tolerance Td2 of each grade by
// diameter range and pitch. The values below are its entries for position g
// and grade 6 at the diameters and pitches of the twelve metric sizes; ISO
// 965-2 lists the limits they give for the general purpose sizes (M6 6g
// 5.974/5.794 major, 5.324/5.212 pitch diameter; M10 6g 9.968/9.732 and
// 8.994/8.862), and the engineering handbooks reprint the tables. They are
// the tables' own rounded values: the formulas behind them, rounded afresh,
// do not always give them back (M3 × 0.5: 78 µm by the formula, 75 µm in the
// table).
struct ByPitch {
    double pitch; // mm
    int es;       // µm, position g
    int td;       // µm, major diameter, grade 6
};

constexpr ByPitch PitchTable[] = {
    {0.45, -20, 100}, {0.5, -20, 106},  {0.7, -22, 140},  {0.8, -24, 150},  {1, -26, 180},
    {1.25, -28, 212}, {1.5, -32, 236},  {1.75, -34, 265}, {2, -38, 280},    {2.5, -42, 335},
};

struct PitchTolerance {
    double above;    // the diameter range, mm: over `above` up to `upTo`
    double upTo;
    double pitch;
    int td2;         // µm, grade 6
};

constexpr PitchTolerance Grade6[] = {
    {1.4, 2.8, 0.45, 71},
    {2.8, 5.6, 0.5, 75},   {2.8, 5.6, 0.7, 90},   {2.8, 5.6, 0.8, 95},
    {5.6, 11.2, 1, 112},   {5.6, 11.2, 1.25, 118}, {5.6, 11.2, 1.5, 132},
    {11.2, 22.4, 1.75, 150}, {11.2, 22.4, 2, 160}, {11.2, 22.4, 2.5, 170},
};

// A typed number and a tabulated one are the same when they agree far beyond
// the places anyone types.
bool same(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::fmax(1, std::fabs(b));
}

const ByPitch *byPitch(double pitch)
{
    for (const ByPitch &row : PitchTable) {
        if (same(pitch, row.pitch))
            return &row;
    }
    return nullptr;
}

const int *toleranceGrade6(double diameter, double pitch)
{
    for (const PitchTolerance &t : Grade6) {
        if (diameter > t.above && diameter <= t.upTo && same(pitch, t.pitch))
            return &t.td2;
    }
    return nullptr;
}

// One of the twelve metric sizes of the tables.
bool isTabulatedMetric(const CheckedThread &thread)
{
    const FamilyRow &row = familyRow(Family::Metric);
    for (int i = 0; i < row.sizeCount; ++i) {
        if (same(thread.diameter, row.sizes[i].diameter) && same(thread.pitch, row.sizes[i].pitch))
            return true;
    }
    return false;
}


// Whether the diameter and threads per inch of an inch thread are those of
// a U.N.C. or U.N.F. size of the tables.
bool isTabulatedUnified(const CheckedThread &thread)
{
    if (thread.metric || thread.angle != 60)
        return false;
    const double n = threadsPerInch(thread);
    for (Family family : {Family::UNC, Family::UNF}) {
        const FamilyRow &row = familyRow(family);
        for (int i = 0; i < row.sizeCount; ++i) {
            const StandardSize &s = row.sizes[i];
            if (same(thread.diameter, s.diameter) && n == wholeThreadsPerInch(s))
                return true;
        }
    }
    return false;
}

// Micrometres as millimetres to three places: "−0.032".
std::string micrometres(int value)
{
    const std::string size = rt::FormatNumber(std::abs(value) / 1000.0, "#0.000");
    return value < 0 ? "−" + size : size;
}

// Tolerance and allowance of a unified class, as multiples of the class 2A
// tolerance T; the allowance in tenths of T.
// The major diameter's tolerance is a multiple of ∛(P²) of its own.
struct UnifiedRule {
    double toleranceFactor;
    const char *toleranceText;
    int allowanceTenths;
    const char *allowanceText;
    double majorToleranceFactor;
    const char *majorToleranceText;
};

const UnifiedRule &unifiedRule(ToleranceClass toleranceClass)
{
    static constexpr UnifiedRule Rules[] = {
        {1.5, "1.5 × T", 3, "0.3 × T", 0.090, "0.090 × ∛(P²)"},
        {1, "T", 3, "0.3 × T", 0.060, "0.060 × ∛(P²)"},
        {0.75, "0.75 × T", 0, "0", 0.060, "0.060 × ∛(P²)"},
    };
    return Rules[static_cast<int>(toleranceClass) - static_cast<int>(ToleranceClass::Class1A)];
}

// The allowance as the published tables give it: tenths of T as shown, taken
// to four places with a half to the even digit (5/8-11: T 0.0055, allowance
// 0.00165, 0.0016). Worked in whole hundred-thousandths, so no half is lost
// to binary fractions.
double unifiedAllowance(const UnifiedRule &rule, double t)
{
    const double units = multiply(asShown(t), 10000);
    // Past whole numbers a double holds exactly there are no halves to keep.
    if (units > 1e15)
        return asShown(multiply(rule.allowanceTenths / 10.0, t));
    const long long tolerance = std::llround(units);
    const long long fifthPlaces = tolerance * rule.allowanceTenths;
    long long places = fifthPlaces / 10;
    const long long rest = fifthPlaces % 10;
    if (rest > 5 || (rest == 5 && places % 2 != 0))
        ++places;
    return asShown(static_cast<double>(places) / 10000);
}

ClassLimits unifiedLimits(const CheckedThread &thread, ToleranceClass toleranceClass)
{
    const UnifiedRule &rule = unifiedRule(toleranceClass);
    const double diameter = thread.diameter;
    const double pitch = thread.pitch;
    ClassLimits out;
    out.offered = true;

    const bool tabulated = isTabulatedUnified(thread);
    const double engagement = tabulated ? diameter : multiply(9, pitch);
    out.engagement = tabulated
        ? "LE = D = " + shown(diameter) + " (a U.N.C. or U.N.F. size)"
        : "LE = 9P = " + shown(engagement) + " (not a U.N.C. or U.N.F. size)";

    const double basic = asShown(basicPitchDiameter(UnifiedForm, diameter, pitch));
    const double t = add(add(multiply(0.0015, std::cbrt(diameter)),
                             multiply(0.0015, rt::squareRoot(engagement))),
                         multiply(0.015, std::cbrt(multiply(pitch, pitch))));
    const double tolerance = asShown(multiply(rule.toleranceFactor, t));
    const double allowance = unifiedAllowance(rule, t);
    out.maximum = asShown(subtract(basic, allowance));
    out.minimum = asShown(subtract(out.maximum, tolerance));
    out.maximumText = shown(out.maximum);
    out.minimumText = shown(out.minimum);

    const std::string classLine = std::string("Class ") + className(toleranceClass)
        + ": T = 0.0015 × ∛D + 0.0015 × √LE + 0.015 × ∛(P²) = " + shown(t) + "\n"
        + out.engagement + "\n";
    const std::string allowanceValues = rule.allowanceTenths
        ? "0." + std::to_string(rule.allowanceTenths) + " × " + shown(asShown(t)) + " = "
        : std::string();
    out.maximumWorking = classLine + "allowance " + rule.allowanceText + " = " + allowanceValues
        + shown(allowance)
        + "\nmaximum = E − allowance = " + shown(basic) + " − " + shown(allowance);
    out.minimumWorking = classLine + "tolerance " + rule.toleranceText + " = " + shown(tolerance)
        + "\nminimum = maximum − tolerance = " + out.maximumText + " − " + shown(tolerance);

    // The major diameter: the same allowance below D, and a tolerance of its own.
    const double majorTolerance =
        asShown(multiply(rule.majorToleranceFactor, std::cbrt(multiply(pitch, pitch))));
    out.majorMaximum = asShown(subtract(diameter, allowance));
    out.majorMinimum = asShown(subtract(out.majorMaximum, majorTolerance));
    out.majorMaximumText = shown(out.majorMaximum);
    out.majorMinimumText = shown(out.majorMinimum);
    const std::string majorLine = std::string("Class ") + className(toleranceClass) + "\n";
    out.majorMaximumWorking = majorLine + "allowance " + rule.allowanceText + " = "
        + shown(allowance) + "\nmaximum = D − allowance = " + shown(diameter) + " − "
        + shown(allowance);
    out.majorMinimumWorking = majorLine + "tolerance " + rule.majorToleranceText + " = "
        + shown(majorTolerance) + "\nminimum = maximum − tolerance = " + out.majorMaximumText
        + " − " + shown(majorTolerance);
    return out;
}

ClassLimits metricLimits(const CheckedThread &thread, ToleranceClass toleranceClass)
{
    ClassLimits out;
    const ByPitch *row = byPitch(thread.pitch);
    const int *td2 = toleranceGrade6(thread.diameter, thread.pitch);
    if (!row || !td2)
        return out;
    const int deviation = toleranceClass == ToleranceClass::Class6g ? row->es : 0;
    out.offered = true;

    // The basic pitch diameter to the micrometre, as the tables give it; from
    // there on whole micrometres.
    const std::string basicText =
        rt::FormatNumber(basicPitchDiameter(UnifiedForm, thread.diameter, thread.pitch), "#0.000");
    const int basic = rt::RoundToInteger(multiply(rt::ReadNumber(basicText), 1000));
    const int maximum = basic + deviation;
    const int minimum = maximum - *td2;
    out.maximum = asShown(maximum / 1000.0);
    out.minimum = asShown(minimum / 1000.0);
    out.maximumText = shown(out.maximum);
    out.minimumText = shown(out.minimum);

    const std::string classLine =
        std::string("Class ") + className(toleranceClass) + " (ISO 965-1)\n";
    out.maximumWorking = classLine + "d2 = d − " + UnifiedForm.basicFactorText + " × P = "
        + basicText + "\nes = "
        + micrometres(deviation) + "\nmaximum = d2 + es = " + basicText + " − "
        + micrometres(-deviation);
    out.minimumWorking = classLine + "Td2 (grade 6) = " + micrometres(*td2)
        + "\nminimum = maximum − Td2 = " + micrometres(maximum) + " − "
        + micrometres(*td2);

    // The major diameter from d, to the micrometre, with the same es.
    const int major = rt::RoundToInteger(multiply(thread.diameter, 1000));
    const int majorMaximum = major + deviation;
    const int majorMinimum = majorMaximum - row->td;
    out.majorMaximum = asShown(majorMaximum / 1000.0);
    out.majorMinimum = asShown(majorMinimum / 1000.0);
    out.majorMaximumText = shown(out.majorMaximum);
    out.majorMinimumText = shown(out.majorMinimum);
    out.majorMaximumWorking = classLine + "es = " + micrometres(deviation)
        + "\nmaximum = d + es = " + micrometres(major) + " − " + micrometres(-deviation);
    out.majorMinimumWorking = classLine + "Td (grade 6) = " + micrometres(row->td)
        + "\nminimum = maximum − Td = " + micrometres(majorMaximum) + " − "
        + micrometres(row->td);
    return out;
}

} // namespace

CheckedThread standardCheckedThread(Family family, int size)
{
    const FamilyRow &row = familyRow(family);
    const StandardSize &s = row.sizes[size];
    CheckedThread t;
    t.family = family;
    t.size = size;
    t.diameter = s.diameter;
    t.pitch = s.pitch;
    t.angle = row.rule.angle;
    t.metric = family == Family::Metric;
    t.depth = multiply(row.rule.depthFactor, s.pitch);
    if (hasWholeThreadsPerInch(family)) {
        t.threadsPerInch = wholeThreadsPerInch(s);
        t.pitch = rt::divide(1, t.threadsPerInch);
    }
    return t;
}

CheckedThread customCheckedThread(const CustomThread &thread)
{
    CheckedThread t;
    t.diameter = thread.diameter;
    t.pitch = thread.pitch;
    t.metric = thread.kind == CustomKind::Metric;
    t.angle = thread.kind == CustomKind::Whitworth ? 55 : 60;
    t.depth = multiply(customRule(thread.kind).depthFactor, thread.pitch);
    if (!t.metric && t.pitch > 0)
        t.threadsPerInch = threadsPerInch(t);
    return t;
}

double threadsPerInch(const CheckedThread &thread)
{
    if (thread.threadsPerInch > 0)
        return thread.threadsPerInch;
    const double n = rt::divide(1, thread.pitch);
    const double whole = std::round(n);
    return std::fabs(n - whole) <= 1e-6 * whole ? whole : n;
}

const char *className(ToleranceClass toleranceClass)
{
    switch (toleranceClass) {
    case ToleranceClass::Class1A: return "1A";
    case ToleranceClass::Class2A: return "2A";
    case ToleranceClass::Class3A: return "3A";
    case ToleranceClass::Class6g: return "6g";
    case ToleranceClass::Class6h: return "6h";
    case ToleranceClass::None: break;
    }
    return "";
}

ClassSet offeredClasses(const CheckedThread &thread)
{
    if (thread.angle != 60 || !(thread.pitch > 0) || thread.starts != 1)
        return ClassSet::None;
    if (!thread.metric)
        return ClassSet::Unified;
    return isTabulatedMetric(thread) ? ClassSet::Metric : ClassSet::None;
}

bool offers(const CheckedThread &thread, ToleranceClass toleranceClass)
{
    switch (toleranceClass) {
    case ToleranceClass::Class1A:
    case ToleranceClass::Class2A:
    case ToleranceClass::Class3A:
        return offeredClasses(thread) == ClassSet::Unified;
    case ToleranceClass::Class6g:
    case ToleranceClass::Class6h:
        return offeredClasses(thread) == ClassSet::Metric;
    case ToleranceClass::None:
        break;
    }
    return false;
}

ClassLimits classLimits(const CheckedThread &thread, ToleranceClass toleranceClass)
{
    if (!offers(thread, toleranceClass))
        return {};
    return offeredClasses(thread) == ClassSet::Unified ? unifiedLimits(thread, toleranceClass)
                                                       : metricLimits(thread, toleranceClass);
}

} // namespace kervadin
