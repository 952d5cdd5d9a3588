#include "decision/DecisionAnalysis.h"

#include <oneapi/tbb/enumerable_thread_specific.h>

#include <algorithm>
#include <cmath>
#include <thread>

#include "decision/BlockPipeline.h"
#include "decision/ScenarioStatistics.h"

namespace quorvale {
namespace {

// The recommendation, its band and EVPI from the rows.
void summarise(DecisionResult& result) {
    const std::vector<DecisionRow>& rows = result.rows;
    if (result.scenarios == 0 || rows.empty()) {
        return;
    }
    size_t best = 0;
    for (size_t s = 1; s < rows.size(); ++s) {
        if (rows[s].mean <= rows[best].mean) {
            best = s;
        }
    }
    const double bestMean = rows[best].mean;
    const double allowed = result.bandTolerance * std::fabs(bestMean);
    size_t from = best;
    while (from > 0 && rows[from - 1].mean - bestMean <= allowed) {
        --from;
    }
    size_t to = best;
    while (to + 1 < rows.size() && rows[to + 1].mean - bestMean <= allowed) {
        ++to;
    }
    result.recommendedStep = rows[best].step;
    result.recommendedEyd = rows[best].eyd;
    result.recommendedMean = bestMean;
    result.bandFromEyd = rows[from].eyd;
    result.bandToEyd = rows[to].eyd;
    // Each scenario's cost at the recommended step is at least its own
    // minimum, so this mean of non-negative terms is never below zero.
    result.evpi = rows[best].regret;
}

DecisionResult started(const DecisionAlternative& alternative, const DecisionSettings& settings) {
    DecisionResult result;
    result.seed = settings.seed;
    result.pattern = alternative.pattern;
    result.bandTolerance = settings.bandTolerance;
    result.threads =
        std::min(kMostDecisionThreads,
                 settings.threads > 0 ? settings.threads : std::max(1u, std::thread::hardware_concurrency()));
    result.tornado = computeTornado(alternative.inputs, alternative.pattern);
    return result;
}

// An alternative's figures once the pipeline has run.
void finish(DecisionResult& result, int alternative, const ScenarioStatistics& statistics,
            const BlockPipeline& pipeline, const ScenarioStatistics::Local& kept, const DecisionSettings& settings) {
    result.stopped = pipeline.stopped();
    result.capped = !settings.scenarios && !pipeline.targetMet() && !result.stopped;
    result.scenarios = statistics.totals().finite;
    result.nonFinite = statistics.totals().nonFinite;
    result.rows = statistics.rows(alternative, kept);
    result.meanVolume = statistics.meanVolume(alternative);
    summarise(result);
}

void reportEnd(const DecisionProgressFn& progress, const ScenarioStatistics& statistics,
               const BlockPipeline& pipeline) {
    if (progress) {
        progress(
            {statistics.totals().finite, statistics.worstHalfWidth(), pipeline.stopped() ? pipeline.fraction() : 1.0});
    }
}

// The cost differences of the two recommendations over every folded
// scenario, when the threads did not keep that pair: evaluated once more.
DifferenceHistogram replayDifferences(const ScenarioStatistics& statistics, const BlockPipeline& pipeline, int a, int b,
                                      double centre) {
    tbb::enumerable_thread_specific<DifferenceHistogram> parts([centre] { return DifferenceHistogram(centre); });
    pipeline.forBlocks(pipeline.foldedBlocks(), [&](std::uint64_t begin, std::uint64_t end) {
        std::vector<double> scratch;
        for (std::uint64_t block = begin; block < end; ++block) {
            statistics.addDifferences(block, pipeline.blockSize(block), a, b, parts.local(), scratch);
        }
    });
    DifferenceHistogram all(centre);
    for (const DifferenceHistogram& part : parts) {
        all.merge(part);
    }
    return all;
}

}  // namespace

DecisionResult runDecisionAnalysis(const DecisionAlternative& alternative, const DecisionSettings& settings,
                                   const std::atomic<bool>* cancel, const DecisionProgressFn& progress) {
    DecisionResult result = started(alternative, settings);
    const ScenarioSource source({&alternative}, settings.seed);
    ScenarioStatistics statistics(source, settings);
    result.steps = source.steps(0);
    if (result.steps == 0) {
        return result;
    }
    BlockPipeline pipeline(statistics, settings, result.threads, cancel);
    const ScenarioStatistics::Local kept = pipeline.execute(progress);
    finish(result, 0, statistics, pipeline, kept, settings);
    result.plan = planTerms(alternative.inputs, alternative.pattern, result);
    if (settings.voiBins > 0 && result.recommendedStep > 0) {
        result.voi = statistics.informationValue(result.recommendedStep - 1, result.meanVolume);
    }
    reportEnd(progress, statistics, pipeline);
    return result;
}

DecisionResult runDecisionAnalysis(const RunInputs& inputs, const DecisionSettings& settings,
                                   const std::atomic<bool>* cancel, const DecisionProgressFn& progress) {
    return runDecisionAnalysis(DecisionAlternative{inputs, {}, settings.pattern, {}}, settings, cancel, progress);
}

ComparisonResult runComparison(const DecisionAlternative& a, const DecisionAlternative& b,
                               const DecisionSettings& settings, const std::atomic<bool>* cancel,
                               const DecisionProgressFn& progress) {
    ComparisonResult c;
    c.nameA = a.name;
    c.nameB = b.name;
    c.a = started(a, settings);
    c.b = started(b, settings);
    const ScenarioSource source({&a, &b}, settings.seed);
    c.shared = source.shared();
    ScenarioStatistics statistics(source, settings);
    c.a.steps = source.steps(0);
    c.b.steps = source.steps(1);
    if (source.decisions() == 0) {
        return c;
    }
    BlockPipeline pipeline(statistics, settings, c.a.threads, cancel);
    const ScenarioStatistics::Local kept = pipeline.execute(progress);
    finish(c.a, 0, statistics, pipeline, kept, settings);
    finish(c.b, 1, statistics, pipeline, kept, settings);
    c.a.plan = planTerms(a.inputs, a.pattern, c.a);
    c.b.plan = planTerms(b.inputs, b.pattern, c.b);
    if (c.a.recommendedStep > 0 && c.b.recommendedStep > 0) {
        const int da = source.offset(0) + c.a.recommendedStep - 1;
        const int db = source.offset(1) + c.b.recommendedStep - 1;
        const auto& pairs = statistics.pairs();
        const auto keptPair = std::find(pairs.begin(), pairs.end(), std::pair{da, db});
        const DifferenceHistogram differences =
            keptPair != pairs.end()
                ? kept.differences[static_cast<size_t>(keptPair - pairs.begin())]
                : replayDifferences(statistics, pipeline, da, db, c.b.recommendedMean - c.a.recommendedMean);
        const double n = static_cast<double>(c.a.scenarios);
        c.meanDifference = c.b.recommendedMean - c.a.recommendedMean;
        c.p10 = differences.quantile(0.10);
        c.p90 = differences.quantile(0.90);
        c.pACheaper = static_cast<double>(differences.positive()) / n;
        c.pBCheaper = static_cast<double>(differences.negative()) / n;
        c.chooseA = !(c.meanDifference < 0);
        const int best = c.chooseA ? da : db;
        c.evpi = statistics.jointEvpi(best);
        if (settings.voiBins > 0) {
            c.voi = statistics.informationValue(best, c.chooseA ? c.a.meanVolume : c.b.meanVolume);
        }
    }
    reportEnd(progress, statistics, pipeline);
    return c;
}

}  // namespace quorvale
