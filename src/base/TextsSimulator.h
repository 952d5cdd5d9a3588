#pragma once
// The exact texts of one area of the program; src/base/Texts.h gathers them
// all and says how a text with fields is filled.

#include <array>

namespace quorvale::texts {

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

}  // namespace quorvale::texts
