#include "kervadin/core/verdict.h"

#include "kervadin/core/arithmetic.h"
#include "runtime/numbers.h"

#include <algorithm>
#include <cmath>
#include <tuple>

namespace kervadin {
namespace {

using namespace arithmetic;

// A value a refusal names: as shown, or past a thousand million (a slip
// of many places) in its shortest form, so the message stays readable.
std::string stated(double value)
{
    if (std::fabs(value) < 1e9)
        return shown(value);
    return shortest(value);
}

// The reading furthest outside on one side: its box and by how much.
struct Furthest {
    int index = -1;
    double amount = 0;
    void take(int i, double value)
    {
        if (value > amount) {
            index = i;
            amount = value;
        }
    }
};

std::string readingName(int index)
{
    return "reading " + std::to_string(index + 1);
}

// How the readings stand against the limits: each one, and the furthest
// over and under.
struct Judged {
    double maximum;
    double minimum;
    const PitchDiameters &diameters;
    ReadingSummary summary;
    Furthest over;
    Furthest under;

    std::string maximumText() const { return shown(maximum); }
    std::string minimumText() const { return shown(minimum); }
    // Where a verdict names a reading; one reading needs no number.
    std::string at(const Furthest &f) const
    {
        return summary.count == 1 ? std::string() : " at " + readingName(f.index);
    }
    std::string whose(const Furthest &f) const
    {
        return summary.count == 1 ? std::string() : readingName(f.index) + ": ";
    }
    std::string diameterOf(const Furthest &f) const { return shown(*diameters[f.index]); }
};

void judgeEach(Judged &judged, Verdict &out)
{
    for (int i = 0; i < ReadingCount; ++i) {
        if (!judged.diameters[i])
            continue;
        const double diameter = *judged.diameters[i];
        const double excess = asShown(subtract(diameter, judged.maximum));
        const double shortfall = asShown(subtract(judged.minimum, diameter));
        ReadingStanding &standing = out.readings[i];
        if (excess > 0) {
            standing = {Standing::Over, "over by " + shown(excess)};
            judged.over.take(i, excess);
        } else if (shortfall > 0) {
            standing = {Standing::Under, "under by " + shown(shortfall)};
            judged.under.take(i, shortfall);
        } else {
            standing = {Standing::Within, "within"};
        }
    }
}

void bothWays(const Judged &j, Verdict &out)
{
    out.verdict = "Out of limits both ways: " + readingName(j.over.index) + " oversize by "
        + shown(j.over.amount) + ", " + readingName(j.under.index) + " undersize by "
        + shown(j.under.amount) + ".";
    out.working = j.whose(j.over) + "pitch diameter − maximum = " + j.diameterOf(j.over) + " − "
        + j.maximumText() + "\n" + j.whose(j.under) + "minimum − pitch diameter = "
        + j.minimumText() + " − " + j.diameterOf(j.under);
}

void oversize(const Judged &j, double angle, Verdict &out)
{
    const std::string x = shown(j.over.amount);
    const double radial = asShown(j.over.amount / 2);
    const double compound = rt::divide(radial, std::cos(radians(angle / 2)));
    const std::string half = degreesAndMinutes(angle / 2);
    out.verdict = "Oversize by " + x + j.at(j.over) + ": take " + x
        + " off the pitch diameter (" + shown(radial) + " radial infeed, " + shown(compound)
        + " on the compound at " + half + ").";
    out.working = j.whose(j.over) + "pitch diameter − maximum = " + j.diameterOf(j.over) + " − "
        + j.maximumText() + " = " + x + "\nradial infeed = " + x + " ÷ 2"
        + "\non the compound = radial infeed ÷ cos " + half;
}

void undersize(const Judged &j, Verdict &out)
{
    const std::string x = shown(j.under.amount);
    out.verdict = "Undersize by " + x + j.at(j.under) + ".";
    out.working = j.whose(j.under) + "minimum − pitch diameter = " + j.minimumText() + " − "
        + j.diameterOf(j.under) + " = " + x;
}

void within(const Judged &j, Verdict &out)
{
    const std::string smallest = shown(j.summary.smallest);
    out.verdict = "Within limits.";
    out.working = j.summary.count == 1
        ? "minimum ≤ pitch diameter ≤ maximum: " + j.minimumText() + " ≤ " + smallest + " ≤ "
            + j.maximumText()
        : "minimum ≤ every pitch diameter ≤ maximum: " + j.minimumText() + " ≤ " + smallest
            + " … " + shown(j.summary.largest) + " ≤ " + j.maximumText();
}

// The spread line, when the pitch diameters spread wider than the tolerance.
void spreadLine(const Judged &j, Verdict &out)
{
    const double spread = asShown(subtract(j.summary.largest, j.summary.smallest));
    const double tolerance = asShown(subtract(j.maximum, j.minimum));
    if (spread <= tolerance)
        return;
    out.spread = "Spread " + shown(spread) + " is larger than the tolerance " + shown(tolerance)
        + ": look for taper or an out-of-round part.";
    out.working += "\nspread = largest − smallest pitch diameter = " + shown(j.summary.largest)
        + " − " + shown(j.summary.smallest) + "\ntolerance = maximum − minimum = "
        + j.maximumText() + " − " + j.minimumText();
}

// The thread between its minor diameter and its diameter, as a refusal shows it.
struct ThreadSpan {
    double minor;
    double major;
    std::string text() const { return "(" + shown(minor) + " to " + shown(major) + ")"; }
    bool holds(double value) const { return value >= minor && value <= major; }
};

// A limit of the pitch diameter, or of the major diameter (`diameter`).
CheckRefusal refuseLimit(const std::string &text, CheckField field, const char *which,
                         const ThreadSpan &span, Unit unit, const char *diameter = "pitch")
{
    const std::string limit = std::string("The ") + which + " " + diameter + " diameter";
    const EntryReading entry = readEntry(text);
    if (entry.form != EntryForm::Number)
        return entryRefusal(entry, field, "Bad Limit", limit,
                            std::string("the ") + which + (*diameter == 'm' ? " major diameter" : ""));
    if (!span.holds(entry.value))
        return refusalAt(field, "Bad Limit",
                         limit + " " + stated(entry.value) + " lies outside the thread "
                             + span.text() + ".",
                         std::string("Please type the limits for this thread, in ")
                             + unitName(unit) + ".");
    return {};
}

CheckRefusal refuseReading(const std::string &text, int index, const ThreadSpan &span,
                           double wireConstant)
{
    const std::string n = std::to_string(index + 1);
    const CheckField field = readingField(index);
    const EntryReading entry = readEntry(text);
    if (entry.form != EntryForm::Number)
        return entryRefusal(entry, field, "Bad Reading", "Reading " + n, "reading " + n);
    const double diameter = asShown(subtract(entry.value, wireConstant));
    if (!span.holds(diameter))
        return refusalAt(field, "Bad Reading",
                         "Reading " + n + " gives a pitch diameter of " + stated(diameter)
                             + ", outside the thread " + span.text() + ".",
                         "Please check reading " + n + " and the wire, and try again.");
    return {};
}

Unit unitOf(const CheckedThread &thread)
{
    return thread.unit;
}

CheckRefusal refuseMeasuredMajor(const std::string &text, const ThreadSpan &span)
{
    const EntryReading entry = readEntry(text);
    if (entry.form != EntryForm::Number)
        return entryRefusal(entry, CheckField::Major, "Bad Major Diameter", "The major diameter",
                            "the major diameter");
    if (!span.holds(entry.value))
        return refusalAt(CheckField::Major, "Bad Major Diameter",
                         "The major diameter " + stated(entry.value)
                             + " lies outside the thread " + span.text() + ".",
                         "Please check the major diameter and try again.");
    return {};
}

} // namespace

ReadingSummary summarise(const ReadingValues &values)
{
    ReadingSummary s;
    for (const std::optional<double> &value : values) {
        if (!value)
            continue;
        s.sum = add(s.sum, *value);
        s.largest = s.count == 0 ? *value : std::max(s.largest, *value);
        s.smallest = s.count == 0 ? *value : std::min(s.smallest, *value);
        ++s.count;
    }
    return s;
}

PitchDiameters readingPitchDiameters(const ReadingTexts &readings, double wireConstant)
{
    PitchDiameters diameters;
    for (int i = 0; i < ReadingCount; ++i) {
        if (!isBlankEntry(readings[i]))
            diameters[i] = asShown(subtract(entryValue(readings[i]), wireConstant));
    }
    return diameters;
}

Verdict judgeReadings(double maximum, double minimum, const PitchDiameters &diameters,
                      double angle)
{
    Verdict out;
    Judged judged{maximum, minimum, diameters, summarise(diameters), {}, {}};
    if (judged.summary.count == 0)
        return out;
    judgeEach(judged, out);
    if (judged.over.index >= 0 && judged.under.index >= 0)
        bothWays(judged, out);
    else if (judged.over.index >= 0)
        oversize(judged, angle, out);
    else if (judged.under.index >= 0)
        undersize(judged, out);
    else
        within(judged, out);
    spreadLine(judged, out);
    return out;
}

CheckRefusal refuseEntries(const CheckedThread &thread, const std::string &maximum,
                           const std::string &minimum, const ReadingTexts &readings,
                           double wireConstant)
{
    const ThreadSpan span{subtract(thread.diameter, rt::checked(2 * thread.depth)),
                          thread.diameter};
    const Unit unit = unitOf(thread);
    CheckRefusal refusal = refuseLimit(maximum, CheckField::Maximum, "maximum", span, unit);
    if (!refusal.refuses())
        refusal = refuseLimit(minimum, CheckField::Minimum, "minimum", span, unit);
    if (refusal.refuses())
        return refusal;
    if (!isBlankEntry(maximum) && !isBlankEntry(minimum)
        && entryValue(maximum) <= entryValue(minimum))
        return refusalAt(CheckField::Maximum, "Bad Limits",
                         "The maximum pitch diameter is not above the minimum.",
                         "Please correct the limits and try again.");
    for (int i = 0; i < ReadingCount && !refusal.refuses(); ++i) {
        if (!isBlankEntry(readings[i]))
            refusal = refuseReading(readings[i], i, span, wireConstant);
    }
    return refusal;
}

MajorVerdict judgeMajor(double maximum, double minimum, double typed)
{
    MajorVerdict out;
    // Taken to four places before it is compared, as a reading's pitch
    // diameter is.
    const double measured = asShown(typed);
    const double excess = asShown(subtract(measured, maximum));
    const double shortfall = asShown(subtract(minimum, measured));
    if (excess > 0) {
        out.standing = {Standing::Over, "over by " + shown(excess)};
        out.line = "Major diameter oversize by " + shown(excess) + ".";
    } else if (shortfall > 0) {
        out.standing = {Standing::Under, "under by " + shown(shortfall)};
        out.line = "Major diameter undersize by " + shown(shortfall) + ".";
    } else {
        out.standing = {Standing::Within, "within"};
        out.line = "Major diameter within limits.";
    }
    out.working = "major diameter " + shown(measured) + ", limits " + shown(minimum) + " to "
        + shown(maximum);
    return out;
}

CheckRefusal refuseMajor(const CheckedThread &thread, double basic, const std::string &maximum,
                         const std::string &minimum, const std::string &measured)
{
    const ThreadSpan span{basic, add(thread.diameter, thread.pitch)};
    const Unit unit = unitOf(thread);
    for (const auto &[text, field, which] :
         {std::tuple{&maximum, CheckField::MajorMaximum, "maximum"},
          std::tuple{&minimum, CheckField::MajorMinimum, "minimum"}}) {
        CheckRefusal refusal = refuseLimit(*text, field, which, span, unit, "major");
        if (refusal.refuses())
            return refusal;
    }
    if (isBlankEntry(maximum) != isBlankEntry(minimum)) {
        const bool noMaximum = isBlankEntry(maximum);
        return refusalAt(noMaximum ? CheckField::MajorMaximum : CheckField::MajorMinimum,
                         "No Limit",
                         std::string("The ") + (noMaximum ? "maximum" : "minimum")
                             + " major diameter has not been entered.",
                         "Please enter both major diameter limits, or neither, and try again.");
    }
    if (!isBlankEntry(maximum) && entryValue(maximum) <= entryValue(minimum))
        return refusalAt(CheckField::MajorMaximum, "Bad Limits",
                         "The maximum major diameter is not above the minimum.",
                         "Please correct the limits and try again.");
    return refuseMeasuredMajor(measured, span);
}

} // namespace kervadin
