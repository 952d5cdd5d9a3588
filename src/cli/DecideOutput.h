#pragma once
// decide's three output formats. Each says the same things: the steps, the
// recommendation with its band, the EYD's plan terms, the EVPI and the
// summary in words; the table and the JSON add the tornado. EYDs are given
// in stations in the table and the summary, in feet in JSON and CSV.

#include <cstdint>
#include <ostream>

#include "cli/JsonOutput.h"
#include "decision/DecisionAnalysis.h"
#include "inputs/InputVariables.h"

namespace quorvale::cli {

// decide's JSON document of a run; `inputs` are the run's, for the
// tornado's Low and High as entered.
Json decisionDocument(InputVariables& inputs, const DecisionResult& r);
void printDecisionJson(std::ostream& out, InputVariables& inputs, const DecisionResult& r);
void printDecisionCsv(std::ostream& out, const DecisionResult& r);
// `maxScenarios` names the cap in the note of a run that reached it.
void printDecisionTable(std::ostream& out, InputVariables& inputs, const DecisionResult& r, std::uint64_t maxScenarios);

}  // namespace quorvale::cli
