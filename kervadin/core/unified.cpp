#include "kervadin/core/classes.h"

#include "kervadin/core/arithmetic.h"
#include "kervadin/core/threadform.h"
#include "runtime/numbers.h"

#include <cmath>

// The unified classes 1A, 2A and 3A (ASME B1.1) of 60° inch threads, from
// the class 2A tolerance T = 0.0015 × ∛D + 0.0015 × √LE + 0.015 × ∛(P²), with
// the length of engagement LE = D for a size of a family whose row says so
// (the coarse and fine series) and LE = the smaller of D and 9P for any
// other diameter and pitch. The major diameter lies the same allowance below
// D, with a tolerance of 0.090 × ∛(P²) (1A) or 0.060 × ∛(P²) (2A, 3A).

namespace kervadin {
namespace {

using namespace arithmetic;

// A class's rule: tolerance and allowance as multiples of the class 2A
// tolerance T (the allowance in tenths of T as shown), and the major
// diameter's tolerance as a multiple of ∛(P²).
struct UnifiedRule {
    double toleranceFactor;
    const char *toleranceText;
    int allowanceTenths;
    const char *allowanceText;
    double majorToleranceFactor;
    const char *majorToleranceText;
};

struct UnifiedRow {
    const char *name;
    UnifiedRule rule;
};

constexpr UnifiedRow UnifiedRows[] = {
    {"1A", {1.5, "1.5 × T", 3, "0.3 × T", 0.090, "0.090 × ∛(P²)"}},
    {"2A", {1, "T", 3, "0.3 × T", 0.060, "0.060 × ∛(P²)"}},
    {"3A", {0.75, "0.75 × T", 0, "0", 0.060, "0.060 × ∛(P²)"}},
};

// A typed number and a tabulated one are the same when they agree far beyond
// the places anyone types.
bool same(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::fmax(1, std::fabs(b));
}

// Whether the diameter and threads per inch of an inch thread are those of
// a size of a family whose sizes take LE = D (the U.N.C. and U.N.F. sizes).
bool takesDiameterAsEngagement(const CheckedThread &thread)
{
    if (thread.form != &UnifiedForm)
        return false;
    const double n = threadsPerInch(thread);
    for (const FamilyRow &row : FamilyRows) {
        if (!row.engagementIsDiameter)
            continue;
        for (int i = 0; i < row.sizeCount; ++i) {
            const StandardSize &s = row.sizes[i];
            if (same(thread.diameter, s.diameter) && n == wholeThreadsPerInch(s))
                return true;
        }
    }
    return false;
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

ClassLimits unifiedLimits(const CheckedThread &thread, const UnifiedRow &row)
{
    const UnifiedRule &rule = row.rule;
    const std::string name = row.name;
    const double diameter = thread.diameter;
    const double pitch = thread.pitch;
    ClassLimits out;
    out.offered = true;

    // LE = D for the sizes of the coarse and fine series, else the smaller
    // of D and 9P.
    const bool tabulated = takesDiameterAsEngagement(thread);
    const double nine = multiply(9, pitch);
    const double engagement = tabulated ? diameter : std::fmin(diameter, nine);
    out.engagement = tabulated ? "LE = D = " + shown(diameter) + " (a U.N.C. or U.N.F. size)"
        : engagement < nine   ? "LE = D = " + shown(diameter) + " (below 9P)"
                              : "LE = 9P = " + shown(engagement) + " (not a U.N.C. or U.N.F. size)";

    const double basic = asShown(basicPitchDiameter(UnifiedForm, diameter, pitch));
    const double t = add(add(multiply(0.0015, std::cbrt(diameter)),
                             multiply(0.0015, rt::squareRoot(engagement))),
                         multiply(0.015, std::cbrt(multiply(pitch, pitch))));
    const double tolerance = asShown(multiply(rule.toleranceFactor, t));
    const double allowance = unifiedAllowance(rule, t);
    const double maximum = asShown(subtract(basic, allowance));
    out.showPitch(maximum, subtract(maximum, tolerance));

    const std::string classLine = "Class " + name
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
    const double majorMaximum = asShown(subtract(diameter, allowance));
    out.showMajor(majorMaximum, subtract(majorMaximum, majorTolerance));
    const std::string majorLine = "Class " + name + "\n";
    out.majorMaximumWorking = majorLine + "allowance " + rule.allowanceText + " = "
        + shown(allowance) + "\nmaximum = D − allowance = " + shown(diameter) + " − "
        + shown(allowance);
    out.majorMinimumWorking = majorLine + "tolerance " + rule.majorToleranceText + " = "
        + shown(majorTolerance) + "\nminimum = maximum − tolerance = " + out.majorMaximumText
        + " − " + shown(majorTolerance);
    return out;
}

class UnifiedClasses : public ClassSystem {
public:
    std::vector<ClassOffer> offered() const override
    {
        std::vector<ClassOffer> classes;
        for (const UnifiedRow &row : UnifiedRows)
            classes.push_back({row.name, true});
        return classes;
    }

    ClassLimits limits(const CheckedThread &thread,
                       const ToleranceClass &toleranceClass) const override
    {
        for (const UnifiedRow &row : UnifiedRows) {
            if (toleranceClass.name() == row.name)
                return unifiedLimits(thread, row);
        }
        ClassLimits none;
        none.problem = quotedPiece(toleranceClass.name(), LongestClass)
            + " is not a class of a unified thread: its classes are 1A, 2A and 3A.";
        return none;
    }
};

} // namespace

const ClassSystem *unifiedClasses()
{
    static const UnifiedClasses system;
    return &system;
}

} // namespace kervadin
