#include "dorvic/core/sinebar.h"

#include "dorvic/core/gaugeblocks.h"
#include "dorvic/core/solvers.h"
#include "runtime/entry.h"
#include "runtime/numbers.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace dorvic {
namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double SecondsPerRadian = 180 / Pi * 3600;

using Refusal = rt::FieldRefusal<SineField>;

Refusal refuseField(SineField field, const std::string &prompt)
{
    Refusal r;
    static_cast<rt::Refusal &>(r) = refusal("Invalid Entry", ("Invalid entry. " + prompt).c_str());
    r.field = field;
    return r;
}

// What separates the numbers of an angle: blanks and the marks of degrees,
// minutes and seconds, typed plainly or as their own characters.
const char *const AngleMarks[] = {" ", "\t", "\r", "\n", "\xc2\xb0" /* ° */, "\xc2\xba" /* º */,
                                  "'", "\"", "\xe2\x80\xb2" /* ′ */, "\xe2\x80\xb3" /* ″ */,
                                  "\xe2\x80\x99" /* ’ */, "\xe2\x80\x9d" /* ” */};

std::vector<std::string> angleFields(const std::string &text)
{
    std::vector<std::string> fields(1);
    for (size_t i = 0; i < text.size();) {
        size_t mark = 0;
        for (const char *m : AngleMarks) {
            if (text.compare(i, std::char_traits<char>::length(m), m) == 0)
                mark = std::char_traits<char>::length(m);
        }
        if (mark == 0) {
            fields.back() += text[i++];
            continue;
        }
        if (!fields.back().empty())
            fields.emplace_back();
        i += mark;
    }
    if (fields.back().empty())
        fields.pop_back();
    return fields;
}

// A number of a box by the triangle window's rule; none when it is too
// large to hold.
std::optional<double> readLength(const std::string &text)
{
    try {
        return rt::ReadNumber(text);
    } catch (const rt::ArithmeticFault &) {
        return std::nullopt;
    }
}

bool blank(const std::string &text)
{
    return rt::withoutBlanks(text).empty();
}

} // namespace

std::optional<double> readAngle(const std::string &text)
{
    const std::vector<std::string> fields = angleFields(text);
    if (fields.empty() || fields.size() > 3)
        return std::nullopt;
    double degrees = 0;
    double scale = 1;
    for (size_t i = 0; i < fields.size(); ++i) {
        const std::optional<double> value = readLength(fields[i]);
        if (!value || *value < 0 || (i > 0 && *value >= 60))
            return std::nullopt;
        // Only the last number may have a fraction: 31.5 15 is no angle.
        if (i + 1 < fields.size() && *value != std::floor(*value))
            return std::nullopt;
        degrees += *value / scale;
        scale *= 60;
    }
    if (!(degrees > 0 && degrees < 90))
        return std::nullopt;
    return degrees;
}

std::string degreesMinutesSeconds(double degrees)
{
    const long long tenths = rt::RoundToWhole(degrees * 36000);
    const std::string seconds = rt::FormatNumber(static_cast<double>(tenths % 600) / 10, "#0.0");
    return std::to_string(tenths / 36000) + "\xc2\xb0 " + std::to_string(tenths / 600 % 60) + "' "
        + seconds + "\"";
}

namespace {

// What the entries give: the bar, the angle asked (degrees), the height and
// the blocks in the box.
struct Worked {
    double bar = 0;
    double angle = 0;
    double height = 0;
    std::vector<Units> inBox;
};

const char *const AngleRule = "The 'Angle' must be more than 0 and less than 90 degrees: decimal "
                              "degrees (31.25), or degrees, minutes and seconds under 60 "
                              "(31°15', 31 15, 31 15 30).";

// The blocks of the set not listed as out of the box; the first size listed
// that is no block of the set is refused.
std::optional<Refusal> readMissing(const BlockSet &set, const std::string &text, Worked &w)
{
    std::vector<Units> out;
    std::string token;
    for (size_t i = 0; i <= text.size(); ++i) {
        const char c = i < text.size() ? text[i] : ' ';
        if (c != ',' && c != ';' && c != '+' && c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            token += c;
            continue;
        }
        if (token.empty())
            continue;
        const std::optional<double> size = readLength(token);
        const std::optional<Units> block = size ? set.blockOf(*size) : std::nullopt;
        if (!block)
            return refuseField(SineField::Missing, "'Blocks Out' lists " + token
                                                       + ", which is not a block of the "
                                                       + set.name() + " set.");
        out.push_back(*block);
        token.clear();
    }
    for (Units b : set.blocks()) {
        if (std::find(out.begin(), out.end(), b) == out.end())
            w.inBox.push_back(b);
    }
    return std::nullopt;
}

std::optional<Refusal> readGiven(const SineBarEntry &entry, const BlockSet &set, Worked &w)
{
    const std::optional<double> bar = readLength(entry.barLength);
    if (!bar || !(*bar > 0))
        return refuseField(SineField::BarLength, "The 'Bar Length' must be a number more than 0.");
    w.bar = *bar;
    if (entry.given == Given::Angle) {
        const std::optional<double> angle = readAngle(entry.angle);
        if (!angle)
            return refuseField(SineField::Angle, AngleRule);
        w.angle = *angle;
        w.height = rt::checked(w.bar * std::sin(w.angle * Pi / 180));
        return std::nullopt;
    }
    const std::optional<double> height = readLength(entry.height);
    if (!height || !(*height > 0) || !(*height < w.bar))
        return refuseField(SineField::Height, "The 'Height' must be more than 0 and less than the "
                                              "bar length, " + rt::withoutBlanks(rt::NumberToText(w.bar))
                                              + " " + set.unitText() + ".");
    w.height = *height;
    w.angle = std::asin(w.height / w.bar) * 180 / Pi;
    return std::nullopt;
}

// The height as shown (the set's places and one more) and in tenths of the
// set's last place.
std::string heightText(const BlockSet &set, double height)
{
    return rt::FormatNumber(height, set.places() >= 4 ? "#0.00000" : "#0.0000");
}

Units tenthsOf(const std::string &shown)
{
    std::string digits;
    for (char c : shown) {
        if (c != '.')
            digits += c;
    }
    return std::stoll(digits);
}

// The stack for the height shown, or why there is none.
std::optional<Refusal> findStack(const SineBarEntry &entry, const BlockSet &set, const Worked &w,
                                 Stack &stack)
{
    const SineField field = entry.given == Given::Angle ? SineField::Angle : SineField::Height;
    const std::string shown = heightText(set, w.height);
    Units tallest = 0;
    for (Units b : w.inBox)
        tallest += b;
    const std::string range = w.inBox.empty() ? std::string("no block is left in the box.")
        : "the blocks in the box build from " + set.blockText(w.inBox.front()) + " to "
            + set.lengthText(tallest) + " " + set.unitText() + ".";
    const Refusal unreachable = refuseField(
        field, "The height " + shown + " " + set.unitText() + " cannot be built: " + range);
    if (w.inBox.empty() || w.height > set.length(tallest) + 1)
        return unreachable;
    const Units target = tenthsOf(shown);
    const Units tenths = set.tenthsPerUnit();
    if (2 * target < (2 * w.inBox.front() - set.resolution()) * tenths
        || 2 * target > (2 * tallest + set.resolution()) * tenths)
        return unreachable;
    stack = nearestStack(set, w.inBox, target);
    if (!(set.length(stack.height) < w.bar))
        return refuseField(field, "The stack for the height " + shown + " " + set.unitText()
                                      + " would not be lower than the bar length.");
    return std::nullopt;
}

} // namespace
namespace {

std::string stackText(const BlockSet &set, const Stack &stack)
{
    std::string text;
    for (Units b : stack.blocks)
        text += (text.empty() ? "" : " + ") + set.blockText(b);
    const size_t n = stack.blocks.size();
    return text + " = " + set.lengthText(stack.height) + " " + set.unitText() + ", "
        + std::to_string(n) + (n == 1 ? " block" : " blocks");
}

// The angle the stack gives and how far it is from the one asked.
std::string givenText(double given, double asked)
{
    const double seconds = (given - asked) * 3600;
    const std::string off = rt::FormatNumber(std::fabs(seconds), "#0.0");
    const std::string against = off == "0.0" ? "the angle asked"
        : off + "\" " + (seconds < 0 ? "under" : "over") + " the angle asked";
    return degreesMinutesSeconds(given) + " (" + rt::FormatNumber(given, "#0.0####")
        + "\xc2\xb0), " + against;
}

SineBarTexts texts(const SineBarEntry &entry, const BlockSet &set, const Worked &w,
                   const Stack &stack)
{
    SineBarTexts t;
    t.unit = set.unitText();
    t.followed = entry.given == Given::Angle ? heightText(set, w.height)
                                             : rt::FormatNumber(w.angle, "#0.0####");
    t.angleForms = rt::FormatNumber(w.angle, "#0.0####") + "\xc2\xb0 = "
        + degreesMinutesSeconds(w.angle);
    // dθ = dH / (L cos θ): what one step of the smallest block moves the angle here.
    const double perStep = rt::divide(set.length(set.resolution()),
                                      w.bar * std::cos(w.angle * Pi / 180)) * SecondsPerRadian;
    t.perStep = rt::FormatNumber(perStep, "#0.0") + "\" per " + set.lengthText(set.resolution())
        + " " + set.unitText();
    t.blocks = stackText(set, stack);
    const double given = std::asin(set.length(stack.height) / w.bar) * 180 / Pi;
    t.angleGiven = givenText(rt::checked(given), w.angle);
    return t;
}

} // namespace

SineBar workOut(const SineBarEntry &entry)
{
    const std::vector<BlockSet> &sets = blockSets();
    const BlockSet &set = sets[entry.set < sets.size() ? entry.set : 0];
    SineBar result;
    result.texts.unit = set.unitText();
    const std::string &given = entry.given == Given::Angle ? entry.angle : entry.height;
    if (blank(entry.barLength) || blank(given))
        return result;
    Worked w;
    std::optional<Refusal> refused = readGiven(entry, set, w);
    if (!refused)
        refused = readMissing(set, entry.missing, w);
    Stack stack;
    if (!refused)
        refused = findStack(entry, set, w, stack);
    if (refused) {
        result.refusal = *refused;
        return result;
    }
    result.texts = texts(entry, set, w, stack);
    return result;
}

} // namespace dorvic
