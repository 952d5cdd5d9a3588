#include "decision/ScenarioEvaluator.h"

#include <limits>

namespace quorvale {

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

}  // namespace quorvale
