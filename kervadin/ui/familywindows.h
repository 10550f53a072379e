#pragma once
// The windows of the standard thread families: for each family, its button
// on the thread-type chooser, its size window with the option of each size,
// and that window's APPLY and BACK. One row a family, keyed by Family and
// checked when built against the families of the core (families.h).

#include "kervadin/core/families.h"

namespace kervadin {

// How a size window sets out its options, by how many sizes it has: ten on
// four columns, row by row, the last two in the middle columns; any other
// number on a grid of four columns and as many rows as they take, taken down
// the columns by the keyboard.
enum class SizeLayout { TenSizes, Grid };
constexpr SizeLayout sizeLayout(int sizes)
{
    return sizes == 10 ? SizeLayout::TenSizes : SizeLayout::Grid;
}

struct FamilyWindow {
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
    int backLeft;              // twips
    int optionWidth;           // twips; the tenth size of a TenSizes window is 975
    // The name and caption of each size's option button, in size order, and
    // how many of each there are (the build checks them against the sizes).
    const char *const *options;
    int optionCount;
    const char *const *captions;
    int captionCount;
};

const FamilyWindow &familyWindow(Family family);

// The chooser's keyboard order takes the first six families' buttons, then
// Custom, then the buttons of the families added since, so that the order
// users know stays as it is.
inline constexpr int FamiliesBeforeCustom = 6;

} // namespace kervadin
