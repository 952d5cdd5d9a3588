#include <gtest/gtest.h>

#include "RunTestInputs.h"
#include "simulator/HeadlessRunView.h"
#include "simulator/MemoryDataGrid.h"
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

TEST(MemoryDataGrid, KeepsCellsAndLabelsAndRefusesWritesOutsideTheGrid) {
    MemoryDataGrid grid;
    grid.setColumnCount(2);
    grid.setRowCount(3);
    grid.setRow(2);
    grid.setRowLabel("2");
    grid.setColumn(2);
    grid.setData(7.5);
    grid.setRow(4);
    grid.setRowLabel("4");
    grid.setData(1);
    grid.setRow(3);
    grid.setColumn(0);
    grid.setData(1);
    EXPECT_EQ(grid.cell(2, 2), 7.5);
    EXPECT_EQ(grid.rowLabel(2), "2");
    EXPECT_EQ(grid.cell(3, 1), 0);
    EXPECT_EQ(grid.cell(3, 2), 0);
    EXPECT_THROW(grid.cell(4, 1), std::out_of_range);
    grid.setRowCount(1);
    EXPECT_EQ(grid.rowCount(), 1);
    EXPECT_EQ(grid.cell(1, 2), 0);
}
