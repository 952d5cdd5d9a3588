#include "decision/BlockPipeline.h"

#include <oneapi/tbb/enumerable_thread_specific.h>
#include <oneapi/tbb/global_control.h>
#include <oneapi/tbb/info.h>
#include <oneapi/tbb/parallel_for.h>
#include <oneapi/tbb/parallel_pipeline.h>
#include <oneapi/tbb/task_arena.h>

#include <algorithm>
#include <chrono>
#include <memory>

namespace quorvale {
namespace {

struct EvaluatedBlock {
    std::uint64_t block = 0;
    BlockSums sums;
};

}  // namespace

BlockPipeline::BlockPipeline(ScenarioStatistics& statistics, const DecisionSettings& settings, unsigned threads,
                             const std::atomic<bool>* cancel)
    : m_statistics(statistics),
      m_settings(settings),
      m_cancel(cancel),
      m_threads(std::max(1u, threads)),
      m_planned(settings.scenarios ? *settings.scenarios : settings.maxScenarios) {
    m_stopped = cancelled();
    m_endBlock = m_stopped ? 0 : (m_planned + kDecisionBlockScenarios - 1) / kDecisionBlockScenarios;
}

std::uint64_t BlockPipeline::blockSize(std::uint64_t block) const {
    return std::min(kDecisionBlockScenarios, m_planned - block * kDecisionBlockScenarios);
}

double BlockPipeline::fraction() const {
    return progressFraction(m_settings, m_drawn, m_planned, m_statistics.worstHalfWidth());
}

namespace {

// Runs work inside an arena of `threads`; more threads than the machine's
// (asked for to check that the count changes nothing) need the scheduler's
// limit raised for the while.
template <class Work>
void onThreads(unsigned threads, Work&& work) {
    std::unique_ptr<tbb::global_control> limit;
    if (threads > static_cast<unsigned>(tbb::info::default_concurrency())) {
        limit = std::make_unique<tbb::global_control>(tbb::global_control::max_allowed_parallelism, threads);
    }
    tbb::task_arena arena(static_cast<int>(threads));
    arena.execute(std::forward<Work>(work));
}

}  // namespace

ScenarioStatistics::Local BlockPipeline::execute(const DecisionProgressFn& progress) {
    using Clock = std::chrono::steady_clock;
    tbb::enumerable_thread_specific<ScenarioStatistics::Local> workers([this] { return m_statistics.newLocal(); });
    // Blocks evaluated beyond the point where the run stopped.
    std::vector<std::uint64_t> beyond;
    std::atomic<bool> enough{false};
    bool cancelSeen = false;
    std::uint64_t next = 0;
    auto lastReport = Clock::now();

    auto handOut = [&](tbb::flow_control& control) -> std::uint64_t {
        if (next >= m_endBlock || enough.load(std::memory_order_relaxed)) {
            control.stop();
            return 0;
        }
        if (cancelled()) {
            cancelSeen = true;
            control.stop();
            return 0;
        }
        return next++;
    };
    auto evaluate = [&](std::uint64_t block) {
        EvaluatedBlock evaluated{block, {}};
        m_statistics.runBlock(block, blockSize(block), evaluated.sums, workers.local());
        return evaluated;
    };
    auto fold = [&](const EvaluatedBlock& evaluated) {
        if (m_targetMet) {
            beyond.push_back(evaluated.block);
            return;
        }
        m_statistics.fold(evaluated.sums);
        m_drawn += blockSize(evaluated.block);
        ++m_folded;
        if (!m_settings.scenarios && m_statistics.targetMet()) {
            m_targetMet = true;
            enough.store(true, std::memory_order_relaxed);
        }
        if (progress && Clock::now() - lastReport >= std::chrono::milliseconds(50)) {
            lastReport = Clock::now();
            const double worst = m_statistics.worstHalfWidth();
            progress({m_statistics.totals().finite, worst, progressFraction(m_settings, m_drawn, m_planned, worst)});
        }
    };

    if (m_endBlock > 0) {
        // A few blocks in flight per thread keep every thread busy while the
        // fold waits for the next block in order, and keep the sums waiting
        // to be folded few.
        const std::size_t inFlight = 4 * static_cast<std::size_t>(m_threads) + 4;
        onThreads(m_threads, [&] {
            tbb::parallel_pipeline(
                inFlight, tbb::make_filter<void, std::uint64_t>(tbb::filter_mode::serial_in_order, handOut) &
                              tbb::make_filter<std::uint64_t, EvaluatedBlock>(tbb::filter_mode::parallel, evaluate) &
                              tbb::make_filter<EvaluatedBlock, void>(tbb::filter_mode::serial_in_order, fold));
        });
    }
    // Blocks in flight when a stop was asked for still count: they continue
    // the prefix. The run only counts as stopped if they did not meet the
    // target.
    m_stopped = m_stopped || (cancelSeen && !m_targetMet);

    ScenarioStatistics::Local kept = m_statistics.newLocal();
    for (const ScenarioStatistics::Local& w : workers) {
        ScenarioStatistics::merge(kept, w);
    }
    // Blocks evaluated beyond the fold: evaluated once more and taken back
    // out, count by count.
    for (const std::uint64_t block : beyond) {
        m_statistics.unrunBlock(block, blockSize(block), kept);
    }
    return kept;
}

void BlockPipeline::forBlocks(std::uint64_t blocks,
                              const std::function<void(std::uint64_t, std::uint64_t)>& work) const {
    onThreads(m_threads, [&] {
        tbb::parallel_for(tbb::blocked_range<std::uint64_t>(0, blocks),
                          [&](const tbb::blocked_range<std::uint64_t>& r) { work(r.begin(), r.end()); });
    });
}

double progressFraction(const DecisionSettings& settings, std::uint64_t drawn, std::uint64_t planned,
                        double worstHalfWidth) {
    if (planned == 0) {
        return 1;
    }
    double fraction = static_cast<double>(drawn) / static_cast<double>(planned);
    if (!settings.scenarios && drawn > 0 && worstHalfWidth > 0 && settings.target > 0) {
        const double ratio = worstHalfWidth / settings.target;
        const double needed =
            std::max(static_cast<double>(settings.minScenarios), static_cast<double>(drawn) * ratio * ratio);
        fraction = std::max(fraction, static_cast<double>(drawn) / needed);
    }
    return std::clamp(fraction, 0.0, 1.0);
}

}  // namespace quorvale
