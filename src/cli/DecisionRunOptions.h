#pragma once
// What decide and compare share: the options of a run over scenarios
// (--scenarios, --target, --max-scenarios, --band, --seed, --threads,
// --voi-bins), and the run itself under Ctrl+C and SIGTERM with its
// progress line.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string>

#include "cli/CommandLine.h"
#include "decision/DecisionResult.h"

namespace quorvale::cli {

// What the commands take from their surroundings besides the arguments.
struct DecideSurroundings {
    // Draw a live progress line on `err` (stderr is a terminal).
    bool showProgress = false;
    // Called with every progress report of the run, with the flag that
    // Ctrl+C sets; the tests press Ctrl+C from here.
    std::function<void(const DecisionProgress&, std::atomic<bool>& stop)> atProgress;
};

struct DecideRequest {
    CommonOptions common;
    DecisionSettings settings;
    std::optional<std::uint64_t> seed;
    bool targetGiven = false;
    bool capGiven = false;
};

// Declares them on `line`, read into `request`.
void addDecisionRunOptions(CommandLine& line, DecideRequest& request);
// What holds once every option is read: --scenarios goes with neither
// --target nor --max-scenarios. Throws UsageError.
void checkDecisionRunOptions(const DecideRequest& request);

// Runs `analysis(stop, progress)` with Ctrl+C and SIGTERM setting the stop
// flag and the progress line drawn as the surroundings ask; returns the
// status a stopped run exits with.
int runStoppable(std::ostream& err, const DecideSurroundings& surroundings,
                 const std::function<void(const std::atomic<bool>*, const DecisionProgressFn&)>& analysis);

}  // namespace quorvale::cli
