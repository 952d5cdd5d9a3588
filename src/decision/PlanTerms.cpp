#include "decision/PlanTerms.h"

#include <cmath>
#include <vector>

#include <fmt/format.h>

#include "base/Texts.h"
#include "decision/DecisionResult.h"
#include "inputs/NumberText.h"
#include "model/RangeSweep.h"
#include "simulator/RunInputs.h"

namespace quorvale {
namespace {

constexpr double kAcresPerSection = 640;

// The average scenario swept from the first station up to `last`; a step
// from the first one whose figures are not finite on is left empty, as the
// static sweep stops there.
std::vector<std::optional<YardingResult>> averageSweep(const RunInputs& inputs, CorridorPattern pattern, int last) {
    ModelInputs m = inputs.midpoints();
    m.pattern = pattern;
    std::vector<std::optional<YardingResult>> steps(static_cast<size_t>(last));
    FanCarry carry;
    for (int step = 1; step <= last; ++step) {
        const YardingResult r = evaluateUncapped(m, step, carry);
        if (!isFinite(r)) {
            break;
        }
        steps[static_cast<size_t>(step - 1)] = r;
    }
    return steps;
}

PlanPoint pointAt(const std::vector<std::optional<YardingResult>>& sweep, const DecisionResult& result, double unitSize,
                  double eydFeet) {
    PlanPoint p;
    p.step = static_cast<int>(std::lround(eydFeet / 100));
    p.eyd = eydFeet;
    p.roadSpacing = p.roadLength = p.landings = p.corridors = p.volume = p.meanCost = p.totalDollars = kNoFigure;
    if (p.step >= 1 && p.step <= static_cast<int>(result.rows.size())) {
        p.meanCost = result.rows[static_cast<size_t>(p.step - 1)].mean;
    }
    if (p.step < 1 || p.step > static_cast<int>(sweep.size()) || !sweep[static_cast<size_t>(p.step - 1)]) {
        return p;
    }
    const YardingResult& r = *sweep[static_cast<size_t>(p.step - 1)];
    // The model's road density is miles of road per section (uncapped here):
    // the roads of a section lie 5280 / D feet apart, and the unit holds
    // D x (its sections) miles of them.
    p.roadSpacing = kFeetPerMile / r.roadDensity;
    p.roadLength = r.roadDensity * (unitSize / kAcresPerSection) * kFeetPerMile;
    p.landings = r.landingsPerUnit;
    p.corridors = r.corridorsPerUnit;
    p.volume = r.unitVolume;
    p.totalDollars = p.meanCost * p.volume;
    return p;
}

std::string whole(double x) { return std::isfinite(x) ? fixedDecimal(x, 0) : texts::plan::kNone; }
std::string miles(double feet) {
    return std::isfinite(feet) ? fixedDecimal(feet / kFeetPerMile, 2) : texts::plan::kNone;
}

}  // namespace

std::optional<PlanTerms> planTerms(const RunInputs& inputs, CorridorPattern pattern, const DecisionResult& result) {
    if (result.recommendedStep == 0) {
        return std::nullopt;
    }
    const int last = static_cast<int>(std::lround(std::max(result.bandToEyd, result.recommendedEyd) / 100));
    const auto sweep = averageSweep(inputs, pattern, last);
    const double unitSize = inputs.midpoints().unitSize;
    PlanTerms plan;
    plan.recommended = pointAt(sweep, result, unitSize, result.recommendedEyd);
    plan.bandFrom = pointAt(sweep, result, unitSize, result.bandFromEyd);
    plan.bandTo = pointAt(sweep, result, unitSize, result.bandToEyd);
    plan.evpiDollars = result.evpi * plan.recommended.volume;
    return plan;
}

std::string dollarText(double dollars) {
    if (!std::isfinite(dollars)) {
        return texts::plan::kNone;
    }
    const std::string digits = fixedDecimal(std::fabs(dollars), 0);
    std::string grouped;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ',';
        }
        grouped += digits[i];
    }
    return (dollars <= -0.5 ? "-$" : "$") + grouped;
}

std::string planSentences(const PlanTerms& plan) {
    namespace t = texts::plan;
    const PlanPoint& r = plan.recommended;
    std::string text =
        fmt::format(t::kAtRecommended, r.step, whole(r.roadSpacing), miles(r.roadLength), whole(r.landings),
                    whole(r.corridors), dollarText(r.totalDollars), fixedDecimal(r.meanCost, 2), whole(r.volume));
    const PlanPoint& a = plan.bandFrom;
    const PlanPoint& b = plan.bandTo;
    if (a.step != b.step) {
        text += ' ';
        text += fmt::format(t::kAtBandEnds, a.step, b.step, miles(a.roadLength), miles(b.roadLength), whole(a.landings),
                            whole(b.landings), dollarText(a.totalDollars), dollarText(b.totalDollars));
    }
    return text;
}

}  // namespace quorvale
