#include "kervadin/core/checkrules.h"

#include "kervadin/core/arithmetic.h"
#include "kervadin/core/designation.h"
#include "kervadin/core/helicalwire.h"
#include "kervadin/core/threadform.h"
#include "kervadin/core/uncertainty.h"
#include "runtime/entry.h"
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
                 const ToleranceClass &toleranceClass = ToleranceClass::None)
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
        ? rt::FormatNumber(thread.diameter(), "#0.000")
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
    const std::string text = withoutBlanks(calculation.wireText);
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

CheckRefusal limitRefusal(const std::string &text, CheckField field, const char *which)
{
    return entryRefusal(readEntry(text), field, "Bad Limit",
                        std::string("The ") + which + " pitch diameter", std::string("the ") + which);
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
    if (isBlankEntry(maximum) && isBlankEntry(minimum))
        return {};
    if (isBlankEntry(maximum))
        return missingLimit(CheckField::Maximum, "maximum");
    if (isBlankEntry(minimum))
        return missingLimit(CheckField::Minimum, "minimum");
    CheckRefusal refusal = limitRefusal(maximum, CheckField::Maximum, "maximum");
    if (!refusal.refuses())
        refusal = limitRefusal(minimum, CheckField::Minimum, "minimum");
    return refusal;
}

CheckRefusal badReading(const std::string &text, int index)
{
    const std::string n = std::to_string(index + 1);
    return entryRefusal(readEntry(text), readingField(index), "Bad Reading", "Reading " + n,
                        "reading " + n);
}

bool hasLimits(const CheckTexts &out)
{
    return !isBlankEntry(out.maximum) && !isBlankEntry(out.minimum);
}

// Before there is a dimension over wires the limits and the class stay as
// they are, nothing is worked out, and Check says what is missing.
void awaitCalculation(const CheckEntry &entry, CheckTexts &out)
{
    out.note = "Calculate a dimension over wires first.";
    out.refusal = missing("No Calculation",
                          "There is no dimension over wires to check the readings against.",
                          "Please calculate one on the measurement window first.");
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

// C of a lead screw, corrected for its lead angle: from the wire's contact
// with the helicoidal flanks (helicalwire.h), C = M − E; none when the wire
// finds no resting place on them.
std::optional<double> helicalConstant(int starts, double pitch, double basic, double wire,
                                      const ThreadForm &form, double straight,
                                      const std::string &values, CheckTexts &out)
{
    const double lead = std::atan(rt::divide(multiply(starts, pitch), multiply(Pi, basic)));
    out.leadAngle = degreesAndMinutes(lead * 180 / Pi);
    HelicalContact contact{};
    try {
        contact = helicalContact(basic, pitch, multiply(starts, pitch), wire, form.angle);
    } catch (const rt::ArithmeticFault &) {
        return std::nullopt;
    }
    const double constant = asShown(contact.overWires);
    out.constant = shown(constant);
    out.leadCorrection = shown(subtract(contact.overWires, straight));
    out.constantWorking = "C = M − E, M over a straight wire resting on the helicoidal flanks "
                          "(lead " + std::to_string(starts) + " × P, wire turned "
        + degreesAndMinutes(contact.wireAngle) + " to the square of the axis)\nwithout the lead: "
        + out.constantWorking + " = " + values + " = " + shown(straight) + "\nlead angle λ = "
        + out.leadAngle + ": tan λ = starts × P ÷ (π × E)\ncorrection for the lead angle = "
        + out.leadCorrection;
    return constant;
}

struct Constants {
    double basic;    // E as shown
    double constant; // C as shown
    bool settled = true; // false: a lead screw's wire finds no resting place, and there is no C
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
    if (form.exactLead) {
        const std::optional<double> constant =
            helicalConstant(out.starts, pitch, basic, wire, form, straight, values, out);
        return {basic, constant.value_or(0), constant.has_value()};
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

// A class's limits in the place of the typed ones. Limits filled for a class
// belong to the thread they were worked out for, and go with the class when
// the thread offers none; a class the thread's classes do not give leaves
// the limits empty and says why.
void takeClassLimits(const CheckedThread &checked, const ToleranceClass &toleranceClass,
                     CheckTexts &out)
{
    const ClassLimits limits = out.classes ? classLimits(checked, toleranceClass) : ClassLimits();
    if (!limits.offered) {
        for (std::string *limit : {&out.maximum, &out.minimum, &out.majorMaximum, &out.majorMinimum})
            limit->clear();
        out.classProblem = limits.problem;
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

const char ReadyNote[] = "Type the readings and press Check.";
const char CheckedNote[] = "Checked: the verdict below is for the entries shown.";

// The limits, a class's worked out or as typed, and the note that says
// what to do next: with a class the thread lacks, why.
void takeLimits(const CheckedThread &checked, const CheckEntry &entry, const ClassesHad &had,
                CheckTexts &out)
{
    out.maximum = entry.maximum;
    out.minimum = entry.minimum;
    out.majorMaximum = entry.majorMaximum;
    out.majorMinimum = entry.majorMinimum;
    if (!entry.toleranceClass.isNone())
        takeClassLimits(checked, entry.toleranceClass, out);
    if (hasLimits(out))
        out.note = ReadyNote;
    else if (!out.classProblem.empty())
        out.note = out.classProblem;
    else if (out.classes && out.classNames.empty())
        out.note = had.problem + " Type the limits from the drawing.";
    else if (out.classes)
        out.note = "Choose a class, or type the limits from the drawing.";
    else if (out.starts > 1)
        out.note = "Type the limits from the drawing: the classes are for threads of one start.";
    else
        out.note = "Type the limits from the drawing: B.S.F., Whitworth and B.A. limits are not "
                   "derived from a formula.";
}

// What Check needs beyond entries that can each be checked: a reading, and
// limits for a major diameter measured.
CheckRefusal refuseMissing(const CheckEntry &entry, const CheckTexts &out)
{
    bool reading = false;
    for (const std::string &text : entry.readings)
        reading = reading || !isBlankEntry(text);
    if (!reading)
        return refusalAt(CheckField::Reading1, "No Reading",
                         "No reading over the wires has been entered.",
                         "Please type at least one reading and try again.");
    if (!hasLimits(out))
        return missing("No Limit", "The limits of the pitch diameter have not been entered.",
                       out.classNames.empty()
                           ? "Please type both limits from the drawing and try again."
                           : "Please choose a class, or type both limits from the drawing, and "
                             "try again.");
    if (!isBlankEntry(entry.major) && isBlankEntry(out.majorMaximum)
        && isBlankEntry(out.majorMinimum))
        return refusalAt(CheckField::MajorMaximum, "No Limit",
                         "The major diameter has been measured, but its limits have not been "
                         "entered.",
                         "Please enter both major diameter limits, or clear the major diameter, "
                         "and try again.");
    return {};
}

// The first entry that cannot be checked: the starts, then the pitch
// diameter's limits and the readings, then the major diameter's entries;
// then what is missing.
CheckRefusal refuseEntered(const CheckedThread &checked, const CheckEntry &entry,
                           const CheckTexts &out, const Constants &constants)
{
    if (!startsOf(entry.starts))
        return refusalAt(CheckField::Starts, "Bad Starts",
                         "The number of starts is not a whole number from 1 to 8.",
                         "Please type the number of starts and try again.");
    if (!out.classProblem.empty())
        return refusalAt(CheckField::Class, "Bad Class", out.classProblem,
                         out.classNames.empty()
                             ? "Please type the limits from the drawing, and try again."
                             : "Please choose a class from the list, or type it as the drawing "
                               "gives it, and try again.");
    if (out.toleranceClass.isNone()) {
        CheckRefusal refusal = checkTypedLimits(out.maximum, out.minimum);
        if (refusal.refuses())
            return refusal;
    }
    for (int i = 0; i < ReadingCount; ++i) {
        if (CheckRefusal refusal = badReading(entry.readings[i], i); refusal.refuses())
            return refusal;
    }
    CheckRefusal refusal =
        refuseEntries(checked, out.maximum, out.minimum, entry.readings, constants.constant);
    if (!refusal.refuses())
        refusal = refuseMajor(checked, constants.basic, out.majorMaximum, out.majorMinimum,
                              entry.major);
    if (!refusal.refuses())
        refusal = refuseUncertainty(entry.uncertainty);
    return refusal.refuses() ? refusal : refuseMissing(entry, out);
}

// Each entry on its own, for what the window shows while the entries are
// being typed: whether the limits can be checked, and the readings that can,
// the others left empty.
bool limitsHold(const CheckedThread &checked, const CheckTexts &out, double constant)
{
    if (!hasLimits(out))
        return false;
    if (out.toleranceClass.isNone()
        && checkTypedLimits(out.maximum, out.minimum).refuses())
        return false;
    return !refuseEntries(checked, out.maximum, out.minimum, ReadingTexts(), constant).refuses();
}

ReadingTexts readingsThatHold(const CheckedThread &checked, const ReadingTexts &readings,
                              double constant)
{
    ReadingTexts held;
    for (int i = 0; i < ReadingCount; ++i) {
        ReadingTexts one;
        one[i] = readings[i];
        if (!refuseEntries(checked, std::string(), std::string(), one, constant).refuses())
            held[i] = readings[i];
    }
    return held;
}

// The reading range the limits allow.
void showRange(double constant, CheckTexts &out)
{
    const EntryReading maximum = readEntry(out.maximum);
    const EntryReading minimum = readEntry(out.minimum);
    out.range = shown(add(minimum.value, constant)) + " to " + shown(add(maximum.value, constant));
    out.rangeWorking = "reading = pitch diameter + C: " + minimum.text + " + " + out.constant
        + " to " + maximum.text + " + " + out.constant;
}

// Each reading's pitch diameter, the mean and the spread of the readings.
void showReadings(const ReadingTexts &readings, double constant, CheckTexts &out,
                  PitchDiameters &diameters)
{
    diameters = readingPitchDiameters(readings, constant);
    ReadingValues values;
    for (int i = 0; i < ReadingCount; ++i) {
        if (diameters[i]) {
            out.readingDiameters[i] = shown(*diameters[i]);
            values[i] = entryValue(readings[i]);
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
    if (isBlankEntry(measured) || isBlankEntry(out.majorMaximum)
        || isBlankEntry(out.majorMinimum))
        return std::nullopt;
    MajorVerdict major = judgeMajor(entryValue(out.majorMaximum), entryValue(out.majorMinimum),
                                    entryValue(measured));
    out.majorStanding = major.standing;
    return major;
}

// The uncertainty's budget from the readings that hold, shown.
Budget budgetOf(const BudgetGeometry &geometry, const CheckEntry &entry, const ReadingTexts &held,
                const PitchDiameters &diameters, CheckTexts &out)
{
    ReadingValues values;
    for (int i = 0; i < ReadingCount; ++i) {
        if (diameters[i])
            values[i] = entryValue(held[i]);
    }
    Budget budget = workBudget(geometry, entry.uncertainty, values);
    out.budget = budget.text;
    out.expanded = budget.given ? shown(budget.expanded) : std::string();
    return budget;
}

// The limits of the pitch diameter as shown, under the entry's rule.
Limits pitchLimits(const CheckTexts &out, const Budget &budget, DecisionRule rule)
{
    return {entryValue(out.maximum), entryValue(out.minimum), budget.expanded, rule};
}

// The zones drawn: the pitch diameter's limits with each reading and the
// mean, and the major diameter's with the diameter measured when it can be
// judged.
void drawZones(const CheckedThread &checked, const Constants &constants, const Limits &limits,
               const PitchDiameters &diameters, const CheckEntry &entry, CheckTexts &out)
{
    std::vector<std::pair<std::string, double>> marks;
    for (int i = 0; i < ReadingCount; ++i) {
        if (diameters[i])
            marks.emplace_back(std::to_string(i + 1), *diameters[i]);
    }
    if (marks.empty())
        return;
    if (marks.size() > 1)
        marks.emplace_back("mean", entryValue(out.meanDiameter));
    addBand(out.picture, "Pitch diameter", limits, marks);
    if (isBlankEntry(entry.major) || isBlankEntry(out.majorMaximum)
        || refuseMajor(checked, constants.basic, out.majorMaximum, out.majorMinimum, entry.major)
               .refuses())
        return;
    addBand(out.picture, "Major diameter",
            {entryValue(out.majorMaximum), entryValue(out.majorMinimum), limits.expanded,
             limits.rule},
            {{"major", asShown(entryValue(entry.major))}});
}

Zone zoneOf(Standing standing)
{
    switch (standing) {
    case Standing::None: break;
    case Standing::Within: return Zone::Within;
    case Standing::Over: return Zone::Over;
    case Standing::Under: return Zone::Under;
    }
    return Zone::None;
}

// Every reading judged against the limits under the rule; the mean is shown
// but decides nothing. Simple acceptance without an uncertainty judges as the
// check always has; with one, or under another rule, the rule's line follows
// the first. The major diameter's line follows, then the spread's.
void showVerdict(const Thread &thread, const CheckedThread &checked, const Limits &limits,
                 const Budget &budget, const PitchDiameters &diameters,
                 const std::optional<MajorVerdict> &major, const CheckEntry &entry,
                 CheckTexts &out)
{
    Verdict verdict = judgeReadings(limits.maximum, limits.minimum, diameters, thread.angle());
    for (int i = 0; i < ReadingCount; ++i) {
        out.standings[i] = verdict.readings[i];
        out.zones[i] = zoneOf(verdict.readings[i].standing);
    }
    if (major) {
        verdict.major = major->line;
        verdict.working += "\n" + major->working;
        out.majorZone = zoneOf(major->standing.standing);
    }
    if (limits.rule != DecisionRule::Simple) {
        const RuledVerdict ruled = judgeByRule(limits, diameters);
        verdict.verdict = ruled.verdict;
        verdict.working = ruled.working;
        out.zones = ruled.zones;
        if (major)
            verdict.major = majorByRule({entryValue(out.majorMaximum),
                                         entryValue(out.majorMinimum), limits.expanded,
                                         limits.rule},
                                        entryValue(entry.major), out.majorZone);
    }
    if (limits.rule != DecisionRule::Simple || budget.given)
        verdict.verdict += "\n" + ruleLines(limits, budget.given);
    out.verdict = verdict.text();
    out.verdictWorking = name(thread, checked, out.toleranceClass) + "\n" + verdict.working;
    out.note = CheckedNote;
}

} // namespace

std::optional<int> startsOf(const std::string &text)
{
    return rt::wholeEntry(text, 1, 8);
}

void dropVerdict(CheckTexts &texts)
{
    if (texts.note == CheckedNote)
        texts.note = ReadyNote;
    texts.verdict.clear();
    texts.verdictWorking.clear();
    for (ReadingStanding &standing : texts.standings)
        standing = {};
    texts.majorStanding = {};
    texts.zones = {};
    texts.majorZone = Zone::None;
}

std::string checkName(const Thread &thread, const ToleranceClass &toleranceClass)
{
    return name(thread, checkedThread(thread), toleranceClass);
}

CheckTexts checkReadings(const State &state, const CheckEntry &entry)
{
    CheckTexts out;
    out.budget = "The budget follows the check's C: it needs a Calculate and the starts.";
    const std::optional<int> starts = startsOf(entry.starts);
    out.starts = starts.value_or(1);
    const std::optional<Thread> &thread = state.thread();
    CheckedThread checked = thread ? checkedThread(*thread) : CheckedThread();
    checked.starts = out.starts;
    ClassesHad had;
    if (thread) {
        out.thread = threadLine(*thread, checked);
        out.classes = classSystem(checked);
        had = classesHad(checked);
        out.classNames = had.names;
    }
    const ThreadForm *form = thread ? &thread->form() : nullptr;
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
    takeLimits(checked, entry, had, out);
    out.refusal = refuseEntered(checked, entry, out, constants);
    // C and all that follows from it are for a count of starts: none while
    // the box holds none.
    if (!starts || !constants.settled) {
        for (std::string *text : {&out.constant, &out.constantWorking, &out.leadCorrection})
            text->clear();
        if (!starts) {
            out.leadAngle.clear();
            out.note = "Type the number of starts: a whole number from 1 to 8.";
            return out;
        }
        const std::string why = "At a lead angle of " + out.leadAngle
            + " the wires find no resting place on the flanks alone";
        out.note = why + ": untick Correct for lead angle for C without the lead.";
        if (!out.refusal.refuses())
            out.refusal = missing("No Rest", why + ".",
                                  "Please untick Correct for lead angle, or check the starts and "
                                  "the wire, and try again.");
        return out;
    }
    // What follows from each entry is shown, the entries that cannot be
    // checked passed over; the verdict only when Check would give it.
    const bool limits = limitsHold(checked, out, constants.constant);
    if (limits)
        showRange(constants.constant, out);
    PitchDiameters diameters;
    const ReadingTexts held = readingsThatHold(checked, entry.readings, constants.constant);
    showReadings(held, constants.constant, out, diameters);
    const Budget budget = budgetOf({form->angle, checked.pitch, calculation->wire,
                                    constants.basic, checked.unit},
                                   entry, held, diameters, out);
    if (!limits)
        return out;
    const Limits pitch = pitchLimits(out, budget, entry.rule);
    drawZones(checked, constants, pitch, diameters, entry, out);
    if (out.refusal.refuses() || out.mean.empty())
        return out;
    const std::optional<MajorVerdict> major = judgedMajor(entry.major, out);
    showVerdict(*thread, checked, pitch, budget, diameters, major, entry, out);
    return out;
}

} // namespace kervadin
