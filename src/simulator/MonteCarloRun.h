#pragma once
// The Monte Carlo run: at every EYD step, draw the inputs between their Low
// and High values and evaluate the yarding cost model until the 95 %
// confidence half-width of the mean total cost is below the target.

#include <cstdint>
#include <optional>
#include <vector>

#include "inputs/InputVariables.h"
#include "model/YardingModel.h"
#include "simulator/RunView.h"
#include "simulator/StepStatistics.h"

namespace quorvale {

// What one finished step left in its chart row.
struct StepSummary {
    int step = 0;
    double eyd = 0;  // feet
    long long samples = 0;
    double mean = 0;
    double stddev = 0;
    double halfWidth = 0;
    double minimum = 0;
    double maximum = 0;
    // Samples whose figures were not all finite numbers (overflow from
    // extreme inputs). They are left out of the statistics above; a step in
    // which they outnumber the others, 31 of them at least, gives up and
    // cannot become the optimum.
    long long nonFinite = 0;
    // Whether the step reached its target. A step ends without it when it
    // hits the run's sample cap, or when overflowing samples outnumber the
    // others (nonFinite above).
    bool converged = true;
    // Whether the step drew as many samples as the run's notice count
    // (RunSettings) and still wanted more: in the window's uncapped run, a
    // step that the command-line tool would have cut short.
    bool overSampleCount = false;
};

// How a run bounds its steps. The default is the window's run: no cap.
struct RunSettings {
    // Samples drawn in one step (finite or not) after which the step ends
    // with the statistics it has and is marked not converged; kNoSampleCap
    // for none.
    std::int64_t maxSamplesPerStep = kNoSampleCap;
    // Samples drawn in one step after which a step that is still short of
    // its target is reported to the view (RunView::setStepOverSampleCount);
    // kNoSampleCap for never.
    std::int64_t noticeSamplesPerStep = kDefaultMaxSamplesPerStep;
};

// The step of lowest mean cost over all steps (ties to the longer EYD) and
// the figures of its last sample.
struct SimulationOptimum {
    double minCost = 0;
    double eyd = 0;  // feet
    YardingResult result;
};

struct RunSummary {
    std::uint64_t seed = 0;
    int steps = 0;                  // the step count from the High EYD
    std::vector<StepSummary> rows;  // the finished steps
    std::optional<SimulationOptimum> optimum;
    long long samplesTotal = 0;  // every sample evaluated, stopped step included
    bool stopped = false;
};

// A seed from the time of day, taken once per run.
std::uint64_t seedFromClock();

// stat_itmain: one whole run, driven through the view. Repairs and reads the
// inputs once, resets the chart, samples every step, keeps the optimum, and
// ends normally or on the stop flag. The same seed and inputs give the same
// run. The settings bound the steps; by default nothing does.
RunSummary stat_itmain(InputVariables& inputs, RunView& view, std::uint64_t seed, const RunSettings& settings = {});

}  // namespace quorvale
