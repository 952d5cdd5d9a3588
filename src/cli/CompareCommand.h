#pragma once
// quorvale-cli compare: two units, or two variants of one, on the same
// scenarios: which to choose, how often it is the cheaper, by how much, and
// what is worth measuring before choosing.

#include <ostream>
#include <string>
#include <vector>

#include "cli/DecisionRunOptions.h"

namespace quorvale::cli {

// Returns the exit status: 0; 1 when a unit file is refused or no scenario
// gave finite costs; kInterruptedStatus or kTerminatedStatus when Ctrl+C or
// SIGTERM stopped the run (the scenarios so far are printed); 2 on a usage
// error, with nothing on `out`.
int runCompare(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
               const DecideSurroundings& surroundings);

// The command as the tool runs it: progress only on a terminal's stderr.
int runCompareCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string compareHelp();

}  // namespace quorvale::cli
