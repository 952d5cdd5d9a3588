#pragma once
// What decide, compare and unit take beyond Low and High: a most-likely
// value on a variable option (LOW:MODE:HIGH), --shape for the variables
// given one, and --correlate A:B=RHO for linked inputs.

#include <string>

#include "cli/CommandLine.h"
#include "inputs/Beliefs.h"

namespace quorvale::cli {

// --shape and --correlate, read into `options`.
void addBeliefOptions(CommandLine& line, CommonOptions& options);

// The beliefs the analysis draws from: every most-likely value read as a
// number and within the Low and High the inputs hold (the taken-in
// entries), with its shape, and the linked pairs, which must be able to
// hold together. Throws UsageError (status 2) naming the option at fault.
Beliefs commandBeliefs(const CommonOptions& options, InputVariables& inputs);

// "harvest-volume:turn-volume=0.6", as --correlate takes it.
std::string correlationText(const RankCorrelation& pair);

}  // namespace quorvale::cli
