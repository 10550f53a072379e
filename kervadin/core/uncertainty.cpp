#include "kervadin/core/uncertainty.h"

#include "kervadin/core/arithmetic.h"
#include "runtime/numbers.h"

#include <cmath>

namespace kervadin {
namespace {

using namespace arithmetic;

// The part's expansion per degree Celsius, as of steel.
constexpr double Expansion = 11.5e-6;
const double RootThree = std::sqrt(3.0);

// How each input is named, read and shown: its name in the budget and in a
// refusal, the unit it is typed in beyond the thread's, and whether it is a
// bound (±) or a value.
struct InputRow {
    UncertaintyInput input;
    CheckField field;
    const char *name;    // in the budget, and "left out"
    const char *subject; // a refusal's first line
    const char *correct; // a refusal's second line
};
const InputRow Inputs[UncertaintyInputCount] = {
    {UncertaintyInput::Micrometer, CheckField::Micrometer, "micrometer",
     "The micrometer's largest error", "the micrometer's error"},
    {UncertaintyInput::Wires, CheckField::Wires, "wires", "The wires' certificate uncertainty",
     "the wires' uncertainty"},
    {UncertaintyInput::Repeatability, CheckField::Repeatability, "repeatability",
     "The repeatability of a reading", "the repeatability"},
    {UncertaintyInput::Pitch, CheckField::PitchError, "pitch", "The pitch error",
     "the pitch error"},
    {UncertaintyInput::HalfAngle, CheckField::HalfAngleError, "half-angle",
     "The half-angle error", "the half-angle error"},
    {UncertaintyInput::Temperature, CheckField::Temperature, "temperature",
     "The temperature difference", "the temperature difference"},
};

// Lengths of the budget, a millionth of the thread's unit.
struct Small {
    Unit unit;
    const char *name() const { return unit == Unit::Millimetre ? "µm" : "µin"; }
    std::string operator()(double length) const
    {
        return rt::FormatNumber(multiply(length, 1e6 / (unit == Unit::Millimetre ? 1e3 : 1)),
                                unit == Unit::Millimetre ? "#0.00" : "#0.0")
            + " " + name();
    }
};

// One line of the budget: the input, its standard uncertainty in the
// thread's unit, its sensitivity and how the line reads.
struct Line {
    UncertaintyInput input;
    double contribution = 0;
    std::string text;
};

// The readings' standard deviation (n − 1), and how many there are.
struct Scatter {
    int count = 0;
    double deviation = 0;
};

Scatter scatterOf(const ReadingValues &readings)
{
    Scatter s;
    double sum = 0;
    for (const std::optional<double> &r : readings) {
        if (r) {
            sum = add(sum, *r);
            ++s.count;
        }
    }
    if (s.count < 2)
        return s;
    const double mean = sum / s.count;
    double squares = 0;
    for (const std::optional<double> &r : readings) {
        if (r)
            squares = add(squares, multiply(*r - mean, *r - mean));
    }
    s.deviation = rt::squareRoot(squares / (s.count - 1));
    return s;
}

struct Working {
    const BudgetGeometry &g;
    Small small;
    std::string unit;
    double half;   // the half angle, radians
    Scatter scatter;
};

// The line of an input given as `value`, or none for the repeatability when
// the readings' scatter takes its place (then `value` is not used).
Line lineOf(const Working &w, UncertaintyInput input, const std::string &typed, double value)
{
    const BudgetGeometry &g = w.g;
    const double sine = std::sin(w.half);
    const std::string t = withoutBlanks(typed);
    Line line{input, 0, {}};
    double standard = 0, sensitivity = 1;
    switch (input) {
    case UncertaintyInput::Micrometer:
        standard = value / RootThree;
        line.text = "Micrometer " + t + " " + w.unit + ", rectangular, × 1";
        break;
    case UncertaintyInput::Wires:
        standard = value / 2;
        sensitivity = 1 + rt::divide(1, sine);
        line.text = "Wires " + t + " " + w.unit + " at k = 2, × "
            + rt::FormatNumber(sensitivity, "#0.000");
        break;
    case UncertaintyInput::Repeatability:
        if (w.scatter.count >= 2) {
            standard = w.scatter.deviation;
            line.text = "Repeatability, s = " + w.small(standard) + " of "
                + std::to_string(w.scatter.count) + " readings, × 1";
        } else {
            standard = value;
            line.text = "Repeatability " + t + " " + w.unit + ", × 1";
        }
        break;
    case UncertaintyInput::Pitch:
        standard = value / RootThree;
        sensitivity = rt::divide(std::cos(w.half), 2 * sine);
        line.text = "Pitch ±" + t + " " + w.unit + ", rectangular, × "
            + rt::FormatNumber(sensitivity, "#0.000");
        break;
    case UncertaintyInput::HalfAngle:
        standard = radians(value / 60) / RootThree;
        sensitivity = std::fabs(rt::divide(subtract(g.wire * std::cos(w.half), g.pitch / 2),
                                           sine * sine));
        line.text = "Half-angle ±" + t + "', rectangular, × "
            + rt::FormatNumber(sensitivity, "#0.0000") + " " + w.unit + "/rad";
        break;
    case UncertaintyInput::Temperature:
        standard = value / RootThree;
        sensitivity = multiply(Expansion, g.basic);
        line.text = "Temperature ±" + t + " °C, rectangular, × " + w.small(sensitivity) + "/°C";
        break;
    }
    line.contribution = multiply(rt::checked(standard), sensitivity);
    return line;
}

std::string list(const std::vector<std::string> &names)
{
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

} // namespace

const char *lengthSymbol(Unit unit)
{
    return unit == Unit::Millimetre ? "mm" : "in";
}

Budget workBudget(const BudgetGeometry &geometry, const UncertaintyEntry &entry,
                  const ReadingValues &readings)
{
    Budget budget;
    const std::string unit = lengthSymbol(geometry.unit);
    const EntryReading typed = readEntry(entry.expanded);
    if (typed.form == EntryForm::Number) {
        budget.given = true;
        budget.expanded = asShown(typed.value);
        budget.text = "U = " + shown(budget.expanded) + " " + unit
            + " (k = 2), the laboratory's own: the budget is set aside.";
        return budget;
    }
    const Working w{geometry, Small{geometry.unit}, unit, radians(geometry.angle / 2),
                    scatterOf(readings)};
    std::vector<Line> lines;
    std::vector<std::string> leftOut;
    bool typedAny = false;
    for (const InputRow &row : Inputs) {
        const EntryReading value = readEntry(entry[row.input]);
        typedAny = typedAny || value.form == EntryForm::Number;
        const bool scatter = row.input == UncertaintyInput::Repeatability && w.scatter.count >= 2;
        if (value.form == EntryForm::Number || scatter)
            lines.push_back(lineOf(w, row.input, entry[row.input], value.value));
        else
            leftOut.push_back(row.name);
    }
    // The readings' scatter alone is no budget: something must be typed.
    if (!typedAny) {
        budget.text = "Type what is known of the measurement, or the laboratory's U: until then "
                      "the readings are taken as exact.";
        return budget;
    }
    double squares = 0;
    std::size_t largest = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        squares = add(squares, multiply(lines[i].contribution, lines[i].contribution));
        if (lines[i].contribution > lines[largest].contribution)
            largest = i;
    }
    const double u = rt::squareRoot(squares);
    budget.given = true;
    budget.expanded = asShown(multiply(2, u));
    for (std::size_t i = 0; i < lines.size(); ++i) {
        budget.text += lines[i].text + ": " + w.small(lines[i].contribution)
            + (i == largest && lines.size() > 1 ? ", the largest" : "") + "\n";
    }
    if (!leftOut.empty())
        budget.text += "Left out: " + list(leftOut) + ".\n";
    budget.text += "u = " + w.small(u) + "; U = 2u = " + shown(budget.expanded) + " " + unit
        + " (k = 2).";
    return budget;
}

CheckRefusal refuseUncertainty(const UncertaintyEntry &entry)
{
    for (const InputRow &row : Inputs) {
        CheckRefusal refusal = entryRefusal(readEntry(entry[row.input]), row.field,
                                            "Bad Uncertainty", row.subject, row.correct);
        if (refusal.refuses())
            return refusal;
    }
    return entryRefusal(readEntry(entry.expanded), CheckField::Expanded, "Bad Uncertainty",
                        "The laboratory's U", "U");
}

} // namespace kervadin
