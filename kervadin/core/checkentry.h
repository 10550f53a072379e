#pragma once
// What the check holds besides the thread and the wire: the thread's starts
// and whether C is corrected for its lead angle, the class or the limits,
// the readings over the wires, the major diameter's limits and the major
// diameter measured over the crests; and the fields a refusal of the check
// sends the user back to. No Qt here.

#include "kervadin/core/classes.h"
#include "runtime/refusal.h"

#include <array>
#include <optional>
#include <string>

namespace kervadin {

// The readings over the wires the check takes.
constexpr int ReadingCount = 5;

using ReadingTexts = std::array<std::string, ReadingCount>;
// A value for each reading box; none where the box is empty.
using ReadingValues = std::array<std::optional<double>, ReadingCount>;
// A pitch diameter for each reading box.
using PitchDiameters = ReadingValues;

// The entries of the check, as typed.
struct CheckEntry {
    std::string starts = "1"; // a whole number from 1 to 8
    bool leadCorrection = false;
    ToleranceClass toleranceClass = ToleranceClass::None;
    // The limits as typed; a chosen class replaces them.
    std::string maximum;
    std::string minimum;
    ReadingTexts readings; // empty ones are skipped
    std::string majorMaximum;
    std::string majorMinimum;
    std::string major;

    bool operator==(const CheckEntry &other) const
    {
        return starts == other.starts && leadCorrection == other.leadCorrection
            && toleranceClass == other.toleranceClass && maximum == other.maximum
            && minimum == other.minimum && readings == other.readings
            && majorMaximum == other.majorMaximum && majorMinimum == other.majorMinimum
            && major == other.major;
    }
    bool operator!=(const CheckEntry &other) const { return !(*this == other); }
};

// What a refusal of the check names to correct: the starts, a limit, a
// reading, the major diameter or one of its limits, or the check itself
// (there is nothing to record until it has been pressed).
enum class CheckField {
    Starts,
    Maximum,
    Minimum,
    Reading1,
    Reading2,
    Reading3,
    Reading4,
    Reading5,
    MajorMaximum,
    MajorMinimum,
    Major,
    Check,
};

// The field of reading box `index` (0 for the first).
constexpr CheckField readingField(int index)
{
    return static_cast<CheckField>(static_cast<int>(CheckField::Reading1) + index);
}

using CheckRefusal = rt::FieldRefusal<CheckField>;

inline CheckRefusal refusalAt(CheckField field, std::string title, std::string line1,
                              std::string line2)
{
    return {{std::move(title), std::move(line1), std::move(line2)}, field};
}

} // namespace kervadin
