#pragma once
// The statistics of a decision analysis over its scenarios, block by block:
// a block of scenarios is evaluated into sums of its own and the percentile
// sketches of the thread that evaluates it; the sums are then folded into
// the totals strictly in block order, so that the totals, and the stopping
// rule judged on them, do not depend on the number of threads.

#include <cstdint>
#include <vector>

#include "decision/DecisionResult.h"
#include "decision/QuantileSketch.h"
#include "decision/ScenarioEvaluator.h"

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

    void reset(int n);
    void add(const BlockSums& b);
};

class ScenarioStatistics {
public:
    ScenarioStatistics(const RunInputs& inputs, const DecisionSettings& settings);

    int steps() const { return m_steps; }

    // One percentile sketch per step, each centred on the step's reference.
    std::vector<QuantileSketch> newSketches() const;

    // Evaluates block b (count scenarios) into sums and the sketches;
    // scratch is room for N costs.
    void runBlock(std::uint64_t block, std::uint64_t count, BlockSums& sums, std::vector<QuantileSketch>& sketches,
                  std::vector<double>& scratch) const;

    // Takes a block's scenarios back out of the sketches: the block was
    // evaluated beyond the point where the run stopped.
    void unrunBlock(std::uint64_t block, std::uint64_t count, std::vector<QuantileSketch>& sketches,
                    std::vector<double>& scratch) const;

    void fold(const BlockSums& sums) { m_totals.add(sums); }
    const BlockSums& totals() const { return m_totals; }

    // Per-step figures of the prefix so far, percentiles from the sketches.
    std::vector<DecisionRow> rows(const std::vector<QuantileSketch>& sketches) const;

    // The adaptive rule on the prefix so far.
    bool targetMet() const;

    // The largest 95 % half-width over the steps; 0 before two scenarios.
    double worstHalfWidth() const;

private:
    bool measurable(const double* costs) const;

    const DecisionSettings& m_settings;
    int m_steps;
    ScenarioEvaluator m_evaluator;
    std::vector<double> m_reference;
    std::vector<double> m_centres;
    BlockSums m_totals;
};

}  // namespace quorvale
