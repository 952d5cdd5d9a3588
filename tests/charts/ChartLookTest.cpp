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
