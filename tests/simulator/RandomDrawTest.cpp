#include <gtest/gtest.h>

#include <set>

#include "inputs/InputVariables.h"
#include "simulator/RandomSource.h"
#include "simulator/RunInputs.h"

using namespace quorvale;

TEST(RandomSource, UnitNumbersAreTheTop24BitsAndNeverOne) {
    RandomSource a(2024);
    RandomSource b(2024);
    double sum = 0;
    constexpr int kDraws = 200000;
    for (int i = 0; i < kDraws; ++i) {
        const std::uint64_t bits = a.next();
        const float r = b.nextUnit();
        EXPECT_EQ(r, static_cast<float>(bits >> 40) / 16777216.0f);
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        sum += r;
    }
    EXPECT_NEAR(sum / kDraws, 0.5, 0.005);
    // The all-ones top bits map to the largest float below 1.
    EXPECT_LT(static_cast<float>(0xFFFFFFULL) * 0x1p-24f, 1.0f);
}

TEST(RandomSource, SeedFixesTheSequenceAndDrawsDoNotRepeat) {
    RandomSource a(7), b(7), c(8);
    std::set<float> within;
    bool differs = false;
    for (int i = 0; i < 14; ++i) {
        const float ra = a.nextUnit();
        EXPECT_EQ(ra, b.nextUnit());
        differs = differs || ra != c.nextUnit();
        within.insert(ra);
    }
    EXPECT_TRUE(differs);
    // The fourteen draws of one sample are not one number repeated.
    EXPECT_GT(within.size(), 10u);
}

TEST(RunInputs, DrawRuleStaysInsideTheIntervalEitherWayRound) {
    EXPECT_EQ(RunInputs::drawValue({4, 4}, 0.73f), 4);
    EXPECT_EQ(RunInputs::drawValue({2, 6}, 0.0f), 2);
    EXPECT_EQ(RunInputs::drawValue({2, 6}, 0.5f), 4);
    EXPECT_EQ(RunInputs::drawValue({6, 2}, 0.25f), 5);  // Low above High reverses
    // A draw that is not above 0 falls back to the Low value.
    EXPECT_EQ(RunInputs::drawValue({2, -2}, 0.5f), 2);
    EXPECT_EQ(RunInputs::drawValue({1, -3}, 0.5f), 1);  // |1 - 2| = 1 as well
    EXPECT_EQ(RunInputs::drawValue({1, -9}, 0.5f), 4);  // |1 - 5|
}

TEST(RunInputs, ReadsModelUnitsAndDrawsInTheFixedOrder) {
    InMemoryInputs inputs;
    inputs.setEntryText(lowEntry(TurnVolume), "300");
    inputs.setEntryText(highEntry(TurnVolume), "500");
    inputs.setEntryText(lowEntry(ProductionDelay), "10");
    inputs.setEntryText(highEntry(ProductionDelay), "20");
    inputs.setEntryText(lowEntry(ExternalYardingDistance), "12");
    inputs.setEntryText(highEntry(ExternalYardingDistance), "30.9");
    inputs.setEntryText(highEntry(VariableTime), "3000");
    inputs.setEntryText(highEntry(FixedLandingTime), "8");
    inputs.setEntryText(highEntry(LifeCycleRoadCost), "2500");
    const RunInputs ranges(inputs);
    EXPECT_EQ(ranges.lowEydFeet(), 1200);
    EXPECT_EQ(ranges.highEydFeet(), 3090);
    EXPECT_EQ(ranges.range(1).low, 0.3);
    EXPECT_EQ(ranges.range(1).high, 0.5);
    EXPECT_EQ(ranges.range(8).low, 0.1);
    EXPECT_EQ(ranges.range(8).high, 0.2);

    // Draw i takes the generator's i-th number: variable time is the 10th,
    // fixed landing time the 13th, road cost the 14th.
    RandomSource random(99), replay(99);
    float r[RunInputs::kDrawnCount];
    for (float& x : r) {
        x = replay.nextUnit();
    }
    ModelInputs m;
    ranges.draw(random, m);
    EXPECT_EQ(m.harvestVolume, 35);
    EXPECT_EQ(m.turnVolume, RunInputs::drawValue({0.3, 0.5}, r[1]));
    EXPECT_EQ(m.productionDelay, RunInputs::drawValue({0.1, 0.2}, r[8]));
    EXPECT_EQ(m.variableTime, RunInputs::drawValue({2000, 3000}, r[9]));
    EXPECT_EQ(m.fixedLandingTime, RunInputs::drawValue({4, 8}, r[12]));
    EXPECT_EQ(m.roadCostPerStation, RunInputs::drawValue({1500, 2500}, r[13]));
    // The defaults have the correction time equal to the corridor time.
    EXPECT_EQ(m.fixedCorridorTime, 1);
    EXPECT_EQ(m.multipleCorridorCorrection, 0.5);
}

TEST(RunInputs, CorrectionAppliesPerSampleOnly) {
    InMemoryInputs inputs;
    inputs.setEntryText(lowEntry(FixedCorridorTime), "1");
    inputs.setEntryText(highEntry(FixedCorridorTime), "3");
    inputs.setEntryText(lowEntry(MultipleCorridorCorrection), "2");
    inputs.setEntryText(highEntry(MultipleCorridorCorrection), "2");
    const RunInputs ranges(inputs);
    RandomSource random(5);
    int corrected = 0;
    int kept = 0;
    for (int i = 0; i < 1000; ++i) {
        ModelInputs m;
        ranges.draw(random, m);
        if (m.fixedCorridorTime <= 2) {
            EXPECT_EQ(m.multipleCorridorCorrection, m.fixedCorridorTime / 2);
            ++corrected;
        } else {
            EXPECT_EQ(m.multipleCorridorCorrection, 2);
            ++kept;
        }
    }
    EXPECT_GT(corrected, 300);
    EXPECT_GT(kept, 300);
    EXPECT_EQ(inputs.entryText(lowEntry(MultipleCorridorCorrection)), "2");  // nothing written back
}
