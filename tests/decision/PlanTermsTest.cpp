// The plan terms of a decision analysis: the layout of the average scenario
// at the recommended EYD and the band's ends, and the unit's dollars.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "decision/DecisionAnalysis.h"
#include "decision/PlanTerms.h"
#include "model/RangeSweep.h"
#include "simulator/RunTestInputs.h"

using namespace quorvale;

namespace {

struct Collect final : SweepSink {
    std::vector<YardingResult> steps;
    void prepare(int) override {}
    void writeStep(int, const YardingResult& r) override { steps.push_back(r); }
};

}  // namespace

// A fan-shaped unit with its road density factor at half the normal: the
// roads lie twice the EYD apart, the road length is the unit's area over
// that, the landings and corridors are the static Average sweep's (which
// carries the fan-shaped layout from the first station), and the dollars are
// the mean cost times the average volume.
TEST(PlanTerms, AreTheAverageScenariosLayoutAndTheMeanCostTimesTheVolume) {
    InMemoryInputs inputs = test::spreadInputs(0.2, "18", CorridorPattern::FanShaped);
    inputs.setEntryText(lowEntry(RoadDensityFactor), "40");
    inputs.setEntryText(highEntry(RoadDensityFactor), "60");
    inputs.setEntryText(lowEntry(HarvestVolume), "20");
    inputs.setEntryText(highEntry(HarvestVolume), "30");
    inputs.setEntryText(lowEntry(UnitSize), "70");
    inputs.setEntryText(highEntry(UnitSize), "90");
    DecisionSettings settings;
    settings.pattern = CorridorPattern::FanShaped;
    settings.seed = 2;
    settings.scenarios = 3000;
    settings.bandTolerance = 0.02;
    const DecisionResult r = runDecisionAnalysis(RunInputs(inputs), settings);
    ASSERT_GT(r.recommendedStep, 0);
    ASSERT_TRUE(r.plan);
    ASSERT_LT(r.bandFromEyd, r.bandToEyd);

    GraphMarks average;
    average.average = true;
    Collect sweep;
    graph_itmain(inputs, average, sweep);
    const double volume = 25.0 * 80;
    const double area = 80 * 43560.0;
    for (const PlanPoint* p : {&r.plan->bandFrom, &r.plan->recommended, &r.plan->bandTo}) {
        ASSERT_EQ(p->eyd, 100.0 * p->step);
        const YardingResult& s = sweep.steps.at(static_cast<size_t>(p->step - 1));
        EXPECT_NEAR(p->roadSpacing, 2 * p->eyd, 1e-9 * p->eyd);
        EXPECT_NEAR(p->roadLength, area / (2 * p->eyd), 1e-9 * area);
        EXPECT_NEAR(p->landings, s.landingsPerUnit, 1e-9 * s.landingsPerUnit);
        EXPECT_NEAR(p->corridors, s.corridorsPerUnit, 1e-9 * s.corridorsPerUnit);
        EXPECT_DOUBLE_EQ(p->volume, volume);
        EXPECT_EQ(p->meanCost, r.rows.at(static_cast<size_t>(p->step - 1)).mean);
        EXPECT_DOUBLE_EQ(p->totalDollars, p->meanCost * volume);
    }
    EXPECT_EQ(r.plan->recommended.step, r.recommendedStep);
    EXPECT_EQ(r.plan->bandFrom.eyd, r.bandFromEyd);
    EXPECT_EQ(r.plan->bandTo.eyd, r.bandToEyd);
    EXPECT_DOUBLE_EQ(r.plan->evpiDollars, r.evpi * volume);
    // Fan-shaped corridors fan out from each landing.
    EXPECT_GT(r.plan->recommended.corridors, r.plan->recommended.landings);

    // No recommendation, no plan.
    DecisionResult none = r;
    none.recommendedStep = 0;
    EXPECT_FALSE(planTerms(RunInputs(inputs), CorridorPattern::FanShaped, none));
}

TEST(PlanTerms, DollarsAreWholeAndGroupedInThrees) {
    EXPECT_EQ(dollarText(0), "$0");
    EXPECT_EQ(dollarText(999.4), "$999");
    EXPECT_EQ(dollarText(999.6), "$1,000");
    EXPECT_EQ(dollarText(703584.2), "$703,584");
    EXPECT_EQ(dollarText(12345678), "$12,345,678");
    EXPECT_EQ(dollarText(-1500), "-$1,500");
    EXPECT_EQ(dollarText(std::numeric_limits<double>::quiet_NaN()), "-");
    EXPECT_EQ(dollarText(std::numeric_limits<double>::infinity()), "-");
}
