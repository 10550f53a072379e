#include "kervadin/core/classes.h"

#include "kervadin/core/arithmetic.h"
#include "kervadin/core/checkentry.h"
#include "kervadin/core/designation.h"
#include "kervadin/core/iso965.h"
#include "kervadin/core/threadform.h"
#include "runtime/numbers.h"

#include <cmath>
#include <cstdlib>
#include <utility>

namespace kervadin {
namespace {

using namespace arithmetic;

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
    if (thread.metric || thread.angle != 60)
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

// Micrometres as millimetres to three places: "−0.032".
std::string micrometres(long long value)
{
    const std::string size = rt::FormatNumber(std::llabs(value) / 1000.0, "#0.000");
    return value < 0 ? "−" + size : size;
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

ClassLimits unifiedLimits(const CheckedThread &thread, const ClassRow &row)
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
    out.maximum = asShown(subtract(basic, allowance));
    out.minimum = asShown(subtract(out.maximum, tolerance));
    out.maximumText = shown(out.maximum);
    out.minimumText = shown(out.minimum);

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
    out.majorMaximum = asShown(subtract(diameter, allowance));
    out.majorMinimum = asShown(subtract(out.majorMaximum, majorTolerance));
    out.majorMaximumText = shown(out.majorMaximum);
    out.majorMinimumText = shown(out.majorMinimum);
    const std::string majorLine = "Class " + name + "\n";
    out.majorMaximumWorking = majorLine + "allowance " + rule.allowanceText + " = "
        + shown(allowance) + "\nmaximum = D − allowance = " + shown(diameter) + " − "
        + shown(allowance);
    out.majorMinimumWorking = majorLine + "tolerance " + rule.majorToleranceText + " = "
        + shown(majorTolerance) + "\nminimum = maximum − tolerance = " + out.majorMaximumText
        + " − " + shown(majorTolerance);
    return out;
}

// A tolerance of ISO 965-1 in the tooltip's words: "Td2 (grade 4) = 0.085
// (table)".
std::string stated(const char *what, const iso965::Value &value)
{
    return std::string(what) + " = " + micrometres(value.micrometres) + " (" + value.source + ")";
}

ClassLimits metricLimits(const CheckedThread &thread, const ToleranceClass &toleranceClass)
{
    ClassLimits out;
    const iso965::ParsedClass parsed = iso965::parseClass(toleranceClass.name());
    if (!parsed.metricClass) {
        out.problem = parsed.problem;
        return out;
    }
    const iso965::MetricClass &c = *parsed.metricClass;
    const std::optional<iso965::Value> es =
        iso965::fundamentalDeviation(c.position, thread.pitch, &out.problem);
    const std::optional<iso965::Value> td2 =
        es ? iso965::pitchTolerance(c.pitchGrade, thread.diameter, thread.pitch, &out.problem)
           : std::nullopt;
    const std::optional<iso965::Value> td =
        td2 ? iso965::majorTolerance(c.majorGrade, thread.pitch, &out.problem) : std::nullopt;
    if (!td)
        return out;
    out.offered = true;
    out.problem.clear();

    // The basic pitch diameter to the micrometre, as the tables give it; from
    // there on whole micrometres.
    const std::string basicText =
        rt::FormatNumber(basicPitchDiameter(UnifiedForm, thread.diameter, thread.pitch), "#0.000");
    const long long basic = rt::RoundToWhole(multiply(rt::ReadNumber(basicText), 1000));
    const int deviation = es->micrometres;
    const long long maximum = basic + deviation;
    const long long minimum = maximum - td2->micrometres;
    out.maximum = asShown(static_cast<double>(maximum) / 1000);
    out.minimum = asShown(static_cast<double>(minimum) / 1000);
    out.maximumText = shown(out.maximum);
    out.minimumText = shown(out.minimum);

    const std::string grade = std::to_string(c.pitchGrade);
    const std::string majorGrade = std::to_string(c.majorGrade);
    const std::string classLine = "Class " + toleranceClass.name() + " (ISO 965-1)\n";
    const std::string esLine = stated((std::string("es (") + c.position + ")").c_str(), *es);
    out.maximumWorking = classLine + "d2 = d − " + UnifiedForm.basicFactorText + " × P = "
        + basicText + "\n" + esLine + "\nmaximum = d2 + es = " + basicText + " − "
        + micrometres(-deviation);
    out.minimumWorking = classLine
        + stated(("Td2 (grade " + grade + ", d " + iso965::diameterRange(thread.diameter)
                  + " mm)").c_str(), *td2)
        + "\nminimum = maximum − Td2 = " + micrometres(maximum) + " − "
        + micrometres(td2->micrometres);

    // The major diameter from d, to the micrometre, with the same es.
    const long long major = rt::RoundToWhole(multiply(thread.diameter, 1000));
    const long long majorMaximum = major + deviation;
    const long long majorMinimum = majorMaximum - td->micrometres;
    out.majorMaximum = asShown(static_cast<double>(majorMaximum) / 1000);
    out.majorMinimum = asShown(static_cast<double>(majorMinimum) / 1000);
    out.majorMaximumText = shown(out.majorMaximum);
    out.majorMinimumText = shown(out.majorMinimum);
    out.majorMaximumWorking = classLine + esLine + "\nmaximum = d + es = " + micrometres(major)
        + " − " + micrometres(-deviation);
    out.majorMinimumWorking = classLine + stated(("Td (grade " + majorGrade + ")").c_str(), *td)
        + "\nminimum = maximum − Td = " + micrometres(majorMaximum) + " − "
        + micrometres(td->micrometres);
    return out;
}

// A thread too small for its pitch has no class: why, naming the thread
// and `what` it cannot have ("no class", "class 6g"); empty when its basic
// pitch diameter is above 0.
std::string tooSmall(const CheckedThread &thread, const std::string &what)
{
    const double basic = asShown(basicPitchDiameter(UnifiedForm, thread.diameter, thread.pitch));
    if (basic > 0)
        return std::string();
    return designation(thread) + " cannot have " + what + ": its basic pitch diameter is "
        + shown(basic) + ", not above 0.";
}

// Limits that are not above 0 are no limits: the problem names the thread.
ClassLimits aboveZero(const CheckedThread &thread, const ToleranceClass &toleranceClass,
                      ClassLimits limits)
{
    if (!limits.offered)
        return limits;
    const std::string what = "class " + toleranceClass.name();
    ClassLimits none;
    none.problem = tooSmall(thread, what);
    const std::pair<const char *, double> values[] = {
        {"maximum pitch diameter", limits.maximum},
        {"minimum pitch diameter", limits.minimum},
        {"minimum major diameter", limits.majorMinimum},
    };
    for (const auto &[name, value] : values) {
        if (none.problem.empty() && value <= 0)
            none.problem = designation(thread) + " cannot have " + what + ": its " + name
                + " would be " + shown(value) + ", not above 0.";
    }
    return none.problem.empty() ? limits : none;
}

// The row of a class named on the list, or none.
const ClassRow *classRow(const ToleranceClass &toleranceClass)
{
    for (const ClassRow &row : ClassRows) {
        if (toleranceClass.name() == row.name)
            return &row;
    }
    return nullptr;
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

ToleranceClass::ToleranceClass(const std::string &designation) : m_name(withoutBlanks(designation)) {}

const ToleranceClass ToleranceClass::None;
const ToleranceClass ToleranceClass::Class1A("1A");
const ToleranceClass ToleranceClass::Class2A("2A");
const ToleranceClass ToleranceClass::Class3A("3A");
const ToleranceClass ToleranceClass::Class6g("6g");
const ToleranceClass ToleranceClass::Class6h("6h");

ClassSet offeredClasses(const CheckedThread &thread)
{
    if (thread.angle != 60 || !(thread.pitch > 0) || thread.starts != 1)
        return ClassSet::None;
    return thread.metric ? ClassSet::Metric : ClassSet::Unified;
}

bool offers(const CheckedThread &thread, const ToleranceClass &toleranceClass)
{
    return classLimits(thread, toleranceClass).offered;
}

ClassLimits classLimits(const CheckedThread &thread, const ToleranceClass &toleranceClass)
{
    ClassLimits out;
    if (toleranceClass.isNone())
        return out;
    const ClassRow *row = classRow(toleranceClass);
    const std::string quoted = quotedPiece(toleranceClass.name(), LongestClass);
    switch (offeredClasses(thread)) {
    case ClassSet::Unified:
        if (row && row->set == ClassSet::Unified)
            return aboveZero(thread, toleranceClass, unifiedLimits(thread, *row));
        out.problem =
            quoted + " is not a class of a unified thread: its classes are 1A, 2A and 3A.";
        return out;
    case ClassSet::Metric:
        if (row && row->set == ClassSet::Unified) {
            out.problem = quoted + " is a class of a unified thread, not of a metric one.";
            return out;
        }
        return aboveZero(thread, toleranceClass, metricLimits(thread, toleranceClass));
    case ClassSet::None:
        break;
    }
    out.problem = thread.starts != 1
        ? "The classes are for threads of one start: type the limits from the drawing."
        : "This thread has no classes: type the limits from the drawing.";
    return out;
}

ClassesHad classesHad(const CheckedThread &thread)
{
    ClassesHad had;
    const ClassSet set = offeredClasses(thread);
    for (const ClassRow &row : ClassRows) {
        if (row.set != set || set == ClassSet::None)
            continue;
        const ClassLimits limits = classLimits(thread, ToleranceClass(row.name));
        if (limits.offered)
            had.names.push_back(row.name);
        else if (had.problem.empty())
            had.problem = limits.problem;
    }
    if (!had.names.empty())
        had.problem.clear();
    else if (const std::string why = tooSmall(thread, "a class"); !why.empty())
        had.problem = why;
    return had;
}

} // namespace kervadin
