#pragma once
// The Decision Analysis window: which EYD to lay out, how sure that is, how
// much a neighbouring choice costs, and which input moves the cost most.
//
// "Run" copies the Variables window's inputs and corridor pattern and hands
// the copies to a worker thread (DecisionJob); the window only shows the
// progress and, at the end, draws the result. Every window stays responsive
// meanwhile. When the inputs change after a run (the main window tells after
// every static analysis), the result shown is marked out of date and "Run
// again" brings it up to date.

#include <QPointer>
#include <cstdint>
#include <functional>
#include <optional>

#include "base/gui/ChildWindow.h"
#include "inputs/InputVariables.h"
#include "decision/DecisionAnalysis.h"

class QLabel;
class QTabWidget;
class QProgressBar;
class QPushButton;
class QSplitter;
class QTimer;

namespace quorvale {

class BeliefsPanel;
class DecisionComparisonChart;
class DecisionCostChart;
class DecisionVoiChart;
class DecisionJob;
class DecisionTornadoChart;

// The inputs a run works on, as the Variables window held them.
struct DecisionInputs {
    RunInputs ranges;
    CorridorPattern pattern;
    // The unit's name as the window's header gives it.
    QString unitName;

    // Repairs a copy of the entries, never the window's own fields.
    static DecisionInputs capture(InputVariables& inputs);
    // The same analysis: the same drawn ranges, High EYD and pattern.
    bool sameAs(const DecisionInputs& other) const;
};

class FrmDecision final : public ChildWindow {
    Q_OBJECT

public:
    // How often the window looks at a running job's progress.
    static constexpr int kProgressMs = 100;

    // The name of the unit the inputs belong to, for the header.
    using UnitName = std::function<QString()>;

    explicit FrmDecision(InputVariables& inputs, UnitName unitName = {}, QWidget* parent = nullptr);
    ~FrmDecision() override;

    QSize sizeHint() const override;
    // Both charts side by side, or one above the other in a tall window.
    QList<QSize> legibleSizes() const override;
    bool chartsSideBySide() const;

    // A fixed scenario count and seed (tests, pictures); without them a run
    // is adaptive and takes its seed from the clock.
    void setScenarioCount(std::optional<std::uint64_t> count) { m_scenarios = count; }
    void setSeed(std::optional<std::uint64_t> seed) { m_seed = seed; }

    bool isRunning() const;
    // The result shown no longer belongs to the Variables window's inputs.
    bool isOutOfDate() const { return m_outOfDate; }
    const std::optional<DecisionResult>& result() const { return m_result; }
    DecisionCostChart* costChart() const { return m_costChart; }
    DecisionTornadoChart* tornadoChart() const { return m_tornadoChart; }
    DecisionVoiChart* voiChart() const { return m_voiChart; }
    DecisionComparisonChart* comparisonChart() const { return m_compareChart; }
    BeliefsPanel* beliefsPanel() const { return m_beliefs; }
    // The last comparison shown, when the run compared; its first side is
    // result().
    const std::optional<ComparisonResult>& comparison() const { return m_comparison; }
    // The beliefs the result shown was drawn from, and the unit file it was
    // compared with (empty unless it was one).
    const Beliefs& resultBeliefs() const { return m_resultBeliefs; }
    const QString& resultAgainstFile() const { return m_resultAgainst; }

    // The beliefs a unit file keeps, and those of a unit opened.
    Beliefs beliefsToKeep() const;
    void setBeliefs(const Beliefs& beliefs);

signals:
    // A run has ended, with a result, cancelled or failed.
    void runFinished();
    // A belief, a linked pair or the comparison was edited or set.
    void beliefsChanged();

public slots:
    void run();
    void cancelRun();
    // After every static analysis: have the inputs moved away from those of
    // the result shown (or of the run going on)?
    void inputsMayHaveChanged();

protected:
    void unloadWindow() override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildControls();
    // The second alternative of a run, if one is chosen; false after
    // saying why it cannot be had.
    bool comparedAlternative(const DecisionAlternative& first, std::optional<DecisionAlternative>& second);
    void jobFinished();
    void showProgress();
    void setStatus(const QString& text);
    void updateControls();
    void showHeader(const DecisionInputs& inputs);
    DecisionInputs captureInputs() const;

    InputVariables& m_inputs;
    UnitName m_unitName;
    std::optional<std::uint64_t> m_scenarios;
    std::optional<std::uint64_t> m_seed;

    QPointer<DecisionJob> m_job;
    std::optional<DecisionInputs> m_jobInputs;
    bool m_jobOutOfDate = false;

    std::optional<DecisionResult> m_result;
    std::optional<DecisionInputs> m_resultInputs;
    bool m_outOfDate = false;
    bool m_beliefsMoved = false;  // the beliefs or the comparison changed after the result
    std::optional<ComparisonResult> m_comparison;
    QString m_nameA;  // the alternatives as the comparison chart names them
    QString m_nameB;
    bool m_comparingUnit = false;
    Beliefs m_jobBeliefs;
    Beliefs m_resultBeliefs;
    QString m_jobAgainst;
    QString m_resultAgainst;

    QPushButton* m_run = nullptr;
    QPushButton* m_cancel = nullptr;
    QProgressBar* m_progress = nullptr;
    QLabel* m_header = nullptr;
    QLabel* m_status = nullptr;
    QLabel* m_outOfDateNote = nullptr;
    QLabel* m_summary = nullptr;
    DecisionCostChart* m_costChart = nullptr;
    DecisionTornadoChart* m_tornadoChart = nullptr;
    QSplitter* m_charts = nullptr;
    DecisionVoiChart* m_voiChart = nullptr;
    DecisionComparisonChart* m_compareChart = nullptr;
    BeliefsPanel* m_beliefs = nullptr;
    QTabWidget* m_tabs = nullptr;
    QTimer* m_poll = nullptr;
};

}  // namespace quorvale
