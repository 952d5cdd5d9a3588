// A Monte Carlo run in the Simulator window against the same run without a
// window: same inputs, same seed, same target, hence the same samples. The
// window's run yields to the event loop on its time budget and repaints its
// fields there; this measures what that costs.
//
// Runs on the offscreen platform unless another one is asked for.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

#include "inputs/InputVariables.h"
#include "simulator/FrmStats.h"
#include "simulator/HeadlessRunView.h"
#include "simulator/MemoryDataGrid.h"
#include "simulator/MonteCarloRun.h"

using namespace quorvale;

namespace {

constexpr std::uint64_t kSeed = 0x5eed2026;
// Tight enough that a step takes tens of thousands of samples.
constexpr double kTarget = 0.25;
const char* const kTargetText = "0.25";

// Every input spread 25 % either side of its default; the EYD stays at its
// default, so the run has 30 steps.
void spreadInputs(InMemoryInputs& inputs) {
    for (int variable = 0; variable < kVariableCount; ++variable) {
        if (variable == ExternalYardingDistance) {
            continue;
        }
        const double middle = inputs.value(lowEntry(variable));
        inputs.setEntryText(lowEntry(variable), inputs.valueRule().plain(middle * 0.75));
        inputs.setEntryText(highEntry(variable), inputs.valueRule().plain(middle * 1.25));
    }
}

class BenchHost final : public SimulatorHost {
public:
    BenchHost() { spreadInputs(m_inputs); }
    InputVariables& variables() override { return m_inputs; }
    void setVariablesEnabled(bool) override {}
    bool simulationGraphChecked() override { return true; }
    DataGrid& statsChart() override { return m_grid; }
    bool statsChartVisible() override { return m_visible; }
    void setStatsChartVisible(bool visible) override { m_visible = visible; }
    void loadStatsChartHidden() override { m_visible = false; }
    void closeStatsChart() override {}

private:
    InMemoryInputs m_inputs;
    MemoryDataGrid m_grid;
    bool m_visible = false;
};

// Samples and seconds spent inside the runs: per benchmark for its counters,
// and over all repetitions for the closing comparison.
struct Tally {
    long long samples = 0;
    double seconds = 0;
    double rate() const { return seconds > 0 ? static_cast<double>(samples) / seconds : 0; }
};
Tally g_headless;
Tally g_window;

RunSummary timedRun(InputVariables& inputs, RunView& view, Tally& tally) {
    const auto start = std::chrono::steady_clock::now();
    RunSummary run = stat_itmain(inputs, view, kSeed);
    tally.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    tally.samples += run.samplesTotal;
    return run;
}

void report(benchmark::State& state, const Tally& tally, Tally& total) {
    state.counters["samples_per_run"] = static_cast<double>(tally.samples) / static_cast<double>(state.iterations());
    state.counters["samples_per_s"] = tally.rate();
    total.samples += tally.samples;
    total.seconds += tally.seconds;
}

void BM_HeadlessRun(benchmark::State& state) {
    Tally tally;
    for (auto _ : state) {
        InMemoryInputs inputs;
        spreadInputs(inputs);
        HeadlessRunView view(kTarget);
        timedRun(inputs, view, tally);
    }
    report(state, tally, g_headless);
}

void BM_WindowRun(benchmark::State& state) {
    Tally tally;
    for (auto _ : state) {
        state.PauseTiming();
        BenchHost host;
        FrmStats window(host);
        window.loadWindow();
        window.show();
        if (!QTest::qWaitForWindowExposed(&window)) {
            state.SkipWithError("the window was never shown");
            break;
        }
        window.findChild<QLineEdit*>(QStringLiteral("TextADev"))->setText(QString::fromUtf8(kTargetText));
        window.setRunFunction(
            [&tally](InputVariables& inputs, RunView& view, std::uint64_t) { return timedRun(inputs, view, tally); });
        auto* go = window.findChild<QPushButton*>(QStringLiteral("Command3"));
        state.ResumeTiming();
        QTest::mouseClick(go, Qt::LeftButton);
    }
    report(state, tally, g_window);
}

BENCHMARK(BM_HeadlessRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_WindowRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (g_headless.rate() > 0 && g_window.rate() > 0) {
        std::printf("headless run: %.4g samples/s\nwindow run:   %.4g samples/s\nwindow / headless: %.3f\n",
                    g_headless.rate(), g_window.rate(), g_window.rate() / g_headless.rate());
    }
    return 0;
}
