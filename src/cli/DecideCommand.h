#pragma once
// quorvale-cli decide: which EYD to lay out, how sure that is, what a
// neighbouring choice costs and which input moves the cost most.

#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/DecisionRunOptions.h"
#include "cli/StopSignals.h"

namespace quorvale {
struct DecisionProgress;
}

namespace quorvale::cli {

// Returns the exit status: 0 (also when the scenario cap ended the run);
// 1 when no scenario gave finite costs (the figures are printed, the
// reason is on `err`); kInterruptedStatus or kTerminatedStatus when Ctrl+C
// or SIGTERM stopped it (the scenarios so far are printed); 2 on a usage
// error, with nothing on `out`.
int runDecide(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
              const DecideSurroundings& surroundings);

// The command as the tool runs it: progress only when `err` is the
// terminal's standard error.
int runDecideCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string decideHelp();

}  // namespace quorvale::cli
