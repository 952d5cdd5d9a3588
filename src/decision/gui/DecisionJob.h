#pragma once
// One decision analysis on a thread of its own. The inputs are copied in on
// the window's thread; the worker sees nothing but those copies, a cancel
// flag and the progress it writes, and hands back a result value. The window
// polls progress() and hears finished() once the result can be taken.
//
// Deleting a job cancels it and waits for the worker: the engine looks at
// the cancel flag between blocks of scenarios, so that wait is short.

#include <QObject>
#include <QString>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

#include "decision/DecisionAnalysis.h"

namespace quorvale {

class DecisionJob final : public QObject {
    Q_OBJECT

public:
    // One alternative, or two compared on the same scenarios.
    DecisionJob(DecisionAlternative a, std::optional<DecisionAlternative> b, DecisionSettings settings,
                QObject* parent = nullptr);
    ~DecisionJob() override;

    void start();
    void cancel() { m_cancel.store(true); }
    // From start() until finished() has been emitted.
    bool isRunning() const { return m_running; }

    const DecisionSettings& settings() const { return m_settings; }
    DecisionProgress progress() const;

    // After finished(): the result, or the error that ended the run.
    std::optional<DecisionResult> takeResult();
    // After finished() of a job of two alternatives: the comparison.
    std::optional<ComparisonResult> takeComparison();
    QString error() const;

signals:
    void finished();

private:
    void work();
    void done();

    const DecisionAlternative m_a;
    const std::optional<DecisionAlternative> m_b;
    const DecisionSettings m_settings;
    std::atomic<bool> m_cancel{false};
    bool m_running = false;

    mutable std::mutex m_mutex;  // guards the three below
    DecisionProgress m_progress;
    std::optional<DecisionResult> m_result;
    std::optional<ComparisonResult> m_comparison;
    QString m_error;

    std::thread m_thread;
};

}  // namespace quorvale
