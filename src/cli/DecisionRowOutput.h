#pragma once
// A step's statistics as decide and compare print them, in every format.

#include "cli/JsonOutput.h"
#include "decision/DecisionResult.h"

namespace quorvale::cli {

// What a run of one scenario shows of the spread (the standard deviation
// and the half-width): decide leaves them out, as a 0 would claim
// certainty; compare prints them as they were computed.
enum class LoneScenarioSpread { AsComputed, LeftOut };

// The statistics of a step as printed; none without a scenario. A figure
// there is none of goes out as not a number: null in JSON, an empty CSV
// field, a dash in the table; never as 0.
DecisionRow shownRow(const DecisionResult& r, const DecisionRow& row, LoneScenarioSpread lone);

// {step, eyd, mean, stddev, halfWidth, p10, p50, p90, pOptimal, regret};
// without the spread the two between mean and p10 are not there.
Json stepJson(const DecisionRow& row, bool withSpread);

}  // namespace quorvale::cli
