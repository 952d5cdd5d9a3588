#include "model/YardingModel.h"

#include <cmath>

#include "inputs/NumberText.h"
#include "model/StepCost.h"

namespace quorvale {

using detail::kFeetPerMile;
using detail::kHoursPerDay;

YardingResult completeStep(const ModelInputs& in, const StepCost& c) {
    YardingResult r;
    r.eyd = c.eyd;
    r.landingSpacing = c.landingSpacing;
    r.lyd = c.lyd;
    r.alyd = c.alyd;
    r.ayd = c.ayd;
    r.aeyd = c.aeyd;
    r.landingsPerUnit = c.landingsPerUnit;
    r.corridorsPerUnit = c.corridorsPerUnit;
    r.rigTimeTotal = c.rigTimeTotal;
    if (in.pattern == CorridorPattern::Parallel) {
        r.corridorsPerLanding = 1;
        r.rigTimePerLanding = c.rigTimePerLanding;
    } else {
        r.corridorsPerLanding = c.corridorsPerUnit / c.landingsPerUnit;
        r.rigTimePerLanding = c.rigTimeTotal / c.landingsPerUnit;
    }

    const double HV = in.harvestVolume, TV = in.turnVolume, US = in.unitSize;
    const double RC = in.roadCostPerStation, OC = in.operatorCost;
    const double CT = c.cycleTime, RT = c.rigTimeTotal, V = c.unitVolume;

    r.roadDensity = (((c.roadDollars / RC) * 100) / kFeetPerMile) / (US / 640);
    r.cycleTime = CT;
    r.totalDays = (((((CT / TV) * US) * HV) / 60) + RT) / kHoursPerDay;
    r.unitVolume = V;
    r.tonsPerDay = (((V * 1000) * 12.5) / 2000) / r.totalDays;
    r.mbfPerDay = V / r.totalDays;
    r.loadsPerDay = r.tonsPerDay / 25;
    r.totalCost = c.totalCost;
    r.loggingCost = roundHalfEven(((((OC / 60) / kHoursPerDay) * CT) / TV) + (((OC / kHoursPerDay) * RT) / V), 2);
    r.roadCost = c.roadDollars / V;
    return r;
}

YardingResult evaluateUncapped(const ModelInputs& in, int step, FanCarry& carry) {
    return completeStep(in, evaluateCost(in, step, carry));
}

void applyCaps(YardingResult& r) {
    if (r.roadCost > kCostCap) {
        r.roadCost = kCostCap;
    }
    if (r.totalCost > kCostCap) {
        r.totalCost = kCostCap;
    }
    if (r.loggingCost > kCostCap) {
        r.loggingCost = kCostCap;
    }
    if (r.roadDensity > kDensityCap) {
        r.roadDensity = kDensityCap;
    }
}

YardingResult Evaluate_Step(const ModelInputs& in, int step, FanCarry& carry) {
    YardingResult r = evaluateUncapped(in, step, carry);
    applyCaps(r);
    return r;
}

bool isFinite(const YardingResult& r) {
    const double fields[] = {r.eyd,
                             r.landingSpacing,
                             r.lyd,
                             r.alyd,
                             r.ayd,
                             r.aeyd,
                             r.corridorsPerLanding,
                             r.landingsPerUnit,
                             r.corridorsPerUnit,
                             r.rigTimePerLanding,
                             r.rigTimeTotal,
                             r.roadDensity,
                             r.cycleTime,
                             r.totalDays,
                             r.unitVolume,
                             r.mbfPerDay,
                             r.tonsPerDay,
                             r.loadsPerDay,
                             r.loggingCost,
                             r.roadCost,
                             r.totalCost};
    for (double f : fields) {
        if (!std::isfinite(f)) {
            return false;
        }
    }
    return true;
}

}  // namespace quorvale
