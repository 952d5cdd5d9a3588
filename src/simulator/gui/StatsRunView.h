#pragma once
// The Monte Carlo run's view of the Simulator window and the simulation
// chart, for one run started by "Go". The run writes the fields after every
// sample; the view keeps only the latest text of each and writes them into
// the window right before it lets the event loop run, since nothing can look
// at the window in between. It yields on a time budget, and at the end of
// every step, when the run asks.
//
// A fast run ends a step every few milliseconds. The fields are written at
// every yield, but the window is drawn at most every kRepaintGapMs (as often
// as the eye can follow changing figures): in between, its repaints are held,
// and a timer ends the hold should the run not yield again in time (while
// "Pause 5 Sec." holds it, for one).
//
// Everything the run reads after every sample (the target, the "End" flag,
// the "Simulation Graph" mark and the chart window's visibility) can change
// only while the event loop runs, so the view reads it at each yield and
// answers from memory in between.

#include <QElapsedTimer>
#include <QTimer>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "simulator/RunView.h"
#include "simulator/gui/SimulationChartWriter.h"

namespace quorvale {

class SimulatorHost;
class SimulatorPanel;

class StatsRunView final : public RunView {
public:
    // Time the run may sample between two yields to the event loop: short
    // enough that a press of "End" feels immediate, long enough that the
    // repaints do not slow the sampling. It counts the processor time of the
    // run's thread, so that a busy machine, which gives the run only part of
    // a core, does not make it yield and repaint more often per sample;
    // kYieldWaitMs of the clock on the wall bound the wait all the same.
    static constexpr qint64 kYieldBudgetMs = 12;
    static constexpr qint64 kYieldWaitMs = 60;
    // The run asks after every sample whether a yield is due; the clock is
    // read on every 64th question only (a few microseconds of sampling).
    static constexpr unsigned kClockEvery = 64;
    // The least time between two drawings of the window during a run.
    static constexpr qint64 kRepaintGapMs = 40;

    StatsRunView(SimulatorPanel& panel, SimulatorHost& host);
    ~StatsRunView() override;
    StatsRunView(const StatsRunView&) = delete;
    StatsRunView& operator=(const StatsRunView&) = delete;

    void setField(RunField field, const std::string& text) override;
    void setBar(RunBar bar, float value, const std::string& percent) override;
    double target() override { return m_target; }
    bool stopRequested() override { return m_stop; }
    void clearStop() override;
    bool yieldDue() override;
    void yieldToEvents() override;
    bool simulationGraphChecked() override { return m_graphChecked; }
    bool chartVisible() override { return m_chartVisible; }
    void setChartVisible(bool visible) override;
    RunChart& chart() override { return m_chart; }
    void initiateVariables() override;
    void runEnded(bool stopped) override;
    void setStepOverSampleCount(bool over) override;

    // Writes what the run has written since the last yield.
    void flush();

private:
    bool budgetSpent() const;
    void paceRepaints();
    void releaseRepaints();
    void readWindowState();
    DataGrid& openChart();

    SimulatorPanel& m_panel;
    SimulatorHost& m_host;
    SimulationChartWriter m_chart;

    std::array<std::optional<std::string>, kRunFieldCount> m_pendingFields;
    struct PendingBar {
        float value;
        std::string percent;
    };
    std::array<std::optional<PendingBar>, 2> m_pendingBars;

    double m_target = 0;
    bool m_stop = false;
    bool m_graphChecked = false;
    bool m_chartVisible = false;
    unsigned m_yieldQuestions = 0;
    QElapsedTimer m_sinceYield;
    // The thread's processor time at the last yield, in nanoseconds.
    std::int64_t m_cpuAtYield = 0;
    // Since the window was last let draw itself; the timer that lets it.
    QElapsedTimer m_sinceRepaint;
    QTimer m_repaintTimer;
};

}  // namespace quorvale
