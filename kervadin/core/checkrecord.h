#pragma once
// The record of a check: every field a text as the check shows it, empty
// where a box is empty; made from the verdict shown and the entries it was
// worked out from, for one row of the inspection log (checklog.h) or as
// lines a person reads, for the clipboard. No Qt here.
//
// The clipboard text, one line each, a line left out when its value is empty
// (Thread and Verdict are always given):
//   Thread: 1/4-20 UNC-2A            the class joined with "-" when there is one
//   Part: BRK-114, rev. C
//   Unit: inch
//   Wire: 0.0289
//   Starts: 2                        only for more than one start
//   Lead angle: 8° 20', corrected by 0.0005    only when C is corrected
//   Limits: 0.2127 to 0.2164         minimum to maximum pitch diameter
//   Readings: 0.2550, 0.2552         the readings given, in order
//   Pitch diameters: 0.2141, 0.2143
//   Mean: reading 0.2551, pitch diameter 0.2142
//   Spread: 0.0002
//   Major diameter: 0.2450, limits 0.2408 to 0.2489    only when it is judged
//   Verdict: Within limits.          a second line follows indented by two blanks
//   Checked: 2026-12-07T14:05:09+01:00
// and, when the verdict was stated under a rule or with U (stated()):
//   Rule: Guard band w = U
//   U: 0.0062 (k = 2)                 only when known
//   Zones: accept, reject            each reading's, in order
//   Major diameter zone: accept      only when it is judged

#include "kervadin/core/checkrules.h"

#include <ctime>
#include <optional>
#include <string>

namespace kervadin {

struct CheckRecord {
    std::string time;        // ISO 8601 local time with offset: localTimeText
    std::string part;        // as typed; may be empty
    std::string thread;      // "1/4-20 UNC", without the class
    std::string threadClass; // "2A", "6g", "4g6g" as typed, or empty for typed limits
    std::string unit;        // "inch" or "mm"
    std::string wire;
    std::string maximum;     // PD max
    std::string minimum;     // PD min
    std::string readings[ReadingCount];
    std::string readingDiameters[ReadingCount];
    std::string mean;         // mean reading
    std::string meanDiameter; // mean pitch diameter
    std::string spread;
    std::string verdict;      // may hold several lines
    std::string starts;       // as typed
    std::string leadCorrection; // the term added to C, "0.0005"; empty when not corrected
    std::string majorMaximum;
    std::string majorMinimum;
    std::string major;        // measured, as typed
    std::string leadAngle;    // "8° 20'" when C is corrected; not a column of the log
    // The decision rule's name, U as the verdict used it (empty when none
    // was known), and the zone of each reading and of the major diameter.
    std::string rule;
    std::string expanded;
    std::string zones[ReadingCount];
    std::string majorZone;

    // Whether the verdict was stated under a rule other than simple
    // acceptance, or with an uncertainty: only then do the rule, U and the
    // zones belong in the record.
    bool stated() const;
};

// What the check window shows when a record is asked for.
struct ShownCheck {
    // The texts of the verdict shown and the entries it was worked out from;
    // none while no verdict is shown.
    std::optional<CheckTexts> verdict;
    CheckEntry verdictEntry;
    // The entries as they stand now, and the part as typed.
    CheckEntry entry;
    std::string part;
    // What the last Check refused (what was missing, or an entry), while
    // nothing has changed since; else nothing.
    CheckRefusal checkRefusal;
};

// The record of the verdict shown, checked at `time`; or, with no record,
// "No Check" when there is no verdict or an entry has changed since it,
// saying what the last Check said when nothing has changed since.
struct Recorded {
    std::optional<CheckRecord> record;
    CheckRefusal refusal;
};
[[nodiscard]] Recorded recordCheck(const State &state, const ShownCheck &shown,
                                   const std::string &time);

// The record as lines a person reads, each ending in "\n" (see above).
std::string recordText(const CheckRecord &record);

// A moment as local time in ISO 8601 with the offset from UTC,
// "2026-12-07T14:05:09+01:00"; empty if the C library cannot convert it.
std::string localTimeText(std::time_t moment);
// The current moment, as localTimeText.
std::string localTimeNow();

} // namespace kervadin
