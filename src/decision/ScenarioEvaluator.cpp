#include "decision/ScenarioEvaluator.h"

#include <limits>

#include "model/RangeSweep.h"

namespace quorvale {
namespace {

std::uint64_t mix(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

}  // namespace

std::uint64_t decisionBlockSeed(std::uint64_t seed, std::uint64_t block) {
    return mix(seed ^ mix(block + 0x632be59bd9b4e019ULL));
}

std::vector<double> sweepCosts(const ModelInputs& m, int steps) {
    std::vector<double> costs(static_cast<size_t>(steps), std::numeric_limits<double>::quiet_NaN());
    FanCarry carry;
    for (int step = 1; step <= steps; ++step) {
        const YardingResult r = evaluateUncapped(m, step, carry);
        if (!isFinite(r)) {
            break;
        }
        costs[static_cast<size_t>(step - 1)] = r.totalCost;
    }
    return costs;
}

void forEachScenario(const RunInputs& inputs, CorridorPattern pattern, std::uint64_t seed, std::uint64_t first,
                     std::uint64_t count, const std::function<void(const std::vector<double>& costs)>& visit) {
    const ScenarioEvaluator evaluator(inputs, pattern, stepCount(inputs.highEydFeet()));
    std::vector<double> costs(static_cast<size_t>(evaluator.steps()));
    std::uint64_t block = first / kDecisionBlockScenarios;
    std::uint64_t index = block * kDecisionBlockScenarios;
    const std::uint64_t end = first + count;
    while (index < end) {
        RandomSource random(decisionBlockSeed(seed, block));
        for (std::uint64_t i = 0; i < kDecisionBlockScenarios && index < end; ++i, ++index) {
            const bool finite = evaluator.evaluate(random, costs.data());
            if (index >= first && finite) {
                visit(costs);
            }
        }
        ++block;
    }
}

}  // namespace quorvale
