#include "dorvic/core/gaugeblocks.h"

#include "runtime/numbers.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace dorvic {

// The sets as their catalogues list them. Each set's coarse grain is the
// step of its long series: every block of those is a whole number of it,
// and no block of the fine series is.
const std::vector<BlockSet> &blockSets()
{
    static const std::vector<BlockSet> sets{
        {"81 pieces, inch", LengthUnit::Inch, 0.05,
         {{0.1001, 0.1009, 0.0001}, {0.101, 0.149, 0.001}, {0.05, 0.95, 0.05}, {1, 4, 1}}},
        {"88 pieces, mm", LengthUnit::Millimetre, 0.5,
         {{1.0005, 1.0005, 0}, {1.001, 1.009, 0.001}, {1.01, 1.49, 0.01}, {0.5, 9.5, 0.5},
          {10, 100, 10}}},
        {"103 pieces, mm", LengthUnit::Millimetre, 0.5,
         {{1.005, 1.005, 0}, {1.01, 1.49, 0.01}, {0.5, 24.5, 0.5}, {25, 100, 25}}},
        {"112 pieces, mm", LengthUnit::Millimetre, 0.5,
         {{1.0005, 1.0005, 0}, {1.001, 1.009, 0.001}, {1.01, 1.49, 0.01}, {0.5, 24.5, 0.5},
          {25, 100, 25}}},
    };
    return sets;
}

namespace {

Units toUnits(double length, Units perUnit)
{
    return rt::RoundToWhole(length * static_cast<double>(perUnit));
}

// A whole number of units as a decimal with `places` places, or with as few
// as `atLeast` where the rest are zeros.
std::string decimal(Units units, Units perUnit, int places, int atLeast)
{
    // One unit is 1 / perUnit, perUnit being 10 000 or 2 000: in steps of
    // 10^-4 it is 1 or 5.
    const Units tenThousandths = units * (10000 / perUnit);
    std::string fraction = std::to_string(tenThousandths % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    fraction.resize(static_cast<size_t>(places), '0');
    while (static_cast<int>(fraction.size()) > atLeast && fraction.back() == '0')
        fraction.pop_back();
    const std::string whole = std::to_string(tenThousandths / 10000);
    return fraction.empty() ? whole : whole + "." + fraction;
}

} // namespace

BlockSet::BlockSet(const char *name, LengthUnit unit, double grain, std::vector<BlockRun> runs)
    : m_name(name), m_unit(unit)
{
    for (const BlockRun &run : runs) {
        const Units last = toUnits(run.last, perUnit());
        const Units step = std::max<Units>(1, toUnits(run.step, perUnit()));
        for (Units b = toUnits(run.first, perUnit()); b <= last; b += step)
            m_blocks.push_back(b);
    }
    std::sort(m_blocks.begin(), m_blocks.end());
    m_resolution = 0;
    for (Units b : m_blocks)
        m_resolution = std::gcd(m_resolution, b);
    // The places of the resolution: 1 / 10 000 in and 1 / 2 000 mm take four.
    Units scale = 1;
    while ((m_resolution * scale) % perUnit() != 0) {
        scale *= 10;
        ++m_places;
    }
    m_grain = toUnits(grain, perUnit());
}

const char *BlockSet::unitText() const
{
    return m_unit == LengthUnit::Inch ? "in" : "mm";
}

Units BlockSet::perUnit() const
{
    return m_unit == LengthUnit::Inch ? 10000 : 2000;
}

Units BlockSet::tenthsPerUnit() const
{
    Units tenths = 10;
    for (int i = 0; i < m_places; ++i)
        tenths *= 10;
    return tenths / perUnit();
}

double BlockSet::length(Units units) const
{
    return static_cast<double>(units) / static_cast<double>(perUnit());
}

std::string BlockSet::blockText(Units block) const
{
    if (m_unit == LengthUnit::Millimetre)
        return decimal(block, perUnit(), 4, 0);
    // Inch blocks are written with three places at least, without a 0
    // before the point.
    const std::string text = decimal(block, perUnit(), 4, 3);
    return text.compare(0, 2, "0.") == 0 ? text.substr(1) : text;
}

std::string BlockSet::lengthText(Units length) const
{
    return decimal(length, perUnit(), m_places, m_places);
}

std::optional<Units> BlockSet::blockOf(double size) const
{
    if (!std::isfinite(size) || size <= 0 || size > length(m_blocks.back()))
        return std::nullopt;
    // Within a hundredth of a unit, so a size typed as the block is written
    // is its block and one a unit's fraction off is not.
    const double units = size * static_cast<double>(perUnit());
    const Units nearest = rt::RoundToWhole(units);
    if (std::fabs(units - static_cast<double>(nearest)) > 0.01
        || !std::binary_search(m_blocks.begin(), m_blocks.end(), nearest))
        return std::nullopt;
    return nearest;
}

// The search. Blocks that are whole multiples of the set's grain (the coarse
// blocks) are few in value: 0.5 mm to 100 mm are 1 to 200 grains. The others
// (the fine blocks, about sixty) have small sums: all of them together are
// some 71 mm. A stack is a fine part and a coarse part, so the fewest blocks
// for a height are the least, over the ways of splitting it, of the fewest
// fine blocks for one part and the fewest coarse blocks for the other: two
// small tables instead of one over every height up to the bar's length.
namespace {

constexpr std::uint8_t Unreachable = 255;

// The sums a set of blocks reaches, from 0 to their total, one bit each.
class Reach {
public:
    explicit Reach(const std::vector<Units> &sizes)
        : m_total(std::accumulate(sizes.begin(), sizes.end(), Units(0))),
          m_words(static_cast<size_t>(m_total / 64 + 1), 0)
    {
        m_words[0] = 1;
        for (Units b : sizes)
            addBlock(b);
    }
    Units total() const { return m_total; }
    bool has(Units s) const
    {
        return s >= 0 && s <= m_total && (m_words[size_t(s / 64)] >> (s % 64) & 1);
    }
    // The reached sum nearest at or below `s`, and at or above it; -1: none.
    Units atOrBelow(Units s) const
    {
        if (s < 0)
            return -1;
        s = std::min(s, m_total);
        size_t w = static_cast<size_t>(s / 64);
        std::uint64_t bits = m_words[w] & (~std::uint64_t(0) >> (63 - s % 64));
        while (bits == 0 && w > 0)
            bits = m_words[--w];
        return bits == 0 ? -1 : static_cast<Units>(w * 64 + 63 - __builtin_clzll(bits));
    }
    Units atOrAbove(Units s) const
    {
        s = std::max<Units>(s, 0);
        if (s > m_total)
            return -1;
        size_t w = static_cast<size_t>(s / 64);
        std::uint64_t bits = m_words[w] & (~std::uint64_t(0) << (s % 64));
        while (bits == 0 && w + 1 < m_words.size())
            bits = m_words[++w];
        return bits == 0 ? -1 : static_cast<Units>(w * 64 + __builtin_ctzll(bits));
    }

private:
    // reach |= reach << b, from the top word down so each block counts once.
    void addBlock(Units b)
    {
        const size_t words = static_cast<size_t>(b / 64);
        const unsigned bits = static_cast<unsigned>(b % 64);
        for (size_t i = m_words.size(); i-- > words;) {
            std::uint64_t moved = m_words[i - words] << bits;
            if (bits != 0 && i > words)
                moved |= m_words[i - words - 1] >> (64 - bits);
            m_words[i] |= moved;
        }
    }

    Units m_total;
    std::vector<std::uint64_t> m_words;
};

// The fewest blocks for every sum up to `cap`, and, for each block (taken
// smallest first) and sum, whether a fewest stack of the blocks up to it
// holds it. Read from the largest block down, those give the fewest stack
// with the largest blocks.
class Fewest {
public:
    Fewest(std::vector<Units> sizes, Units cap)
        : m_sizes(std::move(sizes)), m_width(static_cast<size_t>(cap) + 1),
          m_count(m_width, Unreachable), m_holds(m_sizes.size() * (m_width / 64 + 1), 0)
    {
        m_count[0] = 0;
        const size_t row = m_width / 64 + 1;
        for (size_t i = 0; i < m_sizes.size(); ++i) {
            const size_t b = static_cast<size_t>(m_sizes[i]);
            std::uint64_t *holds = &m_holds[i * row];
            for (size_t s = m_width; s-- > b;) {
                const std::uint8_t without = m_count[s - b];
                if (without == Unreachable || without + 1 > m_count[s])
                    continue;
                holds[s / 64] |= std::uint64_t(1) << (s % 64);
                m_count[s] = static_cast<std::uint8_t>(without + 1);
            }
        }
    }
    Units cap() const { return static_cast<Units>(m_width) - 1; }
    std::uint8_t count(Units s) const { return m_count[static_cast<size_t>(s)]; }
    std::vector<Units> largestFirst(Units s) const
    {
        std::vector<Units> stack;
        const size_t row = m_width / 64 + 1;
        for (size_t i = m_sizes.size(); i-- > 0 && s > 0;) {
            const size_t at = static_cast<size_t>(s);
            if (m_holds[i * row + at / 64] >> (at % 64) & 1) {
                stack.push_back(m_sizes[i]);
                s -= m_sizes[i];
            }
        }
        return stack;
    }

private:
    std::vector<Units> m_sizes; // smallest first
    size_t m_width;
    std::vector<std::uint8_t> m_count;
    std::vector<std::uint64_t> m_holds;
};

struct Split {
    std::vector<Units> fine;   // smallest first
    std::vector<Units> coarse; // in grains, smallest first
    Units grain;
};

// The fewest blocks for `h` from the fine blocks with sums up to `cap` and
// the coarse ones, the largest blocks of the ties; no blocks when none does.
std::vector<Units> fewestFor(const Split &split, const Fewest &fine, const Fewest &coarse, Units h)
{
    const Units g = split.grain;
    const Units lowest = std::max<Units>(0, (h - fine.cap() + g - 1) / g);
    const Units highest = std::min(coarse.cap(), h / g);
    int best = Unreachable;
    for (Units k = lowest; k <= highest; ++k) {
        if (fine.count(h - k * g) != Unreachable && coarse.count(k) != Unreachable)
            best = std::min(best, fine.count(h - k * g) + coarse.count(k));
    }
    std::vector<Units> chosen;
    for (Units k = lowest; best != Unreachable && k <= highest; ++k) {
        if (fine.count(h - k * g) == Unreachable || coarse.count(k) == Unreachable
            || fine.count(h - k * g) + coarse.count(k) != best)
            continue;
        std::vector<Units> stack = fine.largestFirst(h - k * g);
        for (Units c : coarse.largestFirst(k))
            stack.push_back(c * g);
        std::sort(stack.rbegin(), stack.rend());
        if (chosen.empty() || stack > chosen)
            chosen = std::move(stack);
    }
    return chosen;
}

// The fewest blocks for a height the blocks reach. Fine parts of at most K
// blocks sum to no more than the K largest fine blocks: a table of the fine
// sums up to that finds every stack with at most K fine blocks, and when its
// best has K blocks or fewer, no stack it missed (more than K fine blocks)
// can match it. K doubles until that holds; the fine sums seldom pass a few
// millimetres.
std::vector<Units> fewestStack(const Split &split, const Fewest &coarse, Units h)
{
    const Units fineTotal = std::accumulate(split.fine.begin(), split.fine.end(), Units(0));
    for (size_t k = 4;; k *= 2) {
        Units cap = 0;
        for (size_t i = 0; i < std::min(k, split.fine.size()); ++i)
            cap += split.fine[split.fine.size() - 1 - i];
        cap = std::min(cap, h);
        const Fewest fine(split.fine, cap);
        std::vector<Units> stack = fewestFor(split, fine, coarse, h);
        if ((!stack.empty() && stack.size() <= k) || cap >= std::min(h, fineTotal))
            return stack;
    }
}

// The heights nearest `target` (tenths of the last place; `tenths` of them to
// a unit) that the blocks reach: one, or two equally near.
std::vector<Units> nearestHeights(const Split &split, const Reach &fine, const Fewest &coarse,
                                  Units target, Units tenths)
{
    Units nearest = -1;
    std::vector<Units> heights;
    const auto consider = [&](Units h) {
        if (h <= 0)
            return;
        const Units off = std::llabs(h * tenths - target);
        if (nearest < 0 || off < nearest) {
            nearest = off;
            heights.assign(1, h);
        } else if (off == nearest && std::find(heights.begin(), heights.end(), h) == heights.end()) {
            heights.push_back(h);
        }
    };
    for (Units k = 0; k <= coarse.cap(); ++k) {
        const Units base = k * split.grain;
        // Coarse parts above the target only move further off.
        if (nearest >= 0 && base * tenths - target > nearest)
            break;
        if (coarse.count(k) == Unreachable)
            continue;
        if (base * tenths >= target) {
            consider(base > 0 ? base : fine.atOrAbove(1));
            continue;
        }
        const Units wanted = (target - base * tenths) / tenths;
        for (Units s : {fine.atOrBelow(wanted), fine.atOrAbove(wanted + 1)}) {
            if (s >= 0)
                consider(base + s);
        }
    }
    return heights;
}

} // namespace

Stack nearestStack(const BlockSet &set, std::vector<Units> inBox, Units target)
{
    Split split{{}, {}, set.grain()};
    std::sort(inBox.begin(), inBox.end());
    for (Units b : inBox) {
        if (b % split.grain == 0)
            split.coarse.push_back(b / split.grain);
        else
            split.fine.push_back(b);
    }
    const Units tenths = set.tenthsPerUnit();
    const Reach fine(split.fine);
    const Fewest coarse(split.coarse,
                        std::accumulate(split.coarse.begin(), split.coarse.end(), Units(0)));
    Stack best;
    for (Units h : nearestHeights(split, fine, coarse, target, tenths)) {
        std::vector<Units> blocks = fewestStack(split, coarse, h);
        if (best.blocks.empty() || blocks.size() < best.blocks.size()
            || (blocks.size() == best.blocks.size() && h < best.height))
            best = {h, std::move(blocks)};
    }
    return best;
}

} // namespace dorvic
