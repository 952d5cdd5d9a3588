#include <gtest/gtest.h>

#include "charts/ChartFileName.h"

using namespace quorvale;

TEST(ChartFileName, KeepsTheCaptionsWordsJoinedByOneDash) {
    EXPECT_EQ(
        chartFileName("Roading, Logging, and Total Costs  ($/mbf) vs. EYD (stat)      'Low Range Variables' ", "png"),
        "Roading-Logging-and-Total-Costs-mbf-vs-EYD-stat-Low-Range-Variables.png");
    EXPECT_EQ(chartFileName("1/10 Total Days", "csv"), "1-10-Total-Days.csv");
    // Nothing to name it after, or no suffix.
    EXPECT_EQ(chartFileName(" ($/%) ", "svg"), "chart.svg");
    EXPECT_EQ(chartFileName("", "png"), "chart.png");
    EXPECT_EQ(chartFileName("Costs", ""), "Costs");
    // Bytes of other scripts are separators, never half a character.
    EXPECT_EQ(chartFileName("Kosten \xc3\xa4 je mbf", "png"), "Kosten-je-mbf.png");
    // A runaway caption is cut to a usable length.
    EXPECT_LE(chartFileName(std::string(500, 'a'), "png").size(), 100U);
}
