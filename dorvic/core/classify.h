#pragma once
// What Calculate makes of the five triangle boxes. A box is given when its
// text is not empty (blanks and non-numbers count; they read as what
// rt::ReadNumber makes of them). The first given box, in the order a, b, c,
// B, C, and the next given one after it name the case: one of the nine
// solvers with the two values as read, or a refusal. Boxes after those two
// are neither read nor looked at.

#include "dorvic/core/solvers.h"
#include "runtime/refusal.h"

#include <array>
#include <optional>
#include <string>

namespace dorvic {

// The texts of the boxes of sides a, b, c and angles B, C, in Box order.
using BoxTexts = std::array<std::string, 5>;

// The case entered: the solver for the pair found and its two values in the
// order of the solver's name, or, when none can run, the refusal to show.
struct Case {
    std::optional<Solver> solver;
    double first = 0;
    double second = 0;
    rt::Refusal refusal;
};

// Reads the first given box always and the second when there is one; a text
// too large to read throws rt::ArithmeticFault, as the solvers do.
[[nodiscard]] Case classify(const BoxTexts &boxes);

// Fewer than two values given, or one angle only.
[[nodiscard]] rt::Refusal notEnoughData();
// Both angles and no side: the triangle's size is unknown.
[[nodiscard]] rt::Refusal twoAngles();

} // namespace dorvic
