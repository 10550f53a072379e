#include "kervadin/ui/familywindows.h"

#include <iterator>

namespace kervadin {
namespace {

// The inch families list the same ten sizes; B.A. and metric their own.
constexpr const char *InchCaptions[] = {"1/4", "5/16", "3/8", "7/16", "1/2",
                                        "9/16", "5/8", "3/4", "7/8", "1 inch"};
constexpr const char *BaCaptions[] = {"0 BA", "1 BA", "2 BA", "3 BA", "4 BA",
                                      "5 BA", "6 BA", "7 BA", "8 BA", "10 BA"};
constexpr const char *MetricCaptions[] = {"2.5", "3",  "4",  "5",  "6",  "8",
                                          "10",  "12", "14", "16", "18", "20"};
constexpr const char *AcmeCaptions[] = {
    "1/4-16", "5/16-14", "3/8-12", "7/16-12", "1/2-10",  "5/8-8",   "3/4-6",   "7/8-6",
    "1-5",    "1 1/8-5", "1 1/4-5", "1 3/8-4", "1 1/2-4", "1 3/4-4", "2-4",     "2 1/4-3",
    "2 1/2-3", "2 3/4-3", "3-2",    "3 1/2-2", "4-2",     "4 1/2-2", "5-2"};
constexpr const char *TrapezoidalCaptions[] = {
    "8×1.5", "10×2", "12×3", "16×4", "20×4", "24×5",  "28×5",  "32×6",   "36×6",
    "40×7",  "44×7", "48×8", "52×8", "60×9", "70×10", "80×10", "90×12", "100×12"};
constexpr const char *UnefCaptions[] = {"1/4",   "5/16", "3/8", "7/16",  "1/2",
                                        "9/16",  "5/8",  "11/16", "3/4", "13/16",
                                        "7/8",   "15/16", "1 inch"};

constexpr const char *BsfOptions[] = {"optBSF1", "optBSF2", "optBSF3", "optBSF4", "optBSF5",
                                      "optBSF6", "optBSF7", "optBSF8", "optBSF9", "optBSF10"};
constexpr const char *WhitworthOptions[] = {"optWhit1", "optWhit2", "optWhit3", "optWhit4",
                                            "optWhit5", "optWhit6", "optWhit7", "optWhit8",
                                            "optWhit9", "optWhit10"};
// "optUnc1" is named so, unlike its neighbours; not to be tidied.
constexpr const char *UncOptions[] = {"optUnc1", "optUNC2", "optUNC3", "optUNC4", "optUNC5",
                                      "optUNC6", "optUNC7", "optUNC8", "optUNC9", "optUNC10"};
constexpr const char *UnfOptions[] = {"optUNF1", "optUNF2", "optUNF3", "optUNF4", "optUNF5",
                                      "optUNF6", "optUNF7", "optUNF8", "optUNF9", "optUNF10"};
constexpr const char *BaOptions[] = {"optBA1", "optBA2", "optBA3", "optBA4", "optBA5",
                                     "optBA6", "optBA7", "optBA8", "optBA9", "optBA10"};
constexpr const char *MetricOptions[] = {"optMet1", "optMet2", "optMet3",  "optMet4",
                                         "optMet5", "optMet6", "optMet7",  "optMet8",
                                         "optMet9", "optMet10", "optMet11", "optMet12"};

constexpr const char *UnefOptions[] = {"optUNEF1", "optUNEF2",  "optUNEF3",  "optUNEF4",
                                       "optUNEF5", "optUNEF6",  "optUNEF7",  "optUNEF8",
                                       "optUNEF9", "optUNEF10", "optUNEF11", "optUNEF12",
                                       "optUNEF13"};

constexpr const char *AcmeOptions[] = {
    "optAcme1",  "optAcme2",  "optAcme3",  "optAcme4",  "optAcme5",  "optAcme6",
    "optAcme7",  "optAcme8",  "optAcme9",  "optAcme10", "optAcme11", "optAcme12",
    "optAcme13", "optAcme14", "optAcme15", "optAcme16", "optAcme17", "optAcme18",
    "optAcme19", "optAcme20", "optAcme21", "optAcme22", "optAcme23"};
constexpr const char *TrapezoidalOptions[] = {
    "optTr1",  "optTr2",  "optTr3",  "optTr4",  "optTr5",  "optTr6",  "optTr7",  "optTr8",  "optTr9",
    "optTr10", "optTr11", "optTr12", "optTr13", "optTr14", "optTr15", "optTr16", "optTr17", "optTr18"};

template <int N>
constexpr int count(const char *const (&)[N])
{
    return N;
}

constexpr FamilyWindow Windows[] = {
    {Family::BSF, "cmdBSF", "B.S.F.", 2400, 2040, "frmBSFsize", "B.S.F. Size", "cmdAppBSF",
     "cmdBackBSF", 1800, 840, BsfOptions, count(BsfOptions), InchCaptions, count(InchCaptions)},
    {Family::Whitworth, "cmdWhit", "Whitworth", 4200, 2040, "frmWhitsize", "Whitworth Size",
     "cmdAppWhit", "cmdBackwhit", 1800, 840, WhitworthOptions, count(WhitworthOptions),
     InchCaptions, count(InchCaptions)},
    {Family::UNF, "cmdUNF", "U.N.F.", 1560, 3720, "frmUNFsize", "U.N.F. Size", "cmdAppUNF",
     "cmdBackUNF", 1800, 840, UnfOptions, count(UnfOptions), InchCaptions, count(InchCaptions)},
    {Family::UNC, "cmdUNC", "U.N.C.", 3360, 3720, "frmUNCsize", "U.N.C. Size", "cmdAppUNC",
     "cmdBackUNC", 1800, 840, UncOptions, count(UncOptions), InchCaptions, count(InchCaptions)},
    {Family::BA, "cmdBA", "B.A.", 600, 2040, "frmBAsize", "B.A. Size", "cmdAppBA", "cmdBackBA",
     1920, 855, BaOptions, count(BaOptions), BaCaptions, count(BaCaptions)},
    {Family::Metric, "cmdMetric", "Metric", 6000, 2040, "frmMetsize", "Metric Size", "btnAppmet",
     "cmdBackmet", 1800, 735, MetricOptions, count(MetricOptions), MetricCaptions,
     count(MetricCaptions)},
    {Family::UNEF, "cmdUNEF", "U.N.E.F.", 3360, 4560, "frmUNEFsize", "U.N.E.F. Size",
     "cmdAppUNEF", "cmdBackUNEF", 1800, 975, UnefOptions, count(UnefOptions), UnefCaptions,
     count(UnefCaptions)},
    {Family::Acme, "cmdAcme", "Acme", 1560, 4560, "frmAcmesize", "Acme Size", "cmdAppAcme",
     "cmdBackAcme", 1800, 1215, AcmeOptions, count(AcmeOptions), AcmeCaptions,
     count(AcmeCaptions)},
    {Family::Trapezoidal, "cmdTrap", "Trapezoidal", 5160, 4560, "frmTrsize", "Trapezoidal Size",
     "cmdAppTr", "cmdBackTr", 1800, 1215, TrapezoidalOptions, count(TrapezoidalOptions),
     TrapezoidalCaptions, count(TrapezoidalCaptions)},
};

// One row for every family, in the order of Family, with an option and a
// caption for each of the family's sizes.
static_assert(std::size(Windows) == FamilyCount, "every family has exactly one row");
constexpr bool rowsFit()
{
    for (int i = 0; i < FamilyCount; ++i) {
        const int sizes = familyRow(static_cast<Family>(i)).sizeCount;
        if (Windows[i].family != static_cast<Family>(i) || Windows[i].optionCount != sizes
            || Windows[i].captionCount != sizes)
            return false;
    }
    return true;
}
static_assert(rowsFit(), "the rows stand in the order of Family, an option for every size");

} // namespace

const FamilyWindow &familyWindow(Family family)
{
    return Windows[static_cast<int>(family)];
}

} // namespace kervadin
