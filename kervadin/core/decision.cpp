#include "kervadin/core/decision.h"

#include "kervadin/core/arithmetic.h"
#include "runtime/numbers.h"

#include <cctype>
#include <cmath>

namespace kervadin {
namespace {

using namespace arithmetic;

// The zone's word with its first letter capital, to begin a verdict.
std::string capitalised(Zone zone)
{
    std::string word = zoneWord(zone);
    if (!word.empty())
        word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

bool accepted(Zone zone)
{
    return zone == Zone::Accept || zone == Zone::Pass || zone == Zone::Within;
}

// How a placed diameter stands, in words: "within limits, but 0.0003 from
// the maximum with U 0.0006".
std::string phrase(const Limits &limits, const Placed &p)
{
    const std::string limit = p.nearMaximum ? "maximum" : "minimum";
    const std::string u = shown(limits.expanded);
    const std::string side = p.nearMaximum ? "oversize by " : "undersize by ";
    const double outside = -p.margin;
    if (limits.expanded <= 0)
        return p.margin >= 0 ? "within limits, " + shown(p.margin) + " from the " + limit
                             : side + shown(outside);
    if (p.margin >= 0) {
        if (accepted(p.zone))
            return "within limits, " + shown(p.margin) + " from the " + limit + " with U " + u;
        if (p.margin >= limits.expanded)
            return "within limits, but none can be accepted with U " + u;
        return "within limits, but " + shown(p.margin) + " from the " + limit + " with U " + u;
    }
    if (outside <= limits.expanded)
        return side + shown(outside) + ", within U " + u + " of the " + limit;
    return side + shown(outside) + ", more than U " + u;
}

} // namespace

const RuleName DecisionRules[3] = {
    {DecisionRule::Simple, "Simple acceptance"},
    {DecisionRule::GuardBand, "Guard band w = U"},
    {DecisionRule::NonBinary, "Pass / conditional pass / conditional fail / fail"},
};

const char *ruleName(DecisionRule rule)
{
    return DecisionRules[static_cast<int>(rule)].name;
}

const char *zoneWord(Zone zone)
{
    switch (zone) {
    case Zone::None: break;
    case Zone::Within: return "within";
    case Zone::Over: return "over";
    case Zone::Under: return "under";
    case Zone::Accept: return "accept";
    case Zone::Reject: return "reject";
    case Zone::Pass: return "pass";
    case Zone::ConditionalPass: return "conditional pass";
    case Zone::ConditionalFail: return "conditional fail";
    case Zone::Fail: return "fail";
    }
    return "";
}

Grade gradeOf(Zone zone)
{
    switch (zone) {
    case Zone::None: return Grade::None;
    case Zone::Within:
    case Zone::Accept:
    case Zone::Pass: return Grade::Good;
    case Zone::ConditionalPass:
    case Zone::ConditionalFail: return Grade::Doubtful;
    case Zone::Over:
    case Zone::Under:
    case Zone::Reject:
    case Zone::Fail: break;
    }
    return Grade::Bad;
}

bool Limits::noneAccepted() const
{
    return asShown(multiply(2, expanded)) >= asShown(subtract(maximum, minimum));
}

Placed place(const Limits &limits, double diameter)
{
    Placed p;
    const double belowMaximum = asShown(subtract(limits.maximum, diameter));
    const double aboveMinimum = asShown(subtract(diameter, limits.minimum));
    p.nearMaximum = belowMaximum <= aboveMinimum;
    p.margin = p.nearMaximum ? belowMaximum : aboveMinimum;
    const bool inside = p.margin >= 0;
    const bool clear = inside && p.margin >= limits.expanded && !limits.noneAccepted();
    switch (limits.rule) {
    case DecisionRule::Simple:
        p.zone = inside ? Zone::Within : p.nearMaximum ? Zone::Over : Zone::Under;
        break;
    case DecisionRule::GuardBand:
        p.zone = clear ? Zone::Accept : Zone::Reject;
        break;
    case DecisionRule::NonBinary:
        p.zone = clear                                ? Zone::Pass
            : inside                                  ? Zone::ConditionalPass
            : -p.margin <= limits.expanded            ? Zone::ConditionalFail
                                                      : Zone::Fail;
        break;
    }
    return p;
}

RuledVerdict judgeByRule(const Limits &limits, const PitchDiameters &diameters)
{
    RuledVerdict out;
    int count = 0, worst = -1;
    Placed worstPlaced;
    for (int i = 0; i < ReadingCount; ++i) {
        if (!diameters[i])
            continue;
        const Placed p = place(limits, *diameters[i]);
        out.zones[i] = p.zone;
        out.working += (count++ ? "\n" : "") + std::string("reading ") + std::to_string(i + 1)
            + ": " + shown(*diameters[i]) + ", " + zoneWord(p.zone);
        if (worst < 0 || p.margin < worstPlaced.margin) {
            worst = i;
            worstPlaced = p;
        }
    }
    if (worst < 0)
        return out;
    out.verdict = capitalised(worstPlaced.zone)
        + (count > 1 ? " at reading " + std::to_string(worst + 1) : std::string()) + ": "
        + phrase(limits, worstPlaced) + ".";
    out.working += "\nlimits " + shown(limits.minimum) + " to " + shown(limits.maximum) + ", U "
        + shown(limits.expanded);
    return out;
}

std::string majorByRule(const Limits &limits, double measured, Zone &zone)
{
    const Placed p = place(limits, asShown(measured));
    zone = p.zone;
    return std::string("Major diameter: ") + zoneWord(p.zone) + ", " + phrase(limits, p) + ".";
}

std::string ruleLines(const Limits &limits, bool given)
{
    std::string line = std::string("Decision rule: ") + ruleName(limits.rule);
    if (!given || limits.expanded <= 0)
        return line + "; no uncertainty given, U taken as 0.";
    const double tolerance = asShown(subtract(limits.maximum, limits.minimum));
    const double twice = asShown(multiply(2, limits.expanded));
    const double ratio = tolerance / twice;
    line += "; U " + shown(limits.expanded) + "; T : 2U = " + rt::FormatNumber(ratio, "#0.0")
        + " : 1";
    line += ratio < 4 ? ", under 4 : 1: the measurement takes too much of the tolerance." : ".";
    if (limits.noneAccepted())
        line += "\nNo reading can be accepted: 2U " + shown(twice)
            + " is not less than the tolerance " + shown(tolerance) + ".";
    return line;
}

void addBand(ZonePicture &picture, const std::string &name, const Limits &limits,
             const std::vector<std::pair<std::string, double>> &marks)
{
    ZoneBand band{name, limits, {}};
    std::string &words = picture.description;
    words += (words.empty() ? "" : " ") + name + " limits " + shown(limits.minimum) + " to "
        + shown(limits.maximum) + (limits.expanded > 0 ? ", U " + shown(limits.expanded) : "")
        + ".";
    for (const auto &[markName, value] : marks) {
        const Placed p = place(limits, value);
        const bool reading = std::isdigit(static_cast<unsigned char>(markName[0]));
        const std::string title = reading ? "Reading " + markName
            : markName == "mean"          ? "Mean"
                                          : "Measured";
        std::string figures = title + ": " + shown(value);
        if (limits.expanded > 0)
            figures += " ± " + shown(limits.expanded);
        figures += ", " + std::string(zoneWord(p.zone)) + "; " + phrase(limits, p);
        words += " " + figures + ".";
        band.marks.push_back({markName, value, p.zone, figures});
    }
    picture.bands.push_back(std::move(band));
}

} // namespace kervadin
