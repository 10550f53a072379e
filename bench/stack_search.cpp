// stack-search [HEIGHTS]
//
// Times the search for the fewest gauge blocks (dorvic/core/gaugeblocks.h)
// at HEIGHTS heights (default 2000) spread over each set's reach up to the
// longest common bar: 10 in for the inch set, 200 mm for the metric ones;
// each set whole and with blocks out of its box. Prints, per set, the median,
// the 99th percentile and the slowest search in milliseconds.

#include "dorvic/core/gaugeblocks.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace dorvic;

namespace {

// About a third of the set's fine blocks out of the box (those whose size is
// a whole number of three units), so stacks need more of the others.
std::vector<Units> withOut(const BlockSet &set)
{
    std::vector<Units> inBox;
    for (Units b : set.blocks()) {
        if (b % set.grain() == 0 || b % 3 != 0)
            inBox.push_back(b);
    }
    return inBox;
}

void run(const BlockSet &set, const std::vector<Units> &inBox, const char *label, int heights)
{
    const Units bar = set.unit() == LengthUnit::Inch ? 10 * set.perUnit() : 200 * set.perUnit();
    const Units low = inBox.front() * set.tenthsPerUnit();
    const Units high = bar * set.tenthsPerUnit();
    std::vector<double> ms;
    for (int i = 0; i < heights; ++i) {
        // Spread evenly, with an odd last digit so no two fall alike.
        const Units target = low + (high - low) * i / heights + (i % 7);
        const auto start = std::chrono::steady_clock::now();
        const Stack stack = nearestStack(set, inBox, target);
        const auto end = std::chrono::steady_clock::now();
        if (stack.blocks.empty()) {
            std::fprintf(stderr, "no stack for %lld\n", static_cast<long long>(target));
            std::exit(1);
        }
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    std::printf("%-16s %-10s %8.2f %8.2f %8.2f\n", set.name().c_str(), label, ms[ms.size() / 2],
                ms[ms.size() * 99 / 100], ms.back());
}

} // namespace

int main(int argc, char **argv)
{
    const int heights = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    std::printf("%-16s %-10s %8s %8s %8s   (ms, %d heights each)\n", "set", "box", "median",
                "99%", "slowest", heights);
    for (const BlockSet &set : blockSets()) {
        run(set, set.blocks(), "whole", heights);
        run(set, withOut(set), "blocks out", heights);
    }
}
