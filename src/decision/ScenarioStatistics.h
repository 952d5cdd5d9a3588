#pragma once
// The statistics of a decision analysis over its scenarios, block by block:
// a block of scenarios is evaluated into sums of its own and into what the
// thread that evaluates it keeps (percentile sketches, cost differences);
// the sums are then folded into the totals strictly in block order, so that
// the totals, and the stopping rule judged on them, do not depend on the
// number of threads.
//
// The decisions are every alternative's steps, one after another; each
// alternative's steps get their own pOptimal and regret.

#include <array>
#include <cstdint>
#include <utility>
#include <vector>

#include "decision/DecisionResult.h"
#include "decision/DifferenceHistogram.h"
#include "decision/QuantileSketch.h"
#include "decision/ScenarioSource.h"

namespace quorvale {

// Sums of one step over a block or a prefix of blocks. Costs enter as their
// deviation from the step's reference cost (the all-Average sweep), which
// keeps the sum of squares free of cancellation.
struct StepSums {
    double sum = 0;
    double sumSquares = 0;
    double regret = 0;
    std::uint64_t optimal = 0;
};

struct BlockSums {
    std::uint64_t finite = 0;
    std::uint64_t nonFinite = 0;
    std::vector<StepSums> steps;
    // What is worth measuring: per binned variable and bin, the scenarios
    // and the sum of each decision's deviation.
    std::vector<std::uint64_t> binCounts;
    std::vector<double> binSums;
    // Two alternatives: the sum of the scenario's cheapest decision of
    // either alternative, less the cheapest reference cost.
    double jointLowest = 0;
    std::array<double, ScenarioSource::kMostAlternatives> volume{};  // sum of mbf

    void add(const BlockSums& b);
};

class ScenarioStatistics {
public:
    ScenarioStatistics(const ScenarioSource& source, const DecisionSettings& settings);

    // Decisions: every alternative's steps together.
    int decisions() const { return m_source.decisions(); }

    // What one thread keeps between blocks.
    struct Local {
        std::vector<QuantileSketch> sketches;          // one per decision
        std::vector<DifferenceHistogram> differences;  // one per pair()
        std::vector<double> scratch;
        std::vector<double> deviations;
    };
    Local newLocal() const;
    static void merge(Local& into, const Local& from);

    // Evaluates a block (count scenarios) into sums and the thread's keep.
    void runBlock(std::uint64_t block, std::uint64_t count, BlockSums& sums, Local& local) const;
    // Takes a block's scenarios back out of a keep: the block was evaluated
    // beyond the point where the run stopped.
    void unrunBlock(std::uint64_t block, std::uint64_t count, Local& local) const;
    // The cost differences (b's decision minus a's) of a block's scenarios.
    void addDifferences(std::uint64_t block, std::uint64_t count, int a, int b, DifferenceHistogram& into,
                        std::vector<double>& scratch) const;

    void fold(const BlockSums& sums) { m_totals.add(sums); }
    const BlockSums& totals() const { return m_totals; }

    // Per-step figures of an alternative over the prefix so far,
    // percentiles from the merged sketches.
    std::vector<DecisionRow> rows(int alternative, const Local& merged) const;

    // The adaptive rule on the prefix so far, for every alternative.
    bool targetMet() const;

    // The largest 95 % half-width over the decisions; 0 before two scenarios.
    double worstHalfWidth() const;

    // The decision pairs (a's step, b's step, as decision numbers) whose
    // cost differences every thread keeps: those around each alternative's
    // cheapest step at its inputs' means, where the recommendations fall
    // but for rare runs.
    const std::vector<std::pair<int, int>>& pairs() const { return m_pairs; }

    // What knowing each variable exactly would save, for the best decision
    // (largest first); the mean volume of an alternative; the expected
    // value of perfect information over both alternatives' decisions.
    std::vector<VoiEntry> informationValue(int best, double volume) const;
    double meanVolume(int alternative) const;
    double jointEvpi(int best) const;

private:
    bool measurable(const double* costs) const;
    DifferenceHistogram newDifferences(int a, int b) const;

    const ScenarioSource& m_source;
    const DecisionSettings& m_settings;
    std::vector<double> m_reference;
    std::vector<double> m_centres;
    std::vector<int> m_binned;  // the draw indexes binned for what is worth measuring
    int m_bins = 0;
    std::vector<std::pair<int, int>> m_pairs;
    double m_lowestReference = 0;
    BlockSums m_totals;
};

}  // namespace quorvale
