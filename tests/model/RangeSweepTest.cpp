#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "inputs/InputVariables.h"
#include "model/RangeSweep.h"

using namespace quorvale;

namespace {

struct Recorder final : SweepSink {
    std::vector<int> prepared;
    std::vector<std::pair<int, YardingResult>> rows;
    void prepare(int steps) override { prepared.push_back(steps); }
    void writeStep(int step, const YardingResult& r) override { rows.emplace_back(step, r); }
};

GraphMarks lowMarks() {
    GraphMarks m;
    m.low = true;
    return m;
}

GraphMarks averageMarks() { return {}; }

GraphMarks highMarks() {
    GraphMarks m;
    m.high = true;
    return m;
}

// Counts how often the sweep asks for the corridor pattern.
class CountingInputs final : public InputVariables {
public:
    std::string entryText(int i) override { return inner.entryText(i); }
    void setEntryText(int i, const std::string& t) override { inner.setEntryText(i, t); }
    int spinValue(int i) override { return inner.spinValue(i); }
    CorridorPattern pattern() override {
        ++reads;
        return inner.pattern();
    }
    const ValueRule& valueRule() override { return inner.valueRule(); }

    InMemoryInputs inner;
    int reads = 0;
};

}  // namespace

TEST(RangeSweep, DefaultEydGivesThirtyStepsInStations) {
    InMemoryInputs inputs;
    Recorder rec;
    const SweepOutcome out = graph_itmain(inputs, lowMarks(), rec);
    EXPECT_EQ(out.steps, 30);
    ASSERT_EQ(rec.prepared, std::vector<int>{30});
    ASSERT_EQ(rec.rows.size(), 30u);
    for (int i = 0; i < 30; ++i) {
        EXPECT_EQ(rec.rows[static_cast<size_t>(i)].first, i + 1);
        EXPECT_EQ(rec.rows[static_cast<size_t>(i)].second.eyd, 100.0 * (i + 1));
    }
    EXPECT_FALSE(out.failedStep);
}

TEST(RangeSweep, StepCountDropsFractionalStations) {
    EXPECT_EQ(stepCount(3050), 30);
    EXPECT_EQ(stepCount(3099.99), 30);
    EXPECT_EQ(stepCount(50), 0);
    EXPECT_EQ(stepCount(-100), 0);
    EXPECT_EQ(stepCount(std::nan("")), 0);
    EXPECT_EQ(stepCount(1e302), kMaxSteps);

    InMemoryInputs inputs;
    inputs.setEntryText(lowEntry(ExternalYardingDistance), "30");
    inputs.setEntryText(highEntry(ExternalYardingDistance), "31");
    Recorder rec;
    SweepOutcome out = graph_itmain(inputs, averageMarks(), rec);
    EXPECT_EQ(out.inputs.maxEyd, 3050);
    EXPECT_EQ(out.steps, 30);

    inputs.setEntryText(lowEntry(ExternalYardingDistance), "0.5");
    Recorder none;
    out = graph_itmain(inputs, lowMarks(), none);
    EXPECT_EQ(out.steps, 0);
    EXPECT_EQ(none.prepared, std::vector<int>{0});
    EXPECT_TRUE(none.rows.empty());
}

TEST(RangeSweep, CorrectionIsWrittenBackForLowAndHighOnly) {
    {
        InMemoryInputs inputs;
        Recorder rec;
        const SweepOutcome out = graph_itmain(inputs, lowMarks(), rec);
        EXPECT_EQ(out.inputs.multipleCorridorCorrection, 0.5);
        EXPECT_EQ(inputs.entryText(26), "0.5");
        EXPECT_EQ(inputs.entryText(27), "1");
    }
    {
        InMemoryInputs inputs;
        Recorder rec;
        graph_itmain(inputs, highMarks(), rec);
        EXPECT_EQ(inputs.entryText(26), "1");
        EXPECT_EQ(inputs.entryText(27), "0.5");
    }
    {
        InMemoryInputs inputs;
        Recorder rec;
        const SweepOutcome out = graph_itmain(inputs, averageMarks(), rec);
        EXPECT_EQ(out.inputs.multipleCorridorCorrection, 0.5);
        EXPECT_EQ(inputs.entryText(26), "1");
        EXPECT_EQ(inputs.entryText(27), "1");
    }
    {
        // Below the fixed corridor time: nothing changes.
        InMemoryInputs inputs;
        inputs.setEntryText(24, "3");
        inputs.setEntryText(26, "2");
        Recorder rec;
        const SweepOutcome out = graph_itmain(inputs, lowMarks(), rec);
        EXPECT_EQ(out.inputs.multipleCorridorCorrection, 2);
        EXPECT_EQ(inputs.entryText(26), "2");
    }
    {
        // The half is written in the entries' own locale.
        InMemoryInputs inputs(NumberLocale::german());
        inputs.setEntryText(24, "2,5");
        inputs.setEntryText(26, "3");
        Recorder rec;
        graph_itmain(inputs, lowMarks(), rec);
        EXPECT_EQ(inputs.entryText(26), "1,25");
    }
}

TEST(RangeSweep, RangeCaseFollowsTheMarks) {
    GraphMarks both;
    both.low = both.high = true;
    EXPECT_EQ(rangeCaseOf(both), RangeCase::Low);
    EXPECT_EQ(rangeCaseOf(highMarks()), RangeCase::High);
    GraphMarks avgOnly;
    avgOnly.average = true;
    EXPECT_EQ(rangeCaseOf(avgOnly), RangeCase::Average);
    EXPECT_EQ(rangeCaseOf(GraphMarks{}), RangeCase::Average);
}

TEST(RangeSweep, ReadsEachCaseWithUnitConversions) {
    InMemoryInputs inputs;
    inputs.setEntryText(lowEntry(TurnVolume), "300");
    inputs.setEntryText(highEntry(TurnVolume), "500");
    inputs.setEntryText(lowEntry(ProductionDelay), "10");
    inputs.setEntryText(highEntry(ProductionDelay), "20");
    inputs.setEntryText(lowEntry(HarvestVolume), "20");
    inputs.setEntryText(highEntry(HarvestVolume), "50");
    const ModelInputs low = readModelInputs(inputs, RangeCase::Low);
    const ModelInputs high = readModelInputs(inputs, RangeCase::High);
    const ModelInputs avg = readModelInputs(inputs, RangeCase::Average);
    EXPECT_EQ(low.turnVolume, 0.3);
    EXPECT_EQ(high.turnVolume, 0.5);
    EXPECT_EQ(avg.turnVolume, 800.0 / 2000);
    EXPECT_EQ(low.productionDelay, 0.1);
    EXPECT_EQ(avg.productionDelay, 30.0 / 200);
    EXPECT_EQ(avg.harvestVolume, 35);
    EXPECT_EQ(low.maxEyd, 3000);
}

TEST(RangeSweep, RepairsBadEntriesBeforeReading) {
    InMemoryInputs inputs;
    inputs.setEntryText(0, "abc");
    inputs.setEntryText(4, "-3");
    Recorder rec;
    const SweepOutcome out = graph_itmain(inputs, lowMarks(), rec);
    EXPECT_EQ(inputs.entryText(0), "35");
    EXPECT_EQ(out.inputs.harvestVolume, 35);
    EXPECT_EQ(out.inputs.unitSize, 60);
}

TEST(RangeSweep, PatternIsReadAtEveryStepAndSwitchingChangesOnlyTheNextCall) {
    CountingInputs inputs;
    Recorder parallel;
    graph_itmain(inputs, lowMarks(), parallel);
    EXPECT_GE(inputs.reads, 30);
    EXPECT_EQ(parallel.rows[4].second.corridorsPerLanding, 1);

    inputs.inner.setPattern(CorridorPattern::FanShaped);
    Recorder fan;
    graph_itmain(inputs, lowMarks(), fan);
    EXPECT_DOUBLE_EQ(fan.rows[4].second.corridorsPerLanding, 5);
    EXPECT_EQ(fan.rows[4].second.lyd, 150);
    // The earlier call's rows are what they were.
    EXPECT_EQ(parallel.rows[4].second.corridorsPerLanding, 1);
}

TEST(RangeSweep, NonFiniteStepStopsTheSweepAndKeepsEarlierRows) {
    InMemoryInputs inputs;
    // A huge EYD makes the spacing formula of later steps overflow nothing,
    // but a vanishing harvest volume overflows the spacing at once.
    inputs.setEntryText(lowEntry(HarvestVolume), "1e-305");
    Recorder rec;
    SweepOutcome out = graph_itmain(inputs, lowMarks(), rec);
    ASSERT_TRUE(out.failedStep);
    EXPECT_EQ(*out.failedStep, 1);
    EXPECT_TRUE(rec.rows.empty());

    InMemoryInputs huge;
    huge.setEntryText(lowEntry(OperatorCost), "1e308");
    huge.setEntryText(lowEntry(LifeCycleRoadCost), "1e308");
    Recorder rows;
    out = graph_itmain(huge, lowMarks(), rows);
    ASSERT_TRUE(out.failedStep);
    EXPECT_EQ(static_cast<int>(rows.rows.size()), *out.failedStep - 1);
    for (const auto& [step, r] : rows.rows) {
        EXPECT_TRUE(isFinite(r)) << step;
    }
}

TEST(RangeSweep, AbsurdEydIsLimitedNotHung) {
    InMemoryInputs inputs;
    inputs.setEntryText(lowEntry(ExternalYardingDistance), "1e300");
    Recorder rec;
    const SweepOutcome out = graph_itmain(inputs, lowMarks(), rec);
    EXPECT_EQ(out.steps, kMaxSteps);
    EXPECT_EQ(rec.rows.size(), static_cast<size_t>(kMaxSteps));
}
