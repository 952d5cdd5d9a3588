#pragma once
// One scenario of a decision analysis at every step: the uncapped model at
// steps 1..N in step order, with the scenario's own fan-shaped carry, as the
// static sweep does. Every step thus sees the same draw, and differences
// between steps are measured on paired draws.

#include <cstdint>
#include <vector>

#include "model/YardingModel.h"
#include "simulator/RunInputs.h"

namespace quorvale {

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

// Evaluates one scenario's drawn inputs at steps 1..N, with the scenario's
// own fan-shaped carry.
class ScenarioEvaluator {
public:
    ScenarioEvaluator(CorridorPattern pattern, double maxEydFeet, int steps)
        : m_pattern(pattern), m_maxEyd(maxEydFeet), m_steps(steps) {}

    // Fills costs (N values); false when a figure of some step is not finite.
    bool evaluate(ModelInputs& m, double* costs) const {
        m.pattern = m_pattern;
        m.maxEyd = m_maxEyd;
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
    CorridorPattern m_pattern;
    double m_maxEyd;
    int m_steps;
};

}  // namespace quorvale
