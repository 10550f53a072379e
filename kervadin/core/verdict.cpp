#include "kervadin/core/verdict.h"

#include "kervadin/core/checkmath.h"
#include "runtime/numbers.h"

#include <cmath>

namespace kervadin {
namespace {

using namespace checkmath;

const double Pi = 3.14159265358979323846;


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

// The thread between its minor diameter and its diameter, as a refusal shows it.
struct ThreadSpan {
    double minor;
    double major;
    std::string text() const { return "(" + shown(minor) + " to " + shown(major) + ")"; }
    bool holds(double value) const { return value >= minor && value <= major; }
};

bool hasComma(const std::string &text)
{
    return text.find(',') != std::string::npos;
}

const char *const PointForDecimals = "Use a point for decimals, as in 12.305.";

rt::Refusal refuseLimit(const std::string &text, const char *box, const char *which,
                        const ThreadSpan &span, const char *unit)
{
    if (text.empty())
        return {};
    const std::string limit = std::string("The ") + which + " pitch diameter";
    if (hasComma(text))
        return {"Bad Limit", limit + " has a comma in it.", PointForDecimals, box};
    if (!span.holds(rt::ReadNumber(text)))
        return {"Bad Limit", limit + " " + stated(rt::ReadNumber(text))
                    + " lies outside the thread " + span.text() + ".",
                std::string("Please type the limits for this thread, in ") + unit + ".", box};
    return {};
}

} // namespace

PitchDiameters readingPitchDiameters(const ReadingTexts &readings, double wireConstant)
{
    PitchDiameters diameters;
    for (int i = 0; i < ReadingCount; ++i) {
        if (!readings[i].empty())
            diameters[i] = asShown(subtract(rt::ReadNumber(readings[i]), wireConstant));
    }
    return diameters;
}

std::string halfAngleText(double angle)
{
    const int minutes = rt::RoundToInteger(rt::checked(angle * 30));
    const std::string degrees = std::to_string(minutes / 60) + "°";
    return minutes % 60 == 0 ? degrees : degrees + " " + std::to_string(minutes % 60) + "'";
}

Verdict judgeReadings(double maximum, double minimum, const PitchDiameters &diameters,
                      double angle)
{
    Verdict out;
    Furthest over;
    Furthest under;
    int count = 0;
    double largest = 0;
    double smallest = 0;
    for (int i = 0; i < ReadingCount; ++i) {
        if (!diameters[i])
            continue;
        const double diameter = *diameters[i];
        largest = count == 0 ? diameter : std::fmax(largest, diameter);
        smallest = count == 0 ? diameter : std::fmin(smallest, diameter);
        ++count;
        const double excess = asShown(subtract(diameter, maximum));
        const double shortfall = asShown(subtract(minimum, diameter));
        ReadingStanding &standing = out.readings[i];
        if (excess > 0) {
            standing = {Standing::Over, "over by " + shown(excess)};
            over.take(i, excess);
        } else if (shortfall > 0) {
            standing = {Standing::Under, "under by " + shown(shortfall)};
            under.take(i, shortfall);
        } else {
            standing = {Standing::Within, "within"};
        }
    }
    if (count == 0)
        return out;

    // One reading needs no number.
    auto at = [count](const Furthest &f) {
        return count == 1 ? std::string() : " at " + readingName(f.index);
    };
    auto whose = [count](const Furthest &f) {
        return count == 1 ? std::string() : readingName(f.index) + ": ";
    };
    const std::string maximumText = shown(maximum);
    const std::string minimumText = shown(minimum);
    if (over.index >= 0 && under.index >= 0) {
        out.verdict = "Out of limits both ways: " + readingName(over.index) + " oversize by "
            + shown(over.amount) + ", " + readingName(under.index) + " undersize by "
            + shown(under.amount) + ".";
        out.working = whose(over) + "pitch diameter − maximum = " + shown(*diameters[over.index])
            + " − " + maximumText + "\n" + whose(under) + "minimum − pitch diameter = "
            + minimumText + " − " + shown(*diameters[under.index]);
    } else if (over.index >= 0) {
        const std::string x = shown(over.amount);
        const double radial = over.amount / 2;
        const double halfAngle = angle / 2 * Pi / 180;
        const double compound = rt::divide(radial, std::cos(halfAngle));
        const std::string half = halfAngleText(angle);
        out.verdict = "Oversize by " + x + at(over) + ": take " + x
            + " off the pitch diameter (" + shown(radial) + " radial infeed, " + shown(compound)
            + " on the compound at " + half + ").";
        out.working = whose(over) + "pitch diameter − maximum = " + shown(*diameters[over.index])
            + " − " + maximumText + " = " + x + "\nradial infeed = " + x + " ÷ 2"
            + "\non the compound = radial infeed ÷ cos " + half;
    } else if (under.index >= 0) {
        const std::string x = shown(under.amount);
        out.verdict = "Undersize by " + x + at(under) + ".";
        out.working = whose(under) + "minimum − pitch diameter = " + minimumText + " − "
            + shown(*diameters[under.index]) + " = " + x;
    } else {
        out.verdict = "Within limits.";
        out.working = count == 1
            ? "minimum ≤ pitch diameter ≤ maximum: " + minimumText + " ≤ " + shown(smallest)
                + " ≤ " + maximumText
            : "minimum ≤ every pitch diameter ≤ maximum: " + minimumText + " ≤ "
                + shown(smallest) + " … " + shown(largest) + " ≤ " + maximumText;
    }

    const double spread = asShown(subtract(largest, smallest));
    const double tolerance = asShown(subtract(maximum, minimum));
    if (spread > tolerance) {
        out.spread = "Spread " + shown(spread) + " is larger than the tolerance " + shown(tolerance)
            + ": look for taper or an out-of-round part.";
        out.working += "\nspread = largest − smallest pitch diameter = " + shown(largest) + " − "
            + shown(smallest) + "\ntolerance = maximum − minimum = " + maximumText + " − "
            + minimumText;
    }
    return out;
}

rt::Refusal refuseEntries(const CheckedThread &thread, const std::string &maximum,
                          const std::string &minimum, const ReadingTexts &readings,
                          double wireConstant)
{
    const ThreadSpan span{subtract(thread.diameter, rt::checked(2 * thread.depth)),
                          thread.diameter};
    const char *unit = thread.metric ? "millimeters" : "inches";
    rt::Refusal refusal = refuseLimit(maximum, "txtPDmax", "maximum", span, unit);
    if (!refusal.refuses())
        refusal = refuseLimit(minimum, "txtPDmin", "minimum", span, unit);
    if (refusal.refuses())
        return refusal;
    if (!maximum.empty() && !minimum.empty()
        && rt::ReadNumber(maximum) <= rt::ReadNumber(minimum))
        return {"Bad Limits", "The maximum pitch diameter is not above the minimum.",
                "Please correct the limits and try again.", "txtPDmax"};

    for (int i = 0; i < ReadingCount; ++i) {
        if (readings[i].empty())
            continue;
        const std::string n = std::to_string(i + 1);
        const std::string box = "txtReading" + n;
        if (hasComma(readings[i]))
            return {"Bad Reading", "Reading " + n + " has a comma in it.", PointForDecimals, box};
        const double diameter =
            asShown(subtract(rt::ReadNumber(readings[i]), wireConstant));
        if (!span.holds(diameter))
            return {"Bad Reading",
                    "Reading " + n + " gives a pitch diameter of " + stated(diameter)
                        + ", outside the thread " + span.text() + ".",
                    "Please check reading " + n + " and the wire, and try again.", box};
    }
    return {};
}

} // namespace kervadin
