#pragma once
// The program's state, without any window: the thread applied last, as the
// user defined it, and the last successful Calculate for it. The windows
// write it when the user applies a thread, calculates or starts a new
// selection, and read it to learn the thread and the wire; what they show
// is worked out from it.

#include "kervadin/core/families.h"
#include "kervadin/core/threadrules.h"

#include <optional>
#include <string>

namespace kervadin {

// A thread as the user defined it: a standard size of a family, or custom
// entries as typed. Made whole: its record, the texts the measurement
// window shows, is worked out when it is made.
class Thread {
public:
    // A standard size, by its family and its place in the family's sizes.
    static Thread standard(Family family, int size);
    // Accepted custom entries (customThread() refuses nothing for them).
    // Throws rt::ArithmeticFault when the helix angle cannot be worked out.
    static Thread custom(const CustomThread &entries);

    bool isCustom() const { return m_custom; }
    // A standard thread's family and size.
    Family family() const { return m_family; }
    int size() const { return m_size; }
    // A custom thread's entries as typed.
    const CustomThread &customEntries() const { return m_entries; }

    // The exact diameter and pitch, in the thread's unit. A standard inch
    // size has a whole number of threads per inch: its pitch is 1 ÷ that
    // number, the nearest to 1 ÷ the pitch listed. A custom thread's pitch
    // is the one typed, or 1 ÷ the threads per inch typed, unrounded.
    double diameter() const { return m_diameter; }
    double pitch() const { return m_pitch; }
    // The threads per inch the pitch is 1 ÷ of; 0 when the pitch was given
    // as a length.
    double threadsPerInch() const { return m_threadsPerInch; }
    const ThreadForm &form() const { return *m_rule->form; }
    double angle() const { return m_rule->form->angle; }
    Unit unit() const { return m_rule->unit; }

    // The texts of the thread record, as the measurement window shows them.
    const ThreadRecord &record() const { return m_record; }

private:
    Thread() = default;

    bool m_custom = false;
    Family m_family = Family::BSF;
    int m_size = 0;
    CustomThread m_entries;
    const RecordRule *m_rule = nullptr;
    double m_diameter = 0;
    double m_pitch = 0;
    double m_threadsPerInch = 0;
    ThreadRecord m_record;
};

// A successful Calculate.
struct Calculation {
    std::string wireText; // as typed
    double wire = 0;      // as read
    std::string reading;  // the dimension over wires, as shown
};

class State {
public:
    // The thread applied last; none before the first.
    const std::optional<Thread> &thread() const { return m_thread; }
    // A thread applied: the calculation of the one before no longer holds.
    void setThread(const Thread &thread);

    // The last successful Calculate of the thread; none when there has been
    // none since the thread was applied or Click to Select emptied the result.
    const std::optional<Calculation> &calculation() const { return m_calculation; }
    void setCalculation(const Calculation &calculation) { m_calculation = calculation; }
    void clearCalculation() { m_calculation.reset(); }

private:
    std::optional<Thread> m_thread;
    std::optional<Calculation> m_calculation;
};

} // namespace kervadin
