#pragma once
// The Simulator window: the target half-width, "Go", "Pause 5 Sec." and
// "End", two progress bars, the statistics of the step being sampled and the
// optimum found so far. "Go" runs the Monte Carlo run with a StatsRunView,
// which writes the fields; everything that concerns other windows goes
// through the SimulatorHost.
//
// A run lives inside the "Go" handler and lets the event loop run during its
// yields, so the buttons, the target field, the menus and the window's own
// close arrive while the run is still on the stack. The window therefore
// never goes away under a run: a close during a run (or a pause) hides the
// window at once, stops the run, and completes when the handler returns.

#include <QPoint>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "inputs/ValueRule.h"
#include "base/gui/ChildWindow.h"
#include "simulator/MonteCarloRun.h"
#include "simulator/RunView.h"
#include "simulator/gui/SimulatorHost.h"
#include "simulator/gui/SimulatorPanel.h"

class QLabel;
class QLineEdit;
class QMdiArea;
class QPushButton;

namespace quorvale {

class FractionBar;
class TargetUpDown;

class FrmStats final : public ChildWindow, public SimulatorPanel {
    Q_OBJECT
public:
    using RunFunction = std::function<RunSummary(InputVariables&, RunView&, std::uint64_t)>;

    // "Pause 5 Sec." holds for three seconds, as it always has.
    static constexpr qint64 kPauseMs = 3000;

    // The window in its design state: a fixed size, the controls in place.
    explicit FrmStats(SimulatorHost& host, QWidget* parent = nullptr);
    ~FrmStats() override;

    // The load handler: the window at the top of the main window's client
    // area, its left edge at the area's middle; target 5, every output
    // field "0", and the simulation chart window opened hidden.
    void loadWindow() override;

    // The target field's text, as typed (a unit file keeps it).
    QString targetText() const;
    void setTargetText(const QString& text);

    // Every output field "0", both bars empty.
    void Initiate_Variables() override;

    // Draws the last run's optimum as out of date (the inputs have changed
    // since), or as current; the texts stay as they are. "Go" makes them
    // current again.
    void setResultsStale(bool stale);
    bool resultsStale() const { return m_stale; }
    // The inputs have changed since the last run: its results are out of
    // date, unless a run is on its way.
    void markResultsStale();

    // Whether a run is on the stack.
    bool isRunning() const { return m_running; }
    // Whether a run or a pause is on the stack; while busy the window must
    // not be deleted (closing it is fine).
    bool isBusy() const { return m_busyDepth > 0; }
    // For the application's close: stops a run at its next sample and ends a
    // pause early. The window reports idle() when the handlers have returned.
    void requestStop();

    // The run that "Go" starts: the host's stat_itmain unless replaced
    // (tests script their own runs).
    void setRunFunction(RunFunction run) { m_run = std::move(run); }

    // What a run's view writes and reads (SimulatorPanel).
    void showField(RunField field, const std::string& text) override;
    void showBar(RunBar bar, float value, const std::string& percent) override;
    double target() const override { return m_target; }
    bool stopRequested() const override { return m_stop || m_closePending; }
    void clearStop() override { m_stop = false; }
    void unlockTarget() override;
    // Draws the step's sample count and its bar as not converged, with a
    // tool tip saying so; the run goes on sampling.
    void setStepOverSampleCount(bool over) override;
    void holdRepaints(bool held) override;

signals:
    // The last running handler ("Go" or "Pause 5 Sec.") has returned.
    void idle();

protected:
    // The unload handler: the simulation chart closes with the window.
    void unloadWindow() override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class BusyScope;

    void buildControls();
    void fitFont(const std::vector<QLabel*>& labels);
    void go();
    void pause();
    void end() { m_stop = true; }
    void targetEdited(const QString& text);
    void stepTarget(int direction);
    void leaveBusy();
    QWidget* frame();
    QMdiArea* mdiArea() const;
    // Places the window's frame at the top of the client area, its left edge
    // at the middle.
    void placeInArea();
    // Whether the frame still stands where placeInArea() put it: the user
    // has not moved it since, nor has an arrangement.
    bool isWherePlaced() const;

    SimulatorHost& m_host;
    ValueRule m_rule;
    RunFunction m_run;

    QPushButton* m_go = nullptr;
    QPushButton* m_pause = nullptr;
    QPushButton* m_end = nullptr;
    QLineEdit* m_targetField = nullptr;
    TargetUpDown* m_upDown = nullptr;
    std::array<QLineEdit*, kRunFieldCount> m_fields{};
    std::array<FractionBar*, 2> m_bars{};
    std::array<QLabel*, 2> m_percents{};

    double m_target = 0;
    bool m_stop = false;
    bool m_stale = false;
    bool m_running = false;
    bool m_closePending = false;
    bool m_pauseAbort = false;
    int m_busyDepth = 0;
    // Where placeInArea() last put the frame, if it did.
    std::optional<QPoint> m_placedAt;
};

}  // namespace quorvale
