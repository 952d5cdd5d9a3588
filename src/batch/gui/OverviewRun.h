#pragma once
// A batch run on a thread of its own for the Units Overview window. The
// worker runs the units (each one as quorvale-cli batch runs it) and queues
// their rows; the window takes them with takeRows() and hears finished()
// once the last one is queued. Deleting a run cancels it and waits for the
// worker: a unit's analysis looks at the cancel flag between blocks of
// scenarios, so that wait is short.

#include <QObject>
#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "batch/BatchRunner.h"

namespace quorvale {

class OverviewRun final : public QObject {
    Q_OBJECT

public:
    OverviewRun(std::vector<std::string> paths, std::uint64_t seed, unsigned threads, QObject* parent = nullptr);
    ~OverviewRun() override;

    void start();
    void cancel() { m_cancel.store(true); }
    bool isCancelled() const { return m_cancel.load(); }

    // The rows finished since the last call, in input order.
    std::vector<BatchRow> takeRows();
    std::size_t done() const;
    // After finished(): what stopped the whole run (a batch CSV's header);
    // empty when nothing did.
    std::string error() const;

signals:
    void finished();

private:
    void work();

    const std::vector<std::string> m_paths;
    const std::uint64_t m_seed;
    const unsigned m_threads;
    std::atomic<bool> m_cancel{false};

    mutable std::mutex m_mutex;  // guards the three below
    std::vector<BatchRow> m_rows;
    std::size_t m_done = 0;
    std::string m_error;

    std::thread m_thread;
};

}  // namespace quorvale
