#pragma once
// The decision rules a verdict is stated under, the zone each measured
// diameter falls in, and the picture of the zones. No Qt here.
//
// With the limits of a diameter, maximum and minimum, and U the expanded
// uncertainty (uncertainty.h), a diameter d (each taken to four places, as
// shown) falls:
// - simple acceptance: within (minimum ≤ d ≤ maximum), over or under; U
//   decides nothing. The check judges so without an uncertainty.
// - guard band w = U, binary: accept when minimum + U ≤ d ≤ maximum − U,
//   else reject.
// - pass / conditional pass / conditional fail / fail, with w = U: pass as
//   accept; conditional pass within the limits but less than U inside one;
//   conditional fail outside by U at most; fail further out.
// No diameter is accepted, nor passes, when 2U is at least the tolerance.

#include "kervadin/core/checkentry.h"

#include <array>
#include <string>
#include <vector>

namespace kervadin {

enum class Zone {
    None,
    Within,
    Over,
    Under,
    Accept,
    Reject,
    Pass,
    ConditionalPass,
    ConditionalFail,
    Fail
};

// The rules as the check window lists them, in that order.
struct RuleName {
    DecisionRule rule;
    const char *name;
};
extern const RuleName DecisionRules[3];
const char *ruleName(DecisionRule rule);

// "within", "over", "under", "accept", "reject", "pass", "conditional
// pass", "conditional fail", "fail"; empty for None.
const char *zoneWord(Zone zone);

// How a zone reads at a glance.
enum class Grade { None, Good, Doubtful, Bad };
Grade gradeOf(Zone zone);

// A diameter's limits under a rule, every value as shown.
struct Limits {
    double maximum = 0;
    double minimum = 0;
    double expanded = 0; // U; 0 when none is known
    DecisionRule rule = DecisionRule::Simple;

    // 2U at least the tolerance: no diameter can be accepted.
    bool noneAccepted() const;
};

// Where a diameter stands: its zone, how far inside the nearer limit it is
// (below 0 outside it, as shown) and which limit that is.
struct Placed {
    Zone zone = Zone::None;
    double margin = 0;
    bool nearMaximum = true;
};
Placed place(const Limits &limits, double diameter);

// The first line of a verdict under the guard band or the non-binary rule,
// its zone first, for the reading nearest a limit or furthest outside
// ("Conditional pass at reading 2: within limits, but 0.0003 from the
// maximum with U 0.0006."); each reading's zone; how it was reached.
struct RuledVerdict {
    std::string verdict;
    std::array<Zone, ReadingCount> zones{};
    std::string working;
};
RuledVerdict judgeByRule(const Limits &limits, const PitchDiameters &diameters);

// The major diameter's line under such a rule: "Major diameter: pass,
// within limits, 0.0040 from the minimum with U 0.0006."
std::string majorByRule(const Limits &limits, double measured, Zone &zone);

// The rule's line: the rule, U and the tolerance against 2U, warning under
// 4 : 1; a second line when no reading can be accepted. `given`: whether U
// is known.
std::string ruleLines(const Limits &limits, bool given);

// The picture of the zones: for the pitch diameter, and the major diameter
// when it is judged, the limits and a mark for each diameter measured (the
// readings, then their mean), each with the figures hovering shows; and
// the whole in words, for assistive technology. No band: nothing to judge.
struct ZoneMark {
    std::string name; // "1" … "5", "mean", "major"
    double value = 0;
    Zone zone = Zone::None;
    std::string figures;
};
struct ZoneBand {
    std::string name; // "Pitch diameter", "Major diameter"
    Limits limits;
    std::vector<ZoneMark> marks;
};
struct ZonePicture {
    std::vector<ZoneBand> bands;
    std::string description;
};
// Adds a band with its marks (`names[i]` for `values[i]`), the description
// growing by a sentence for it and one for each mark.
void addBand(ZonePicture &picture, const std::string &name, const Limits &limits,
             const std::vector<std::pair<std::string, double>> &marks);

} // namespace kervadin
