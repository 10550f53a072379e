#include "kervadin/core/checkrules.h"

#include "kervadin/core/arithmetic.h"
#include "kervadin/core/designation.h"
#include "kervadin/core/threadform.h"
#include "runtime/numbers.h"

#include <cmath>

namespace kervadin {
namespace {

using namespace arithmetic;

// The thread of the state's thread, for the class and verdict rules.
CheckedThread checkedThread(const Thread &thread)
{
    return thread.isCustom() ? customCheckedThread(thread.customEntries())
                             : standardCheckedThread(thread.family(), thread.size());
}

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

CheckRefusal limitRefusal(CheckField field, const char *which)
{
    return refusalAt(field, "Bad Limit",
                     std::string("The ") + which + " pitch diameter is not a number above 0.",
                     std::string("Please correct the ") + which + " and try again.");
}

CheckRefusal missingLimit(CheckField field, const char *which)
{
    return refusalAt(field, "No Limit",
                     std::string("The ") + which + " pitch diameter has not been entered.",
                     "Please enter both limits, or neither, and try again.");
}

// The typed limits: none, both, or a refusal.
CheckRefusal checkTypedLimits(const std::string &maximum, const std::string &minimum)
{
    if (maximum.empty() && minimum.empty())
        return {};
    if (maximum.empty())
        return missingLimit(CheckField::Maximum, "maximum");
    if (minimum.empty())
        return missingLimit(CheckField::Minimum, "minimum");
    if (!readsAboveZero(maximum))
        return limitRefusal(CheckField::Maximum, "maximum");
    if (!readsAboveZero(minimum))
        return limitRefusal(CheckField::Minimum, "minimum");
    return {};
}

CheckRefusal badReading(int index)
{
    const std::string n = std::to_string(index + 1);
    return refusalAt(readingField(index), "Bad Reading", "Reading " + n + " is not a number above 0.",
                     "Please correct reading " + n + " and try again.");
}

bool hasLimits(const CheckTexts &out)
{
    return !out.maximum.empty() && !out.minimum.empty();
}

// Before there is a dimension over wires the limits and the class stay as
// they are, and nothing is worked out.
void awaitCalculation(const CheckEntry &entry, CheckTexts &out)
{
    out.note = "Calculate a dimension over wires first.";
    out.toleranceClass = entry.toleranceClass;
    out.maximum = entry.maximum;
    out.minimum = entry.minimum;
}

// E and C with their workings; gives C as shown.
double workConstants(const Thread &thread, const ThreadForm &form, double wire, CheckTexts &out)
{
    const std::string pitchText = pitchUsed(thread);
    const double basic = asShown(basicPitchDiameter(form, thread.diameter(), thread.pitch()));
    out.basic = shown(basic);
    out.basicWorking = std::string("E = D − ") + form.basicFactorText + " × P = "
        + diameterUsed(thread) + " − " + form.basicFactorText + " × " + pitchText;

    const double pitch = thread.pitch();
    const double half = radians(thread.angle() / 2);
    const double sine = std::sin(half);
    const double constant = asShown(subtract(multiply(wire, add(1, rt::divide(1, sine))),
                                             multiply(rt::divide(pitch, 2),
                                                      rt::divide(std::cos(half), sine))));
    out.constant = shown(constant);
    out.constantWorking = "C = W × (1 + 1 ÷ sin(A ÷ 2)) − P ÷ 2 × cot(A ÷ 2) = " + shown(wire)
        + " × (1 + 1 ÷ sin " + form.halfAngleText + ") − " + pitchText + " ÷ 2 × cot "
        + form.halfAngleText;
    return constant;
}

// The limits, a class's worked out or as typed, and the note that says
// what to do next.
void takeLimits(const CheckedThread &checked, const CheckEntry &entry, CheckTexts &out)
{
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
    if (hasLimits(out))
        out.note = "Type the readings and press Check.";
    else if (out.classes != ClassSet::None)
        out.note = "Choose a class, or type the limits from the drawing.";
    else
        out.note = "Type the limits from the drawing: metric, B.S.F., Whitworth and B.A. limits "
                   "are not derived from a formula.";
}

// The first entry that cannot be checked, in the order of the boxes.
CheckRefusal refuseEntered(const CheckedThread &checked, const CheckEntry &entry,
                           const CheckTexts &out, double constant)
{
    if (out.toleranceClass == ToleranceClass::None) {
        CheckRefusal refusal = checkTypedLimits(out.maximum, out.minimum);
        if (refusal.refuses())
            return refusal;
    }
    for (int i = 0; i < ReadingCount; ++i) {
        if (!entry.readings[i].empty() && !readsAboveZero(entry.readings[i]))
            return badReading(i);
    }
    return refuseEntries(checked, out.maximum, out.minimum, entry.readings, constant);
}

// The reading range the limits allow, each reading's pitch diameter, the
// mean and the spread of the readings.
void showReadings(const ReadingTexts &readings, double constant, CheckTexts &out,
                  PitchDiameters &diameters)
{
    if (hasLimits(out)) {
        const double maximum = rt::ReadNumber(out.maximum);
        const double minimum = rt::ReadNumber(out.minimum);
        out.range = shown(add(minimum, constant)) + " to " + shown(add(maximum, constant));
        out.rangeWorking = "reading = pitch diameter + C: " + out.minimum + " + " + out.constant
            + " to " + out.maximum + " + " + out.constant;
    }
    diameters = readingPitchDiameters(readings, constant);
    ReadingValues values;
    for (int i = 0; i < ReadingCount; ++i) {
        if (diameters[i]) {
            out.readingDiameters[i] = shown(*diameters[i]);
            values[i] = rt::ReadNumber(readings[i]);
        }
    }
    const ReadingSummary summary = summarise(values);
    if (summary.count == 0)
        return;
    const double mean = asShown(summary.sum / summary.count);
    out.mean = shown(mean);
    out.meanDiameter = shown(subtract(mean, constant));
    out.spread = shown(subtract(summary.largest, summary.smallest));
}

// Every reading judged against the limits; the mean is shown but decides nothing.
void showVerdict(const Thread &thread, const CheckedThread &checked,
                 const PitchDiameters &diameters, CheckTexts &out)
{
    const Verdict verdict = judgeReadings(rt::ReadNumber(out.maximum),
                                          rt::ReadNumber(out.minimum), diameters, thread.angle());
    for (int i = 0; i < ReadingCount; ++i)
        out.standings[i] = verdict.readings[i];
    out.verdict = verdict.text();
    out.verdictWorking = name(thread, checked, out.toleranceClass) + "\n" + verdict.working;
}

} // namespace

std::string checkName(const Thread &thread, ToleranceClass toleranceClass)
{
    return name(thread, checkedThread(thread), toleranceClass);
}

CheckTexts checkReadings(const State &state, const CheckEntry &entry)
{
    CheckTexts out;
    const std::optional<Thread> &thread = state.thread();
    const CheckedThread checked = thread ? checkedThread(*thread) : CheckedThread();
    if (thread) {
        out.thread = threadLine(*thread, checked);
        out.classes = offeredClasses(checked);
    }
    const ThreadForm *form = thread ? threadForm(thread->angle()) : nullptr;
    const std::optional<Calculation> &calculation = state.calculation();
    if (!calculation || !form) {
        awaitCalculation(entry, out);
        return out;
    }
    out.calculated = true;
    out.wire = wireShown(*calculation);
    out.thread += "; wire " + out.wire;
    const double constant = workConstants(*thread, *form, calculation->wire, out);
    takeLimits(checked, entry, out);
    out.refusal = refuseEntered(checked, entry, out, constant);
    if (out.refusal.refuses())
        return out;
    PitchDiameters diameters;
    showReadings(entry.readings, constant, out, diameters);
    if (!out.mean.empty() && hasLimits(out))
        showVerdict(*thread, checked, diameters, out);
    return out;
}

} // namespace kervadin
