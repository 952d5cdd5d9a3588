// The per-step sample cap of a bounded run and the notice of a step that
// passes the count in a run without one.

#include <gtest/gtest.h>

#include <algorithm>

#include "RunTestInputs.h"
#include "ScriptedRunView.h"
#include "simulator/MonteCarloRun.h"

using namespace quorvale;
using namespace quorvale::test;

namespace {

void expectSameFigures(const StepSummary& a, const StepSummary& b) {
    EXPECT_EQ(a.samples, b.samples) << "step " << a.step;
    EXPECT_EQ(a.mean, b.mean) << "step " << a.step;
    EXPECT_EQ(a.stddev, b.stddev) << "step " << a.step;
    EXPECT_EQ(a.halfWidth, b.halfWidth) << "step " << a.step;
    EXPECT_EQ(a.minimum, b.minimum) << "step " << a.step;
    EXPECT_EQ(a.maximum, b.maximum) << "step " << a.step;
}

}  // namespace

TEST(RunSampleCap, ACappedStepEndsWithItsStatisticsAndIsNotConverged) {
    constexpr long long kCap = 100;
    InMemoryInputs inputs = spreadInputs(0.5, "3");
    // The same first step without a cap: a target met right after sample 100.
    ScriptedRunView free;
    free.keepShown = false;
    free.targetAfter = [](long long n) { return n < kCap ? 1e-12 : 1e12; };
    const RunSummary reference = stat_itmain(inputs, free, 9);

    // A target no step reaches, up to a point that ends a run whose cap fails.
    ScriptedRunView view;
    view.keepShown = false;
    view.targetAfter = [](long long n) { return n < 10 * kCap ? 1e-12 : 1e12; };
    RunSettings settings;
    settings.maxSamplesPerStep = kCap;
    const RunSummary run = stat_itmain(inputs, view, 9, settings);

    ASSERT_EQ(run.rows.size(), 3u);
    EXPECT_FALSE(run.stopped);
    EXPECT_EQ(run.samplesTotal, 3 * kCap);
    for (const StepSummary& row : run.rows) {
        EXPECT_EQ(row.samples, kCap);
        EXPECT_FALSE(row.converged) << "step " << row.step;
        EXPECT_FALSE(row.overSampleCount) << "the notice count stays far above the cap";
        EXPECT_GT(row.stddev, 0);
        EXPECT_EQ(view.chartRows().cell(row.step, 1), row.mean);
        EXPECT_EQ(view.chartRows().cell(row.step, 4), row.minimum);
    }
    EXPECT_TRUE(reference.rows.at(0).converged);
    expectSameFigures(run.rows[0], reference.rows[0]);
    // Capped steps still compete for the optimum.
    ASSERT_TRUE(run.optimum);
    EXPECT_EQ(run.optimum->minCost, std::min({run.rows[0].mean, run.rows[1].mean, run.rows[2].mean}));
}

TEST(RunSampleCap, ACapNoStepReachesChangesNothing) {
    for (CorridorPattern pattern : {CorridorPattern::Parallel, CorridorPattern::FanShaped}) {
        InMemoryInputs inputs = spreadInputs(0.25, "8", pattern);
        HeadlessRunView plainView(2);
        const RunSummary plain = stat_itmain(inputs, plainView, 4);
        long long most = 0;
        for (const StepSummary& row : plain.rows) {
            EXPECT_TRUE(row.converged);
            EXPECT_FALSE(row.overSampleCount);
            most = std::max(most, row.samples);
        }
        HeadlessRunView cappedView(2);
        RunSettings settings;
        settings.maxSamplesPerStep = most + 1;
        settings.noticeSamplesPerStep = most + 1;
        const RunSummary capped = stat_itmain(inputs, cappedView, 4, settings);
        ASSERT_EQ(capped.rows.size(), plain.rows.size());
        for (size_t i = 0; i < plain.rows.size(); ++i) {
            expectSameFigures(capped.rows[i], plain.rows[i]);
            EXPECT_TRUE(capped.rows[i].converged);
        }
        EXPECT_EQ(capped.optimum->eyd, plain.optimum->eyd);
        EXPECT_EQ(capped.optimum->minCost, plain.optimum->minCost);
        EXPECT_EQ(cappedView.field(RunField::TextMinCost), plainView.field(RunField::TextMinCost));
    }
}

TEST(RunSampleCap, AnUncappedStepPastTheNoticeCountIsToldOnceAndKeepsSampling) {
    InMemoryInputs inputs = spreadInputs(0.5, "3");
    ScriptedRunView view;
    view.keepShown = false;
    // Step 1 takes 80 samples, the others the minimum of 31.
    view.targetAfter = [](long long n) { return n < 80 ? 1e-12 : 1e12; };
    RunSettings settings;
    settings.noticeSamplesPerStep = 50;
    const RunSummary run = stat_itmain(inputs, view, 2, settings);

    ASSERT_EQ(run.rows.size(), 3u);
    EXPECT_EQ(run.rows[0].samples, 80);
    EXPECT_TRUE(run.rows[0].converged) << "no cap: the step went on to its target";
    EXPECT_TRUE(run.rows[0].overSampleCount);
    EXPECT_FALSE(run.rows[1].overSampleCount);
    EXPECT_FALSE(run.rows[2].overSampleCount);
    // Told during sample 50, and cleared when step 2 starts (sample 81).
    const std::vector<std::pair<long long, bool>> expected = {{50, true}, {81, false}};
    EXPECT_EQ(view.overSampleCount, expected);
}
