#pragma once
// The sine bar, without any widgets: the bar is the hypotenuse of a right
// triangle and the gauge-block stack under one roll the side opposite the
// angle, so H = L · sin θ and θ = asin(H / L). From the entries of the
// window it works out every text the window shows, or the refusal of the
// entry to correct.
//
// Numbers are read as the triangle window reads them (rt::ReadNumber: the
// leading number of the text). An angle is decimal degrees ("31.25") or
// degrees, minutes and seconds as a machinist writes them ("31°15'",
// "31 15", "31 15 30", "31°15'30\""), each of its numbers read so.
// π here is the full value.

#include "runtime/refusal.h"

#include <cstddef>
#include <optional>
#include <string>

namespace dorvic {

// The boxes of the window a refusal names.
enum class SineField { BarLength, Angle, Height, Missing };

// Which of the angle and the height the user typed last: the other follows.
enum class Given { Angle, Height };

struct SineBarEntry {
    std::size_t set = 0; // blockSets()
    std::string barLength;
    std::string angle;
    std::string height;
    std::string missing; // blocks out of the box, as their sizes
    Given given = Given::Angle;
};

// Every text the window shows. When the given box or the bar length is
// empty, there is nothing to work out and every text is empty.
struct SineBarTexts {
    std::string unit;       // of the set: "in" or "mm"
    std::string followed;   // the height (angle given) or the angle (height given)
    std::string angleForms; // the angle in both forms
    std::string perStep;    // what one step of the set's smallest block moves the angle
    std::string blocks;     // the stack, largest first, with its sum
    std::string angleGiven; // the angle the stack gives, against the one asked
};

struct SineBar {
    SineBarTexts texts;
    rt::FieldRefusal<SineField> refusal; // refuses: write nothing but the unit
};

[[nodiscard]] SineBar workOut(const SineBarEntry &entry);

// An angle as typed, in degrees; none when it is not one (not between 0 and
// 90 degrees, minutes or seconds of 60 or more, more than three numbers).
[[nodiscard]] std::optional<double> readAngle(const std::string &text);

// An angle in degrees, minutes and seconds to a tenth of a second: 31° 15' 0.0".
[[nodiscard]] std::string degreesMinutesSeconds(double degrees);

} // namespace dorvic
