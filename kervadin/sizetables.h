#pragma once
// The standard thread sizes, as data: for each family its window's names and
// the fixed rows of its sizes (caption, name, diameter, pitch, helix text).
// Every number and text is used exactly as it stands here.

namespace kervadin {

enum class Family { BSF, Whitworth, UNC, UNF, BA, Metric };
constexpr int FamilyCount = 6;

struct StandardSize {
    const char *option;   // object name of the size's option button
    const char *caption;  // caption of the option button
    const char *name;     // shown as the selected thread
    double diameter;      // in the family's unit
    double pitch;         // in the family's unit
    const char *helix;    // shown unchanged
};

struct FamilyTable {
    const char *window;
    const char *caption;
    const char *apply;
    const char *back;
    int backLeft;             // twips
    const StandardSize *sizes;  // in size order
    int sizeCount;
};

const FamilyTable &familyTable(Family family);

} // namespace kervadin
