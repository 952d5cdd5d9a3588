#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

// The unit report (a PDF): its command, dialog, headings and messages.
namespace report {

inline constexpr char kSaveReport[] = "Save Report...";
inline constexpr char kSaveReportTip[] = "Write the unit's inputs, cost chart and results to a PDF file";
inline constexpr char kSaveCaption[] = "Save Report";
inline constexpr char kFilter[] = "PDF document (*.pdf)";
inline constexpr char kSaveFailed[] =
    "The report could not be saved to %1: %2\nAny earlier file of that name is unchanged.";

inline constexpr char kTitle[] = "Unit report";
inline constexpr char kUnnamed[] = "Unnamed unit";
inline constexpr char kMadeBy[] = "Written %1 by Quorvale %2";                 // date, version
inline constexpr char kFooter[] = "%1  \u2014  Quorvale %2  \u2014  page %3";  // unit, version, page
inline constexpr char kPattern[] = "Corridor pattern";
inline constexpr char kTarget[] = "Simulator target (95% C.I. half-width, $/mbf)";
inline constexpr char kInputs[] = "Inputs";
inline constexpr char kInput[] = "Input";
inline constexpr char kLow[] = "Low";
inline constexpr char kHigh[] = "High";
inline constexpr char kUnit[] = "Unit";
inline constexpr char kRepairNote[] =
    "Entries are shown as the Variables window shows them, with one decimal; an entry that is not a positive "
    "number is read as its default.";

inline constexpr char kStaticHeading[] = "Static analysis: %1";  // the range case
inline constexpr char kLowRange[] = "Low Range";
inline constexpr char kAverageRange[] = "Average Range";
inline constexpr char kHighRange[] = "High Range";
inline constexpr char kCostChartTitle[] = "Roading, Logging and Total Cost vs. EYD";
inline constexpr char kEydAxis[] = "EYD (stations)";
inline constexpr char kCostAxis[] = "Cost ($/mbf)";
inline constexpr char kTotal[] = "Total";
inline constexpr char kLogging[] = "Logging";
inline constexpr char kRoad[] = "Road";
inline constexpr char kMinimumLabel[] = "Minimum @yPoint $/mbf at @xPoint stations";
inline constexpr char kStaticMinimum[] = "Lowest total cost: %1 $/mbf at an EYD of %2 stations.";
// %1 which EYD entry bounds the sweep.
inline constexpr char kStaticWiden[] = "The lowest cost lies at the largest EYD swept: raise the %1.";
inline constexpr char kLowEyd[] = "Low EYD";
inline constexpr char kHighEyd[] = "High EYD";
inline constexpr char kNoSweep[] = "The static analysis gave no finite costs for these inputs.";

inline constexpr char kSimulationHeading[] = "Last simulation";
inline constexpr char kNoSimulation[] = "No simulation has been run since the program started.";
inline constexpr char kNoOptimum[] = "The last simulation ended before any step was finished.";
inline constexpr char kStoppedRun[] = "The run was ended early; the optimum is over the finished steps only.";
inline constexpr char kRunFacts[] = "Seed %1, %2 samples over %3 of %4 steps.";

// %1 to %2 stations overlap the optimum's interval, %3 the optimum's stations.
inline constexpr char kRunOverlap[] =
    "The 95 % intervals of %1 to %2 stations overlap that of the lowest mean (%3 stations): the simulation cannot "
    "tell these apart. The decision analysis compares them on the same scenarios.";
inline constexpr char kRunLeftOut[] =
    "Left out: the last simulation was run on other inputs or another corridor pattern than those above. Press Go "
    "in the Simulator window to run it on these.";
inline constexpr char kRunNotPart[] =
    "Not part of a report written by quorvale-cli: the decision analysis below compares the EYDs on paired "
    "scenarios.";

inline constexpr char kDecisionHeading[] = "Last decision analysis";
inline constexpr char kNoDecision[] =
    "No decision analysis to report: Tools > Decision Analysis... runs one; its window keeps the result.";
inline constexpr char kDecisionLeftOutNote[] =
    "Left out: the decision analysis was run on other inputs or another corridor pattern than those above. Run it "
    "again in its window to report it.";
// Asked at "Save Report..." when the decision analysis shown is out of date.
inline constexpr char kRerunDecision[] =
    "The decision analysis was run on other inputs or another corridor pattern than the Variables window's.\n"
    "Run it again on these before the report is written? With No, the report leaves it out.";
// %1 seed, %2 scenarios; then %1 the scenarios left out.
inline constexpr char kDecisionFacts[] = "Seed %1, %2 scenarios.";
inline constexpr char kDecisionLeftOut[] = " %1 more scenarios gave figures that are not finite and were left out.";
inline constexpr char kRepeat[] = "The same analysis from the command line:";
// %1 the tolerance in percent.
inline constexpr char kBandHeading[] = "The steps within %1 % of the lowest mean";
inline constexpr char kBandEyd[] = "EYD (stations)";
inline constexpr char kBandMean[] = "Mean ($/mbf)";
inline constexpr char kBandP10[] = "P10 ($/mbf)";
inline constexpr char kBandP90[] = "P90 ($/mbf)";
inline constexpr char kBandCheapest[] = "Cheapest in (%)";
inline constexpr char kBandRegret[] = "Regret ($/mbf)";
inline constexpr char kPlanHeading[] = "Plan terms";
// %1 stations: the recommended EYD, or an end of the band.
inline constexpr char kPlanRecommended[] = "Recommended: %1 stations";
inline constexpr char kPlanBandEnd[] = "Band end: %1 stations";
inline constexpr char kPlanSpacing[] = "Road spacing (ft)";
inline constexpr char kPlanRoad[] = "Road length (miles)";
inline constexpr char kPlanLandings[] = "Landings";
inline constexpr char kPlanCorridors[] = "Corridors";
inline constexpr char kPlanVolume[] = "Volume (mbf)";
inline constexpr char kPlanMean[] = "Mean cost ($/mbf)";
inline constexpr char kPlanDollars[] = "The unit's total cost";
inline constexpr char kPlanEvpi[] = "EVPI for the unit";
// What the decision analysis drew from beyond Low and High.
inline constexpr char kBeliefsHeading[] = "Beliefs: most likely values and shapes";
inline constexpr char kBeliefsNone[] = "Every input was drawn evenly between its Low and High.";
inline constexpr char kBeliefsRest[] = "The other inputs were drawn evenly between their Low and High.";
inline constexpr char kLinksHeading[] = "Linked inputs (Spearman rank correlation)";
inline constexpr char kShape[] = "Shape";
// Where each input keeps its own shape: no one command line says that.
inline constexpr char kRepeatByUnitFile[] =
    "Some inputs are triangular and some PERT, which one command line cannot say: save the unit to a file, and "
    "quorvale-cli decide --unit FILE --seed %1 --scenarios %2 repeats this analysis.";
// %1 the other unit file, %2 seed, %3 scenarios.
inline constexpr char kRepeatCompareByUnitFile[] =
    "Save the unit to a file, and quorvale-cli compare --unit FILE --against %1 --seed %2 --scenarios %3 repeats "
    "this comparison.";
// %1 and %2 the alternatives.
inline constexpr char kComparisonHeading[] = "Comparison: %1 against %2";
inline constexpr char kAlternative[] = "Alternative";
inline constexpr char kRecommendedEyd[] = "Recommended EYD (stations)";
inline constexpr char kMeanCost[] = "Mean cost ($/mbf)";
inline constexpr char kMeanDifference[] = "Mean difference B \u2212 A ($/mbf)";
inline constexpr char kACheaper[] = "A's choice cheaper in (% of scenarios)";
inline constexpr char kPlanNote[] =
    "The layout is that of the average scenario, every input at the middle of its range; the unit's cost is the "
    "scenarios' mean cost times the unit's volume.";

}  // namespace report

}  // namespace quorvale::texts
