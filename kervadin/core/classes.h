#pragma once
// The tolerance classes a checked thread offers and their pitch-diameter
// and major-diameter limits. No Qt here.
//
// A thread's form names the system of classes it offers (threadform.h).
// Each system is an object that lists its classes, reads a designation once
// and gives a class's limits:
// - unified (60° inch threads; unified.cpp): 1A, 2A and 3A;
// - ISO 965-1 (ISO metric threads; iso965.cpp): any class for external
//   threads ("6g", "4h", "4g6g").
// The classes are for threads of one start unless a system says otherwise.
// A thread whose basic pitch diameter, or any limit a class would give it,
// is not above 0 has no class.

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
    const ThreadForm *form = &UnifiedForm;
    Unit unit = Unit::Inch;
    double depth = 0;          // depth of thread; the minor diameter is D − 2 × depth
    double threadsPerInch = 0; // inch threads: the whole number of threads per inch, or 0 to
                               // take 1 ÷ P; millimetre threads: 0
    // A standard size: its family and its place in the family's sizes. -1 for a custom thread.
    Family family = Family::UNC;
    int size = -1;
    int starts = 1;

    bool standard() const { return size >= 0; }
    double angle() const { return form->angle; }
};

// The thread of a standard size, from its row of the tables: inch threads
// cut with a whole number of threads per inch take P = 1 ÷ n, n the threads
// per inch nearest to 1 ÷ the tabulated pitch; the depth of thread is the
// record's (worked out from the tabulated pitch).
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

// The longest class a drawing writes, blanks around it included: the class
// box holds no more, and a message quotes no more of a class.
constexpr std::size_t LongestClass = 8;

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
    // empty for the others.
    std::string engagement;
    // The major diameter's limits, the same way.
    double majorMaximum = 0;
    double majorMinimum = 0;
    std::string majorMaximumText;
    std::string majorMinimumText;
    std::string majorMaximumWorking;
    std::string majorMinimumWorking;

    // The pitch diameter's and the major diameter's limits, each taken to
    // four places as shown, with their texts.
    void showPitch(double maximumValue, double minimumValue);
    void showMajor(double maximumValue, double minimumValue);
};

// A class a system offers by name: on the list of classes, and beside the
// limits too when `option` is set.
struct ClassOffer {
    const char *name;
    bool option;
};

// A system of tolerance classes. It reads a designation once, in limits,
// and says there why a designation it does not read, or a class it does not
// give for the thread, has no limits.
class ClassSystem {
public:
    virtual ~ClassSystem() = default;
    // The classes offered by name, in the order the window shows them.
    virtual std::vector<ClassOffer> offered() const = 0;
    // The limits of a class for a thread whose form offers this system.
    // Throws rt::ArithmeticFault for a fault in the arithmetic.
    virtual ClassLimits limits(const CheckedThread &thread,
                               const ToleranceClass &toleranceClass) const = 0;
    // Whether the system gives its classes to threads of more than one start.
    virtual bool severalStarts() const { return false; }
};

// The system of classes a thread offers: its form's, for a thread of a
// pitch above 0 and of one start, or of several where the system gives
// classes to them; nullptr for none (limits typed from the drawing).
const ClassSystem *classSystem(const CheckedThread &thread);
// Every system a form offers, each once, in the order of the forms.
std::vector<const ClassSystem *> classSystems();

// Throws rt::ArithmeticFault for a fault anywhere in the arithmetic.
ClassLimits classLimits(const CheckedThread &thread, const ToleranceClass &toleranceClass);

// Whether the thread has the class: its system gives it for the thread's
// diameter and pitch, and every limit it gives is above 0.
bool offers(const CheckedThread &thread, const ToleranceClass &toleranceClass);

// The classes the thread's system offers by name that the thread has, in
// their order; when it has none of them, why ("M3 × 8 cannot have a class:
// its basic pitch diameter is -2.1962, not above 0."). Throws
// rt::ArithmeticFault as classLimits.
struct ClassesHad {
    std::vector<std::string> names;
    std::string problem;
};
ClassesHad classesHad(const CheckedThread &thread);

// Micrometres as millimetres to three places, "−0.032", for a working.
std::string micrometres(long long value);

} // namespace kervadin
