#include "dorvic/core/solvers.h"

#include "runtime/numbers.h"

#include <cmath>

namespace dorvic {
namespace {

// Every angle is turned into radians and back with pi taken as 3.141593,
// so the results shown depend on this value.
constexpr double Pi = 3.141593;

const char *const SidePattern = "###.###";
const char *const AnglePattern = "##.##";

double square(double x)
{
    return rt::checked(x * x);
}

double toRadians(double degrees)
{
    return degrees * (Pi / 180);
}

double toDegrees(double radians)
{
    return radians * (180 / Pi);
}

void writeSide(Solution &out, Box box, double value, const char *relation)
{
    out.written.push_back({box, rt::FormatNumber(value, SidePattern), relation});
}

void writeAngle(Solution &out, Box box, double value, const char *relation)
{
    out.written.push_back({box, rt::FormatNumber(value, AnglePattern), relation});
}

// The acute angles add up to 90; the other one is worked out from the angle
// as its box shows it (given, or as it will be written), so the two
// displayed angles always agree.
void writeComplement(Solution &out, double shown, Box other)
{
    writeAngle(out, other, 90 - shown,
               other == Box::AngleC ? "C = 90 − B" : "B = 90 − C");
}

// Two sides given: the third by Pythagoras, then B from the legs.
struct TwoSides {
    Solver solver;
    Box first;
    Box second;
    Box third;
    const char *thirdRelation;
    // The hypotenuse must be longer than the given leg; empty: no check.
    const char *refusalPrompt;
};

const TwoSides twoSides[] = {
    {Solver::SideaSideb, Box::SideA, Box::SideB, Box::SideC, "c = √(a² − b²)",
     "Invalid entry. Side 'a' cannot be the same length as or shorter than side 'b'."},
    {Solver::SideaSidec, Box::SideA, Box::SideC, Box::SideB, "b = √(a² − c²)",
     "Invalid entry. Side 'a' cannot be the same length as or shorter than side 'c'."},
    {Solver::SidebSidec, Box::SideB, Box::SideC, Box::SideA, "a = √(b² + c²)", ""},
};

Solution solveTwoSides(const TwoSides &row, double first, double second)
{
    Solution out;
    const bool hypotenuseGiven = row.first == Box::SideA;
    if (hypotenuseGiven && first <= second) {
        out.refusal = refusal("Invalid Entry", row.refusalPrompt);
        return out;
    }

    const double third = hypotenuseGiven
        ? rt::squareRoot(square(first) - square(second))
        : rt::squareRoot(rt::checked(square(first) + square(second)));
    writeSide(out, row.third, third, row.thirdRelation);

    double side[3] = {};
    side[static_cast<int>(row.first)] = first;
    side[static_cast<int>(row.second)] = second;
    side[static_cast<int>(row.third)] = third;
    const double b = side[static_cast<int>(Box::SideB)];
    double c = side[static_cast<int>(Box::SideC)];
    // A hypotenuse equal in size to leg b (possible with negative values)
    // leaves c at exactly 0; this one solver keeps its angle defined.
    if (row.solver == Solver::SideaSideb && c == 0)
        c = 1;
    writeAngle(out, Box::AngleB, toDegrees(std::atan(rt::divide(b, c))), "B = arctan(b / c)");
    writeComplement(out, rt::ReadNumber(out.written.back().text), Box::AngleC);
    return out;
}

// One side and one acute angle given: each missing side is the given side
// multiplied or divided by a function of the given angle.
enum class Trig { Sin, Cos, Tan };
enum class Op { Times, Over };

struct SideFrom {
    Box box;
    Op op;
    Trig trig;
    const char *relation;
};

struct SideAndAngle {
    Solver solver;
    Box side;
    Box angle;
    SideFrom firstWritten;
    SideFrom secondWritten;
    Box otherAngle;
};

const SideAndAngle sideAndAngle[] = {
    {Solver::SideaAngleB, Box::SideA, Box::AngleB,
     {Box::SideB, Op::Times, Trig::Sin, "b = a · sin B"},
     {Box::SideC, Op::Times, Trig::Cos, "c = a · cos B"}, Box::AngleC},
    {Solver::SideaAngleC, Box::SideA, Box::AngleC,
     {Box::SideB, Op::Times, Trig::Cos, "b = a · cos C"},
     {Box::SideC, Op::Times, Trig::Sin, "c = a · sin C"}, Box::AngleB},
    {Solver::SidebAngleB, Box::SideB, Box::AngleB,
     {Box::SideA, Op::Over, Trig::Sin, "a = b / sin B"},
     {Box::SideC, Op::Over, Trig::Tan, "c = b / tan B"}, Box::AngleC},
    {Solver::SidebAngleC, Box::SideB, Box::AngleC,
     {Box::SideA, Op::Over, Trig::Cos, "a = b / cos C"},
     {Box::SideC, Op::Times, Trig::Tan, "c = b · tan C"}, Box::AngleB},
    {Solver::SidecAngleB, Box::SideC, Box::AngleB,
     {Box::SideA, Op::Over, Trig::Cos, "a = c / cos B"},
     {Box::SideB, Op::Times, Trig::Tan, "b = c · tan B"}, Box::AngleC},
    {Solver::SidecAngleC, Box::SideC, Box::AngleC,
     {Box::SideA, Op::Over, Trig::Sin, "a = c / sin C"},
     {Box::SideB, Op::Over, Trig::Tan, "b = c / tan C"}, Box::AngleB},
};

double sideFrom(const SideFrom &how, double side, double radians)
{
    double t = 0;
    switch (how.trig) {
    case Trig::Sin: t = std::sin(radians); break;
    case Trig::Cos: t = std::cos(radians); break;
    case Trig::Tan: t = std::tan(radians); break;
    }
    return how.op == Op::Times ? rt::checked(side * t) : rt::divide(side, t);
}

Solution solveSideAndAngle(const SideAndAngle &row, double side, double angle)
{
    Solution out;
    const double radians = toRadians(angle);
    writeSide(out, row.firstWritten.box, sideFrom(row.firstWritten, side, radians),
              row.firstWritten.relation);
    writeSide(out, row.secondWritten.box, sideFrom(row.secondWritten, side, radians),
              row.secondWritten.relation);
    writeComplement(out, angle, row.otherAngle);
    return out;
}

} // namespace

rt::Refusal refusal(const char *title, const char *prompt)
{
    return {title, prompt, "", rt::MessageStyle::Question};
}

Solution solve(Solver solver, double first, double second)
{
    for (const TwoSides &row : twoSides) {
        if (row.solver == solver)
            return solveTwoSides(row, first, second);
    }
    for (const SideAndAngle &row : sideAndAngle) {
        if (row.solver == solver)
            return solveSideAndAngle(row, first, second);
    }
    return {};
}

const char *const AreaRelation = "Area = b · c / 2";

std::string areaText(double c, double b)
{
    return rt::FormatNumber(rt::divide(rt::checked(c * b), 2), SidePattern);
}

} // namespace dorvic
