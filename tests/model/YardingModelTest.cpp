#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>

#include "inputs/InputVariables.h"
#include "inputs/NumberText.h"
#include "model/RangeSweep.h"
#include "model/StepCost.h"
#include "model/YardingModel.h"

using namespace quorvale;

namespace {

// The default unit with the multiple corridor correction already halved, as
// the sweep reads it for the Low case.
ModelInputs defaults(CorridorPattern pattern) {
    InMemoryInputs inputs;
    ModelInputs m = readModelInputs(inputs, RangeCase::Low);
    m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
    m.pattern = pattern;
    return m;
}

std::vector<YardingResult> sweep(const ModelInputs& m, int steps) {
    std::vector<YardingResult> out;
    FanCarry carry;
    for (int i = 1; i <= steps; ++i) {
        out.push_back(Evaluate_Step(m, i, carry));
    }
    return out;
}

// Three significant digits, as the reference figures are quoted.
void expectNear3(double actual, double expected) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 5e-3) << "expected about " << expected;
}

bool isTwoDecimal(double x) { return std::fabs(x * 100 - std::nearbyint(x * 100)) < 1e-6; }

}  // namespace

TEST(YardingModel, ParallelDefaultsMatchReferenceFiguresAtStation10) {
    const YardingResult r = sweep(defaults(CorridorPattern::Parallel), 10)[9];
    EXPECT_EQ(r.eyd, 1000);
    expectNear3(r.landingSpacing, 164);
    expectNear3(r.lyd, 82.2);
    expectNear3(r.alyd, 41.1);
    EXPECT_EQ(r.ayd, 500);
    EXPECT_EQ(r.aeyd, 1000);
    EXPECT_EQ(r.corridorsPerLanding, 1);
    expectNear3(r.landingsPerUnit, 15.9);
    EXPECT_EQ(r.corridorsPerUnit, r.landingsPerUnit);
    expectNear3(r.rigTimePerLanding, 5.03);
    expectNear3(r.rigTimeTotal, 80.0);
    expectNear3(r.cycleTime, 7.04);
    expectNear3(r.totalDays, 81.9);
    expectNear3(r.mbfPerDay, 25.6);
    expectNear3(r.tonsPerDay, 160);
    expectNear3(r.loadsPerDay, 6.41);
    EXPECT_NEAR(r.roadDensity, 5.28, 1e-12);
    expectNear3(r.roadCost, 18.7);
    expectNear3(r.loggingCost, 117);
    expectNear3(r.totalCost, 136);
    EXPECT_TRUE(isTwoDecimal(r.loggingCost));
    EXPECT_TRUE(isTwoDecimal(r.totalCost));
    EXPECT_EQ(r.unitVolume, 35 * 60);
}

TEST(YardingModel, ParallelStation1CapsRoadDensityButNotTotalCost) {
    FanCarry carry;
    const ModelInputs m = defaults(CorridorPattern::Parallel);
    const YardingResult capped = Evaluate_Step(m, 1, carry);
    expectNear3(capped.landingSpacing, 497);
    EXPECT_EQ(capped.roadDensity, 20);
    expectNear3(capped.roadCost, 187);
    expectNear3(capped.totalCost, 340);
    const YardingResult raw = evaluateUncapped(m, 1, carry);
    EXPECT_NEAR(raw.roadDensity, 52.8, 1e-9);
    EXPECT_EQ(raw.totalCost, capped.totalCost);
}

TEST(YardingModel, FanShapedStartsFromInitialLayoutAndCarriesCorridors) {
    const ModelInputs m = defaults(CorridorPattern::FanShaped);
    const auto rows = sweep(m, 5);
    const YardingResult& s1 = rows[0];
    expectNear3(s1.landingSpacing, 764);
    expectNear3(s1.ayd, 197);
    expectNear3(s1.aeyd, 300);
    EXPECT_EQ(s1.lyd, 150);
    EXPECT_DOUBLE_EQ(s1.alyd, 50);
    expectNear3(s1.landingsPerUnit, 34.2);
    expectNear3(s1.corridorsPerUnit, 110);
    expectNear3(s1.corridorsPerLanding, 3.21);
    expectNear3(s1.totalCost, 316);

    expectNear3(rows[1].landingSpacing, 641);
    expectNear3(rows[1].totalCost, 208);

    // Skipping step 1 leaves the carry empty-handed: step 2 differs.
    FanCarry fresh{6 * (60 * 43560.0 / 100000), 60 * 43560.0 / 100000};
    const YardingResult skipped = Evaluate_Step(m, 2, fresh);
    EXPECT_NE(skipped.landingSpacing, rows[1].landingSpacing);

    // From station 4 on the spacing formula falls below 500 and is held there.
    EXPECT_EQ(rows[3].landingSpacing, 500);
    EXPECT_EQ(rows[4].landingSpacing, 500);
    EXPECT_DOUBLE_EQ(rows[4].corridorsPerLanding, 5);
}

TEST(YardingModel, ParallelSpacingIsHeldBetween100And500) {
    ModelInputs m = defaults(CorridorPattern::Parallel);
    FanCarry carry;
    m.lateralSpeed = 1e6;  // a huge spacing formula
    EXPECT_EQ(Evaluate_Step(m, 3, carry).landingSpacing, 500);
    m.lateralSpeed = 1e-3;  // a tiny one
    const YardingResult r = Evaluate_Step(m, 3, carry);
    EXPECT_EQ(r.landingSpacing, 100);
    EXPECT_EQ(r.lyd, 50);
}

TEST(YardingModel, CostsAboveTheCapAreExactly400) {
    ModelInputs m = defaults(CorridorPattern::Parallel);
    m.operatorCost = 1e6;
    m.roadCostPerStation = 1e7;
    FanCarry carry;
    const YardingResult r = Evaluate_Step(m, 2, carry);
    EXPECT_EQ(r.totalCost, 400);
    EXPECT_EQ(r.loggingCost, 400);
    EXPECT_EQ(r.roadCost, 400);
    EXPECT_EQ(r.roadDensity, 20);
}

TEST(YardingModel, FanShapedLateralDistancesAreFixed) {
    ModelInputs m = defaults(CorridorPattern::FanShaped);
    m.harvestVolume = 3;
    m.unitSize = 900;
    m.externalSpeed = 2500;
    FanCarry carry;
    for (int i = 1; i <= 12; ++i) {
        const YardingResult r = Evaluate_Step(m, i, carry);
        EXPECT_EQ(r.lyd, 150);
        EXPECT_DOUBLE_EQ(r.alyd, 50);
        EXPECT_GE(r.landingSpacing, 500);
    }
}

namespace {

// The model's rules as written, each formula grouped as its rule groups it.
// The model splits them into a cost part (all a run needs of most samples)
// and its completion; together they must give these figures bit for bit.
YardingResult writtenRules(const ModelInputs& in, int step, FanCarry& carry) {
    const double HV = in.harvestVolume, TV = in.turnVolume, US = in.unitSize, RDF = in.roadDensityFactor;
    const double OC = in.operatorCost, XS = in.externalSpeed, FT = in.fixedTime, LS = in.lateralSpeed;
    const double PD = in.productionDelay, FLT = in.fixedLandingTime, VT = in.variableTime;
    const double FCT = in.fixedCorridorTime, MCC = in.multipleCorridorCorrection, RC = in.roadCostPerStation;
    YardingResult r;
    const double eyd = 100.0 * step;
    r.eyd = eyd;
    if (in.pattern == CorridorPattern::Parallel) {
        double S =
            std::sqrt(((((5227200 * LS) * TV) / (1 + PD)) / HV) * ((1 / VT) + (((FCT - (MCC / 2)) + FLT) / eyd)));
        S = S >= 500 ? 500 : S;
        S = S <= 100 ? 100 : S;
        const double NC = (US * 43560) / (S * eyd);
        const double R = ((((FCT + FLT) * NC) - (MCC * (NC - 1))) / NC) + (eyd / VT);
        r.landingSpacing = S;
        r.lyd = S / 2;
        r.alyd = 0.5 * r.lyd;
        r.ayd = eyd / 2;
        r.aeyd = eyd;
        r.corridorsPerLanding = 1;
        r.landingsPerUnit = r.corridorsPerUnit = NC;
        r.rigTimePerLanding = R;
        r.rigTimeTotal = R * NC;
    } else {
        if (step == 1) {
            carry.landingsPerUnit = (US * 43560) / 100000;
            carry.corridorsPerUnit = 6 * carry.landingsPerUnit;
        }
        const double NCp = carry.corridorsPerUnit, NLp = carry.landingsPerUnit;
        double S =
            std::sqrt((((((5227200 * TV) / (1 + PD)) * ((FCT - (MCC / 2)) + ((FLT / NCp) * NLp))) * XS) / HV) / eyd);
        S = S < 500 ? 500 : S;
        const double k6 = 1.0 / 6, k3 = 1.0 / 3, k23 = 2.0 / 3;
        r.landingSpacing = S;
        r.ayd = (std::sqrt((S / 3) * (S / 3) + (k23 * eyd) * (k23 * eyd)) +
                 std::sqrt((k6 * S) * (k6 * S) + (k3 * eyd) * (k3 * eyd))) /
                2;
        r.aeyd = (std::sqrt(eyd * eyd + (S / 4) * (S / 4)) + std::sqrt((eyd / 2) * (eyd / 2) + (S / 2) * (S / 2))) / 2;
        r.lyd = 150;
        r.alyd = k3 * r.lyd;
        const double NL = (US * 43560) / (S * eyd);
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
    const double D0 = ((5280 / eyd) * RDF) / 100;
    const double roadDollars = (((US * 43560) / (5280 / D0)) / 100) * RC;
    r.roadDensity = (((roadDollars / RC) * 100) / 5280) / (US / 640);
    const double CT = (1 + PD) * ((((2 * r.ayd) / XS) + ((2 * r.alyd) / LS)) + FT);
    r.cycleTime = CT;
    r.totalDays = (((((CT / TV) * US) * HV) / 60) + r.rigTimeTotal) / 8.5;
    const double V = HV * US;
    r.unitVolume = V;
    r.tonsPerDay = (((V * 1000) * 12.5) / 2000) / r.totalDays;
    r.mbfPerDay = V / r.totalDays;
    r.loadsPerDay = r.tonsPerDay / 25;
    r.totalCost =
        roundHalfEven(((((OC / 60) / 8.5) * CT) / TV) + ((((OC / 8.5) * r.rigTimeTotal) + roadDollars) / V), 2);
    r.loggingCost = roundHalfEven(((((OC / 60) / 8.5) * CT) / TV) + (((OC / 8.5) * r.rigTimeTotal) / V), 2);
    r.roadCost = roadDollars / V;
    return r;
}

std::array<std::uint64_t, 21> bits(const YardingResult& r) {
    static_assert(sizeof(YardingResult) == 21 * sizeof(double));
    std::array<std::uint64_t, 21> out;
    std::memcpy(out.data(), &r, sizeof r);
    return out;
}

std::uint64_t bits(double x) { return std::bit_cast<std::uint64_t>(x); }

// Unit after unit of random inputs, each swept over 30 steps with one carry:
// most near the defaults, some with entries from 1e-320 to 1e308.
template <class Check>
void overRandomUnits(Check check) {
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> unit(0, 1);
    for (int n = 0; n < 4000; ++n) {
        ModelInputs m = defaults(n % 2 == 0 ? CorridorPattern::Parallel : CorridorPattern::FanShaped);
        const double wild = n % 4 < 2 ? 0 : 0.3;
        for (double* field :
             {&m.harvestVolume, &m.turnVolume, &m.unitSize, &m.roadDensityFactor, &m.operatorCost, &m.externalSpeed,
              &m.fixedTime, &m.lateralSpeed, &m.productionDelay, &m.fixedLandingTime, &m.variableTime,
              &m.fixedCorridorTime, &m.multipleCorridorCorrection, &m.roadCostPerStation}) {
            *field = unit(random) < wild ? std::pow(10.0, -320 + 628 * unit(random)) : *field * (0.5 + unit(random));
        }
        if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
            m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
        }
        FanCarry costCarry;
        FanCarry writtenCarry;
        for (int step = 1; step <= 30; ++step) {
            check(m, step, costCarry, writtenCarry);
        }
    }
}

}  // namespace

TEST(YardingModel, CostPartAndItsCompletionGiveTheWrittenRulesBitForBit) {
    int compared = 0;
    overRandomUnits([&](const ModelInputs& m, int step, FanCarry& costCarry, FanCarry& writtenCarry) {
        const StepCost cost = evaluateCost(m, step, costCarry);
        const YardingResult written = writtenRules(m, step, writtenCarry);
        ASSERT_EQ(bits(cost.totalCost), bits(written.totalCost)) << "step " << step;
        ASSERT_EQ(bits(costCarry.corridorsPerUnit), bits(writtenCarry.corridorsPerUnit)) << "step " << step;
        ASSERT_EQ(bits(costCarry.landingsPerUnit), bits(writtenCarry.landingsPerUnit)) << "step " << step;
        ASSERT_EQ(bits(completeStep(m, cost)), bits(written)) << "step " << step;
        ++compared;
    });
    EXPECT_EQ(compared, 4000 * 30);
}

TEST(YardingModel, EveryFigureIsFiniteForInputsWithinTheSafeBounds) {
    std::mt19937_64 random(31337);
    std::uniform_real_distribution<double> unit(0, 1);
    // Each input at one of its bounds or anywhere between (by its exponent).
    auto draw = [&] {
        const double u = unit(random);
        if (u < 0.3) {
            return kSafeInputLowest;
        }
        if (u < 0.6) {
            return kSafeInputHighest;
        }
        return std::exp2(std::log2(kSafeInputLowest) + unit(random) * std::log2(kSafeInputHighest / kSafeInputLowest));
    };
    auto inputs = [&](CorridorPattern pattern) {
        ModelInputs m;
        m.pattern = pattern;
        for (double* field :
             {&m.harvestVolume, &m.turnVolume, &m.unitSize, &m.roadDensityFactor, &m.operatorCost, &m.externalSpeed,
              &m.fixedTime, &m.lateralSpeed, &m.productionDelay, &m.fixedLandingTime, &m.variableTime,
              &m.fixedCorridorTime, &m.multipleCorridorCorrection, &m.roadCostPerStation}) {
            *field = draw();
        }
        if (m.multipleCorridorCorrection >= m.fixedCorridorTime) {
            m.multipleCorridorCorrection = m.fixedCorridorTime / 2;
        }
        return m;
    };
    // As in a run, each evaluation draws new inputs and takes the carry the
    // one before it left: the first steps, then the last the bounds allow.
    const int lastStep = static_cast<int>(kSafeEydHighest / 100);
    for (int n = 0; n < 6000; ++n) {
        const CorridorPattern pattern = n % 2 == 0 ? CorridorPattern::Parallel : CorridorPattern::FanShaped;
        FanCarry carry;
        for (int step : {1, 1, 2, 3, 7, 40, 1000, 70000, lastStep / 2, lastStep - 1, lastStep, lastStep}) {
            ASSERT_TRUE(isFinite(evaluateUncapped(inputs(pattern), step, carry))) << "unit " << n << " step " << step;
        }
    }
}
