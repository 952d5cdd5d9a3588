// A Monte Carlo run in the real main window against the same run without a
// window: same inputs, same seed, same target, hence the same samples. The
// window's run yields to the event loop on its time budget and at every
// step's end, and the Simulator window and (with "Simulation Graph" checked)
// the simulation chart are drawn there, at most every 40 ms; this measures
// what that costs.
//
// Runs on the offscreen platform unless another one is asked for.

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QtTest>
#include <benchmark/benchmark.h>

#include "OffscreenBenchmarks.h"
#include <chrono>
#include <cstdio>
#include <ctime>

#include "WideInputs.h"
#include "inputs/gui/FrmData.h"
#include "app/gui/FrmMain.h"
#include "base/gui/WindowRegistry.h"
#include "simulator/gui/FrmStats.h"
#include "simulator/HeadlessRunView.h"
#include "simulator/MonteCarloRun.h"

using namespace quorvale;

namespace {

constexpr std::uint64_t kSeed = 0x5eed2026;
// Tight enough that a step takes tens of thousands of samples.
constexpr double kTarget = 0.25;
const char* const kTargetText = "0.25";
// Longer than a chart's redraw gap.
constexpr int kSettleMs = 100;

// Samples and seconds spent in the runs: per benchmark for its counters, and
// over all repetitions for the closing comparison.
struct Tally {
    long long samples = 0;
    double seconds = 0;
    double rate() const { return seconds > 0 ? static_cast<double>(samples) / seconds : 0; }
};
Tally g_headless;
Tally g_hidden;
Tally g_shown;
Tally g_open;

using Clock = std::chrono::steady_clock;
double secondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

void report(benchmark::State& state, const Tally& tally, Tally& total) {
    state.counters["samples_per_run"] = static_cast<double>(tally.samples) / static_cast<double>(state.iterations());
    state.counters["samples_per_s"] = tally.rate();
    total.samples += tally.samples;
    total.seconds += tally.seconds;
}

// stat_itmain driving a view that only keeps the latest texts. Every input
// is spread a quarter either side of its default except the EYD (30 steps).
void BM_HeadlessRun(benchmark::State& state) {
    Tally tally;
    for (auto _ : state) {
        InMemoryInputs inputs;
        tools::spreadInputs(inputs, false);
        HeadlessRunView view(kTarget);
        const auto start = Clock::now();
        const RunSummary run = stat_itmain(inputs, view, kSeed);
        tally.seconds += secondsSince(start);
        tally.samples += run.samplesTotal;
    }
    report(state, tally, g_headless);
}

// How the simulation chart takes part in a window's run: not at all
// ("Simulation Graph" unchecked), shown by the run itself from the first
// step's 31st sample on (the first run after checking the item), or open
// before "Go" and through the whole run (every later run).
enum class Chart { Hidden, OpensDuringRun, OpenThroughout };

// A loaded, maximized main window whose Variables window holds the
// headless run's inputs, with its seed and the Simulator's target, and the
// simulation chart as asked, set up with the benchmark's timing paused (the
// caller resumes it): the Simulator's "Go" button, ready to be clicked;
// none, and the benchmark skipped, if the window was never shown.
struct ReadyWindow {
    ReadyWindow(benchmark::State& state, Chart chart) {
        state.PauseTiming();
        main.load();
        main.showMaximized();
        if (!QTest::qWaitForWindowExposed(&main)) {
            state.SkipWithError("the main window was never shown");
            return;
        }
        tools::spreadInputs(*main.frmData(), false);
        main.setRunSeed(kSeed);
        if (chart != Chart::Hidden) {
            main.results().action(QStringLiteral("MnuSimulation"))->trigger();
        }
        if (chart == Chart::OpenThroughout) {
            main.setStatsChartVisible(true);
        }
        auto* simulator = main.windows().loadAs<FrmStats>(WindowId::FrmStats);
        simulator->findChild<QLineEdit*>(QStringLiteral("TextADev"))->setText(QString::fromUtf8(kTargetText));
        go = simulator->findChild<QPushButton*>(QStringLiteral("Command3"));
        // The windows settle (shown, laid out, painted, their first redraws
        // done) before the run is timed.
        QTest::qWait(kSettleMs);
    }

    FrmMain main;
    QPushButton* go = nullptr;
};

// "Go" pressed in the Simulator window of a loaded, maximized main window
// whose Variables window holds the same inputs; the run is the main window's
// stat_itmain with the same seed. The time is that of the click, which holds
// the whole run.
void mainWindowRun(benchmark::State& state, Chart chart, Tally& total) {
    Tally tally;
    for (auto _ : state) {
        ReadyWindow window(state, chart);
        if (!window.go) {
            break;
        }
        state.ResumeTiming();

        const auto start = Clock::now();
        QTest::mouseClick(window.go, Qt::LeftButton);
        tally.seconds += secondsSince(start);

        state.PauseTiming();
        if (!window.main.lastRun() || window.main.lastRun()->stopped) {
            state.SkipWithError("the run did not finish");
            break;
        }
        tally.samples += window.main.lastRun()->samplesTotal;
        state.ResumeTiming();
    }
    report(state, tally, total);
}

void BM_MainWindowRun(benchmark::State& state) { mainWindowRun(state, Chart::Hidden, g_hidden); }
void BM_MainWindowRunChartShown(benchmark::State& state) { mainWindowRun(state, Chart::OpensDuringRun, g_shown); }
void BM_MainWindowRunChartOpen(benchmark::State& state) { mainWindowRun(state, Chart::OpenThroughout, g_open); }

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The window's run as a share of the headless run's rate, both timed within
// every iteration on the same seed, one right after the other, in the CPU
// time of this thread (which draws, paints and runs the event loop alike):
// on a machine shared with other work, a load that changes between two
// benchmarks would skew a ratio of their separate rates, and wall time would
// count the time other processes hold the cores.
void windowShareOfHeadless(benchmark::State& state, Chart chart) {
    double headlessSeconds = 0;
    double windowSeconds = 0;
    for (auto _ : state) {
        ReadyWindow window(state, chart);
        if (!window.go) {
            break;
        }
        InMemoryInputs inputs;
        tools::spreadInputs(inputs, false);
        state.ResumeTiming();

        const double start = threadSeconds();
        HeadlessRunView view(kTarget);
        const RunSummary headless = stat_itmain(inputs, view, kSeed);
        const double between = threadSeconds();
        QTest::mouseClick(window.go, Qt::LeftButton);
        const double end = threadSeconds();

        if (!window.main.lastRun() || window.main.lastRun()->stopped ||
            window.main.lastRun()->samplesTotal != headless.samplesTotal) {
            state.SkipWithError("the window's run did not draw the headless run's samples");
            break;
        }
        headlessSeconds += between - start;
        windowSeconds += end - between;
    }
    state.counters["window_share"] = windowSeconds > 0 ? headlessSeconds / windowSeconds : 0;
}

BENCHMARK(BM_HeadlessRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_MainWindowRun)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_MainWindowRunChartShown)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_MainWindowRunChartOpen)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK_CAPTURE(windowShareOfHeadless, chartHidden, Chart::Hidden)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK_CAPTURE(windowShareOfHeadless, chartShown, Chart::OpensDuringRun)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);
BENCHMARK_CAPTURE(windowShareOfHeadless, chartOpen, Chart::OpenThroughout)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    return quorvale::bench::runOffscreenBenchmarks(argc, argv, [] {
        if (g_headless.rate() <= 0) {
            return;
        }
        std::printf("headless run:                    %.4g samples/s\n", g_headless.rate());
        for (const auto& [name, tally] : {std::pair{"main window, chart hidden:       ", &g_hidden},
                                          std::pair{"main window, chart opens in run:", &g_shown},
                                          std::pair{"main window, chart open:        ", &g_open}}) {
            if (tally->rate() > 0) {
                std::printf("%s %.4g samples/s, %.3f of headless\n", name, tally->rate(),
                            tally->rate() / g_headless.rate());
            }
        }
    });
}
