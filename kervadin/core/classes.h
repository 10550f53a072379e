#pragma once
// The tolerance classes a checked thread offers and their pitch-diameter
// limits. No Qt here.
//
// - Unified (60° inch threads): classes 1A, 2A and 3A from the class 2A
//   tolerance T = 0.0015 × ∛D + 0.0015 × √LE + 0.015 × ∛(P²), with the
//   length of engagement LE = D for a U.N.C. or U.N.F. size of the tables
//   and LE = 9P for any other diameter and pitch. The major diameter lies
//   the same allowance below D, with a tolerance of 0.090 × ∛(P²) (1A) or
//   0.060 × ∛(P²) (2A, 3A).
// - Metric (the twelve sizes of the tables, standard or typed as a custom
//   thread): classes 6g and 6h from tabulated values, not from a formula.
// The classes are for threads of one start.

#include "kervadin/core/families.h"
#include "kervadin/core/threadrules.h"

#include <string>

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

enum class ToleranceClass { None, Class1A, Class2A, Class3A, Class6g, Class6h };

// "1A", "2A", "3A", "6g", "6h"; empty for None.
const char *className(ToleranceClass toleranceClass);

// Which classes a thread offers: 1A/2A/3A, 6g/6h, or none (limits typed
// from the drawing).
enum class ClassSet { None, Unified, Metric };
ClassSet offeredClasses(const CheckedThread &thread);
bool offers(const CheckedThread &thread, ToleranceClass toleranceClass);

struct ClassLimits {
    // False when the thread does not offer the class: nothing else is set.
    bool offered = false;
    double maximum = 0;        // as shown
    double minimum = 0;
    std::string maximumText;   // "#0.0000", as the limit boxes show it
    std::string minimumText;
    // How each limit was worked out, for the limit boxes' tooltips. Unified
    // classes name the length of engagement used (see engagement).
    std::string maximumWorking;
    std::string minimumWorking;
    // Unified classes: "LE = D = 0.2500 (a U.N.C. or U.N.F. size)" or
    // "LE = 9P = 0.3214 (not a U.N.C. or U.N.F. size)"; empty for metric.
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
ClassLimits classLimits(const CheckedThread &thread, ToleranceClass toleranceClass);

} // namespace kervadin
