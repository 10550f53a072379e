#include "kervadin/core/threadrules.h"

#include "kervadin/core/arithmetic.h"
#include "kervadin/core/threadform.h"
#include "runtime/numbers.h"

namespace kervadin {
namespace {

using arithmetic::shortest;

std::string timesP(double factor)
{
    return shortest(factor) + " × P";
}

// Custom threads: 55° inch, metric (60°), and 60° inch (unified); then the
// forms and units the custom window adds, each by its form's wire sizes.
constexpr RecordRule CustomWhitworthRule{&WhitworthForm, 0.6403, "#0.000", "#0.0000", "#0.000",
                                         false, 0.76, 0.54, 0.564, Unit::Inch};
constexpr RecordRule CustomMetricRule{&MetricForm, 0.6493, "#0.000", "#0.000", "#0.000",
                                      false, 0.9, 0.56, 0.577, Unit::Millimetre};
constexpr RecordRule CustomUnifiedRule{&UnifiedForm, 0.6134, "#0.000", "#0.000", "#0.000",
                                       false, 0.9, 0.56, 0.577, Unit::Inch};
constexpr RecordRule CustomWhitworthMillimetreRule{
    &WhitworthForm, 0.6403, "#0.000", "#0.000", "#0.000", false, 0.76, 0.54, 0.564,
    Unit::Millimetre};
constexpr RecordRule CustomAcmeRule{&AcmeForm, 0.5, "#0.0000", "#0.0000", "#0.0000", false,
                                    AcmeForm.largestWire, AcmeForm.smallestWire,
                                    AcmeForm.bestWire, Unit::Inch};
constexpr RecordRule CustomAcmeMillimetreRule{&AcmeForm, 0.5, "#0.000", "#0.000", "#0.000",
                                              false, AcmeForm.largestWire, AcmeForm.smallestWire,
                                              AcmeForm.bestWire, Unit::Millimetre};
constexpr RecordRule CustomTrapezoidalRule{
    &TrapezoidalForm, 0.5, "#0.000", "#0.000", "#0.000", false, TrapezoidalForm.largestWire,
    TrapezoidalForm.smallestWire, TrapezoidalForm.bestWire, Unit::Millimetre,
    trapezoidalClearance};
constexpr RecordRule CustomTrapezoidalInchRule{
    &TrapezoidalForm, 0.5, "#0.0000", "#0.0000", "#0.0000", false, TrapezoidalForm.largestWire,
    TrapezoidalForm.smallestWire, TrapezoidalForm.bestWire, Unit::Inch};

// The three wire sizes of a rule for a pitch, unrounded.
struct WireSizes {
    double maximum;
    double minimum;
    double preferred;
};

WireSizes wireSizes(const RecordRule &rule, double pitch)
{
    if (rule.threadsPerUnitWires) {
        const double threadsPerUnit = rt::divide(1, pitch);
        return {rt::divide(rule.maxFactor, threadsPerUnit), rt::divide(pitch, 2),
                rt::checked(rule.preferredFactor * pitch)};
    }
    return {rt::checked(rule.maxFactor * pitch), rt::checked(rule.minFactor * pitch),
            rt::checked(rule.preferredFactor * pitch)};
}

int helixMinutes(double diameter, double pitch, double depthFactor)
{
    const double effective = rt::checked(diameter - rt::checked(depthFactor * pitch));
    return rt::RoundToInteger(rt::checked(rt::divide(pitch, effective) * 1094));
}

std::string helixCaption(int minutes)
{
    const int degrees = minutes / 60;   // toward zero
    const int remainder = minutes % 60; // sign of minutes
    return rt::NumberToText(degrees) + " °" + rt::NumberToText(remainder) + " '";
}

// The refusals of Calculate and of a custom thread, as their messages say
// them: the title, what is wrong, what to do.
const rt::Refusal NoWire{"No Wire", "A wire size has not been entered.", "Please enter wire size and try again."};
const rt::Refusal SmallWire{"Small Wire", "Wire size is less than minimum allowed.", "Please enter another wire size."};
const rt::Refusal LargeWire{"Large Wire", "Wire size is greater than maximum allowed.", "Please enter another wire size."};
const rt::Refusal NoDiameter{"no Diameter", "A diameter has not been entered.", "Please enter thread diameter and try again."};
const rt::Refusal NoPitch{"no Pitch", "A pitch or TPI has not been entered.", "Please enter thread pitch or TPI and try Again."};
const rt::Refusal NoAngle{"no Angle", "A thread angle has not been entered.", "Please enter a thread angle and try Again."};

} // namespace

double depthOfThread(const RecordRule &rule, double pitch)
{
    const double depth = rt::checked(rule.depthFactor * pitch);
    return rule.crestClearance ? rt::checked(depth + rule.crestClearance(pitch)) : depth;
}

const char *unitName(Unit unit)
{
    return unit == Unit::Millimetre ? "millimeters" : "inches";
}

const char *unitSymbol(Unit unit)
{
    return unit == Unit::Millimetre ? "mm" : "inch";
}

ThreadRecord threadRecord(const RecordRule &rule, const std::string &name, double diameter,
                          double pitch, const std::string &helix, const std::string &diameterText)
{
    ThreadRecord r;
    r.name = name;
    r.diameterNumber = diameterText.empty() ? rt::FormatNumber(diameter, rule.diameterPattern)
                                            : diameterText;
    r.diameter = diameterText.empty() ? r.diameterNumber : diameterText + " mm";
    r.depth = rt::FormatNumber(depthOfThread(rule, pitch), rule.depthPattern);
    r.pitch = rt::FormatNumber(pitch, rule.pitchPattern);
    r.angle = rule.form->angleCaption;
    r.helix = helix;
    r.unit = rule.unit;
    const WireSizes wires = wireSizes(rule, pitch);
    r.maximum = rt::FormatNumber(wires.maximum, "#0.0000");
    r.minimum = rt::FormatNumber(wires.minimum, "#0.0000");
    r.preferred = rt::FormatNumber(wires.preferred, "#0.0000");
    if (rule.threadsPerUnitWires) {
        r.maximumFormula = shortest(rule.maxFactor) + " ÷ (1 ÷ P)";
        r.minimumFormula = "P ÷ 2";
    } else {
        r.maximumFormula = timesP(rule.maxFactor);
        r.minimumFormula = timesP(rule.minFactor);
    }
    r.preferredFormula = timesP(rule.preferredFactor);
    return r;
}

std::string Helangle(double diameter, double pitch, double depthFactor)
{
    return helixCaption(helixMinutes(diameter, pitch, depthFactor));
}

namespace {

// A custom thread in millimetres: metric, unless a lead screw's angle is
// chosen, or with millimetres chosen a 55° one.
void takeMillimetreKind(CustomThread &t, CustomAngle angle, CustomUnit unit)
{
    switch (angle) {
    case CustomAngle::Deg29:
        t.kind = CustomKind::AcmeMillimetre;
        t.name = "Acme Thread";
        return;
    case CustomAngle::Deg30:
        t.kind = CustomKind::Trapezoidal;
        t.name = "Trapezoidal Thread";
        return;
    case CustomAngle::Deg55:
        if (unit == CustomUnit::Millimetre) {
            t.kind = CustomKind::WhitworthMillimetre;
            // Shown exactly so, as users know it; not to be tidied.
            t.name = "Whitwoth Form";
            return;
        }
        break;
    case CustomAngle::None:
    case CustomAngle::Deg60:
        break;
    }
    t.kind = CustomKind::Metric;
    t.name = "Metric Thread";
}

// A custom thread in inches, by the angle chosen; with none it is refused.
void takeInchKind(CustomThread &t, CustomAngle angle)
{
    switch (angle) {
    case CustomAngle::Deg55:
        t.kind = CustomKind::Whitworth;
        // Shown exactly so, as users know it; not to be tidied.
        t.name = "Whitwoth Form";
        return;
    case CustomAngle::Deg60:
        t.kind = CustomKind::Unified;
        t.name = "Unified Thread";
        return;
    case CustomAngle::Deg29:
        t.kind = CustomKind::Acme;
        t.name = "Acme Thread";
        return;
    case CustomAngle::Deg30:
        t.kind = CustomKind::TrapezoidalInch;
        t.name = "Trapezoidal Thread";
        return;
    case CustomAngle::None:
        break;
    }
    t.refusal = NoAngle;
}

} // namespace

CustomThread customThread(const std::string &diameterText, const std::string &pitchText,
                          CustomAngle angle, CustomUnit unit)
{
    CustomThread t;
    t.diameterText = diameterText;
    t.pitchText = pitchText;
    t.angle = angle;
    if (diameterText.empty()) {
        t.refusal = NoDiameter;
        return t;
    }
    if (pitchText.empty()) {
        t.refusal = NoPitch;
        return t;
    }
    t.diameter = rt::ReadNumber(diameterText);
    const double entry = rt::ReadNumber(pitchText);
    // Above 2 the diameter can only be millimetres, unless inches are chosen.
    if (unit == CustomUnit::Millimetre || (unit == CustomUnit::None && t.diameter > 2)) {
        t.pitch = entry;
        takeMillimetreKind(t, angle, unit);
        return t;
    }
    // An inch thread: an entry above 1 is threads per inch.
    if (entry > 1) {
        t.threadsPerInch = entry;
        t.pitch = rt::divide(1, entry);
    } else {
        t.pitch = entry;
    }
    takeInchKind(t, angle);
    return t;
}

const RecordRule &customRule(CustomKind kind)
{
    switch (kind) {
    case CustomKind::Metric: return CustomMetricRule;
    case CustomKind::Unified: return CustomUnifiedRule;
    case CustomKind::WhitworthMillimetre: return CustomWhitworthMillimetreRule;
    case CustomKind::Acme: return CustomAcmeRule;
    case CustomKind::AcmeMillimetre: return CustomAcmeMillimetreRule;
    case CustomKind::Trapezoidal: return CustomTrapezoidalRule;
    case CustomKind::TrapezoidalInch: return CustomTrapezoidalInchRule;
    case CustomKind::Whitworth: break;
    }
    return CustomWhitworthRule;
}

ThreadRecord customRecord(const CustomThread &thread)
{
    const RecordRule &rule = customRule(thread.kind);
    const std::string helix = Helangle(thread.diameter, thread.pitch, rule.depthFactor);
    return threadRecord(rule, thread.name, thread.diameter, thread.pitch, helix,
                        rule.unit == Unit::Millimetre ? thread.diameterText : std::string());
}

Measurement measure(const ThreadForm *f, const ShownRecord &shown, const std::string &wireText)
{
    Measurement m;
    m.wire = rt::ReadNumber(wireText);
    const double diameter = rt::ReadNumber(shown.diameter);
    const double pitch = rt::ReadNumber(shown.pitch);

    if (wireText.empty()) {
        m.refusal = NoWire;
        return m;
    }
    if (rt::ReadNumber(shown.minimum) > m.wire) {
        m.refusal = SmallWire;
        return m;
    }
    if (rt::ReadNumber(shown.maximum) < m.wire) {
        m.refusal = LargeWire;
        return m;
    }
    if (!f)
        return m;
    const double over = rt::checked(rt::checked(diameter - rt::checked(f->pitchFactor * pitch))
                                    + rt::checked(f->wireFactor * m.wire));
    m.measured = true;
    m.overWires = rt::FormatNumber(over, "#0.0000");

    const std::string &d = shown.diameterNumber;
    const std::string a = shortest(f->pitchFactor);
    const std::string b = shortest(f->wireFactor);
    m.working = "M = D − " + a + " × P + " + b + " × W = " + d + " − " + a + " × " + shown.pitch
        + " + " + b + " × " + rt::FormatNumber(m.wire, "#0.0000");
    return m;
}

} // namespace kervadin
