#include "batch/BatchRunner.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <map>
#include <mutex>
#include <thread>

#include "base/Mix64.h"

namespace quorvale {
namespace {

// The shared state of one run; every member is guarded by `mutex`.
struct Run {
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t taken = 0;    // units handed to workers, in shard order
    std::size_t emitted = 0;  // rows handed back (or passed over as stopped)
    std::map<std::size_t, std::optional<BatchRow>> slots;
    unsigned working = 0;
    bool exhausted = false;
    std::exception_ptr failure;
};

}  // namespace

std::uint64_t unitSeed(std::uint64_t batchSeed, std::string_view name) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;  // FNV-1a over the name's bytes
    for (const char c : name) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001B3ULL;
    }
    return mix64(mix64(batchSeed) ^ hash);
}

std::optional<double> BatchProgress::secondsLeft() const {
    if (done == 0 || seconds <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(total > done ? total - done : 0) / rate();
}

BatchSummary runBatch(BatchInput& input, const BatchJob& job, const std::atomic<bool>* stop) {
    using Clock = std::chrono::steady_clock;
    const auto start = Clock::now();
    const unsigned threads = std::max(1u, job.threads);
    const std::size_t ahead = 4 * static_cast<std::size_t>(threads);
    auto stopping = [stop] { return stop != nullptr && stop->load(); };
    Run run;

    auto work = [&] {
        std::unique_lock lock(run.mutex);
        while (true) {
            run.changed.wait(
                lock, [&] { return run.exhausted || stopping() || run.failure || run.taken < run.emitted + ahead; });
            if (run.exhausted || stopping() || run.failure) {
                break;
            }
            std::optional<BatchUnit> unit;
            try {
                do {
                    unit = input.next();
                } while (unit && !job.shard.holds(unit->index));
            } catch (...) {
                run.failure = std::current_exception();
                break;
            }
            if (!unit) {
                run.exhausted = true;
                break;
            }
            const std::size_t slot = run.taken++;
            run.slots[slot];
            lock.unlock();
            BatchRow row;
            try {
                row = job.evaluate(*unit);
            } catch (const std::exception& e) {
                row.error = e.what();
                row.name = unit->file.empty() ? unit->name : BatchInput::fileStem(unit->file);
            }
            row.index = unit->index;
            lock.lock();
            run.slots[slot] = std::move(row);
            run.changed.notify_all();
        }
        --run.working;
        run.changed.notify_all();
    };

    std::vector<std::thread> workers;
    run.working = threads;
    for (unsigned i = 0; i < threads; ++i) {
        workers.emplace_back(work);
    }

    BatchSummary summary;
    BatchProgress progress{0, job.total, 0};
    auto report = [&] {
        progress.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        if (job.progress) {
            job.progress(progress);
        }
    };
    {
        std::unique_lock lock(run.mutex);
        while (true) {
            const auto next = run.slots.find(run.emitted);
            if (next != run.slots.end() && next->second) {
                BatchRow row = std::move(*next->second);
                run.slots.erase(next);
                ++run.emitted;
                run.changed.notify_all();
                lock.unlock();
                if (!row.stopped && !(row.result && row.result->stopped)) {
                    job.deliver(row);
                    ++summary.written;
                    summary.failed += row.error.empty() ? 0 : 1;
                    ++progress.done;
                    report();
                }
                lock.lock();
                continue;
            }
            if (next == run.slots.end() && run.working == 0) {
                break;
            }
            if (run.changed.wait_for(lock, std::chrono::milliseconds(250)) == std::cv_status::timeout) {
                // A signal sets the stop flag without waking anyone.
                run.changed.notify_all();
                lock.unlock();
                report();
                lock.lock();
            }
        }
    }
    for (std::thread& worker : workers) {
        worker.join();
    }
    summary.stopped = stopping() && (!run.exhausted || summary.written < run.taken);
    if (run.failure) {
        std::rethrow_exception(run.failure);
    }
    return summary;
}

}  // namespace quorvale
