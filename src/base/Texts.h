#pragma once
// Every exact text the program shows, in one table: captions, labels,
// messages and the names it stores settings under. Each window area has its
// own namespace under quorvale::texts, so a reader finds a text by where it
// appears and a test can check it against what the user sees.
//
// A text with fields is filled one way, by what it becomes: a std::string
// with fmt, its fields {} (the core, the command line and the few messages
// printed before a window opens); a QString with QString::arg, its fields
// %1, %2 (the windows).

#include <array>

namespace quorvale::texts {

// Captions and messages of the start-up window, the main window and the
// settings store, kept in one place (the menu captions of File, Window and
// Help live in the string table).
namespace shell {

inline constexpr char kAppTitle[] = "Quorvale_2000";
inline constexpr char kMainCaption[] = "Quorvale_2000  1.0_Beta";

// Disclaimer window.
inline constexpr char kSplashProduct[] = "Quorvale_2000";
inline constexpr char kSplashVersion[] = "Version 1.0_Beta";
inline constexpr char kSplashAuthor[] = "Cable logging road and landing spacing economics";
inline constexpr char kSplashRights[] = "Copyright the Quorvale authors. All rights reserved.";
inline constexpr char kSplashWarning[] =
    "Warning:  The estimates provided by this software are not guaranteed.  The user (you) "
    "assumes full responsibility for any damages caused by the use of this software.";
inline constexpr char kSplashAccept[] = "I Accept Full  Responsibility";
inline constexpr char kSplashExit[] = "Exit";

// The Tools menu, between "Show Results" and Window.
inline constexpr char kToolsMenu[] = "&Tools";

// Status bar.
inline constexpr char kStatusPanel[] = "Status";

// Settings store: application, section and the main window's placement keys.
inline constexpr char kSettingsApplication[] = "Quorvale_2000";
inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kMainLeft[] = "MainLeft";
inline constexpr char kMainTop[] = "MainTop";
inline constexpr char kMainWidth[] = "MainWidth";
inline constexpr char kMainHeight[] = "MainHeight";

// Printed once at exit when the placement could not be written: %1 is the
// settings file, %2 what went wrong.
inline constexpr char kSettingsNotSaved[] =
    "quorvale: the window placement could not be saved to %1 (%2); check that the file and its "
    "folder can be written.";
inline constexpr char kSettingsAccessError[] = "the file cannot be written";
inline constexpr char kSettingsFormatError[] = "the file is damaged";
// %1 the settings file, %2 what stands there ("a FIFO (named pipe)", ...).
inline constexpr char kSettingsLeftAlone[] =
    "quorvale: the settings file %1 is %2, not a regular file; it is left alone, and the settings of this run "
    "are not kept.";
// %1 the settings file, %2 where it went.
inline constexpr char kSettingsMovedAside[] =
    "quorvale: the settings file %1 was damaged; it was moved to %2, and the settings start afresh.";

// Printed instead of opening windows when there is no screen to open them
// on, filled with fmt: {} what was found.
inline constexpr char kNoDisplay[] =
    "quorvale: no graphical display is available ({}), so the desktop application cannot open "
    "its windows.\n"
    "Run the static analysis in the terminal instead:\n"
    "    quorvale-cli sweep\n"
    "or start the desktop application from a graphical session.\n";

// The command line: `quorvale [UNIT.qvunit]`.
inline constexpr char kUsage[] =
    "usage: quorvale [UNIT.qvunit]\n"
    "Starts the desktop application; a unit file given is opened once the main window is up.\n"
    "The headless analyses are in quorvale-cli.\n"
    "\nExit status:\n"
    "  0    the program was closed normally (also by Exit on the disclaimer)\n"
    "  2    no graphical display is available, or the command line is wrong; the\n"
    "       message on standard error says which\n";
inline constexpr char kUsageError[] = "quorvale: %1\n";
inline constexpr char kUnknownOption[] = "unknown option %1";
inline constexpr char kTooManyFiles[] = "one unit file at most, not %1";

}  // namespace shell

// The About box's texts and the programs it looks for, exactly as used.
namespace about {

inline constexpr const char* kCaption = "About Quorvale_2000 !.0_Beta";
inline constexpr const char* kTitle = "Quorvale_2000 1.0_Beta";
inline constexpr double kTitlePointSize = 13.5;
inline constexpr const char* kVersion = "Written by the Quorvale development team";
inline constexpr const char* kDescription =
    "Quorvale was created as a Master's of Science project to evaluate optimal road densities from an economic "
    "perspective.  The program uses a logging cost simulator to compare yarding and roading costs.";
inline constexpr const char* kRights = "All rights reserved by the Quorvale authors.";
inline constexpr const char* kDisclaimer =
    "Questions and suggestions are welcome: contact the Quorvale development team.";
inline constexpr const char* kOk = "OK";
inline constexpr const char* kSysInfo = "&System Info...";

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// The system-information programs of the common desktops, tried in this
// order on the PATH.
inline constexpr std::array<const char*, 4> kDesktopSysInfoPrograms{"kinfocenter", "hardinfo2", "hardinfo",
                                                                    "gnome-system-monitor"};

}  // namespace about

// Captions of the Variables window besides the row captions and group
// headings, which come with the input rules.
namespace variables {

inline constexpr char kCaption[] = "Variables";
inline constexpr char kLowHeading[] = "Low";
inline constexpr char kHighHeading[] = "High";
inline constexpr char kCrewHours[] = "(crew hrs)";

// Client area of the window as designed, in twips.
inline constexpr double kClientWidthTwips = 5265;
inline constexpr double kClientHeightTwips = 8625;

// Faces: headings bold 12 point; the operator's cost caption 9.75 point
// against the window's 8.25-point face, and as much larger than whatever face
// the window gets on this screen.
inline constexpr double kHeadingPoints = 12;
inline constexpr double kOperatorCostPoints = 9.75;
inline constexpr double kDesignedFacePoints = 8.25;

// Feedback on a field; it changes no text. %1 the text left in the field,
// %2 the spin value put in its place.
inline constexpr char kRepairedTip[] = "\"%1\" is not a usable number, so the spin value %2 was put in its place.";
inline constexpr char kLowAboveHighTip[] = "Low is above High.";
// %1 the text, %2 the number it is read as.
inline constexpr char kReadAsTip[] = "\"%1\" read as %2";

}  // namespace variables

// The Simulator window's own texts, exactly as the user sees them.
namespace simulator {

inline constexpr const char* kCaption = "Simulator";

inline constexpr const char* kGo = "Go";
inline constexpr const char* kPause = "Pause 5 Sec.";
inline constexpr const char* kEnd = "End";

inline constexpr const char* kTarget = "95% C.I.  Mean $/mbf +/-";
inline constexpr const char* kEydCounter = "EYD (feet) Counter";
inline constexpr const char* kOptimalEyd = "Optimal EYD (feet)";
inline constexpr const char* kMinTotalCost = "Min. Total Cost ($/mbf)";
inline constexpr const char* kLandingSpacing = "Landing Spacing (feet)";
inline constexpr const char* kRoadDensity = "Road Density (miles/sect)";
inline constexpr const char* kAyd = "AYD (feet)";
inline constexpr const char* kAeyd = "AEYD (feet)";
inline constexpr const char* kLyd = "LYD (feet)";
inline constexpr const char* kAlyd = "ALYD (feet)";
inline constexpr const char* kCorridors = "Corridors per Landing";
inline constexpr const char* kLandings = "Landings per Unit";
inline constexpr const char* kSampleStats = "Sample Stats For $/mbf per EYD Step";
inline constexpr const char* kIterations = "Iterations";
inline constexpr const char* kRandom = "Rand #";
inline constexpr const char* kMean = "Mean";
inline constexpr const char* kMin = "Min";
inline constexpr const char* kStdDev = "StdDev";
inline constexpr const char* kMax = "Max";

// The simulation chart window: its caption (the chart's only title) and the
// labels of its five series.
inline constexpr const char* kChartCaption = "Stats Graph Total Cost($/mbf) vs. EYD (stat)";
inline constexpr const char* kSeriesAverage = "Average";
inline constexpr const char* kSeriesBelow = "Average-Stdev";
inline constexpr const char* kSeriesAbove = "Average+Stdev";
inline constexpr const char* kSeriesMin = "Min";
inline constexpr const char* kSeriesMax = "Max";

// The target the window opens with, and the one "Go" puts in place of a
// target that is not a positive number.
inline constexpr const char* kDefaultTarget = "5";
// What every output field shows before a run and after a stopped one.
inline constexpr const char* kZero = "0";

// A step that has drawn the notice count of samples and still wants more;
// %1 that count.
inline constexpr const char* kNotConvergedTip =
    "This step has drawn more than %1 samples without reaching the target: it has not converged.";

// The results of the last run once the inputs have changed since.
inline constexpr const char* kStaleTip = "The inputs have changed since this run. Press \"Go\" to run again.";

}  // namespace simulator

// Texts of the chart windows' own additions: the tool tip of a hovered point
// and the chart's context menu with its dialogs and messages.
namespace charts {

// %1 series label, %2 row label (EYD in stations), %3 value.
inline constexpr char kHoverTemplate[] = "%1\nEYD: %2 stat\nValue: %3";

inline constexpr char kCopyImage[] = "Copy Image";
inline constexpr char kSaveImage[] = "Save Image\u2026";
inline constexpr char kSaveData[] = "Save Data\u2026";

inline constexpr char kSaveImageCaption[] = "Save Image";
inline constexpr char kSaveDataCaption[] = "Save Data";
inline constexpr char kImageFilter[] = "PNG image (*.png);;SVG drawing (*.svg)";
inline constexpr char kDataFilter[] = "CSV table (*.csv)";
inline constexpr char kSaveImageFailed[] = "The chart image could not be saved to %1: %2";
inline constexpr char kSaveDataFailed[] = "The chart data could not be saved to %1: %2";

// Heading of the row-label column in saved data.
inline constexpr char kCsvRowHeading[] = "EYD (stat)";

// Axis titles. Every chart runs against the EYD in stations of 100 feet.
inline constexpr char kAxisEyd[] = "EYD (stations)";
inline constexpr char kAxisCost[] = "Cost ($/mbf)";
inline constexpr char kAxisTotalCost[] = "Total cost ($/mbf)";
inline constexpr char kAxisTime[] = "Time";
inline constexpr char kAxisRoads[] = "Roads";
inline constexpr char kAxisMbfDay[] = "Production (mbf/day)";
inline constexpr char kAxisTonsDay[] = "Production (tons/day)";
inline constexpr char kAxisLoadsDay[] = "Production (loads/day)";
inline constexpr char kAxisTotalDays[] = "Total days (tens of days)";
inline constexpr char kAxisCycleTime[] = "Cycle time (min/turn)";
inline constexpr char kAxisRiggingTime[] = "Rigging time (hours/landing)";
inline constexpr char kAxisRoadDensity[] = "Road density (miles per section)";
inline constexpr char kAxisLandingSpacing[] = "Landing spacing (stations)";
inline constexpr char kAxisAyd[] = "AYD (stations)";
inline constexpr char kAxisLyd[] = "LYD (stations)";
inline constexpr char kAxisAlyd[] = "ALYD (stations)";
inline constexpr char kAxisAeyd[] = "AEYD (stations)";
inline constexpr char kAxisCorridors[] = "Corridors per landing";
inline constexpr char kAxisLandings[] = "Landings per unit";

// The short forms an axis title takes where the whole title has no room:
// the quantity's unit alone, in its brief spelling.
inline constexpr char kAxisEydShort[] = "EYD (stat)";
inline constexpr char kShortCost[] = "$/mbf";
inline constexpr char kShortMbfDay[] = "mbf/day";
inline constexpr char kShortTonsDay[] = "tons/day";
inline constexpr char kShortLoadsDay[] = "loads/day";
inline constexpr char kShortTensOfDays[] = "10 days";
inline constexpr char kShortMinutesTurn[] = "min/turn";
inline constexpr char kShortHoursLanding[] = "hrs/landing";
inline constexpr char kShortMilesSection[] = "mi/section";
inline constexpr char kShortStations[] = "stat";
inline constexpr char kShortPerLanding[] = "per landing";
inline constexpr char kShortPerUnit[] = "per unit";
inline constexpr char kAxisAydShort[] = "AYD (stat)";
inline constexpr char kAxisLydShort[] = "LYD (stat)";
inline constexpr char kAxisAlydShort[] = "ALYD (stat)";
inline constexpr char kAxisAeydShort[] = "AEYD (stat)";
inline constexpr char kAxisLandingSpacingShort[] = "Spacing (stat)";

// Units of the charted values, as the hover tip and mixed axes give them.
inline constexpr char kUnitCost[] = "$/mbf";
inline constexpr char kUnitMbfDay[] = "mbf/day";
inline constexpr char kUnitTonsDay[] = "tons/day";
inline constexpr char kUnitLoadsDay[] = "loads/day";
// The "1/10 Total Days" series holds a tenth of the days.
inline constexpr char kUnitTensOfDays[] = "tens of days";
inline constexpr char kUnitMinutesTurn[] = "min/turn";
inline constexpr char kUnitHoursLanding[] = "hours/landing";
inline constexpr char kUnitMilesSection[] = "miles per section";
inline constexpr char kUnitStations[] = "stations";
inline constexpr char kUnitPerLanding[] = "per landing";
inline constexpr char kUnitPerUnit[] = "per unit";

// Between the units of a chart whose series differ in unit.
inline constexpr char kUnitSeparator[] = " | ";

// The mark at the lowest total cost: %1 value, %2 unit, %3 EYD in stations.
inline constexpr char kMinimumLabel[] = "Lowest: %1 %2 at EYD %3";
// The notes of a chart on which the model's caps show.
inline constexpr char kCostCapNote[] = "Costs capped at 400 $/mbf";
inline constexpr char kDensityCapNote[] = "Road density capped at 20 miles per section";

}  // namespace charts

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

// The plan terms of a decision analysis in words; {} are filled in order by
// fmt.
namespace plan {

// {} stations, road spacing (ft), road (miles), landings, corridors, the
// unit's dollars, its mean cost ($/mbf) and its volume (mbf).
inline constexpr char kAtRecommended[] =
    "At {} stations the roads lie {} ft apart: {} miles of road, {} landings and {} corridors in the unit, which "
    "costs {} in all ({} $/mbf on {} mbf).";
// {} the band's two ends in stations; road (miles), landings and dollars at
// each end.
inline constexpr char kAtBandEnds[] =
    "At the band's ends, {} and {} stations: {} and {} miles of road, {} and {} landings, {} and {}.";
// A figure the model cannot give for the average scenario.
inline constexpr char kNone[] = "-";

// How often the recommended EYD is the cheapest ({} percent), and the step
// that is the cheapest most often ({} stations, percent) when another.
inline constexpr char kCheapest[] =
    "It is the cheapest EYD in {} % of the scenarios; {} stations is the cheapest most often, in {} %.";
inline constexpr char kCheapestMostOften[] =
    "It is the cheapest EYD in {} % of the scenarios; no other is the cheapest more often.";
inline constexpr char kWiden[] = "The lowest cost lies at the largest EYD swept: widen the High EYD.";
// {} $/mbf, two decimals; then the dollars for the unit.
inline constexpr char kEvpi[] = "Knowing the inputs exactly would save {} $/mbf.";
inline constexpr char kEvpiDollars[] = "Knowing the inputs exactly would save {} $/mbf, {} for the unit.";
// {} the recommended stations, the simulation's optimum, the band's ends.
inline constexpr char kFollowInside[] =
    "Follow the decision analysis, which compares every EYD on the same scenarios: lay out at {} stations; the "
    "simulation's optimum, {} stations, lies inside its band of {} to {} stations.";
inline constexpr char kFollowOutside[] =
    "Follow the decision analysis, which compares every EYD on the same scenarios: lay out at {} stations; the "
    "simulation's optimum, {} stations, lies outside its band of {} to {} stations.";

}  // namespace plan

// Unit documents: the reader's messages (one line each, filled with fmt: the
// file, then the place in it, a JSON pointer or line:column), and the
// desktop's unit commands, dialogs and messages.
namespace units {

inline constexpr char kCannotRead[] = "{}: cannot be read: {}";
inline constexpr char kIsFolder[] = "{}: is a folder, not a unit file";
// The second field: what stands there ("a FIFO (named pipe)", "a character
// device", ...).
inline constexpr char kNotRegular[] = "{}: is {}, not a unit file; only a regular file is read";
inline constexpr char kTooLarge[] = "{}: is {} bytes; a unit file holds at most 1 MiB (1048576 bytes)";
inline constexpr char kNotJson[] = "{}:{}: not a JSON document: {}";
inline constexpr char kWrongType[] = "{}: {}: expected {}, found {}";
inline constexpr char kMissing[] = "{}: {}: missing; a unit document must give it";
inline constexpr char kWrongFormat[] =
    "{}: /format: expected \"quorvale-unit\", found {}; this is not a Quorvale unit file";
inline constexpr char kWrongVersion[] =
    "{}: /version: version {} is not supported; this program reads version 1 unit files";
inline constexpr char kWrongCount[] = "{}: {}: expected two texts [Low, High], found {}";
inline constexpr char kUnknownPattern[] = "{}: /pattern: expected \"parallel\" or \"fan\", found {}";
inline constexpr char kControlCharacter[] =
    "{}: {}: holds a line break or other control character; a text here is one line";
inline constexpr char kUnknownKey[] = "{}: {}: unknown key, ignored";
inline constexpr char kDuplicateKey[] = "{}: {}: given twice; a unit document gives each key once";
inline constexpr char kNulByte[] = "a NUL byte; a unit document is text, and nothing may follow it";
// The third field: the limit in bytes.
inline constexpr char kTextCut[] = "{0}: {1}: longer than {2} bytes; only the first {2} are kept";

// A number of the file not read as its text says: the file, the place, the
// text, the value taken, and why (or nothing).
inline constexpr char kReadAs[] = "{}: {} \"{}\" read as {}{}";
inline constexpr char kEntryPlace[] = "{} {}";  // option name, Low or High
inline constexpr char kLow[] = "Low";
inline constexpr char kHigh[] = "High";
inline constexpr char kTargetPlace[] = "target";
inline constexpr char kWhyOtherForm[] = " (unit files write numbers with \".\" as the decimal point and no grouping)";
inline constexpr char kWhyRepaired[] = " (not a usable number: the default)";

// What a JSON value was, for kWrongType's "found {}".
inline constexpr char kAnObject[] = "an object";
inline constexpr char kAList[] = "a list";
inline constexpr char kAText[] = "a text";
inline constexpr char kANumber[] = "a number";
inline constexpr char kTrueFalse[] = "true/false";
inline constexpr char kNull[] = "null";
inline constexpr char kAListOfTwoTexts[] = "a list of two texts [Low, High]";
inline constexpr char kAWholeNumber[] = "a whole number";
inline constexpr char kATextOrNumber[] = "a text or a number";
inline constexpr char kItems[] = "{} items";

// Tools menu and toolbar.
inline constexpr char kOpenUnit[] = "Open Unit...";
inline constexpr char kSaveUnitAs[] = "Save Unit As...";
inline constexpr char kRestoreLastInputs[] = "Restore Last Inputs";
inline constexpr char kRecentUnit[] = "&%1 %2";  // number, file name
inline constexpr char kToolBar[] = "Tools";
inline constexpr char kOpenUnitTip[] = "Open a unit file (Ctrl+Shift+O)";
inline constexpr char kSaveUnitTip[] = "Save the inputs as a unit file (Ctrl+Shift+S)";
inline constexpr char kRestoreTip[] = "Bring back the inputs the Variables window held when it was last closed";

// File dialogs.
inline constexpr char kOpenCaption[] = "Open Unit";
inline constexpr char kSaveCaption[] = "Save Unit As";
inline constexpr char kFilter[] = "Quorvale unit (*.qvunit);;All files (*)";
inline constexpr char kUntitled[] = "unit.qvunit";

// Messages (one OK button, the application title as caption).
inline constexpr char kOpenFailed[] = "The unit was not opened, nothing was changed.\n%1";
inline constexpr char kSaveFailed[] =
    "The unit could not be saved to %1: %2\nAny earlier file of that name is unchanged.";
inline constexpr char kOpenedWithWarnings[] = "The unit was opened. These parts of the file were not used:\n%1";
inline constexpr char kOpenedWithNotes[] =
    "The unit was opened. These numbers of the file are not read as it writes them:\n%1";
inline constexpr char kBusy[] =
    "The inputs cannot change while a simulation runs. Press End, or wait for the run to finish.";
// %1 what stands at the name ("a FIFO (named pipe)", "a character device", ...).
inline constexpr char kNotReplaceable[] = "%1 stands there, not a file, and is left alone; choose another name";
inline constexpr char kShortWrite[] = "only %1 of %2 bytes could be written; the disk may be full";
inline constexpr char kRecentMissing[] = "The unit file %1 is no longer there; it was taken off the recent list.";
inline constexpr char kNoLastInputs[] = "There are no kept inputs yet: they are kept when the Variables window closes.";

// Settings store: the group of the kept inputs and of the recent units,
// apart from the main window's placement.
inline constexpr char kLastInputsGroup[] = "LastInputs";
inline constexpr char kRecentGroup[] = "RecentUnits";
inline constexpr int kRecentCount = 4;

// Beliefs of a version 2 document, filled with fmt: the file, the place, what was found.
inline constexpr char kNotDrawnVariable[] = "{}: {}: not the option name of a variable that is drawn";
inline constexpr char kNotPositiveNumber[] = "{}: {}: expected a positive number, found {}";
inline constexpr char kUnknownShape[] = "{}: {}: expected \"triangular\" or \"pert\", found {}";
inline constexpr char kBadCorrelation[] =
    "{}: {}: a correlation links two different drawn variables, each pair once, with a rho between -1 and 1";

}  // namespace units

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

// The user guide's window and its Tools menu item.
namespace guide {

inline constexpr char kMenuItem[] = "User Guide";
inline constexpr char kMenuTip[] = "Open the user guide: the inputs, the figures and how they are computed (F1)";
inline constexpr char kCaption[] = "User Guide";
inline constexpr char kContents[] = "Contents";
// Shown in place of the guide should a build lack it.
inline constexpr char kMissing[] = "The user guide is not part of this build of the program.";

}  // namespace guide

// A batch of units: the units' input, its rows and its messages, for
// `quorvale-cli batch` and the Units Overview window.
namespace batch {

// Reading the units. {} the file, then what is wrong.
inline constexpr char kFolderUnreadable[] = "{}: the folder cannot be read: {}";
inline constexpr char kCsvUnreadable[] = "{}: the batch CSV cannot be opened";
inline constexpr char kCsvNoHeader[] = "{}: the batch CSV has no header row {}";
inline constexpr char kCsvUnknownColumn[] =
    "{}: unknown column \"{}\"; the columns are name, pattern, shape and the variables' option names (harvest-volume, "
    "...)";
inline constexpr char kCsvDoubledColumn[] = "{}: the column \"{}\" is given twice";
// {} the line, the limit.
inline constexpr char kRecordTooLong[] = "the row at line {} is longer than {} bytes";
inline constexpr char kQuoteNotClosed[] = "the quote opened at line {} is never closed";
inline constexpr char kCsvBroken[] = "{}: {}; the rows after it were not read";
// {} the file, the line, the cells, the columns.
inline constexpr char kCellCount[] = "{} line {}: {} cells for {} columns";
// The name of a CSV row without a name: {} the file without its suffix, the line.
inline constexpr char kRowName[] = "{} line {}";
// A row's status when the unit ran.
inline constexpr char kStatusOk[] = "ok";
// A row whose analysis found no finite cost at any step.
inline constexpr char kNoFiniteCost[] =
    "no scenario gave finite costs at any step; check the inputs for extreme values";
inline constexpr char kUnknownPatternCell[] = "pattern \"{}\": give parallel or fan";
inline constexpr char kUnknownShapeCell[] = "shape \"{}\": give triangular or pert, or leave it blank";

// quorvale-cli batch.
inline constexpr char kSummary[] = "runs decide over many units: unit files, folders or a batch CSV, one row a unit";
inline constexpr char kSynopsis[] =
    "Runs the decision analysis of every unit given, units side by side on the\n"
    "threads, and writes one row a unit in the order given: the recommended EYD\n"
    "with its mean cost and band, pOptimal, EVPI, the input that moves the cost\n"
    "most, the input most worth measuring, the plan terms, the seed, the\n"
    "scenario count and a status. PATH is a unit file, a\n"
    "folder of them or a batch CSV whose columns are name, pattern, shape and\n"
    "the variables' option names, each cell LOW, LOW:HIGH or LOW:MODE:HIGH\n"
    "(blank: the default; shape triangular or pert, as decide's --shape).\n"
    "Each unit's seed is derived from --seed and the unit's name, so its row is\n"
    "the same in any order, on any thread count and in any shard; it equals\n"
    "  quorvale-cli decide --unit FILE --seed SEED_OF_THE_ROW [the same options]\n"
    "PATH... come first. Every other option of decide (quorvale-cli decide --help)\n"
    "but --compare-patterns applies to every unit, after the unit's own inputs.";
inline constexpr char kPathsOption[] = "unit files, folders of unit files, batch CSVs";
inline constexpr char kSeedOption[] =
    "the batch's seed, 0 to 2^64-1 (default: from the clock); each row gives its unit's seed";
inline constexpr char kThreadsOption[] = "units run side by side, 1 to 64 (default: every core)";
inline constexpr char kShardOption[] = "runs every N-th unit from the K-th, K from 1 to N (default: 1/1)";
inline constexpr char kFormatOption[] = "output format (default: csv)";
inline constexpr char kNoPaths[] = "no unit files, folders or batch CSVs given";
inline constexpr char kNotShard[] = "--shard \"{}\": give K/N with whole numbers 1 <= K <= N";
inline constexpr char kNoComparePatterns[] =
    "--compare-patterns is not taken: a batch runs each unit with its own pattern; compare one unit's two patterns "
    "with decide --compare-patterns";
inline constexpr char kBatchFormat[] = "--format \"{}\": give csv or jsonl";
inline constexpr char kFixedBySeed[] = "{} is set for each unit by the batch";
// A unit's lines on standard error: {} its name, the line.
inline constexpr char kUnitLine[] = "{}: {}";
// The progress line: {} done, total, percent, rate, time left.
inline constexpr char kProgress[] = "{} of {} units ({:.0f} %), {:.2f} units/s, {} left";
inline constexpr char kUnknownTimeLeft[] = "time";
// {} failed, written.
inline constexpr char kFailedNote[] = "{} of {} units failed; their rows say why";
// {} written, total.
inline constexpr char kStoppedNote[] = "stopped: {} of {} units written";

// The Units Overview window.
inline constexpr char kMenuItem[] = "Units Overview...";
inline constexpr char kCaption[] = "Units Overview";
inline constexpr char kMenuTip[] = "Lists the units of a folder or a batch CSV and runs the decision analysis of each";
inline constexpr char kOpen[] = "Open...";
inline constexpr char kOpenCaption[] = "Open a Batch CSV, or a Unit File to List Its Folder";
inline constexpr char kOpenFilter[] = "Batch CSV or unit files (*.csv *.qvunit)";
inline constexpr char kRun[] = "Run";
inline constexpr char kCancel[] = "Cancel";
inline constexpr char kSaveCsv[] = "Save as CSV...";
inline constexpr char kCsvFilter[] = "CSV files (*.csv)";
inline constexpr char kSaveCaption[] = "Save the Units Overview as CSV";
inline constexpr char kColumnName[] = "Unit";
inline constexpr char kColumnPattern[] = "Pattern";
inline constexpr char kColumnEyd[] = "EYD (stations)";
inline constexpr char kColumnCost[] = "Cost ($/mbf)";
inline constexpr char kColumnBand[] = "Band (stations)";
inline constexpr char kColumnStatus[] = "Status";
inline constexpr char kStatusWaiting[] = "waiting";
inline constexpr char kStatusCancelled[] = "cancelled";
// %1 done, %2 total.
inline constexpr char kProgressText[] = "%1 of %2 units";
// %1 failed, %2 total.
inline constexpr char kFinishedText[] = "%2 units, %1 failed";
inline constexpr char kCancelledText[] = "Cancelled after %1 of %2 units";
inline constexpr char kNoUnits[] = "No units: open a batch CSV, or a unit file to list its folder.";
// %1 what could not be read.
inline constexpr char kListFailed[] = "The units could not be listed: %1";
inline constexpr char kSaveFailed[] = "The table could not be saved as %1: %2";
inline constexpr char kOpenRowFailed[] = "The row %1 cannot be opened: %2";

}  // namespace batch

// The command-line tool (quorvale-cli): its usage and help, the headings of
// its tables, its result lines, notes and messages. {} are filled in order by
// fmt. The option names, the CSV column names and the JSON keys are a format
// other programs read, so they stay with the code that writes them.
namespace cli {

// The overview, `quorvale-cli --help`; the commands follow, one a line.
inline constexpr char kUsage[] =
    "Usage: quorvale-cli COMMAND [OPTIONS]\n"
    "       quorvale-cli COMMAND --help\n"
    "       quorvale-cli --version\n\n"
    "Cable logging cost analysis: layout, time, production and road, logging and\n"
    "total cost ($/mbf) against the external yarding distance (EYD).\n\nCommands:\n";
// The end of `quorvale-cli --help` and of every command's help.
inline constexpr char kExitStatus[] =
    "\nExit status:\n"
    "  0    success\n"
    "  1    a step's figures overflow (sweep; the rows before it are printed), no\n"
    "       scenario gives finite costs (decide), a unit file is refused, a unit of\n"
    "       a batch failed (its row says why), or the output cannot be written\n"
    "  2    usage error: an unknown command or option, or a value that cannot be read\n"
    "  130  stopped by Ctrl+C (simulate, decide, batch; what was finished is printed)\n"
    "  143  stopped by SIGTERM (the same)\n";
inline constexpr char kSweepSummary[] = "static analysis over EYD for the low, average or high values";
inline constexpr char kSimulateSummary[] = "Monte Carlo run over EYD until each step's mean cost is known to a target";
inline constexpr char kDecideSummary[] = "which EYD to lay out, how sure that is, and which input moves the cost most";
inline constexpr char kUnitSummary[] = "writes a unit file (.qvunit) of the given inputs to standard output";
// {} the version.
inline constexpr char kVersion[] = "quorvale-cli {}";

// Messages of the tool as a whole, each one line on standard error.
inline constexpr char kNoCommand[] = "quorvale-cli: no command given (try quorvale-cli --help)";
inline constexpr char kUnknownCommand[] = "quorvale-cli: unknown command '{}' (try quorvale-cli --help)";
inline constexpr char kWriteError[] = "quorvale-cli: write error: {}";
inline constexpr char kOutputStreamFailed[] = "the output stream failed";

// A command's messages: {} the command, then the message.
inline constexpr char kCommandError[] = "quorvale-cli {}: {}";
inline constexpr char kCommandWarning[] = "quorvale-cli {}: warning: {}";
inline constexpr char kCommandNote[] = "quorvale-cli {}: note: {}";

// Every command's help: the program name above its options, the options
// all commands share, the variables' group, each variable's line ({} its
// unit, its default) and the footer on how they are read.
inline constexpr char kProgramName[] = "quorvale-cli {}";
inline constexpr char kHelpOption[] = "print this help and exit";
inline constexpr char kPatternOption[] = "corridor pattern (default: parallel)";
inline constexpr char kFormatOption[] = "output format (default: table)";
inline constexpr char kUnitOption[] =
    "a unit file (.qvunit): its variables and pattern, as if given here; options after it override it";
inline constexpr char kVariablesGroup[] = "Variables";
inline constexpr char kVariableOption[] = "{}, default {}";
inline constexpr char kVariablesFooter[] =
    "Variables: each takes LOW or LOW:HIGH (one value sets both), in the units\n"
    "of the Variables window. Texts go through the same rules as the window's\n"
    "fields: a value that is not a positive number is replaced by the default.\n"
    "The analyses read them as the window holds them once it has taken them in\n"
    "at start-up: one decimal, and a Low corridor correction time not below\n"
    "the Low fixed corridor time written back as half of it (sweep --case low\n"
    "reads them as typed, as the window's first analysis does). An entry not\n"
    "read as it is written is named on stderr, with the value read.";
// {} the longest name in bytes.
inline constexpr char kNameTooLong[] = "option --name: a unit's name holds at most {} bytes";
inline constexpr char kStrictOption[] =
    "refuse a variable or unit file entry that is not read as it is written (exit status 2, no output)";

// An entry not read as it is written: {} the option, its text, the value
// read, why (or nothing). A unit file's entry: its reader's line.
inline constexpr char kReadAsLine[] = "quorvale-cli: {} \"{}\" read as {}{}";
inline constexpr char kToolLine[] = "quorvale-cli: {}";
inline constexpr char kWhyOneDecimal[] = " (one decimal, as the Variables window keeps it)";
inline constexpr char kStrictRefused[] =
    "--strict: not every entry is read as it is written (see above); nothing was run";

// What is wrong with the command line (after "quorvale-cli COMMAND: ").
inline constexpr char kUnexpectedArgument[] = "unexpected argument '{}' (options start with --; see --help)";
inline constexpr char kNeedsValue[] = "option {} needs a value";
// {} the option, the command, the command.
inline constexpr char kUnknownOption[] = "unknown option {} for {} (see quorvale-cli {} --help)";
inline constexpr char kUnknownPattern[] = "option --pattern: unknown pattern '{}' (use parallel or fan)";
inline constexpr char kUnknownFormat[] = "option --format: unknown format '{}' (use table, csv or json)";
inline constexpr char kNotPositive[] = "option {}: '{}' is not a positive number";
// {} the option, the text, the smallest and the largest number.
inline constexpr char kNotWholeNumber[] = "option {}: '{}' is not a whole number from {} to {}";
inline constexpr char kNotSampleCap[] = "option {}: '{}' is not a whole number from {} to {}, or 0 for no cap";
inline constexpr char kNotBand[] = "option --band: '{}' is not a number from 0 to 100 (percent)";
// {} the option given with --scenarios.
inline constexpr char kScenariosCombined[] =
    "option --scenarios runs a fixed number of scenarios and cannot be combined with {}";
inline constexpr char kUnknownCase[] = "option --case: unknown case '{}' (use low, average or high)";
// {} the column, the list of every column.
inline constexpr char kUnknownColumn[] = "option --columns: unknown column '{}' (use all or some of {})";
inline constexpr char kColumnsNotTable[] =
    "option --columns: only the table takes a choice of columns (csv and json hold them all)";
// {} the option, the low value, the high value.
inline constexpr char kLowAboveHigh[] = "--{}: the low value {} is above the high value {}";

// Headings of the tables' columns, and the units beneath them.
inline constexpr char kStep[] = "Step";
inline constexpr char kEyd[] = "EYD";
inline constexpr char kSpacing[] = "Spacing";
inline constexpr char kLyd[] = "LYD";
inline constexpr char kAlyd[] = "ALYD";
inline constexpr char kAyd[] = "AYD";
inline constexpr char kAeyd[] = "AEYD";
inline constexpr char kCorridorsPerLanding[] = "Corr/Land";
inline constexpr char kLandings[] = "Landings";
inline constexpr char kCorridors[] = "Corridors";
inline constexpr char kRigPerLanding[] = "Rig/Land";
inline constexpr char kRigTotal[] = "Rig total";
inline constexpr char kRoadDensity[] = "Road dens";
inline constexpr char kCycle[] = "Cycle";
inline constexpr char kDays[] = "Days";
inline constexpr char kVolume[] = "Volume";
inline constexpr char kProduction[] = "Prod";
inline constexpr char kLogging[] = "Logging";
inline constexpr char kRoad[] = "Road";
inline constexpr char kTotal[] = "Total";
inline constexpr char kSamples[] = "Samples";
inline constexpr char kMean[] = "Mean";
inline constexpr char kStdDev[] = "StdDev";
inline constexpr char kHalfWidth[] = "Half-width";
inline constexpr char kMin[] = "Min";
inline constexpr char kMax[] = "Max";
inline constexpr char kP10[] = "P10";
inline constexpr char kP50[] = "P50";
inline constexpr char kP90[] = "P90";
inline constexpr char kPOptimal[] = "pOptimal";
inline constexpr char kRegret[] = "Regret";
inline constexpr char kVariable[] = "Variable";
inline constexpr char kLow[] = "Low";
inline constexpr char kHigh[] = "High";
inline constexpr char kCostAtLow[] = "Cost at Low";
inline constexpr char kEydAtLow[] = "EYD at Low";
inline constexpr char kCostAtHigh[] = "Cost at High";
inline constexpr char kEydAtHigh[] = "EYD at High";
inline constexpr char kSwing[] = "Swing";

inline constexpr char kStations[] = "stat";
inline constexpr char kFeet[] = "ft";
inline constexpr char kPerUnit[] = "/unit";
inline constexpr char kHours[] = "h";
inline constexpr char kMilesPerSection[] = "mi/sec";
inline constexpr char kMinutesPerTurn[] = "min/turn";
inline constexpr char kWorkDays[] = "8.5 h";
inline constexpr char kMbf[] = "mbf";
inline constexpr char kMbfPerDay[] = "mbf/day";
inline constexpr char kTonsPerDay[] = "tons/day";
inline constexpr char kLoadsPerDay[] = "loads/day";
inline constexpr char kCost[] = "$/mbf";
inline constexpr char kPercent[] = "%";
inline constexpr char kMiles[] = "mi";
inline constexpr char kDollars[] = "$";

// sweep: its help, the table's heading ({} case, pattern, steps), its last
// line, and its messages.
inline constexpr char kSweepSynopsis[] =
    "Evaluates the yarding cost model at every whole station of EYD from 1 up to\n"
    "the EYD of the chosen case, as the static charts of the desktop program do.";
inline constexpr char kCaseOption[] = "which values of the variables (default: low)";
// {} the default columns.
inline constexpr char kColumnsOption[] =
    "the table's columns, by their CSV names (default: {}); csv and json always hold every column";
inline constexpr char kSweepHeading[] = "Static analysis, {} range, {}, {} steps";
// {} cost, EYD, step.
inline constexpr char kLowestCost[] = "Lowest total cost: {} $/mbf at EYD {} ft (step {})";
inline constexpr char kNoLowestCost[] = "Lowest total cost: none (no step was computed)";
inline constexpr char kEydLimited[] = "the EYD is limited to {} stations";
// {} the step, its EYD in stations.
inline constexpr char kSweepNotFinite[] =
    "step {} (EYD {} stations) gave a figure that is not a finite number; the sweep stopped there. "
    "Check the inputs for extreme values.";

// simulate: its help, the table's heading ({} pattern, steps, target, seed),
// the optimum and the notes.
inline constexpr char kSimulateSynopsis[] =
    "Monte Carlo simulation: at every whole station of EYD from 1 up to the high EYD,\n"
    "draws the variables between their low and high values and evaluates the cost\n"
    "model until at least 31 samples are taken and the 95 % confidence half-width of\n"
    "the mean total cost is below the target. Reports each step's statistics and the\n"
    "step of lowest mean cost. Ctrl+C or SIGTERM stops the run and prints the finished\n"
    "steps (exit status 130 or 143).";
inline constexpr char kSimulateTargetOption[] = "target half-width in $/mbf, a positive number (default: 5)";
inline constexpr char kSeedOption[] =
    "seed of the random numbers, 0 to 2^64-1 (default: from the clock); the seed used is always printed";
// {} the default cap.
inline constexpr char kSampleCapOption[] =
    "the most samples one step draws; a step that reaches it ends with the statistics it has and is marked as "
    "not converged; 0 for no cap (default: {})";
inline constexpr char kSimulateHeading[] = "Monte Carlo simulation, {}, {} steps, target half-width {} $/mbf, seed {}";
// After the samples of a step that reached the cap, and the line that explains it ({} the cap).
inline constexpr char kCappedMark[] = "*";
inline constexpr char kCappedLegend[] =
    "* not converged: the step reached the cap of {} samples (--max-samples-per-step) with its half-width above "
    "the target";
// {} EYD, cost; spacing, density; AYD, AEYD, LYD, ALYD; corridors, landings.
inline constexpr char kOptimum[] = "Optimum: EYD {} ft, mean total cost {} $/mbf";
inline constexpr char kOptimumLayout[] = "  landing spacing {} ft, road density {} mi/section";
inline constexpr char kOptimumDistances[] = "  AYD {} ft, AEYD {} ft, LYD {} ft, ALYD {} ft";
inline constexpr char kOptimumCounts[] = "  corridors per landing {}, landings per unit {}";
inline constexpr char kNoOptimum[] = "Optimum: none (no step was measured)";
// After the table: {} the first and the last station whose 95 % interval
// overlaps the optimum's, then the optimum's station.
inline constexpr char kIndistinguishable[] =
    "Cannot be told apart: the 95 % intervals of {} to {} stations overlap that of the lowest mean ({} stations). "
    "quorvale-cli decide compares the steps on the same draws and says which to lay out.";
inline constexpr char kDistinguishable[] =
    "No other step's 95 % interval overlaps that of the lowest mean ({} stations).";
inline constexpr char kSamplesTotal[] = "Samples: {}";
inline constexpr char kStoppedByUser[] = " (stopped by the user)";
// {} the step, the samples left out; then the second part when the step
// has no sample left, and the advice.
inline constexpr char kStepNotFinite[] =
    "step {}: {} samples gave figures that are not finite numbers and were left out";
inline constexpr char kStepUnmeasured[] = "; the step could not be measured";
inline constexpr char kCheckInputs[] = ". Check the inputs for extreme values.";
// {} the step, the cap, its half-width, the target.
inline constexpr char kStepCapped[] =
    "step {} did not converge: it reached the cap of {} samples with a half-width of {} $/mbf, above the target {}";
// The progress line: {} step, steps, the bar's done and open parts, samples, rate.
inline constexpr char kSimulateProgress[] = "step {}/{} [{:#<{}}{:.<{}}] {} samples, {:.2f} M samples/s";

// decide: its help, the table's heading and summary, the tornado, the notes.
inline constexpr char kDecideSynopsis[] =
    "Decision analysis: draws scenarios of the variables between their low and high\n"
    "values and evaluates each one at every whole station of EYD from 1 up to the\n"
    "high EYD, so that the steps are compared on the same draws. Reports for each\n"
    "step the mean total cost with its spread and percentiles, how often it is the\n"
    "cheapest (pOptimal) and what choosing it loses against each scenario's best\n"
    "(regret); the recommended EYD, the steps within --band of it, the value of\n"
    "knowing the inputs exactly (EVPI), and a tornado of each variable's swing.\n"
    "Without --scenarios the run goes on until every step's half-width is at most\n"
    "the target and pOptimal of the recommended step is known to +-1 %, or until\n"
    "--max-scenarios. Ctrl+C or SIGTERM stops the run and prints the scenarios so far\n"
    "(exit status 130 or 143). The same seed gives the same output for any --threads.";
inline constexpr char kScenariosOption[] = "a fixed number of scenarios (default: until the target is met)";
inline constexpr char kDecideTargetOption[] =
    "target half-width of every step's mean in $/mbf, a positive number (default: 0.25)";
inline constexpr char kMaxScenariosOption[] = "the most scenarios a run without --scenarios draws (default: 5000000)";
inline constexpr char kBandOption[] = "near-optimal band: percent above the lowest mean, 0 to 100 (default: 1)";
inline constexpr char kThreadsOption[] = "worker threads, 1 to 64 (default: every core)";
// {} pattern, steps, scenarios; then the scenarios left out, if any; then
// seed and threads.
inline constexpr char kDecideHeading[] = "Decision analysis, {}, {} steps, {} scenarios";
inline constexpr char kDecideLeftOut[] = " ({} more left out: figures not finite)";
inline constexpr char kDecideSeedOneThread[] = ", seed {}, 1 thread";
inline constexpr char kDecideSeedThreads[] = ", seed {}, {} threads";
// {} stations, feet, cost; the tolerance, from and to in stations, then in
// feet; EVPI in $/mbf and in dollars for the unit.
inline constexpr char kRecommended[] = "Recommended: {} stations ({} ft), mean total cost {} $/mbf";
inline constexpr char kWithinBand[] = "Within {} %: {} to {} stations ({} to {} ft)";
inline constexpr char kEvpi[] = "EVPI: {} $/mbf, {} for the unit";
// The plan terms' table: its heading, columns and rows.
inline constexpr char kPlanHeading[] =
    "Plan: the layout with every input at its average; the unit's cost is the mean cost times its volume";
inline constexpr char kRoadSpacing[] = "Road spacing";
inline constexpr char kUnitCost[] = "Unit cost";
inline constexpr char kBandFrom[] = "band from";
inline constexpr char kRecommendedRow[] = "recommended";
inline constexpr char kBandTo[] = "band to";
// {} the variables whose swing is 0, after the tornado's rows.
inline constexpr char kNoSwing[] = "No swing: {}";
// In the table, a figure there is none of.
inline constexpr char kNoFigure[] = "-";
// {} the base cost and its EYD.
inline constexpr char kTornadoHeading[] =
    "Tornado: each variable at its Low and High, the others at their averages; base {} $/mbf at {} stations";
inline constexpr char kNoFiniteScenario[] =
    "no scenario gave finite costs, so there is no recommendation. Check the inputs for extreme values.";
inline constexpr char kScenariosNotFinite[] =
    "{} scenarios gave figures that are not finite numbers and were left out. Check the inputs for extreme values.";
// The progress line: {} percent, scenarios, widest half-width, rate.
inline constexpr char kDecideProgress[] = "{:3.0f} % {} scenarios, widest half-width {:.2f} $/mbf, {:.0f} scenarios/s";

// report: its help and messages.
inline constexpr char kReportSummary[] = "writes the unit report (PDF) of the static and the decision analysis";
inline constexpr char kReportSynopsis[] =
    "Writes the unit report, as the desktop program's \"Save Report...\" does, without a\n"
    "display: the unit's name, notes and inputs, the static analysis of the low\n"
    "values with its cost chart, and a decision analysis with its seed, scenario\n"
    "count, recommended EYD and band, plan terms and charts. Give --seed and\n"
    "--scenarios to make the report repeatable. The desktop program quorvale\n"
    "draws the PDF; it must be installed beside quorvale-cli.";
inline constexpr char kReportOutputOption[] = "the PDF file to write (required); an earlier file is replaced whole";
inline constexpr char kReportScenariosOption[] =
    "a fixed number of scenarios for the decision analysis (default: until its target is met)";
inline constexpr char kReportNoOutput[] = "option --output is required: the PDF file to write";
// {} the path looked for.
inline constexpr char kReportNoDesktop[] =
    "the report is drawn by the desktop program, which is not installed beside quorvale-cli (looked for {})";
// {} the path, the reason.
inline constexpr char kReportNotStarted[] = "the desktop program {} could not be started: {}";
// {} the file.
inline constexpr char kReportWritten[] = "Report written to {}";
// {} the file, the reason.
inline constexpr char kReportNotWritten[] = "the report could not be written to {}: {}";

// unit: its help.
inline constexpr char kUnitSynopsis[] =
    "Writes a unit file (.qvunit) to standard output: the variables as given (the\n"
    "others at their defaults), the pattern, a name and the Simulator's target.\n"
    "With --unit, the file given is the start and later options change it:\n"
    "  quorvale-cli unit --unit north.qvunit --eyd 25:40 > north-long.qvunit";
inline constexpr char kNameOption[] = "the unit's name (default: none, or the --unit file's)";
inline constexpr char kUnitTargetOption[] = "the Simulator's target half-width in $/mbf (default: 5)";

// Beliefs beyond Low and High (decide, compare, unit).
inline constexpr char kShapeOption[] =
    "the shape of every variable given a most likely value (LOW:MODE:HIGH): triangular or pert (default: "
    "triangular, or the unit file's)";
inline constexpr char kCorrelateOption[] =
    "link two variables by a Spearman rank correlation RHO between -1 and 1, e.g. "
    "harvest-volume:turn-volume=0.5 (repeatable)";
inline constexpr char kBeliefsFooter[] =
    "\n\nMost likely values: decide, compare and unit also take LOW:MODE:HIGH, a most\n"
    "likely value between Low and High, drawn with --shape (triangular or pert);\n"
    "--correlate links two variables. The simulation and sweep stay uniform.";
inline constexpr char kUnknownShape[] = "option --shape: unknown shape '{}' (use triangular or pert)";
// {} the option.
inline constexpr char kModeNotHere[] =
    "option {}: LOW:MODE:HIGH gives a most likely value, which only decide, compare, unit and batch take";
inline constexpr char kModeForEyd[] =
    "option --external-yarding-distance: the EYD sets the steps and is not drawn; it takes no most likely value";
// {} the option (or unit file place), the text.
inline constexpr char kModeNotNumber[] = "{}: the most likely value '{}' is not a positive number";
// {} the option (or unit file place), the mode, Low, High.
inline constexpr char kModeOutside[] =
    "{}: the most likely value {} is not between the low value {} and the high value {}";
// {} the value given.
inline constexpr char kNotCorrelation[] =
    "option --correlate: '{}' is not A:B=RHO (two variable option names and a rank correlation)";
inline constexpr char kCorrelateUnknown[] = "option --correlate: unknown variable '{}'";
inline constexpr char kCorrelateNotDrawn[] =
    "option --correlate: '{}' is not drawn (the EYD sets the steps) and cannot be linked";
inline constexpr char kCorrelateSelf[] = "option --correlate: '{}' links a variable with itself";
inline constexpr char kNotRho[] = "option --correlate: in '{}' the correlation is not a number between -1 and 1";
// {} the pairs, as --correlate takes them.
inline constexpr char kNotPositiveDefinite[] =
    "option --correlate: these rank correlations cannot hold together (their matrix is not positive definite): "
    "{}; weaken or drop one of them";
// {} the text, the largest number of bins.
inline constexpr char kVoiBinsOption[] =
    "bins of equal probability per variable for what is worth measuring (EVPPI), 2 to 1024, or 0 to leave it "
    "out (default: 32)";
inline constexpr char kNotVoiBins[] = "option --voi-bins: '{}' is not 0 or a whole number from 2 to {}";
inline constexpr char kComparePatternsOption[] =
    "evaluate every scenario under both corridor patterns and compare them (A: --pattern, B: the other)";

// What is worth measuring and comparisons in the table.
inline constexpr char kVoiHeading[] =
    "What is worth measuring: what knowing each input exactly before deciding would save (EVPPI)";
inline constexpr char kEvppi[] = "EVPPI";
inline constexpr char kForTheUnit[] = "For the unit";
// {} the scenarios; then the scenarios left out, seed and threads as decide's.
inline constexpr char kCompareHeading[] = "Comparison on the same {} scenarios";
// {} A or B, its name and pattern, its steps.
inline constexpr char kCompareSide[] = "{}: {}, {} steps";
// {} A or B, a heading ("Mean").
inline constexpr char kSideColumn[] = "{} {}";
// {} A or B, EYD, cost.
inline constexpr char kCompareRecommended[] = "{}: recommended EYD {} ft, mean total cost {} $/mbf";
inline constexpr char kCompareEvpi[] = "EVPI over both: {} $/mbf";

// compare: its help and messages.
inline constexpr char kCompareSummary[] = "two units, or two variants of one, on the same scenarios";
inline constexpr char kCompareSynopsis[] =
    "Compares two unit files on the same scenarios: a variable both hold the same\n"
    "Low, High, most likely value and shape of takes the same value in each\n"
    "scenario. Reports each unit's steps and recommended EYD, how often A's choice\n"
    "costs less than B's and by how much (mean, P10, P90), and what is worth\n"
    "measuring before choosing. The run options are decide's.";
inline constexpr char kCompareUnitOption[] = "the first unit file (A)";
inline constexpr char kAgainstOption[] = "the second unit file (B)";
inline constexpr char kCompareNeedsUnits[] = "give both units: --unit A.qvunit --against B.qvunit";

}  // namespace cli

}  // namespace quorvale::texts
