#include "kervadin/ui/familywindows.h"

#include <iterator>

namespace kervadin {
namespace {

constexpr SizeOption BsfOptions[] = {
    {"optBSF1", "1/4"}, {"optBSF2", "5/16"}, {"optBSF3", "3/8"}, {"optBSF4", "7/16"},
    {"optBSF5", "1/2"}, {"optBSF6", "9/16"}, {"optBSF7", "5/8"}, {"optBSF8", "3/4"},
    {"optBSF9", "7/8"}, {"optBSF10", "1 inch"},
};

constexpr SizeOption WhitworthOptions[] = {
    {"optWhit1", "1/4"}, {"optWhit2", "5/16"}, {"optWhit3", "3/8"}, {"optWhit4", "7/16"},
    {"optWhit5", "1/2"}, {"optWhit6", "9/16"}, {"optWhit7", "5/8"}, {"optWhit8", "3/4"},
    {"optWhit9", "7/8"}, {"optWhit10", "1 inch"},
};

constexpr SizeOption UncOptions[] = {
    {"optUnc1", "1/4"}, {"optUNC2", "5/16"}, {"optUNC3", "3/8"}, {"optUNC4", "7/16"},
    {"optUNC5", "1/2"}, {"optUNC6", "9/16"}, {"optUNC7", "5/8"}, {"optUNC8", "3/4"},
    {"optUNC9", "7/8"}, {"optUNC10", "1 inch"},
};

constexpr SizeOption UnfOptions[] = {
    {"optUNF1", "1/4"}, {"optUNF2", "5/16"}, {"optUNF3", "3/8"}, {"optUNF4", "7/16"},
    {"optUNF5", "1/2"}, {"optUNF6", "9/16"}, {"optUNF7", "5/8"}, {"optUNF8", "3/4"},
    {"optUNF9", "7/8"}, {"optUNF10", "1 inch"},
};

constexpr SizeOption BaOptions[] = {
    {"optBA1", "0 BA"}, {"optBA2", "1 BA"}, {"optBA3", "2 BA"}, {"optBA4", "3 BA"},
    {"optBA5", "4 BA"}, {"optBA6", "5 BA"}, {"optBA7", "6 BA"}, {"optBA8", "7 BA"},
    {"optBA9", "8 BA"}, {"optBA10", "10 BA"},
};

constexpr SizeOption MetricOptions[] = {
    {"optMet1", "2.5"}, {"optMet2", "3"}, {"optMet3", "4"}, {"optMet4", "5"}, {"optMet5", "6"},
    {"optMet6", "8"}, {"optMet7", "10"}, {"optMet8", "12"}, {"optMet9", "14"}, {"optMet10", "16"},
    {"optMet11", "18"}, {"optMet12", "20"},
};

template <int N>
constexpr int count(const SizeOption (&)[N])
{
    return N;
}

constexpr FamilyWindow Windows[] = {
    {Family::BSF, "cmdBSF", "B.S.F.", 2400, 2040, "frmBSFsize", "B.S.F. Size", "cmdAppBSF",
     "cmdBackBSF", 1800, SizeLayout::TenSizes, 840, BsfOptions},
    {Family::Whitworth, "cmdWhit", "Whitworth", 4200, 2040, "frmWhitsize", "Whitworth Size",
     "cmdAppWhit", "cmdBackwhit", 1800, SizeLayout::TenSizes, 840, WhitworthOptions},
    {Family::UNF, "cmdUNF", "U.N.F.", 1560, 3720, "frmUNFsize", "U.N.F. Size", "cmdAppUNF",
     "cmdBackUNF", 1800, SizeLayout::TenSizes, 840, UnfOptions},
    {Family::UNC, "cmdUNC", "U.N.C.", 3360, 3720, "frmUNCsize", "U.N.C. Size", "cmdAppUNC",
     "cmdBackUNC", 1800, SizeLayout::TenSizes, 840, UncOptions},
    {Family::BA, "cmdBA", "B.A.", 600, 2040, "frmBAsize", "B.A. Size", "cmdAppBA", "cmdBackBA",
     1920, SizeLayout::TenSizes, 855, BaOptions},
    {Family::Metric, "cmdMetric", "Metric", 6000, 2040, "frmMetsize", "Metric Size", "btnAppmet",
     "cmdBackmet", 1800, SizeLayout::Grid, 735, MetricOptions},
};

// One row for every family, in the order of Family, with an option for
// each of the family's sizes, laid out for that many.
constexpr int OptionCounts[] = {count(BsfOptions), count(WhitworthOptions), count(UnfOptions),
                                count(UncOptions), count(BaOptions), count(MetricOptions)};
static_assert(std::size(Windows) == FamilyCount, "every family has exactly one row");
constexpr bool rowsFit()
{
    for (int i = 0; i < FamilyCount; ++i) {
        const FamilyWindow &row = Windows[i];
        if (row.family != static_cast<Family>(i) || OptionCounts[i] != SizeCounts[i]
            || OptionCounts[i] != (row.layout == SizeLayout::Grid ? 12 : 10))
            return false;
    }
    return true;
}
static_assert(rowsFit(), "the rows stand in the order of Family, an option for every size, "
                         "ten on a TenSizes window and twelve on a Grid");

} // namespace

const FamilyWindow &familyWindow(Family family)
{
    return Windows[static_cast<int>(family)];
}

} // namespace kervadin
