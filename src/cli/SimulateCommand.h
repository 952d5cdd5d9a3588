#pragma once
// quorvale-cli simulate: the Monte Carlo run without windows.

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/StopSignals.h"

namespace quorvale {
class HeadlessRunView;
}

namespace quorvale::cli {

// What the command takes from its surroundings besides the arguments.
struct SimulateSurroundings {
    // Draw a live progress line on `err` (stderr is a terminal).
    bool showProgress = false;
    // Called at every yield of the run, as often as a progress line could
    // be drawn; the tests press Ctrl+C from here.
    std::function<void(HeadlessRunView&)> atYield;
};

// Returns the exit status: 0; kInterruptedStatus or kTerminatedStatus when
// Ctrl+C or SIGTERM stopped the run (the finished steps are printed); 2 on a
// usage error.
int runSimulate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                const SimulateSurroundings& surroundings);

// The command as the tool runs it: progress only when `err` is the
// terminal's standard error.
int runSimulateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string simulateHelp();

}  // namespace quorvale::cli
