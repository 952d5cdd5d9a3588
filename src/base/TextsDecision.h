#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// The "Decision Analysis" window: its menu item, controls, states, charts
// and the tool tips of its charts.
namespace decision {

inline constexpr char kMenuItem[] = "&Decision Analysis...";
inline constexpr char kCaption[] = "Decision Analysis";
// The header: %1 the unit's name, %2 the corridor pattern.
inline constexpr char kHeader[] = "Unit: %1 \u2014 %2";
inline constexpr char kUnnamedUnit[] = "unnamed";

inline constexpr char kRun[] = "Run";
inline constexpr char kRunAgain[] = "Run again";
inline constexpr char kCancel[] = "Cancel";

// The state line above the charts. %1 scenarios, %2 seed, %3 threads.
inline constexpr char kReady[] = "Run the analysis on the Variables window's inputs and corridor pattern.";
inline constexpr char kRunning[] = "Running: %1 scenarios so far (seed %2)\u2026";
inline constexpr char kDone[] = "%1 scenarios, seed %2, %3 threads.";
// %1 seed, after the engine's note on a stopped run.
inline constexpr char kSeed[] = "(seed %1)";
inline constexpr char kCancelledEmpty[] = "Stopped before any scenario was complete.";
inline constexpr char kNonFinite[] = " %1 scenarios gave no finite cost and were left out.";
inline constexpr char kOutOfDate[] =
    "Out of date: the inputs have changed since this result. Run again to bring it up to date.";
// %1 what went wrong.
inline constexpr char kFailed[] = "The analysis stopped with an error: %1. Check the inputs and run again.";

// Cost by EYD.
inline constexpr char kCostTitle[] = "Expected total cost by EYD";
inline constexpr char kEydAxis[] = "EYD (stations)";
inline constexpr char kCostAxis[] = "Total cost ($/mbf)";
inline constexpr char kShareAxis[] = "Cheapest here (share of scenarios)";
inline constexpr char kSeriesMean[] = "Mean";
inline constexpr char kSeriesP50[] = "P50";
inline constexpr char kSeriesSpread[] = "P10\u2013P90";
inline constexpr char kSeriesShare[] = "Cheapest here";
// %1 the tolerance in percent.
inline constexpr char kSeriesBand[] = "Within %1 % of the best";
// %1 EYD in stations.
inline constexpr char kSeriesRecommended[] = "Recommended: %1 stations";
// %1 EYD, %2 mean, %3 P10, %4 P90, %5 P50, %6 share in percent, %7 regret.
inline constexpr char kCostHover[] =
    "EYD %1 stations\nMean %2 $/mbf\nP10\u2013P90 %3\u2013%4 $/mbf\nP50 %5 $/mbf\n"
    "Cheapest in %6 % of scenarios\nRegret %7 $/mbf";

// The axis titles' short forms, where the whole titles have no room.
inline constexpr char kEydAxisShort[] = "EYD (stat)";
inline constexpr char kCostAxisShort[] = "$/mbf";
inline constexpr char kShareAxisShort[] = "Cheapest (%)";

// Tornado.
inline constexpr char kTornadoTitle[] = "What moves the minimum cost";
inline constexpr char kTornadoAxis[] = "Minimum total cost ($/mbf)";
inline constexpr char kTornadoAxisShort[] = "Min. cost ($/mbf)";
// At a bar's end: %1 the minimum cost ($/mbf), %2 the EYD it is reached at
// (stations).
inline constexpr char kBarEnd[] = "%1 at EYD %2";
inline constexpr char kSeriesLow[] = "Variable at its Low";
inline constexpr char kSeriesHigh[] = "Variable at its High";
// %1 base cost.
inline constexpr char kSeriesBase[] = "All at Average: %1 $/mbf";
// %1 caption, %2 cost at Low, %3 EYD at Low, %4 cost at High, %5 EYD at High, %6 swing.
inline constexpr char kTornadoHover[] =
    "%1\nAt its Low: %2 $/mbf at %3 stations\nAt its High: %4 $/mbf at %5 stations\nSwing %6 $/mbf";
inline constexpr char kTornadoEmpty[] = "No input differs between its Low and High.";
// Also a sentence of the summary.
inline constexpr char kTornadoNoBase[] = "With every input at its Average, no EYD has a finite cost.";
// %1 the variables' captions.
inline constexpr char kTornadoLeftOut[] = "Left out, no finite cost at its Low or High: %1";

// The beliefs panel, the comparison and what is worth measuring. %1, %2, ...
// are filled in order.
inline constexpr char kTabResults[] = "Cost and tornado";
inline constexpr char kTabVoi[] = "What is worth measuring";
inline constexpr char kTabCompare[] = "Comparison";
inline constexpr char kTabBeliefs[] = "Beliefs";
inline constexpr char kBeliefsTitle[] = "Most likely values (Low and High come from the Variables window)";
inline constexpr std::array<const char*, 5> kBeliefColumns{"Variable", "Low", "Most likely", "High", "Shape"};
inline constexpr char kShapeTriangular[] = "Triangular";
inline constexpr char kShapePert[] = "PERT";
inline constexpr char kLinksTitle[] = "Linked inputs";
inline constexpr std::array<const char*, 3> kLinkColumns{"Input", "Linked with", "Rank correlation"};
inline constexpr char kAddLink[] = "Add link";
inline constexpr char kRemoveLink[] = "Remove link";
inline constexpr char kCompareWith[] = "Compare with:";
inline constexpr char kCompareNothing[] = "Nothing";
inline constexpr char kCompareWithOtherPattern[] = "The other corridor pattern";
inline constexpr char kCompareUnitFile[] = "A unit file\u2026";
inline constexpr char kCompareOpenCaption[] = "Compare with a unit";
inline constexpr char kThisUnit[] = "this unit";
// %1 the caption, %2 the text.
inline constexpr char kModeNotNumber[] =
    "The most likely value of %1, \"%2\", is not a positive number. Correct it or clear it, then run again.";
// %1 the caption, %2 the value, %3 Low, %4 High.
inline constexpr char kModeOutside[] =
    "The most likely value of %1 (%2) is not between its Low %3 and its High %4. Change it or the range, then run "
    "again.";
inline constexpr char kLinkSelf[] = "A link joins %1 with itself. Choose two different inputs, then run again.";
// %1 the pairs.
inline constexpr char kLinksImpossible[] =
    "These links cannot hold together: %1. Weaken or remove one of them, then run again.";
// %1 the reader's message.
inline constexpr char kCompareRefused[] = "The unit to compare with cannot be used: %1";

inline constexpr char kVoiTitle[] = "What is worth measuring before deciding";
inline constexpr char kVoiEmpty[] = "What is worth measuring: no figures yet";
inline constexpr char kVoiSeries[] = "EVPPI";
inline constexpr char kVoiAxis[] = "Saving from knowing it exactly ($/mbf)";
// %1 caption, %2 $/mbf, %3 dollars for the unit.
inline constexpr char kVoiHover[] = "%1\nKnowing it before deciding would save %2 $/mbf\n(%3 $ for this unit)";
inline constexpr std::array<const char*, 3> kVoiColumns{"Variable", "EVPPI ($/mbf)", "For the unit ($)"};

inline constexpr char kCompareTitle[] = "Both alternatives on the same scenarios";
inline constexpr char kCompareDifferenceAxis[] = "B \u2212 A ($/mbf)";
inline constexpr char kCompareDifference[] = "Difference of the means (B \u2212 A)";
inline constexpr char kCompareChosen[] = "Chosen";
// %1 step, %2 A's name, %3 its mean, %4 B's name, %5 its mean, %6 the difference.
inline constexpr char kCompareHover[] = "EYD %1 stations\n%2: %3 $/mbf\n%4: %5 $/mbf\nB \u2212 A: %6 $/mbf";
inline constexpr std::array<const char*, 4> kCompareColumns{"EYD (stations)", "A mean ($/mbf)", "B mean ($/mbf)",
                                                            "B - A ($/mbf)"};

// Saved data: the column headings.
inline constexpr std::array<const char*, 9> kCostColumns{
    "EYD (stations)", "Mean ($/mbf)", "StdDev ($/mbf)",        "Half-width ($/mbf)", "P10 ($/mbf)",
    "P50 ($/mbf)",    "P90 ($/mbf)",  "Cheapest here (share)", "Regret ($/mbf)"};
inline constexpr std::array<const char*, 6> kTornadoColumns{
    "Variable",     "Cost at Low ($/mbf)", "EYD at Low (stations)", "Cost at High ($/mbf)", "EYD at High (stations)",
    "Swing ($/mbf)"};

}  // namespace decision

// The decision analysis's summary in words, filled with fmt: the {} fields
// take the arguments in order.
namespace decision {

// The stations, then the mean cost ($/mbf, two decimals).
inline constexpr char kRecommend[] = "Lay out at {} stations (mean {} $/mbf).";
// The mean cost, when the recommendation is the first station.
inline constexpr char kRecommendOne[] = "Lay out at 1 station (mean {} $/mbf).";
// The first and last stations, then the tolerance in percent.
inline constexpr char kBand[] = "Anywhere from {} to {} stations is within {} % of that.";
// The tolerance in percent.
inline constexpr char kBandAlone[] = "No other number of stations is within {} % of that.";
// The variable's caption in the Variables window.
inline constexpr char kDriver[] = "{} moves the cost most.";
inline constexpr char kNoDriver[] = "No single input moves the lowest cost.";
// The variable's caption: no step has a finite cost with it at that end.
inline constexpr char kNoCostAtLow[] = "With {} at its Low, no EYD has a finite cost; check that entry.";
inline constexpr char kNoCostAtHigh[] = "With {} at its High, no EYD has a finite cost; check that entry.";
inline constexpr char kNoCostAtEither[] = "With {} at its Low or its High, no EYD has a finite cost; check that entry.";
inline constexpr char kNoSteps[] = "The High EYD is below one station, so there is nothing to lay out.";
inline constexpr char kNoScenario[] = "No scenario gave finite costs, so there is no recommendation.";
// The scenarios.
inline constexpr char kStopped[] = "Stopped after {} scenarios; not final: the figures are those so far.";
// The cap on scenarios.
inline constexpr char kCapped[] =
    "The run reached its cap of {} scenarios before the target was met; the figures are less sure than asked.";

// What is worth measuring and comparisons, in words, filled with fmt: the
// {} fields take the arguments in order.
// The variable's caption, $/mbf (two decimals), dollars for the unit.
inline constexpr char kVoiFirst[] =
    "Measure {} first: knowing it before deciding would save {} $/mbf, {} for the unit.";
inline constexpr char kVoiNone[] =
    "No single input is worth measuring first: knowing any one exactly would save less than 0.01 $/mbf.";
// The biggest cost driver's caption, what knowing it would save ($/mbf).
inline constexpr char kVoiDriverHardly[] =
    "{} moves the cost most but hardly changes the choice: knowing it would save {} $/mbf.";

// A comparison of two alternatives: the choice, the share in percent,
// "they cost" or "it costs", the other alternative, the mean difference and
// its P10 and P90 ($/mbf, one decimal).
inline constexpr char kCompare[] = "{}: in {} % of scenarios {} less than {}, by {} $/mbf on average (P10 {}, P90 {}).";
// The pattern's word, the stations ("15 stations").
inline constexpr char kCompareLayOut[] = "Lay out {} corridors at {}";
// The unit's name, the pattern's word, the stations.
inline constexpr char kCompareChoose[] = "Choose {} ({} corridors at {})";
inline constexpr char kCompareTheyCost[] = "they cost";
inline constexpr char kCompareItCosts[] = "it costs";
// The other: the pattern's word and its step; with a unit, its name first.
inline constexpr char kCompareOtherPattern[] = "{} at {}";
inline constexpr char kCompareOtherUnit[] = "{} ({} at {})";
inline constexpr char kParallelWord[] = "parallel";
inline constexpr char kFanShapedWord[] = "fan-shaped";
inline constexpr char kOneStation[] = "1 station";
// A whole number of stations above 1.
inline constexpr char kStations[] = "{} stations";
// Without a recommendation on both sides.
inline constexpr char kCompareNone[] = "No comparison: one of the alternatives has no recommendation.";

}  // namespace decision

}  // namespace quorvale::texts
