// Cost of one model step and of whole static sweeps, against a bare loop of
// the same arithmetic with nothing around it.
#include <benchmark/benchmark.h>

#include <cmath>

#include "inputs/InputVariables.h"
#include "model/RangeSweep.h"
#include "model/YardingModel.h"

using namespace quorvale;

namespace {

ModelInputs defaultInputs(CorridorPattern pattern) {
    InMemoryInputs inputs;
    ModelInputs m = readModelInputs(inputs, RangeCase::Low);
    m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
    m.pattern = pattern;
    return m;
}

struct NullSink final : SweepSink {
    double sum = 0;
    void prepare(int) override {}
    void writeStep(int, const YardingResult& r) override { sum += r.totalCost; }
};

// Steps 1..70 cycled, so each iteration is one step of a real sweep.
void evaluateStep(benchmark::State& state, CorridorPattern pattern) {
    const ModelInputs m = defaultInputs(pattern);
    FanCarry carry;
    int step = 1;
    for (auto _ : state) {
        YardingResult r = Evaluate_Step(m, step, carry);
        benchmark::DoNotOptimize(r);
        step = step == 70 ? 1 : step + 1;
    }
    state.SetItemsProcessed(state.iterations());
}

void BM_EvaluateStep_Parallel(benchmark::State& state) { evaluateStep(state, CorridorPattern::Parallel); }
void BM_EvaluateStep_FanShaped(benchmark::State& state) { evaluateStep(state, CorridorPattern::FanShaped); }

// graph_itmain end to end: repair, read thirty texts, correct, 70 steps.
void sweep(benchmark::State& state, GraphMarks marks) {
    InMemoryInputs inputs;
    inputs.setEntryText(lowEntry(ExternalYardingDistance), "70");
    inputs.setEntryText(highEntry(ExternalYardingDistance), "70");
    NullSink sink;
    for (auto _ : state) {
        const SweepOutcome out = graph_itmain(inputs, marks, sink);
        benchmark::DoNotOptimize(out.stepsWritten);
    }
    benchmark::DoNotOptimize(sink.sum);
    state.SetItemsProcessed(state.iterations() * 70);
}

void BM_Sweep70_Low(benchmark::State& state) {
    GraphMarks m;
    m.low = true;
    sweep(state, m);
}
void BM_Sweep70_Average(benchmark::State& state) { sweep(state, GraphMarks{}); }
void BM_Sweep70_High(benchmark::State& state) {
    GraphMarks m;
    m.high = true;
    sweep(state, m);
}

// The same parallel-pattern arithmetic as one flat loop: no result struct,
// no finiteness check, no caps, no text; only the total cost is kept.
void BM_BareLoop_Parallel70(benchmark::State& state) {
    const ModelInputs in = defaultInputs(CorridorPattern::Parallel);
    for (auto _ : state) {
        double sum = 0;
        for (int i = 1; i <= 70; ++i) {
            const double eyd = 100.0 * i;
            double S = std::sqrt(
                ((((5227200 * in.lateralSpeed) * in.turnVolume) / (1 + in.productionDelay)) / in.harvestVolume) *
                ((1 / in.variableTime) +
                 (((in.fixedCorridorTime - (in.multipleCorridorCorrection / 2)) + in.fixedLandingTime) / eyd)));
            S = S >= 500 ? 500 : (S <= 100 ? 100 : S);
            const double NC = (in.unitSize * 43560) / (S * eyd);
            const double R =
                ((((in.fixedCorridorTime + in.fixedLandingTime) * NC) - (in.multipleCorridorCorrection * (NC - 1))) /
                 NC) +
                (eyd / in.variableTime);
            const double RT = R * NC;
            const double D0 = ((5280 / eyd) * in.roadDensityFactor) / 100;
            const double RCd = (((in.unitSize * 43560) / (5280 / D0)) / 100) * in.roadCostPerStation;
            const double CT =
                (1 + in.productionDelay) *
                ((((2 * (eyd / 2)) / in.externalSpeed) + ((2 * (0.5 * (S / 2))) / in.lateralSpeed)) + in.fixedTime);
            const double V = in.harvestVolume * in.unitSize;
            const double total =
                ((((in.operatorCost / 60) / 8.5) * CT) / in.turnVolume) + ((((in.operatorCost / 8.5) * RT) + RCd) / V);
            sum += std::nearbyint(total * 100) / 100;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 70);
}

// The whole 70-step model loop through Evaluate_Step, without the inputs'
// text handling: the structure's own cost next to the bare loop.
void BM_ModelLoop_Parallel70(benchmark::State& state) {
    const ModelInputs m = defaultInputs(CorridorPattern::Parallel);
    for (auto _ : state) {
        FanCarry carry;
        double sum = 0;
        for (int i = 1; i <= 70; ++i) {
            sum += Evaluate_Step(m, i, carry).totalCost;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * 70);
}

}  // namespace

BENCHMARK(BM_EvaluateStep_Parallel);
BENCHMARK(BM_EvaluateStep_FanShaped);
BENCHMARK(BM_Sweep70_Low);
BENCHMARK(BM_Sweep70_Average);
BENCHMARK(BM_Sweep70_High);
BENCHMARK(BM_ModelLoop_Parallel70);
BENCHMARK(BM_BareLoop_Parallel70);
