#include "charts/CostChartTitles.h"

#include <array>

namespace quorvale {
namespace {

// In test order. The blank runs differ from title to title on purpose:
// two blanks before "($/mbf)" except for "Roading and Logging Costs", six
// before the range phrase in the first two titles and seven elsewhere, and a
// trailing blank after the first one.
constexpr std::array<std::string_view, kCostChartTitleCount> kTitles{
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

// The cost marks (road, logging, total) of each block of three titles; within
// a block the titles run Low, Average, High.
struct CostCombination {
    bool road;
    bool logging;
    bool total;
};
constexpr std::array<CostCombination, 7> kCombinations{{
    {true, true, true},
    {false, true, true},
    {false, false, true},
    {true, false, true},
    {false, true, false},
    {true, true, false},
    {true, false, false},
}};

}  // namespace

std::string_view costChartTitle(int number) {
    if (number < 1 || number > kCostChartTitleCount) {
        return {};
    }
    return kTitles[static_cast<size_t>(number - 1)];
}

std::optional<int> costChartTitleNumber(const GraphMarks& m) {
    std::optional<int> written;
    int number = 0;
    for (const CostCombination& c : kCombinations) {
        const bool costsMatch = m.roadCost == c.road && m.loggingCost == c.logging && m.totalCost == c.total;
        // Each test reads one range mark only, so with two range marks
        // checked two tests can hold; the later one is the caption left.
        for (bool rangeMark : {m.low, m.average, m.high}) {
            ++number;
            if (costsMatch && rangeMark) {
                written = number;
            }
        }
    }
    return written;
}

}  // namespace quorvale
