#pragma once
// The uncertainty of a pitch diameter measured over three wires, as a
// budget in the manner of the GUM: each input's standard uncertainty times
// its sensitivity is its contribution, the contributions combine as the root
// sum of squares into u, and U = 2u (k = 2). No Qt here.
//
// With a the half thread angle, W the wire, P the pitch and E the basic pitch
// diameter, the pitch diameter is E = M − W(1 + cosec a) + ½P cot a, so:
//   input                            standard uncertainty   sensitivity
//   micrometer's largest error e     e ÷ √3 (rectangular)   1
//   wires' certificate U_w (k = 2)   U_w ÷ 2                1 + cosec a
//   repeatability of one reading r   r, or the readings'    1
//                                    standard deviation s
//                                    when two or more are
//                                    typed
//   pitch error bound ±δP            δP ÷ √3                ½ cot a
//   half-angle error bound ±δa (')   δa ÷ √3, in radians    (W cos a − ½P) ÷ sin²a
//   temperature difference ±Δt (°C)  Δt ÷ √3                11.5 × 10⁻⁶ × E
// Lengths are in the thread's unit. Contributions are shown in micrometres
// (two places) for a millimetre thread, in microinches (one place) for an
// inch thread; U in the thread's unit to four places, as it is used.

#include "kervadin/core/checkentry.h"

#include <string>

namespace kervadin {

// The measurement the budget is for.
struct BudgetGeometry {
    double angle = 60; // the thread angle, degrees
    double pitch = 0;
    double wire = 0;
    double basic = 0;  // the basic pitch diameter, as shown
    Unit unit = Unit::Inch;
};

struct Budget {
    // Whether U is known: typed, or worked out from at least one input.
    bool given = false;
    double expanded = 0; // U as shown, four places: what the rules use
    std::string text;    // the budget, a line each, as the window shows it
};

// The budget from what is typed and the readings that hold. An input that
// is empty, or not a number above 0, contributes nothing and is named among
// those left out; Check refuses the second kind (refuseUncertainty). Throws
// rt::ArithmeticFault for a fault in the arithmetic.
[[nodiscard]] Budget workBudget(const BudgetGeometry &geometry, const UncertaintyEntry &entry,
                                const ReadingValues &readings);

// The first box of the entry that does not hold one number above 0, in the
// window's order, the laboratory's U last.
[[nodiscard]] CheckRefusal refuseUncertainty(const UncertaintyEntry &entry);

// The symbol of the unit the budget's lengths are typed in: "mm" or "in".
const char *lengthSymbol(Unit unit);

} // namespace kervadin
