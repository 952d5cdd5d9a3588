#pragma once
// What a decision analysis is asked to do and what it hands back: plain
// values, so that a window can run it on a worker thread and draw the
// result it gets.

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "inputs/InputRules.h"
#include "decision/PlanTerms.h"
#include "decision/Tornado.h"

namespace quorvale {

struct DecisionSettings {
    CorridorPattern pattern = CorridorPattern::Parallel;
    std::uint64_t seed = 0;
    // A fixed number of scenarios drawn (those left out as not finite
    // included); without one the run is adaptive: at least minScenarios
    // finite ones, then, judged at the end of each block of scenarios, until
    // every step's half-width is at most target and the recommended step's
    // pOptimal is known to +-pOptimalHalfWidth, or until maxScenarios are
    // drawn.
    std::optional<std::uint64_t> scenarios;
    double target = 0.25;  // $/mbf
    double pOptimalHalfWidth = 0.01;
    std::uint64_t minScenarios = 2000;
    std::uint64_t maxScenarios = 5'000'000;
    double bandTolerance = 0.01;  // a fraction of the best mean: 0.01 is 1 %
    unsigned threads = 0;         // 0: every core; at most kMostDecisionThreads
};

// Each worker keeps its own percentile sketches (24 KiB per step), so the
// number of workers is bounded.
inline constexpr unsigned kMostDecisionThreads = 64;

// One EYD step over all scenarios; costs in $/mbf.
struct DecisionRow {
    int step = 0;
    double eyd = 0;  // feet
    double mean = 0;
    double stddev = 0;
    double halfWidth = 0;  // 95 % half-width of the mean
    double p10 = 0;
    double p50 = 0;
    double p90 = 0;
    double pOptimal = 0;  // share of scenarios whose cheapest step is this one
    double regret = 0;    // mean of (this step's cost - the scenario's cheapest)
};

struct DecisionResult {
    std::uint64_t seed = 0;
    CorridorPattern pattern = CorridorPattern::Parallel;
    int steps = 0;
    std::uint64_t scenarios = 0;  // scenarios in the statistics
    std::uint64_t nonFinite = 0;  // scenarios left out: a figure was not finite
    unsigned threads = 0;
    bool stopped = false;  // cancelled: the result holds the scenarios so far
    bool capped = false;   // the adaptive run reached maxScenarios
    std::vector<DecisionRow> rows;
    int recommendedStep = 0;  // lowest mean, ties to the longer EYD; 0: none
    double recommendedEyd = 0;
    double recommendedMean = 0;
    double bandTolerance = 0;
    double bandFromEyd = 0;  // the contiguous steps within the tolerance
    double bandToEyd = 0;
    double evpi = 0;  // mean at the recommended step - mean per-scenario minimum
    Tornado tornado;
    std::optional<PlanTerms> plan;  // with a recommendation
};

struct DecisionProgress {
    std::uint64_t scenarios = 0;
    double worstHalfWidth = 0;  // largest half-width over the steps so far
    double fraction = 0;        // 0..1, an estimate for a progress bar
};

using DecisionProgressFn = std::function<void(const DecisionProgress&)>;

}  // namespace quorvale
