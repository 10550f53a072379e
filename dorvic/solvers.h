#pragma once
// The nine ways of solving a right triangle from two of its values, without
// any widgets: a solver reads and writes the window's boxes through Boxes,
// one box at a time, so that an arithmetic fault part way through leaves the
// boxes already written with their new text.
//
// Naming: the right angle lies between legs b and c; a is the hypotenuse;
// angle B is opposite b, angle C opposite c; angles are in degrees.

#include <string>

namespace dorvic {

enum class Box { SideA, SideB, SideC, AngleB, AngleC };

enum class Solver {
    SideaSideb, SideaSidec, SidebSidec,
    SideaAngleB, SideaAngleC, SidebAngleB, SidebAngleC, SidecAngleB, SidecAngleC,
};

class Boxes {
public:
    virtual ~Boxes() = default;
    virtual std::string text(Box box) const = 0;
    // Writes a solved value with the relation it came from, such as
    // "c = √(a² − b²)", "b = a · sin B" or "C = 90 − B".
    virtual void write(Box box, const std::string &text, const std::string &relation) = 0;
};

// Solves from the two given values in the order of the solver's name (side
// before angle, a before b before c). Returns the prompt to show when the
// hypotenuse is not the longer side (nothing is written then), or an empty
// string when the three missing values were written. Arithmetic faults
// throw rt::ArithmeticFault.
std::string solve(Solver solver, double first, double second, Boxes &boxes);

// Area of the triangle from its two legs, as written into the area box,
// and the relation it comes from.
std::string areaText(double c, double b);
extern const char *const AreaRelation;

} // namespace dorvic
