#include "decision/DecisionAnalysis.h"

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

}  // namespace

DecisionResult runDecisionAnalysis(const RunInputs& inputs, const DecisionSettings& settings,
                                   const std::atomic<bool>* cancel, const DecisionProgressFn& progress) {
    DecisionResult result;
    result.seed = settings.seed;
    result.pattern = settings.pattern;
    result.bandTolerance = settings.bandTolerance;
    result.threads =
        std::min(kMostDecisionThreads,
                 settings.threads > 0 ? settings.threads : std::max(1u, std::thread::hardware_concurrency()));
    result.tornado = computeTornado(inputs, settings.pattern);

    ScenarioStatistics statistics(inputs, settings);
    result.steps = statistics.steps();
    if (statistics.steps() == 0) {
        return result;
    }
    BlockPipeline pipeline(statistics, settings, result.threads, cancel);
    const std::vector<QuantileSketch> sketches = pipeline.execute(progress);

    result.stopped = pipeline.stopped();
    result.capped = !settings.scenarios && !pipeline.targetMet() && !result.stopped;
    result.scenarios = statistics.totals().finite;
    result.nonFinite = statistics.totals().nonFinite;
    result.rows = statistics.rows(sketches);
    summarise(result);
    result.plan = planTerms(inputs, settings.pattern, result);
    if (progress) {
        const double worst = statistics.worstHalfWidth();
        progress({result.scenarios, worst, result.stopped ? pipeline.fraction() : 1.0});
    }
    return result;
}

}  // namespace quorvale
