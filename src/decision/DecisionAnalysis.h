#pragma once
// The decision analysis: which EYD to lay out, how sure that is, how much a
// neighbouring choice costs, and which input moves the cost most.
//
// A scenario is one draw of the fourteen drawn variables, evaluated with the
// uncapped model at every step 1..N (N from the High EYD), in step order, so
// that every step sees the same scenario and the differences between steps
// are measured on paired draws. Fan-shaped layouts carry each scenario's
// previous step, as the static sweep does. The run is split into fixed blocks
// of scenarios, each with its own generator stream, combined in block order:
// the same seed gives the same result for any number of threads.
//
// Everything here is plain data: a window copies the inputs in, runs the
// analysis on a worker thread and draws the result it gets back.

#include <atomic>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "decision/PlanTerms.h"
#include "inputs/InputRules.h"
#include "simulator/RunInputs.h"

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

// A figure there is none of.
inline constexpr double kNoFigure = std::numeric_limits<double>::quiet_NaN();

struct TornadoBar {
    int drawIndex = 0;     // the variable's place in the draw order (0..13)
    std::string variable;  // its command-line option name, e.g. "operator-cost"
    double low = 0;        // the variable's Low and High in model units
    double high = 0;
    // The minimum cost over 1..N with the variable at Low and at High, and
    // its EYD (feet, ties to the longer EYD). An end where no step has a
    // finite cost has no minimum: its figures, and the swing, are not a
    // number, which every output writes as "none" (null, empty, a dash).
    double costAtLow = kNoFigure;
    double costAtHigh = kNoFigure;
    double eydAtLow = kNoFigure;
    double eydAtHigh = kNoFigure;
    double swing = kNoFigure;  // |costAtHigh - costAtLow|

    bool hasLow() const { return std::isfinite(costAtLow); }
    bool hasHigh() const { return std::isfinite(costAtHigh); }
    bool complete() const { return hasLow() && hasHigh(); }
};

struct Tornado {
    // Every variable at its Average; not a number without a finite minimum.
    double baseMinCost = kNoFigure;
    double baseEyd = kNoFigure;  // feet
    // Bars with a side that has no minimum first (an extreme value the cost
    // cannot be figured at), then the largest swing first.
    std::vector<TornadoBar> bars;

    bool hasBase() const { return std::isfinite(baseMinCost); }
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

// Scenarios are drawn in fixed blocks of this many, block b from its own
// generator stream, RandomSource(decisionBlockSeed(seed, b)); within a block
// a scenario draws its fourteen values once (RunInputs::draw) and is then
// evaluated at steps 1..N.
inline constexpr std::uint64_t kDecisionBlockScenarios = 1024;
std::uint64_t decisionBlockSeed(std::uint64_t seed, std::uint64_t block);

// The total costs of scenarios [first, first + count) of a run with this
// seed, exactly as the analysis evaluates them: visit(costs) gets the N
// costs of every scenario whose figures are all finite, in scenario order.
// For measuring the percentile estimate against exact percentiles.
void forEachScenario(const RunInputs& inputs, CorridorPattern pattern, std::uint64_t seed, std::uint64_t first,
                     std::uint64_t count, const std::function<void(const std::vector<double>& costs)>& visit);

// The whole analysis: scenarios, statistics and tornado. The cancel flag is
// polled between blocks; progress is called from the calling thread.
DecisionResult runDecisionAnalysis(const RunInputs& inputs, const DecisionSettings& settings,
                                   const std::atomic<bool>* cancel = nullptr, const DecisionProgressFn& progress = {});

// The deterministic sensitivity alone (also part of runDecisionAnalysis).
Tornado computeTornado(const RunInputs& inputs, CorridorPattern pattern);

// The result in plain words, e.g. "Lay out at 12 stations (mean 137.80
// $/mbf). Anywhere from 10 to 15 stations is within 1 % of that. ..."
std::string decisionSummary(const DecisionResult& result);

// The notes for a run that was stopped after this many scenarios, and for
// one that reached its cap before the target was met.
std::string decisionStoppedNote(std::uint64_t scenarios);
std::string decisionCapNote(std::uint64_t maxScenarios);

}  // namespace quorvale
