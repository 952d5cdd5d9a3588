#include <gtest/gtest.h>

#include <cmath>

#include "inputs/InputVariables.h"
#include "model/RangeSweep.h"
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
