#pragma once
// A decision analysis's result in plain words.

#include <cstdint>
#include <string>

#include "decision/DecisionResult.h"

namespace quorvale {

// The result in plain words, e.g. "Lay out at 12 stations (mean 137.80
// $/mbf). Anywhere from 10 to 15 stations is within 1 % of that. ..."
std::string decisionSummary(const DecisionResult& result);

// The notes for a run that was stopped after this many scenarios, and for
// one that reached its cap before the target was met.
std::string decisionStoppedNote(std::uint64_t scenarios);
std::string decisionCapNote(std::uint64_t maxScenarios);

}  // namespace quorvale
