#pragma once
// What decide and compare print beyond one alternative's figures: what is
// worth measuring, and two alternatives on the same scenarios side by side.

#include <ostream>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/JsonOutput.h"
#include "decision/DecisionResult.h"

namespace quorvale::cli {

// [{variable, evppi, evppiDollars}], largest first.
Json voiJson(const std::vector<VoiEntry>& voi);
// The inputs worth measuring, largest first, with a heading; nothing
// without figures.
void printVoiTable(std::ostream& out, const std::vector<VoiEntry>& voi);

// A comparison in the chosen format: the run (seed, scenarios, threads),
// each alternative's steps and recommendation, the paired difference and
// what is worth measuring for the choice; the table ends with the
// comparison's sentence.
void printComparison(std::ostream& out, OutputFormat format, const ComparisonResult& c, std::uint64_t seed,
                     const DecisionSettings& settings);

}  // namespace quorvale::cli
