#pragma once
// Runs the blocks of one decision analysis through a pipeline: blocks are
// handed out in order, evaluated in parallel, and folded into the totals
// strictly in block order, where the stopping rule is applied to that
// prefix alone. Where the run stops therefore does not depend on the
// threads, and the same seed gives the same result on any number of them.

#include <atomic>
#include <cstdint>
#include <vector>

#include "decision/DecisionResult.h"
#include "decision/QuantileSketch.h"
#include "decision/ScenarioStatistics.h"

namespace quorvale {

class BlockPipeline {
public:
    BlockPipeline(ScenarioStatistics& statistics, const DecisionSettings& settings, unsigned threads,
                  const std::atomic<bool>* cancel);

    // Runs to the end, the target, the cap or a stop; returns the sketches
    // of exactly the folded scenarios. Progress is reported from the fold,
    // one call at a time, at most every 50 ms.
    std::vector<QuantileSketch> execute(const DecisionProgressFn& progress);

    bool stopped() const { return m_stopped; }
    bool targetMet() const { return m_targetMet; }
    double fraction() const;

private:
    std::uint64_t blockSize(std::uint64_t block) const;
    bool cancelled() const { return m_cancel && m_cancel->load(std::memory_order_relaxed); }

    ScenarioStatistics& m_statistics;
    const DecisionSettings& m_settings;
    const std::atomic<bool>* m_cancel;
    const unsigned m_threads;
    const std::uint64_t m_planned;
    std::uint64_t m_endBlock = 0;
    std::uint64_t m_drawn = 0;
    bool m_targetMet = false;
    bool m_stopped = false;
};

// The estimate for a progress bar: the share of the scenarios the rule is
// likely to need, judged from the half-widths so far.
double progressFraction(const DecisionSettings& settings, std::uint64_t drawn, std::uint64_t planned,
                        double worstHalfWidth);

}  // namespace quorvale
