#pragma once
// What the check holds besides the thread and the wire: the thread's starts
// and whether C is corrected for its lead angle, the class or the limits,
// the readings over the wires, the major diameter's limits and the major
// diameter measured over the crests; and the fields a refusal of the check
// sends the user back to; and how a box of the check is read. No Qt here.

#include "kervadin/core/classes.h"
#include "runtime/entry.h"
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

enum class UncertaintyInput { Micrometer, Wires, Repeatability, Pitch, HalfAngle, Temperature };
constexpr int UncertaintyInputCount = 6;

// What the inspector typed of the measurement, as typed.
struct UncertaintyEntry {
    std::array<std::string, UncertaintyInputCount> inputs;
    std::string expanded; // the laboratory's own U, which sets the budget aside

    const std::string &operator[](UncertaintyInput input) const
    {
        return inputs[static_cast<std::size_t>(input)];
    }
    std::string &operator[](UncertaintyInput input)
    {
        return inputs[static_cast<std::size_t>(input)];
    }
    bool operator==(const UncertaintyEntry &other) const
    {
        return inputs == other.inputs && expanded == other.expanded;
    }
    bool operator!=(const UncertaintyEntry &other) const { return !(*this == other); }
};

// The decision rule a verdict is stated under (decision.h); the first is
// the check's own, as it judges without an uncertainty.
enum class DecisionRule { Simple, GuardBand, NonBinary };

// The entries of the check, as typed.
struct CheckEntry {
    std::string starts = "1"; // a whole number from 1 to 8
    bool leadCorrection = false;
    ToleranceClass toleranceClass; // chosen or typed; none at first
    // The limits as typed; a chosen class replaces them.
    std::string maximum;
    std::string minimum;
    ReadingTexts readings; // empty ones are skipped
    std::string majorMaximum;
    std::string majorMinimum;
    std::string major;
    UncertaintyEntry uncertainty;
    DecisionRule rule = DecisionRule::Simple;

    bool operator==(const CheckEntry &other) const
    {
        return starts == other.starts && leadCorrection == other.leadCorrection
            && toleranceClass == other.toleranceClass && maximum == other.maximum
            && minimum == other.minimum && readings == other.readings
            && majorMaximum == other.majorMaximum && majorMinimum == other.majorMinimum
            && major == other.major && uncertainty == other.uncertainty && rule == other.rule;
    }
    bool operator!=(const CheckEntry &other) const { return !(*this == other); }
};

// What a refusal of the check names to correct: the starts, a limit, a
// reading, the major diameter or one of its limits, the check itself (there
// is nothing to record until it has been pressed), or the class.
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
    Class,
    // The boxes of the measurement's uncertainty, in UncertaintyInput's
    // order, then the laboratory's own U.
    Micrometer,
    Wires,
    Repeatability,
    PitchError,
    HalfAngleError,
    Temperature,
    Expanded,
};

// The field of reading box `index` (0 for the first).
constexpr CheckField readingField(int index)
{
    return static_cast<CheckField>(static_cast<int>(CheckField::Reading1) + index);
}

using CheckRefusal = rt::FieldRefusal<CheckField>;

// How the check reads a number box: as every box of a form that takes one
// number (runtime/entry.h). The measurement window reads its boxes its own way.
using rt::EntryForm;
using rt::EntryReading;
using rt::LongestEntry;
using rt::readEntry;
using rt::withoutBlanks;

// The value of a box that holds a Number; 0 for any other.
inline double entryValue(const std::string &text)
{
    return readEntry(text).value;
}

// Whether a box holds nothing but blanks: it is passed over as empty.
inline bool isBlankEntry(const std::string &text)
{
    return readEntry(text).form == EntryForm::Empty;
}

// The refusal of an entry that is not a Number above 0, naming its field:
// `subject` begins the first line ("Reading 3", "The maximum pitch
// diameter"), `correct` names it in the second ("reading 3", "the maximum").
// Refuses nothing for an Empty or Number entry.
CheckRefusal entryRefusal(const EntryReading &entry, CheckField field, const std::string &title,
                          const std::string &subject, const std::string &correct);

inline CheckRefusal refusalAt(CheckField field, std::string title, std::string line1,
                              std::string line2)
{
    return {{std::move(title), std::move(line1), std::move(line2)}, field};
}

// What the check lacks that no box holds (a Calculate, the limits): said,
// with the keyboard left where it was.
inline CheckRefusal missing(std::string title, std::string line1, std::string line2)
{
    return {{std::move(title), std::move(line1), std::move(line2)}, std::nullopt};
}

} // namespace kervadin
