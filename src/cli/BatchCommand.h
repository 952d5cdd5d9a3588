#pragma once
// quorvale-cli batch: decide over many units, one row a unit.

#include <atomic>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

namespace quorvale::cli {

struct BatchSurroundings {
    // Draw the progress line on `err` (stderr is a terminal).
    bool showProgress = false;
    // Called after every row written, with the flag Ctrl+C sets; the tests
    // stop a batch from here.
    std::function<void(std::size_t written, std::atomic<bool>& stop)> atRow;
};

// The exit status: 0; 1 when a unit failed (its row says why); 2 on a usage
// error, with nothing on `out`; kInterruptedStatus or kTerminatedStatus when
// Ctrl+C or SIGTERM stopped it (the rows finished are written).
int batchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                 const BatchSurroundings& surroundings);

int runBatchCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

std::string batchHelp();

}  // namespace quorvale::cli
