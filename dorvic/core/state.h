#pragma once
// What the calculator keeps beside the texts of its boxes: the case the last
// press of Calculate chose, set once that press has written its results (a
// fault leaves it as it was). Nothing is worked out from it; it tells how
// the boxes came to hold what they show.

#include "dorvic/core/classify.h"

#include <optional>

namespace dorvic {

struct TriangleState {
    // Empty until Calculate has first run to its end.
    std::optional<Case> lastCase;
};

} // namespace dorvic
