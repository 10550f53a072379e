#pragma once
// The tolerance classes a checked thread offers and their pitch-diameter
// and major-diameter limits. No Qt here.
//
// - Unified (60° inch threads): classes 1A, 2A and 3A from the class 2A
//   tolerance T = 0.0015 × ∛D + 0.0015 × √LE + 0.015 × ∛(P²), with the
//   length of engagement LE = D for a size of a family whose row says so
//   (the coarse and fine series) and LE = the smaller of D and 9P for any
//   other diameter and pitch. The major diameter lies the same allowance
//   below D, with a tolerance of 0.090 × ∛(P²) (1A) or 0.060 × ∛(P²) (2A,
//   3A).
// - Metric (every metric thread, standard or custom): any class of ISO
//   965-1 for external threads ("6g", "4h", "4g6g"; iso965.h), from the
//   standard's tables where they have a row and its formulas elsewhere.
// The classes are for threads of one start.

#include "kervadin/core/families.h"
#include "kervadin/core/threadrules.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kervadin {

// The thread a reading is checked against, in plain numbers.
struct CheckedThread {
    double diameter = 0;       // major diameter, in the thread's unit
    double pitch = 0;          // exact: 1 ÷ n for a whole number n of threads per inch
    double angle = 60;         // degrees: 55, 60 or 47.5
    bool metric = false;       // millimetres; otherwise inches
    double depth = 0;          // depth of thread; the minor diameter is D − 2 × depth
    double threadsPerInch = 0; // inch threads: the whole number of threads per inch, or 0 to
                               // take 1 ÷ P; metric threads: 0
    // A standard size: its family and its place in the family's sizes. -1 for a custom thread.
    Family family = Family::UNC;
    int size = -1;
    int starts = 1;

    bool standard() const { return size >= 0; }
};

// The thread of a standard size, from its row of the tables: inch threads of
// 55° and 60° take P = 1 ÷ n, n the threads per inch nearest to 1 ÷ the
// tabulated pitch; the depth of thread is the record's (depth factor × the
// tabulated pitch).
CheckedThread standardCheckedThread(Family family, int size);

// The thread of a custom entry as read by customThread (threadrules.h). A
// pitch of 0 gives no threads per inch; such a thread offers no class.
CheckedThread customCheckedThread(const CustomThread &thread);

// The threads per inch of an inch thread: as given, otherwise 1 ÷ P, taken
// to the whole number when within a millionth of it.
double threadsPerInch(const CheckedThread &thread);

// A tolerance class by its designation ("2A", "6g", "4g6g"), as chosen or
// typed, blanks around it left out; None holds no class.
class ToleranceClass {
public:
    ToleranceClass() = default;
    explicit ToleranceClass(const std::string &designation);

    static const ToleranceClass None;
    static const ToleranceClass Class1A;
    static const ToleranceClass Class2A;
    static const ToleranceClass Class3A;
    static const ToleranceClass Class6g;
    static const ToleranceClass Class6h;

    const std::string &name() const { return m_name; }
    bool isNone() const { return m_name.empty(); }
    bool operator==(const ToleranceClass &other) const { return m_name == other.m_name; }
    bool operator!=(const ToleranceClass &other) const { return m_name != other.m_name; }

private:
    std::string m_name;
};

// "1A", "6g", "4g6g"; empty for None.
inline std::string className(const ToleranceClass &toleranceClass)
{
    return toleranceClass.name();
}

// Which classes a thread's form offers: 1A/2A/3A, those of ISO 965-1, or
// none (limits typed from the drawing).
enum class ClassSet { None, Unified, Metric };
ClassSet offeredClasses(const CheckedThread &thread);
// Whether the thread has the class: its set offers it, the standard gives it
// for the thread's diameter and pitch, and every limit it gives is above 0.
bool offers(const CheckedThread &thread, const ToleranceClass &toleranceClass);

// The longest class a drawing writes, blanks around it included: the class
// box holds no more, and a message quotes no more of a class.
constexpr std::size_t LongestClass = 8;

// The unified classes' rule: tolerance and allowance as multiples of the
// class 2A tolerance T (the allowance in tenths of T as shown), and the
// major diameter's tolerance as a multiple of ∛(P²).
struct UnifiedRule {
    double toleranceFactor;
    const char *toleranceText;
    int allowanceTenths;
    const char *allowanceText;
    double majorToleranceFactor;
    const char *majorToleranceText;
};

// The classes offered by name, one row each: a unified class with its rule,
// or a metric class offered on the list of the classes drawings use most
// (any other of ISO 965-1 is typed). `option`: also offered as an option
// beside the list. A new class is one more row.
struct ClassRow {
    const char *name;
    ClassSet set;
    bool option;
    UnifiedRule rule; // unified rows only
};
inline constexpr ClassRow ClassRows[] = {
    {"1A", ClassSet::Unified, true, {1.5, "1.5 × T", 3, "0.3 × T", 0.090, "0.090 × ∛(P²)"}},
    {"2A", ClassSet::Unified, true, {1, "T", 3, "0.3 × T", 0.060, "0.060 × ∛(P²)"}},
    {"3A", ClassSet::Unified, true, {0.75, "0.75 × T", 0, "0", 0.060, "0.060 × ∛(P²)"}},
    {"6g", ClassSet::Metric, true, {}},
    {"6h", ClassSet::Metric, true, {}},
    {"4h", ClassSet::Metric, false, {}},
    {"4g6g", ClassSet::Metric, false, {}},
    {"5g6g", ClassSet::Metric, false, {}},
    {"6e", ClassSet::Metric, false, {}},
    {"6f", ClassSet::Metric, false, {}},
    {"7g6g", ClassSet::Metric, false, {}},
    {"8g", ClassSet::Metric, false, {}},
};

struct ClassLimits {
    // False when the thread does not offer the class: nothing else is set
    // but why, in a line the user reads ("ISO 965-1 gives position e for
    // pitches of 0.5 to 8 mm, not for 0.35 mm."), when there is a class.
    bool offered = false;
    std::string problem;
    double maximum = 0;        // as shown
    double minimum = 0;
    std::string maximumText;   // "#0.0000", as the limit boxes show it
    std::string minimumText;
    // How each limit was worked out, for the limit boxes' tooltips. Unified
    // classes name the length of engagement used (see engagement).
    std::string maximumWorking;
    std::string minimumWorking;
    // Unified classes: "LE = D = 0.2500 (a U.N.C. or U.N.F. size)", or for
    // another thread "LE = 9P = 0.3214" or "LE = D = 0.1000 (below 9P)";
    // empty for metric.
    std::string engagement;
    // The major diameter's limits, the same way.
    double majorMaximum = 0;
    double majorMinimum = 0;
    std::string majorMaximumText;
    std::string majorMinimumText;
    std::string majorMaximumWorking;
    std::string majorMinimumWorking;
};

// Throws rt::ArithmeticFault for a fault anywhere in the arithmetic.
ClassLimits classLimits(const CheckedThread &thread, const ToleranceClass &toleranceClass);

// The classes of ClassRows the thread has, in the order of the rows; when
// its set offers some but it has none of them, why ("M3 × 8 cannot have a
// class: its basic pitch diameter is -2.1962, not above 0."). Throws
// rt::ArithmeticFault as classLimits.
struct ClassesHad {
    std::vector<std::string> names;
    std::string problem;
};
ClassesHad classesHad(const CheckedThread &thread);

} // namespace kervadin
