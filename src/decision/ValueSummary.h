#pragma once
// What is worth measuring and how two alternatives compare, in words.

#include <string>
#include <vector>

#include "decision/DecisionResult.h"

namespace quorvale {

// The input most worth measuring (or that none is), and, when the input
// that moves the cost most is worth less than half of that, that it hardly
// changes the choice. Empty without figures.
std::vector<std::string> informationValueSentences(const std::vector<VoiEntry>& voi, const Tornado& tornado);

// "Lay out parallel corridors at 15 stations: in 71 % of scenarios they cost
// less than fan-shaped at 12, by 2.6 $/mbf on average (P10 -1.1, P90 6.9)."
// Alternatives with names are named ("Choose North slope (...)").
std::string comparisonSentence(const ComparisonResult& comparison);

// What is worth measuring for the choice, then the comparison sentence.
std::string comparisonSummary(const ComparisonResult& comparison);

}  // namespace quorvale
