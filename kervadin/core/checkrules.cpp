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

bool endsWith(const std::string &text, const std::string &ending)
{
    return text.size() >= ending.size()
        && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// The last line of the units caption without its full stop: "inches".
std::string unitsWord(const std::string &caption)
{
    std::string word = caption.substr(caption.find_last_of('\n') + 1);
    if (!word.empty() && word.back() == '.')
        word.pop_back();
    return word;
}

// A custom metric diameter is shown as typed, followed by " mm"; here it is
// shown as read, to the custom thread's three places.
std::string diameterShown(const std::string &diameter)
{
    if (!endsWith(diameter, " mm"))
        return diameter;
    return rt::FormatNumber(rt::ReadNumber(diameter), "#0.000");
}

bool readsAboveZero(const std::string &text)
{
    return rt::ReadNumber(text) > 0;
}

Refusal limitRefusal(const char *box, const char *which)
{
    return {box, "Bad Limit",
            std::string("The ") + which + " pitch diameter is not a number above 0.\n"
                "Please correct the " + which + " and try again."};
}

Refusal missingLimit(const char *box, const char *which)
{
    return {box, "No Limit",
            std::string("The ") + which + " pitch diameter has not been entered.\n"
                "Please enter both limits, or neither, and try again."};
}

// The typed limits: none, both, or a refusal.
Refusal checkTypedLimits(const std::string &maximum, const std::string &minimum)
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
        return {"txtPDmax", "Bad Limits",
                "The maximum pitch diameter is less than the minimum.\n"
                "Please correct the limits and try again."};
    return {};
}

} // namespace

CheckTexts checkReadings(const CheckEntry &entry)
{
    const ShownThread &thread = entry.thread;
    CheckTexts out;
    const std::string diameterText = diameterShown(thread.diameter);
    const char *mm = endsWith(thread.diameter, " mm") ? " mm" : "";
    out.thread = thread.name;
    if (!thread.name.empty())
        out.thread += ": D " + diameterText + mm + ", P " + thread.pitch + ", " + thread.angle
            + ", " + unitsWord(thread.units);

    const double angle = rt::ReadNumber(thread.angle);
    const AngleRule *rule = angleRule(angle);
    if (entry.wire.empty() || !rule) {
        // The limits and the class stay as they are until there is something to check.
        out.note = "Calculate a dimension over wires first.";
        out.threadClass = entry.threadClass;
        out.maximum = entry.maximum;
        out.minimum = entry.minimum;
        return out;
    }
    out.calculated = true;
    const double wire = rt::ReadNumber(entry.wire);
    out.thread += "; wire " + shown(wire);
    const bool inch = endsWith(thread.units, "inches.");
    out.classesOffered = inch && angle == 60;
    out.note = out.classesOffered
        ? "Choose a class, or type the limits from the drawing."
        : "Type the limits from the drawing: metric, B.S.F., Whitworth and B.A. limits are not "
          "derived from a formula.";

    // The pitch: inch threads of whole threads per inch have their pitch
    // shown rounded, so it is taken back to 1 / n.
    const double diameter = rt::ReadNumber(thread.diameter);
    double pitch = rt::ReadNumber(thread.pitch);
    std::string pitchText = thread.pitch;
    if (inch && (angle == 55 || angle == 60)) {
        const int threadsPerInch = rt::RoundToInteger(rt::divide(1, pitch));
        pitch = rt::divide(1, threadsPerInch);
        pitchText = "(1 ÷ " + std::to_string(threadsPerInch) + ")";
    }

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
        if (!out.refusal.box.empty())
            return out;
    }
    for (int i = 0; i < ReadingCount; ++i) {
        if (!entry.readings[i].empty() && !readsAboveZero(entry.readings[i])) {
            const std::string n = std::to_string(i + 1);
            out.refusal = {"txtReading" + n, "Bad Reading",
                           "Reading " + n + " is not a number above 0.\n"
                               "Please correct reading " + n + " and try again."};
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
