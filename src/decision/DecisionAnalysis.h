#pragma once
// The decision analysis: which EYD to lay out, how sure that is, how much a
// neighbouring choice costs, and which input moves the cost most.
//
// Scenarios of the drawn variables (ScenarioSource, ScenarioDraw) are
// evaluated at every step 1..N (ScenarioEvaluator), in blocks whose
// statistics are folded in block order (ScenarioStatistics, BlockPipeline);
// what is worth measuring comes from the same sums (InformationValue); the
// tornado moves one variable at a time (Tornado), and the summary puts the
// result in words (DecisionSummary).
//
// Everything here is plain data: a window copies the inputs in, runs the
// analysis on a worker thread and draws the result it gets back.

#include <atomic>

#include "decision/DecisionResult.h"
#include "decision/DecisionSummary.h"
#include "decision/ScenarioSource.h"
#include "decision/Tornado.h"
#include "simulator/RunInputs.h"

namespace quorvale {

// The whole analysis: scenarios, statistics, what is worth measuring and
// the tornado. The cancel flag is looked at between blocks; progress is
// reported one call at a time from the thread that folds the blocks.
DecisionResult runDecisionAnalysis(const DecisionAlternative& alternative, const DecisionSettings& settings,
                                   const std::atomic<bool>* cancel = nullptr, const DecisionProgressFn& progress = {});
// The same with uniform draws between Low and High and settings.pattern.
DecisionResult runDecisionAnalysis(const RunInputs& inputs, const DecisionSettings& settings,
                                   const std::atomic<bool>* cancel = nullptr, const DecisionProgressFn& progress = {});

// Two alternatives on the same scenarios: each with its own figures, the
// difference between their recommendations, and what is worth measuring
// over the choice among all their steps. The adaptive rule must hold for
// both.
ComparisonResult runComparison(const DecisionAlternative& a, const DecisionAlternative& b,
                               const DecisionSettings& settings, const std::atomic<bool>* cancel = nullptr,
                               const DecisionProgressFn& progress = {});

}  // namespace quorvale
