#pragma once
// The quorvale-cli decide command line that repeats a decision analysis run
// elsewhere (the window, a report): the variables whose values differ from
// the defaults, the pattern, the band, the seed and the scenarios drawn. A
// fixed count of scenarios repeats an adaptive run too, since scenarios are
// drawn in the same blocks from the same seed either way.

#include <string>

#include "decision/DecisionAnalysis.h"
#include "inputs/InputVariables.h"

namespace quorvale::cli {

// `inputs` as the analysis read them; their entries are repaired on a copy,
// as the analysis did.
std::string decideCommandFor(InputVariables& inputs, const DecisionResult& result);

}  // namespace quorvale::cli
