#pragma once
// Checking a measured reading over three wires against the limits of the
// thread's pitch diameter. No Qt here: texts in, texts out, so the window
// works out everything it will show before it writes any of it.
//
// Geometry, with D the diameter, P the pitch, A the thread angle and W the
// wire:
// - P: for 55° and 60° inch threads 1 ÷ n, n the whole number of threads per
//   inch nearest to 1 ÷ the pitch shown; otherwise the pitch shown.
// - basic pitch diameter E = D − k × P, k 0.649519 (60°), 0.640327 (55°),
//   0.6 (47.5°).
// - wire constant C = W × (1 + 1 ÷ sin(A ÷ 2)) − P ÷ 2 × cot(A ÷ 2): a reading
//   R over the wires is a pitch diameter of R − C.
// Every value a later step uses is used as shown (four places).

#include <string>

namespace kervadin {

constexpr int ReadingCount = 5;

// The thread as the measurement window shows it.
struct ShownThread {
    std::string name;     // "1/4 U.N.C"
    std::string diameter; // "0.2500", or a custom metric "12.345 mm"
    std::string pitch;    // "0.0500"
    std::string angle;    // "60°"
    std::string units;    // the units caption, ending "inches." or "millimeters."
};

// The classes of fit of a unified external thread.
enum class ThreadClass { None, Class1A, Class2A, Class3A };

struct CheckEntry {
    ShownThread thread;
    // The wire as read by the last successful Calculate of this thread;
    // empty when there is none.
    std::string wire;
    ThreadClass threadClass = ThreadClass::None;
    // The limits as typed; a chosen class replaces them.
    std::string maximum;
    std::string minimum;
    std::string readings[ReadingCount]; // empty ones are skipped
};

// An entry that cannot be checked: the box to correct and the message.
struct Refusal {
    std::string box; // object name of the box; empty when nothing is refused
    std::string title;
    std::string prompt;
};

// Every text the window shows, worked out before any is written. A
// "...Working" text is the formula with the values put in, for a tooltip.
struct CheckTexts {
    // False until there is a calculated dimension over wires: then only
    // thread and note are given and nothing is computed.
    bool calculated = false;
    bool classesOffered = false; // unified (60° inch) threads only
    ThreadClass threadClass = ThreadClass::None; // the class still chosen
    std::string thread;
    std::string note;
    std::string basic, basicWorking;
    std::string constant, constantWorking;
    // What the limit boxes hold: a class's limits, or the typed texts.
    std::string maximum, minimum, maximumWorking, minimumWorking;
    // With a refusal the texts below stay empty.
    std::string range, rangeWorking;
    std::string readingDiameters[ReadingCount];
    std::string mean, meanDiameter, spread;
    std::string verdict, verdictWorking;
    Refusal refusal;
};

// Throws rt::ArithmeticFault for a fault anywhere in the arithmetic.
CheckTexts checkReadings(const CheckEntry &entry);

} // namespace kervadin
