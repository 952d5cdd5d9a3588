// Throughput of the decision analysis, to be read beside the bare loop of
// MonteCarloBench.cpp (the same draws and evaluations with nothing else):
//   quorvale_core_bench --benchmark_filter='bareLoop|decision'
// The items of a decision run are model evaluations (scenarios x steps),
// statistics, pOptimal, regret and the percentile sketch included. Items per
// second are per second of the process's CPU time (all threads), like the
// bare loop's per second of its one thread; the wall time is the "Time"
// column, so the speed-up of two threads is the ratio of those times.

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "inputs/InputVariables.h"
#include "decision/DecisionAnalysis.h"
#include "model/RangeSweep.h"

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

double threadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

// Beliefs on every drawn variable: a PERT peak 40 % of the way from Low to
// High, and two linked pairs.
Beliefs everyVariableBelieved(InputVariables& inputs) {
    Beliefs beliefs;
    for (int k = 0; k < kVariableCount; ++k) {
        if (isDrawnVariable(k)) {
            const double low = inputs.value(lowEntry(k));
            beliefs.variables[static_cast<size_t>(k)] = {low + 0.4 * (inputs.value(highEntry(k)) - low),
                                                         BeliefShape::Pert};
        }
    }
    beliefs.correlate(HarvestVolume, TurnVolume, 0.6);
    beliefs.correlate(OperatorCost, ExternalSpeed, -0.3);
    return beliefs;
}

// As many draws and evaluations as a decision run makes, with nothing else:
// the bare loop of the simulation's benchmark. Returns the seconds taken.
double bareLoopSeconds(const RunInputs& ranges, CorridorPattern pattern, std::int64_t samples, std::uint64_t seed) {
    const double start = threadSeconds();
    const int steps = stepCount(ranges.highEydFeet());
    RandomSource random(seed);
    FanCarry carry;
    ModelInputs sample;
    double sum = 0;
    for (std::int64_t i = 0; i < samples; ++i) {
        ranges.draw(random, sample);
        sample.pattern = pattern;
        sum += evaluateUncapped(sample, static_cast<int>(i % steps) + 1, carry).totalCost;
    }
    benchmark::DoNotOptimize(sum);
    return threadSeconds() - start;
}

// One thread, timed back to back within every iteration against the bare
// loop of as many evaluations: a decision run as before (uniform draws, no
// information value), one that also works out what is worth measuring, and
// one with PERT peaks on every variable, two linked pairs and what is worth
// measuring. The counters are each run's evaluations per CPU second as a
// share of the bare loop's samples per second.
void decisionShareOfBareLoop(benchmark::State& state, CorridorPattern pattern) {
    InMemoryInputs inputs = decisionInputs(pattern);
    Repair_Variables(inputs);
    const RunInputs ranges(inputs);
    const DecisionAlternative plain{ranges, {}, pattern, ""};
    const DecisionAlternative believed{ranges, everyVariableBelieved(inputs), pattern, ""};
    DecisionSettings settings;
    settings.scenarios = static_cast<std::uint64_t>(state.range(0));
    settings.threads = 1;
    double seconds[3] = {0, 0, 0};
    double bare = 0;
    std::int64_t evaluations = 0;
    for (auto _ : state) {
        ++settings.seed;
        std::int64_t n = 0;
        for (int variant = 0; variant < 3; ++variant) {
            settings.voiBins = variant == 0 ? 0 : DecisionSettings::kDefaultVoiBins;
            const double start = threadSeconds();
            const DecisionResult r = runDecisionAnalysis(variant == 2 ? believed : plain, settings);
            seconds[variant] += threadSeconds() - start;
            n = static_cast<std::int64_t>(r.scenarios + r.nonFinite) * r.steps;
            benchmark::DoNotOptimize(r.evpi);
        }
        bare += bareLoopSeconds(ranges, pattern, n, settings.seed);
        evaluations += n;
    }
    state.SetItemsProcessed(evaluations * 4);
    state.counters["plain_share"] = seconds[0] > 0 ? bare / seconds[0] : 0;
    state.counters["voi_share"] = seconds[1] > 0 ? bare / seconds[1] : 0;
    state.counters["beliefs_voi_share"] = seconds[2] > 0 ? bare / seconds[2] : 0;
}

// Both patterns on the same scenarios against a run of each pattern alone,
// one thread, timed back to back within every iteration; without and with
// what is worth measuring.
void compareShareOfSingle(benchmark::State& state) {
    InMemoryInputs inputs = decisionInputs(CorridorPattern::Parallel);
    Repair_Variables(inputs);
    const RunInputs ranges(inputs);
    const DecisionAlternative parallel{ranges, {}, CorridorPattern::Parallel, ""};
    const DecisionAlternative fan{ranges, {}, CorridorPattern::FanShaped, ""};
    DecisionSettings settings;
    settings.scenarios = static_cast<std::uint64_t>(state.range(0));
    settings.threads = 1;
    settings.voiBins = static_cast<int>(state.range(1));
    double parallelSeconds = 0;
    double fanSeconds = 0;
    double compareSeconds = 0;
    for (auto _ : state) {
        ++settings.seed;
        const double start = threadSeconds();
        benchmark::DoNotOptimize(runDecisionAnalysis(parallel, settings).evpi);
        const double second = threadSeconds();
        benchmark::DoNotOptimize(runDecisionAnalysis(fan, settings).evpi);
        const double third = threadSeconds();
        benchmark::DoNotOptimize(runComparison(parallel, fan, settings).meanDifference);
        const double end = threadSeconds();
        parallelSeconds += second - start;
        fanSeconds += third - second;
        compareSeconds += end - third;
    }
    state.counters["of_parallel"] = compareSeconds / parallelSeconds;
    state.counters["of_fan"] = compareSeconds / fanSeconds;
    state.counters["of_mean_single"] = compareSeconds / ((parallelSeconds + fanSeconds) / 2);
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
BENCHMARK_CAPTURE(decisionShareOfBareLoop, parallel, CorridorPattern::Parallel)
    ->Arg(50'000)
    ->ArgName("scenarios")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(decisionShareOfBareLoop, fanShaped, CorridorPattern::FanShaped)
    ->Arg(50'000)
    ->ArgName("scenarios")
    ->Unit(benchmark::kMillisecond);
BENCHMARK(compareShareOfSingle)
    ->Args({50'000, 0})
    ->Args({50'000, DecisionSettings::kDefaultVoiBins})
    ->ArgNames({"scenarios", "voiBins"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(sketchAccuracy, parallel, CorridorPattern::Parallel)->Iterations(1)->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(sketchAccuracy, fanShaped, CorridorPattern::FanShaped)->Iterations(1)->Unit(benchmark::kSecond);
