#include "kervadin/core/designation.h"

#include "kervadin/core/arithmetic.h"
#include "runtime/numbers.h"

#include <cmath>
#include <numeric>

namespace kervadin {
namespace {

using arithmetic::plain;

const double MillimetresPerInch = 25.4;

// An inch size as a fraction in 64ths ("1/4", "7/8", "1", "1 1/4"), or to
// four places when it is none.
std::string inchSize(double diameter)
{
    // Past a thousand inches no size is a fraction.
    const double sixtyFourths = diameter * 64;
    const int n = diameter > 0 && diameter < 1000
        ? static_cast<int>(rt::RoundToWhole(sixtyFourths))
        : 0;
    if (n <= 0 || std::fabs(sixtyFourths - n) > 1e-6)
        return rt::FormatNumber(diameter, "#0.0000");
    const int whole = n / 64;
    const int part = n % 64;
    const std::string wholeText = whole > 0 ? std::to_string(whole) : std::string();
    if (part == 0)
        return wholeText;
    const int common = std::gcd(part, 64);
    return (whole > 0 ? wholeText + " " : std::string()) + std::to_string(part / common) + "/"
        + std::to_string(64 / common);
}

std::string threadsPerInchText(const CheckedThread &thread)
{
    return plain(threadsPerInch(thread));
}

std::string metricName(double diameter, double pitch)
{
    return "M" + plain(diameter) + " × " + plain(pitch);
}

// As drawings write a trapezoidal thread: "Tr 20×4".
std::string trapezoidalName(double diameter, double pitch)
{
    return "Tr " + plain(diameter) + "×" + plain(pitch);
}

// B.A. number n has a pitch of 0.9ⁿ mm, which the tables give in inches.
std::string britishAssociation(double pitchInches)
{
    const double millimetres = rt::checked(pitchInches * MillimetresPerInch);
    const int number = rt::RoundToInteger(rt::divide(std::log(millimetres), std::log(0.9)));
    const int hundredths = rt::RoundToInteger(rt::checked(millimetres * 100));
    const std::string cents = std::to_string(hundredths % 100);
    return std::to_string(number) + " BA (" + std::to_string(hundredths / 100) + "."
        + (cents.size() < 2 ? "0" : "") + cents + " mm)";
}

std::string standardName(const CheckedThread &thread)
{
    const FamilyRow &row = familyRow(thread.family);
    const StandardSize &size = row.sizes[thread.size];
    switch (row.style) {
    case NameStyle::Unified: {
        const CheckedThread fromRow = standardCheckedThread(thread.family, thread.size);
        return inchSize(size.diameter) + "-" + threadsPerInchText(fromRow) + " " + row.series;
    }
    case NameStyle::British: {
        const CheckedThread fromRow = standardCheckedThread(thread.family, thread.size);
        return inchSize(size.diameter) + " " + row.series + " (" + threadsPerInchText(fromRow)
            + " TPI)";
    }
    case NameStyle::BritishAssociation:
        return britishAssociation(size.pitch);
    case NameStyle::Metric:
        return metricName(size.diameter, size.pitch);
    case NameStyle::Trapezoidal:
        return trapezoidalName(size.diameter, size.pitch);
    }
    return std::string();
}

std::string customName(const CheckedThread &thread)
{
    if (thread.form->naming == NameStyle::Metric)
        return metricName(thread.diameter, thread.pitch);
    if (thread.form->naming == NameStyle::Trapezoidal)
        return trapezoidalName(thread.diameter, thread.pitch);
    return rt::FormatNumber(thread.diameter, "#0.0000") + "-" + threadsPerInchText(thread) + " "
        + thread.form->series;
}

} // namespace

std::string designation(const CheckedThread &thread, const ToleranceClass &toleranceClass)
{
    std::string name = thread.standard() ? standardName(thread) : customName(thread);
    if (offers(thread, toleranceClass))
        name += "-" + className(toleranceClass);
    return name;
}

} // namespace kervadin
