#pragma once
// What the check holds besides the thread and the wire: the class or the
// limits, the readings over the wires; and the fields a refusal of the check
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
    ToleranceClass toleranceClass = ToleranceClass::None;
    // The limits as typed; a chosen class replaces them.
    std::string maximum;
    std::string minimum;
    ReadingTexts readings; // empty ones are skipped

    bool operator==(const CheckEntry &other) const
    {
        return toleranceClass == other.toleranceClass && maximum == other.maximum
            && minimum == other.minimum && readings == other.readings;
    }
    bool operator!=(const CheckEntry &other) const { return !(*this == other); }
};

// What a refusal of the check names to correct: a limit, a reading, or the
// check itself (there is nothing to record until it has been pressed).
enum class CheckField { Maximum, Minimum, Reading1, Reading2, Reading3, Reading4, Reading5, Check };

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
