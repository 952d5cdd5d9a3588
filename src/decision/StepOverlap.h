#pragma once
// Which steps of a simulation cannot be told apart from its optimum. Each
// step's mean is known only to its 95 % confidence half-width, so a step
// whose interval overlaps the optimum's may well be as cheap or cheaper:
// the optimum among them is noise, and only a paired comparison (the
// decision analysis) separates them.

#include <optional>

#include "simulator/MonteCarloRun.h"

namespace quorvale {

struct StepOverlap {
    double optimumEyd = 0;  // feet
    // The shortest and the longest EYD (feet) whose interval overlaps the
    // optimum's, the optimum's own included.
    double fromEyd = 0;
    double toEyd = 0;
};

// None without an optimum. Steps without a finite mean and half-width are
// not compared.
std::optional<StepOverlap> overlappingSteps(const RunSummary& run);

}  // namespace quorvale
