#pragma once
// The part of the yarding cost model that a step's total cost rests on,
// inline, for the Monte Carlo run, which needs nothing else of most samples.
// The whole model (YardingModel.cpp) is this part followed by the step's
// other figures, so both give the same numbers bit for bit.

#include <cmath>

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
[[gnu::always_inline]] inline void parallelLayout(const ModelInputs& in, double eyd, StepCost& c) {
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
[[gnu::always_inline]] inline void fanLayout(const ModelInputs& in, int step, double eyd, FanCarry& carry,
                                             StepCost& c) {
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

}  // namespace detail

// The part of evaluateUncapped the total cost rests on; it reads and writes
// the fan-shaped carry exactly as evaluateUncapped does.
[[gnu::always_inline]] inline StepCost evaluateCost(const ModelInputs& in, int step, FanCarry& carry) {
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

// Inputs that keep every figure finite. When every input of a step (in
// model units, after the correction rule) lies between kSafeInputLowest and
// kSafeInputHighest and its EYD is at most kSafeEydHighest feet, each of its
// figures is a finite number, for both patterns, after any carry that such
// steps leave. In outline, with b = 2^25: a parallel spacing is held to 100 to
// 500 feet; a fan-shaped carry has fewer than half as many landings as
// corridors, so the spacing stays below 2^59 feet and the corridors and
// landings between 2^-99 and 2^77; every rigging time stays above EYD / VT
// (at least 2^-20 hours), so the days and every divisor stay positive; and no
// figure then exceeds 2^270. A run whose ranges keep within these bounds
// needs no test of its samples' figures.
inline constexpr double kSafeInputLowest = 0x1p-25;
inline constexpr double kSafeInputHighest = 0x1p25;
inline constexpr double kSafeEydHighest = 0x1p31;

}  // namespace quorvale
