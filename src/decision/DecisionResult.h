#pragma once
// What a decision analysis is asked to do and what it hands back: plain
// values, so that a window can run it on a worker thread and draw the
// result it gets.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "inputs/InputRules.h"
#include "inputs/Beliefs.h"
#include "decision/PlanTerms.h"
#include "decision/Tornado.h"
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
    // What is worth measuring: the scenarios are put into this many bins of
    // equal probability of each variable's own distribution (usually
    // kDefaultVoiBins); 0 leaves it out.
    int voiBins = 0;

    static constexpr int kDefaultVoiBins = 32;
    static constexpr int kMostVoiBins = 1024;
};

// One option the engineer weighs: a unit's inputs as the analysis reads
// them, what is believed of them beyond Low and High, and the corridor
// pattern.
struct DecisionAlternative {
    RunInputs inputs;
    Beliefs beliefs;
    CorridorPattern pattern = CorridorPattern::Parallel;
    std::string name;  // for the comparison's words
};

// What knowing one variable exactly would save before deciding: its
// expected value of partial perfect information (EVPPI).
struct VoiEntry {
    int variable = 0;         // Variables window number
    std::string option;       // its command-line option name
    double evppi = 0;         // $/mbf
    double evppiDollars = 0;  // for the unit's expected volume
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
    // Largest first; empty when left out (or for the alternatives of a
    // comparison, which has its own).
    std::vector<VoiEntry> voi;
    double meanVolume = 0;  // mbf of the unit, over the scenarios
};

// Two alternatives on the same scenarios.
struct ComparisonResult {
    DecisionResult a;
    DecisionResult b;
    std::string nameA;
    std::string nameB;
    // b's cost at its recommended step minus a's at its own: the mean over
    // the scenarios, its P10 and P90, and the share of scenarios in which
    // a's choice costs less than b's (and b's less than a's). None without
    // a recommendation on both sides.
    double meanDifference = kNoFigure;
    double p10 = kNoFigure;
    double p90 = kNoFigure;
    double pACheaper = kNoFigure;
    double pBCheaper = kNoFigure;
    bool chooseA = true;  // a unless b costs less on average
    // Over the steps of both alternatives together.
    double evpi = kNoFigure;
    std::vector<VoiEntry> voi;
    // Whether b drew each variable (draw order) with a's numbers.
    std::array<bool, RunInputs::kDrawnCount> shared{};

    bool decided() const { return std::isfinite(meanDifference); }
};

struct DecisionProgress {
    std::uint64_t scenarios = 0;
    double worstHalfWidth = 0;  // largest half-width over the steps so far
    double fraction = 0;        // 0..1, an estimate for a progress bar
};

using DecisionProgressFn = std::function<void(const DecisionProgress&)>;

}  // namespace quorvale
