#include "decision/Tornado.h"

#include <algorithm>
#include <optional>

#include "model/RangeSweep.h"
#include "decision/ScenarioEvaluator.h"

namespace quorvale {
namespace {

// The lowest finite cost and its EYD in feet, ties to the longer EYD;
// nullopt when no step is finite.
struct Minimum {
    double cost = 0;
    double eyd = 0;
};
std::optional<Minimum> minimumOf(const std::vector<double>& costs) {
    std::optional<Minimum> best;
    for (size_t i = 0; i < costs.size(); ++i) {
        if (std::isfinite(costs[i]) && (!best || costs[i] <= best->cost)) {
            best = Minimum{costs[i], 100.0 * static_cast<double>(i + 1)};
        }
    }
    return best;
}

}  // namespace

Tornado computeTornado(const RunInputs& inputs, CorridorPattern pattern) {
    int correctionDraw = 0;
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        if (RunInputs::drawnVariable(i) == MultipleCorridorCorrection) {
            correctionDraw = i;
        }
    }
    const int kCorrectionDraw = correctionDraw;
    const int steps = stepCount(inputs.highEydFeet());
    ModelInputs average = inputs.midpoints();
    average.pattern = pattern;
    Tornado tornado;
    if (const auto base = minimumOf(sweepCosts(average, steps))) {
        tornado.baseMinCost = base->cost;
        tornado.baseEyd = base->eyd;
    }
    for (int i = 0; i < RunInputs::kDrawnCount; ++i) {
        const int variable = RunInputs::drawnVariable(i);
        TornadoBar bar;
        bar.drawIndex = i;
        bar.variable = std::string(variableRule(variable).option);
        bar.low = inputs.range(i).low;
        bar.high = inputs.range(i).high;
        auto sweepAt = [&](double value) {
            ModelInputs m = inputs.midpoints();
            RunInputs::setDrawn(m, i, value);
            // The averages had the correction rule applied against each
            // other; moving the fixed corridor time starts from the
            // correction time's own average instead.
            if (variable == FixedCorridorTime) {
                const DrawRange& correction = inputs.range(kCorrectionDraw);
                m.multipleCorridorCorrection = (correction.low + correction.high) / 2;
            }
            if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
                m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
            }
            m.pattern = pattern;
            return minimumOf(sweepCosts(m, steps));
        };
        const auto atLow = sweepAt(bar.low);
        const auto atHigh = sweepAt(bar.high);
        if (atLow) {
            bar.costAtLow = atLow->cost;
            bar.eydAtLow = atLow->eyd;
        }
        if (atHigh) {
            bar.costAtHigh = atHigh->cost;
            bar.eydAtHigh = atHigh->eyd;
        }
        if (bar.complete()) {
            bar.swing = std::fabs(bar.costAtHigh - bar.costAtLow);
        }
        tornado.bars.push_back(bar);
    }
    std::stable_sort(tornado.bars.begin(), tornado.bars.end(), [](const TornadoBar& a, const TornadoBar& b) {
        return a.complete() != b.complete() ? !a.complete() : a.swing > b.swing;
    });
    return tornado;
}

}  // namespace quorvale
