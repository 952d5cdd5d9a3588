#pragma once
// quorvale-cli decide: which EYD to lay out, how sure that is, what a
// neighbouring choice costs and which input moves the cost most.

#include <atomic>
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/CommandLine.h"
#include "cli/DecisionRunOptions.h"
#include "cli/JsonOutput.h"
#include "cli/StopSignals.h"
#include "decision/DecisionResult.h"
#include "inputs/Beliefs.h"

namespace quorvale {
struct DecisionProgress;
}

namespace quorvale::cli {

// A decide run as its arguments ask for it: the inputs, repaired as the
// analysis reads them, the beliefs drawn from, and the settings with the
// seed.
struct DecideRun {
    InMemoryInputs inputs;
    DecisionSettings settings;
    OutputFormat format = OutputFormat::Table;
    std::optional<UnitDocument> unit;  // the last --unit file read
    Beliefs beliefs;
    bool comparePatterns = false;
};

// Inputs --strict refuses; what was wrong with them is said on the error
// stream already.
class InputsRefused : public UsageError {
public:
    using UsageError::UsageError;
};

// Reads decide's arguments as decide does, printing on `err` what it says of
// them under `command`'s name. Throws UsageError.
DecideRun readDecideRun(const std::vector<std::string>& args, const std::string& command, std::ostream& err);

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
