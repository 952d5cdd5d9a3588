#pragma once
// Runs the blocks of one decision analysis through a pipeline: blocks are
// handed out in order, evaluated in parallel, and folded into the totals
// strictly in block order, where the stopping rule is applied to that
// prefix alone. Where the run stops therefore does not depend on the
// threads, and the same seed gives the same result on any number of them.

#include <atomic>
#include <cstdint>
#include <functional>
#include <vector>

#include "decision/DecisionResult.h"
#include "decision/ScenarioStatistics.h"

namespace quorvale {

class BlockPipeline {
public:
    BlockPipeline(ScenarioStatistics& statistics, const DecisionSettings& settings, unsigned threads,
                  const std::atomic<bool>* cancel);

    // Runs to the end, the target, the cap or a stop; returns the threads'
    // keep (sketches, differences) of exactly the folded scenarios. Progress
    // is reported from the fold, one call at a time, at most every 50 ms.
    ScenarioStatistics::Local execute(const DecisionProgressFn& progress);

    bool stopped() const { return m_stopped; }
    bool targetMet() const { return m_targetMet; }
    double fraction() const;

    // The blocks folded, [0, folded), and the scenarios of each.
    std::uint64_t foldedBlocks() const { return m_folded; }
    std::uint64_t blockSize(std::uint64_t block) const;
    unsigned threads() const { return m_threads; }

    // Runs work(begin, end) over the block range [0, blocks) on the run's
    // threads, in chunks; each thread's work is its own.
    void forBlocks(std::uint64_t blocks, const std::function<void(std::uint64_t, std::uint64_t)>& work) const;

private:
    bool cancelled() const { return m_cancel && m_cancel->load(std::memory_order_relaxed); }

    ScenarioStatistics& m_statistics;
    const DecisionSettings& m_settings;
    const std::atomic<bool>* m_cancel;
    const unsigned m_threads;
    const std::uint64_t m_planned;
    std::uint64_t m_endBlock = 0;
    std::uint64_t m_drawn = 0;
    std::uint64_t m_folded = 0;
    bool m_targetMet = false;
    bool m_stopped = false;
};

// The estimate for a progress bar: the share of the scenarios the rule is
// likely to need, judged from the half-widths so far.
double progressFraction(const DecisionSettings& settings, std::uint64_t drawn, std::uint64_t planned,
                        double worstHalfWidth);

}  // namespace quorvale
