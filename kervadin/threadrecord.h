#pragma once
// Writing the thread record: the one algorithm behind every standard family
// and every custom thread. They differ only in the constants of their rule.

#include <QString>
#include <functional>

namespace kervadin {

class FrmKervadin3;

struct RecordRule {
    const char *angleCaption;  // "55°", "60°" or "47.5°"
    double depthFactor;        // depth of thread = factor x P
    const char *diameterPattern;
    const char *depthPattern;
    const char *pitchPattern;
    // Wire sizes: factor x P; B.A. alone takes 0.73 / (1 / P) and P / 2.
    bool threadsPerUnitWires;
    double maxFactor;
    double minFactor;
    double preferredFactor;
    const char *unitsWord;     // "inches." or "millimeters."
};

// Standard families.
extern const RecordRule BsfRule;
extern const RecordRule WhitworthRule;
extern const RecordRule UnfRule;
extern const RecordRule UncRule;
extern const RecordRule MetricRule;
extern const RecordRule BaRule;
// Custom threads.
extern const RecordRule CustomWhitworthRule;
extern const RecordRule CustomMetricRule;
extern const RecordRule CustomUnifiedRule;

// Writes the record on the measurement window in this order: name, diameter
// (diameterText when given, else D by the rule's pattern), depth, pitch,
// thread angle, units caption, helix angle (by writeHelix, which may write
// nothing more than lblHangle and may throw an arithmetic fault), maximum,
// minimum and preferred wire, each wire size with its formula as tooltip;
// then puts the focus in txtActual and tells the window the record is
// written. Any calculation of the window's earlier thread is forgotten first.
// A fault stops the writing where it happens.
void writeRecord(FrmKervadin3 *window, const RecordRule &rule, const QString &name, double diameter,
                 double pitch, const std::function<void()> &writeHelix,
                 const QString &diameterText = QString());

// The three wire sizes of a rule for a pitch.
struct WireSizes {
    double maximum;
    double minimum;
    double preferred;
};
WireSizes wireSizes(const RecordRule &rule, double pitch);

// The same three sizes as formulas in P, as the wire size fields' tooltips
// show them: "0.9 × P"; for B.A. "0.73 ÷ (1 ÷ P)" and "P ÷ 2".
struct WireFormulas {
    QString maximum;
    QString minimum;
    QString preferred;
};
WireFormulas wireFormulas(const RecordRule &rule);

} // namespace kervadin
