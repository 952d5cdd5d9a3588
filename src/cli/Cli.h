#pragma once
// quorvale-cli: the headless tool over the numerical core.

#include <ostream>
#include <string>
#include <vector>

namespace quorvale::cli {

class OutputSink;

// Runs one command line (without the program name) and returns the exit
// status. Results go to `out`, messages to `err`. Once the command is done,
// the output is flushed and closed; if any write failed, the status is 1
// and `err` says why.
int runCli(const std::vector<std::string>& args, OutputSink& out, std::ostream& err);

// The same on an in-process stream, for the tests and the fuzzing harness.
int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

}  // namespace quorvale::cli
