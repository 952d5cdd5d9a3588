#include "model/YardingModel.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "inputs/NumberText.h"

namespace quorvale {
namespace {

constexpr double kSquareFeetPerAcre = 43560;
constexpr double kFeetPerMile = 5280;
constexpr double kHoursPerDay = 8.5;

double square(double x) { return x * x; }

// Layout and rigging with one corridor per landing.
void parallelLayout(const ModelInputs& in, double eyd, StepCost& c) {
    const double HV = in.harvestVolume, TV = in.turnVolume, US = in.unitSize;
    const double LS = in.lateralSpeed, PD = in.productionDelay, VT = in.variableTime;
    const double FCT = in.fixedCorridorTime, MCC = in.multipleCorridorCorrection;
    const double FLT = in.fixedLandingTime;

    double S = std::sqrt(((((5227200 * LS) * TV) / (1 + PD)) / HV) * ((1 / VT) + (((FCT - (MCC / 2)) + FLT) / eyd)));
    if (S >= 500) {
        S = 500;
    }
    if (S <= 100) {
        S = 100;
    }
    c.landingSpacing = S;
    c.lyd = S / 2;
    c.alyd = 0.5 * c.lyd;
    const double area = S * eyd;
    const double NC = (US * kSquareFeetPerAcre) / area;
    c.ayd = eyd / 2;
    c.aeyd = eyd;
    c.corridorsPerUnit = NC;
    c.landingsPerUnit = NC;
    const double R = ((((FCT + FLT) * NC) - (MCC * (NC - 1))) / NC) + (eyd / VT);
    c.rigTimePerLanding = R;
    c.rigTimeTotal = R * NC;
}

// Layout and rigging with several corridors fanning out from each landing.
// The spacing depends on the corridors and landings of the evaluation before.
void fanLayout(const ModelInputs& in, int step, double eyd, FanCarry& carry, StepCost& c) {
    const double HV = in.harvestVolume, TV = in.turnVolume, US = in.unitSize;
    const double XS = in.externalSpeed, PD = in.productionDelay, VT = in.variableTime;
    const double FCT = in.fixedCorridorTime, MCC = in.multipleCorridorCorrection;
    const double FLT = in.fixedLandingTime;

    if (step == 1) {
        // A new unit starts with one landing per 100000 square feet and six
        // corridors per landing.
        carry.landingsPerUnit = (US * kSquareFeetPerAcre) / 100000;
        carry.corridorsPerUnit = 6 * carry.landingsPerUnit;
    }
    const double NCp = carry.corridorsPerUnit;
    const double NLp = carry.landingsPerUnit;

    double S = std::sqrt((((((5227200 * TV) / (1 + PD)) * ((FCT - (MCC / 2)) + ((FLT / NCp) * NLp))) * XS) / HV) / eyd);
    if (S < 500) {
        S = 500;
    }
    const double k6 = 1.0 / 6;
    const double k3 = 1.0 / 3;
    const double k23 = 2.0 / 3;
    const double Y1 = std::sqrt(square(k6 * S) + square(k3 * eyd));
    const double Y2 = std::sqrt(square(S / 3) + square(k23 * eyd));
    const double E1 = std::sqrt(square(eyd / 2) + square(S / 2));
    const double E2 = std::sqrt(square(eyd) + square(S / 4));

    c.landingSpacing = S;
    c.ayd = (Y2 + Y1) / 2;
    c.aeyd = (E2 + E1) / 2;
    c.lyd = 150;
    c.alyd = k3 * c.lyd;
    const double area = S * eyd;
    const double NL = (US * kSquareFeetPerAcre) / area;
    const double NC = (((2 * eyd) + S) / (2 * c.lyd)) * NL;
    c.landingsPerUnit = NL;
    c.corridorsPerUnit = NC;
    const double rig = (((FCT * NC) - (MCC * (NC - 1))) / NC) + (c.aeyd / VT);
    c.rigTimeTotal = (rig * NC) + (FLT * NL);

    carry.corridorsPerUnit = NC;
    carry.landingsPerUnit = NL;
}

// Every figure of the whole step is a finite number when each of these lies
// between 2^-200 and 2^200 (and the total cost is finite): every other figure
// is a product or quotient of at most four of them and a few constants, so
// it stays below 2^810, and every divisor stays above 2^-210. The test reads
// the exponent bits; a negative number, a zero, a subnormal, an infinity or a
// NaN falls outside.
bool withinSafeRange(const ModelInputs& in, const StepCost& c) {
    constexpr std::uint64_t kBias = 1023;
    constexpr std::uint64_t kLowest = kBias - 200;
    constexpr std::uint64_t kSpan = 400;
    const double rig = in.pattern == CorridorPattern::Parallel ? c.rigTimePerLanding : c.rigTimeTotal;
    const double checked[] = {in.harvestVolume,      in.turnVolume,      in.unitSize, in.operatorCost,
                              in.roadCostPerStation, c.landingSpacing,   c.ayd,       c.aeyd,
                              c.landingsPerUnit,     c.corridorsPerUnit, rig,         c.rigTimeTotal,
                              c.roadDollars,         c.cycleTime,        c.unitVolume};
    bool inside = true;
    for (double x : checked) {
        std::uint64_t bits;
        std::memcpy(&bits, &x, sizeof bits);
        inside &= (bits >> 52) - kLowest < kSpan;
    }
    return inside;
}

}  // namespace

StepCost evaluateCost(const ModelInputs& in, int step, FanCarry& carry) {
    StepCost c;
    const double eyd = 100.0 * step;
    c.eyd = eyd;
    if (in.pattern == CorridorPattern::Parallel) {
        parallelLayout(in, eyd, c);
    } else {
        fanLayout(in, step, eyd, carry, c);
    }

    const double US = in.unitSize, RDF = in.roadDensityFactor, RC = in.roadCostPerStation;
    const double OC = in.operatorCost, TV = in.turnVolume, PD = in.productionDelay;
    const double XS = in.externalSpeed, LS = in.lateralSpeed, FT = in.fixedTime;

    // Roads EYD feet apart, scaled by the road density factor.
    const double D0 = ((kFeetPerMile / eyd) * RDF) / 100;
    c.roadDollars = (((US * kSquareFeetPerAcre) / (kFeetPerMile / D0)) / 100) * RC;

    const double CT = (1 + PD) * ((((2 * c.ayd) / XS) + ((2 * c.alyd) / LS)) + FT);
    const double RT = c.rigTimeTotal;
    c.cycleTime = CT;
    const double V = in.harvestVolume * US;
    c.unitVolume = V;
    c.totalCost =
        roundHalfEven(((((OC / 60) / kHoursPerDay) * CT) / TV) + ((((OC / kHoursPerDay) * RT) + c.roadDollars) / V), 2);
    return c;
}

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

bool completesFinite(const ModelInputs& in, const StepCost& cost) {
    if (std::isfinite(cost.totalCost) && withinSafeRange(in, cost)) [[likely]] {
        return true;
    }
    return isFinite(completeStep(in, cost));
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
