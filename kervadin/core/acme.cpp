#include "kervadin/core/classes.h"

#include "kervadin/core/arithmetic.h"
#include "runtime/numbers.h"

#include <cmath>

// General purpose Acme threads (ASME B1.5), external classes 2G, 3G and 4G,
// in inches:
// - the pitch diameter's allowance is the standard's table by diameter band
//   (0.008, 0.006 and 0.004 × √D at the band's middle, to four places);
// - its tolerance is k × (0.002 × √D + 0.010 × √P), k 3.0, 1.4 and 1.0, D
//   the diameter of the series, or for a diameter between two of the series
//   the larger one, as the standard's table of increments is read;
// - maximum = E − allowance, E = D − P ÷ 2, taken to four places; minimum =
//   that maximum, as shown, − the tolerance, to four places (this order, and
//   no other, gives every published row: rounding only the ends gives 3/4-6
//   as .6597 / .6423);
// - the major diameter: maximum D, minimum D − 0.05P, but at least 0.005
//   below.
// The standard's limits are for threads of one start "and may be used, if
// considered suitable, for multiple-start Acme threads": the classes are
// offered for any number of starts.

namespace kervadin {
namespace {

using namespace arithmetic;

// The allowance bands: over the band before, up to and including `upTo`
// inches; 2G, 3G and 4G.
struct Band {
    double upTo;
    const char *text;
    double allowance[3];
};
constexpr Band Bands[] = {
    {3.0 / 16, "0 to 3/16", {0.0024, 0.0018, 0.0012}},
    {5.0 / 16, "3/16 to 5/16", {0.0040, 0.0030, 0.0020}},
    {7.0 / 16, "5/16 to 7/16", {0.0049, 0.0037, 0.0024}},
    {9.0 / 16, "7/16 to 9/16", {0.0057, 0.0042, 0.0028}},
    {11.0 / 16, "9/16 to 11/16", {0.0063, 0.0047, 0.0032}},
    {13.0 / 16, "11/16 to 13/16", {0.0069, 0.0052, 0.0035}},
    {15.0 / 16, "13/16 to 15/16", {0.0075, 0.0056, 0.0037}},
    {17.0 / 16, "15/16 to 1 1/16", {0.0080, 0.0060, 0.0040}},
    {19.0 / 16, "1 1/16 to 1 3/16", {0.0085, 0.0064, 0.0042}},
    {21.0 / 16, "1 3/16 to 1 5/16", {0.0089, 0.0067, 0.0045}},
    {23.0 / 16, "1 5/16 to 1 7/16", {0.0094, 0.0070, 0.0047}},
    {25.0 / 16, "1 7/16 to 1 9/16", {0.0098, 0.0073, 0.0049}},
    {1.875, "1 9/16 to 1 7/8", {0.0105, 0.0079, 0.0052}},
    {2.125, "1 7/8 to 2 1/8", {0.0113, 0.0085, 0.0057}},
    {2.375, "2 1/8 to 2 3/8", {0.0120, 0.0090, 0.0060}},
    {2.625, "2 3/8 to 2 5/8", {0.0126, 0.0095, 0.0063}},
    {2.875, "2 5/8 to 2 7/8", {0.0133, 0.0099, 0.0066}},
    {3.25, "2 7/8 to 3 1/4", {0.0140, 0.0105, 0.0070}},
    {3.75, "3 1/4 to 3 3/4", {0.0150, 0.0112, 0.0075}},
    {4.25, "3 3/4 to 4 1/4", {0.0160, 0.0120, 0.0080}},
    {4.75, "4 1/4 to 4 3/4", {0.0170, 0.0127, 0.0085}},
    {5.5, "4 3/4 to 5 1/2", {0.0181, 0.0136, 0.0091}},
};

struct AcmeClass {
    const char *name;
    double k; // the tolerance's factor
    const char *kText;
};
constexpr AcmeClass AcmeClassRows[] = {{"2G", 3.0, "3.0"}, {"3G", 1.4, "1.4"}, {"4G", 1.0, "1.0"}};

const Band *bandOf(double diameter)
{
    for (const Band &band : Bands) {
        if (diameter > 0 && diameter <= band.upTo + 1e-9)
            return &band;
    }
    return nullptr;
}

// The diameter the tolerance's increment is read at: the series diameter
// itself, or the next larger one of the series; past the series, D.
double toleranceDiameter(double diameter)
{
    const FamilyRow &row = familyRow(Family::Acme);
    for (int i = 0; i < row.sizeCount; ++i) {
        if (row.sizes[i].diameter >= diameter - 1e-9)
            return row.sizes[i].diameter;
    }
    return diameter;
}

ClassLimits acmeLimits(const CheckedThread &thread, const AcmeClass &c, int column)
{
    ClassLimits out;
    const Band *band = bandOf(thread.diameter);
    if (!band) {
        out.problem = "ASME B1.5 gives allowances for diameters up to 5 1/2 in, not for "
            + shown(thread.diameter) + " in.";
        return out;
    }
    out.offered = true;
    const double diameter = thread.diameter;
    const double pitch = thread.pitch;
    const double basic = subtract(diameter, pitch / 2);
    const double allowance = band->allowance[column];
    const double atDiameter = toleranceDiameter(diameter);
    const double tolerance = multiply(c.k, add(multiply(0.002, std::sqrt(atDiameter)),
                                              multiply(0.010, rt::squareRoot(pitch))));
    const double maximum = asShown(subtract(basic, allowance));
    out.showPitch(maximum, subtract(maximum, tolerance));

    const std::string classLine = std::string("Class ") + c.name + " (ASME B1.5)\n";
    out.maximumWorking = classLine + "E = D − P ÷ 2 = " + rt::FormatNumber(basic, "#0.0####")
        + "\nallowance (D over " + band->text + " in) = " + shown(allowance)
        + "\nmaximum = E − allowance, to four places";
    out.minimumWorking = classLine + "tolerance = " + c.kText + " × (0.002 × √"
        + shortest(atDiameter) + " + 0.010 × √P) = " + rt::FormatNumber(tolerance, "#0.0####")
        + "\nminimum = maximum − tolerance = " + out.maximumText + " − "
        + rt::FormatNumber(tolerance, "#0.0####") + ", to four places";

    const double majorTolerance = std::fmax(multiply(0.05, pitch), 0.005);
    out.showMajor(diameter, subtract(diameter, majorTolerance));
    out.majorMaximumWorking = classLine + "maximum = D";
    out.majorMinimumWorking = classLine + "tolerance 0.05 × P, at least 0.005 = "
        + rt::FormatNumber(majorTolerance, "#0.0####") + "\nminimum = D − tolerance";
    return out;
}

class AcmeClasses : public ClassSystem {
public:
    std::vector<ClassOffer> offered() const override
    {
        return {{"2G", true}, {"3G", true}, {"4G", true}};
    }

    ClassLimits limits(const CheckedThread &thread,
                       const ToleranceClass &toleranceClass) const override
    {
        ClassLimits none;
        if (thread.unit != Unit::Inch) {
            none.problem = "ASME B1.5 gives its classes in inches: an Acme thread in millimetres "
                           "has none.";
            return none;
        }
        for (int i = 0; i < 3; ++i) {
            if (toleranceClass.name() == AcmeClassRows[i].name)
                return acmeLimits(thread, AcmeClassRows[i], i);
        }
        none.problem = quotedPiece(toleranceClass.name(), LongestClass)
            + " is not a class of an Acme thread: its classes are 2G, 3G and 4G.";
        return none;
    }

    bool severalStarts() const override { return true; }
};

} // namespace

const ClassSystem *acmeClasses()
{
    static const AcmeClasses system;
    return &system;
}

} // namespace kervadin
