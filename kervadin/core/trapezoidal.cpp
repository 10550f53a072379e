#include "kervadin/core/classes.h"

#include "kervadin/core/arithmetic.h"
#include "kervadin/core/iso965.h"
#include "runtime/numbers.h"

#include <cmath>
#include <iterator>

// ISO metric trapezoidal threads (ISO 2903), external classes of the pitch
// diameter's grade 7, 8 or 9 and position e or c ("7e", "8e", "8c"), in
// millimetres, for one start (the standard gives multiple-start threads
// rules of their own, which are not carried):
// - es of the positions by pitch, from the standard's Table 1 (e: -67 µm at
//   1.5 mm ... -315 at 44; it is not the ISO 965-1 formula in the R40
//   series, which gives -140 at 8 mm where the table has -132). Position c
//   is given only where a published row of limits confirms its deviation;
// - Td2 by the ISO 965-1 formulas for its diameter ranges: 90 × P^0.4 ×
//   d^0.1 in the R40 series, then 1.25, 1.6 or 2 for grades 7, 8 and 9, in
//   the series again;
// - the major diameter h with Td of grade 4 by pitch (the standard's
//   table);
// - the basic pitch diameter d2 = d − 0.5P to the micrometre; maximum =
//   d2 + es, minimum = maximum − Td2.

namespace kervadin {
namespace {

using namespace arithmetic;

constexpr int None = 0;

struct PitchRow {
    double pitch;
    int e;  // es of position e, µm
    int c;  // es of position c where a published row confirms it; else None
    int td; // the major diameter's Td, grade 4, µm
};
// The c column of the standard continues -140, -170, -190 ... at the other
// pitches; only 2 mm is borne out by a published row (Tr 10×2-8c).
constexpr PitchRow PitchRows[] = {
    {1.5, -67, None, 150},  {2, -71, -150, 180},    {3, -85, None, 236},   {4, -95, None, 300},
    {5, -106, None, 335},   {6, -118, None, 375},   {7, -125, None, 425},  {8, -132, None, 450},
    {9, -140, None, 500},   {10, -150, None, 530},  {12, -160, None, 600}, {14, -180, None, 670},
    {16, -190, None, 710},  {18, -200, None, 800},  {20, -212, None, 850}, {22, -224, None, 900},
    {24, -236, None, 950},  {28, -250, None, 1060}, {32, -265, None, 1120}, {36, -280, None, 1250},
    {40, -300, None, 1320}, {44, -315, None, 1400},
};

const PitchRow *pitchRow(double pitch)
{
    for (const PitchRow &row : PitchRows) {
        if (std::fabs(pitch - row.pitch) <= 1e-9 * row.pitch)
            return &row;
    }
    return nullptr;
}

struct Parsed {
    int grade = 0;
    char position = 0;
    std::string problem;
};

Parsed parse(const std::string &name)
{
    Parsed p;
    if (name.size() == 2 && name[0] >= '7' && name[0] <= '9' && (name[1] == 'e' || name[1] == 'c'))
        return {name[0] - '0', name[1], std::string()};
    p.problem = quotedPiece(name, LongestClass)
        + " is not a class of a trapezoidal thread: ISO 2903 gives the pitch diameter's grade "
          "7, 8 or 9 and position e or c, as in 7e or 8c.";
    return p;
}

ClassLimits trapezoidalLimits(const CheckedThread &thread, const Parsed &c)
{
    ClassLimits out;
    const double d = thread.diameter;
    const double p = thread.pitch;
    const PitchRow *row = pitchRow(p);
    if (!row) {
        out.problem = "ISO 2903 gives deviations at the pitches of its table, 1.5 to 44 mm, not at "
            + plain(p) + " mm.";
        return out;
    }
    if (!(d > 5.6 && d <= 355)) {
        out.problem = "ISO 2903 gives tolerances for diameters over 5.6 up to 355 mm, not for "
            + plain(d) + " mm.";
        return out;
    }
    const int es = c.position == 'e' ? row->e : row->c;
    if (es == None) {
        out.problem = "Position c is given here only where a published row confirms its "
                       "deviation (a pitch of 2 mm), not at " + plain(p) + " mm.";
        return out;
    }
    const std::optional<iso965::Value> td2 = iso965::pitchToleranceByFormula(c.grade, d, p);
    if (!td2)
        return out;
    out.offered = true;

    const long long basic = rt::RoundToWhole(multiply(subtract(d, p / 2), 1000));
    const long long maximum = basic + es;
    const long long minimum = maximum - td2->micrometres;
    out.showPitch(static_cast<double>(maximum) / 1000, static_cast<double>(minimum) / 1000);
    const std::string name = std::to_string(c.grade) + c.position;
    const std::string classLine = "Class " + name + " (ISO 2903)\n";
    out.maximumWorking = classLine + "d2 = d − 0.5 × P = " + micrometres(basic) + "\nes ("
        + c.position + ") = " + micrometres(es) + " (table)\nmaximum = d2 + es";
    out.minimumWorking = classLine + "Td2 (grade " + std::to_string(c.grade) + ", d "
        + iso965::diameterRange(d) + " mm) = " + micrometres(td2->micrometres) + " ("
        + td2->source + ")\nminimum = maximum − Td2";

    const long long major = rt::RoundToWhole(multiply(d, 1000));
    out.showMajor(static_cast<double>(major) / 1000, static_cast<double>(major - row->td) / 1000);
    out.majorMaximumWorking = classLine + "maximum = d (position h)";
    out.majorMinimumWorking = classLine + "Td (grade 4) = " + micrometres(row->td)
        + " (table)\nminimum = d − Td";
    return out;
}

class TrapezoidalClasses : public ClassSystem {
public:
    std::vector<ClassOffer> offered() const override
    {
        return {{"7e", true}, {"8e", true}, {"8c", false}, {"9c", false}};
    }

    ClassLimits limits(const CheckedThread &thread,
                       const ToleranceClass &toleranceClass) const override
    {
        ClassLimits none;
        if (thread.unit != Unit::Millimetre) {
            none.problem = "ISO 2903 gives its classes in millimetres: a trapezoidal thread in "
                           "inches has none.";
            return none;
        }
        const Parsed parsed = parse(toleranceClass.name());
        if (!parsed.grade) {
            none.problem = parsed.problem;
            return none;
        }
        return trapezoidalLimits(thread, parsed);
    }
};

} // namespace

const ClassSystem *trapezoidalClasses()
{
    static const TrapezoidalClasses system;
    return &system;
}

} // namespace kervadin
