#pragma once
// quorvale-cli sweep: the static analysis for one range case, without windows.

#include <ostream>
#include <string>
#include <vector>

namespace quorvale::cli {

// Returns the exit status: 0, 1 when a step's figures were not finite
// (the rows before it are printed), 2 on a usage error.
int runSweepCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string sweepHelp();

}  // namespace quorvale::cli
