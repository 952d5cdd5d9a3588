#pragma once
// One scenario of a decision analysis: one draw of the fourteen drawn
// variables, evaluated with the uncapped model at every step 1..N in step
// order, with the scenario's own fan-shaped carry, as the static sweep does.
// Every step thus sees the same draw, and differences between steps are
// measured on paired draws.

#include <cstdint>
#include <functional>
#include <vector>

#include "model/YardingModel.h"
#include "simulator/RunInputs.h"

namespace quorvale {

// Scenarios are drawn in fixed blocks of this many, block b from its own
// generator stream, RandomSource(decisionBlockSeed(seed, b)); within a block
// a scenario draws its fourteen values once (RunInputs::draw) and is then
// evaluated at steps 1..N. The same seed thus gives the same scenarios
// whatever the number of threads that evaluate the blocks.
inline constexpr std::uint64_t kDecisionBlockScenarios = 1024;
std::uint64_t decisionBlockSeed(std::uint64_t seed, std::uint64_t block);

// One sweep 1..N of fixed inputs; NaN from the first step whose figures are
// not finite on, as the static sweep stops there.
std::vector<double> sweepCosts(const ModelInputs& m, int steps);

// Whether every figure of a step is a finite number, as isFinite says, but
// without a branch per figure: x * 0 is zero for every finite x and NaN for
// an infinity or a NaN, and one NaN makes the whole sum NaN.
static_assert(sizeof(YardingResult) == 21 * sizeof(double), "a new figure belongs in allFinite too");
inline bool allFinite(const YardingResult& r) {
    const double zero = r.eyd * 0 + r.landingSpacing * 0 + r.lyd * 0 + r.alyd * 0 + r.ayd * 0 + r.aeyd * 0 +
                        r.corridorsPerLanding * 0 + r.landingsPerUnit * 0 + r.corridorsPerUnit * 0 +
                        r.rigTimePerLanding * 0 + r.rigTimeTotal * 0 + r.roadDensity * 0 + r.cycleTime * 0 +
                        r.totalDays * 0 + r.unitVolume * 0 + r.mbfPerDay * 0 + r.tonsPerDay * 0 + r.loadsPerDay * 0 +
                        r.loggingCost * 0 + r.roadCost * 0 + r.totalCost * 0;
    return zero == 0;
}

// Draws and evaluates scenarios: one draw, then steps 1..N with the
// scenario's own fan-shaped carry.
class ScenarioEvaluator {
public:
    ScenarioEvaluator(const RunInputs& inputs, CorridorPattern pattern, int steps)
        : m_inputs(inputs), m_pattern(pattern), m_steps(steps) {}

    // Fills costs (N values); false when a figure of some step is not finite.
    bool evaluate(RandomSource& random, double* costs) const {
        ModelInputs m;
        m_inputs.draw(random, m);
        m.pattern = m_pattern;
        m.maxEyd = m_inputs.highEydFeet();
        FanCarry carry;
        for (int step = 1; step <= m_steps; ++step) {
            const YardingResult r = evaluateUncapped(m, step, carry);
            if (!allFinite(r)) {
                return false;
            }
            costs[step - 1] = r.totalCost;
        }
        return true;
    }

    int steps() const { return m_steps; }

private:
    const RunInputs& m_inputs;
    CorridorPattern m_pattern;
    int m_steps;
};

// The total costs of scenarios [first, first + count) of a run with this
// seed, exactly as the analysis evaluates them: visit(costs) gets the N
// costs of every scenario whose figures are all finite, in scenario order.
// For measuring the percentile estimate against exact percentiles.
void forEachScenario(const RunInputs& inputs, CorridorPattern pattern, std::uint64_t seed, std::uint64_t first,
                     std::uint64_t count, const std::function<void(const std::vector<double>& costs)>& visit);

}  // namespace quorvale
