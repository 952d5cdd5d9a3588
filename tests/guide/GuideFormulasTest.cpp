// The formulas of the user guide, recomputed here apart from the model's
// code (rearranged where the algebra allows), against the model for random
// units: what the guide tells an engineer is what the program computes.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "model/YardingModel.h"

using namespace quorvale;

namespace {

// The figures of one step by the guide's formulas, caps included. The
// carry holds the corridors and landings of the step before (fan-shaped).
YardingResult byTheGuide(const ModelInputs& in, int step, FanCarry& carry) {
    const double HV = in.harvestVolume, TV = in.turnVolume, US = in.unitSize, RDF = in.roadDensityFactor;
    const double OC = in.operatorCost, XS = in.externalSpeed, FT = in.fixedTime, LS = in.lateralSpeed;
    const double PD = in.productionDelay, FLT = in.fixedLandingTime, VT = in.variableTime;
    const double FCT = in.fixedCorridorTime, MCC = in.multipleCorridorCorrection, RC = in.roadCostPerStation;
    const double E = 100.0 * step;
    const double area = US * 43560;
    YardingResult r;
    r.eyd = E;
    double S = 0, NC = 0, NL = 0, RT = 0;
    if (in.pattern == CorridorPattern::Parallel) {
        S = std::sqrt(2 * 60 * 43560 * LS * TV * (1 / VT + (FCT - MCC / 2 + FLT) / E) / ((1 + PD) * HV));
        S = std::clamp(S, 100.0, 500.0);
        NC = area / (S * E);
        NL = NC;
        r.lyd = S / 2;
        r.alyd = S / 4;
        r.ayd = E / 2;
        r.aeyd = E;
        r.corridorsPerLanding = 1;
        RT = (FCT + FLT) * NC - MCC * (NC - 1) + NC * E / VT;
        r.rigTimePerLanding = RT / NC;
    } else {
        if (step == 1) {
            carry.landingsPerUnit = area / 100000;
            carry.corridorsPerUnit = 6 * carry.landingsPerUnit;
        }
        const double sharedLanding = FLT * carry.landingsPerUnit / carry.corridorsPerUnit;
        S = std::max(500.0,
                     std::sqrt(2 * 60 * 43560 * TV * XS * (FCT - MCC / 2 + sharedLanding) / ((1 + PD) * HV * E)));
        r.ayd = (std::sqrt(S * S / 36 + E * E / 9) + std::sqrt(S * S / 9 + 4 * E * E / 9)) / 2;
        r.aeyd = (std::sqrt(E * E / 4 + S * S / 4) + std::sqrt(E * E + S * S / 16)) / 2;
        r.lyd = 150;
        r.alyd = 50;
        NL = area / (S * E);
        r.corridorsPerLanding = (2 * E + S) / 300;
        NC = r.corridorsPerLanding * NL;
        RT = (FCT - MCC * (NC - 1) / NC + r.aeyd / VT) * NC + FLT * NL;
        r.rigTimePerLanding = RT / NL;
        carry = {NC, NL};
    }
    r.landingSpacing = S;
    r.corridorsPerUnit = NC;
    r.landingsPerUnit = NL;
    r.rigTimeTotal = RT;

    const double roadDollars = area * RDF / (100 * E) / 100 * RC;  // road feet, to stations, to dollars
    r.roadDensity = std::min(20.0, 5280 * RDF / (100 * E));
    r.cycleTime = (1 + PD) * (2 * r.ayd / XS + 2 * r.alyd / LS + FT);
    const double V = HV * US;
    r.unitVolume = V;
    r.totalDays = (r.cycleTime * V / (60 * TV) + RT) / 8.5;
    r.mbfPerDay = V / r.totalDays;
    r.tonsPerDay = 6.25 * r.mbfPerDay;
    r.loadsPerDay = r.tonsPerDay / 25;
    const double logging = OC * r.cycleTime / (8.5 * 60 * TV) + OC * RT / (8.5 * V);
    r.loggingCost = std::min(400.0, logging);
    r.roadCost = std::min(400.0, roadDollars / V);
    r.totalCost = std::min(400.0, logging + roadDollars / V);
    return r;
}

double uniform(std::mt19937_64& engine, double low, double high) {
    return std::uniform_real_distribution<double>(low, high)(engine);
}

ModelInputs randomUnit(std::mt19937_64& engine, CorridorPattern pattern) {
    ModelInputs m;
    m.harvestVolume = uniform(engine, 3, 80);
    m.turnVolume = uniform(engine, 0.15, 1.5);
    m.unitSize = uniform(engine, 5, 400);
    m.roadDensityFactor = uniform(engine, 60, 180);
    m.operatorCost = uniform(engine, 1000, 6000);
    m.externalSpeed = uniform(engine, 300, 2000);
    m.fixedTime = uniform(engine, 1, 10);
    m.lateralSpeed = uniform(engine, 30, 400);
    m.productionDelay = uniform(engine, 0.02, 0.5);
    m.fixedLandingTime = uniform(engine, 0.5, 10);
    m.variableTime = uniform(engine, 500, 5000);
    m.fixedCorridorTime = uniform(engine, 0.2, 5);
    m.multipleCorridorCorrection = uniform(engine, 0.01, 0.99) * m.fixedCorridorTime;
    m.roadCostPerStation = uniform(engine, 200, 6000);
    m.pattern = pattern;
    return m;
}

}  // namespace

TEST(GuideFormulas, EveryFigureIsTheGuidesFormulaForRandomUnitsAndBothPatterns) {
    static_assert(sizeof(YardingResult) == 21 * sizeof(double), "a new figure needs its formula in the guide and here");
    constexpr double YardingResult::*kFigures[] = {&YardingResult::eyd,
                                                   &YardingResult::landingSpacing,
                                                   &YardingResult::lyd,
                                                   &YardingResult::alyd,
                                                   &YardingResult::ayd,
                                                   &YardingResult::aeyd,
                                                   &YardingResult::corridorsPerLanding,
                                                   &YardingResult::landingsPerUnit,
                                                   &YardingResult::corridorsPerUnit,
                                                   &YardingResult::rigTimePerLanding,
                                                   &YardingResult::rigTimeTotal,
                                                   &YardingResult::roadDensity,
                                                   &YardingResult::cycleTime,
                                                   &YardingResult::totalDays,
                                                   &YardingResult::unitVolume,
                                                   &YardingResult::mbfPerDay,
                                                   &YardingResult::tonsPerDay,
                                                   &YardingResult::loadsPerDay,
                                                   &YardingResult::loggingCost,
                                                   &YardingResult::roadCost,
                                                   &YardingResult::totalCost};
    std::mt19937_64 engine(2027);
    int compared = 0;
    for (int unit = 0; unit < 300; ++unit) {
        const CorridorPattern pattern = unit % 2 == 0 ? CorridorPattern::Parallel : CorridorPattern::FanShaped;
        const ModelInputs m = randomUnit(engine, pattern);
        FanCarry programCarry, guideCarry;
        for (int step = 1; step <= 40; ++step) {
            const YardingResult got = Evaluate_Step(m, step, programCarry);
            const YardingResult want = byTheGuide(m, step, guideCarry);
            for (size_t f = 0; f < std::size(kFigures); ++f) {
                const double a = got.*kFigures[f];
                const double b = want.*kFigures[f];
                // The two costs the program rounds are held to the cent,
                // every other figure to twelve significant digits.
                const bool rounded = f == 18 || f == 20;
                const double tolerance = rounded && b < 400 ? 0.005 + 1e-9 * b : 1e-12 * std::max(1.0, std::fabs(b));
                ASSERT_NEAR(a, b, tolerance) << "figure " << f << ", unit " << unit << ", step " << step;
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 300 * 40 * 21);
}
