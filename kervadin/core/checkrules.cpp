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

// The thread as the check names it: its designation and its starts when
// more than one, its diameter, pitch and angle as the record shows them (a
// custom metric diameter to three places, with its unit), and its unit.
std::string threadLine(const Thread &thread, const CheckedThread &checked)
{
    const ThreadRecord &r = thread.record();
    const std::string diameter = thread.isCustom() && thread.unit() == Unit::Millimetre
        ? rt::FormatNumber(thread.diameter(), "#0.000") + " mm"
        : r.diameter;
    const std::string starts =
        checked.starts > 1 ? ", " + std::to_string(checked.starts) + " starts" : std::string();
    return name(thread, checked) + starts + ": D " + diameter + ", P " + r.pitch + ", " + r.angle
        + ", " + unitName(thread.unit());
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
    out.majorMaximum = entry.majorMaximum;
    out.majorMinimum = entry.majorMinimum;
}

// The lead angle λ of a thread of `starts` starts, tan λ = starts × P ÷ (π × E),
// and the term it adds to C: W ÷ 2 × tan²λ × cos(A ÷ 2) × cot(A ÷ 2).
struct Lead {
    double degrees;
    double term;
};

Lead leadOf(int starts, double pitch, double basic, double wire, double half)
{
    const double tangent = rt::divide(multiply(starts, pitch), multiply(Pi, basic));
    const double cosine = std::cos(half);
    const double term = multiply(multiply(wire / 2, multiply(tangent, tangent)),
                                 multiply(cosine, rt::divide(cosine, std::sin(half))));
    return {std::atan(tangent) * 180 / Pi, term};
}

// The lines C's tooltip adds for the lead angle.
std::string leadWorking(const CheckTexts &out, const Lead &lead, double basic,
                        const std::string &pitchText)
{
    std::string working = "\nlead angle λ = " + out.leadAngle + ": tan λ = starts × P ÷ (π × E) = "
        + std::to_string(out.starts) + " × " + pitchText + " ÷ (π × " + shown(basic) + ")"
        + "\ncorrection for the lead angle = " + out.leadCorrection;
    if (lead.degrees > 5)
        working += "\nThe formula is meant for lead angles up to 5°: above that the correction "
                   "is an estimate.";
    return working;
}

struct Constants {
    double basic;    // E as shown
    double constant; // C as shown
};

// E and C, corrected for the lead angle when the entry asks, with their workings.
Constants workConstants(const Thread &thread, const ThreadForm &form, double wire,
                        bool corrected, CheckTexts &out)
{
    const std::string pitchText = pitchUsed(thread);
    const double basic = asShown(basicPitchDiameter(form, thread.diameter(), thread.pitch()));
    out.basic = shown(basic);
    out.basicWorking = std::string("E = D − ") + form.basicFactorText + " × P = "
        + diameterUsed(thread) + " − " + form.basicFactorText + " × " + pitchText;

    const double pitch = thread.pitch();
    const double half = radians(thread.angle() / 2);
    const double sine = std::sin(half);
    const double straight = subtract(multiply(wire, add(1, rt::divide(1, sine))),
                                     multiply(rt::divide(pitch, 2),
                                              rt::divide(std::cos(half), sine)));
    const char *const halfText = form.halfAngleText;
    out.constantWorking = "C = W × (1 + 1 ÷ sin(A ÷ 2)) − P ÷ 2 × cot(A ÷ 2)";
    const std::string values = shown(wire) + " × (1 + 1 ÷ sin " + halfText + ") − " + pitchText
        + " ÷ 2 × cot " + halfText;
    if (!corrected) {
        const double constant = asShown(straight);
        out.constant = shown(constant);
        out.constantWorking += " = " + values;
        return {basic, constant};
    }
    const Lead lead = leadOf(out.starts, pitch, basic, wire, half);
    const double constant = asShown(add(straight, lead.term));
    out.constant = shown(constant);
    out.leadAngle = degreesAndMinutes(lead.degrees);
    out.leadCorrection = shown(lead.term);
    out.constantWorking += " + W ÷ 2 × tan²λ × cos(A ÷ 2) × cot(A ÷ 2) = " + values + " + "
        + shown(wire) + " ÷ 2 × tan² " + out.leadAngle + " × cos " + halfText + " × cot "
        + halfText + leadWorking(out, lead, basic, pitchText);
    return {basic, constant};
}

// A class's limits in the place of the typed ones; limits filled for a class
// belong to the thread they were worked out for, and go when it does not
// offer the class.
void takeClassLimits(const ClassLimits &limits, ToleranceClass toleranceClass, CheckTexts &out)
{
    if (!limits.offered) {
        for (std::string *limit : {&out.maximum, &out.minimum, &out.majorMaximum, &out.majorMinimum})
            limit->clear();
        return;
    }
    out.toleranceClass = toleranceClass;
    out.maximum = limits.maximumText;
    out.minimum = limits.minimumText;
    out.maximumWorking = limits.maximumWorking;
    out.minimumWorking = limits.minimumWorking;
    out.majorMaximum = limits.majorMaximumText;
    out.majorMinimum = limits.majorMinimumText;
    out.majorMaximumWorking = limits.majorMaximumWorking;
    out.majorMinimumWorking = limits.majorMinimumWorking;
}

// The limits, a class's worked out or as typed, and the note that says
// what to do next.
void takeLimits(const CheckedThread &checked, const CheckEntry &entry, CheckTexts &out)
{
    out.maximum = entry.maximum;
    out.minimum = entry.minimum;
    out.majorMaximum = entry.majorMaximum;
    out.majorMinimum = entry.majorMinimum;
    if (entry.toleranceClass != ToleranceClass::None)
        takeClassLimits(classLimits(checked, entry.toleranceClass), entry.toleranceClass, out);
    if (hasLimits(out))
        out.note = "Type the readings and press Check.";
    else if (out.classes != ClassSet::None)
        out.note = "Choose a class, or type the limits from the drawing.";
    else if (out.starts > 1)
        out.note = "Type the limits from the drawing: the classes are for threads of one start.";
    else
        out.note = "Type the limits from the drawing: metric, B.S.F., Whitworth and B.A. limits "
                   "are not derived from a formula.";
}

// The first entry that cannot be checked: the starts, then the pitch
// diameter's limits and the readings, then the major diameter's entries.
CheckRefusal refuseEntered(const CheckedThread &checked, const CheckEntry &entry,
                           const CheckTexts &out, const Constants &constants)
{
    if (!startsOf(entry.starts))
        return refusalAt(CheckField::Starts, "Bad Starts",
                         "The number of starts is not a whole number from 1 to 8.",
                         "Please type the number of starts and try again.");
    if (out.toleranceClass == ToleranceClass::None) {
        CheckRefusal refusal = checkTypedLimits(out.maximum, out.minimum);
        if (refusal.refuses())
            return refusal;
    }
    for (int i = 0; i < ReadingCount; ++i) {
        if (!entry.readings[i].empty() && !readsAboveZero(entry.readings[i]))
            return badReading(i);
    }
    const CheckRefusal refusal =
        refuseEntries(checked, out.maximum, out.minimum, entry.readings, constants.constant);
    if (refusal.refuses())
        return refusal;
    return refuseMajor(checked, constants.basic, out.majorMaximum, out.majorMinimum, entry.major);
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

// The major diameter against its limits, when it and both limits are given.
std::optional<MajorVerdict> judgedMajor(const std::string &measured, CheckTexts &out)
{
    if (measured.empty() || out.majorMaximum.empty() || out.majorMinimum.empty())
        return std::nullopt;
    MajorVerdict major = judgeMajor(rt::ReadNumber(out.majorMaximum),
                                    rt::ReadNumber(out.majorMinimum), rt::ReadNumber(measured));
    out.majorStanding = major.standing;
    return major;
}

// Every reading judged against the limits; the mean is shown but decides
// nothing. The major diameter's line follows the pitch diameter's.
void showVerdict(const Thread &thread, const CheckedThread &checked,
                 const PitchDiameters &diameters, const std::optional<MajorVerdict> &major,
                 CheckTexts &out)
{
    Verdict verdict = judgeReadings(rt::ReadNumber(out.maximum), rt::ReadNumber(out.minimum),
                                    diameters, thread.angle());
    for (int i = 0; i < ReadingCount; ++i)
        out.standings[i] = verdict.readings[i];
    if (major) {
        verdict.major = major->line;
        verdict.working += "\n" + major->working;
    }
    out.verdict = verdict.text();
    out.verdictWorking = name(thread, checked, out.toleranceClass) + "\n" + verdict.working;
}

} // namespace

std::optional<int> startsOf(const std::string &text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::string digits = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (digits.size() > 3 || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const int starts = std::stoi(digits);
    return starts >= 1 && starts <= 8 ? std::optional<int>(starts) : std::nullopt;
}

std::string checkName(const Thread &thread, ToleranceClass toleranceClass)
{
    return name(thread, checkedThread(thread), toleranceClass);
}

CheckTexts checkReadings(const State &state, const CheckEntry &entry)
{
    CheckTexts out;
    out.starts = startsOf(entry.starts).value_or(1);
    const std::optional<Thread> &thread = state.thread();
    CheckedThread checked = thread ? checkedThread(*thread) : CheckedThread();
    checked.starts = out.starts;
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
    const Constants constants =
        workConstants(*thread, *form, calculation->wire, entry.leadCorrection, out);
    takeLimits(checked, entry, out);
    out.refusal = refuseEntered(checked, entry, out, constants);
    if (out.refusal.refuses())
        return out;
    PitchDiameters diameters;
    showReadings(entry.readings, constants.constant, out, diameters);
    const std::optional<MajorVerdict> major = judgedMajor(entry.major, out);
    if (!out.mean.empty() && hasLimits(out))
        showVerdict(*thread, checked, diameters, major, out);
    return out;
}

} // namespace kervadin
