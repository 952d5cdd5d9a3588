#include <gtest/gtest.h>

#include "RunTestInputs.h"
#include "simulator/HeadlessRunView.h"
#include "simulator/MonteCarloRun.h"

using namespace quorvale;
using namespace quorvale::test;

TEST(HeadlessRunView, ProgressComesAtYieldsWithTheFieldsJustWritten) {
    // Equal costs and a target of 0: step 1 never ends by itself.
    InMemoryInputs inputs = defaultInputs("3");
    HeadlessRunView view(0);
    std::vector<std::string> runs;
    std::vector<long long> seen;
    // With no interval the clock says "due" at every 1024th sample.
    view.setProgress(
        [&](const HeadlessRunView& v) {
            runs.push_back(v.field(RunField::TextRuns));
            seen.push_back(v.samplesSeen());
            if (v.samplesSeen() >= 4096) {
                view.requestStop();
            }
        },
        std::chrono::milliseconds(0));
    const RunSummary run = stat_itmain(inputs, view, 1);
    EXPECT_TRUE(run.stopped);
    EXPECT_EQ(run.samplesTotal, 4096);
    EXPECT_EQ(seen, (std::vector<long long>{1024, 2048, 3072, 4096}));
    EXPECT_EQ(runs.front(), "1023");
    EXPECT_TRUE(view.endedStopped());
    EXPECT_EQ(view.field(RunField::TextRuns), "0");
}

TEST(HeadlessRunView, WithoutProgressItYieldsOnlyAtStepEnds) {
    InMemoryInputs inputs = spreadInputs(0.25, "4");
    HeadlessRunView view(1);
    const RunSummary run = stat_itmain(inputs, view, 3);
    EXPECT_EQ(view.yieldCount(), 4);
    EXPECT_EQ(view.samplesSeen(), run.samplesTotal);
    EXPECT_FALSE(view.chartVisible());  // no "Simulation Graph" mark
}

TEST(MemoryRunChart, KeepsRowsAndRefusesStepsOutsideTheRun) {
    MemoryRunChart chart;
    chart.startRun(3);
    chart.writeRow(2, {1, 2, 3, 4, 5});
    chart.writeRow(4, {9, 9, 9, 9, 9});
    chart.writeRow(0, {9, 9, 9, 9, 9});
    EXPECT_EQ(chart.rowCount(), 3);
    EXPECT_EQ(chart.rowsWritten(), 1);
    EXPECT_EQ(chart.cell(2, 1), 1);
    EXPECT_EQ(chart.cell(2, 5), 5);
    EXPECT_EQ(chart.cell(3, 1), 0);
    EXPECT_THROW(chart.cell(4, 1), std::out_of_range);
    EXPECT_THROW(chart.cell(1, 6), std::out_of_range);
    // The next run starts from zeros.
    chart.startRun(2);
    EXPECT_EQ(chart.rowCount(), 2);
    EXPECT_EQ(chart.cell(2, 1), 0);
    EXPECT_EQ(chart.rowsWritten(), 0);
}
