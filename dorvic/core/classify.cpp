#include "dorvic/core/classify.h"

#include "runtime/numbers.h"

#include <utility>

namespace dorvic {
namespace {

constexpr int Boxes = 5;

// The solver for each pair of given boxes, the first one before the second
// in Box order; a pair of two angles has none.
struct Pair {
    Box first;
    Box second;
    Solver solver;
};

const Pair pairs[] = {
    {Box::SideA, Box::SideB, Solver::SideaSideb},
    {Box::SideA, Box::SideC, Solver::SideaSidec},
    {Box::SideA, Box::AngleB, Solver::SideaAngleB},
    {Box::SideA, Box::AngleC, Solver::SideaAngleC},
    {Box::SideB, Box::SideC, Solver::SidebSidec},
    {Box::SideB, Box::AngleB, Solver::SidebAngleB},
    {Box::SideB, Box::AngleC, Solver::SidebAngleC},
    {Box::SideC, Box::AngleB, Solver::SidecAngleB},
    {Box::SideC, Box::AngleC, Solver::SidecAngleC},
};

// The first box from `from` on whose text is not empty; Boxes when none is.
int firstGiven(const BoxTexts &boxes, int from)
{
    while (from < Boxes && boxes[static_cast<size_t>(from)].empty())
        ++from;
    return from;
}

Case refused(rt::Refusal why)
{
    Case c;
    c.refusal = std::move(why);
    return c;
}

} // namespace

rt::Refusal notEnoughData()
{
    return refusal("No Data",
                   "Not enough data has been entered. Please enter data as instructions.");
}

rt::Refusal twoAngles()
{
    return refusal("Invalid Entry",
                   "Invalid data. Two angles are not allowed. Please enter data as instructions.");
}

Case classify(const BoxTexts &boxes)
{
    const int first = firstGiven(boxes, 0);
    if (first == Boxes)
        return refused(notEnoughData());
    // The first given value is read even when it cannot be used, so a text
    // too large to read is a fault before it is a missing value.
    const double firstValue = rt::ReadNumber(boxes[static_cast<size_t>(first)]);
    const int second = firstGiven(boxes, first + 1);
    if (second == Boxes)
        return refused(notEnoughData());
    // An angle first means no side is given; the second angle is not read.
    if (static_cast<Box>(first) == Box::AngleB)
        return refused(twoAngles());

    for (const Pair &pair : pairs) {
        if (pair.first == static_cast<Box>(first) && pair.second == static_cast<Box>(second)) {
            Case c;
            c.solver = pair.solver;
            c.first = firstValue;
            c.second = rt::ReadNumber(boxes[static_cast<size_t>(second)]);
            return c;
        }
    }
    // Not reached: every pair with a side first has its solver.
    return refused(notEnoughData());
}

} // namespace dorvic
