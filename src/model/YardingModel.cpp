#include "model/YardingModel.h"

#include <cmath>

#include "inputs/NumberText.h"

namespace quorvale {
namespace {

constexpr double kSquareFeetPerAcre = 43560;
constexpr double kFeetPerMile = 5280;
constexpr double kHoursPerDay = 8.5;

double square(double x) { return x * x; }

// Layout and rigging with one corridor per landing.
void parallelLayout(const ModelInputs& in, double eyd, YardingResult& r) {
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
    r.landingSpacing = S;
    r.lyd = S / 2;
    r.alyd = 0.5 * r.lyd;
    const double area = S * eyd;
    const double NC = (US * kSquareFeetPerAcre) / area;
    r.ayd = eyd / 2;
    r.aeyd = eyd;
    r.corridorsPerLanding = 1;
    r.corridorsPerUnit = NC;
    r.landingsPerUnit = NC;
    const double R = ((((FCT + FLT) * NC) - (MCC * (NC - 1))) / NC) + (eyd / VT);
    r.rigTimePerLanding = R;
    r.rigTimeTotal = R * NC;
}

// Layout and rigging with several corridors fanning out from each landing.
// The spacing depends on the corridors and landings of the evaluation before.
void fanLayout(const ModelInputs& in, int step, double eyd, FanCarry& carry, YardingResult& r) {
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

    r.landingSpacing = S;
    r.ayd = (Y2 + Y1) / 2;
    r.aeyd = (E2 + E1) / 2;
    r.lyd = 150;
    r.alyd = k3 * r.lyd;
    const double area = S * eyd;
    const double NL = (US * kSquareFeetPerAcre) / area;
    const double NC = (((2 * eyd) + S) / (2 * r.lyd)) * NL;
    r.landingsPerUnit = NL;
    r.corridorsPerUnit = NC;
    r.corridorsPerLanding = NC / NL;
    const double rig = (((FCT * NC) - (MCC * (NC - 1))) / NC) + (r.aeyd / VT);
    r.rigTimeTotal = (rig * NC) + (FLT * NL);
    r.rigTimePerLanding = r.rigTimeTotal / NL;

    carry.corridorsPerUnit = NC;
    carry.landingsPerUnit = NL;
}

}  // namespace

YardingResult evaluateUncapped(const ModelInputs& in, int step, FanCarry& carry) {
    YardingResult r;
    const double eyd = 100.0 * step;
    r.eyd = eyd;
    if (in.pattern == CorridorPattern::Parallel) {
        parallelLayout(in, eyd, r);
    } else {
        fanLayout(in, step, eyd, carry, r);
    }

    const double HV = in.harvestVolume, TV = in.turnVolume, US = in.unitSize;
    const double RDF = in.roadDensityFactor, RC = in.roadCostPerStation, OC = in.operatorCost;
    const double PD = in.productionDelay, XS = in.externalSpeed, LS = in.lateralSpeed;
    const double FT = in.fixedTime;

    // Roads EYD feet apart, scaled by the road density factor.
    const double D0 = ((kFeetPerMile / eyd) * RDF) / 100;
    const double roadDollars = (((US * kSquareFeetPerAcre) / (kFeetPerMile / D0)) / 100) * RC;
    r.roadDensity = (((roadDollars / RC) * 100) / kFeetPerMile) / (US / 640);

    const double CT = (1 + PD) * ((((2 * r.ayd) / XS) + ((2 * r.alyd) / LS)) + FT);
    const double RT = r.rigTimeTotal;
    r.cycleTime = CT;
    r.totalDays = (((((CT / TV) * US) * HV) / 60) + RT) / kHoursPerDay;
    const double V = HV * US;
    r.unitVolume = V;
    r.tonsPerDay = (((V * 1000) * 12.5) / 2000) / r.totalDays;
    r.mbfPerDay = V / r.totalDays;
    r.loadsPerDay = r.tonsPerDay / 25;
    r.totalCost =
        roundHalfEven(((((OC / 60) / kHoursPerDay) * CT) / TV) + ((((OC / kHoursPerDay) * RT) + roadDollars) / V), 2);
    r.loggingCost = roundHalfEven(((((OC / 60) / kHoursPerDay) * CT) / TV) + (((OC / kHoursPerDay) * RT) / V), 2);
    r.roadCost = roadDollars / V;
    return r;
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
