#include "kervadin/core/iso965.h"

#include "kervadin/core/arithmetic.h"
#include "kervadin/core/classes.h"
#include "kervadin/core/threadform.h"
#include "runtime/numbers.h"

#include <cmath>
#include <iterator>

namespace kervadin::iso965 {
namespace {

using arithmetic::plain;

// An entry the standard leaves empty.
constexpr int None = 0;

// The pitches of the standard's tables, mm, and the values it gives at each.
// Fundamental deviations are negative for e, f and g (h is 0). Off these
// pitches the formulas give the values; at them the table holds, where they
// differ too: es at most pitches (the table's f column is not even of the
// R40 series), Td(6) at 0.75 mm (140, the formula 150) and 4 mm (475, the
// formula 450) with their grades 4 and 8, and Td(8) at 8 mm (1180; 1.6 × 710
// in the series is 1120).
struct PitchRow {
    double pitch;
    int es[3]; // e, f, g; None where the position is not given
    int td[3]; // major diameter, grades 4, 6, 8
};

constexpr PitchRow PitchRows[] = {
    {0.2, {None, None, -17}, {36, 56, None}},     {0.25, {None, None, -18}, {42, 67, None}},
    {0.3, {None, None, -18}, {48, 75, None}},     {0.35, {None, -34, -19}, {53, 85, None}},
    {0.4, {None, -34, -19}, {60, 95, None}},      {0.45, {None, -35, -20}, {63, 100, None}},
    {0.5, {-50, -36, -20}, {67, 106, None}},      {0.6, {-53, -36, -21}, {80, 125, None}},
    {0.7, {-56, -38, -22}, {90, 140, None}},      {0.75, {-56, -38, -22}, {90, 140, None}},
    {0.8, {-60, -38, -24}, {95, 150, 236}},       {1, {-60, -40, -26}, {112, 180, 280}},
    {1.25, {-63, -42, -28}, {132, 212, 335}},     {1.5, {-67, -45, -32}, {150, 236, 375}},
    {1.75, {-71, -48, -34}, {170, 265, 425}},     {2, {-71, -52, -38}, {180, 280, 450}},
    {2.5, {-80, -58, -42}, {212, 335, 530}},      {3, {-85, -63, -48}, {236, 375, 600}},
    {3.5, {-90, -70, -53}, {265, 425, 670}},      {4, {-95, -75, -60}, {300, 475, 750}},
    {4.5, {-100, -80, -63}, {315, 500, 800}},     {5, {-106, -85, -71}, {335, 530, 850}},
    {5.5, {-112, -90, -75}, {355, 560, 900}},     {6, {-118, -95, -80}, {375, 600, 950}},
    {8, {-140, -118, -100}, {450, 710, 1180}},
};

// The diameter ranges of the pitch-diameter tolerances: over `above` up to
// and including `upTo`, mm.
struct Range {
    double above;
    double upTo;
    const char *text;
};
constexpr Range Ranges[] = {
    {0.99, 1.4, "0.99 to 1.4"},   {1.4, 2.8, "1.4 to 2.8"},   {2.8, 5.6, "2.8 to 5.6"},
    {5.6, 11.2, "5.6 to 11.2"},   {11.2, 22.4, "11.2 to 22.4"}, {22.4, 45, "22.4 to 45"},
    {45, 90, "45 to 90"},         {90, 180, "90 to 180"},     {180, 355, "180 to 355"},
};

// Td2 of grades 3 to 9 by range and pitch, µm, as the standard tabulates
// them, every range. Its formula gives every other entry of these rows back
// but for the rows of 2.8 to 5.6 mm at 0.5 mm (grade 6: 75, the formula 80),
// 45 to 90 mm at 5 mm (250, the formula 265) and 180 to 355 mm at 3 mm (250,
// the formula 236), and two of grade 5, which is why the rows are carried:
// the table holds where they disagree. Grade 3 at 8 mm is the formula's.
struct PitchDiameterRow {
    int range; // in Ranges
    double pitch;
    int td2[7];
};
constexpr PitchDiameterRow PitchDiameterRows[] = {
    {0, 0.2, {24, 30, 38, 48, None, None, None}},  {0, 0.25, {26, 34, 42, 53, None, None, None}},
    {0, 0.3, {28, 36, 45, 56, None, None, None}},
    {1, 0.2, {25, 32, 40, 50, None, None, None}},  {1, 0.25, {28, 36, 45, 56, None, None, None}},
    {1, 0.35, {32, 40, 50, 63, 80, None, None}},   {1, 0.4, {34, 42, 53, 67, 85, None, None}},
    {1, 0.45, {36, 45, 56, 71, 90, None, None}},
    {2, 0.35, {34, 42, 53, 67, 85, None, None}},   {2, 0.5, {38, 48, 60, 75, 95, None, None}},
    {2, 0.6, {42, 53, 67, 85, 106, None, None}},   {2, 0.7, {45, 56, 71, 90, 112, None, None}},
    {2, 0.75, {45, 56, 71, 90, 112, None, None}},  {2, 0.8, {48, 60, 75, 95, 118, 150, 190}},
    {3, 0.75, {50, 63, 80, 100, 125, None, None}}, {3, 1, {56, 71, 90, 112, 140, 180, 224}},
    {3, 1.25, {60, 75, 95, 118, 150, 190, 236}},   {3, 1.5, {67, 85, 106, 132, 170, 212, 265}},
    {4, 1, {60, 75, 95, 118, 150, 190, 236}},      {4, 1.25, {67, 85, 106, 132, 170, 212, 265}},
    {4, 1.5, {71, 90, 112, 140, 180, 224, 280}},   {4, 1.75, {75, 95, 118, 150, 190, 236, 300}},
    {4, 2, {80, 100, 125, 160, 200, 250, 315}},    {4, 2.5, {85, 106, 132, 170, 212, 265, 335}},
    {5, 1, {63, 80, 100, 125, 160, 200, 250}},     {5, 1.5, {75, 95, 118, 150, 190, 236, 300}},
    {5, 2, {85, 106, 132, 170, 212, 265, 335}},
    {5, 3, {100, 125, 160, 200, 250, 315, 400}},   {5, 3.5, {106, 132, 170, 212, 265, 335, 425}},
    {5, 4, {112, 140, 180, 224, 280, 355, 450}},   {5, 4.5, {118, 150, 190, 236, 300, 375, 475}},
    {6, 1.5, {80, 100, 125, 160, 200, 250, 315}},  {6, 2, {90, 112, 140, 180, 224, 280, 355}},
    {6, 3, {106, 132, 170, 212, 265, 335, 425}},   {6, 4, {118, 150, 190, 236, 300, 375, 475}},
    {6, 5, {125, 160, 200, 250, 315, 400, 500}},   {6, 5.5, {132, 170, 212, 265, 335, 425, 530}},
    {6, 6, {140, 180, 224, 280, 355, 450, 560}},
    {7, 2, {95, 118, 150, 190, 236, 300, 375}},    {7, 3, {112, 140, 180, 224, 280, 355, 450}},
    {7, 4, {125, 160, 200, 250, 315, 400, 500}},   {7, 6, {150, 190, 236, 300, 375, 475, 600}},
    {7, 8, {None, 212, 265, 335, 425, 530, 670}},
    {8, 3, {125, 160, 200, 250, 315, 400, 500}},   {8, 4, {140, 180, 224, 280, 355, 450, 560}},
    {8, 6, {160, 200, 250, 315, 400, 500, 630}},   {8, 8, {None, 224, 280, 355, 450, 560, 710}},
};

constexpr double GradeFactors[7] = {0.5, 0.63, 0.8, 1, 1.25, 1.6, 2};

// The pitches the standard gives, and from which pitch each position and
// grade is given (up to 8 mm for all).
constexpr double SmallestPitch = 0.2;
constexpr double LargestPitch = 8;
constexpr double CoarseGradesFrom = 0.8; // grades 8 and 9, and Td of grade 8
constexpr double Grade7From = 0.35;

// A typed pitch and a tabulated one are the same when they agree far beyond
// the places anyone types.
bool same(double a, double b)
{
    return std::fabs(a - b) <= 1e-9 * std::fmax(1, std::fabs(b));
}

const PitchRow *pitchRow(double pitch)
{
    for (const PitchRow &row : PitchRows) {
        if (same(pitch, row.pitch))
            return &row;
    }
    return nullptr;
}

// The nearest value of the R40 series (the 40th roots of 10, as the standard
// rounds them) on a logarithmic scale.
double r40(double value)
{
    static constexpr double Series[] = {1.00, 1.06, 1.12, 1.18, 1.25, 1.32, 1.40, 1.50, 1.60, 1.70,
                                        1.80, 1.90, 2.00, 2.12, 2.24, 2.36, 2.50, 2.65, 2.80, 3.00,
                                        3.15, 3.35, 3.55, 3.75, 4.00, 4.25, 4.50, 4.75, 5.00, 5.30,
                                        5.60, 6.00, 6.30, 6.70, 7.10, 7.50, 8.00, 8.50, 9.00, 9.50,
                                        10.0};
    const double decade = std::pow(10, std::floor(std::log10(value)));
    double best = Series[0] * decade;
    for (double step : Series) {
        if (std::fabs(std::log(step * decade / value)) < std::fabs(std::log(best / value)))
            best = step * decade;
    }
    return best;
}

// A value of the series in whole micrometres, a half to the even one
// (26.5 gives 26, 33.5 gives 34), as the tables write them.
int whole(double micrometres)
{
    return static_cast<int>(rt::RoundToWhole(micrometres));
}

void tell(std::string *problem, const std::string &text)
{
    if (problem)
        *problem = text;
}

bool pitchGiven(double pitch, std::string *problem)
{
    if (pitch >= SmallestPitch - 1e-9 && pitch <= LargestPitch + 1e-9)
        return true;
    tell(problem, "ISO 965-1 gives tolerances for pitches of 0.2 to 8 mm, not for " + plain(pitch)
                      + " mm.");
    return false;
}

int rangeOf(double diameter)
{
    for (int i = 0; i < static_cast<int>(std::size(Ranges)); ++i) {
        if (diameter > Ranges[i].above && diameter <= Ranges[i].upTo)
            return i;
    }
    return -1;
}

const char *const FromTable = "table";

} // namespace

ParsedClass parseClass(const std::string &text)
{
    // Each part a grade in digits and a position letter.
    struct Part {
        int grade;
        char position;
    };
    Part parts[2];
    int count = 0;
    std::size_t i = 0;
    const std::string quoted = arithmetic::quotedPiece(text, LongestClass);
    const std::string asWritten =
        " is not a class as drawings write it: a grade and a position, as in 6g, or the pitch "
        "diameter's and the major diameter's, as in 4g6g.";
    while (i < text.size()) {
        std::size_t digits = i;
        while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9')
            ++digits;
        if (digits == i || digits == text.size() || count == 2 || digits - i > 2)
            return {std::nullopt, quoted + asWritten};
        parts[count++] = {std::stoi(text.substr(i, digits - i)), text[digits]};
        i = digits + 1;
    }
    if (count == 0)
        return {std::nullopt, quoted + asWritten};
    for (int p = 0; p < count; ++p) {
        const char position = parts[p].position;
        if (position >= 'A' && position <= 'Z')
            return {std::nullopt, quoted + " is the class of an internal thread: an external "
                                           "thread's position is a small letter, as in 6g."};
        if (position != 'e' && position != 'f' && position != 'g' && position != 'h')
            return {std::nullopt, quoted + " is not a class of ISO 965-1: the position of an "
                                           "external thread is e, f, g or h."};
    }
    if (count == 2 && parts[0].position != parts[1].position)
        return {std::nullopt, quoted + " gives two positions: the pitch and major diameters of a "
                                       "thread share one, as in 4g6g."};
    const int pitchGrade = parts[0].grade;
    const int majorGrade = parts[count - 1].grade;
    if (pitchGrade < 3 || pitchGrade > 9)
        return {std::nullopt, quoted + ": the pitch diameter's grade is 3 to 9 in ISO 965-1, not "
                                  + std::to_string(pitchGrade) + "."};
    if (majorGrade != 4 && majorGrade != 6 && majorGrade != 8) {
        const std::string both = std::to_string(pitchGrade) + parts[0].position + "6"
            + parts[0].position;
        return {std::nullopt, quoted + ": the major diameter's grade is 4, 6 or 8 in ISO 965-1, "
                                  "not " + std::to_string(majorGrade)
                                  + (count == 1 ? "; write both, as in " + both + "." : ".")};
    }
    return {MetricClass{pitchGrade, parts[0].position, majorGrade}, std::string()};
}

std::optional<Value> fundamentalDeviation(char position, double pitch, std::string *problem)
{
    if (position == 'h')
        return Value{0, FromTable};
    const int column = position == 'e' ? 0 : position == 'f' ? 1 : 2;
    const double from[3] = {0.5, 0.35, SmallestPitch};
    const double base[3] = {50, 30, 15};
    if (!pitchGiven(pitch, problem))
        return std::nullopt;
    if (pitch < from[column] - 1e-9) {
        tell(problem, std::string("ISO 965-1 gives position ") + position + " for pitches of "
                          + plain(from[column]) + " to 8 mm, not for " + plain(pitch) + " mm.");
        return std::nullopt;
    }
    if (const PitchRow *row = pitchRow(pitch))
        return Value{row->es[column], FromTable};
    const double exact = base[column] + 11 * pitch;
    return Value{-whole(r40(exact)), "−(" + plain(base[column]) + " + 11P) = −" + plain(exact)
                                         + ", in the R40 series"};
}

std::optional<Value> majorTolerance(int grade, double pitch, std::string *problem)
{
    const int column = grade == 4 ? 0 : grade == 6 ? 1 : 2;
    if (!pitchGiven(pitch, problem))
        return std::nullopt;
    if (grade == 8 && pitch < CoarseGradesFrom - 1e-9) {
        tell(problem, "ISO 965-1 gives the major diameter grade 8 for pitches of 0.8 mm and "
                      "over, not for " + plain(pitch) + " mm.");
        return std::nullopt;
    }
    if (const PitchRow *row = pitchRow(pitch))
        return Value{row->td[column], FromTable};
    // Grade 6 from its formula in the series first, then the grade's factor
    // in the series again, as the table is built (and gives back its grades 4
    // and 8 from its grade 6 at every pitch).
    const double formula = 180 * std::cbrt(pitch * pitch) - 3.15 / std::sqrt(pitch);
    const double grade6 = r40(formula);
    const double factor = grade == 4 ? 0.63 : grade == 6 ? 1 : 1.6;
    return Value{whole(r40(factor * grade6)),
                 std::string(grade == 6 ? "" : plain(factor) + " × ")
                     + "Td(6), Td(6) = 180 × P^(2/3) − 3.15 ÷ √P = " + plain(formula)
                     + ", in the R40 series " + plain(grade6)
                     + (grade == 6 ? "" : ", again in the R40 series")};
}

std::optional<Value> pitchTolerance(int grade, double diameter, double pitch, std::string *problem)
{
    const int range = rangeOf(diameter);
    if (range < 0) {
        tell(problem, "ISO 965-1 gives tolerances for diameters over 0.99 up to 355 mm, not for "
                          + plain(diameter) + " mm.");
        return std::nullopt;
    }
    if (!pitchGiven(pitch, problem))
        return std::nullopt;
    const bool coarse = grade >= 8 && pitch < CoarseGradesFrom - 1e-9;
    if (coarse || (grade == 7 && pitch < Grade7From - 1e-9)) {
        tell(problem, "ISO 965-1 gives the pitch diameter grade " + std::to_string(grade)
                          + " for pitches of " + plain(grade == 7 ? Grade7From : CoarseGradesFrom)
                          + " mm and over, not for " + plain(pitch) + " mm.");
        return std::nullopt;
    }
    for (const PitchDiameterRow &row : PitchDiameterRows) {
        if (row.range == range && same(pitch, row.pitch) && row.td2[grade - 3] != None)
            return Value{row.td2[grade - 3], FromTable};
    }
    return pitchToleranceByFormula(grade, diameter, pitch);
}

std::optional<Value> pitchToleranceByFormula(int grade, double diameter, double pitch)
{
    const int range = rangeOf(diameter);
    if (range < 0 || grade < 3 || grade > 9 || !(pitch > 0))
        return std::nullopt;
    const double mean = std::sqrt(Ranges[range].above * Ranges[range].upTo);
    const double grade6 = r40(90 * std::pow(pitch, 0.4) * std::pow(mean, 0.1));
    const double factor = GradeFactors[grade - 3];
    return Value{whole(r40(factor * grade6)),
                 std::string(grade == 6 ? "" : plain(factor) + " × ") + "90 × P^0.4 × d^0.1, d "
                     + plain(mean) + ", Td2(6) = " + plain(grade6) + ", in the R40 series"};
}

std::string diameterRange(double diameter)
{
    const int range = rangeOf(diameter);
    return range < 0 ? std::string() : Ranges[range].text;
}

namespace {

using arithmetic::asShown;
using arithmetic::multiply;
using arithmetic::shown;

// A tolerance of ISO 965-1 in the tooltip's words: "Td2 (grade 4) = 0.085
// (table)".
std::string stated(const char *what, const Value &value)
{
    return std::string(what) + " = " + micrometres(value.micrometres) + " (" + value.source + ")";
}

ClassLimits metricLimits(const CheckedThread &thread, const ToleranceClass &toleranceClass)
{
    ClassLimits out;
    const ParsedClass parsed = parseClass(toleranceClass.name());
    if (!parsed.metricClass) {
        out.problem = parsed.problem;
        return out;
    }
    const MetricClass &c = *parsed.metricClass;
    const std::optional<Value> es =
        fundamentalDeviation(c.position, thread.pitch, &out.problem);
    const std::optional<Value> td2 =
        es ? pitchTolerance(c.pitchGrade, thread.diameter, thread.pitch, &out.problem)
           : std::nullopt;
    const std::optional<Value> td =
        td2 ? majorTolerance(c.majorGrade, thread.pitch, &out.problem) : std::nullopt;
    if (!td)
        return out;
    out.offered = true;
    out.problem.clear();

    // The basic pitch diameter to the micrometre, as the tables give it; from
    // there on whole micrometres.
    const std::string basicText =
        rt::FormatNumber(basicPitchDiameter(MetricForm, thread.diameter, thread.pitch), "#0.000");
    const long long basic = rt::RoundToWhole(multiply(rt::ReadNumber(basicText), 1000));
    const int deviation = es->micrometres;
    const long long maximum = basic + deviation;
    const long long minimum = maximum - td2->micrometres;
    out.showPitch(static_cast<double>(maximum) / 1000, static_cast<double>(minimum) / 1000);

    const std::string grade = std::to_string(c.pitchGrade);
    const std::string majorGrade = std::to_string(c.majorGrade);
    const std::string classLine = "Class " + toleranceClass.name() + " (ISO 965-1)\n";
    const std::string esLine = stated((std::string("es (") + c.position + ")").c_str(), *es);
    out.maximumWorking = classLine + "d2 = d − " + MetricForm.basicFactorText + " × P = "
        + basicText + "\n" + esLine + "\nmaximum = d2 + es = " + basicText + " − "
        + micrometres(-deviation);
    out.minimumWorking = classLine
        + stated(("Td2 (grade " + grade + ", d " + diameterRange(thread.diameter)
                  + " mm)").c_str(), *td2)
        + "\nminimum = maximum − Td2 = " + micrometres(maximum) + " − "
        + micrometres(td2->micrometres);

    // The major diameter from d, to the micrometre, with the same es.
    const long long major = rt::RoundToWhole(multiply(thread.diameter, 1000));
    const long long majorMaximum = major + deviation;
    const long long majorMinimum = majorMaximum - td->micrometres;
    out.showMajor(static_cast<double>(majorMaximum) / 1000,
                  static_cast<double>(majorMinimum) / 1000);
    out.majorMaximumWorking = classLine + esLine + "\nmaximum = d + es = " + micrometres(major)
        + " − " + micrometres(-deviation);
    out.majorMinimumWorking = classLine + stated(("Td (grade " + majorGrade + ")").c_str(), *td)
        + "\nminimum = maximum − Td = " + micrometres(majorMaximum) + " − "
        + micrometres(td->micrometres);
    return out;
}

// The classes drawings use most: 6g and 6h beside the limits, the others on
// the list; any other is typed.
class IsoMetricClasses : public ClassSystem {
public:
    std::vector<ClassOffer> offered() const override
    {
        return {{"6g", true},  {"6h", true},  {"4h", false}, {"4g6g", false}, {"5g6g", false},
                {"6e", false}, {"6f", false}, {"7g6g", false}, {"8g", false}};
    }

    ClassLimits limits(const CheckedThread &thread,
                       const ToleranceClass &toleranceClass) const override
    {
        return metricLimits(thread, toleranceClass);
    }
};

} // namespace

} // namespace kervadin::iso965

namespace kervadin {

const ClassSystem *isoMetricClasses()
{
    static const iso965::IsoMetricClasses system;
    return &system;
}

} // namespace kervadin
