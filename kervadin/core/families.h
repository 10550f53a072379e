#pragma once
// The standard thread families, one row each: the family's sizes, its size
// window and the names of its buttons, its button on the thread-type chooser,
// and the rule its records are worked out by. Every number and text is used
// exactly as it stands in the rows. A new family is one more row (and its
// name in Family).

#include "kervadin/core/threadrules.h"

namespace kervadin {

// In the order of the chooser's keyboard order.
enum class Family { BSF, Whitworth, UNF, UNC, BA, Metric };
constexpr int FamilyCount = 6;

struct StandardSize {
    const char *option;   // object name of the size's option button
    const char *caption;  // caption of the option button
    const char *name;     // shown as the selected thread
    double diameter;      // in the family's unit
    double pitch;         // in the family's unit
    const char *helix;    // shown unchanged
};

// How a size window sets out its options: ten sizes on four columns, row by
// row, the last two in the middle columns; or twelve on a grid of four
// columns and three rows, taken down the columns by the keyboard.
enum class SizeLayout { TenSizes, Grid };

struct FamilyRow {
    Family family;
    // The chooser's button: name, caption, position in twips.
    const char *chooserButton;
    const char *chooserCaption;
    int chooserLeft;
    int chooserTop;
    // The size window: name, caption, APPLY and BACK.
    const char *window;
    const char *caption;
    const char *apply;
    const char *back;
    int backLeft;             // twips
    SizeLayout layout;
    int optionWidth;          // twips; the tenth size of a TenSizes window is 975
    const StandardSize *sizes; // in size order
    int sizeCount;
    RecordRule rule;
};

const FamilyRow &familyRow(Family family);

// Every row, in the order of Family.
const FamilyRow *familyRows();

// The record of a standard size.
ThreadRecord standardRecord(const FamilyRow &row, const StandardSize &size);

} // namespace kervadin
