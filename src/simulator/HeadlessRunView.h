#pragma once
// A run view without a window, for the command-line tool and the tests: it
// keeps the texts of the fields and bars, holds the chart rows in memory,
// takes a fixed target and a stop flag that a signal handler may set, and
// reports progress through an optional callback at every yield.

#include <array>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "simulator/MemoryRunChart.h"
#include "simulator/RunView.h"

namespace quorvale {

class HeadlessRunView : public RunView {
public:
    using Progress = std::function<void(const HeadlessRunView&)>;

    explicit HeadlessRunView(double target = 5);

    void setField(RunField field, const std::string& text) override;
    void setBar(RunBar bar, float value, const std::string& percent) override;
    double target() override { return m_target; }
    bool stopRequested() override { return m_stop.load(std::memory_order_relaxed); }
    void clearStop() override { m_stop.store(false, std::memory_order_relaxed); }
    bool yieldDue() override;
    void yieldToEvents() override;
    bool simulationGraphChecked() override { return m_graphChecked; }
    bool chartVisible() override { return m_chartVisible; }
    void setChartVisible(bool visible) override { m_chartVisible = visible; }
    RunChart& chart() override { return m_chart; }
    void initiateVariables() override;
    void runEnded(bool stopped) override;
    void stepStarted(int step, int steps) override {
        m_step = step;
        m_steps = steps;
    }

    void setTarget(double target) { m_target = target; }
    void setSimulationGraphChecked(bool checked) { m_graphChecked = checked; }
    // Sets the stop flag; safe to call from a signal handler.
    void requestStop() { m_stop.store(true, std::memory_order_relaxed); }
    // Called at every yield: at the end of each step and, within a step,
    // once the interval has passed since the last call.
    void setProgress(Progress progress, std::chrono::milliseconds interval = std::chrono::milliseconds(100));

    const std::string& field(RunField field) const { return m_fields[static_cast<size_t>(field)]; }
    float barValue(RunBar bar) const { return m_bars[barIndex(bar)].value; }
    const std::string& barPercent(RunBar bar) const { return m_bars[barIndex(bar)].percent; }
    const MemoryRunChart& chartRows() const { return m_chart; }
    // The step sampling now and the run's step count; 0 before the first.
    int step() const { return m_step; }
    int steps() const { return m_steps; }
    // Samples drawn so far: the run asks yieldDue() once after every sample.
    long long samplesSeen() const { return m_samplesSeen; }
    int yieldCount() const { return m_yields; }
    bool ended() const { return m_ended; }
    bool endedStopped() const { return m_endedStopped; }
    // Seconds since the view was made, for rates.
    double elapsedSeconds() const;

private:
    struct Bar {
        float value = 0;
        std::string percent = "0%";
    };
    static size_t barIndex(RunBar bar) { return bar == RunBar::Step ? 0 : 1; }

    static_assert(std::atomic<bool>::is_always_lock_free, "the stop flag is set from a signal handler");
    std::atomic<bool> m_stop{false};
    double m_target;
    bool m_graphChecked = false;
    bool m_chartVisible = false;
    bool m_ended = false;
    bool m_endedStopped = false;
    long long m_samplesSeen = 0;
    int m_yields = 0;
    int m_step = 0;
    int m_steps = 0;
    std::array<std::string, kRunFieldCount> m_fields;
    std::array<Bar, 2> m_bars;
    MemoryRunChart m_chart;
    Progress m_progress;
    std::chrono::milliseconds m_interval{100};
    std::chrono::steady_clock::time_point m_start;
    std::chrono::steady_clock::time_point m_nextProgress;
};

}  // namespace quorvale
