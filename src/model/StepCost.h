#pragma once
// The part of the yarding cost model that a step's total cost rests on,
// inline, for the Monte Carlo run, which needs nothing else of most samples.
// The whole model (YardingModel.cpp) is this part followed by the step's
// other figures, so both give the same numbers bit for bit.

#include <cmath>
#include <cstdint>
#include <cstring>

#include "inputs/NumberText.h"
#include "model/YardingModel.h"

namespace quorvale {

// What the total cost of a step rests on, worked out as the whole model works
// it out: the layout, the rigging time, the road cost of the unit (dollars),
// the cycle time, the volume and the total cost ($/mbf, two decimals, not
// capped). A run that needs only the total cost of most steps stops here and
// completes a step when it wants its other figures.
struct StepCost {
    double eyd = 0;
    double landingSpacing = 0;
    double lyd = 0;
    double alyd = 0;
    double ayd = 0;
    double aeyd = 0;
    double landingsPerUnit = 0;
    double corridorsPerUnit = 0;
    double rigTimePerLanding = 0;  // parallel corridors; fan-shaped: worked out by completeStep
    double rigTimeTotal = 0;
    double roadDollars = 0;
    double cycleTime = 0;
    double unitVolume = 0;
    double totalCost = 0;
};

namespace detail {

inline constexpr double kSquareFeetPerAcre = 43560;
inline constexpr double kFeetPerMile = 5280;
inline constexpr double kHoursPerDay = 8.5;

inline double square(double x) { return x * x; }

// Layout and rigging with one corridor per landing.
inline void parallelLayout(const ModelInputs& in, double eyd, StepCost& c) {
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
inline void fanLayout(const ModelInputs& in, int step, double eyd, FanCarry& carry, StepCost& c) {
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
inline bool withinSafeRange(const ModelInputs& in, const StepCost& c) {
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

}  // namespace detail

// The part of evaluateUncapped the total cost rests on; it reads and writes
// the fan-shaped carry exactly as evaluateUncapped does.
inline StepCost evaluateCost(const ModelInputs& in, int step, FanCarry& carry) {
    StepCost c;
    const double eyd = 100.0 * step;
    c.eyd = eyd;
    if (in.pattern == CorridorPattern::Parallel) {
        detail::parallelLayout(in, eyd, c);
    } else {
        detail::fanLayout(in, step, eyd, carry, c);
    }

    const double US = in.unitSize, RDF = in.roadDensityFactor, RC = in.roadCostPerStation;
    const double OC = in.operatorCost, TV = in.turnVolume, PD = in.productionDelay;
    const double XS = in.externalSpeed, LS = in.lateralSpeed, FT = in.fixedTime;

    // Roads EYD feet apart, scaled by the road density factor.
    const double D0 = ((detail::kFeetPerMile / eyd) * RDF) / 100;
    c.roadDollars = (((US * detail::kSquareFeetPerAcre) / (detail::kFeetPerMile / D0)) / 100) * RC;

    const double CT = (1 + PD) * ((((2 * c.ayd) / XS) + ((2 * c.alyd) / LS)) + FT);
    const double RT = c.rigTimeTotal;
    c.cycleTime = CT;
    const double V = in.harvestVolume * US;
    c.unitVolume = V;
    c.totalCost = roundHalfEven(
        ((((OC / 60) / detail::kHoursPerDay) * CT) / TV) + ((((OC / detail::kHoursPerDay) * RT) + c.roadDollars) / V),
        2);
    return c;
}

// The step's other figures from its cost part and the same inputs:
// completeStep(in, evaluateCost(in, step, carry)) is evaluateUncapped.
YardingResult completeStep(const ModelInputs& in, const StepCost& cost);

// isFinite(completeStep(in, cost)), mostly without completing the step.
inline bool completesFinite(const ModelInputs& in, const StepCost& cost) {
    if (std::isfinite(cost.totalCost) && detail::withinSafeRange(in, cost)) [[likely]] {
        return true;
    }
    return isFinite(completeStep(in, cost));
}

}  // namespace quorvale
