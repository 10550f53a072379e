#include "kervadin/core/checkrules.h"

#include "runtime/numbers.h"

#include <algorithm>
#include <cmath>

namespace kervadin {
namespace {

// E = D - k x P for each thread angle; the half angle as the working shows it.
struct AngleRule {
    double angle;
    double basicFactor;
    const char *basicFactorText;
    const char *halfAngleText;
};

const AngleRule AngleRules[] = {
    {60, 0.649519, "0.649519", "30°"},
    {55, 0.640327, "0.640327", "27.5°"},
    {47.5, 0.6, "0.6", "23.75°"},
};

const AngleRule *angleRule(double angle)
{
    for (const AngleRule &rule : AngleRules) {
        if (rule.angle == angle)
            return &rule;
    }
    return nullptr;
}

// Tolerance and allowance of a unified class, as multiples of the class 2A
// tolerance T.
struct ClassRule {
    const char *name;
    double toleranceFactor;
    const char *toleranceText;
    double allowanceFactor;
    const char *allowanceText;
};

const ClassRule ClassRules[] = {
    {"1A", 1.5, "1.5 × T", 0.3, "0.3 × T"},
    {"2A", 1, "T", 0.3, "0.3 × T"},
    {"3A", 0.75, "0.75 × T", 0, "0"},
};

const double Pi = 3.14159265358979323846;

std::string shown(double value)
{
    return rt::FormatNumber(value, "#0.0000");
}

// A value as the window shows it, read back: what a later step uses.
double asShown(double value)
{
    return rt::ReadNumber(shown(value));
}

double add(double a, double b) { return rt::checked(a + b); }
double subtract(double a, double b) { return rt::checked(a - b); }
double multiply(double a, double b) { return rt::checked(a * b); }

// A number as its shortest text, without the blank before it.
std::string shortest(double value)
{
    std::string text = rt::NumberToText(value);
    if (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    return text;
}

// The thread as the check names it: its name, diameter, pitch and angle as
// the record shows them (a custom metric diameter to three places, with its
// unit), and its unit.
std::string threadLine(const Thread &thread)
{
    const ThreadRecord &r = thread.record();
    const std::string diameter = thread.isCustom() && thread.unit() == Unit::Millimetre
        ? rt::FormatNumber(thread.diameter(), "#0.000") + " mm"
        : r.diameter;
    return r.name + ": D " + diameter + ", P " + r.pitch + ", " + r.angle + ", "
        + unitName(thread.unit());
}

// Diameter and pitch as the working writes the values used: a standard
// thread's as its record shows them, a pitch of whole threads per inch as
// "(1 ÷ n)", a custom thread's exactly.
std::string diameterUsed(const Thread &thread)
{
    return thread.isCustom() ? shortest(thread.diameter()) : thread.record().diameter;
}

std::string pitchUsed(const Thread &thread)
{
    if (thread.threadsPerInch() > 0)
        return "(1 ÷ " + shortest(thread.threadsPerInch()) + ")";
    return thread.isCustom() ? shortest(thread.pitch()) : thread.record().pitch;
}

bool readsAboveZero(const std::string &text)
{
    return rt::ReadNumber(text) > 0;
}

rt::Refusal limitRefusal(const char *box, const char *which)
{
    return {"Bad Limit", std::string("The ") + which + " pitch diameter is not a number above 0.",
            std::string("Please correct the ") + which + " and try again.", box};
}

rt::Refusal missingLimit(const char *box, const char *which)
{
    return {"No Limit", std::string("The ") + which + " pitch diameter has not been entered.",
            "Please enter both limits, or neither, and try again.", box};
}

// The typed limits: none, both, or a refusal.
rt::Refusal checkTypedLimits(const std::string &maximum, const std::string &minimum)
{
    if (maximum.empty() && minimum.empty())
        return {};
    if (maximum.empty())
        return missingLimit("txtPDmax", "maximum");
    if (minimum.empty())
        return missingLimit("txtPDmin", "minimum");
    if (!readsAboveZero(maximum))
        return limitRefusal("txtPDmax", "maximum");
    if (!readsAboveZero(minimum))
        return limitRefusal("txtPDmin", "minimum");
    if (rt::ReadNumber(maximum) < rt::ReadNumber(minimum))
        return {"Bad Limits", "The maximum pitch diameter is less than the minimum.",
                "Please correct the limits and try again.", "txtPDmax"};
    return {};
}

rt::Refusal badReading(int index)
{
    const std::string n = std::to_string(index + 1);
    return {"Bad Reading", "Reading " + n + " is not a number above 0.",
            "Please correct reading " + n + " and try again.", "txtReading" + n};
}

} // namespace

CheckTexts checkReadings(const State &state, const CheckEntry &entry)
{
    CheckTexts out;
    const std::optional<Thread> &thread = state.thread();
    if (thread)
        out.thread = threadLine(*thread);

    const AngleRule *rule = thread ? angleRule(thread->angle()) : nullptr;
    const std::optional<Calculation> &calculation = state.calculation();
    if (!calculation || !rule) {
        // The limits and the class stay as they are until there is something to check.
        out.note = "Calculate a dimension over wires first.";
        out.threadClass = entry.threadClass;
        out.maximum = entry.maximum;
        out.minimum = entry.minimum;
        return out;
    }
    out.calculated = true;
    const double wire = calculation->wire;
    out.wire = shown(wire);
    out.thread += "; wire " + out.wire;
    const double angle = thread->angle();
    out.classesOffered = thread->unit() == Unit::Inch && angle == 60;
    out.note = out.classesOffered
        ? "Choose a class, or type the limits from the drawing."
        : "Type the limits from the drawing: metric, B.S.F., Whitworth and B.A. limits are not "
          "derived from a formula.";

    const double diameter = thread->diameter();
    const double pitch = thread->pitch();
    const std::string diameterText = diameterUsed(*thread);
    const std::string pitchText = pitchUsed(*thread);

    const double basic = asShown(subtract(diameter, multiply(rule->basicFactor, pitch)));
    out.basic = shown(basic);
    out.basicWorking = std::string("E = D − ") + rule->basicFactorText + " × P = " + diameterText
        + " − " + rule->basicFactorText + " × " + pitchText;

    const double half = angle / 2 * Pi / 180;
    const double sine = std::sin(half);
    const double constant = asShown(subtract(multiply(wire, add(1, rt::divide(1, sine))),
                                             multiply(rt::divide(pitch, 2),
                                                      rt::divide(std::cos(half), sine))));
    out.constant = shown(constant);
    out.constantWorking = "C = W × (1 + 1 ÷ sin(A ÷ 2)) − P ÷ 2 × cot(A ÷ 2) = " + shown(wire)
        + " × (1 + 1 ÷ sin " + rule->halfAngleText + ") − " + pitchText + " ÷ 2 × cot "
        + rule->halfAngleText;

    // The limits: a unified class's, worked out; otherwise as typed.
    out.maximum = entry.maximum;
    out.minimum = entry.minimum;
    if (entry.threadClass != ThreadClass::None) {
        if (!out.classesOffered) {
            // Limits filled for a class belong to the thread they were worked out for.
            out.maximum.clear();
            out.minimum.clear();
        } else {
            out.threadClass = entry.threadClass;
            const ClassRule &c = ClassRules[static_cast<int>(entry.threadClass) - 1];
            const double t = add(add(multiply(0.0015, std::cbrt(diameter)),
                                     multiply(0.0015, rt::squareRoot(diameter))),
                                 multiply(0.015, std::cbrt(multiply(pitch, pitch))));
            const double tolerance = asShown(multiply(c.toleranceFactor, t));
            const double allowance = asShown(multiply(c.allowanceFactor, t));
            const double maximum = asShown(subtract(basic, allowance));
            const double minimum = asShown(subtract(maximum, tolerance));
            out.maximum = shown(maximum);
            out.minimum = shown(minimum);
            const std::string classLine = std::string("Class ") + c.name
                + ": T = 0.0015 × ∛D + 0.0015 × √D + 0.015 × ∛(P²) = " + shown(t) + "\n";
            out.maximumWorking = classLine + "allowance " + c.allowanceText + " = "
                + shown(allowance) + "\nmaximum = E − allowance = " + out.basic + " − "
                + shown(allowance);
            out.minimumWorking = classLine + "tolerance " + c.toleranceText + " = "
                + shown(tolerance) + "\nminimum = maximum − tolerance = " + out.maximum + " − "
                + shown(tolerance);
        }
    }

    if (out.threadClass == ThreadClass::None) {
        out.refusal = checkTypedLimits(out.maximum, out.minimum);
        if (out.refusal.refuses())
            return out;
    }
    for (int i = 0; i < ReadingCount; ++i) {
        if (!entry.readings[i].empty() && !readsAboveZero(entry.readings[i])) {
            out.refusal = badReading(i);
            return out;
        }
    }

    const bool limits = !out.maximum.empty();
    const double maximum = limits ? rt::ReadNumber(out.maximum) : 0;
    const double minimum = limits ? rt::ReadNumber(out.minimum) : 0;
    if (limits) {
        out.range = shown(add(minimum, constant)) + " to " + shown(add(maximum, constant));
        out.rangeWorking = "reading = pitch diameter + C: " + out.minimum + " + " + out.constant
            + " to " + out.maximum + " + " + out.constant;
    }

    int count = 0;
    double sum = 0;
    double largest = 0;
    double smallest = 0;
    for (int i = 0; i < ReadingCount; ++i) {
        if (entry.readings[i].empty())
            continue;
        const double reading = rt::ReadNumber(entry.readings[i]);
        out.readingDiameters[i] = shown(subtract(reading, constant));
        sum = add(sum, reading);
        largest = count == 0 ? reading : std::max(largest, reading);
        smallest = count == 0 ? reading : std::min(smallest, reading);
        ++count;
    }
    if (count == 0)
        return out;
    const double mean = asShown(sum / count);
    const double meanDiameter = asShown(subtract(mean, constant));
    out.mean = shown(mean);
    out.meanDiameter = shown(meanDiameter);
    out.spread = shown(subtract(largest, smallest));
    if (!limits)
        return out;

    const double over = asShown(subtract(meanDiameter, maximum));
    const double under = asShown(subtract(minimum, meanDiameter));
    if (over > 0) {
        const std::string x = shown(over);
        out.verdict = "Oversize by " + x + ": take " + x + " off the pitch diameter ("
            + shown(over / 2) + " radial infeed).";
        out.verdictWorking = "mean pitch diameter − maximum = " + out.meanDiameter + " − " + out.maximum
            + " = " + x + "\nradial infeed = " + x + " ÷ 2";
    } else if (under > 0) {
        const std::string x = shown(under);
        out.verdict = "Undersize by " + x + ".";
        out.verdictWorking = "minimum − mean pitch diameter = " + out.minimum + " − "
            + out.meanDiameter + " = " + x;
    } else {
        out.verdict = "Within limits.";
        out.verdictWorking = "minimum ≤ mean pitch diameter ≤ maximum: " + out.minimum + " ≤ "
            + out.meanDiameter + " ≤ " + out.maximum;
    }
    return out;
}

} // namespace kervadin
