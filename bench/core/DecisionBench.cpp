// Throughput of the decision analysis, to be read beside the bare loop of
// MonteCarloBench.cpp (the same draws and evaluations with nothing else):
//   quorvale_core_bench --benchmark_filter='bareLoop|decision'
// The items of a decision run are model evaluations (scenarios x steps),
// statistics, pOptimal, regret and the percentile sketch included. Items per
// second are per second of the process's CPU time (all threads), like the
// bare loop's per second of its one thread; the wall time is the "Time"
// column, so the speed-up of two threads is the ratio of those times.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "inputs/InputVariables.h"
#include "decision/DecisionAnalysis.h"

using namespace quorvale;

namespace {

// Every Low 25 % below and every High 25 % above its default, as in the
// simulation's benchmark, but the EYD kept at 30 stations: 30 steps.
InMemoryInputs decisionInputs(CorridorPattern pattern) {
    InMemoryInputs inputs;
    for (int k = 0; k < kVariableCount; ++k) {
        if (k == ExternalYardingDistance) {
            continue;
        }
        const double d = inputs.value(lowEntry(k));
        inputs.setEntryText(lowEntry(k), inputs.valueRule().plain(d * 0.75));
        inputs.setEntryText(highEntry(k), inputs.valueRule().plain(d * 1.25));
    }
    inputs.setPattern(pattern);
    return inputs;
}

// args: scenarios, threads (0: every core).
void decisionRun(benchmark::State& state, CorridorPattern pattern) {
    InMemoryInputs inputs = decisionInputs(pattern);
    Repair_Variables(inputs);
    const RunInputs ranges(inputs);
    DecisionSettings settings;
    settings.pattern = pattern;
    settings.scenarios = static_cast<std::uint64_t>(state.range(0));
    settings.threads = static_cast<unsigned>(state.range(1));
    std::int64_t evaluations = 0;
    for (auto _ : state) {
        const DecisionResult result = runDecisionAnalysis(ranges, settings);
        evaluations += static_cast<std::int64_t>(result.scenarios) * result.steps;
        benchmark::DoNotOptimize(result.evpi);
        ++settings.seed;
    }
    state.SetItemsProcessed(evaluations);
}

// The sketch's P10, P50 and P90 against the exact nearest-rank percentiles
// of 10^6 scenarios at every step; counters give the largest relative error.
void sketchAccuracy(benchmark::State& state, CorridorPattern pattern) {
    InMemoryInputs inputs = decisionInputs(pattern);
    Repair_Variables(inputs);
    const RunInputs ranges(inputs);
    constexpr std::uint64_t kScenarios = 1'000'000;
    DecisionSettings settings;
    settings.pattern = pattern;
    settings.seed = 11;
    settings.scenarios = kScenarios;
    double worst[3] = {0, 0, 0};
    for (auto _ : state) {
        const DecisionResult result = runDecisionAnalysis(ranges, settings);
        const int steps = result.steps;
        // Costs are whole cents: kept as integers, ten steps at a time.
        constexpr int kStepsPerPass = 10;
        for (int first = 0; first < steps; first += kStepsPerPass) {
            const int last = std::min(steps, first + kStepsPerPass);
            std::vector<std::vector<std::int64_t>> cents(static_cast<size_t>(last - first));
            forEachScenario(ranges, pattern, settings.seed, 0, kScenarios, [&](const std::vector<double>& costs) {
                for (int s = first; s < last; ++s) {
                    cents[static_cast<size_t>(s - first)].push_back(std::llround(costs[static_cast<size_t>(s)] * 100));
                }
            });
            for (int s = first; s < last; ++s) {
                auto& v = cents[static_cast<size_t>(s - first)];
                const DecisionRow& row = result.rows[static_cast<size_t>(s)];
                const double estimates[3] = {row.p10, row.p50, row.p90};
                const double quantiles[3] = {0.1, 0.5, 0.9};
                for (int k = 0; k < 3; ++k) {
                    const size_t rank = static_cast<size_t>(std::ceil(quantiles[k] * static_cast<double>(v.size())));
                    std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(rank - 1), v.end());
                    const double exact = static_cast<double>(v[rank - 1]) / 100;
                    worst[k] = std::max(worst[k], std::fabs(estimates[k] - exact) / exact);
                }
            }
        }
    }
    state.counters["p10_max_rel_err"] = worst[0];
    state.counters["p50_max_rel_err"] = worst[1];
    state.counters["p90_max_rel_err"] = worst[2];
}

}  // namespace

BENCHMARK_CAPTURE(decisionRun, parallel, CorridorPattern::Parallel)
    ->Args({100'000, 1})
    ->Args({100'000, 2})
    ->Args({400'000, 0})
    ->ArgNames({"scenarios", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(decisionRun, fanShaped, CorridorPattern::FanShaped)
    ->Args({100'000, 1})
    ->Args({100'000, 2})
    ->Args({400'000, 0})
    ->ArgNames({"scenarios", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();
BENCHMARK_CAPTURE(sketchAccuracy, parallel, CorridorPattern::Parallel)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(sketchAccuracy, fanShaped, CorridorPattern::FanShaped)->Iterations(1)->Unit(benchmark::kSecond);
