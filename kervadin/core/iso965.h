#pragma once
// The tolerances of ISO general purpose metric external threads (ISO 965-1):
// the fundamental deviation es of the positions e, f, g and h by pitch, the
// major-diameter tolerance Td of grades 4, 6 and 8 by pitch, and the
// pitch-diameter tolerance Td2 of grades 3 to 9 by diameter range and
// pitch; and the tolerance classes drawings write ("6g", "4h", "4g6g"). No
// Qt here.
//
// The standard's tables are carried as data and are the authority. Where a
// diameter and pitch have no row (a fine or special pitch), the value comes
// from the standard's formulas, rounded as the standard rounds them to the
// R40 series (the nearest value of the series on a logarithmic scale), in
// whole micrometres:
// - es = −(50 + 11P) (e), −(30 + 11P) (f), −(15 + 11P) (g), 0 (h), P in mm;
// - Td(6) = 180 × P^(2/3) − 3.15 ÷ √P; Td(4) = 0.63 × Td(6) and Td(8) = 1.6 ×
//   Td(6), Td(6) as rounded, rounded again;
// - Td2(6) = 90 × P^0.4 × d^0.1, d the geometric mean of the diameter range;
//   grade k is Td2(6), as rounded, times 0.5, 0.63, 0.8, 1, 1.25, 1.6 or 2
//   for grades 3 to 9, rounded again.

#include <optional>
#include <string>

namespace kervadin::iso965 {

// An external thread's class: the pitch diameter's grade and position, and
// the major diameter's grade (the position is the same for both).
struct MetricClass {
    int pitchGrade = 6;
    char position = 'g';
    int majorGrade = 6;
};

// A class as a drawing writes it: grade and position of the pitch diameter,
// then the major diameter's when they differ ("4g6g", "5h4h"); one of them
// alone serves both ("6g"). With no class, why: `problem` says what is
// wrong in a line the user reads.
struct ParsedClass {
    std::optional<MetricClass> metricClass;
    std::string problem;
};
ParsedClass parseClass(const std::string &text);

// A tolerance or deviation in micrometres, and how it was found: "table" or
// the formula with its values, for a tooltip.
struct Value {
    int micrometres = 0;
    std::string source;
};

// Each is none where the standard gives none (a position or grade outside
// its range of pitches, a diameter outside 0.99 to 355 mm), with the reason
// in `problem` when one is given.
std::optional<Value> fundamentalDeviation(char position, double pitch,
                                          std::string *problem = nullptr);
std::optional<Value> majorTolerance(int grade, double pitch, std::string *problem = nullptr);
std::optional<Value> pitchTolerance(int grade, double diameter, double pitch,
                                    std::string *problem = nullptr);

// Td2 of a grade (3 to 9) by the formulas alone, at any pitch above 0, for a
// diameter of the standard's ranges; none otherwise. ISO 2903 builds its
// trapezoidal tolerances so.
std::optional<Value> pitchToleranceByFormula(int grade, double diameter, double pitch);

// The diameter range of the pitch-diameter tolerances a diameter falls in:
// "5.6 to 11.2"; empty outside the standard.
std::string diameterRange(double diameter);

} // namespace kervadin::iso965
