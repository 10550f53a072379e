#pragma once
// The standard thread families, one row each: the family's sizes and the
// rule its records are worked out by. Every number and text is used exactly
// as it stands in the rows. A new family is one more row, its name in Family
// and its size count in SizeCounts (and its windows' row, ui/familywindows).

#include "kervadin/core/threadrules.h"

namespace kervadin {

// In the order they are offered in.
enum class Family { BSF, Whitworth, UNF, UNC, BA, Metric };
constexpr int FamilyCount = 6;

// The number of sizes of each family, in the order of Family; the rows of
// the families and the windows that list their sizes are checked against it.
inline constexpr int SizeCounts[FamilyCount] = {10, 10, 10, 10, 10, 12};

struct StandardSize {
    const char *name;     // shown as the selected thread
    double diameter;      // in the family's unit
    double pitch;         // in the family's unit, as listed
    const char *helix;    // shown unchanged
};

struct FamilyRow {
    Family family;
    const StandardSize *sizes; // in size order
    int sizeCount;
    RecordRule rule;
};

const FamilyRow &familyRow(Family family);

// Every row, in the order of Family.
const FamilyRow *familyRows();

// Whether a family's sizes are cut with a whole number of threads per inch:
// the inch families but B.A., whose sizes are metric sizes given in inches.
bool hasWholeThreadsPerInch(Family family);
// Such a size's threads per inch: the whole number nearest to 1 ÷ its
// listed pitch, which is given to a few places.
int wholeThreadsPerInch(const StandardSize &size);

// The record of a standard size.
ThreadRecord standardRecord(const FamilyRow &row, const StandardSize &size);

} // namespace kervadin
