#pragma once
// The nine ways of solving a right triangle from two of its values, without
// any widgets. A solver works out every text it will write, formatted as it
// will be shown, and hands them back; the window writes them only when all
// of them (and the area from them) were worked out, so an arithmetic fault
// changes nothing.
//
// Naming: the right angle lies between legs b and c; a is the hypotenuse;
// angle B is opposite b, angle C opposite c; angles are in degrees.

#include "runtime/refusal.h"

#include <string>
#include <vector>

namespace dorvic {

enum class Box { SideA, SideB, SideC, AngleB, AngleC };

enum class Solver {
    SideaSideb, SideaSidec, SidebSidec,
    SideaAngleB, SideaAngleC, SidebAngleB, SidebAngleC, SidecAngleB, SidecAngleC,
};

// One solved value: its box, its text as shown, and the relation it came
// from, such as "c = √(a² − b²)", "b = a · sin B" or "C = 90 − B".
struct Written {
    Box box;
    std::string text;
    std::string relation;
};

// What a solver gives: the refusal when the hypotenuse is not the longer
// side (nothing is written then), or the three missing values.
struct Solution {
    rt::Refusal refusal;
    std::vector<Written> written;
};

// Every refusal of the triangle calculator: a one-sentence prompt under the
// question icon, naming no box.
[[nodiscard]] rt::Refusal refusal(const char *title, const char *prompt);

// Solves from the two given values in the order of the solver's name (side
// before angle, a before b before c). Arithmetic faults throw
// rt::ArithmeticFault.
[[nodiscard]] Solution solve(Solver solver, double first, double second);

// Area of the triangle from its two legs as shown, as written into the
// area box, and the relation it comes from.
std::string areaText(double c, double b);
extern const char *const AreaRelation;

} // namespace dorvic
