#include <gtest/gtest.h>

#include <limits>
#include <vector>

#include "charts/ChartLook.h"

using namespace quorvale;

TEST(ChartLook, TheLowestCostIsTheLaterOfEqualPositiveValues) {
    const std::vector<double> costs{0, 300, 120, 125, 120, 0, 130};
    EXPECT_EQ(lowestPositiveRow(costs), 5);
    // Unwritten rows (0) and no numbers never count.
    EXPECT_EQ(lowestPositiveRow(std::vector<double>{0, 0, -1}), std::nullopt);
    EXPECT_EQ(lowestPositiveRow(std::vector<double>{std::numeric_limits<double>::quiet_NaN(), 7}), 2);
}

TEST(ChartLook, AxisTitlesAndShownSeriesFollowTheMarks) {
    GraphMarks marks;
    marks.roadCost = true;
    const ChartLook cost = staticChartLook(ChartGroup::Cost, marks);
    EXPECT_EQ(cost.xTitle, "EYD (stations)");
    EXPECT_EQ(cost.yTitle, "Cost ($/mbf)");
    ASSERT_EQ(cost.series.size(), 3U);
    EXPECT_FALSE(cost.series[0].shown);  // Total
    EXPECT_FALSE(cost.series[1].shown);  // Logging
    EXPECT_TRUE(cost.series[2].shown);   // Road
    EXPECT_EQ(cost.minimumColumn, 1);
    EXPECT_TRUE(reachesCap(cost.series[2], std::vector<double>{120, 400}));
    EXPECT_FALSE(reachesCap(cost.series[2], std::vector<double>{120, 399.99}));

    // Series of different units list them; a lone one names its quantity.
    marks.cycleTime = marks.riggingTime = true;
    EXPECT_EQ(staticChartLook(ChartGroup::LoggingTime, marks).yTitle, "min/turn | hours/landing");
    marks.riggingTime = false;
    EXPECT_EQ(staticChartLook(ChartGroup::LoggingTime, marks).yTitle, "Cycle time (min/turn)");
    marks.loadsDay = true;
    EXPECT_EQ(staticChartLook(ChartGroup::Production, marks).yTitle, "Production (loads/day)");
    marks.corridors = marks.landings = true;
    EXPECT_EQ(staticChartLook(ChartGroup::Settings, marks).yTitle, "Corridors per landing");
    marks.roadDensity = true;
    const ChartLook roads = staticChartLook(ChartGroup::Roads, marks);
    EXPECT_EQ(roads.yTitle, "Road density (miles per section)");
    EXPECT_TRUE(reachesCap(roads.series[0], std::vector<double>{20}));
    EXPECT_FALSE(reachesCap(roads.series[1], std::vector<double>{20}));  // spacing has no cap

    const ChartLook simulation = simulationChartLook();
    EXPECT_EQ(simulation.yTitle, "Total cost ($/mbf)");
    EXPECT_EQ(simulation.minimumColumn, 1);
    EXPECT_EQ(simulation.series.size(), 5U);
}

TEST(ChartLook, EveryAxisHasAShortTitleNoLongerThanItsWholeOne) {
    // Every menu mark alone, all of them, and none.
    std::vector<GraphMarks> markSets(1);
    bool GraphMarks::*items[] = {&GraphMarks::roadCost,    &GraphMarks::loggingCost,    &GraphMarks::totalCost,
                                 &GraphMarks::tonsDay,     &GraphMarks::mbfDay,         &GraphMarks::loadsDay,
                                 &GraphMarks::totalDays,   &GraphMarks::cycleTime,      &GraphMarks::riggingTime,
                                 &GraphMarks::roadDensity, &GraphMarks::landingSpacing, &GraphMarks::ayd,
                                 &GraphMarks::lyd,         &GraphMarks::alyd,           &GraphMarks::aeyd,
                                 &GraphMarks::corridors,   &GraphMarks::landings};
    GraphMarks all;
    for (bool GraphMarks::*item : items) {
        GraphMarks one;
        one.*item = true;
        markSets.push_back(one);
        all.*item = true;
    }
    markSets.push_back(all);
    std::vector<ChartLook> looks{simulationChartLook()};
    for (const GraphMarks& marks : markSets) {
        for (ChartGroup group : {ChartGroup::Cost, ChartGroup::Production, ChartGroup::LoggingTime, ChartGroup::Roads,
                                 ChartGroup::Settings}) {
            looks.push_back(staticChartLook(group, marks));
        }
    }
    for (const ChartLook& look : looks) {
        EXPECT_FALSE(look.yShortTitle.empty()) << look.yTitle;
        EXPECT_LE(look.yShortTitle.size(), look.yTitle.size()) << look.yTitle;
        EXPECT_LT(look.xShortTitle.size(), look.xTitle.size());
    }
    // The short form of several units lists them in the same order.
    GraphMarks roads;
    roads.roadDensity = roads.landingSpacing = true;
    EXPECT_EQ(staticChartLook(ChartGroup::Roads, roads).yShortTitle, "mi/section | stat");
}

TEST(ChartLook, ColumnsTheLookSaysNothingOfAreShownWithoutUnitAndShortTitlesStandInWhereThereAreSome) {
    ChartLook look;
    look.xTitle = "EYD (stations)";
    look.yTitle = "Cost ($/mbf)";
    look.yShortTitle = "$/mbf";
    look.series = {SeriesLook{"$/mbf", false, 0, ""}, SeriesLook{"miles", true, 0, ""}};
    EXPECT_FALSE(look.isShown(1));
    EXPECT_TRUE(look.isShown(2));
    EXPECT_EQ(look.unit(2), "miles");
    for (int outside : {0, 3, -1}) {
        EXPECT_TRUE(look.isShown(outside));
        EXPECT_EQ(look.unit(outside), "");
    }
    EXPECT_EQ(look.axisTitle(true, true), "$/mbf");
    EXPECT_EQ(look.axisTitle(true, false), "Cost ($/mbf)");
    // No short x title: the whole one stays.
    EXPECT_EQ(look.axisTitle(false, true), "EYD (stations)");
}
