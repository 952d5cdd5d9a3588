#include "decision/gui/DecisionJob.h"

#include <exception>
#include <utility>

namespace quorvale {

DecisionJob::DecisionJob(DecisionAlternative a, std::optional<DecisionAlternative> b, DecisionSettings settings,
                         QObject* parent)
    : QObject(parent), m_a(std::move(a)), m_b(std::move(b)), m_settings(std::move(settings)) {}

DecisionJob::~DecisionJob() {
    cancel();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void DecisionJob::start() {
    if (m_running || m_thread.joinable()) {
        return;
    }
    m_running = true;
    m_thread = std::thread([this] { work(); });
}

void DecisionJob::work() {
    try {
        const auto progress = [this](const DecisionProgress& p) {
            std::lock_guard lock(m_mutex);
            m_progress = p;
        };
        if (m_b) {
            ComparisonResult comparison = runComparison(m_a, *m_b, m_settings, &m_cancel, progress);
            std::lock_guard lock(m_mutex);
            m_comparison = std::move(comparison);
        } else {
            DecisionResult result = runDecisionAnalysis(m_a, m_settings, &m_cancel, progress);
            std::lock_guard lock(m_mutex);
            m_result = std::move(result);
        }
    } catch (const std::exception& e) {
        std::lock_guard lock(m_mutex);
        m_error = QString::fromUtf8(e.what());
    } catch (...) {
        std::lock_guard lock(m_mutex);
        m_error = QStringLiteral("unknown failure");
    }
    // Queued to this object's thread. Deleting the job joins the worker
    // first, and a deleted object's queued calls are dropped, so the call
    // never reaches a job that is gone.
    QMetaObject::invokeMethod(this, &DecisionJob::done, Qt::QueuedConnection);
}

void DecisionJob::done() {
    if (m_thread.joinable()) {
        m_thread.join();
    }
    m_running = false;
    emit finished();
}

DecisionProgress DecisionJob::progress() const {
    std::lock_guard lock(m_mutex);
    return m_progress;
}

std::optional<DecisionResult> DecisionJob::takeResult() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_result, std::nullopt);
}

std::optional<ComparisonResult> DecisionJob::takeComparison() {
    std::lock_guard lock(m_mutex);
    return std::exchange(m_comparison, std::nullopt);
}

QString DecisionJob::error() const {
    std::lock_guard lock(m_mutex);
    return m_error;
}

}  // namespace quorvale
