#pragma once
// The sentences around a decision analysis's answer: how often the
// recommended EYD is the cheapest, whether the sweep should go further,
// what the EVPI is worth for the unit, and, beside a simulation, which of
// the two answers to follow.

#include <string>

#include "decision/DecisionResult.h"
#include "simulator/MonteCarloRun.h"

namespace quorvale {

// How often the recommended step is the cheapest, and which step is the
// cheapest most often when that is another one. Needs a recommendation.
std::string cheapestSentence(const DecisionResult& result);

// Whether the lowest mean lies at the largest EYD swept, where a longer
// EYD might be cheaper still.
bool atLargestEyd(const DecisionResult& result);

// The EVPI in $/mbf, and in dollars for the unit when the plan has them.
std::string evpiSentence(const DecisionResult& result);

// Which answer to follow when a simulation was run beside the decision
// analysis on the same inputs, and whether the simulation's optimum lies
// inside the band. Needs a recommendation and a simulation optimum.
std::string followSentence(const DecisionResult& result, const SimulationOptimum& optimum);

}  // namespace quorvale
