#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "inputs/InputVariables.h"
#include "charts/ChartLoading.h"

using namespace quorvale;

namespace {

// Records every grid and caption operation in the order it happened.
class RecordingWindows final : public ChartWindows {
public:
    struct Grid final : DataGrid {
        RecordingWindows* owner = nullptr;
        ChartGroup group{};
        int columns = 0;
        int rows = 0;
        int row = 0;
        int column = 0;
        std::map<int, double> xs;
        std::map<std::pair<int, int>, double> cells;
        int refreshes = 0;
        void setColumnCount(int c) override {
            columns = c;
            log("cols");
        }
        void setRowCount(int r) override {
            rows = r;
            log("rows");
        }
        void setRow(int r) override {
            row = r;
            log("row");
        }
        void setRowX(double x) override {
            xs[row] = x;
            log("x");
        }
        void setColumn(int c) override {
            column = c;
            log("col");
        }
        void setData(double v) override {
            cells[{row, column}] = v;
            log("data");
        }
        void refresh() override {
            ++refreshes;
            log("refresh");
        }
        void log(const std::string& what) { owner->events.push_back(name(group) + ":" + what); }
    };

    DataGrid& chart(ChartGroup g) override {
        Grid& grid = grids[g];
        grid.owner = this;
        grid.group = g;
        opened.push_back(g);
        return grid;
    }
    void setCaption(ChartGroup g, const std::string& caption) override {
        captions[g] = caption;
        events.push_back(name(g) + ":caption");
    }

    static std::string name(ChartGroup g) {
        switch (g) {
            case ChartGroup::Settings:
                return "Settings";
            case ChartGroup::Roads:
                return "Roads";
            case ChartGroup::Production:
                return "Production";
            case ChartGroup::Cost:
                return "Cost";
            case ChartGroup::LoggingTime:
                return "Logging";
        }
        return "?";
    }

    std::map<ChartGroup, Grid> grids;
    std::map<ChartGroup, std::string> captions;
    std::vector<ChartGroup> opened;
    std::vector<std::string> events;
};

SweepOutcome sweepInto(RecordingWindows& windows, const GraphMarks& marks, InMemoryInputs& inputs) {
    ChartLoading loading(windows, marks);
    return graph_itmain(inputs, marks, loading);
}

GraphMarks low() {
    GraphMarks m;
    m.low = true;
    return m;
}

}  // namespace

TEST(ChartLoading, OnlyTotalCostFillsTheOtherCostColumnsWithZero) {
    GraphMarks m = low();
    m.totalCost = true;
    InMemoryInputs inputs;
    RecordingWindows w;
    sweepInto(w, m, inputs);
    ASSERT_EQ(w.grids.size(), 1u);
    const auto& g = w.grids[ChartGroup::Cost];
    EXPECT_EQ(g.columns, 3);
    EXPECT_EQ(g.rows, 30);
    EXPECT_NEAR(g.cells.at({10, 1}), 136, 0.5);
    EXPECT_EQ(g.cells.at({10, 2}), 0);
    EXPECT_EQ(g.cells.at({10, 3}), 0);
    EXPECT_EQ(g.xs.at(10), 10.0);
    EXPECT_EQ(g.refreshes, 30);
}

TEST(ChartLoading, ProductionShowsTonsFirstThenLoadsThenMbf) {
    InMemoryInputs inputs;
    FanCarry carry;
    ModelInputs mi = readModelInputs(inputs, RangeCase::Low);
    mi.multipleCorridorCorrection = 0.5;
    const YardingResult r = Evaluate_Step(mi, 10, carry);

    GraphMarks both = low();
    both.mbfDay = both.tonsDay = true;
    ChartRow row = chartRow(ChartGroup::Production, both, r);
    EXPECT_EQ(row.cells[0], r.tonsPerDay);
    EXPECT_EQ(row.caption, "Production (tons/day) vs EYD (stat)");

    GraphMarks loads = low();
    loads.loadsDay = true;
    row = chartRow(ChartGroup::Production, loads, r);
    EXPECT_EQ(row.cells[0], r.loadsPerDay);
    EXPECT_EQ(row.caption, "Production (Loads/day) vs EYD (stat)");

    GraphMarks mbf = low();
    mbf.mbfDay = true;
    row = chartRow(ChartGroup::Production, mbf, r);
    EXPECT_EQ(row.cells[0], r.mbfPerDay);
    EXPECT_EQ(row.caption, "Production (mbf/day) vs EYD (stat)");
}

TEST(ChartLoading, LayoutSeriesIsTheFirstMarkedItemInItsOrder) {
    InMemoryInputs inputs;
    FanCarry carry;
    ModelInputs mi = readModelInputs(inputs, RangeCase::Low);
    mi.multipleCorridorCorrection = 0.5;
    const YardingResult r = Evaluate_Step(mi, 10, carry);
    struct Case {
        bool GraphMarks::*mark;
        double expected;
        const char* caption;
    };
    const Case cases[] = {
        {&GraphMarks::ayd, r.ayd / 100, "Average Yarding Distance (stat) vs. EYD (stat)"},
        {&GraphMarks::lyd, r.lyd / 100, "Lateral Yarding Distance (stat) vs. EYD (stat)"},
        {&GraphMarks::alyd, r.alyd / 100, "Average Lateral Yarding Distance (stat) vs. EYD (stat)"},
        {&GraphMarks::aeyd, r.aeyd / 100, "Average External Yarding Distance (stat) vs. EYD (stat)"},
        {&GraphMarks::corridors, r.corridorsPerLanding, "Corridors per Landing vs. EYD (stat)"},
        {&GraphMarks::landings, r.landingsPerUnit, "Landings per Unit vs. EYD (stat)"},
    };
    for (const Case& c : cases) {
        GraphMarks m = low();
        m.*c.mark = true;
        const ChartRow row = chartRow(ChartGroup::Settings, m, r);
        EXPECT_EQ(row.cells[0], c.expected) << c.caption;
        EXPECT_EQ(row.caption, c.caption);
    }
    // Corridors outranks landings, though the menu lists landings first.
    GraphMarks m = low();
    m.landings = m.corridors = true;
    EXPECT_EQ(chartRow(ChartGroup::Settings, m, r).cells[0], r.corridorsPerLanding);
}

TEST(ChartLoading, RoadsAndLoggingTimeCellsAtStation10) {
    GraphMarks m = low();
    m.landingSpacing = true;
    m.totalDays = true;
    InMemoryInputs inputs;
    RecordingWindows w;
    sweepInto(w, m, inputs);
    const auto& roads = w.grids[ChartGroup::Roads];
    EXPECT_NEAR(roads.cells.at({10, 2}), 1.64, 0.005);
    EXPECT_EQ(roads.cells.at({10, 1}), 0);
    const auto& logging = w.grids[ChartGroup::LoggingTime];
    EXPECT_NEAR(logging.cells.at({10, 1}), 8.19, 0.005);
    EXPECT_EQ(logging.cells.at({10, 2}), 0);
    EXPECT_EQ(logging.cells.at({10, 3}), 0);
}

TEST(ChartLoading, PreparesAndWritesGroupsInTheirOrders) {
    GraphMarks m = low();
    m.roadCost = m.tonsDay = m.totalDays = m.roadDensity = m.ayd = true;
    InMemoryInputs inputs;
    inputs.setEntryText(lowEntry(ExternalYardingDistance), "2");
    RecordingWindows w;
    sweepInto(w, m, inputs);
    const std::vector<std::string> expected{
        "Settings:cols", "Settings:rows", "Roads:cols", "Roads:rows", "Production:cols", "Production:rows", "Cost:cols",
        "Cost:rows", "Logging:cols", "Logging:rows",
        // Step 1: production (caption before its data), settings (caption
        // after), logging time, roads, cost.
        "Production:row", "Production:x", "Production:col", "Production:caption", "Production:data",
        "Production:refresh", "Settings:row", "Settings:x", "Settings:col", "Settings:data", "Settings:caption",
        "Settings:refresh", "Logging:row", "Logging:x", "Logging:col", "Logging:data", "Logging:col", "Logging:data",
        "Logging:col", "Logging:data", "Logging:refresh", "Roads:row", "Roads:x", "Roads:col", "Roads:data",
        "Roads:col", "Roads:data", "Roads:refresh", "Cost:row", "Cost:x", "Cost:col", "Cost:data", "Cost:col",
        "Cost:data", "Cost:col", "Cost:data", "Cost:refresh"};
    ASSERT_GE(w.events.size(), expected.size());
    EXPECT_EQ(std::vector<std::string>(w.events.begin(), w.events.begin() + static_cast<long>(expected.size())),
              expected);
}

TEST(ChartLoading, NoActiveGroupTouchesNoWindowAndRowCountFollowsEachSweep) {
    InMemoryInputs inputs;
    RecordingWindows w;
    sweepInto(w, low(), inputs);
    EXPECT_TRUE(w.opened.empty());

    GraphMarks m = low();
    m.totalCost = true;
    inputs.setEntryText(lowEntry(ExternalYardingDistance), "40");
    sweepInto(w, m, inputs);
    EXPECT_EQ(w.grids[ChartGroup::Cost].rows, 40);
    inputs.setEntryText(lowEntry(ExternalYardingDistance), "30");
    sweepInto(w, m, inputs);
    EXPECT_EQ(w.grids[ChartGroup::Cost].rows, 30);
}

TEST(ChartLoading, CellTextIsPlainDecimal) {
    EXPECT_EQ(cellText(136.07), "136.07");
    EXPECT_EQ(cellText(400), "400");
    EXPECT_EQ(cellText(0), "0");
    EXPECT_EQ(cellText(1.0 / 3), "0.333333333333333");
}
