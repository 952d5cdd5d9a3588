#include "batch/gui/OverviewRun.h"

#include <QMetaObject>

#include "cli/BatchUnitRun.h"

namespace quorvale {

OverviewRun::OverviewRun(std::vector<std::string> paths, std::uint64_t seed, unsigned threads, QObject* parent)
    : QObject(parent), m_paths(std::move(paths)), m_seed(seed), m_threads(threads) {}

OverviewRun::~OverviewRun() {
    cancel();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void OverviewRun::start() {
    m_thread = std::thread([this] { work(); });
}

void OverviewRun::work() {
    cli::BatchSettings settings;
    settings.seed = m_seed;
    BatchJob job;
    job.threads = m_threads;
    job.evaluate = [&](const BatchUnit& unit) { return cli::runBatchUnit(unit, settings, &m_cancel); };
    job.deliver = [this](BatchRow& row) {
        std::lock_guard lock(m_mutex);
        m_rows.push_back(std::move(row));
        ++m_done;
    };
    try {
        BatchInput input(m_paths);
        runBatch(input, job, &m_cancel);
    } catch (const std::exception& e) {
        std::lock_guard lock(m_mutex);
        m_error = e.what();
    }
    QMetaObject::invokeMethod(this, &OverviewRun::finished, Qt::QueuedConnection);
}

std::vector<BatchRow> OverviewRun::takeRows() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_rows, {});
}

std::size_t OverviewRun::done() const {
    std::lock_guard lock(m_mutex);
    return m_done;
}

std::string OverviewRun::error() const {
    std::lock_guard lock(m_mutex);
    return m_error;
}

}  // namespace quorvale
