// Throughput of the Monte Carlo run without a window, against bare loops of
// the same draws and model evaluations, without and with the running
// statistics, that the run's structure (view calls, fan carry, overflow
// checks, display bookkeeping) is measured against.

#include <benchmark/benchmark.h>

#include "inputs/InputVariables.h"
#include "model/RangeSweep.h"
#include "simulator/HeadlessRunView.h"
#include "simulator/MonteCarloRun.h"
#include "simulator/RandomSource.h"
#include "simulator/RunInputs.h"
#include "simulator/StepStatistics.h"

using namespace quorvale;

namespace {

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
        HeadlessRunView view(1.0);
        const RunSummary summary = stat_itmain(inputs, view, seed++);
        samples += summary.samplesTotal;
        benchmark::DoNotOptimize(summary.optimum);
    }
    state.SetItemsProcessed(samples);
    state.counters["samples_per_run"] =
        benchmark::Counter(static_cast<double>(samples), benchmark::Counter::kAvgIterations);
}

// The same draws and evaluations over the same steps, with nothing else.
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

// What the run has to do at least: the bare loop plus the running
// statistics of every step and its stop rule, over the same seeds as
// headlessRun, so that both draw exactly the same samples.
void bareLoopWithStatistics(benchmark::State& state, CorridorPattern pattern) {
    InMemoryInputs inputs = spreadInputs(pattern);
    Repair_Variables(inputs);
    const RunInputs ranges(inputs);
    const int steps = stepCount(ranges.highEydFeet());
    constexpr double kTarget = 1.0;
    std::uint64_t seed = 1;
    long long samples = 0;
    for (auto _ : state) {
        RandomSource random(seed++);
        FanCarry carry;
        ModelInputs sample;
        double sum = 0;
        for (int step = 1; step <= steps; ++step) {
            StepStatistics statistics;
            do {
                ranges.draw(random, sample);
                sample.pattern = pattern;
                statistics.add(evaluateUncapped(sample, step, carry).totalCost);
            } while (!statistics.targetReached(kTarget));
            sum += statistics.mean();
            samples += statistics.count();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(samples);
}

}  // namespace

BENCHMARK_CAPTURE(headlessRun, parallel, CorridorPattern::Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bareLoop, parallel, CorridorPattern::Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bareLoopWithStatistics, parallel, CorridorPattern::Parallel)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(headlessRun, fanShaped, CorridorPattern::FanShaped)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bareLoop, fanShaped, CorridorPattern::FanShaped)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(bareLoopWithStatistics, fanShaped, CorridorPattern::FanShaped)->Unit(benchmark::kMillisecond);
