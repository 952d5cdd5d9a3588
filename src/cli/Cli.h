#pragma once
// quorvale-cli: the headless tool over the numerical core.

#include <ostream>
#include <string>
#include <vector>

namespace quorvale::cli {

// Runs one command line (without the program name) and returns the exit
// status. Output goes to `out`, messages to `err`.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvale::cli
