// Throughput of the Monte Carlo run without a window, against the minimal
// loop of the same draws, total costs and running statistics that the run's
// structure (view calls, fan carry, overflow checks, display bookkeeping, the
// optimum's figures) is measured against.

#include <benchmark/benchmark.h>

#include <ctime>

#include "inputs/InputVariables.h"
#include "model/RangeSweep.h"
#include "model/StepCost.h"
#include "simulator/HeadlessRunView.h"
#include "simulator/MonteCarloRun.h"
#include "simulator/RandomSource.h"
#include "simulator/RunInputs.h"
#include "simulator/StepStatistics.h"

using namespace quorvale;

namespace {

// The target half-width of every run here, in $/mbf.
constexpr double kTarget = 1.0;

// Every Low 25 % below and every High 25 % above its default.
InMemoryInputs spreadInputs(CorridorPattern pattern) {
    InMemoryInputs inputs;
    for (int k = 0; k < kVariableCount; ++k) {
        const double d = inputs.value(lowEntry(k));
        inputs.setEntryText(lowEntry(k), inputs.valueRule().plain(d * 0.75));
        inputs.setEntryText(highEntry(k), inputs.valueRule().plain(d * 1.25));
    }
    inputs.setPattern(pattern);
    return inputs;
}

void headlessRun(benchmark::State& state, CorridorPattern pattern) {
    InMemoryInputs inputs = spreadInputs(pattern);
    long long samples = 0;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        HeadlessRunView view(kTarget);
        const RunSummary summary = stat_itmain(inputs, view, seed++);
        samples += summary.samplesTotal;
        benchmark::DoNotOptimize(summary.optimum);
    }
    state.SetItemsProcessed(samples);
    state.counters["samples_per_run"] =
        benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kAvgIterations);
}

// The draws and whole model evaluations of a run, nothing else kept: what
// the decision analysis is measured against.
void bareLoop(benchmark::State& state, CorridorPattern pattern) {
    InMemoryInputs inputs = spreadInputs(pattern);
    Repair_Variables(inputs);
    const RunInputs ranges(inputs);
    const int steps = stepCount(ranges.highEydFeet());
    constexpr int kSamplesPerStep = 4096;
    RandomSource random(1);
    FanCarry carry;
    ModelInputs sample;
    long long samples = 0;
    for (auto _ : state) {
        double sum = 0;
        for (int step = 1; step <= steps; ++step) {
            for (int i = 0; i < kSamplesPerStep; ++i) {
                ranges.draw(random, sample);
                sample.pattern = pattern;
                sum += evaluateUncapped(sample, step, carry).totalCost;
            }
        }
        benchmark::DoNotOptimize(sum);
        samples += static_cast<long long>(steps) * kSamplesPerStep;
    }
    state.SetItemsProcessed(samples);
}

// The least a run has to do: the fourteen draws, the correction rule, the
// total cost alone (evaluateCost, with its half-even rounding), and each
// step's running mean and variance and its stop rule. Over the same seed and
// target it draws exactly the samples of the run. Returns the samples taken.
long long minimalLoop(const RunInputs& ranges, CorridorPattern pattern, std::uint64_t seed, double target,
                      double& sum) {
    const int steps = stepCount(ranges.highEydFeet());
    RandomSource random(seed);
    FanCarry carry;
    ModelInputs sample;
    long long samples = 0;
    for (int step = 1; step <= steps; ++step) {
        StepStatistics statistics;
        do {
            ranges.draw(random, sample);
            sample.pattern = pattern;
            statistics.add(evaluateCost(sample, step, carry).totalCost);
        } while (!statistics.targetReached(target));
        sum += statistics.mean();
        samples += statistics.count();
    }
    return samples;
}

// The minimal loop over the seeds of headlessRun.
void minimalLoop(benchmark::State& state, CorridorPattern pattern) {
    InMemoryInputs inputs = spreadInputs(pattern);
    Repair_Variables(inputs);
    const RunInputs ranges(inputs);
    std::uint64_t seed = 1;
    long long samples = 0;
    for (auto _ : state) {
        double sum = 0;
        samples += minimalLoop(ranges, pattern, seed++, kTarget, sum);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(samples);
}

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// The run's rate as a share of the minimal loop's, both timed
// on the same seed within every iteration: on a machine shared with other
// work, a load that changes between two benchmarks would skew a ratio of
// their separate rates.
void runShareOfMinimalLoop(benchmark::State& state, CorridorPattern pattern) {
    InMemoryInputs inputs = spreadInputs(pattern);
    double runSeconds = 0;
    double bareSeconds = 0;
    std::uint64_t seed = 1;
    for (auto _ : state) {
        const double start = threadSeconds();
        HeadlessRunView view(kTarget);
        const RunSummary summary = stat_itmain(inputs, view, seed);
        const double between = threadSeconds();
        const RunInputs ranges(inputs);
        double sum = 0;
        const long long samples = minimalLoop(ranges, pattern, seed++, kTarget, sum);
        const double end = threadSeconds();
        benchmark::DoNotOptimize(sum);
        if (samples != summary.samplesTotal) {
            state.SkipWithError("the run and the minimal loop drew different samples");
            break;
        }
        runSeconds += between - start;
        bareSeconds += end - between;
    }
    state.counters["run_share"] = runSeconds > 0 ? bareSeconds / runSeconds : 0;
}

}  // namespace

BENCHMARK_CAPTURE(headlessRun, parallel, CorridorPattern::Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bareLoop, parallel, CorridorPattern::Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(minimalLoop, parallel, CorridorPattern::Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runShareOfMinimalLoop, parallel, CorridorPattern::Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(headlessRun, fanShaped, CorridorPattern::FanShaped)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bareLoop, fanShaped, CorridorPattern::FanShaped)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(minimalLoop, fanShaped, CorridorPattern::FanShaped)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(runShareOfMinimalLoop, fanShaped, CorridorPattern::FanShaped)->Unit(benchmark::kMillisecond);
