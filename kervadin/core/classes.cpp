#include "kervadin/core/classes.h"

#include "kervadin/core/arithmetic.h"
#include "kervadin/core/checkentry.h"
#include "kervadin/core/designation.h"
#include "kervadin/core/threadform.h"
#include "runtime/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace kervadin {
namespace {

using namespace arithmetic;

// A thread too small for its pitch has no class: why, naming the thread
// and `what` it cannot have ("no class", "class 6g"); empty when its basic
// pitch diameter is above 0.
std::string tooSmall(const CheckedThread &thread, const std::string &what)
{
    const double basic = asShown(basicPitchDiameter(*thread.form, thread.diameter, thread.pitch));
    if (basic > 0)
        return std::string();
    return designation(thread) + " cannot have " + what + ": its basic pitch diameter is "
        + shown(basic) + ", not above 0.";
}

// Limits that are not above 0 are no limits: the problem names the thread.
ClassLimits aboveZero(const CheckedThread &thread, const ToleranceClass &toleranceClass,
                      ClassLimits limits)
{
    if (!limits.offered)
        return limits;
    const std::string what = "class " + toleranceClass.name();
    ClassLimits none;
    none.problem = tooSmall(thread, what);
    const std::pair<const char *, double> values[] = {
        {"maximum pitch diameter", limits.maximum},
        {"minimum pitch diameter", limits.minimum},
        {"minimum major diameter", limits.majorMinimum},
    };
    for (const auto &[name, value] : values) {
        if (none.problem.empty() && value <= 0)
            none.problem = designation(thread) + " cannot have " + what + ": its " + name
                + " would be " + shown(value) + ", not above 0.";
    }
    return none.problem.empty() ? limits : none;
}

// Whether a system offers a class by its name.
bool offersByName(const ClassSystem &system, const std::string &name)
{
    for (const ClassOffer &offer : system.offered()) {
        if (name == offer.name)
            return true;
    }
    return false;
}

// Why a thread offers no class at all.
std::string noClass(const CheckedThread &thread)
{
    if (thread.form->classes && thread.pitch > 0 && thread.starts != 1)
        return "The classes are for threads of one start: type the limits from the drawing.";
    return "This thread has no classes: type the limits from the drawing.";
}

} // namespace

void ClassLimits::showPitch(double maximumValue, double minimumValue)
{
    maximum = asShown(maximumValue);
    minimum = asShown(minimumValue);
    maximumText = shown(maximum);
    minimumText = shown(minimum);
}

void ClassLimits::showMajor(double maximumValue, double minimumValue)
{
    majorMaximum = asShown(maximumValue);
    majorMinimum = asShown(minimumValue);
    majorMaximumText = shown(majorMaximum);
    majorMinimumText = shown(majorMinimum);
}

std::string micrometres(long long value)
{
    const std::string size = rt::FormatNumber(std::llabs(value) / 1000.0, "#0.000");
    return value < 0 ? "−" + size : size;
}

CheckedThread standardCheckedThread(Family family, int size)
{
    const FamilyRow &row = familyRow(family);
    const StandardSize &s = row.sizes[size];
    CheckedThread t;
    t.family = family;
    t.size = size;
    t.diameter = s.diameter;
    t.pitch = s.pitch;
    t.form = row.rule.form;
    t.unit = row.rule.unit;
    t.depth = depthOfThread(row.rule, s.pitch);
    if (hasWholeThreadsPerInch(family)) {
        t.threadsPerInch = wholeThreadsPerInch(s);
        t.pitch = rt::divide(1, t.threadsPerInch);
    }
    return t;
}

CheckedThread customCheckedThread(const CustomThread &thread)
{
    CheckedThread t;
    t.diameter = thread.diameter;
    t.pitch = thread.pitch;
    const RecordRule &rule = customRule(thread.kind);
    t.form = rule.form;
    t.unit = rule.unit;
    t.depth = depthOfThread(rule, thread.pitch);
    if (t.unit == Unit::Inch && t.pitch > 0)
        t.threadsPerInch = threadsPerInch(t);
    return t;
}

double threadsPerInch(const CheckedThread &thread)
{
    if (thread.threadsPerInch > 0)
        return thread.threadsPerInch;
    const double n = rt::divide(1, thread.pitch);
    const double whole = std::round(n);
    return std::fabs(n - whole) <= 1e-6 * whole ? whole : n;
}

ToleranceClass::ToleranceClass(const std::string &designation) : m_name(withoutBlanks(designation)) {}

const ToleranceClass ToleranceClass::None;
const ToleranceClass ToleranceClass::Class1A("1A");
const ToleranceClass ToleranceClass::Class2A("2A");
const ToleranceClass ToleranceClass::Class3A("3A");
const ToleranceClass ToleranceClass::Class6g("6g");
const ToleranceClass ToleranceClass::Class6h("6h");

const ClassSystem *classSystem(const CheckedThread &thread)
{
    if (!thread.form->classes || !(thread.pitch > 0))
        return nullptr;
    const ClassSystem *system = thread.form->classes();
    return thread.starts == 1 || system->severalStarts() ? system : nullptr;
}

std::vector<const ClassSystem *> classSystems()
{
    std::vector<const ClassSystem *> systems;
    for (const ThreadForm *form : ThreadForms) {
        const ClassSystem *system = form->classes ? form->classes() : nullptr;
        if (system && std::find(systems.begin(), systems.end(), system) == systems.end())
            systems.push_back(system);
    }
    return systems;
}

bool offers(const CheckedThread &thread, const ToleranceClass &toleranceClass)
{
    return classLimits(thread, toleranceClass).offered;
}

ClassLimits classLimits(const CheckedThread &thread, const ToleranceClass &toleranceClass)
{
    ClassLimits out;
    if (toleranceClass.isNone())
        return out;
    const ClassSystem *system = classSystem(thread);
    if (!system) {
        out.problem = noClass(thread);
        return out;
    }
    // A class offered by name by a different system of classes is named as such.
    const std::string &name = toleranceClass.name();
    if (!offersByName(*system, name)) {
        for (const ThreadForm *form : ThreadForms) {
            const ClassSystem *other = form->classes ? form->classes() : nullptr;
            if (other && other != system && offersByName(*other, name)) {
                out.problem = quotedPiece(name, LongestClass) + " is a class of " + form->aThread
                    + ", not of " + thread.form->aThread + ".";
                return out;
            }
        }
    }
    return aboveZero(thread, toleranceClass, system->limits(thread, toleranceClass));
}

ClassesHad classesHad(const CheckedThread &thread)
{
    ClassesHad had;
    const ClassSystem *system = classSystem(thread);
    if (!system)
        return had;
    for (const ClassOffer &offer : system->offered()) {
        const ClassLimits limits = classLimits(thread, ToleranceClass(offer.name));
        if (limits.offered)
            had.names.push_back(offer.name);
        else if (had.problem.empty())
            had.problem = limits.problem;
    }
    if (!had.names.empty())
        had.problem.clear();
    else if (const std::string why = tooSmall(thread, "a class"); !why.empty())
        had.problem = why;
    return had;
}

} // namespace kervadin
