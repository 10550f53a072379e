#include "kervadin/core/checkrules.h"

#include "kervadin/core/designation.h"

#include "kervadin/core/checkmath.h"
#include "runtime/numbers.h"

#include <algorithm>
#include <cmath>

namespace kervadin {
namespace {

using namespace checkmath;

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

const double Pi = 3.14159265358979323846;


// The thread's designation, with the class when one is chosen; a thread of
// pitch 0 has none and keeps its record's name.
std::string name(const Thread &thread, const CheckedThread &checked,
                 ToleranceClass toleranceClass = ToleranceClass::None)
{
    return checked.pitch > 0 ? designation(checked, toleranceClass) : thread.record().name;
}

// The thread as the check names it: its designation, diameter, pitch and
// angle as the record shows them (a custom metric diameter to three places,
// with its unit), and its unit.
std::string threadLine(const Thread &thread, const CheckedThread &checked)
{
    const ThreadRecord &r = thread.record();
    const std::string diameter = thread.isCustom() && thread.unit() == Unit::Millimetre
        ? rt::FormatNumber(thread.diameter(), "#0.000") + " mm"
        : r.diameter;
    return name(thread, checked) + ": D " + diameter + ", P " + r.pitch + ", " + r.angle + ", "
        + unitName(thread.unit());
}

// The wire as typed when it is a plain decimal of at most five places
// ("0.0289", "0.02887", ".03" as "0.03"); otherwise its value to five places.
std::string wireShown(const Calculation &calculation)
{
    const std::string &typed = calculation.wireText;
    const std::size_t first = typed.find_first_not_of(' ');
    const std::size_t last = typed.find_last_not_of(' ');
    const std::string text =
        first == std::string::npos ? std::string() : typed.substr(first, last - first + 1);
    const std::size_t point = text.find('.');
    const bool digits = !text.empty() && text != "."
        && text.find_first_not_of("0123456789.") == std::string::npos
        && text.find('.', point == std::string::npos ? text.size() : point + 1)
            == std::string::npos;
    if (digits && (point == std::string::npos || text.size() - point - 1 <= 5))
        return text.front() == '.' ? "0" + text : text;
    return rt::FormatNumber(calculation.wire, "#0.0####");
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

// A number above 0, or a text with a comma, which refuseEntries names.
bool readsAboveZero(const std::string &text)
{
    return text.find(',') != std::string::npos || rt::ReadNumber(text) > 0;
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
    return {};
}

rt::Refusal badReading(int index)
{
    const std::string n = std::to_string(index + 1);
    return {"Bad Reading", "Reading " + n + " is not a number above 0.",
            "Please correct reading " + n + " and try again.", "txtReading" + n};
}

} // namespace

std::string checkName(const Thread &thread, ToleranceClass toleranceClass)
{
    return name(thread, checkedThread(thread), toleranceClass);
}

CheckedThread checkedThread(const Thread &thread)
{
    return thread.isCustom() ? customCheckedThread(thread.customEntries())
                             : standardCheckedThread(thread.family(), thread.size());
}

CheckTexts checkReadings(const State &state, const CheckEntry &entry)
{
    CheckTexts out;
    const std::optional<Thread> &thread = state.thread();
    CheckedThread checked;
    if (thread) {
        checked = checkedThread(*thread);
        out.thread = threadLine(*thread, checked);
        out.classes = offeredClasses(checked);
    }

    const AngleRule *rule = thread ? angleRule(thread->angle()) : nullptr;
    const std::optional<Calculation> &calculation = state.calculation();
    if (!calculation || !rule) {
        // The limits and the class stay as they are until there is something to check.
        out.note = "Calculate a dimension over wires first.";
        out.toleranceClass = entry.toleranceClass;
        out.maximum = entry.maximum;
        out.minimum = entry.minimum;
        return out;
    }
    out.calculated = true;
    const double wire = calculation->wire;
    out.wire = wireShown(*calculation);
    out.thread += "; wire " + out.wire;
    const double angle = thread->angle();

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

    // The limits: a class's, worked out; otherwise as typed.
    out.maximum = entry.maximum;
    out.minimum = entry.minimum;
    if (entry.toleranceClass != ToleranceClass::None) {
        const ClassLimits limits = classLimits(checked, entry.toleranceClass);
        if (!limits.offered) {
            // Limits filled for a class belong to the thread they were worked out for.
            out.maximum.clear();
            out.minimum.clear();
        } else {
            out.toleranceClass = entry.toleranceClass;
            out.maximum = limits.maximumText;
            out.minimum = limits.minimumText;
            out.maximumWorking = limits.maximumWorking;
            out.minimumWorking = limits.minimumWorking;
        }
    }
    const bool limits = !out.maximum.empty() && !out.minimum.empty();
    if (limits)
        out.note = "Type the readings and press Check.";
    else if (out.classes != ClassSet::None)
        out.note = "Choose a class, or type the limits from the drawing.";
    else
        out.note = "Type the limits from the drawing: metric, B.S.F., Whitworth and B.A. limits "
                   "are not derived from a formula.";

    if (out.toleranceClass == ToleranceClass::None) {
        out.refusal = checkTypedLimits(out.maximum, out.minimum);
        if (out.refusal.refuses())
            return out;
    }
    ReadingTexts readings;
    for (int i = 0; i < ReadingCount; ++i) {
        readings[i] = entry.readings[i];
        if (!readings[i].empty() && !readsAboveZero(readings[i])) {
            out.refusal = badReading(i);
            return out;
        }
    }
    out.refusal = refuseEntries(checked, out.maximum, out.minimum, readings, constant);
    if (out.refusal.refuses())
        return out;

    const double maximum = limits ? rt::ReadNumber(out.maximum) : 0;
    const double minimum = limits ? rt::ReadNumber(out.minimum) : 0;
    if (limits) {
        out.range = shown(add(minimum, constant)) + " to " + shown(add(maximum, constant));
        out.rangeWorking = "reading = pitch diameter + C: " + out.minimum + " + " + out.constant
            + " to " + out.maximum + " + " + out.constant;
    }

    const PitchDiameters diameters = readingPitchDiameters(readings, constant);
    int count = 0;
    double sum = 0;
    double largest = 0;
    double smallest = 0;
    for (int i = 0; i < ReadingCount; ++i) {
        if (!diameters[i])
            continue;
        const double reading = rt::ReadNumber(readings[i]);
        out.readingDiameters[i] = shown(*diameters[i]);
        sum = add(sum, reading);
        largest = count == 0 ? reading : std::max(largest, reading);
        smallest = count == 0 ? reading : std::min(smallest, reading);
        ++count;
    }
    if (count == 0)
        return out;
    const double mean = asShown(sum / count);
    out.mean = shown(mean);
    out.meanDiameter = shown(subtract(mean, constant));
    out.spread = shown(subtract(largest, smallest));
    if (!limits)
        return out;

    // Every reading is judged; the mean is shown but decides nothing.
    const Verdict verdict = judgeReadings(maximum, minimum, diameters, angle);
    for (int i = 0; i < ReadingCount; ++i)
        out.standings[i] = verdict.readings[i];
    out.verdict = verdict.text();
    out.verdictWorking = name(*thread, checked, out.toleranceClass) + "\n" + verdict.working;
    return out;
}

} // namespace kervadin
