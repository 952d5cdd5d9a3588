#pragma once
// Runs the units of a batch side by side, one unit per thread, and hands the
// rows back in input order as they finish. A unit's row depends only on the
// unit and the batch seed: its seed is derived from the batch seed and its
// name, so neither its neighbours, their order, the thread count nor the
// shard it runs in change it.
//
// At most a few units per thread are run ahead of the oldest unfinished
// one, so the rows held waiting for it do not grow with the batch.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "batch/BatchInput.h"
#include "decision/DecisionResult.h"

namespace quorvale {

// A unit's seed: the batch seed and the unit's name, mixed.
std::uint64_t unitSeed(std::uint64_t batchSeed, std::string_view name);

// The row of one unit.
struct BatchRow {
    std::size_t index = 0;  // the unit's place among all units given
    std::string name;
    std::string pattern;  // "parallel" or "fan"
    std::uint64_t seed = 0;
    std::string error;     // empty when the unit ran
    bool stopped = false;  // stopped before it finished: not handed back
    std::optional<DecisionResult> result;
    std::vector<std::string> notes;  // lines for the error stream
    std::string text;                // the row as the output writes it
};

// Every N-th unit from the K-th: K from 1 to N.
struct BatchShard {
    std::size_t k = 1;
    std::size_t n = 1;

    bool holds(std::size_t index) const { return index % n == k - 1; }
    // How many of `units` this shard holds.
    std::size_t share(std::size_t units) const { return units >= k ? (units - k) / n + 1 : 0; }
};

struct BatchProgress {
    std::size_t done = 0;
    std::size_t total = 0;
    double seconds = 0;

    double rate() const { return seconds > 0 ? static_cast<double>(done) / seconds : 0; }
    // None until a unit is done.
    std::optional<double> secondsLeft() const;
};

struct BatchSummary {
    std::size_t written = 0;  // rows handed back
    std::size_t failed = 0;   // of them with an error
    bool stopped = false;
};

struct BatchJob {
    unsigned threads = 1;
    BatchShard shard;
    std::size_t total = 0;  // units in the shard, for the progress
    // Runs one unit on a worker thread.
    std::function<BatchRow(const BatchUnit&)> evaluate;
    // Takes each row in input order, on the calling thread.
    std::function<void(BatchRow&)> deliver;
    // Called on the calling thread after every row and a few times a second.
    std::function<void(const BatchProgress&)> progress;
};

// Runs the shard's units of `input`. Once `stop` is set no unit is started;
// the rows finished by then are handed back, a unit cut short is not. A
// BatchInputError of the input ends the run with the rows before it handed
// back, then is thrown on.
BatchSummary runBatch(BatchInput& input, const BatchJob& job, const std::atomic<bool>* stop = nullptr);

}  // namespace quorvale
