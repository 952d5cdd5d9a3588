#pragma once
// The decision analysis: which EYD to lay out, how sure that is, how much a
// neighbouring choice costs, and which input moves the cost most.
//
// Scenarios of the drawn variables are evaluated at every step 1..N
// (ScenarioEvaluator), in blocks whose statistics are folded in block order
// (ScenarioStatistics, BlockPipeline); the tornado moves one variable at a
// time (Tornado), and the summary puts the result in words
// (DecisionSummary).
//
// Everything here is plain data: a window copies the inputs in, runs the
// analysis on a worker thread and draws the result it gets back.

#include <atomic>

#include "decision/DecisionResult.h"
#include "decision/DecisionSummary.h"
#include "decision/ScenarioEvaluator.h"
#include "decision/Tornado.h"
#include "simulator/RunInputs.h"

namespace quorvale {

// The whole analysis: scenarios, statistics and tornado. The cancel flag is
// looked at between blocks; progress is reported one call at a time from
// the thread that folds the blocks.
DecisionResult runDecisionAnalysis(const RunInputs& inputs, const DecisionSettings& settings,
                                   const std::atomic<bool>* cancel = nullptr, const DecisionProgressFn& progress = {});

}  // namespace quorvale
