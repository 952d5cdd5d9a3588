#include <gtest/gtest.h>

#include <cmath>

#include "RunTestInputs.h"
#include "ScriptedRunView.h"
#include "inputs/NumberText.h"
#include "simulator/MonteCarloRun.h"

using namespace quorvale;
using namespace quorvale::test;

namespace {

const RunField kSampleFields[] = {RunField::TextCheck,    RunField::TextRuns, RunField::TextAverage,
                                  RunField::TextVariance, RunField::TextMin,  RunField::TextMax};

}  // namespace

TEST(MonteCarloRun, EqualLowAndHighGiveTheStaticCostIn31SamplesPerStep) {
    InMemoryInputs inputs = defaultInputs("10");
    HeadlessRunView view;
    const RunSummary run = stat_itmain(inputs, view, 1);
    const std::vector<double> expected = staticCosts(inputs, 10, CorridorPattern::Parallel);

    ASSERT_EQ(run.steps, 10);
    ASSERT_EQ(run.rows.size(), 10u);
    EXPECT_EQ(run.samplesTotal, 310);
    EXPECT_FALSE(run.stopped);
    EXPECT_NEAR(run.rows[0].mean, 340, 1);
    EXPECT_NEAR(run.rows[9].mean, 136, 1);
    for (const StepSummary& row : run.rows) {
        const double cost = expected[static_cast<size_t>(row.step - 1)];
        EXPECT_EQ(row.samples, 31) << "step " << row.step;
        EXPECT_EQ(row.eyd, 100.0 * row.step);
        EXPECT_EQ(row.mean, cost);
        EXPECT_EQ(row.minimum, cost);
        EXPECT_EQ(row.maximum, cost);
        EXPECT_EQ(row.stddev, 0);
        EXPECT_EQ(row.halfWidth, 0);
        const MemoryRunChart& grid = view.chartRows();
        for (int column = 1; column <= 5; ++column) {
            EXPECT_EQ(grid.cell(row.step, column), cost) << "step " << row.step << " column " << column;
        }
    }
    // The cost falls over the whole range, so the last step is the cheapest.
    ASSERT_TRUE(run.optimum);
    EXPECT_EQ(run.optimum->eyd, 1000);
    EXPECT_EQ(run.optimum->minCost, expected[9]);
    EXPECT_EQ(view.field(RunField::TextOptEYD), "1000");
    EXPECT_EQ(view.field(RunField::TextMinCost), plainDecimal(roundHalfEven(expected[9], 0)));
    EXPECT_EQ(view.field(RunField::TextDensity), "5.3");  // 5.28, not capped
    EXPECT_EQ(view.field(RunField::TextAyd), "500");
    EXPECT_EQ(view.field(RunField::TextAeyd), "1000");
    EXPECT_EQ(view.field(RunField::TextCorridors), "1");
    EXPECT_EQ(view.field(RunField::TextLandings), "16");
    EXPECT_EQ(view.field(RunField::TextSpacing), "164");
    EXPECT_EQ(view.field(RunField::TextLyd), "82");
    EXPECT_EQ(view.field(RunField::TextAlyd), "41");
}

TEST(MonteCarloRun, NormalEndZeroesSampleFieldsAndFillsBothBars) {
    InMemoryInputs inputs = defaultInputs("3");
    HeadlessRunView view;
    stat_itmain(inputs, view, 1);
    EXPECT_TRUE(view.ended());
    EXPECT_FALSE(view.endedStopped());
    for (RunField f : kSampleFields) {
        EXPECT_EQ(view.field(f), "0");
    }
    EXPECT_EQ(view.field(RunField::TextEYD), "300");
    EXPECT_EQ(view.barValue(RunBar::Step), 1.0f);
    EXPECT_EQ(view.barPercent(RunBar::Step), "100%");
    EXPECT_EQ(view.barValue(RunBar::Run), 1.0f);
    EXPECT_EQ(view.barPercent(RunBar::Run), "100%");
    EXPECT_EQ(view.chartRows().rowsWritten(), 3);  // once per step, none at preparation
}

TEST(MonteCarloRun, FanShapedSamplesStartFromTheCorridorsOfTheSampleBefore) {
    InMemoryInputs inputs = defaultInputs("2", CorridorPattern::FanShaped);
    ScriptedRunView view;
    const RunSummary run = stat_itmain(inputs, view, 1);
    const std::vector<double> fixedSweep = staticCosts(inputs, 2, CorridorPattern::FanShaped);
    ASSERT_EQ(run.rows.size(), 2u);

    // Step 1: every sample starts from the unit's initial layout.
    EXPECT_NEAR(fixedSweep[0], 316, 1);
    EXPECT_EQ(run.rows[0].samples, 31);
    EXPECT_EQ(run.rows[0].minimum, fixedSweep[0]);
    EXPECT_EQ(run.rows[0].maximum, fixedSweep[0]);

    // Step 2: its first sample is the static step 2; later ones drift by
    // less than a dollar as the corridors feed back.
    EXPECT_NEAR(fixedSweep[1], 208, 1);
    const Shown& first = view.afterSample(32);
    EXPECT_EQ(first.field(RunField::TextEYD), "200");
    EXPECT_EQ(first.field(RunField::TextRuns), "0");
    EXPECT_EQ(first.field(RunField::TextCheck), plainDecimal(fixedSweep[1]));
    EXPECT_NE(view.afterSample(33).field(RunField::TextCheck), first.field(RunField::TextCheck));
    EXPECT_LT(run.rows[1].minimum, run.rows[1].maximum);
    EXPECT_LT(run.rows[1].maximum - run.rows[1].minimum, 1);
    EXPECT_GT(run.rows[1].halfWidth, 0);
    EXPECT_LT(run.rows[1].halfWidth, 1);
}

TEST(MonteCarloRun, StepCountIsTheWholeStationsOfTheHighEyd) {
    InMemoryInputs a = spreadInputs(0.25, "30.9");
    InMemoryInputs b = spreadInputs(0.25, "30.9");
    b.setEntryText(lowEntry(ExternalYardingDistance), "5");
    HeadlessRunView viewA;
    HeadlessRunView viewB;
    const RunSummary runA = stat_itmain(a, viewA, 11);
    const RunSummary runB = stat_itmain(b, viewB, 11);

    EXPECT_EQ(runA.steps, 30);
    ASSERT_EQ(runA.rows.size(), 30u);
    EXPECT_EQ(runA.rows.back().eyd, 3000);
    EXPECT_EQ(viewA.chartRows().rowCount(), 30);
    EXPECT_EQ(viewA.field(RunField::TextEYD), "3000");
    // The Low EYD plays no part.
    ASSERT_EQ(runB.rows.size(), runA.rows.size());
    for (size_t i = 0; i < runA.rows.size(); ++i) {
        EXPECT_EQ(runB.rows[i].mean, runA.rows[i].mean);
        EXPECT_EQ(runB.rows[i].samples, runA.rows[i].samples);
    }
}

TEST(MonteCarloRun, SampleFieldsShowTheIterationIndexAndTheLatestStatistics) {
    InMemoryInputs inputs = defaultInputs("1");
    ScriptedRunView view;
    const RunSummary run = stat_itmain(inputs, view, 1);
    const std::string cost = plainDecimal(run.rows[0].mean);

    const Shown& first = view.afterSample(1);
    EXPECT_EQ(first.field(RunField::TextEYD), "100");
    EXPECT_EQ(first.field(RunField::TextRuns), "0");
    EXPECT_EQ(first.field(RunField::TextCheck), cost);
    EXPECT_EQ(first.field(RunField::TextAverage), plainDecimal(roundHalfEven(run.rows[0].mean, 1)));
    EXPECT_EQ(first.field(RunField::TextVariance), "0");
    EXPECT_EQ(first.field(RunField::TextMin), first.field(RunField::TextAverage));
    EXPECT_EQ(first.field(RunField::TextMax), first.field(RunField::TextAverage));
    // One sample has no half-width yet: 5 against 1000000 is 0 %.
    EXPECT_EQ(first.stepPercent, "0%");
    EXPECT_EQ(view.afterSample(2).stepPercent, "100%");
    EXPECT_EQ(view.afterSample(30).field(RunField::TextRuns), "29");
    EXPECT_EQ(view.afterSample(31).field(RunField::TextRuns), "30");
    EXPECT_EQ(run.samplesTotal, 31);
}

TEST(MonteCarloRun, FieldsUseTheDecimalPointOfTheInputLocale) {
    InMemoryInputs inputs(NumberLocale::german());
    inputs.setEntryText(highEntry(ExternalYardingDistance), "10");
    HeadlessRunView view;
    const RunSummary run = stat_itmain(inputs, view, 1);
    // 5.28 miles per section, one decimal, German decimal point.
    EXPECT_EQ(view.field(RunField::TextDensity), "5,3");
    EXPECT_EQ(run.optimum->eyd, 1000);
}

TEST(MonteCarloRun, ChartWindowFollowsTheGraphMarkFromThe31stSample) {
    InMemoryInputs inputs = defaultInputs("2");
    ScriptedRunView view;
    view.setSimulationGraphChecked(true);
    view.onYield = [](ScriptedRunView& v) {
        if (v.samplesSeen() == 36) {
            v.setSimulationGraphChecked(false);  // unchecked at step 2's fifth sample
        }
    };
    stat_itmain(inputs, view, 1);
    EXPECT_FALSE(view.afterSample(30).chartVisible);
    EXPECT_TRUE(view.afterSample(31).chartVisible);
    EXPECT_TRUE(view.afterSample(61).chartVisible);
    EXPECT_FALSE(view.afterSample(62).chartVisible);
    EXPECT_EQ(view.visibilityChanges, 2);  // told only when it must change
}

TEST(MonteCarloRun, StopFlagBeforeASampleResetsTheWindowAndKeepsFinishedRows) {
    InMemoryInputs inputs = defaultInputs("5");
    ScriptedRunView view;
    view.onYield = [](ScriptedRunView& v) {
        if (v.samplesSeen() == 40) {
            v.requestStop();
        }
    };
    const RunSummary run = stat_itmain(inputs, view, 1);
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(run.samplesTotal, 40);
    ASSERT_EQ(run.rows.size(), 1u);
    EXPECT_TRUE(view.ended());
    EXPECT_TRUE(view.endedStopped());
    for (int i = 0; i < kRunFieldCount; ++i) {
        EXPECT_EQ(view.field(static_cast<RunField>(i)), "0");
    }
    EXPECT_EQ(view.barValue(RunBar::Step), 0);
    EXPECT_EQ(view.barPercent(RunBar::Step), "0%");
    EXPECT_EQ(view.barPercent(RunBar::Run), "0%");
    const MemoryRunChart& grid = view.chartRows();
    EXPECT_EQ(grid.cell(1, 1), run.rows[0].mean);
    for (int row = 2; row <= 5; ++row) {
        for (int column = 1; column <= 5; ++column) {
            EXPECT_EQ(grid.cell(row, column), 0);
        }
    }
}

TEST(MonteCarloRun, StopFlagBeforeAStepTakesNoSampleOfIt) {
    InMemoryInputs inputs = defaultInputs("5");
    ScriptedRunView view;
    view.yieldAfterEverySample = false;
    view.onYield = [](ScriptedRunView& v) {
        if (v.yieldCount() == 2) {
            v.requestStop();  // in the yield that ends step 2
        }
    };
    const RunSummary run = stat_itmain(inputs, view, 1);
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(run.rows.size(), 2u);
    EXPECT_EQ(run.samplesTotal, 62);
    EXPECT_EQ(view.yieldCount(), 2);
    EXPECT_EQ(view.field(RunField::TextEYD), "0");
}

TEST(MonteCarloRun, TargetIsReadAfterEverySample) {
    // Raised mid-step: the step ends at that sample once it has 31.
    {
        InMemoryInputs inputs = spreadInputs(0.5, "1");
        ScriptedRunView view;
        view.keepShown = false;
        view.targetAfter = [](long long n) { return n < 100 ? 1e-9 : 1e9; };
        EXPECT_EQ(stat_itmain(inputs, view, 3).rows.at(0).samples, 100);
    }
    // Raised before the 31st sample: still 31 samples.
    {
        InMemoryInputs inputs = spreadInputs(0.5, "1");
        ScriptedRunView view;
        view.keepShown = false;
        view.targetAfter = [](long long n) { return n < 10 ? 1e-9 : 1e9; };
        EXPECT_EQ(stat_itmain(inputs, view, 3).rows.at(0).samples, 31);
    }
    // Lowered below the half-width: the step keeps sampling until raised.
    {
        InMemoryInputs inputs = spreadInputs(0.5, "1");
        ScriptedRunView view;
        view.keepShown = false;
        view.targetAfter = [](long long n) { return n < 20 || n >= 500 ? 1e9 : 1e-9; };
        EXPECT_EQ(stat_itmain(inputs, view, 3).rows.at(0).samples, 500);
    }
}

TEST(MonteCarloRun, TargetNotAboveTheHalfWidthKeepsSampling) {
    // Equal costs have a half-width of 0: a target of 0 is never passed, a
    // negative one neither, and its bar value is refused.
    for (double target : {0.0, -1.0}) {
        InMemoryInputs inputs = defaultInputs("2");
        ScriptedRunView view;
        view.keepShown = false;
        view.setTarget(target);
        view.onYield = [](ScriptedRunView& v) {
            if (v.samplesSeen() == 200) {
                v.requestStop();
            }
        };
        const RunSummary run = stat_itmain(inputs, view, 1);
        EXPECT_TRUE(run.stopped);
        EXPECT_TRUE(run.rows.empty());
        EXPECT_EQ(run.samplesTotal, 200);
    }
    InMemoryInputs inputs = defaultInputs("1");
    ScriptedRunView view;
    view.setTarget(-1);
    view.onYield = [](ScriptedRunView& v) {
        if (v.samplesSeen() == 40) {
            v.requestStop();
        }
    };
    stat_itmain(inputs, view, 1);
    EXPECT_EQ(view.afterSample(39).stepPercent, "0%");
    EXPECT_EQ(view.afterSample(39).field(RunField::TextRuns), "38");
}

TEST(MonteCarloRun, ARefusedBarValueLeavesTheLastAcceptedOneBetweenYields) {
    // A target of 1 until sample 999, then a negative one whose bar values
    // are refused. Shown at every sample, the bar after sample 999 is the
    // last accepted value; shown only every 1024 samples, the bar at sample
    // 1024 must be that same value.
    auto target = [](long long n) { return n < 1000 ? 1.0 : -1.0; };
    InMemoryInputs inputs = spreadInputs(0.5, "1");
    ScriptedRunView everySample;
    everySample.targetAfter = target;
    everySample.onYield = [](ScriptedRunView& v) {
        if (v.samplesSeen() == 999) {
            v.requestStop();
        }
    };
    stat_itmain(inputs, everySample, 6);
    const std::string accepted = everySample.afterSample(999).stepPercent;
    EXPECT_NE(accepted, "0%");
    EXPECT_NE(accepted, "100%");

    ScriptedRunView sometimes;
    sometimes.targetAfter = target;
    sometimes.yieldAfterEverySample = false;
    sometimes.setProgress([](const HeadlessRunView&) {}, std::chrono::milliseconds(0));
    sometimes.onYield = [](ScriptedRunView& v) { v.requestStop(); };
    stat_itmain(inputs, sometimes, 6);
    EXPECT_EQ(sometimes.afterSample(1024).stepPercent, accepted);
}

TEST(MonteCarloRun, SameSeedSameRunOtherSeedOtherRun) {
    auto run = [](std::uint64_t seed, HeadlessRunView& view) {
        InMemoryInputs inputs = spreadInputs(0.25, "8", CorridorPattern::FanShaped);
        return stat_itmain(inputs, view, seed);
    };
    HeadlessRunView v1, v2, v3;
    const RunSummary a = run(42, v1);
    const RunSummary b = run(42, v2);
    const RunSummary c = run(43, v3);
    ASSERT_EQ(a.rows.size(), b.rows.size());
    EXPECT_EQ(a.seed, 42u);
    EXPECT_EQ(a.samplesTotal, b.samplesTotal);
    bool anyDifference = a.samplesTotal != c.samplesTotal;
    for (size_t i = 0; i < a.rows.size(); ++i) {
        EXPECT_EQ(a.rows[i].samples, b.rows[i].samples);
        EXPECT_EQ(a.rows[i].mean, b.rows[i].mean);
        EXPECT_EQ(a.rows[i].stddev, b.rows[i].stddev);
        EXPECT_EQ(a.rows[i].minimum, b.rows[i].minimum);
        EXPECT_EQ(a.rows[i].maximum, b.rows[i].maximum);
        for (int column = 1; column <= 5; ++column) {
            EXPECT_EQ(v1.chartRows().cell(static_cast<int>(i) + 1, column),
                      v2.chartRows().cell(static_cast<int>(i) + 1, column));
        }
        anyDifference = anyDifference || a.rows[i].mean != c.rows[i].mean;
    }
    EXPECT_EQ(a.optimum->eyd, b.optimum->eyd);
    EXPECT_EQ(a.optimum->result.landingSpacing, b.optimum->result.landingSpacing);
    for (int i = 0; i < kRunFieldCount; ++i) {
        EXPECT_EQ(v1.field(static_cast<RunField>(i)), v2.field(static_cast<RunField>(i)));
    }
    EXPECT_TRUE(anyDifference);
}
