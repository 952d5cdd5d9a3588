#pragma once
// quorvale-cli unit: writes a unit file (.qvunit) of the given inputs, so a
// unit set up on the command line can be opened in the desktop program or
// handed to the other commands with --unit.

#include <ostream>
#include <string>
#include <vector>

namespace quorvale::cli {

// Returns the exit status: 0; 1 when a unit file given with --unit is
// refused; 2 on a usage error. On an error nothing is written to `out`.
int runUnitCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string unitHelp();

}  // namespace quorvale::cli
