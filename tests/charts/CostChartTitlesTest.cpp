#include <gtest/gtest.h>

#include <array>
#include <string>

#include "charts/CostChartTitles.h"

using namespace quorvale;

namespace {

// Road, logging and total cost marks of each block of three titles.
struct Costs {
    bool road;
    bool logging;
    bool total;
};
constexpr std::array<Costs, 7> kBlocks{{
    {true, true, true},
    {false, true, true},
    {false, false, true},
    {true, false, true},
    {false, true, false},
    {true, true, false},
    {true, false, false},
}};

GraphMarks marks(Costs c, int range) {
    GraphMarks m;
    m.roadCost = c.road;
    m.loggingCost = c.logging;
    m.totalCost = c.total;
    m.low = range == 0;
    m.average = range == 1;
    m.high = range == 2;
    return m;
}

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
    const std::array<size_t, 21> lengths{85, 88, 86, 75, 79, 76, 63, 67, 64, 75, 79,
                                         76, 65, 69, 66, 76, 80, 77, 65, 69, 66};
    for (int n = 1; n <= kCostChartTitleCount; ++n) {
        const std::string_view title = costChartTitle(n);
        EXPECT_EQ(title, expected[static_cast<size_t>(n - 1)]) << "title " << n;
        EXPECT_EQ(title.size(), lengths[static_cast<size_t>(n - 1)]) << "title " << n;
    }
    EXPECT_EQ(costChartTitle(1).back(), ' ');
    EXPECT_TRUE(costChartTitle(0).empty());
    EXPECT_TRUE(costChartTitle(22).empty());
}

TEST(CostChartTitles, EachCostAndRangeCombinationSelectsItsTitle) {
    for (size_t block = 0; block < kBlocks.size(); ++block) {
        for (int range = 0; range < 3; ++range) {
            const int expected = static_cast<int>(block) * 3 + range + 1;
            EXPECT_EQ(costChartTitleNumber(marks(kBlocks[block], range)), expected)
                << "block " << block << " range " << range;
        }
    }
}

TEST(CostChartTitlesSelection, NoTitleWithoutACostOrARangeMark) {
    EXPECT_FALSE(costChartTitleNumber(marks({false, false, false}, 0)));
    GraphMarks noRange = marks({true, true, true}, 0);
    noRange.low = false;
    EXPECT_FALSE(costChartTitleNumber(noRange));
    // Marks of the other groups play no part.
    GraphMarks others = marks({false, false, true}, 1);
    others.tonsDay = others.ayd = others.roadDensity = others.totalDays = true;
    EXPECT_EQ(costChartTitleNumber(others), 8);
}

TEST(CostChartTitlesSelection, WithTwoRangeMarksTheLaterTestWins) {
    GraphMarks m = marks({false, false, true}, 0);
    m.high = true;  // tests 7 (Low) and 9 (High) both hold; 9 is written last
    EXPECT_EQ(costChartTitleNumber(m), 9);
    m.high = false;
    m.average = true;
    EXPECT_EQ(costChartTitleNumber(m), 8);
}
