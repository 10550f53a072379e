#pragma once
// Judging the readings over the wires against the pitch-diameter limits, and
// refusing entries that cannot belong to the thread. No Qt here.
//
// Every reading is judged on its own: a thread is within its limits only
// when the pitch diameter of each reading is. A verdict names the reading
// furthest outside and, for an oversize thread, how much to take off: the
// excess X off the pitch diameter is a radial infeed R = X ÷ 2, and
// S = R ÷ cos(A ÷ 2) on a compound set over at half the thread angle A, from
// R as shown.
//
// A diameter is taken to four places (a half away from zero) before it is
// compared with a limit, and so is the difference: a pitch diameter or a
// major diameter 0.00005 above its maximum is over by 0.0001, one 0.00005
// below its minimum is within.

#include "kervadin/core/checkentry.h"

#include <array>
#include <string>

namespace kervadin {

// The values given of the five boxes: how many, their sum, the largest and
// the smallest (0 when none is given).
struct ReadingSummary {
    int count = 0;
    double sum = 0;
    double largest = 0;
    double smallest = 0;
};
// Throws rt::ArithmeticFault when the sum goes beyond the double range.
ReadingSummary summarise(const ReadingValues &values);

// The pitch diameter of each reading typed: reading − C, to four places as
// shown. Throws rt::ArithmeticFault for a fault in the arithmetic.
PitchDiameters readingPitchDiameters(const ReadingTexts &readings, double wireConstant);

enum class Standing { None, Within, Over, Under };

struct ReadingStanding {
    Standing standing = Standing::None; // None for an empty box
    std::string text;                   // "within", "over by 0.0003", "under by 0.0002"
};

struct Verdict {
    // "Within limits.", "Oversize by ...", "Undersize by ...", "Out of limits
    // both ways: ..."; empty when there is no reading.
    std::string verdict;
    // "Major diameter within limits." (or over, or under) when the major
    // diameter is judged; else empty.
    std::string major;
    // "Spread S is larger than the tolerance T: ..." when it is; else empty.
    std::string spread;
    // How the verdict was reached, for its tooltip.
    std::string working;
    std::array<ReadingStanding, ReadingCount> readings;

    // The verdict, then the major diameter's line and the spread's, each on
    // a line of its own.
    std::string text() const
    {
        std::string text = verdict;
        for (const std::string *line : {&major, &spread}) {
            if (!line->empty())
                text += "\n" + *line;
        }
        return text;
    }
};

// The major diameter measured over the crests against its limits (as shown
// and valid): how it stands, the verdict's line and how it was reached. The
// diameter measured is taken to four places first.
struct MajorVerdict {
    ReadingStanding standing;
    std::string line;
    std::string working;
};
MajorVerdict judgeMajor(double maximum, double minimum, double measured);

// The limits as shown and valid (maximum above minimum), the readings' pitch
// diameters, the thread angle in degrees. Throws rt::ArithmeticFault for a
// fault in the arithmetic.
Verdict judgeReadings(double maximum, double minimum, const PitchDiameters &diameters,
                      double angle);

// The first entry, in the order of the boxes, that cannot be checked: a limit
// or a reading that is not one number above 0 (checkentry.h: a comma in it,
// "12,305", or text after it), a limit outside the thread (below its
// minor diameter D − 2 × depth of thread or above D), a maximum not above the
// minimum, a reading whose pitch diameter lies outside the thread. Empty
// boxes are passed over. Throws rt::ArithmeticFault for a fault in the
// arithmetic.
[[nodiscard]] CheckRefusal refuseEntries(const CheckedThread &thread, const std::string &maximum,
                                         const std::string &minimum,
                                         const ReadingTexts &readings, double wireConstant);

// The first entry of the major diameter that cannot be checked: one that is
// not a number above 0 (checkentry.h), a limit or the diameter measured
// below the thread's basic pitch diameter (as shown) or above D + P, one
// limit without the other, a maximum not above the minimum. Empty boxes are
// passed over.
[[nodiscard]] CheckRefusal refuseMajor(const CheckedThread &thread, double basic,
                                       const std::string &maximum, const std::string &minimum,
                                       const std::string &measured);

} // namespace kervadin
