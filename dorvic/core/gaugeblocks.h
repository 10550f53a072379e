#pragma once
// Gauge block sets and the stack that builds a height from the fewest of
// their blocks, without any widgets.
//
// Every length here is a whole number of the set's unit, 0.0001 in or
// 0.0005 mm (Units), so sums are exact: no length is ever added as a double.
//
// The stack for a height is found exactly, each block used at most once:
// 1. the height: the buildable height nearest the one asked; of two equally
//    near, the one built of fewer blocks, then the lower;
// 2. the fewest blocks that build it;
// 3. of stacks of that many blocks, the one with the largest blocks: its
//    largest block the largest, then its second largest, and so on (30 mm
//    is 25 + 5, not 20 + 10 or 24.5 + 5.5).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace dorvic {

using Units = std::int64_t;

enum class LengthUnit { Inch, Millimetre };

// A run of blocks as a catalogue lists it: from `first` to `last` by `step`,
// in inches or millimetres (a run of one block has no step).
struct BlockRun {
    double first;
    double last;
    double step;
};

class BlockSet {
public:
    // `grain`: the blocks that are whole multiples of it are the set's coarse
    // blocks, searched apart from the fine ones (gaugeblocks.cpp says why).
    BlockSet(const char *name, LengthUnit unit, double grain, std::vector<BlockRun> runs);

    const std::string &name() const { return m_name; }
    LengthUnit unit() const { return m_unit; }
    const char *unitText() const; // "in", "mm"
    // Units in one inch or millimetre.
    Units perUnit() const;
    // Every block, smallest first.
    const std::vector<Units> &blocks() const { return m_blocks; }
    // The smallest step its stacks make (0.0001 in, 0.0005 mm, 0.005 mm),
    // and the places it is written with.
    Units resolution() const { return m_resolution; }
    int places() const { return m_places; }
    Units grain() const { return m_grain; }
    // Tenths of the last place in one unit: 10 (0.0001 in), 50 (0.0005 mm
    // written to 0.0001), 5 (0.0005 mm written to 0.001).
    Units tenthsPerUnit() const;

    // A length in the set's unit as a double.
    double length(Units units) const;
    // A block as catalogues write it: ".1002", ".750", "3.000" in inches;
    // "1.0005", "1.34", "6" in millimetres.
    std::string blockText(Units block) const;
    // A length with the set's places: "3.9762", "58.3450".
    std::string lengthText(Units length) const;
    // The block of this size, if the set has one.
    std::optional<Units> blockOf(double size) const;

private:
    std::string m_name;
    LengthUnit m_unit;
    std::vector<Units> m_blocks;
    Units m_resolution = 1;
    int m_places = 0;
    Units m_grain = 1;
};

// The sets the sine bar offers, in the order of its list.
const std::vector<BlockSet> &blockSets();

struct Stack {
    Units height = 0;
    std::vector<Units> blocks; // largest first; empty: no stack
};

// The stack nearest `target` from `inBox` (blocks of `set`, any order), by
// the rules above. `target` is in tenths of the set's last place (the height
// as shown, with one place more than the set writes). No stack when the box
// is empty.
Stack nearestStack(const BlockSet &set, std::vector<Units> inBox, Units target);

} // namespace dorvic
