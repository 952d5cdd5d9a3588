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
    int steps = 0;  // the step count from the High EYD
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
// run.
RunSummary stat_itmain(InputVariables& inputs, RunView& view, std::uint64_t seed);

}  // namespace quorvale
