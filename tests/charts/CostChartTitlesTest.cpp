#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <set>
#include <string_view>

#include "charts/CostChartTitles.h"

using namespace quorvale;

namespace {

GraphMarks marks(bool road, bool logging, bool total, int range) {
    GraphMarks m;
    m.roadCost = road;
    m.loggingCost = logging;
    m.totalCost = total;
    m.low = range == 0;
    m.average = range == 1;
    m.high = range == 2;
    return m;
}

bool names(std::string_view title, std::string_view word) { return title.find(word) != std::string_view::npos; }

}  // namespace

TEST(CostChartTitles, EveryTitleIsExactCharacterForCharacter) {
    const std::array<const char*, 21> expected{
        "Roading, Logging, and Total Costs  ($/mbf) vs. EYD (stat)      'Low Range Variables' ",
        "Roading, Logging, and Total Costs  ($/mbf) vs. EYD (stat)      'Average Range Variables'",
        "Roading, Logging, and Total Costs  ($/mbf) vs. EYD (stat)       'High Range Variables'",
        "Logging and Total Costs  ($/mbf) vs. EYD (stat)       'Low Range Variables'",
        "Logging and Total Costs  ($/mbf) vs. EYD (stat)       'Average Range Variables'",
        "Logging and Total Costs  ($/mbf) vs. EYD (stat)       'High Range Variables'",
        "Total Costs  ($/mbf) vs. EYD (stat)       'Low Range Variables'",
        "Total Costs  ($/mbf) vs. EYD (stat)       'Average Range Variables'",
        "Total Costs  ($/mbf) vs. EYD (stat)       'High Range Variables'",
        "Roading and Total Costs  ($/mbf) vs. EYD (stat)       'Low Range Variables'",
        "Roading and Total Costs  ($/mbf) vs. EYD (stat)       'Average Range Variables'",
        "Roading and Total Costs  ($/mbf) vs. EYD (stat)       'High Range Variables'",
        "Logging Costs  ($/mbf) vs. EYD (stat)       'Low Range Variables'",
        "Logging Costs  ($/mbf) vs. EYD (stat)       'Average Range Variables'",
        "Logging Costs  ($/mbf) vs. EYD (stat)       'High Range Variables'",
        "Roading and Logging Costs ($/mbf) vs. EYD (stat)       'Low Range Variables'",
        "Roading and Logging Costs ($/mbf) vs. EYD (stat)       'Average Range Variables'",
        "Roading and Logging Costs ($/mbf) vs. EYD (stat)       'High Range Variables'",
        "Roading Costs  ($/mbf) vs. EYD (stat)       'Low Range Variables'",
        "Roading Costs  ($/mbf) vs. EYD (stat)       'Average Range Variables'",
        "Roading Costs  ($/mbf) vs. EYD (stat)       'High Range Variables'",
    };
    for (int n = 1; n <= kCostChartTitleCount; ++n) {
        EXPECT_EQ(costChartTitle(n), expected[static_cast<size_t>(n - 1)]) << "title " << n;
    }
    EXPECT_TRUE(costChartTitle(0).empty());
    EXPECT_TRUE(costChartTitle(22).empty());
}

// Whatever the table's order, the caption names the cost items that are
// checked, none that is not, and the checked range item; and each of the
// 21 combinations has a title, distinct from every other, of its own.
TEST(CostChartTitles, EachCombinationOfMarksGetsATitleNamingExactlyItsItems) {
    const std::array<std::string_view, 3> ranges{"'Low Range Variables'", "'Average Range Variables'",
                                                 "'High Range Variables'"};
    std::set<int> chosen;
    std::set<std::string_view> titles;
    for (int costs = 1; costs < 8; ++costs) {
        const bool road = costs & 1;
        const bool logging = costs & 2;
        const bool total = costs & 4;
        for (int range = 0; range < 3; ++range) {
            const std::optional<int> number = costChartTitleNumber(marks(road, logging, total, range));
            ASSERT_TRUE(number) << "costs " << costs << " range " << range;
            const std::string_view title = costChartTitle(*number);
            EXPECT_EQ(names(title, "Roading"), road) << title;
            EXPECT_EQ(names(title, "Logging"), logging) << title;
            EXPECT_EQ(names(title, "Total"), total) << title;
            for (int other = 0; other < 3; ++other) {
                EXPECT_EQ(names(title, ranges[static_cast<size_t>(other)]), other == range) << title;
            }
            chosen.insert(*number);
            titles.insert(title);
        }
    }
    EXPECT_EQ(chosen.size(), static_cast<size_t>(kCostChartTitleCount));
    EXPECT_EQ(titles.size(), static_cast<size_t>(kCostChartTitleCount));
}

TEST(CostChartTitlesSelection, NoTitleWithoutACostOrARangeMark) {
    EXPECT_FALSE(costChartTitleNumber(marks(false, false, false, 0)));
    GraphMarks noRange = marks(true, true, true, 0);
    noRange.low = false;
    EXPECT_FALSE(costChartTitleNumber(noRange));
    // Marks of the other groups play no part.
    GraphMarks others = marks(false, false, true, 1);
    others.tonsDay = others.ayd = others.roadDensity = others.totalDays = true;
    EXPECT_EQ(costChartTitleNumber(others), 8);
}

TEST(CostChartTitlesSelection, WithTwoRangeMarksTheLaterTestWins) {
    GraphMarks m = marks(false, false, true, 0);
    m.high = true;  // tests 7 (Low) and 9 (High) both hold; 9 is written last
    EXPECT_EQ(costChartTitleNumber(m), 9);
    m.high = false;
    m.average = true;
    EXPECT_EQ(costChartTitleNumber(m), 8);
}
